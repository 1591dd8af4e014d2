#pragma once
// The framework's own messages.  Notifications (CM_*) go to a control
// through its message method (Perform), so a replaced WindowProc sees them
// like any window message.  Messages a parent receives about a child
// window (WM_COMMAND, WM_NOTIFY, WM_CTLCOLOR*, WM_DRAWITEM, ...) are
// reflected to the child's object as CN_BASE + the message.
#include <windows.h>

namespace yq {

struct TMessage {
    UINT Msg;
    WPARAM WParam;
    LPARAM LParam;
    LRESULT Result;
};

constexpr UINT CM_BASE = 0xB000;
constexpr UINT CM_ACTIVATE = CM_BASE + 0;
constexpr UINT CM_DEACTIVATE = CM_BASE + 1;
constexpr UINT CM_CANCELMODE = CM_BASE + 4;
// WParam: the virtual key; Result nonzero when a control used the key.
constexpr UINT CM_DIALOGKEY = CM_BASE + 5;
// WParam: the character; Result nonzero when a control used it.
constexpr UINT CM_DIALOGCHAR = CM_BASE + 6;
// LParam: the TWinControl* that now has the focus (sent to every control
// of the form).
constexpr UINT CM_FOCUSCHANGED = CM_BASE + 7;
constexpr UINT CM_PARENTFONTCHANGED = CM_BASE + 8;
constexpr UINT CM_PARENTCOLORCHANGED = CM_BASE + 9;
constexpr UINT CM_HITTEST = CM_BASE + 10;
constexpr UINT CM_VISIBLECHANGED = CM_BASE + 11;
constexpr UINT CM_ENABLEDCHANGED = CM_BASE + 12;
constexpr UINT CM_COLORCHANGED = CM_BASE + 13;
constexpr UINT CM_FONTCHANGED = CM_BASE + 14;
constexpr UINT CM_CURSORCHANGED = CM_BASE + 15;
constexpr UINT CM_CTL3DCHANGED = CM_BASE + 16;
constexpr UINT CM_TEXTCHANGED = CM_BASE + 18;
constexpr UINT CM_MOUSEENTER = CM_BASE + 19;
constexpr UINT CM_MOUSELEAVE = CM_BASE + 20;
constexpr UINT CM_SHOWINGCHANGED = CM_BASE + 25;
// The control received the focus (CM_ENTER) or lost it (CM_EXIT, the
// focus-exit notification skinners redraw on).
constexpr UINT CM_ENTER = CM_BASE + 26;
constexpr UINT CM_EXIT = CM_BASE + 27;
// Posted to a form by Release(): the form frees itself.
constexpr UINT CM_RELEASE = CM_BASE + 33;
constexpr UINT CM_SYSCOLORCHANGE = CM_BASE + 36;
constexpr UINT CM_SYSFONTCHANGED = CM_BASE + 53;
// Sent to a form when its menu bar's items changed (the platform menu has
// been rebuilt).
constexpr UINT CM_MENUCHANGED = CM_BASE + 42;
// Result: nonzero when the control counts as a tool control (docking).
constexpr UINT CM_ISTOOLCONTROL = CM_BASE + 50;
// A check box's or radio button's state (checked, grayed) changed.
constexpr UINT CM_CHECKSTATECHANGED = CM_BASE + 0xD0;

constexpr UINT CN_BASE = 0xBC00;
constexpr UINT CN_COMMAND = CN_BASE + WM_COMMAND;
constexpr UINT CN_NOTIFY = CN_BASE + WM_NOTIFY;
constexpr UINT CN_DRAWITEM = CN_BASE + WM_DRAWITEM;
constexpr UINT CN_MEASUREITEM = CN_BASE + WM_MEASUREITEM;
constexpr UINT CN_HSCROLL = CN_BASE + WM_HSCROLL;
constexpr UINT CN_VSCROLL = CN_BASE + WM_VSCROLL;
constexpr UINT CN_CTLCOLOREDIT = CN_BASE + WM_CTLCOLOREDIT;
constexpr UINT CN_CTLCOLORSTATIC = CN_BASE + WM_CTLCOLORSTATIC;
constexpr UINT CN_CTLCOLORBTN = CN_BASE + WM_CTLCOLORBTN;
constexpr UINT CN_CTLCOLORLISTBOX = CN_BASE + WM_CTLCOLORLISTBOX;
constexpr UINT CN_CTLCOLORSCROLLBAR = CN_BASE + WM_CTLCOLORSCROLLBAR;

} // namespace yq
