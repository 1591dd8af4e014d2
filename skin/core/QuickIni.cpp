#include "QuickIni.h"

#include "SkinReader.h"

#include <algorithm>

namespace yq {

std::string_view TrimBlanks(std::string_view text) {
    const auto blank = [](char c) { return static_cast<unsigned char>(c) <= ' '; };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    return text;
}

namespace {

bool IsHeader(std::string_view line) {
    return line.size() >= 2 && line.front() == '[' && line.back() == ']';
}

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && LowerAscii(a) == LowerAscii(b);
}

} // namespace

void TQuickIni::LoadFromStream(TByteStream& stream) {
    const auto bytes = stream.Bytes();
    const auto from = std::size_t(stream.Position());
    LoadFromText(std::string_view(reinterpret_cast<const char*>(bytes.data()) + from, bytes.size() - from));
    stream.SetPosition(stream.Size());
}

void TQuickIni::LoadFromText(std::string_view text) {
    lines_.clear();
    headers_.clear();
    text = text.substr(0, text.find('\0'));

    const auto store = [this](std::string_view raw) {
        const std::string_view line = TrimBlanks(raw);
        if (line.empty() || line.front() == ';') return;
        if (IsHeader(line)) headers_.emplace_back(std::string(line), int(lines_.size()));
        lines_.emplace_back(line);
    };
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r' && text[i] != '\n') continue;
        store(text.substr(start, i - start));
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        start = i + 1;
    }
    if (start < text.size()) store(text.substr(start));
}

int TQuickIni::SectionIndex(std::string_view section) const {
    const std::string wanted = "[" + std::string(section) + "]";
    for (const auto& [header, index] : headers_) {
        if (EqualsIgnoringCase(header, wanted)) return index;
    }
    return -1;
}

std::string TQuickIni::ReadString(std::string_view section, std::string_view key,
                                  std::string_view defaultValue) const {
    std::string result(defaultValue);
    if (lines_.empty()) return result;
    const int header = SectionIndex(section);
    if (header < 0) return result;

    const std::string wanted = LowerAscii(key);
    for (std::size_t i = std::size_t(header) + 1; i < lines_.size() && !IsHeader(lines_[i]); ++i) {
        const std::string_view line = lines_[i];
        const std::size_t eq = line.find('=');
        const std::string_view lineKey =
            eq == std::string_view::npos ? std::string_view() : line.substr(0, eq);
        if (LowerAscii(TrimBlanks(lineKey)) != wanted) continue;
        const std::string_view value = TrimBlanks(eq == std::string_view::npos ? line : line.substr(eq + 1));
        if (!value.empty()) result = value;
        break;
    }
    return result;
}

bool ParseSkinInteger(std::string_view text, std::int32_t& value) {
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    const bool hex = !text.empty() && text.front() == '$';
    if (hex) text.remove_prefix(1);
    if (text.empty()) return false;

    const std::uint64_t limit = hex ? 0xFFFFFFFFull : (negative ? 0x80000000ull : 0x7FFFFFFFull);
    std::uint64_t magnitude = 0;
    for (const char c : text) {
        int digit;
        if (c >= '0' && c <= '9') {
            digit = c - '0';
        } else if (hex && c >= 'a' && c <= 'f') {
            digit = c - 'a' + 10;
        } else if (hex && c >= 'A' && c <= 'F') {
            digit = c - 'A' + 10;
        } else {
            return false;
        }
        magnitude = magnitude * (hex ? 16 : 10) + std::uint64_t(digit);
        if (magnitude > limit) return false;
    }
    // Hexadecimal fills all 32 bits ("$FFFFFFFF" is -1), as colours need.
    const auto bits = std::uint32_t(magnitude);
    value = std::int32_t(negative ? 0u - bits : bits);
    return true;
}

std::int32_t TQuickIni::ReadInteger(std::string_view section, std::string_view key,
                                    std::int32_t defaultValue) const {
    std::string text = ReadString(section, key, "");
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) text.replace(0, 2, "$");
    std::int32_t value;
    return ParseSkinInteger(text, value) ? value : defaultValue;
}

void TQuickIni::ReadSections(std::vector<std::string>& list) const {
    list.clear();
    for (const auto& header : headers_) {
        list.emplace_back(TrimBlanks(std::string_view(header.first).substr(1, header.first.size() - 2)));
    }
}

} // namespace yq
