#include "Bmp.h"

#include <algorithm>
#include <bit>

namespace yq {

namespace {

constexpr std::uint32_t kRgb = 0, kRle8 = 1, kRle4 = 2, kBitFields = 3, kAlphaBitFields = 6;
constexpr std::size_t kFileHeader = 14;
constexpr std::size_t kCoreHeader = 12, kInfoHeader = 40, kLargestHeader = 124;

[[noreturn]] void Invalid() {
    throw EBmpFormatError(kInvalidBitmap);
}

class TBytes {
public:
    explicit TBytes(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}
    bool Has(std::uint64_t offset, std::uint64_t count) const {
        return offset <= bytes_.size() && count <= bytes_.size() - offset;
    }
    std::uint8_t U8(std::size_t offset) const { return bytes_[offset]; }
    std::uint16_t U16(std::size_t offset) const {
        return std::uint16_t(bytes_[offset] | bytes_[offset + 1] << 8);
    }
    std::uint32_t U32(std::size_t offset) const {
        return std::uint32_t(U16(offset)) | std::uint32_t(U16(offset + 2)) << 16;
    }
    std::int32_t I32(std::size_t offset) const { return std::int32_t(U32(offset)); }
    std::size_t Size() const { return bytes_.size(); }

private:
    std::span<const std::uint8_t> bytes_;
};

// One colour channel described by a bit mask, scaled to 8 bits.
struct TChannel {
    std::uint32_t mask = 0;
    int shift = 0;
    std::uint32_t max = 0;

