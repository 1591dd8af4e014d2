#pragma once
// Byte-wise helpers for space-separated lists held as GBK byte strings (the
// category file, the user riddle list) and the keyword check of the search.
// Positions and lengths count bytes; a separator byte below 0x40 never
// occurs inside a double-byte GBK character, so no character is split.
#include <string>
#include <string_view>

namespace yq {

// Every word of `text` followed by exactly one `sep`, in order, with no
// leading separator.  A text without any word gives the empty text.
std::string NormalizeSeparators(std::string_view text, char sep);

// Removes the bytes up to and including the first `sep` from `text` and
// returns those before it.  Without a separator: empty token, text unchanged.
std::string TakeToken(std::string& text, char sep);

int CountChar(std::string_view text, char ch);

// The bytes of 0x80 and above, in order; every ASCII byte is dropped.
std::string KeepHighBytes(std::string_view text);

// True when the text, read as GBK, holds fewer characters than bytes, that
// is at least one double-byte character.
bool HasMultiByteChar(std::string_view text);

} // namespace yq
