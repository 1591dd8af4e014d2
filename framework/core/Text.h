#pragma once
// UTF-8 <-> UTF-16 for the W functions.  Source literals are UTF-8.
#include <string>
#include <string_view>

namespace yq {
std::wstring Widen(std::string_view utf8);
std::string Narrow(std::wstring_view utf16);
} // namespace yq
