#pragma once
// GDI objects and windows of this process, for leak checks.  Wine answers
// GetGuiResources with 0, so there the GDI count comes from the process's
// GDI handle table and the USER count from the thread's windows.
#include <ostream>

#include <windows.h>

namespace yq::test {

struct GuiCounts {
    long gdi = 0, user = 0;
    bool operator==(const GuiCounts& o) const { return gdi == o.gdi && user == o.user; }
};

inline long CountWindows(HWND parent) {
    long n = 0;
    for (HWND h = FindWindowExW(parent, nullptr, nullptr, nullptr); h;
         h = FindWindowExW(parent, h, nullptr, nullptr))
        if (GetWindowThreadProcessId(h, nullptr) == GetCurrentThreadId()) n += 1 + CountWindows(h);
    return n;
}

inline GuiCounts Counts() {
    GuiCounts c;
    c.gdi = long(GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS));
    c.user = long(GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS));
    if (c.gdi == 0) {
        struct Entry {
            void* object;
            unsigned short pid, count, unique;
            unsigned char type, flags;
            void* user;
        };
        unsigned char* peb = nullptr;
        asm("mov %%gs:0x60, %0" : "=r"(peb)); // the process environment block
        auto* table = *reinterpret_cast<Entry**>(peb + 0xF8);
        for (int i = 0; table && i < 65536; ++i)
            c.gdi += table[i].type != 0;
    }
    if (c.user == 0) c.user = CountWindows(nullptr) + CountWindows(HWND_MESSAGE);
    return c;
}

inline std::ostream& operator<<(std::ostream& os, const GuiCounts& c) {
    return os << "gdi " << c.gdi << " user " << c.user;
}

} // namespace yq::test
