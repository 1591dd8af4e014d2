#pragma once
// Text helpers of the skinners: a window's text and class name, and text
// drawn with the wide API.
#include <string>

#include <windows.h>

namespace yq {

std::wstring GetWindowTextWide(HWND window);
// At most the first 99 characters of the class name (ASCII in practice).
std::string GetWindowClassName(HWND window);
// DrawTextW; returns the text height (DT_CALCRECT updates r).
int DrawTextWide(HDC dc, const std::wstring& text, RECT& r, UINT format);

} // namespace yq
