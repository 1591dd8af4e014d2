#include "SkinText.h"

#include "Text.h"

namespace yq {

std::wstring GetWindowTextWide(HWND window) {
    const int length = GetWindowTextLengthW(window);
    if (length <= 0) return {};
    std::wstring text(std::size_t(length) + 1, L'\0');
    text.resize(std::size_t(GetWindowTextW(window, text.data(), length + 1)));
    return text;
}

std::string GetWindowClassName(HWND window) {
    wchar_t name[100] = {};
    const int length = GetClassNameW(window, name, 100);
    return Narrow(std::wstring_view(name, std::size_t(length > 0 ? length : 0)));
}

int DrawTextWide(HDC dc, const std::wstring& text, RECT& r, UINT format) {
    return DrawTextW(dc, text.c_str(), int(text.size()), &r, format);
}

} // namespace yq
