// TWinControl: its window, its child controls and their alignment, the
// window procedure, reflected child messages and the notifications.
#include "WinControl.h"

#include "Application.h"
#include "Form.h"
#include "Guard.h"
#include "Text.h"

#include <algorithm>

namespace yq {

YQ_PUBLISHED(TWinControl, TControl) {
    r.Int("TabOrder", &TWinControl::TabOrder, &TWinControl::SetTabOrder);
    r.Bool("TabStop", &TWinControl::GetTabStop, &TWinControl::SetTabStop);
    r.Bool("DoubleBuffered", &TWinControl::DoubleBuffered, &TWinControl::SetDoubleBuffered);
}

namespace {

// The procedure under the framework's own: what a window no longer bound
// to its control is served by until it dies.
constexpr const wchar_t* kBaseProcProp = L"yq.BaseProc";

// Registers the window class on first use; returns the superclassed
// system class's window procedure (or DefWindowProcW).
WNDPROC EnsureWindowClass(const std::wstring& name, UINT classStyle, const wchar_t* superclass,
                          WNDPROC proc) {
    HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDPROC base = DefWindowProcW;
    WNDCLASSEXW wc{sizeof(wc)};
    if (superclass) {
        if (!GetClassInfoExW(nullptr, superclass, &wc)) throw std::runtime_error("Unknown window class");
        base = wc.lpfnWndProc;
    }
    WNDCLASSEXW existing{sizeof(existing)};
    if (GetClassInfoExW(instance, name.c_str(), &existing)) return base;
    if (!superclass) {
        wc.style = classStyle;
        wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        wc.hIcon = LoadIconW(instance, L"MAINICON");
    }
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = proc;
    wc.hInstance = instance;
    wc.lpszClassName = name.c_str();
    if (!RegisterClassExW(&wc)) throw std::runtime_error("Cannot register window class");
    return base;
}

bool IsMouseMessage(UINT msg) {
    return msg >= WM_MOUSEFIRST && msg <= WM_MBUTTONDBLCLK;
}

} // namespace

TWinControl::TWinControl(TComponent* owner) : TControl(owner) {
    windowed_ = true;
    ControlStyle |= csAcceptsControls;
}

TWinControl::~TWinControl() {
    MarkDestroying();
    DestroyComponents();
    for (TControl* c : std::vector<TControl*>(controls_))
        c->SetParent(nullptr);
    SetParent(nullptr);
    DestroyHandle();
}

TWinControl* TWinControl::FromHandle(HWND hwnd) {
    // A window of one of the framework's classes holds its control in its
    // user data.  Both are read in the process itself, where a window
    // property would be a request to Wine's server on every message.
    if (!hwnd || GetClassLongPtrW(hwnd, GCLP_WNDPROC) != reinterpret_cast<ULONG_PTR>(&StdWndProc))
        return nullptr;
    return reinterpret_cast<TWinControl*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
}

HWND TWinControl::Handle() {
    if (!hwnd_) CreateHandle();
    return hwnd_;
}

void TWinControl::CreateParamsFor(CreateParams& params) {
    if (parent_) params.parentWnd = parent_->Handle();
    if (visible_) params.style |= WS_VISIBLE;
    if (!enabled_) params.style |= WS_DISABLED;
    if (!(ControlStyle & csDoubleClicks)) params.classStyle &= ~UINT(CS_DBLCLKS);
}

void TWinControl::CreateHandle() {
    if (hwnd_ || Destroying()) return;
    CreateParams params;
    CreateParamsFor(params);
    if (hwnd_) return; // the parent's creation made ours
    if ((params.style & WS_CHILD) && !params.parentWnd)
        throw std::runtime_error("Control has no parent window");
    std::wstring cls = params.windowClass.empty() ? Widen(ClassName()) : params.windowClass;
    defWndProc_ = EnsureWindowClass(cls, params.classStyle, params.superclass, &StdWndProc);
    superclassed_ = params.superclass != nullptr;
    CreateWindowHandle(params, cls);
    if (!hwnd_) throw std::runtime_error("Error creating window");
    BoundsFromWindow();
    SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(font_.Handle()), FALSE);
    HandleCreated();
    for (TControl* c : controls_)
        if (c->windowed_) static_cast<TWinControl*>(c)->Handle();
    Realign();
}

