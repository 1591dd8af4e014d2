#include "Gbk.h"

#include <iconv.h>

#include <cerrno>
#include <memory>

namespace yq::gbkdetail {

namespace {
struct IconvCloser {
    void operator()(void* cd) const { iconv_close(iconv_t(cd)); }
};
using IconvPtr = std::unique_ptr<void, IconvCloser>;

IconvPtr OpenIconv(const char* to, const char* from) {
    iconv_t cd = iconv_open(to, from);
    return IconvPtr(cd == iconv_t(-1) ? nullptr : cd);
}

// Converts `in` up to its end or the first sequence `cd` refuses, appending
// to `out`; returns the bytes of `in` converted.
size_t ConvertPrefix(iconv_t cd, std::string_view in, std::string& out) {
    char buffer[1024];
    char* src = const_cast<char*>(in.data());
    size_t left = in.size();
    while (left > 0) {
        char* dst = buffer;
        size_t room = sizeof buffer;
        size_t r = iconv(cd, &src, &left, &dst, &room);
        out.append(buffer, size_t(dst - buffer));
        if (r == size_t(-1) && errno != E2BIG) break; // src is at the refused unit
    }
    return in.size() - left;
}

} // namespace

size_t DecodeGbkPrefix(std::string_view gbk, std::string& utf8) {
    IconvPtr cd = OpenIconv("UTF-8", "GBK");
    return cd ? ConvertPrefix(iconv_t(cd.get()), gbk, utf8) : 0;
}

// An unconvertible character is skipped whole and '?' written in its place.
std::string PlainUtf8ToGbk(std::string_view utf8, bool* lossless) {
    if (lossless) *lossless = true;
    IconvPtr cd = OpenIconv("GBK", "UTF-8");
    if (!cd) return {};
    std::string out;
    while (!utf8.empty()) {
        utf8.remove_prefix(ConvertPrefix(iconv_t(cd.get()), utf8, out));
        if (utf8.empty()) break;
        if (lossless) *lossless = false;
        out += '?';
        size_t skip = 1;
        while (skip < utf8.size() && (static_cast<unsigned char>(utf8[skip]) & 0xC0) == 0x80)
            ++skip;
        utf8.remove_prefix(skip);
    }
    return out;
}

} // namespace yq::gbkdetail
