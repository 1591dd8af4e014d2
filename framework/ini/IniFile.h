#pragma once
// TIniFile: reads a profile file written in GBK, with the rules of
// TIniDocument.  The file is read once, when the object is made; a missing
// or unreadable file reads as an empty one, so every value is the caller's
// default.  Names, values and defaults are UTF-8.
#include "IniParser.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace yq {

class TIniFile {
public:
    explicit TIniFile(std::filesystem::path fileName);

    const std::filesystem::path& FileName() const { return fileName_; }

    std::string ReadString(std::string_view section, std::string_view key,
                           std::string_view defaultValue) const;
    // Decimal, or hexadecimal after "0x" or "$"; anything else (also a
    // number outside int) gives the default.
    int ReadInteger(std::string_view section, std::string_view key, int defaultValue) const;
    std::vector<std::string> ReadSections() const;
    // The key names of one section.
    std::vector<std::string> ReadSection(std::string_view section) const;

private:
    std::filesystem::path fileName_;
    TIniDocument document_;
};

// The integer rule of ReadInteger, on a value's text.
std::optional<int> ParseIniInteger(std::string_view text);

} // namespace yq