HWND TWinControl::CreateWindowHandle(const CreateParams& params, const std::wstring& windowClass) {
    return CreateWindowExW(params.exStyle, windowClass.c_str(), caption_.c_str(), params.style, left_, top_,
                           width_, height_, params.parentWnd, params.menu, GetModuleHandleW(nullptr), this);
}

void TWinControl::DestroyHandle() {
    if (!hwnd_) return;
    HWND h = hwnd_;
    // Stop dispatching to this object before the window goes away; the
    // window's own class procedure sees the rest of its messages.  The
    // window procedure itself stays: putting another one in would cut any
    // subclass made on top of it out of its chain.
    SetWindowLongPtrW(h, GWLP_USERDATA, 0);
    hwnd_ = nullptr;
    for (TControl* c : controls_)
        if (c->windowed_) static_cast<TWinControl*>(c)->DestroyHandle();
    DestroyWindowHandle(h);
}

void TWinControl::BoundsFromWindow() {
    if (!hwnd_ || IsIconic(hwnd_)) return;
    RECT r;
    GetWindowRect(hwnd_, &r);
    if (HWND p = GetParent(hwnd_); p && (GetWindowLongW(hwnd_, GWL_STYLE) & WS_CHILD))
        MapWindowPoints(nullptr, p, reinterpret_cast<POINT*>(&r), 2);
    bool resized = r.right - r.left != width_ || r.bottom - r.top != height_;
    left_ = r.left;
    top_ = r.top;
    width_ = r.right - r.left;
    height_ = r.bottom - r.top;
    if (resized) {
        Realign();
        Resize();
    }
}

