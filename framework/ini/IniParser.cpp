#include "IniParser.h"

#include <unordered_set>

namespace yq {

namespace {

bool IsBlank(unsigned char c) {
    // 0x1A: an end-of-file mark some editors leave behind.
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f' || c == 0x1A;
}

std::string_view Trim(std::string_view s) {
    while (!s.empty() && IsBlank(static_cast<unsigned char>(s.front())))
        s.remove_prefix(1);
    while (!s.empty() && IsBlank(static_cast<unsigned char>(s.back())))
        s.remove_suffix(1);
    return s;
}

// Upper-case letters of GBK's double-byte rows and the distance to their
// lower-case forms in the same row.
struct FoldRange {
    unsigned char lead, first, last, shift;
};
constexpr FoldRange kFoldRanges[] = {
    {0xA3, 0xC1, 0xDA, 0x20}, // full-width Latin
    {0xA6, 0xA1, 0xB8, 0x20}, // Greek
    {0xA7, 0xA1, 0xC1, 0x30}, // Cyrillic
};

std::string Fold(std::string_view name) {
    std::string out(name);
    for (size_t i = 0; i < out.size();) {
        size_t n = GbkCharLength(out, i);
        auto c = static_cast<unsigned char>(out[i]);
        if (n == 1 && c >= 'A' && c <= 'Z') out[i] = char(c + 32);
        if (n == 2) {
            auto t = static_cast<unsigned char>(out[i + 1]);
            for (const FoldRange& r : kFoldRanges)
                if (c == r.lead && t >= r.first && t <= r.last) out[i + 1] = char(t + r.shift);
        }
        i += n;
    }
    return out;
}

// Position of the last ']' that is a character of its own, or npos.
size_t FindClosingBracket(std::string_view line) {
    size_t found = std::string_view::npos;
    for (size_t i = 0; i < line.size(); i += GbkCharLength(line, i))
        if (line[i] == ']') found = i;
    return found;
}

std::string CutValue(std::string_view value) {
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
        value = value.substr(1, value.size() - 2);
    size_t end = 0;
    while (end < value.size()) {
        size_t n = GbkCharLength(value, end);
        if (end + n > kIniMaxValueBytes) break;
        end += n;
    }
    return std::string(value.substr(0, end));
}

} // namespace

size_t GbkCharLength(std::string_view text, size_t pos) {
    auto lead = static_cast<unsigned char>(text[pos]);
    if (lead < 0x81 || lead > 0xFE || pos + 1 >= text.size()) return 1;
    auto trail = static_cast<unsigned char>(text[pos + 1]);
    bool valid = (trail >= 0x40 && trail <= 0x7E) || (trail >= 0x80 && trail <= 0xFE);
    return valid ? 2 : 1;
}

TIniDocument::TIniDocument(std::string_view bytes) {
    // CR and LF are never the second byte of a GBK character, so lines can
    // be split byte by byte; CR LF, lone CR and lone LF all end a line.
    size_t start = 0;
    while (start < bytes.size()) {
        size_t end = bytes.find_first_of("\r\n", start);
        if (end == std::string_view::npos) end = bytes.size();
        ParseLine(bytes.substr(start, end - start));
        start = end + 1;
    }
}

void TIniDocument::ParseLine(std::string_view line) {
    line = Trim(line);
    if (line.empty() || line.front() == ';') return;
    if (line.front() == '[') {
        if (size_t close = FindClosingBracket(line); close != std::string_view::npos) {
            std::string_view name = Trim(line.substr(1, close - 1));
            sections_.push_back({std::string(name), Fold(name), {}});
            return;
        }
    }
    // Lines before the first section belong to no section anyone can ask for.
    if (sections_.empty()) return;
    // '=' is below GBK's second-byte range, so the first '=' is a real one.
    size_t eq = line.find('=');
    std::string_view name = Trim(line.substr(0, eq));
    std::string value = eq == std::string_view::npos ? std::string() : CutValue(Trim(line.substr(eq + 1)));
    if (name.empty()) return;
    sections_.back().entries.push_back({std::string(name), Fold(name), std::move(value)});
}

const TIniDocument::Section* TIniDocument::FindSection(std::string_view name) const {
    std::string folded = Fold(Trim(name));
    for (const Section& s : sections_)
        if (s.folded == folded) return &s;
    return nullptr;
}

std::optional<std::string> TIniDocument::Value(std::string_view section, std::string_view key) const {
    const Section* s = FindSection(section);
    if (!s) return std::nullopt;
    std::string folded = Fold(Trim(key));
    for (const Entry& e : s->entries)
        if (e.folded == folded) return e.value;
    return std::nullopt;
}

std::vector<std::string> TIniDocument::Sections() const {
    std::vector<std::string> names;
    std::unordered_set<std::string_view> seen;
    for (const Section& s : sections_)
        if (seen.insert(s.folded).second) names.push_back(s.name);
    return names;
}

std::vector<std::string> TIniDocument::Keys(std::string_view section) const {
    std::vector<std::string> names;
    const Section* s = FindSection(section);
    if (!s) return names;
    std::unordered_set<std::string_view> seen;
    for (const Entry& e : s->entries)
        if (seen.insert(e.folded).second) names.push_back(e.name);
    return names;
}

} // namespace yq