    explicit TChannel(std::uint32_t m = 0) : mask(m) {
        if (mask == 0) return;
        shift = std::countr_zero(mask);
        max = mask >> shift;
    }
    std::uint32_t Of(std::uint32_t pixel) const {
        if (max == 0) return 0;
        return std::uint32_t((std::uint64_t((pixel & mask) >> shift) * 255 + max / 2) / max);
    }
};

struct THeader {
    int width = 0;
    int height = 0;
    bool topDown = false;
    int bpp = 0;
    std::uint32_t compression = kRgb;
    TChannel red, green, blue;
    std::vector<std::uint32_t> palette;
    std::size_t pixels = 0; // offset of the pixel data
};

THeader ReadHeader(const TBytes& in) {
    if (!in.Has(0, kFileHeader + 4) || in.U8(0) != 'B' || in.U8(1) != 'M') Invalid();
    const std::uint32_t pixelOffset = in.U32(10);
    const std::uint32_t headerSize = in.U32(kFileHeader);
    const bool core = headerSize == kCoreHeader;
    if (!core && (headerSize < kInfoHeader || headerSize > kLargestHeader)) Invalid();
    if (!in.Has(kFileHeader, headerSize)) Invalid();

    THeader h;
    std::int64_t height;
    std::uint32_t colours = 0;
    if (core) {
        h.width = in.U16(18);
        height = in.U16(20);
        h.bpp = in.U16(24);
    } else {
        h.width = in.I32(18);
        height = in.I32(22);
        h.bpp = in.U16(28);
        h.compression = in.U32(30);
        colours = in.U32(46);
    }
    h.topDown = height < 0;
    height = height < 0 ? -height : height;
    if (h.width <= 0 || height <= 0 || height > INT32_MAX) Invalid();
    if (std::int64_t(h.width) * height > kMaxBitmapPixels) Invalid();
    h.height = int(height);

    std::size_t next = kFileHeader + headerSize;
    switch (h.compression) {
    case kRgb:
        if (h.bpp != 1 && h.bpp != 4 && h.bpp != 8 && h.bpp != 16 && h.bpp != 24 && h.bpp != 32) Invalid();
        if (h.bpp == 16) h.red = TChannel(0x7C00), h.green = TChannel(0x03E0), h.blue = TChannel(0x001F);
        if (h.bpp == 32) h.red = TChannel(0xFF0000), h.green = TChannel(0xFF00), h.blue = TChannel(0xFF);
        break;
    case kRle8:
    case kRle4:
        if (h.bpp != (h.compression == kRle8 ? 8 : 4) || h.topDown) Invalid();
        break;
    case kBitFields:
    case kAlphaBitFields: {
        if (h.bpp != 16 && h.bpp != 32) Invalid();
        // Masks follow a short header; headers of 52 bytes and more hold them.
        constexpr std::size_t kHeaderWithMasks = 52;
        const std::size_t masks = headerSize >= kHeaderWithMasks ? kFileHeader + kInfoHeader : next;
        if (headerSize < kHeaderWithMasks) next += h.compression == kBitFields ? 12 : 16;
        if (!in.Has(masks, 12)) Invalid();
        h.red = TChannel(in.U32(masks)), h.green = TChannel(in.U32(masks + 4)),
        h.blue = TChannel(in.U32(masks + 8));
        break;
    }
    default:
        Invalid();
    }

    if (h.bpp <= 8) {
        const std::size_t entry = core ? 3 : 4;
        std::size_t count = colours == 0 ? std::size_t(1) << h.bpp : std::min<std::size_t>(colours, 256);
        if (!in.Has(next, count * entry)) Invalid();
        for (std::size_t i = 0; i < count; ++i) {
            const std::size_t at = next + i * entry;
            h.palette.push_back(std::uint32_t(in.U8(at + 2)) << 16 | std::uint32_t(in.U8(at + 1)) << 8 |
                                in.U8(at));
        }
        next += count * entry;
    }
    h.pixels = pixelOffset != 0 ? pixelOffset : next;
    if (h.pixels > in.Size()) Invalid();
    return h;
}

std::uint32_t PaletteColour(const THeader& h, unsigned index) {
    return index < h.palette.size() ? h.palette[index] : 0u;
}

void ReadUncompressed(const TBytes& in, const THeader& h, TRgbImage& image) {
    const std::uint64_t rowBits = std::uint64_t(h.width) * std::uint64_t(h.bpp);
    const std::uint64_t stride = (rowBits + 31) / 32 * 4;
    // The last row may lack its padding.
    if (!in.Has(h.pixels, stride * std::uint64_t(h.height - 1) + (rowBits + 7) / 8)) Invalid();

    for (int row = 0; row < h.height; ++row) {
        const std::size_t base = h.pixels + std::size_t(stride) * std::size_t(row);
        const int y = h.topDown ? row : h.height - 1 - row;
        for (int x = 0; x < h.width; ++x) {
            std::uint32_t colour;
            switch (h.bpp) {
            case 1:
            case 4:
            case 8: {
                const std::size_t bit = std::size_t(x) * std::size_t(h.bpp);
                const unsigned byte = in.U8(base + bit / 8);
                const unsigned index = (byte >> (8 - h.bpp - bit % 8)) & ((1u << h.bpp) - 1);
                colour = PaletteColour(h, index);
                break;
            }
            case 16: {
                const std::uint32_t p = in.U16(base + std::size_t(x) * 2);
                colour = h.red.Of(p) << 16 | h.green.Of(p) << 8 | h.blue.Of(p);
                break;
            }
            case 24: {
                const std::size_t at = base + std::size_t(x) * 3;
                colour = std::uint32_t(in.U8(at + 2)) << 16 | std::uint32_t(in.U8(at + 1)) << 8 | in.U8(at);
                break;
            }
            default: {
                const std::uint32_t p = in.U32(base + std::size_t(x) * 4);
                colour = h.red.Of(p) << 16 | h.green.Of(p) << 8 | h.blue.Of(p);
                break;
            }
            }
            image.At(x, y) = colour;
        }
    }
}

// Run-length pictures are bottom-up; runs past the right edge or the top are
// dropped, and a stream that ends early leaves the rest black.
void ReadRunLength(const TBytes& in, const THeader& h, TRgbImage& image) {
    const bool rle4 = h.compression == kRle4;
    std::size_t at = h.pixels;
    std::int64_t x = 0, y = 0;
    const auto put = [&](unsigned index) {
        if (x < h.width && y < h.height) image.At(int(x), h.height - 1 - int(y)) = PaletteColour(h, index);
        ++x;
    };
    while (y < h.height && in.Has(at, 2)) {
        const unsigned count = in.U8(at), value = in.U8(at + 1);
        at += 2;
        if (count > 0) {
            for (unsigned i = 0; i < count; ++i)
                put(rle4 ? (i % 2 == 0 ? value >> 4 : value & 0xF) : value);
        } else if (value == 0) {
            x = 0;
            ++y;
        } else if (value == 1) {
            break;
        } else if (value == 2) {
            if (!in.Has(at, 2)) break;
            x += in.U8(at);
            y += in.U8(at + 1);
            at += 2;
        } else {
            const std::size_t bytes = rle4 ? (value + 1) / 2 : value;
            if (!in.Has(at, bytes)) break;
            for (unsigned i = 0; i < value; ++i) {
                const unsigned byte = in.U8(at + (rle4 ? i / 2 : i));
                put(rle4 ? (i % 2 == 0 ? byte >> 4 : byte & 0xF) : byte);
            }
            at += (bytes + 1) & ~std::size_t(1);
        }
    }
}

void PutU16(std::vector<std::uint8_t>& out, unsigned v) {
    out.insert(out.end(), {std::uint8_t(v), std::uint8_t(v >> 8)});
}
void PutU32(std::vector<std::uint8_t>& out, std::uint32_t v) {
    PutU16(out, v & 0xFFFF);
    PutU16(out, v >> 16);
}

} // namespace

TRgbImage DecodeBmp(std::span<const std::uint8_t> file) {
    const TBytes in(file);
    const THeader h = ReadHeader(in);
    TRgbImage image;
    image.Width = h.width;
    image.Height = h.height;
    image.Pixels.assign(std::size_t(h.width) * std::size_t(h.height), 0);
    if (h.compression == kRle8 || h.compression == kRle4) {
        ReadRunLength(in, h, image);
    } else {
        ReadUncompressed(in, h, image);
    }
    return image;
}

std::vector<std::uint8_t> EncodeBmp(const TRgbImage& image) {
    const std::size_t stride = (std::size_t(image.Width) * 3 + 3) / 4 * 4;
    const std::size_t dataSize = stride * std::size_t(image.Height);
    const std::size_t offset = kFileHeader + kInfoHeader;
    std::vector<std::uint8_t> out;
    out.reserve(offset + dataSize);
    out.insert(out.end(), {'B', 'M'});
    PutU32(out, std::uint32_t(offset + dataSize));
    PutU32(out, 0);
    PutU32(out, std::uint32_t(offset));
    PutU32(out, kInfoHeader);
    PutU32(out, std::uint32_t(image.Width));
    PutU32(out, std::uint32_t(image.Height));
    PutU16(out, 1);
    PutU16(out, 24);
    PutU32(out, kRgb);
    PutU32(out, std::uint32_t(dataSize));
    PutU32(out, 2835);
    PutU32(out, 2835);
    PutU32(out, 0);
    PutU32(out, 0);
    for (int y = image.Height - 1; y >= 0; --y) {
        const std::size_t rowStart = out.size();
        for (int x = 0; x < image.Width; ++x) {
            const std::uint32_t c = image.At(x, y);
            out.insert(out.end(), {std::uint8_t(c), std::uint8_t(c >> 8), std::uint8_t(c >> 16)});
        }
        out.resize(rowStart + stride, 0);
    }
    return out;
}

} // namespace yq