void TWinControl::SetBounds(int left, int top, int width, int height) {
    if (width < 0) width = 0;
    if (height < 0) height = 0;
    if (left == left_ && top == top_ && width == width_ && height == height_) return;
    bool resized = width != width_ || height != height_;
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
    if (hwnd_) {
        SetWindowPos(hwnd_, nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
        BoundsFromWindow(); // the window may refuse a size
    }
    RequestAlign();
    if (resized) {
        Realign();
        Resize();
    }
}

RECT TWinControl::ClientRect() const {
    RECT r{0, 0, width_, height_};
    if (hwnd_) GetClientRect(hwnd_, &r);
    return r;
}

POINT TWinControl::ClientOrigin() const {
    if (!hwnd_) return TControl::ClientOrigin();
    POINT p{0, 0};
    ::ClientToScreen(hwnd_, &p);
    return p;
}

void TWinControl::SetVisible(bool visible) {
    if (visible == visible_) return;
    visible_ = visible;
    if (hwnd_)
        ShowWindow(hwnd_, visible ? (GetParent(hwnd_) ? SW_SHOW : SW_SHOWNORMAL) : SW_HIDE);
    else if (visible && parent_ && parent_->HandleAllocated())
        Handle();
    Perform(CM_VISIBLECHANGED, visible ? 1 : 0);
    if (parent_ && align_ != TAlign::alNone) parent_->Realign();
}

bool TWinControl::Showing() const {
    if (hwnd_) return IsWindowVisible(hwnd_) != FALSE;
    return visible_ && (!parent_ || parent_->Showing()) && parent_;
}

void TWinControl::SetParent(TWinControl* parent) {
    if (parent == parent_) return;
    TControl::SetParent(parent);
    if (!hwnd_) {
        if (parent_ && parent_->HandleAllocated() && !Destroying()) Handle();
        return;
    }
    if (!parent_) {
        // A child window cannot live without a parent window.
        if (GetWindowLongW(hwnd_, GWL_STYLE) & WS_CHILD) DestroyHandle();
        return;
    }
    ::SetParent(hwnd_, parent_->Handle());
    SetWindowPos(hwnd_, nullptr, left_, top_, width_, height_, SWP_NOZORDER | SWP_NOACTIVATE);
}

void TWinControl::InsertControl(TControl* control) {
    control->parent_ = this;
    controls_.push_back(control);
    if (control->windowed_) tabList_.push_back(static_cast<TWinControl*>(control));
    if (control->parentColor_) control->Perform(CM_PARENTCOLORCHANGED);
    if (control->parentFont_) control->Perform(CM_PARENTFONTCHANGED);
    if (!control->windowed_) control->Invalidate();
    if (control->align_ != TAlign::alNone) Realign();
}

void TWinControl::RemoveControl(TControl* control) {
    if (!control->windowed_) control->Invalidate();
    controls_.erase(std::remove(controls_.begin(), controls_.end(), control), controls_.end());
    tabList_.erase(std::remove(tabList_.begin(), tabList_.end(), control), tabList_.end());
    if (hover_ == control) hover_ = nullptr;
    if (captureControl_ == control) {
        captureControl_ = nullptr;
        if (hwnd_ && GetCapture() == hwnd_) ReleaseCapture();
    }
    control->parent_ = nullptr;
    if (control->align_ != TAlign::alNone && !Destroying()) Realign();
}

TControl* TWinControl::ControlAtPos(POINT p, bool allowDisabled, bool windowed) const {
    // Later children lie on top.
    for (auto it = controls_.rbegin(); it != controls_.rend(); ++it) {
        TControl* c = *it;
        if (c->windowed_ && !windowed) continue;
        if (!c->visible_ || (!c->enabled_ && !allowDisabled)) continue;
        RECT r = c->BoundsRect();
        if (!PtInRect(&r, p)) continue;
        if (c->Perform(CM_HITTEST, 0, MAKELPARAM(p.x - c->left_, p.y - c->top_)) != 0) return c;
    }
    return nullptr;
}

void TWinControl::Broadcast(TMessage& message) {
    for (TControl* c : std::vector<TControl*>(controls_)) {
        c->WindowProc(message);
        if (message.Result != 0) return;
    }
}

// ---- alignment --------------------------------------------------------------

void TWinControl::AdjustClientRect(RECT&) const {}

void TWinControl::Realign() {
    if (alignDisabled_ || aligning_ || Destroying()) return;
    RECT r = ClientRect();
    ++aligning_;
    AlignControls(r);
    --aligning_;
}

void TWinControl::EnableAlign() {
    if (alignDisabled_ > 0 && --alignDisabled_ == 0) Realign();
}

void TWinControl::AlignControls(RECT& rect) {
    AdjustClientRect(rect);
    auto key = [](const TControl* c) {
        switch (c->align_) {
        case TAlign::alTop:
            return c->top_;
        case TAlign::alBottom:
            return -(c->top_ + c->height_);
        case TAlign::alLeft:
            return c->left_;
        case TAlign::alRight:
            return -(c->left_ + c->width_);
        default:
            return 0;
        }
    };
    for (TAlign a : {TAlign::alTop, TAlign::alBottom, TAlign::alLeft, TAlign::alRight, TAlign::alClient}) {
        std::vector<TControl*> list;
        for (TControl* c : controls_)
            if (c->align_ == a && c->visible_) list.push_back(c);
        std::stable_sort(list.begin(), list.end(),
                         [&](const TControl* x, const TControl* y) { return key(x) < key(y); });
        for (TControl* c : list) {
            int w = std::max(0L, rect.right - rect.left), h = std::max(0L, rect.bottom - rect.top);
            switch (a) {
            case TAlign::alTop:
                c->SetBounds(rect.left, rect.top, w, c->height_);
                rect.top += c->height_;
                break;
            case TAlign::alBottom:
                rect.bottom -= c->height_;
                c->SetBounds(rect.left, rect.bottom, w, c->height_);
                break;
            case TAlign::alLeft:
                c->SetBounds(rect.left, rect.top, c->width_, h);
                rect.left += c->width_;
                break;
            case TAlign::alRight:
                rect.right -= c->width_;
                c->SetBounds(rect.right, rect.top, c->width_, h);
                break;
            default:
                c->SetBounds(rect.left, rect.top, w, h);
                break;
            }
        }
    }
}

// ---- the window procedure ---------------------------------------------------

LRESULT CALLBACK TWinControl::StdWndProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_NCCREATE) {
        auto* cs = reinterpret_cast<CREATESTRUCTW*>(lp);
        auto* self = static_cast<TWinControl*>(cs->lpCreateParams);
        // An MDI child's creation parameters come wrapped.
        if (self && (cs->dwExStyle & WS_EX_MDICHILD))
            self = reinterpret_cast<TWinControl*>(static_cast<MDICREATESTRUCTW*>(cs->lpCreateParams)->lParam);
        if (self) {
            self->hwnd_ = hwnd;
            SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
            SetPropW(hwnd, kBaseProcProp, reinterpret_cast<HANDLE>(self->defWndProc_));
        }
    }
    if (TWinControl* self = FromHandle(hwnd)) return self->Dispatch(msg, wp, lp);
    auto base = reinterpret_cast<WNDPROC>(GetPropW(hwnd, kBaseProcProp));
    if (msg == WM_NCDESTROY) RemovePropW(hwnd, kBaseProcProp);
    return base ? CallWindowProcW(base, hwnd, msg, wp, lp) : DefWindowProcW(hwnd, msg, wp, lp);
}

