#include "MenuTrack.h"

#include "Guard.h"
#include "MenuBtn.h"
#include "WinSkinForm.h"
#include "WinSkinMenu.h"

#include <vector>

namespace yq {

namespace {

LRESULT CALLBACK MenuTrackHook(int code, WPARAM wParam, LPARAM lParam);

int Neighbour(const TWinSkinMenu& bar, int from, int step) {
    const int count = int(bar.Buttons.size());
    for (int i = 1; i <= count; ++i) {
        const int k = ((from + step * i) % count + count) % count;
        const TMenuBtn& b = *bar.Buttons[std::size_t(k)];
        if (b.Visible && !b.Caption.empty()) return k;
    }
    return -1;
}

// The button the message asks for, -1 for none.
int TargetOf(const MSG& msg) {
    TMenuTrackState& s = MenuTrack();
    TWinSkinForm& form = *s.TrackForm;
    if (!form.MenuBar) return -1;
    const TWinSkinMenu& bar = *form.MenuBar;
    switch (msg.message) {
    case WM_KEYDOWN: {
        WPARAM key = msg.wParam;
        if (form.RightToLeft && (key == VK_LEFT || key == VK_RIGHT))
            key = key == VK_LEFT ? VK_RIGHT : VK_LEFT;
        if (key == VK_RETURN || key == VK_ESCAPE) s.Switching = false;
        // Left leaves the drop-down itself, not one of its sub-menus; Right
        // moves on from an item that opens nothing.
        if (key == VK_LEFT && (!s.TrackMenu || s.TrackMenu == form.OpenDropDown))
            return Neighbour(bar, s.TrackIndex, -1);
        if (key == VK_RIGHT && (!s.TrackMenu || !s.TrackPopup)) return Neighbour(bar, s.TrackIndex, 1);
        return -1;
    }
    case WM_MOUSEMOVE: {
        if (msg.pt.x == s.LastMousePoint.x && msg.pt.y == s.LastMousePoint.y) return -1;
        s.LastMousePoint = msg.pt;
        RECT window{};
        GetWindowRect(form.Handle, &window);
        const TMenuBtn* b = bar.ButtonAt({msg.pt.x - window.left, msg.pt.y - window.top});
        return b ? b->Index : -1;
    }
    default:
        return -1;
    }
}

LRESULT CALLBACK MenuTrackHook(int code, WPARAM wParam, LPARAM lParam) {
    TMenuTrackState& s = MenuTrack();
    const LRESULT next = CallNextHookEx(s.TrackHook, code, wParam, lParam);
    if (next || code != MSGF_MENU || !s.TrackForm) return next;
    const MSG& msg = *reinterpret_cast<const MSG*>(lParam);
    if (!s.FirstMessageDone) {
        s.FirstMessageDone = true;
        PostMessageW(msg.hwnd, WM_KEYDOWN, VK_DOWN, 0);
    }
    if (msg.message == WM_SYSKEYDOWN && msg.wParam == VK_MENU) {
        s.TrackForm->EndMenuTracking();
        return next;
    }
    int target = -1;
    Guarded([&] { target = TargetOf(msg); }, TGuardPolicy::gpDrop);
    if (target < 0 || target == s.TrackIndex) return next;
    // This drop-down closes; the form opens the other one after it.
    s.Switching = true;
    s.SwitchIndex = target;
    EndMenu();
    return 1;
}

} // namespace

TMenuTrackState& MenuTrack() {
    static TMenuTrackState state;
    return state;
}

void InstallTrackHook() {
    TMenuTrackState& s = MenuTrack();
    s.Switching = false;
    s.FirstMessageDone = false;
    s.SwitchIndex = -1;
    s.TrackMenu = nullptr;
    s.TrackPopup = false;
    GetCursorPos(&s.LastMousePoint);
    if (!s.TrackHook)
        s.TrackHook = SetWindowsHookExW(WH_MSGFILTER, MenuTrackHook, nullptr, GetCurrentThreadId());
}

void RemoveTrackHook() {
    TMenuTrackState& s = MenuTrack();
    if (s.TrackHook) UnhookWindowsHookEx(s.TrackHook);
    s.TrackHook = nullptr;
    s.TrackMenu = nullptr;
    s.TrackIndex = -1;
    s.FirstMessageDone = false;
}

void NoteMenuSelect(WPARAM wParam, LPARAM lParam) {
    TMenuTrackState& s = MenuTrack();
    if (HIWORD(wParam) == 0xFFFF && lParam == 0) return;
    s.Switching = false;
    s.TrackMenu = reinterpret_cast<HMENU>(lParam);
    s.TrackPopup = (HIWORD(wParam) & MF_POPUP) != 0;
}

void TidySeparators(HMENU menu) {
    auto isLine = [menu](int i) {
        MENUITEMINFOW info{sizeof(info)};
        info.fMask = MIIM_FTYPE;
        return GetMenuItemInfoW(menu, UINT(i), TRUE, &info) && (info.fType & MFT_SEPARATOR);
    };
    bool lastWasLine = true; // a line at the top goes
    for (int i = 0; i < GetMenuItemCount(menu);) {
        if (isLine(i)) {
            if (lastWasLine) {
                RemoveMenu(menu, UINT(i), MF_BYPOSITION);
                continue;
            }
            lastWasLine = true;
        } else {
            lastWasLine = false;
            if (HMENU sub = GetSubMenu(menu, i)) TidySeparators(sub);
        }
        ++i;
    }
    for (int last = GetMenuItemCount(menu) - 1; last >= 0 && isLine(last); --last)
        RemoveMenu(menu, UINT(last), MF_BYPOSITION);
}

} // namespace yq
