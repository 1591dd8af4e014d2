#include "KnowledgeWindow.h"

#include "KnowledgeText.h"

#include <algorithm>

namespace yq {
namespace {

constexpr wchar_t kClassName[] = L"YqzsKnowledgeWindow";
constexpr int kInitialWidth = 700;
constexpr int kInitialHeight = 620;
constexpr int kMinWidth = 420;
constexpr int kMinHeight = 300;
constexpr int kLineStep = 40;    // pixels per arrow key or scroll-bar arrow
constexpr int kWheelLines = 3;   // lines per wheel notch
constexpr int kPageOverlap = 40; // pixels kept in view when paging

} // namespace

TKnowledgeWindow::TKnowledgeWindow(HINSTANCE instance)
    : instance_(instance),
      banner_(HBITMAP(LoadImageW(instance, L"COMPANION_BANNER", IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION))) {}

TKnowledgeWindow::~TKnowledgeWindow() {
    if (hwnd_) DestroyWindow(hwnd_);
}

bool TKnowledgeWindow::Create(int show) {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.style = CS_HREDRAW | CS_VREDRAW;
    wc.lpfnWndProc = WindowProc;
    wc.hInstance = instance_;
    wc.hIcon = LoadIconW(instance_, L"MAINICON");
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.lpszClassName = kClassName;
    RegisterClassExW(&wc); // fails harmlessly when already registered
    // Centred on the work area of the primary monitor.
    RECT work{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    int width = std::min<int>(kInitialWidth, work.right - work.left);
    int height = std::min<int>(kInitialHeight, work.bottom - work.top);
    int left = work.left + (work.right - work.left - width) / 2;
    int top = work.top + (work.bottom - work.top - height) / 2;
    HWND hwnd = CreateWindowExW(0, kClassName, kKnowledgeTitle, WS_OVERLAPPEDWINDOW | WS_VSCROLL, left, top,
                                width, height, nullptr, nullptr, instance_, this);
    if (!hwnd) return false;
    ShowWindow(hwnd, show);
    UpdateWindow(hwnd);
    return true;
}

bool TKnowledgeWindow::BringRunningToFront() {
    HWND running = FindWindowW(kClassName, nullptr);
    if (!running) return false;
    if (IsIconic(running)) ShowWindow(running, SW_RESTORE);
    SetForegroundWindow(running);
    return true;
}

LRESULT CALLBACK TKnowledgeWindow::WindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_NCCREATE) {
        auto self = static_cast<TKnowledgeWindow*>(reinterpret_cast<CREATESTRUCTW*>(lp)->lpCreateParams);
        self->hwnd_ = hwnd;
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto self = reinterpret_cast<TKnowledgeWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (!self) return DefWindowProcW(hwnd, msg, wp, lp);
    if (msg == WM_NCDESTROY) {
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        self->hwnd_ = nullptr;
        return DefWindowProcW(hwnd, msg, wp, lp);
    }
    try {
        return self->Handle(msg, wp, lp);
    } catch (...) {
        // Nothing here throws by design; never let an exception cross into the system.
        return DefWindowProcW(hwnd, msg, wp, lp);
    }
}

LRESULT TKnowledgeWindow::Handle(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_SIZE:
        OnSize(LOWORD(lp), HIWORD(lp));
        return 0;
    case WM_PAINT:
        OnPaint();
        return 0;
    case WM_ERASEBKGND:
        return 1; // the paint covers everything
    case WM_VSCROLL:
        OnVScroll(LOWORD(wp));
        return 0;
    case WM_MOUSEWHEEL:
        OnMouseWheel(GET_WHEEL_DELTA_WPARAM(wp));
        return 0;
    case WM_KEYDOWN:
        if (OnKeyDown(wp)) return 0;
        break;
    case WM_GETMINMAXINFO:
        OnGetMinMaxInfo(*reinterpret_cast<MINMAXINFO*>(lp));
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(hwnd_, msg, wp, lp);
}

void TKnowledgeWindow::OnSize(int width, int height) {
    bool relayout = width != client_.cx || layout_.Items().empty();
    client_ = {width, height};
    if (relayout && width > 0) {
        HDC dc = GetDC(hwnd_);
        layout_.Build(dc, fonts_, width);
        ReleaseDC(hwnd_, dc);
    }
    UpdateScrollBar();
    ScrollTo(scroll_);
}

void TKnowledgeWindow::OnPaint() {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd_, &ps);
    // Composed off-screen and copied in one step, so nothing flickers.
    UniqueMemoryDc buffer(CreateCompatibleDC(dc));
    UniqueBitmap picture(
        CreateCompatibleBitmap(dc, std::max<LONG>(client_.cx, 1), std::max<LONG>(client_.cy, 1)));
    {
        SelectGuard select(buffer.get(), picture.get());
        layout_.Paint(buffer.get(), fonts_, banner_.get(), scroll_, client_);
        BitBlt(dc, 0, 0, client_.cx, client_.cy, buffer.get(), 0, 0, SRCCOPY);
    }
    EndPaint(hwnd_, &ps);
}

