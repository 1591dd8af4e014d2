#pragma once
// The profile-file rules of the platform, on the raw GBK bytes of a file:
// "[section]" lines, "key=value" lines, ';' comment lines.  Section and key
// names match without regard to case (ASCII, full-width Latin, Greek and
// Cyrillic letters; the second byte of a double-byte character is never
// folded), blanks around names and values are removed, a value wrapped in a
// matching pair of quotes loses them, and a value is cut to at most 2047
// bytes without splitting a character.  The first of two equal sections or
// keys wins.  No <windows.h> here: built and fuzzed on the host too.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace yq {

// Longest value handed out, in bytes: what the platform's reader fits into
// its 2048-byte buffer.
inline constexpr size_t kIniMaxValueBytes = 2047;

// Bytes taken by the GBK character starting at text[pos] (1 or 2).
size_t GbkCharLength(std::string_view text, size_t pos);

class TIniDocument {
public:
    TIniDocument() = default;
    explicit TIniDocument(std::string_view gbkBytes);

    // Names and results are GBK bytes.
    std::optional<std::string> Value(std::string_view section, std::string_view key) const;
    std::vector<std::string> Sections() const;
    std::vector<std::string> Keys(std::string_view section) const;

private:
    struct Entry {
        std::string name;   // as written, blanks removed
        std::string folded; // comparison form
        std::string value;
    };
    struct Section {
        std::string name;
        std::string folded;
        std::vector<Entry> entries;
    };

    void ParseLine(std::string_view line);
    const Section* FindSection(std::string_view name) const;

    std::vector<Section> sections_;
};

} // namespace yq
