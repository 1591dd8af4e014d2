#include "Gbk.h"

namespace yq {

namespace {

bool IsLead(unsigned char b) {
    return b >= 0x81 && b <= 0xFE;
}

bool IsTrail(unsigned char b) {
    return b >= 0x40 && b <= 0xFE && b != 0x7F;
}

void AppendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += char(c);
    } else if (c < 0x800) {
        out += char(0xC0 | (c >> 6));
        out += char(0x80 | (c & 0x3F));
    } else {
        out += char(0xE0 | (c >> 12));
        out += char(0x80 | ((c >> 6) & 0x3F));
        out += char(0x80 | (c & 0x3F));
    }
}

void AppendEscape(std::string& out, unsigned char byte) {
    AppendUtf8(out, kGbkEscapeBase + byte);
}

// Length in bytes of the character starting at gbk[i] if it is shaped like
// GBK (ASCII, or a lead byte with a trail byte), else 0.
size_t UnitLength(std::string_view gbk, size_t i) {
    auto b = static_cast<unsigned char>(gbk[i]);
    if (b < 0x80) return 1;
    if (IsLead(b) && i + 1 < gbk.size() && IsTrail(static_cast<unsigned char>(gbk[i + 1]))) return 2;
    return 0;
}

// A run of well-shaped units: converted by the code page up to a pair it
// does not map (an unassigned code), whose lead byte is then escaped; the
// trail byte gets its own chance.
void DecodeRun(std::string_view run, std::string& out) {
    size_t i = 0;
    while (i < run.size()) {
        i += gbkdetail::DecodeGbkPrefix(run.substr(i), out);
        if (i < run.size()) AppendEscape(out, static_cast<unsigned char>(run[i++]));
    }
}

// The escape byte if utf8[i] starts an escape character, else -1.
int EscapeAt(std::string_view utf8, size_t i) {
    if (i + 3 > utf8.size()) return -1;
    auto b0 = static_cast<unsigned char>(utf8[i]);
    auto b1 = static_cast<unsigned char>(utf8[i + 1]);
    auto b2 = static_cast<unsigned char>(utf8[i + 2]);
    if (b0 != 0xEF || (b1 & 0xC0) != 0x80 || (b2 & 0xC0) != 0x80) return -1;
    char32_t c = char32_t(0xF000 | ((b1 & 0x3F) << 6) | (b2 & 0x3F));
    if (c < kGbkEscapeBase + 0x80 || c > kGbkEscapeBase + 0xFF) return -1;
    return int(c - kGbkEscapeBase);
}

} // namespace

std::string GbkToUtf8(std::string_view gbk) {
    std::string out;
    out.reserve(gbk.size() * 3 / 2);
    size_t runStart = 0, i = 0;
    while (i < gbk.size()) {
        size_t n = UnitLength(gbk, i);
        if (n > 0) {
            i += n;
            continue;
        }
        DecodeRun(gbk.substr(runStart, i - runStart), out);
        AppendEscape(out, static_cast<unsigned char>(gbk[i]));
        runStart = ++i;
    }
    DecodeRun(gbk.substr(runStart), out);
    return out;
}

std::string Utf8ToGbk(std::string_view utf8, bool* lossless) {
    std::string out;
    out.reserve(utf8.size());
    bool allKept = true;
    auto flush = [&](std::string_view run) {
        if (run.empty()) return;
        bool kept = true;
        out += gbkdetail::PlainUtf8ToGbk(run, &kept);
        allKept = allKept && kept;
    };
    size_t runStart = 0;
    for (size_t i = 0; i < utf8.size();) {
        int escaped = EscapeAt(utf8, i);
        if (escaped < 0) {
            ++i;
            continue;
        }
        flush(utf8.substr(runStart, i - runStart));
        out += char(escaped);
        i += 3;
        runStart = i;
    }
    flush(utf8.substr(runStart));
    if (lossless) *lossless = allKept;
    return out;
}

} // namespace yq
