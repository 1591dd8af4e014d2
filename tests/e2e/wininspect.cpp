// wininspect "CAPTION": prints, as UTF-8 lines "class<TAB>text", every child
// window of the visible top-level window with that caption.  Run under Wine
// in the program's prefix and display, it lets end-to-end tests read texts
// that X does not see (message box text, labels, edit boxes).  Exit code 1
// when no such window exists.
#include <windows.h>

#include <cstdio>
#include <string>

namespace {

std::string Utf8(const wchar_t* text) {
    int n = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
    std::string out(size_t(n > 0 ? n - 1 : 0), '\0');
    if (n > 1) WideCharToMultiByte(CP_UTF8, 0, text, -1, out.data(), n, nullptr, nullptr);
    return out;
}

BOOL CALLBACK PrintChild(HWND hwnd, LPARAM) {
    wchar_t cls[256];
    GetClassNameW(hwnd, cls, 256);
    int length = int(SendMessageW(hwnd, WM_GETTEXTLENGTH, 0, 0));
    std::wstring text(size_t(length) + 1, L'\0');
    SendMessageW(hwnd, WM_GETTEXT, WPARAM(length + 1), LPARAM(text.data()));
    std::printf("%s\t%s\n", Utf8(cls).c_str(), Utf8(text.c_str()).c_str());
    return TRUE;
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc != 2) return 2;
    HWND top = nullptr;
    while ((top = FindWindowExW(nullptr, top, nullptr, argv[1])) != nullptr)
        if (IsWindowVisible(top)) break;
    if (!top) return 1;
    EnumChildWindows(top, PrintChild, 0);
    std::fflush(stdout);
    return 0;
}
