#include "Gbk.h"

#include <iconv.h>

#include <cerrno>

namespace yq {

namespace {
// Converts with iconv; an unconvertible or invalid sequence is skipped and
// `replacement` written in its place.
std::string Convert(const char* to, const char* from, std::string_view in, std::string_view replacement,
                    size_t skipInvalid, bool* lossless) {
    if (lossless) *lossless = true;
    iconv_t cd = iconv_open(to, from);
    if (cd == iconv_t(-1)) return {};
    std::string out;
    char buffer[1024];
    char* src = const_cast<char*>(in.data());
    size_t left = in.size();
    while (left > 0) {
        char* dst = buffer;
        size_t room = sizeof buffer;
        size_t r = iconv(cd, &src, &left, &dst, &room);
        out.append(buffer, size_t(dst - buffer));
        if (r != size_t(-1) || errno == E2BIG) continue;
        // EILSEQ / EINVAL: skip one unit of the input.
        if (lossless) *lossless = false;
        out += replacement;
        size_t skip = std::min(left, skipInvalid);
        if (errno == EILSEQ && skipInvalid == 0) {
            // UTF-8 input: skip one whole character.
            skip = 1;
            while (skip < left && (static_cast<unsigned char>(src[skip]) & 0xC0) == 0x80) ++skip;
        }
        src += skip;
        left -= skip;
    }
    iconv_close(cd);
    return out;
}
} // namespace

std::string GbkToUtf8(std::string_view gbk) { return Convert("UTF-8", "GBK", gbk, "\xEF\xBF\xBD", 1, nullptr); }

std::string Utf8ToGbk(std::string_view utf8, bool* lossless) {
    return Convert("GBK", "UTF-8", utf8, "?", 0, lossless);
}

} // namespace yq
