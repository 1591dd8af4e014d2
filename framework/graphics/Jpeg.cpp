#include "Jpeg.h"

#include <csetjmp>
#include <cstdio>
#include <cstring>

#include <jpeglib.h>

namespace yq {

YQ_CLASS_INFO(TJPEGImage, TGraphic)

namespace {

struct ErrorManager {
    jpeg_error_mgr pub;
    std::jmp_buf jump;
};

[[noreturn]] void ErrorExit(j_common_ptr info) {
    std::longjmp(reinterpret_cast<ErrorManager*>(info->err)->jump, 1);
}

void NoMessage(j_common_ptr) {}

// Decodes into `target` (a 24-bit bitmap).  Only C frames lie between the
// setjmp here and libjpeg's error exit, and nothing with a destructor is
// created after the setjmp.
bool Decode(const std::uint8_t* data, std::size_t size, TBitmap& target) {
    jpeg_decompress_struct info;
    ErrorManager errors;
    info.err = jpeg_std_error(&errors.pub);
    errors.pub.error_exit = ErrorExit;
    errors.pub.output_message = NoMessage;
    if (setjmp(errors.jump)) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, const_cast<unsigned char*>(data), static_cast<unsigned long>(size));
    jpeg_read_header(&info, TRUE);
    info.out_color_space = JCS_EXT_BGR;
    jpeg_start_decompress(&info);
    const std::int64_t pixels = std::int64_t(info.output_width) * info.output_height;
    bool sized = pixels > 0 && pixels <= 64ll * 1024 * 1024 && info.output_components == 3;
    if (sized) {
        try {
            target.SetSize(int(info.output_width), int(info.output_height));
        } catch (...) {
            sized = false;
        }
    }
    if (!sized) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    GdiFlush();
    DIBSECTION dib;
    GetObjectW(target.Handle(), sizeof(dib), &dib);
    auto* bits = static_cast<std::uint8_t*>(dib.dsBm.bmBits);
    const std::size_t stride = (std::size_t(info.output_width) * 3 + 3) & ~std::size_t(3);
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = bits + std::size_t(info.output_scanline) * stride;
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return true;
}

} // namespace

void TJPEGImage::LoadFromBytes(const std::uint8_t* data, std::size_t size) {
    if (!data || size < 4) throw EInvalidGraphic("JPEG error #53");
    TBitmap decoded;
    if (!Decode(data, size, decoded)) throw EInvalidGraphic("JPEG error #53");
    bitmap_.Assign(decoded);
    Changed();
}

std::unique_ptr<TGraphic> TJPEGImage::Clone() const {
    auto copy = std::make_unique<TJPEGImage>();
    copy->bitmap_.Assign(bitmap_);
    copy->transparent_ = transparent_;
    return copy;
}

void TJPEGImage::Draw(TCanvas& canvas, const RECT& r) const {
    bitmap_.Draw(canvas, r);
}

} // namespace yq