LRESULT TWinControl::Dispatch(UINT msg, WPARAM wp, LPARAM lp) {
    TMessage m{msg, wp, lp, 0};
    Guarded([&] { WindowProc(m); });
    return m.Result;
}

TWinControl::Handler TWinControl::FindHandler(UINT msg) {
    struct Entry {
        UINT msg;
        Handler handler;
    };
    static constexpr Entry table[] = {
        {WM_PAINT, &TWinControl::WMPaint},
        {WM_PRINTCLIENT, &TWinControl::WMPrintClient},
        {WM_ERASEBKGND, &TWinControl::WMEraseBkgnd},
        {WM_WINDOWPOSCHANGED, &TWinControl::WMWindowPosChanged},
        {WM_SETCURSOR, &TWinControl::WMSetCursor},
        {WM_SETFOCUS, &TWinControl::WMSetFocus},
        {WM_KILLFOCUS, &TWinControl::WMKillFocus},
        {WM_KEYDOWN, &TWinControl::WMKeyDown},
        {WM_SYSKEYDOWN, &TWinControl::WMKeyDown},
        {WM_KEYUP, &TWinControl::WMKeyUp},
        {WM_SYSKEYUP, &TWinControl::WMKeyUp},
        {WM_CHAR, &TWinControl::WMChar},
        {WM_MOUSELEAVE, &TWinControl::WMMouseLeave},
        {WM_SETTEXT, &TWinControl::WMSetText},
        {WM_COMMAND, &TWinControl::WMReflect},
        {WM_NOTIFY, &TWinControl::WMReflect},
        {WM_DRAWITEM, &TWinControl::WMReflect},
        {WM_MEASUREITEM, &TWinControl::WMReflect},
        {WM_HSCROLL, &TWinControl::WMReflect},
        {WM_VSCROLL, &TWinControl::WMReflect},
        {WM_CTLCOLOREDIT, &TWinControl::WMCtlColor},
        {WM_CTLCOLORSTATIC, &TWinControl::WMCtlColor},
        {WM_CTLCOLORBTN, &TWinControl::WMCtlColor},
        {WM_CTLCOLORLISTBOX, &TWinControl::WMCtlColor},
        {WM_CTLCOLORSCROLLBAR, &TWinControl::WMCtlColor},
        {WM_SYSCOLORCHANGE, &TWinControl::WMSysColorChange},
        {WM_CAPTURECHANGED, &TWinControl::WMCaptureChanged},
        {WM_CONTEXTMENU, &TWinControl::WMContextMenu},
        {WM_NCDESTROY, &TWinControl::WMNCDestroy},
        {CM_ENTER, &TWinControl::CMEnter},
        {CM_EXIT, &TWinControl::CMExit},
    };
    for (const Entry& e : table)
        if (e.msg == msg) return e.handler;
    return nullptr;
}

void TWinControl::WndProc(TMessage& message) {
    if (IsMouseMessage(message.Msg) && RouteMouse(message)) return;
    if (Handler h = FindHandler(message.Msg))
        (this->*h)(message);
    else
        TControl::WndProc(message);
}

