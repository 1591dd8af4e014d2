#include "CategoryFile.h"

#include "Gbk.h"
#include "IniFile.h"
#include "Tokens.h"

namespace yq {

std::vector<std::string> CategoryItems(std::string_view gbkValue) {
    std::string rest = NormalizeSeparators(gbkValue, ' ');
    std::vector<std::string> items;
    if (rest.find_first_not_of(' ') == std::string::npos) return items;
    // Normalised, every word ends with exactly one space: one token per space.
    for (int n = CountChar(rest, ' '); n > 0; --n)
        items.push_back(TakeToken(rest, ' '));
    return items;
}

TCategoryGroups ReadCategoryFile(const std::filesystem::path& path) {
    const TIniFile file(path);
    TCategoryGroups groups;
    for (size_t i = 0; i < kCategoryKeys.size(); ++i) {
        // The reader hands out UTF-8; the list is taken apart on its GBK bytes.
        std::string value = Utf8ToGbk(file.ReadString("setup", kCategoryKeys[i], ""));
        for (const std::string& item : CategoryItems(value))
            groups[i].push_back(GbkToUtf8(item));
    }
    return groups;
}

} // namespace yq
