#include "Tokens.h"

#include "Gbk.h"

#include <algorithm>

namespace yq {

std::string NormalizeSeparators(std::string_view text, char sep) {
    std::string result;
    result.reserve(text.size() + 1);
    bool inWord = false;
    for (char c : text) {
        if (c != sep) {
            result += c;
            inWord = true;
        } else if (inWord) {
            result += c;
            inWord = false;
        }
    }
    if (!result.empty() && result.back() != sep) result += sep;
    return result;
}

std::string TakeToken(std::string& text, char sep) {
    size_t p = text.find(sep);
    if (p == std::string::npos) return {};
    std::string token = text.substr(0, p);
    text.erase(0, p + 1);
    return token;
}

int CountChar(std::string_view text, char ch) {
    return int(std::count(text.begin(), text.end(), ch));
}

std::string KeepHighBytes(std::string_view text) {
    std::string result;
    for (char c : text)
        if (static_cast<unsigned char>(c) >= 0x80) result += c;
    return result;
}

bool HasMultiByteChar(std::string_view text) {
    if (text.empty()) return false;
    // Count UTF-16 units of the converted text: lead bytes and units of a
    // surrogate pair count, continuation bytes do not.
    size_t wide = 0;
    for (unsigned char c : GbkToUtf8(text)) {
        if ((c & 0xC0) != 0x80) ++wide;
        if (c >= 0xF0) ++wide;
    }
    return wide != text.size();
}

} // namespace yq
