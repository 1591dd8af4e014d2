#include "BmpFormat.h"

namespace yq {

namespace {

std::uint32_t U16(const std::uint8_t* p) {
    return std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8;
}
std::uint32_t U32(const std::uint8_t* p) {
    return U16(p) | U16(p + 2) << 16;
}

constexpr std::uint32_t kRgb = 0, kRle8 = 1, kRle4 = 2, kBitfields = 3;

bool Fail(std::string& error, const char* why) {
    error = why;
    return false;
}

// Header at data[0..]; `bitsStart` is where the pixels begin when known
// (file header), else 0 to take them right after the colour table.
bool ParseInfo(const std::uint8_t* data, std::size_t size, std::size_t base, std::size_t bitsStart,
               TBmpLayout& out, std::string& error) {
    if (size - base < 12) return Fail(error, "truncated header");
    const std::uint8_t* h = data + base;
    std::uint32_t headerSize = U32(h);
    if (headerSize < 12 || headerSize > size - base) return Fail(error, "bad header size");
    std::int64_t width, height;
    std::uint32_t bitCount, compression = kRgb, colorsUsed = 0, entrySize = 4;
    if (headerSize == 12) { // core header
        width = U16(h + 4);
        height = U16(h + 6);
        bitCount = U16(h + 10);
        entrySize = 3;
    } else {
        if (headerSize < 40) return Fail(error, "bad header size");
        width = std::int32_t(U32(h + 4));
        height = std::int32_t(U32(h + 8));
        bitCount = U16(h + 14);
        compression = U32(h + 16);
        colorsUsed = U32(h + 32);
    }
    if (U16(h + (headerSize == 12 ? 8 : 12)) != 1) return Fail(error, "bad plane count");
    out.TopDown = height < 0;
    if (height < 0) height = -height;
    if (width <= 0 || height <= 0 || width > 65535 || height > 65535) return Fail(error, "bad size");
    if (width * height > kMaxBmpPixels) return Fail(error, "picture too large");
    switch (bitCount) {
    case 1:
    case 4:
    case 8:
    case 16:
    case 24:
    case 32:
        break;
    default:
        return Fail(error, "bad bit count");
    }
    bool rle = compression == kRle8 || compression == kRle4;
    if (compression == kRle8 && bitCount != 8) return Fail(error, "bad compression");
    if (compression == kRle4 && bitCount != 4) return Fail(error, "bad compression");
    if (compression == kBitfields && bitCount != 16 && bitCount != 32) return Fail(error, "bad compression");
    if (compression > kBitfields) return Fail(error, "unsupported compression");
    if (rle && out.TopDown) return Fail(error, "top-down RLE");

    std::uint64_t colors = 0;
    if (bitCount <= 8) colors = colorsUsed ? colorsUsed : (1u << bitCount);
    if (colors > 256) return Fail(error, "bad colour count");
    std::uint64_t masks = (compression == kBitfields && headerSize == 40) ? 12 : 0;
    std::uint64_t infoSize = headerSize + masks + colors * entrySize;
    if (infoSize > size - base) return Fail(error, "truncated colour table");

    std::uint64_t bits = bitsStart ? bitsStart : base + infoSize;
    if (bits < base + infoSize || bits > size) return Fail(error, "bad pixel offset");
    std::uint64_t available = size - bits;
    std::uint64_t stride = ((std::uint64_t(width) * bitCount + 31) / 32) * 4;
    std::uint64_t needed = stride * std::uint64_t(height);
    if (rle) {
        std::uint32_t sizeImage = headerSize >= 40 ? U32(h + 20) : 0;
        if (sizeImage == 0 || sizeImage > available) return Fail(error, "bad RLE size");
        needed = sizeImage;
    } else if (needed > available) {
        return Fail(error, "truncated pixels");
    }
    out.Width = int(width);
    out.Height = int(height);
    out.BitCount = int(bitCount);
    out.Compression = compression;
    out.InfoOffset = base;
    out.InfoSize = std::size_t(infoSize);
    out.BitsOffset = std::size_t(bits);
    out.BitsSize = std::size_t(needed);
    return true;
}

} // namespace

bool ParseBmpFile(const std::uint8_t* data, std::size_t size, TBmpLayout& layout, std::string& error) {
    if (!data || size < 14 + 12) return Fail(error, "not a BMP file");
    if (data[0] != 'B' || data[1] != 'M') return Fail(error, "not a BMP file");
    std::size_t bits = U32(data + 10);
    if (bits == 0) return Fail(error, "bad pixel offset");
    return ParseInfo(data, size, 14, bits, layout, error);
}

bool ParsePackedDib(const std::uint8_t* data, std::size_t size, TBmpLayout& layout, std::string& error) {
    if (!data || size < 12) return Fail(error, "truncated header");
    return ParseInfo(data, size, 0, 0, layout, error);
}

} // namespace yq
