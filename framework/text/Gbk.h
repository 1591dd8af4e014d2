#pragma once
// The one conversion between GBK (code page 936) byte strings and UTF-8.
// Never the system code page: the program behaves the same in every locale.
// Win32 build: MultiByteToWideChar/WideCharToMultiByte with code page 936;
// host build: iconv "GBK".  No <windows.h> here.
#include <string>
#include <string_view>

namespace yq {

// A byte that starts no GBK character becomes a replacement character.
std::string GbkToUtf8(std::string_view gbk);
// Characters GBK cannot hold become '?'; *lossless (when given) tells
// whether every character was kept.
std::string Utf8ToGbk(std::string_view utf8, bool* lossless = nullptr);

} // namespace yq
