#include "Gbk.h"

#include <windows.h>

namespace yq::gbkdetail {

namespace {
constexpr UINT kGbk = 936;

std::wstring ToWide(UINT codePage, DWORD flags, std::string_view bytes, bool* ok) {
    *ok = true;
    if (bytes.empty()) return {};
    int n = MultiByteToWideChar(codePage, flags, bytes.data(), int(bytes.size()), nullptr, 0);
    if (n <= 0) {
        *ok = false;
        return {};
    }
    std::wstring wide(size_t(n), L'\0');
    MultiByteToWideChar(codePage, flags, bytes.data(), int(bytes.size()), wide.data(), n);
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

size_t DecodeGbkPrefix(std::string_view gbk, std::string& utf8) {
    bool ok = false;
    std::wstring wide = ToWide(kGbk, MB_ERR_INVALID_CHARS, gbk, &ok);
    if (ok) {
        utf8 += FromWide(CP_UTF8, wide, nullptr);
        return gbk.size();
    }
    // Unit by unit up to the one the code page refuses.
    size_t i = 0;
    while (i < gbk.size()) {
        size_t n = static_cast<unsigned char>(gbk[i]) < 0x80 || i + 1 == gbk.size() ? 1 : 2;
        wide = ToWide(kGbk, MB_ERR_INVALID_CHARS, gbk.substr(i, n), &ok);
        if (!ok) break;
        utf8 += FromWide(CP_UTF8, wide, nullptr);
        i += n;
    }
    return i;
}

std::string PlainUtf8ToGbk(std::string_view utf8, bool* lossless) {
    bool ok = false;
    BOOL usedDefault = FALSE;
    std::string out = FromWide(kGbk, ToWide(CP_UTF8, 0, utf8, &ok), &usedDefault);
    if (lossless) *lossless = !usedDefault;
    return out;
}

} // namespace yq::gbkdetail
