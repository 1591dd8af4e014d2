// BMP reading for skin pictures: the formats skins are made in, and files
// that must be refused.
#include "Bmp.h"

#include <gtest/gtest.h>

namespace yq {
namespace {

using Bytes = std::vector<std::uint8_t>;

void U16(Bytes& b, unsigned v) {
    b.insert(b.end(), {std::uint8_t(v), std::uint8_t(v >> 8)});
}
void U32(Bytes& b, std::uint32_t v) {
    U16(b, v & 0xFFFF);
    U16(b, v >> 16);
}

struct Bmp {
    std::int32_t width = 2, height = 2;
    unsigned bpp = 24;
    std::uint32_t compression = 0;
    std::vector<std::uint32_t> palette; // written as B, G, R, 0
    Bytes extra;                        // bit masks after the header
    Bytes pixels;
    bool core = false;

    Bytes File() const {
        Bytes b{'B', 'M'};
        const std::uint32_t header = core ? 12 : 40;
        const auto offset = std::uint32_t(14 + header + extra.size() + palette.size() * (core ? 3 : 4));
        U32(b, offset + std::uint32_t(pixels.size()));
        U32(b, 0);
        U32(b, offset);
        U32(b, header);
        if (core) {
            U16(b, unsigned(width));
            U16(b, unsigned(height));
            U16(b, 1);
            U16(b, bpp);
        } else {
            U32(b, std::uint32_t(width));
            U32(b, std::uint32_t(height));
            U16(b, 1);
            U16(b, bpp);
            U32(b, compression);
            U32(b, std::uint32_t(pixels.size()));
            U32(b, 2835);
            U32(b, 2835);
            U32(b, std::uint32_t(palette.size()));
            U32(b, 0);
        }
        b.insert(b.end(), extra.begin(), extra.end());
        for (auto c : palette) {
            b.insert(b.end(), {std::uint8_t(c), std::uint8_t(c >> 8), std::uint8_t(c >> 16)});
            if (!core) b.push_back(0);
        }
        b.insert(b.end(), pixels.begin(), pixels.end());
        return b;
    }
};

constexpr std::uint32_t R = 0xFF0000, G = 0x00FF00, B = 0x0000FF, W = 0xFFFFFF, M = 0xFF00FF, K = 0;

TEST(SkinBmp, DecodesTheFormatsSkinsUse) {
    struct Case {
        const char* what;
        Bmp bmp;
        std::vector<std::uint32_t> expected; // rows from the top
    };
    const Bmp rgb24{
        2, 2, 24, 0, {}, {}, {0, 0, 0xFF, 0xFF, 0, 0xFF, 0, 0, 0xFF, 0, 0, 0xFF, 0xFF, 0xFF, 0, 0}};
    Bmp topDown = rgb24;
    topDown.height = -2;
    Bmp core = rgb24;
    core.core = true;
    Bmp bitfields565{2, 1, 16, 3, {}, {}, {0x00, 0xF8, 0xE0, 0x07, 0, 0}};
    U32(bitfields565.extra, 0xF800);
    U32(bitfields565.extra, 0x07E0);
    U32(bitfields565.extra, 0x001F);
    const Case cases[] = {
        {"24-bit bottom-up", rgb24, {B, W, R, M}},
        {"24-bit top-down", topDown, {R, M, B, W}},
        {"OS/2 core header", core, {B, W, R, M}},
        {"32-bit", {2, 1, 32, 0, {}, {}, {0xFF, 0, 0, 0, 0, 0, 0xFF, 0x80}}, {B, R}},
        {"16-bit 5-5-5", {2, 1, 16, 0, {}, {}, {0x00, 0x7C, 0x1F, 0x00}}, {R, B}},
        {"16-bit 5-6-5 bit fields", bitfields565, {R, G}},
        {"1-bit", {3, 1, 1, 0, {K, W}, {}, {0b10100000, 0, 0, 0}}, {W, K, W}},
        {"4-bit", {3, 1, 4, 0, {K, R, G, B}, {}, {0x12, 0x30, 0, 0}}, {R, G, B}},
        {"8-bit, index past the palette", {3, 1, 8, 0, {R, G}, {}, {1, 0, 9, 0}}, {G, R, K}},
        // 2 x 3, bottom row first: a run of 2, end of line, a delta of one
        // row, then an absolute run of 3 (padded) cut at the right edge.
        {"RLE8",
         {2, 3, 8, 1, {K, R, G}, {}, {2, 1, 0, 0, 0, 2, 0, 1, 0, 3, 2, 2, 1, 0, 0, 1}},
         {G, G, K, K, R, R}},
        {"RLE4", {4, 1, 4, 2, {K, R, G}, {}, {3, 0x12, 0, 1}}, {R, G, R, K}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const TRgbImage image = DecodeBmp(c.bmp.File());
        EXPECT_EQ(image.Width, c.bmp.width);
        EXPECT_EQ(image.Height, std::abs(c.bmp.height));
        EXPECT_EQ(image.Pixels, c.expected);
    }
}

TEST(SkinBmp, WritesWhatItReads) {
    TRgbImage image{3, 2, {R, G, B, M, W, 0x123456}};
    const Bytes file = EncodeBmp(image);
    EXPECT_EQ(file.size(), 14u + 40u + 2u * 12u);
    EXPECT_EQ(DecodeBmp(file).Pixels, image.Pixels);
}

TEST(SkinBmp, RefusesBrokenFiles) {
    const Bmp good{2, 2, 24, 0, {}, {}, Bytes(16, 0)};
    Bytes shortPixels = good.File();
    shortPixels.resize(shortPixels.size() - 3);
    Bytes noMagic = good.File();
    noMagic[0] = 'X';
    Bytes badHeader = good.File();
    badHeader[14] = 20;
    Bmp zeroWidth = good;
    zeroWidth.width = 0;
    Bmp huge = good;
    huge.width = 1 << 16;
    huge.height = 1 << 16;
    Bmp topDownRle{2, -2, 8, 1, {K}, {}, {0, 1}};
    Bmp jpeg = good;
    jpeg.compression = 4;
    Bmp bpp7 = good;
    bpp7.bpp = 7;
    Bmp shortPalette{2, 1, 8, 0, {}, {}, {}};
    // Bit fields after a 41-byte header, with the masks cut off.
    Bytes shortMasks = Bmp{2, 1, 16, 3, {}, {}, {}}.File();
    shortMasks[14] = 41;
    shortMasks.insert(shortMasks.end(), {0, 0, 0, 0, 0, 0});

    struct Case {
        const char* what;
        Bytes file;
    };
    const Case cases[] = {
        {"empty", {}},
        {"pixel data cut short", shortPixels},
        {"not BM", noMagic},
        {"unknown header size", badHeader},
        {"zero width", zeroWidth.File()},
        {"too many pixels", huge.File()},
        {"top-down run-length", topDownRle.File()},
        {"JPEG inside", jpeg.File()},
        {"7 bits per pixel", bpp7.File()},
        {"palette missing", shortPalette.File()},
        {"bit fields cut short", shortMasks},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        try {
            DecodeBmp(c.file);
            ADD_FAILURE() << "accepted";
        } catch (const EBmpFormatError& e) {
            EXPECT_STREQ(e.what(), "Bitmap image is not valid");
        }
    }
}

} // namespace
} // namespace yq
