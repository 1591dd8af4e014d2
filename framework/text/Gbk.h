#pragma once
// The one conversion between GBK (code page 936) byte strings and UTF-8.
// Never the system code page: the program behaves the same in every locale.
// Win32 build: MultiByteToWideChar/WideCharToMultiByte with code page 936;
// host build: iconv "GBK".  No <windows.h> here.
//
// Bytes round-trip: a byte that starts no GBK character (a lone lead byte,
// a lead byte before an invalid trail byte, a stray byte above 0x7F)
// becomes one private-use character, U+F700 + the byte, which converts back
// to that byte.  It never takes the following byte with it, so a file read
// and written again unchanged keeps every byte.
#include <string>
#include <string_view>

namespace yq {

std::string GbkToUtf8(std::string_view gbk);
// Characters GBK cannot hold become '?'; *lossless (when given) tells
// whether every character was kept.
std::string Utf8ToGbk(std::string_view utf8, bool* lossless = nullptr);

// The private-use character that stands for an invalid byte (0x80..0xFF).
constexpr char32_t kGbkEscapeBase = 0xF700;

namespace gbkdetail {
// The platform's conversions, used by Gbk.cpp on runs of well-shaped units
// (ASCII bytes, or a lead byte with a trail byte).  DecodeGbkPrefix appends
// the longest prefix the code page maps and returns its length in bytes.
size_t DecodeGbkPrefix(std::string_view gbk, std::string& utf8);
std::string PlainUtf8ToGbk(std::string_view utf8, bool* lossless);
} // namespace gbkdetail

} // namespace yq