void TKnowledgeWindow::OnVScroll(int code) {
    SCROLLINFO info{sizeof info, SIF_ALL};
    GetScrollInfo(hwnd_, SB_VERT, &info);
    switch (code) {
    case SB_LINEUP:
        ScrollTo(scroll_ - kLineStep);
        break;
    case SB_LINEDOWN:
        ScrollTo(scroll_ + kLineStep);
        break;
    case SB_PAGEUP:
        ScrollTo(scroll_ - (client_.cy - kPageOverlap));
        break;
    case SB_PAGEDOWN:
        ScrollTo(scroll_ + (client_.cy - kPageOverlap));
        break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION:
        ScrollTo(info.nTrackPos);
        break;
    case SB_TOP:
        ScrollTo(0);
        break;
    case SB_BOTTOM:
        ScrollTo(layout_.Height());
        break;
    }
}

void TKnowledgeWindow::OnMouseWheel(int delta) {
    wheelRemainder_ += delta;
    int notches = wheelRemainder_ / WHEEL_DELTA;
    wheelRemainder_ -= notches * WHEEL_DELTA;
    ScrollTo(scroll_ - notches * kWheelLines * kLineStep);
}

bool TKnowledgeWindow::OnKeyDown(WPARAM key) {
    switch (key) {
    case VK_UP:
        OnVScroll(SB_LINEUP);
        return true;
    case VK_DOWN:
        OnVScroll(SB_LINEDOWN);
        return true;
    case VK_PRIOR:
        OnVScroll(SB_PAGEUP);
        return true;
    case VK_NEXT:
    case VK_SPACE:
        OnVScroll(SB_PAGEDOWN);
        return true;
    case VK_HOME:
        OnVScroll(SB_TOP);
        return true;
    case VK_END:
        OnVScroll(SB_BOTTOM);
        return true;
    }
    return false;
}

void TKnowledgeWindow::OnGetMinMaxInfo(MINMAXINFO& info) {
    info.ptMinTrackSize = {kMinWidth, kMinHeight};
}

void TKnowledgeWindow::ScrollTo(int position) {
    int limit = std::max(0, layout_.Height() - int(client_.cy));
    position = std::clamp(position, 0, limit);
    if (position == scroll_ && GetScrollPos(hwnd_, SB_VERT) == position) return;
    scroll_ = position;
    SetScrollPos(hwnd_, SB_VERT, scroll_, TRUE);
    InvalidateRect(hwnd_, nullptr, FALSE);
}

void TKnowledgeWindow::UpdateScrollBar() {
    SCROLLINFO info{sizeof info, SIF_RANGE | SIF_PAGE | SIF_POS};
    info.nMin = 0;
    info.nMax = std::max(0, layout_.Height() - 1);
    info.nPage = UINT(std::max<LONG>(client_.cy, 0));
    info.nPos = scroll_;
    SetScrollInfo(hwnd_, SB_VERT, &info, TRUE);
}

} // namespace yq
