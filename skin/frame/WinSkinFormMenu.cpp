// TWinSkinForm: its menu bar.  Pressing a bar button (by mouse, Alt+letter
// or keys after Alt alone) opens its drop-down; moving along the bar while
// one is open closes it and opens the neighbour's; the platform never
// enters its own menu-bar mode for a skinned bar.
#include "WinSkinForm.h"

#include "Form.h"
#include "MenuBtn.h"
#include "MenuTrack.h"
#include "Menus.h"
#include "Scope.h"
#include "SkinManage.h"
#include "SkinMenuOwnerDraw.h"
#include "WinSkinData.h"
#include "WinSkinMenu.h"

#include <cwctype>

namespace yq {

namespace {

bool IsMouseDown(UINT msg) {
    switch (msg) {
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_NCLBUTTONDOWN:
    case WM_NCRBUTTONDOWN:
    case WM_NCMBUTTONDOWN:
        return true;
    default:
        return false;
    }
}

bool Usable(const TMenuBtn& b) {
    return b.Visible && !b.Caption.empty();
}

} // namespace

void TWinSkinForm::CreateMenuBar() {
    if (MenuBar || MdiKind == TMdiKind::MdiChild || !GetMenu(Handle)) return;
    MenuBar = std::make_unique<TWinSkinMenu>(*this, SkinData);
    MenuBar->RebuildFromMainMenu();
}

void TWinSkinForm::FreeMenuBar() {
    if (!MenuBar) return;
    if (HotObject == &MenuBar->MdiIcon) HotObject = nullptr;
    MenuBar->RestoreWindowMenu();
    MenuBar.reset();
    MenuHeight = 0;
}

HWND TWinSkinForm::MaximizedMdiChild() const {
    if (MdiKind != TMdiKind::MdiFrame) return nullptr;
    HWND client = FindWindowExW(Handle, nullptr, L"MDIClient", nullptr);
    if (!client) return nullptr;
    BOOL zoomed = FALSE;
    auto child =
        reinterpret_cast<HWND>(SendMessageW(client, WM_MDIGETACTIVE, 0, reinterpret_cast<LPARAM>(&zoomed)));
    return child && zoomed ? child : nullptr;
}

void TWinSkinForm::CMMenuChanged(TMessage& m) {
    const bool framePaint = SkinData->FramePaintEnabled;
    {
        TValueScope quiet(SkinData->FramePaintEnabled, false);
        CallPrevious(m);
    }
    if (!FrameSkinned) return;
    if (menuTracking_) {
        // The open drop-down's buttons stay until it closes.
        menuChangedWhileTracking_ = true;
        return;
    }
    if (!MenuBar) {
        CreateMenuBar();
        if (!MenuBar) return;
        MenuHeight = GetSystemMetrics(SM_CYMENU);
        SetWindowPos(Handle, nullptr, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    } else if (SkinData->MenuMerge()) {
        MenuBar->RebuildMerged();
    } else {
        // The platform menu was made anew: the old drop-downs are gone, so
        // the bar follows whether or not MenuUpdate asks for it.
        MenuBar->RebuildFromMainMenu();
    }
    if (framePaint && HandlesNonClient() && !FrameSuppressed()) PaintFrame();
}

void TWinSkinForm::WMMenuSelect(TMessage& m) {
    if (menuTracking_ && MenuTrack().TrackForm == this) NoteMenuSelect(m.WParam, m.LParam);
    CallPrevious(m);
}

TMenuBtn* TWinSkinForm::FindAccelButton(wchar_t character) const {
    if (!MenuBar || !character) return nullptr;
    const wchar_t key = wchar_t(std::towlower(character));
    for (const auto& b : MenuBar->Buttons)
        if (b->Enabled && b->Visible && AcceleratorOf(b->Caption) == key) return b.get();
    return nullptr;
}

void TWinSkinForm::MenuAccelerator(TMessage& m) {
    TMenuBtn* button = FindAccelButton(wchar_t(m.WParam));
    const bool altOnly =
        GetKeyState(VK_MENU) < 0 && GetKeyState(VK_CONTROL) >= 0 && GetKeyState(VK_SHIFT) >= 0;
    if (button && altOnly) {
        SwitchToButton(button);
        m.Result = 1;
        return;
    }
    if (MdiKind == TMdiKind::MdiChild && SkinManage && SkinManage->MdiMainForm) {
        if (LRESULT answer = SkinManage->MdiMainForm->Perform(CM_DIALOGCHAR, m.WParam, m.LParam)) {
            m.Result = answer;
            return;
        }
    }
    CallPrevious(m);
}

void TWinSkinForm::SwitchToButton(const TMenuBtn* button) {
    RECT window{};
    GetWindowRect(Handle, &window);
    PostMessageW(Handle, WM_NCLBUTTONDOWN, HTCLIENT,
                 MAKELPARAM(button->Bounds.left + 1 + window.left, button->Bounds.top + 1 + window.top));
}

bool TWinSkinForm::OpenMenuButton(TMenuBtn* button) {
    if (!MenuBar || !button || menuTracking_) return false;
    TMenuTrackState& track = MenuTrack();
    bool tracked = false;
    for (int index = button->Index; MenuBar && index >= 0 && index < int(MenuBar->Buttons.size());) {
        TMenuBtn* b = MenuBar->Buttons[std::size_t(index)].get();
        PostMessageW(Handle, WM_COMMAND, b->Command, 0);
        if (!b->SubMenu) break;
        TidySeparators(b->SubMenu);
        track.TrackIndex = index;
        track.TrackForm = this;
        RECT window{};
        GetWindowRect(Handle, &window);
        const POINT at{b->Bounds.left + window.left, b->Bounds.bottom + window.top};
        if (!IsNt4()) MarkOwnerDrawn(b->SubMenu);
        if (SkinManage) SkinManage->SetMenuKind(mkMainMenu);
        OpenDropDown = b->SubMenu;
        b->MouseDown();
        menuTracking_ = true;
        InstallTrackHook();
        if (b->Enabled) TrackPopupMenuEx(b->SubMenu, TPM_RIGHTBUTTON, at.x, at.y, Handle, nullptr);
        const int next = track.Switching ? track.SwitchIndex : -1;
        RemoveTrackHook();
        track.TrackForm = nullptr;
        menuTracking_ = false;
        OpenDropDown = nullptr;
        tracked = true;
        b->MouseLeave();
        if (next < 0) {
            // The press that closed the drop-down on its own button does not
            // open it again.
            MSG press;
            if (PeekMessageW(&press, nullptr, WM_NCLBUTTONDOWN, WM_NCLBUTTONDOWN, PM_NOREMOVE) &&
                PtInRect(&b->Bounds, {press.pt.x - window.left, press.pt.y - window.top}))
                PeekMessageW(&press, nullptr, WM_NCLBUTTONDOWN, WM_NCLBUTTONDOWN, PM_REMOVE);
            break;
        }
        index = next;
    }
    if (std::exchange(menuChangedWhileTracking_, false) && MenuBar) {
        MenuBar->RebuildFromMainMenu();
        if (HandlesNonClient()) PaintFrame();
    }
    return tracked;
}

// Alt or F10 alone, or Alt with a bar button's letter: the bar answers, not
// the platform (which would track the window's system menu instead).
bool TWinSkinForm::KeyMenuFilter(TMessage& m) {
    if ((m.WParam & 0xFFF0) != SC_KEYMENU || !MenuBar || menuTracking_ || !HandlesNonClient()) return false;
    const auto character = wchar_t(LOWORD(m.LParam));
    if (character == L' ' || character == L'-' || GetCapture()) return false;
    if (character == 0) {
        m.Result = 0;
        KeyboardMenuMode();
        return true;
    }
    TMenuBtn* button = FindAccelButton(character);
    if (!button) return false;
    m.Result = 0;
    SwitchToButton(button);
    return true;
}

// After Alt alone the first bar button is hot: Left and Right move along
// the bar, Down, Up or Enter open the hot button's drop-down, its letter
// opens another, Escape, Alt or a click leaves.
void TWinSkinForm::KeyboardMenuMode() {
    auto& buttons = MenuBar->Buttons;
    const int count = int(buttons.size());
    int hot = -1;
    for (int i = 0; i < count && hot < 0; ++i)
        if (Usable(*buttons[std::size_t(i)])) hot = i;
    if (hot < 0) return;
    auto step = [&](int from, int by) {
        for (int i = 1; i <= count; ++i) {
            const int k = ((from + by * i) % count + count) % count;
            if (Usable(*buttons[std::size_t(k)])) return k;
        }
        return from;
    };
    TMenuBtn* open = nullptr;
    {
        TValueScope tracking(menuTracking_, true);
        buttons[std::size_t(hot)]->MouseEnter();
        bool done = false;
        while (!done && MenuBar && IsWindow(Handle)) {
            MSG msg;
            if (!PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE)) {
                WaitMessage();
                continue;
            }
            if (msg.message == WM_QUIT || IsMouseDown(msg.message)) break;
            PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE);
            switch (msg.message) {
            case WM_KEYDOWN:
            case WM_SYSKEYDOWN: {
                const WPARAM key = msg.wParam;
                if (key == VK_LEFT || key == VK_RIGHT) {
                    const bool back = (key == VK_LEFT) != RightToLeft;
                    hot = step(hot, back ? -1 : 1);
                    buttons[std::size_t(hot)]->MouseEnter();
                } else if (key == VK_DOWN || key == VK_UP || key == VK_RETURN) {
                    open = buttons[std::size_t(hot)].get();
                    done = true;
                } else if (key == VK_ESCAPE || key == VK_MENU || key == VK_F10) {
                    done = true;
                } else {
                    TranslateMessage(&msg);
                }
                break;
            }
            case WM_CHAR:
            case WM_SYSCHAR:
                if ((open = FindAccelButton(wchar_t(msg.wParam)))) done = true;
                break;
            case WM_KEYUP:
            case WM_SYSKEYUP:
                break;
            default:
                DispatchMessageW(&msg);
                if (GetActiveWindow() != Handle) done = true;
                break;
            }
        }
        if (MenuBar)
            for (const auto& b : MenuBar->Buttons)
                if (b->ButtonState != TNCButtonState::bsNormal) b->MouseLeave();
    }
    if (open && MenuBar) {
        open->MouseDown();
        OpenMenuButton(open);
    }
}

void TWinSkinForm::ShowChildSystemMenu(HWND child) {
    HMENU menu = GetSystemMenu(child, FALSE);
    if (!menu || !MenuBar) return;
    RECT window{};
    GetWindowRect(Handle, &window);
    const RECT& icon = MenuBar->MdiIcon.Bounds;
    if (SkinManage) SkinManage->SetMenuKind(mkSystemMenu);
    // Owned by the child, the menu's items follow the child's state.
    UINT command = 0;
    {
        TValueScope tracking(menuTracking_, true);
        command = UINT(TrackPopupMenuEx(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON, icon.left + window.left,
                                        icon.bottom + window.top, child, nullptr));
    }
    if (MenuBar) MenuBar->MdiIcon.MouseLeave();
    if (command) PostMessageW(child, WM_SYSCOMMAND, command, 0);
}

void TWinSkinForm::PressObject(TNCObject* object) {
    if (!IsActive) SetForegroundWindow(Handle);
    object->MouseDown();
    if (auto* button = dynamic_cast<TMenuBtn*>(object))
        OpenMenuButton(button);
    else if (auto* icon = dynamic_cast<TMdiIconBtn*>(object))
        ShowChildSystemMenu(icon->Child);
}

} // namespace yq
