// TWinControl: the mouse (routing to windowless children, enter and leave,
// cursor, context menus), the keyboard, the focus and the tab order.
#include "WinControl.h"

#include "Form.h"
#include "Screen.h"

#include <algorithm>
#include <vector>

namespace yq {

namespace {
bool IsButtonDown(UINT msg) {
    return msg == WM_LBUTTONDOWN || msg == WM_RBUTTONDOWN || msg == WM_MBUTTONDOWN ||
           msg == WM_LBUTTONDBLCLK || msg == WM_RBUTTONDBLCLK || msg == WM_MBUTTONDBLCLK;
}
} // namespace

int TWinControl::TabOrder() const {
    if (!parent_) return -1;
    auto& list = parent_->tabList_;
    return int(std::find(list.begin(), list.end(), this) - list.begin());
}

void TWinControl::SetTabOrder(int order) {
    if (!parent_) return;
    auto& list = parent_->tabList_;
    list.erase(std::remove(list.begin(), list.end(), this), list.end());
    order = std::clamp(order, 0, int(list.size()));
    list.insert(list.begin() + order, this);
}

bool TWinControl::Focused() const {
    return hwnd_ && GetFocus() == hwnd_;
}

bool TWinControl::CanFocus() const {
    for (const TControl* c = this; c; c = c->parent_)
        if (!c->visible_ || !c->enabled_) return false;
    return true;
}

void TWinControl::SetFocus() {
    TForm* form = ParentForm();
    if (form && form != this && !form->Showing()) {
        form->SetActiveControl(this);
        return;
    }
    ::SetFocus(Handle());
}

void TWinControl::GetTabOrderList(std::vector<TWinControl*>& list) const {
    for (TWinControl* c : tabList_) {
        list.push_back(c);
        c->GetTabOrderList(list);
    }
}

TWinControl* TWinControl::FindNextControl(TWinControl* current, bool forward, bool checkTabStop) const {
    std::vector<TWinControl*> list;
    GetTabOrderList(list);
    if (list.empty()) return nullptr;
    int n = int(list.size());
    int start = int(std::find(list.begin(), list.end(), current) - list.begin());
    if (start == n) start = forward ? n - 1 : 0;
    for (int step = 1; step <= n; ++step) {
        int i = ((forward ? start + step : start - step) % n + n) % n;
        TWinControl* c = list[size_t(i)];
        if (c->CanFocus() && (!checkTabStop || c->tabStop_) && c->tabList_.empty()) return c;
    }
    return nullptr;
}

void TWinControl::SelectNext(TWinControl* current, bool forward, bool checkTabStop) {
    if (TWinControl* next = FindNextControl(current, forward, checkTabStop)) next->SetFocus();
}

void TWinControl::DoEnter() {
    if (OnEnter) OnEnter(this);
}

void TWinControl::DoExit() {
    if (OnExit) OnExit(this);
}

void TWinControl::KeyDown(WORD& key, TShiftState shift) {
    if (OnKeyDown) OnKeyDown(this, key, shift);
}

void TWinControl::KeyUp(WORD& key, TShiftState shift) {
    if (OnKeyUp) OnKeyUp(this, key, shift);
}

void TWinControl::KeyPress(wchar_t& key) {
    if (OnKeyPress) OnKeyPress(this, key);
}

// Mouse messages over a windowless child go to that child, in its
// coordinates; the child that took a button press gets the messages until
// the release.  Returns true when a child took the message.
bool TWinControl::RouteMouse(TMessage& m) {
    POINT p{short(LOWORD(m.LParam)), short(HIWORD(m.LParam))};
    TControl* target = captureControl_;
    if (!target) target = ControlAtPos(p, false);
    if (m.Msg == WM_MOUSEMOVE) {
        if (!mouseInside_ && hwnd_) {
            mouseInside_ = true;
            TRACKMOUSEEVENT tme{sizeof(tme), TME_LEAVE, hwnd_, 0};
            TrackMouseEvent(&tme);
            Perform(CM_MOUSEENTER);
        }
        if (!captureControl_) SetHover(target);
    }
    if (!target) return false;
    if (IsButtonDown(m.Msg) && (target->ControlStyle & csCaptureMouse)) captureControl_ = target;
    LPARAM lp = MAKELPARAM(p.x - target->left_, p.y - target->top_);
    TMessage routed{m.Msg, m.WParam, lp, 0};
    target->WindowProc(routed);
    m.Result = routed.Result;
    bool anyButton = (m.WParam & (MK_LBUTTON | MK_RBUTTON | MK_MBUTTON)) != 0;
    if ((m.Msg == WM_LBUTTONUP || m.Msg == WM_RBUTTONUP || m.Msg == WM_MBUTTONUP) && !anyButton) {
        if (captureControl_ == target) {
            captureControl_ = nullptr;
            if (hwnd_ && GetCapture() == hwnd_) ReleaseCapture();
        }
        if (!captureControl_) SetHover(ControlAtPos(p, false));
    }
    return true;
}

void TWinControl::SetHover(TControl* control) {
    if (control == hover_) return;
    TControl* old = hover_;
    hover_ = control;
    if (old) old->Perform(CM_MOUSELEAVE);
    if (control) control->Perform(CM_MOUSEENTER);
}

void TWinControl::WMMouseLeave(TMessage& m) {
    if (captureControl_) return; // the capture keeps the mouse ours
    mouseInside_ = false;
    SetHover(nullptr);
    Perform(CM_MOUSELEAVE);
    DefaultHandler(m);
}

void TWinControl::WMCaptureChanged(TMessage& m) {
    if (captureControl_ && reinterpret_cast<HWND>(m.LParam) != hwnd_) {
        TControl* lost = captureControl_;
        captureControl_ = nullptr;
        lost->Perform(WM_CANCELMODE);
    }
    DefaultHandler(m);
}

void TWinControl::WMSetCursor(TMessage& m) {
    if (reinterpret_cast<HWND>(m.WParam) == hwnd_ && LOWORD(m.LParam) == HTCLIENT) {
        TCursor cursor = Screen().Cursor();
        if (cursor == crDefault) {
            POINT p;
            GetCursorPos(&p);
            ::ScreenToClient(hwnd_, &p);
            TControl* c = captureControl_ ? captureControl_ : ControlAtPos(p, false);
            cursor = c ? c->cursor_ : cursor_;
        }
        if (cursor != crDefault) {
            ::SetCursor(Screen().Cursors(cursor));
            m.Result = TRUE;
            return;
        }
    }
    DefaultHandler(m);
}

void TWinControl::WMSetFocus(TMessage& m) {
    DefaultHandler(m);
    if (TForm* form = ParentForm(); form && form != this) form->SetFocusedControl(this);
    Perform(CM_ENTER);
}

void TWinControl::WMKillFocus(TMessage& m) {
    DefaultHandler(m);
    Perform(CM_EXIT);
}

void TWinControl::CMEnter(TMessage&) {
    DoEnter();
}

void TWinControl::CMExit(TMessage&) {
    DoExit();
}

void TWinControl::WMKeyDown(TMessage& m) {
    WORD key = WORD(m.WParam);
    KeyDown(key, KeyboardShiftState());
    if (key == 0) return;
    m.WParam = key;
    DefaultHandler(m);
}

void TWinControl::WMKeyUp(TMessage& m) {
    WORD key = WORD(m.WParam);
    KeyUp(key, KeyboardShiftState());
    if (key == 0) return;
    m.WParam = key;
    DefaultHandler(m);
}

void TWinControl::WMChar(TMessage& m) {
    wchar_t key = wchar_t(m.WParam);
    KeyPress(key);
    if (key == 0) return;
    m.WParam = key;
    DefaultHandler(m);
}

void TWinControl::WMContextMenu(TMessage& m) {
    bool handled = false;
    if (m.LParam == -1) {
        DoContextPopup({-1, -1}, handled);
    } else {
        POINT p{short(LOWORD(m.LParam)), short(HIWORD(m.LParam))};
        ::ScreenToClient(hwnd_, &p);
        TControl* target = ControlAtPos(p, false);
        if (target) target->DoContextPopup({p.x - target->Left(), p.y - target->Top()}, handled);
        if (!handled) DoContextPopup(p, handled);
    }
    if (handled)
        m.Result = 0;
    else
        DefaultHandler(m);
}

} // namespace yq