void TWinControl::DefaultHandler(TMessage& message) {
    if (!hwnd_) {
        message.Result = 0;
        return;
    }
    message.Result = CallWindowProcW(defWndProc_, hwnd_, message.Msg, message.WParam, message.LParam);
}

void TWinControl::WMWindowPosChanged(TMessage& m) {
    DefaultHandler(m);
    BoundsFromWindow();
}

void TWinControl::WMSetText(TMessage& m) {
    SetCaptionField(m.LParam ? reinterpret_cast<const wchar_t*>(m.LParam) : L"");
    if (hwnd_)
        DefaultHandler(m);
    else
        m.Result = TRUE;
}

void TWinControl::WMReflect(TMessage& m) {
    HWND child = nullptr;
    switch (m.Msg) {
    case WM_NOTIFY:
        child = reinterpret_cast<NMHDR*>(m.LParam)->hwndFrom;
        break;
    case WM_DRAWITEM:
        child = reinterpret_cast<DRAWITEMSTRUCT*>(m.LParam)->hwndItem;
        break;
    case WM_MEASUREITEM: {
        auto* mis = reinterpret_cast<MEASUREITEMSTRUCT*>(m.LParam);
        child = mis->CtlType == ODT_MENU ? nullptr : GetDlgItem(hwnd_, int(mis->CtlID));
        break;
    }
    default:
        child = reinterpret_cast<HWND>(m.LParam);
        break;
    }
    TWinControl* target = FromHandle(child);
    if (target && target != this) {
        m.Result = target->Perform(CN_BASE + m.Msg, m.WParam, m.LParam);
        return;
    }
    DefaultHandler(m);
}

void TWinControl::WMCtlColor(TMessage& m) {
    TWinControl* target = FromHandle(reinterpret_cast<HWND>(m.LParam));
    if (target && target != this) {
        m.Result = target->Perform(CN_BASE + m.Msg, m.WParam, m.LParam);
        if (m.Result) return;
    }
    DefaultHandler(m);
}

void TWinControl::WMSysColorChange(TMessage& m) {
    Perform(CM_SYSCOLORCHANGE);
    DefaultHandler(m);
}

void TWinControl::WMNCDestroy(TMessage& m) {
    DefaultHandler(m);
    SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
    RemovePropW(hwnd_, kBaseProcProp);
    hwnd_ = nullptr;
    mouseInside_ = false;
}

// ---- notifications ----------------------------------------------------------

void TWinControl::CMEnabledChanged(TMessage& m) {
    if (hwnd_) EnableWindow(hwnd_, enabled_);
    TControl::CMEnabledChanged(m);
}

void TWinControl::CMFontChanged(TMessage& m) {
    if (hwnd_) SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(font_.Handle()), FALSE);
    TControl::CMFontChanged(m);
    for (TControl* c : std::vector<TControl*>(controls_))
        c->Perform(CM_PARENTFONTCHANGED);
}

void TWinControl::CMColorChanged(TMessage& m) {
    TControl::CMColorChanged(m);
    for (TControl* c : std::vector<TControl*>(controls_))
        c->Perform(CM_PARENTCOLORCHANGED);
}

void TWinControl::CMSysColorChange(TMessage& m) {
    TControl::CMSysColorChange(m);
    for (TControl* c : std::vector<TControl*>(controls_))
        c->Perform(CM_SYSCOLORCHANGE);
}

void TWinControl::CMFocusChanged(TMessage& m) {
    TControl::CMFocusChanged(m);
    for (TControl* c : std::vector<TControl*>(controls_))
        c->Perform(CM_FOCUSCHANGED, m.WParam, m.LParam);
}

void TWinControl::CMDialogKey(TMessage& m) {
    Broadcast(m);
}

void TWinControl::CMDialogChar(TMessage& m) {
    Broadcast(m);
}

void TWinControl::CMVisibleChanged(TMessage& m) {
    if (!visible_ && Focused() && parent_)
        if (TForm* form = ParentForm(); form && form != this) form->SelectNext(this, true, true);
    TControl::CMVisibleChanged(m);
}

} // namespace yq
