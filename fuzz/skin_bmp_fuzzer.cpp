// Any bytes as a skin picture: BMP decoding either refuses the file or
// gives a picture within the size limit with every pixel set.
#include "Bmp.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    try {
        const yq::TRgbImage image = yq::DecodeBmp(std::span<const std::uint8_t>(data, size));
        if (image.Width <= 0 || image.Height <= 0) abort();
        if (std::int64_t(image.Width) * image.Height > yq::kMaxBitmapPixels) abort();
        if (image.Pixels.size() != std::size_t(image.Width) * std::size_t(image.Height)) abort();
        for (const auto p : image.Pixels) {
            if (p > 0xFFFFFF) abort();
        }
    } catch (const yq::EBmpFormatError&) {
    }
    return 0;
}
