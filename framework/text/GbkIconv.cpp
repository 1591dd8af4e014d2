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
} // namespace

size_t DecodeGbkPrefix(std::string_view gbk, std::string& utf8) {
    IconvPtr cd = OpenIconv("UTF-8", "GBK");
    if (!cd) return 0;
    char buffer[1024];
    char* src = const_cast<char*>(gbk.data());
    size_t left = gbk.size();
    while (left > 0) {
        char* dst = buffer;
        size_t room = sizeof buffer;
        size_t r = iconv(iconv_t(cd.get()), &src, &left, &dst, &room);
        utf8.append(buffer, size_t(dst - buffer));
        if (r == size_t(-1) && errno != E2BIG) break; // src is at the refused unit
    }
    return gbk.size() - left;
}

// An unconvertible character is skipped whole and '?' written in its place.
std::string PlainUtf8ToGbk(std::string_view utf8, bool* lossless) {
    if (lossless) *lossless = true;
    IconvPtr cd = OpenIconv("GBK", "UTF-8");
    if (!cd) return {};
    std::string out;
    char buffer[1024];
    char* src = const_cast<char*>(utf8.data());
    size_t left = utf8.size();
    while (left > 0) {
        char* dst = buffer;
        size_t room = sizeof buffer;
        size_t r = iconv(iconv_t(cd.get()), &src, &left, &dst, &room);
        out.append(buffer, size_t(dst - buffer));
        if (r != size_t(-1) || errno == E2BIG) continue;
        if (lossless) *lossless = false;
        out += '?';
        size_t skip = 1;
        while (skip < left && (static_cast<unsigned char>(src[skip]) & 0xC0) == 0x80)
            ++skip;
        src += skip;
        left -= skip;
    }
    return out;
}

} // namespace yq::gbkdetail
