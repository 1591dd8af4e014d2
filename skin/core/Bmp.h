#pragma once
// Reading and writing BMP files without the platform, so that the skin's
// pictures can be checked (and fuzzed) on any machine.  Read: Windows 3.x
// and OS/2 headers and the V4/V5 headers; 1, 4, 8, 16, 24 and 32 bits per
// pixel; uncompressed, RLE8, RLE4 and bit fields; bottom-up or top-down.
// Write: 24-bit uncompressed.
#include <cstdint>
#include <span>
#include <stdexcept>
#include <vector>

namespace yq {

inline constexpr const char* kInvalidBitmap = "Bitmap image is not valid";

class EBmpFormatError : public std::runtime_error {
public:
    explicit EBmpFormatError(const char* message) : std::runtime_error(message) {}
};

// A picture as rows from the top, each pixel 0x00RRGGBB.
struct TRgbImage {
    int Width = 0;
    int Height = 0;
    std::vector<std::uint32_t> Pixels;

    std::uint32_t At(int x, int y) const {
        return Pixels[std::size_t(y) * std::size_t(Width) + std::size_t(x)];
    }
    std::uint32_t& At(int x, int y) { return Pixels[std::size_t(y) * std::size_t(Width) + std::size_t(x)]; }
};

// Larger pictures are refused: a skin picture is a strip of small frames.
inline constexpr std::int64_t kMaxBitmapPixels = std::int64_t(1) << 24;

// Throws EBmpFormatError for anything that is not a complete BMP file.
TRgbImage DecodeBmp(std::span<const std::uint8_t> file);
std::vector<std::uint8_t> EncodeBmp(const TRgbImage& image);

} // namespace yq
