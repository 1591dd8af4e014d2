#pragma once
// Pictures for tests: JPEGs made with libjpeg's encoder, what a window
// shows now, and comparisons of colours and pixels.
#include "Bitmap.h"
#include "GdiObjects.h"

#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <vector>

#include <jpeglib.h>

namespace yq::test {

inline TColor Rgb(int r, int g, int b) {
    return TColor(r) | (TColor(g) << 8) | (TColor(b) << 16);
}

// Every channel within tolerance (JPEG and scaling blur colours a little).
inline bool Near(TColor a, TColor b, int tolerance) {
    for (int shift : {0, 8, 16})
        if (std::abs(int((a >> shift) & 0xFF) - int((b >> shift) & 0xFF)) > tolerance) return false;
    return true;
}

// A w×h JPEG whose pixel (x, y) has the colour pixel(x, y).
inline std::vector<std::uint8_t> MakeJpeg(int w, int h, const std::function<TColor(int x, int y)>& pixel) {
    jpeg_compress_struct info;
    jpeg_error_mgr errors;
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    unsigned char* out = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &out, &size);
    info.image_width = JDIMENSION(w);
    info.image_height = JDIMENSION(h);
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 95, TRUE);
    jpeg_start_compress(&info, TRUE);
    std::vector<std::uint8_t> row(size_t(w) * 3);
    while (info.next_scanline < info.image_height) {
        const int y = int(info.next_scanline);
        for (int x = 0; x < w; ++x) {
            const TColor c = pixel(x, y);
            row[size_t(x) * 3] = std::uint8_t(c & 0xFF);
            row[size_t(x) * 3 + 1] = std::uint8_t((c >> 8) & 0xFF);
            row[size_t(x) * 3 + 2] = std::uint8_t((c >> 16) & 0xFF);
        }
        JSAMPROW p = row.data();
        jpeg_write_scanlines(&info, &p, 1);
    }
    jpeg_finish_compress(&info);
    std::vector<std::uint8_t> bytes(out, out + size);
    jpeg_destroy_compress(&info);
    std::free(out);
    return bytes;
}

// What a window's client area shows now, w×h from its top-left corner.
inline void CaptureWindow(HWND hwnd, TBitmap& into) {
    TWindowDC dc(hwnd);
    BitBlt(into.Canvas().Handle(), 0, 0, into.Width(), into.Height(), dc.Get(), 0, 0, SRCCOPY);
}

inline std::vector<TColor> Pixels(const TBitmap& bmp) {
    std::vector<TColor> v;
    for (int y = 0; y < bmp.Height(); ++y)
        for (int x = 0; x < bmp.Width(); ++x)
            v.push_back(bmp.Pixel(x, y));
    return v;
}

// Pixels of one colour in a bitmap.
inline int CountColor(const TBitmap& bmp, TColor color) {
    int n = 0;
    for (TColor c : Pixels(bmp))
        n += c == color;
    return n;
}

} // namespace yq::test
