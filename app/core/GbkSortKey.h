#pragma once
// Sort keys that order UTF-8 texts as their GBK byte strings would sort:
// the order Chinese users expect (pinyin for the common characters), the
// same on every platform.  Characters GBK lacks sort after all GBK ones, by
// code point; bytes that are not UTF-8 sort last.
#include <string>
#include <string_view>

namespace yq {

// Appends the key of `utf8` to `out`; keys compare with memcmp, shorter
// first on a common prefix.
void AppendGbkSortKey(std::string& out, std::string_view utf8);

} // namespace yq
