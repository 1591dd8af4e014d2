#include "Hint.h"

#include "Timer.h"

namespace yq {

namespace {
constexpr int kMargin = 2;
constexpr int kMaxHintWidth = 300;
constexpr UINT kHintFormat = DT_LEFT | DT_WORDBREAK | DT_NOPREFIX | DT_EXPANDTABS;
} // namespace

std::wstring ShortHint(const std::wstring& hint) {
    return hint.substr(0, hint.find(L'|'));
}

// ---- THintWindow ------------------------------------------------------------

YQ_CLASS_INFO(THintWindow, TCustomControl)

THintWindow::THintWindow(TComponent* owner) : TCustomControl(owner) {
    visible_ = false;
    color_ = clInfoBk;
    parentFont_ = false;
    font_.SetColor(clInfoText);
    ControlStyle |= csOpaque;
}

void THintWindow::CreateParamsFor(CreateParams& params) {
    TCustomControl::CreateParamsFor(params);
    params.style = WS_POPUP | WS_BORDER;
    params.exStyle = WS_EX_TOOLWINDOW | WS_EX_TOPMOST;
    params.parentWnd = nullptr;
}

RECT THintWindow::CalcHintRect(int maxWidth, const std::wstring& text) {
    RECT r{0, 0, maxWidth, 0};
    Canvas().Font().Assign(font_);
    Canvas().DrawText(text, r, kHintFormat | DT_CALCRECT);
    r.right += 2 * kMargin + 2; // text margins and the border
    r.bottom += 2 * kMargin + 2;
    return r;
}

void THintWindow::ActivateHint(const RECT& r, const std::wstring& text) {
    SetCaption(text);
    SetBounds(r.left, r.top, r.right - r.left, r.bottom - r.top);
    SetWindowPos(Handle(), HWND_TOPMOST, r.left, r.top, r.right - r.left, r.bottom - r.top,
                 SWP_SHOWWINDOW | SWP_NOACTIVATE);
    visible_ = true;
    Invalidate();
}

void THintWindow::ReleaseHint() {
    if (HandleAllocated() && IsWindowVisible(Handle())) ShowWindow(Handle(), SW_HIDE);
    visible_ = false;
}

void THintWindow::Paint() {
    RECT r = ClientRect();
    TCanvas& c = Canvas();
    c.Brush().SetColor(color_);
    c.FillRect(r);
    InflateRect(&r, -kMargin, -kMargin);
    c.Brush().SetStyle(TBrushStyle::bsClear);
    c.DrawText(caption_, r, kHintFormat);
}

// ---- THintController --------------------------------------------------------

YQ_CLASS_INFO(THintController, TComponent)

THintController::THintController(TComponent* owner) : TComponent(owner) {}

THintController::~THintController() {
    MarkDestroying();
    DestroyComponents();
}

void THintController::Notification(TComponent* component, TOperation operation) {
    TComponent::Notification(component, operation);
    if (operation != TOperation::opRemove) return;
    if (component == control_) {
        control_ = nullptr;
        CancelHint();
    }
    if (component == window_) window_ = nullptr;
    if (component == pause_) pause_ = nullptr;
    if (component == hide_) hide_ = nullptr;
}

bool THintController::HintShowing() const {
    return window_ && window_->HandleAllocated() && IsWindowVisible(window_->Handle());
}

TControl* THintController::ControlAt(HWND hwnd, POINT screen) const {
    TWinControl* windowed = TWinControl::FromHandle(hwnd);
    if (!windowed || (window_ && windowed == window_)) return nullptr;
    POINT p = screen;
    ScreenToClient(hwnd, &p);
    if (TControl* child = windowed->ControlAtPos(p, true)) return child;
    return windowed;
}

void THintController::Watch(const MSG& msg) {
    switch (msg.message) {
    case WM_MOUSEMOVE: {
        POINT p{short(LOWORD(msg.lParam)), short(HIWORD(msg.lParam))};
        ClientToScreen(msg.hwnd, &p);
        SetControl(ControlAt(msg.hwnd, p));
        return;
    }
    case WM_NCMOUSEMOVE:
        SetControl(nullptr);
        return;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
    case WM_MOUSEWHEEL:
        CancelHint();
        return;
    default:
        return;
    }
}

void THintController::SetControl(TControl* control) {
    if (control == control_) return;
    CancelHint();
    if (control_) control_->RemoveFreeNotification(this);
    control_ = control;
    if (!control_) return;
    FreeNotification(control_);
    if (!ShowHint || !control_->ShowHint() || ShortHint(control_->Hint()).empty()) return;
    if (!pause_) {
        pause_ = new TTimer(this);
        pause_->OnTimer = [this](TComponent*) { Show(); };
    }
    pause_->SetEnabled(false);
    pause_->SetInterval(HintPause);
    pause_->SetEnabled(true);
}

void THintController::Show() {
    if (pause_) pause_->SetEnabled(false);
    if (!control_ || !control_->Showing()) return;
    std::wstring text = ShortHint(control_->Hint());
    if (text.empty()) return;
    if (!window_) window_ = new THintWindow(this);
    POINT cursor;
    GetCursorPos(&cursor);
    RECT r = window_->CalcHintRect(kMaxHintWidth, text);
    int w = r.right, h = r.bottom;
    int x = cursor.x, y = cursor.y + GetSystemMetrics(SM_CYCURSOR) * 2 / 3;
    x = std::max(0, std::min(x, GetSystemMetrics(SM_CXSCREEN) - w));
    if (y + h > GetSystemMetrics(SM_CYSCREEN)) y = cursor.y - h - 2;
    window_->ActivateHint({x, y, x + w, y + h}, text);
    if (!hide_) {
        hide_ = new TTimer(this);
        hide_->OnTimer = [this](TComponent*) { CancelHint(); };
    }
    hide_->SetEnabled(false);
    hide_->SetInterval(HintHidePause);
    hide_->SetEnabled(true);
}

void THintController::CancelHint() {
    if (pause_) pause_->SetEnabled(false);
    if (hide_) hide_->SetEnabled(false);
    if (window_) window_->ReleaseHint();
}

} // namespace yq
