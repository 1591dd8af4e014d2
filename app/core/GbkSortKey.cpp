#include "GbkSortKey.h"

#include "Gbk.h"

#include <array>
#include <cstdint>

namespace yq {

namespace {

// GBK code of every character of the basic plane: the byte for ASCII,
// lead * 256 + trail for a double-byte character, 0 when GBK lacks it.
using TGbkTable = std::array<std::uint16_t, 0x10000>;

// Built by decoding every double-byte code once through the one GBK
// conversion, so both platforms use the same code page table.
TGbkTable BuildTable() {
    TGbkTable table{};
    for (unsigned c = 0; c < 0x80; ++c)
        table[c] = std::uint16_t(c);
    std::string codes;
    for (unsigned lead = 0x81; lead <= 0xFE; ++lead)
        for (unsigned trail = 0x40; trail <= 0xFE; ++trail) {
            if (trail == 0x7F) continue;
            codes += char(lead);
            codes += char(trail);
            codes += '\n';
        }
    std::string utf8 = GbkToUtf8(codes);
    size_t pos = 0;
    for (unsigned lead = 0x81; lead <= 0xFE; ++lead)
        for (unsigned trail = 0x40; trail <= 0xFE; ++trail) {
            if (trail == 0x7F) continue;
            size_t end = utf8.find('\n', pos);
            if (end == std::string::npos) return table;
            std::string_view ch(utf8.data() + pos, end - pos);
            pos = end + 1;
            // Exactly one character of two or three UTF-8 bytes; the first
            // code that decodes to a character owns it.
            char32_t cp = 0;
            auto b = [&](size_t i) { return static_cast<unsigned char>(ch[i]); };
            if (ch.size() == 2 && (b(0) & 0xE0) == 0xC0)
                cp = char32_t(((b(0) & 0x1F) << 6) | (b(1) & 0x3F));
            else if (ch.size() == 3 && (b(0) & 0xF0) == 0xE0)
                cp = char32_t(((b(0) & 0x0F) << 12) | ((b(1) & 0x3F) << 6) | (b(2) & 0x3F));
            if (cp >= 0x80 && cp != 0xFFFD && table[cp] == 0) table[cp] = std::uint16_t((lead << 8) | trail);
        }
    return table;
}

const TGbkTable& Table() {
    static const TGbkTable table = BuildTable();
    return table;
}

// Decodes one UTF-8 character at `s[i]`; returns its length, 0 when the
// bytes are not a well-formed character.
size_t DecodeUtf8(std::string_view s, size_t i, char32_t& cp) {
    auto b = [&](size_t k) { return static_cast<unsigned char>(s[i + k]); };
    unsigned char c = b(0);
    size_t n = c < 0x80 ? 1 : (c & 0xE0) == 0xC0 ? 2 : (c & 0xF0) == 0xE0 ? 3 : (c & 0xF8) == 0xF0 ? 4 : 0;
    if (n == 0 || i + n > s.size()) return 0;
    cp = n == 1 ? c : n == 2 ? (c & 0x1F) : n == 3 ? (c & 0x0F) : (c & 0x07);
    for (size_t k = 1; k < n; ++k) {
        if ((b(k) & 0xC0) != 0x80) return 0;
        cp = (cp << 6) | (b(k) & 0x3F);
    }
    return n;
}

} // namespace

void AppendGbkSortKey(std::string& out, std::string_view utf8) {
    const TGbkTable& table = Table();
    for (size_t i = 0; i < utf8.size();) {
        char32_t cp = 0;
        size_t n = DecodeUtf8(utf8, i, cp);
        std::uint16_t code = n != 0 && cp < 0x10000 ? table[cp] : 0;
        if (n == 0) {
            // Not UTF-8: after every character.
            out += "\xFF\xFF\xFF";
            out += utf8[i];
            i += 1;
            continue;
        }
        i += n;
        if (cp < 0x80) {
            out += char(cp);
        } else if (code != 0) {
            out += char(code >> 8);
            out += char(code & 0xFF);
        } else {
            // 0xFF leads no GBK character: after them all, by code point.
            out += '\xFF';
            out += char((cp >> 16) & 0xFF);
            out += char((cp >> 8) & 0xFF);
            out += char(cp & 0xFF);
        }
    }
}

} // namespace yq
