#include "IniFile.h"

#include "Gbk.h"

#include <cstdint>
#include <fstream>
#include <iterator>

namespace yq {

namespace {

std::string ReadWholeFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return {};
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// A name GBK cannot hold names nothing in the file.
std::optional<std::string> GbkName(std::string_view utf8) {
    bool lossless = false;
    std::string gbk = Utf8ToGbk(utf8, &lossless);
    if (!lossless) return std::nullopt;
    return gbk;
}

std::vector<std::string> ToUtf8(const std::vector<std::string>& gbk) {
    std::vector<std::string> out;
    out.reserve(gbk.size());
    for (const std::string& s : gbk)
        out.push_back(GbkToUtf8(s));
    return out;
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

} // namespace

std::optional<int> ParseIniInteger(std::string_view text) {
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    int base = 10;
    if (text.starts_with("0x") || text.starts_with("0X")) {
        base = 16;
        text.remove_prefix(2);
    } else if (text.starts_with("$")) {
        base = 16;
        text.remove_prefix(1);
    }
    if (text.empty()) return std::nullopt;
    // Hexadecimal covers all 32 bits ($FFFFFFFF is -1); decimal stays in int.
    const int64_t limit = base == 16 ? int64_t(UINT32_MAX) : int64_t(INT32_MAX) + (negative ? 1 : 0);
    int64_t value = 0;
    for (char c : text) {
        int d = HexDigit(c);
        if (d < 0 || d >= base) return std::nullopt;
        value = value * base + d;
        if (value > limit) return std::nullopt;
    }
    if (negative) value = -value;
    return int(static_cast<int32_t>(static_cast<uint32_t>(value)));
}

TIniFile::TIniFile(std::filesystem::path fileName)
    : fileName_(std::move(fileName)), document_(ReadWholeFile(fileName_)) {}

std::string TIniFile::ReadString(std::string_view section, std::string_view key,
                                 std::string_view defaultValue) const {
    auto s = GbkName(section);
    auto k = GbkName(key);
    if (!s || !k) return std::string(defaultValue);
    auto value = document_.Value(*s, *k);
    return value ? GbkToUtf8(*value) : std::string(defaultValue);
}

int TIniFile::ReadInteger(std::string_view section, std::string_view key, int defaultValue) const {
    return ParseIniInteger(ReadString(section, key, "")).value_or(defaultValue);
}

std::vector<std::string> TIniFile::ReadSections() const {
    return ToUtf8(document_.Sections());
}

std::vector<std::string> TIniFile::ReadSection(std::string_view section) const {
    auto s = GbkName(section);
    return s ? ToUtf8(document_.Keys(*s)) : std::vector<std::string>{};
}

} // namespace yq
