#include "Gbk.h"

#include <windows.h>

namespace yq {

namespace {
constexpr UINT kGbk = 936;

std::wstring ToWide(UINT codePage, std::string_view bytes) {
    if (bytes.empty()) return {};
    int n = MultiByteToWideChar(codePage, 0, bytes.data(), int(bytes.size()), nullptr, 0);
    std::wstring wide(size_t(n), L'\0');
    MultiByteToWideChar(codePage, 0, bytes.data(), int(bytes.size()), wide.data(), n);
    return wide;
}

std::string FromWide(UINT codePage, std::wstring_view wide, BOOL* usedDefault) {
    if (wide.empty()) return {};
    int n = WideCharToMultiByte(codePage, 0, wide.data(), int(wide.size()), nullptr, 0, nullptr, usedDefault);
    std::string bytes(size_t(n), '\0');
    WideCharToMultiByte(codePage, 0, wide.data(), int(wide.size()), bytes.data(), n, nullptr, usedDefault);
    return bytes;
}
} // namespace

std::string GbkToUtf8(std::string_view gbk) { return FromWide(CP_UTF8, ToWide(kGbk, gbk), nullptr); }

std::string Utf8ToGbk(std::string_view utf8, bool* lossless) {
    BOOL usedDefault = FALSE;
    std::string out = FromWide(kGbk, ToWide(CP_UTF8, utf8), &usedDefault);
    if (lossless) *lossless = !usedDefault;
    return out;
}

} // namespace yq
