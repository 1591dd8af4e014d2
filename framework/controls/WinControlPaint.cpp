// TWinControl: painting itself and its windowless children, on the screen
// or on any DC (PaintTo).
#include "WinControl.h"

#include <algorithm>
#include <vector>

namespace yq {

namespace {
// EndPaint must run even when a Paint throws, or the window stays invalid.
class TPaintScope {
public:
    TPaintScope(HWND hwnd, HDC given) : hwnd_(hwnd), dc_(given) {
        if (!dc_) {
            dc_ = BeginPaint(hwnd, &ps_);
            began_ = true;
        }
    }
    ~TPaintScope() {
        if (began_) EndPaint(hwnd_, &ps_);
    }
    TPaintScope(const TPaintScope&) = delete;
    TPaintScope& operator=(const TPaintScope&) = delete;
    HDC Dc() const { return dc_; }
    bool Began() const { return began_; }

private:
    HWND hwnd_;
    HDC dc_;
    PAINTSTRUCT ps_{};
    bool began_ = false;
};
} // namespace

TBrush& TWinControl::ColorBrush() {
    if (brush_.Color() != color_) brush_.SetColor(color_);
    return brush_;
}

void TWinControl::Invalidate() {
    if (hwnd_ && !Destroying()) InvalidateRect(hwnd_, nullptr, !(ControlStyle & csOpaque));
}

void TWinControl::Update() {
    if (hwnd_) UpdateWindow(hwnd_);
}

void TWinControl::PaintWindow(HDC dc) {
    TMessage m{WM_PAINT, reinterpret_cast<WPARAM>(dc), 0, 0};
    DefaultHandler(m);
}

void TWinControl::PaintControls(HDC dc) {
    for (TControl* c : std::vector<TControl*>(controls_)) {
        if (c->windowed_ || !c->visible_) continue;
        RECT r = c->BoundsRect(), clip;
        if (GetClipBox(dc, &clip) != NULLREGION && !IntersectRect(&clip, &clip, &r)) continue;
        c->PaintTo(dc, c->left_, c->top_);
    }
}

void TWinControl::PaintHandler(TMessage& m) {
    TPaintScope paint(hwnd_, reinterpret_cast<HDC>(m.WParam));
    HDC dc = paint.Dc();
    if (!dc) return;
    if (doubleBuffered_ && paint.Began()) {
        RECT c = ClientRect();
        TMemoryDC mem(dc);
        TBitmapHandle bmp(CreateCompatibleBitmap(dc, std::max(1L, c.right), std::max(1L, c.bottom)));
        TSelectObject sel(mem.Get(), bmp.Get());
        Perform(WM_ERASEBKGND, reinterpret_cast<WPARAM>(mem.Get()), reinterpret_cast<LPARAM>(mem.Get()));
        {
            TSavedDC saved(mem.Get());
            PaintWindow(mem.Get());
        }
        PaintControls(mem.Get());
        BitBlt(dc, 0, 0, c.right, c.bottom, mem.Get(), 0, 0, SRCCOPY);
    } else {
        {
            TSavedDC saved(dc);
            PaintWindow(dc);
        }
        PaintControls(dc);
    }
    m.Result = 0;
}

void TWinControl::PaintNonClient(HDC dc) {
    LONG style = GetWindowLongW(hwnd_, GWL_STYLE), ex = GetWindowLongW(hwnd_, GWL_EXSTYLE);
    RECT r{0, 0, width_, height_};
    if (ex & WS_EX_CLIENTEDGE) DrawEdge(dc, &r, EDGE_SUNKEN, BF_RECT | BF_ADJUST);
    if (ex & WS_EX_STATICEDGE) DrawEdge(dc, &r, BDR_SUNKENOUTER, BF_RECT | BF_ADJUST);
    if ((style & WS_CAPTION) == WS_BORDER) FrameRect(dc, &r, HBRUSH(GetStockObject(BLACK_BRUSH)));
}

void TWinControl::PaintTo(HDC dc, int x, int y) {
    if (!hwnd_) Handle();
    if (!hwnd_) return;
    RECT window, client;
    GetWindowRect(hwnd_, &window);
    GetClientRect(hwnd_, &client);
    POINT origin{0, 0};
    ::ClientToScreen(hwnd_, &origin);
    int cx = origin.x - window.left, cy = origin.y - window.top;
    TSavedDC saved(dc);
    POINT org;
    GetWindowOrgEx(dc, &org);
    SetWindowOrgEx(dc, org.x - x, org.y - y, nullptr);
    IntersectClipRect(dc, 0, 0, width_, height_);
    if (cx || cy || client.right != width_ || client.bottom != height_) PaintNonClient(dc);
    {
        TSavedDC inner(dc);
        SetWindowOrgEx(dc, org.x - x - cx, org.y - y - cy, nullptr);
        IntersectClipRect(dc, 0, 0, client.right, client.bottom);
        Perform(WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc));
        Perform(WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
    }
    // Children in the client area's coordinates, clipped to it.
    IntersectClipRect(dc, cx, cy, cx + client.right, cy + client.bottom);
    for (TControl* c : std::vector<TControl*>(controls_))
        if (c->windowed_ && c->visible_) c->PaintTo(dc, cx + c->left_, cy + c->top_);
}

void TWinControl::WMPaint(TMessage& m) {
    bool graphicChildren =
        std::any_of(controls_.begin(), controls_.end(), [](const TControl* c) { return !c->windowed_; });
    if (superclassed_ && !graphicChildren)
        DefaultHandler(m);
    else
        PaintHandler(m);
}

void TWinControl::WMPrintClient(TMessage& m) {
    if (superclassed_) {
        DefaultHandler(m);
        TSavedDC saved(reinterpret_cast<HDC>(m.WParam));
        PaintControls(reinterpret_cast<HDC>(m.WParam));
        return;
    }
    TMessage paint{WM_PAINT, m.WParam, 0, 0};
    PaintHandler(paint);
}

void TWinControl::WMEraseBkgnd(TMessage& m) {
    if (superclassed_) {
        DefaultHandler(m);
        return;
    }
    // An opaque control paints every pixel itself: erasing would flicker.
    if (!(ControlStyle & csOpaque)) {
        HDC dc = reinterpret_cast<HDC>(m.WParam);
        RECT r = ClientRect();
        ::FillRect(dc, &r, ColorBrush().Handle());
    }
    m.Result = 1;
}

} // namespace yq
