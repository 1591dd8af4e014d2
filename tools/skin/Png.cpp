#include "Png.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace yq {

namespace {

std::uint32_t Crc(const std::uint8_t* data, std::size_t size, std::uint32_t crc = 0) {
    static const auto table = [] {
        std::array<std::uint32_t, 256> t{};
        for (std::uint32_t n = 0; n < 256; ++n) {
            std::uint32_t c = n;
            for (int k = 0; k < 8; ++k)
                c = c & 1 ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            t[n] = c;
        }
        return t;
    }();
    crc = ~crc;
    for (std::size_t i = 0; i < size; ++i)
        crc = table[(crc ^ data[i]) & 0xFF] ^ (crc >> 8);
    return ~crc;
}

void Big32(std::vector<std::uint8_t>& out, std::uint32_t v) {
    out.insert(out.end(),
               {std::uint8_t(v >> 24), std::uint8_t(v >> 16), std::uint8_t(v >> 8), std::uint8_t(v)});
}

void Chunk(std::vector<std::uint8_t>& out, std::string_view type, const std::vector<std::uint8_t>& data) {
    Big32(out, std::uint32_t(data.size()));
    const std::size_t start = out.size();
    out.insert(out.end(), type.begin(), type.end());
    out.insert(out.end(), data.begin(), data.end());
    Big32(out, Crc(out.data() + start, out.size() - start));
}

// A zlib stream of stored (uncompressed) deflate blocks.
std::vector<std::uint8_t> Stored(const std::vector<std::uint8_t>& raw) {
    std::vector<std::uint8_t> z{0x78, 0x01};
    std::size_t at = 0;
    do {
        const std::size_t n = std::min<std::size_t>(raw.size() - at, 65535);
        const bool last = at + n == raw.size();
        z.push_back(last ? 1 : 0);
        z.insert(z.end(), {std::uint8_t(n), std::uint8_t(n >> 8), std::uint8_t(~n), std::uint8_t(~n >> 8)});
        z.insert(z.end(), raw.begin() + std::ptrdiff_t(at), raw.begin() + std::ptrdiff_t(at + n));
        at += n;
    } while (at < raw.size());
    std::uint32_t a = 1, b = 0;
    for (const std::uint8_t byte : raw) {
        a = (a + byte) % 65521;
        b = (b + a) % 65521;
    }
    Big32(z, b << 16 | a);
    return z;
}

} // namespace

std::vector<std::uint8_t> EncodePng(const TRgbImage& image) {
    std::vector<std::uint8_t> out{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    std::vector<std::uint8_t> header;
    Big32(header, std::uint32_t(image.Width));
    Big32(header, std::uint32_t(image.Height));
    header.insert(header.end(), {8, 2, 0, 0, 0}); // 8 bits, RGB, deflate, no filter, no interlace
    Chunk(out, "IHDR", header);

    std::vector<std::uint8_t> raw;
    raw.reserve(std::size_t(image.Height) * (1 + std::size_t(image.Width) * 3));
    for (int y = 0; y < image.Height; ++y) {
        raw.push_back(0);
        for (int x = 0; x < image.Width; ++x) {
            const std::uint32_t c = image.At(x, y);
            raw.insert(raw.end(), {std::uint8_t(c >> 16), std::uint8_t(c >> 8), std::uint8_t(c)});
        }
    }
    Chunk(out, "IDAT", Stored(raw));
    Chunk(out, "IEND", {});
    return out;
}

} // namespace yq
