#pragma once
// TQuickIni: the skin description parser.  Lines end at CR, LF or CR LF and
// the text at the first zero byte; lines are trimmed, empty lines and ";"
// comments are dropped.  Section and key names match without regard to
// ASCII letter case; within a section the first line with the key decides,
// even when its value is empty.
#include "ByteStream.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace yq {

class TQuickIni {
public:
    // Reads from the stream's position to its end and rebuilds both lists.
    void LoadFromStream(TByteStream& stream);
    void LoadFromText(std::string_view text);

    std::string ReadString(std::string_view section, std::string_view key,
                           std::string_view defaultValue) const;
    std::int32_t ReadInteger(std::string_view section, std::string_view key, std::int32_t defaultValue) const;
    // Section names in file order, without brackets, trimmed.
    void ReadSections(std::vector<std::string>& list) const;
    // Index of the section's header line among the stored lines, or -1.
    int SectionIndex(std::string_view section) const;

    const std::vector<std::string>& Lines() const { return lines_; }

private:
    std::vector<std::string> lines_;
    std::vector<std::pair<std::string, int>> headers_; // header line, its index in lines_
};

// Trims bytes up to and including the blank (control characters and
// spaces) from both ends; bytes above 0x7F are text.
std::string_view TrimBlanks(std::string_view text);

// Decimal with an optional sign, or hexadecimal after "$" (a leading "0x" is
// read as "$"), in 32 bits; false when the text is not such a number.
bool ParseSkinInteger(std::string_view text, std::int32_t& value);

} // namespace yq
