#include "Control.h"

#include "Application.h"
#include "Text.h"

#include <algorithm>
#include <set>

namespace yq {

// ---- TControl ---------------------------------------------------------------

TControl::TControl(TComponent* owner) : TComponent(owner) {
    WindowProc = [this](TMessage& m) { WndProc(m); };
}

TControl::~TControl() { SetParent(nullptr); }

void TControl::SetParent(TWinControl* parent) {
    if (parent == parent_) return;
    if (parent_) {
        auto& v = parent_->controls_;
        v.erase(std::remove(v.begin(), v.end(), this), v.end());
    }
    parent_ = parent;
    if (parent_) parent_->controls_.push_back(this);
}

void TControl::SetBounds(int left, int top, int width, int height) {
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
}

void TControl::SetVisible(bool visible) { visible_ = visible; }

void TControl::SetCaption(const std::wstring& caption) { caption_ = caption; }

LRESULT TControl::Perform(UINT msg, WPARAM wp, LPARAM lp) {
    TMessage m{msg, wp, lp, 0};
    WindowProc(m);
    return m.Result;
}

void TControl::WndProc(TMessage& message) { DefaultHandler(message); }

void TControl::DefaultHandler(TMessage& message) { message.Result = 0; }

// ---- TWinControl ------------------------------------------------------------

namespace {
// One Win32 window class per framework class name, all served by StdWndProc.
const wchar_t* EnsureWindowClass(const char* className, WNDPROC proc) {
    static std::set<std::wstring> registered;
    auto [it, inserted] = registered.insert(Widen(className));
    if (inserted) {
        WNDCLASSEXW wc{sizeof(wc)};
        wc.style = CS_DBLCLKS;
        wc.lpfnWndProc = proc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        wc.hbrBackground = HBRUSH(COLOR_BTNFACE + 1);
        wc.lpszClassName = it->c_str();
        wc.hIcon = LoadIconW(wc.hInstance, L"MAINICON");
        RegisterClassExW(&wc);
    }
    return it->c_str();
}
} // namespace

TWinControl::TWinControl(TComponent* owner) : TControl(owner) {}

TWinControl::~TWinControl() {
    for (TControl* c : std::vector<TControl*>(controls_)) c->SetParent(nullptr);
    DestroyHandle();
}

TWinControl* TWinControl::FromHandle(HWND hwnd) {
    return reinterpret_cast<TWinControl*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
}

HWND TWinControl::Handle() {
    if (!hwnd_) CreateHandle();
    return hwnd_;
}

void TWinControl::CreateParamsFor(CreateParams& params) {
    if (parent_) params.parentWnd = parent_->Handle();
    if (visible_) params.style |= WS_VISIBLE;
}

void TWinControl::CreateHandle() {
    CreateParams params;
    CreateParamsFor(params);
    const wchar_t* cls = EnsureWindowClass(ClassName(), &StdWndProc);
    CreateWindowExW(params.exStyle, cls, caption_.c_str(), params.style, left_, top_, width_, height_,
                    params.parentWnd, params.menu, GetModuleHandleW(nullptr), this);
    if (!hwnd_) return;
    for (TControl* c : controls_)
        if (auto* w = dynamic_cast<TWinControl*>(c)) w->Handle();
}

void TWinControl::DestroyHandle() {
    if (!hwnd_) return;
    HWND h = hwnd_;
    // Stop dispatching to this object before the window goes away.
    SetWindowLongPtrW(h, GWLP_USERDATA, 0);
    hwnd_ = nullptr;
    DestroyWindow(h);
}

void TWinControl::SetBounds(int left, int top, int width, int height) {
    TControl::SetBounds(left, top, width, height);
    if (hwnd_) SetWindowPos(hwnd_, nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

void TWinControl::SetVisible(bool visible) {
    TControl::SetVisible(visible);
    if (hwnd_) ShowWindow(hwnd_, visible ? SW_SHOW : SW_HIDE);
}

void TWinControl::SetCaption(const std::wstring& caption) {
    TControl::SetCaption(caption);
    if (hwnd_) SetWindowTextW(hwnd_, caption.c_str());
}

void TWinControl::WndProc(TMessage& message) {
    switch (message.Msg) {
    case WM_WINDOWPOSCHANGED: {
        if (!IsIconic(hwnd_)) {
            RECT r;
            GetWindowRect(hwnd_, &r);
            if (HWND p = GetParent(hwnd_); p && (GetWindowLongW(hwnd_, GWL_STYLE) & WS_CHILD))
                MapWindowPoints(nullptr, p, reinterpret_cast<POINT*>(&r), 2);
            TControl::SetBounds(r.left, r.top, r.right - r.left, r.bottom - r.top);
        }
        visible_ = IsWindowVisible(hwnd_) != FALSE;
        break;
    }
    default:
        break;
    }
    DefaultHandler(message);
}

void TWinControl::DefaultHandler(TMessage& message) {
    message.Result = hwnd_ ? DefWindowProcW(hwnd_, message.Msg, message.WParam, message.LParam) : 0;
}

LRESULT TWinControl::Dispatch(UINT msg, WPARAM wp, LPARAM lp) {
    TMessage m{msg, wp, lp, 0};
    try {
        WindowProc(m);
    } catch (...) {
        // No C++ exception crosses a Win32 frame: the application shows it.
        Application().HandleException(std::current_exception());
    }
    return m.Result;
}

LRESULT CALLBACK TWinControl::StdWndProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_NCCREATE) {
        auto* self = static_cast<TWinControl*>(reinterpret_cast<CREATESTRUCTW*>(lp)->lpCreateParams);
        self->hwnd_ = hwnd;
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    TWinControl* self = FromHandle(hwnd);
    if (!self) return DefWindowProcW(hwnd, msg, wp, lp);
    LRESULT r = self->Dispatch(msg, wp, lp);
    if (msg == WM_NCDESTROY) {
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        self->hwnd_ = nullptr;
    }
    return r;
}

} // namespace yq
