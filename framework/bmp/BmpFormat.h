#pragma once
// Reading the layout of a BMP file or packed DIB without trusting it: the
// header fields are checked against each other and against the bytes
// present before any pixel is touched.  Portable (no <windows.h>), so it
// is fuzzed on the host.
#include <cstddef>
#include <cstdint>
#include <string>

namespace yq {

struct TBmpLayout {
    int Width = 0;
    int Height = 0;                // always positive
    bool TopDown = false;          // rows stored top row first
    int BitCount = 0;              // 1, 4, 8, 16, 24 or 32
    std::uint32_t Compression = 0; // 0 RGB, 1 RLE8, 2 RLE4, 3 BITFIELDS
    std::size_t InfoOffset = 0;    // BITMAPINFOHEADER (or core header)
    std::size_t InfoSize = 0;      // header + masks + colour table
    std::size_t BitsOffset = 0;
    std::size_t BitsSize = 0; // bytes of pixel data that may be read
};

// Largest picture accepted, in pixels (width × height).
constexpr std::int64_t kMaxBmpPixels = 64ll * 1024 * 1024;

// A BMP file ("BM" header).  False with a reason when it is not usable.
bool ParseBmpFile(const std::uint8_t* data, std::size_t size, TBmpLayout& layout, std::string& error);
// A packed DIB (header, colour table, bits), as in an RT_BITMAP resource.
bool ParsePackedDib(const std::uint8_t* data, std::size_t size, TBmpLayout& layout, std::string& error);

} // namespace yq
