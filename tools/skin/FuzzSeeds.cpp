#include "FuzzSeeds.h"

#include "LzhEncoder.h"
#include "SkinArchive.h"

namespace yq::art {

namespace {

using Bytes = std::vector<std::uint8_t>;

void U16(Bytes& b, unsigned v) {
    b.insert(b.end(), {std::uint8_t(v), std::uint8_t(v >> 8)});
}
void U32(Bytes& b, std::uint32_t v) {
    U16(b, v & 0xFFFF);
    U16(b, v >> 16);
}

// A BMP with a Windows 3.x header, the given palette (or bit masks) and
// pixel bytes as they are stored.
Bytes RawBmp(int width, int height, unsigned bpp, std::uint32_t compression, const Bytes& tables,
             const Bytes& pixels) {
    Bytes b{'B', 'M'};
    const auto offset = std::uint32_t(14 + 40 + tables.size());
    U32(b, offset + std::uint32_t(pixels.size()));
    U32(b, 0);
    U32(b, offset);
    U32(b, 40);
    U32(b, std::uint32_t(width));
    U32(b, std::uint32_t(height));
    U16(b, 1);
    U16(b, bpp);
    U32(b, compression);
    U32(b, std::uint32_t(pixels.size()));
    U32(b, 2835);
    U32(b, 2835);
    U32(b, bpp <= 8 ? std::uint32_t(tables.size() / 4) : 0);
    U32(b, 0);
    b.insert(b.end(), tables.begin(), tables.end());
    b.insert(b.end(), pixels.begin(), pixels.end());
    return b;
}

const Bytes kPalette = {0, 0, 0, 0, 0x2B, 0x26, 0xB8, 0, 0x41, 0xA4, 0xD9, 0, 0xFF, 0x00, 0xFF, 0};

std::vector<TSeed> BmpSeeds(const TRgbImage& picture) {
    Bytes masks565;
    U32(masks565, 0xF800);
    U32(masks565, 0x07E0);
    U32(masks565, 0x001F);
    return {
        {"picture-24.bmp", EncodeBmp(picture)},
        {"palette-8.bmp", RawBmp(3, 2, 8, 0, kPalette, {1, 2, 3, 0, 0, 1, 2, 0})},
        {"palette-4.bmp", RawBmp(4, 1, 4, 0, kPalette, {0x12, 0x30, 0, 0})},
        {"palette-1.bmp",
         RawBmp(9, 1, 1, 0, Bytes(kPalette.begin(), kPalette.begin() + 8), {0xA5, 0x80, 0, 0})},
        {"rle-8.bmp", RawBmp(4, 3, 8, 1, kPalette, {2, 1, 0, 0, 0, 2, 1, 0, 0, 3, 2, 3, 1, 0, 0, 1})},
        {"rle-4.bmp", RawBmp(5, 2, 4, 2, kPalette, {3, 0x12, 0, 0, 0, 4, 0x31, 0x20, 0, 1})},
        {"bitfields-16.bmp", RawBmp(2, 1, 16, 3, masks565, {0x00, 0xF8, 0xE0, 0x07})},
        {"rgb-32.bmp", RawBmp(1, 2, 32, 0, {}, {0xFF, 0, 0, 0, 0, 0xFF, 0, 0})},
    };
}

} // namespace

std::vector<TSeed> FuzzSeeds(const TRgbImage& picture, const std::string& description) {
    std::vector<TSeed> seeds;
    for (auto& s : BmpSeeds(picture))
        seeds.push_back({"skin_bmp_fuzzer/" + s.name, std::move(s.bytes)});

    seeds.push_back({"skin_ini_fuzzer/skin.ini", Bytes(description.begin(), description.end())});

    const std::string ini = "[Buttons]\r\nBitmap=a.bmp\r\n[Colours]\r\nButtonFace=246 241 231\r\n";
    const TSkinArchiveEntry entries[] = {
        {"a.bmp", RawBmp(3, 2, 8, 0, kPalette, {1, 2, 3, 0, 0, 1, 2, 0})},
        {"b.bmp", RawBmp(4, 3, 8, 1, kPalette, {2, 1, 0, 0, 0, 3, 2, 3, 1, 0, 0, 1})},
        {"skin.ini", Bytes(ini.begin(), ini.end())},
    };
    const Bytes archive = PackSkinArchive(entries);
    seeds.push_back({"skin_archive_fuzzer/small.archive", archive});
    seeds.push_back({"skin_archive_fuzzer/older.archive", PackSkinArchive(entries, 19999)});
    seeds.push_back({"skin_lzh_fuzzer/small.blob", LzhCompress(archive)});
    seeds.push_back({"skin_lzh_fuzzer/text.blob", LzhCompress(Bytes(ini.begin(), ini.end()))});
    return seeds;
}

} // namespace yq::art
