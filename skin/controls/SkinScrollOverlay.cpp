#include "SkinScrollOverlay.h"

#include "SkinControl.h"
#include "SkinDraw.h"
#include "TypeInfo.h"
#include "WinSkinData.h"

#include <algorithm>
#include <cctype>
#include <string>

namespace yq {

YQ_CLASS_INFO(TWScrollbar, TCustomControl)

namespace {

constexpr int kArrowFrames = 23;
constexpr int kTrackFrames = 4;
constexpr int kThumbFrames = 3; // when the skin names no FrameCount
enum TArrowFrame { afLeft = 1, afRight = 5, afUp = 9, afDown = 13 };
enum TTrackFrame { tfEnabled = 1, tfDisabled = 3 };
enum TThumbFrame { hfNormal = 1, hfDragged = 2 };

int WidthOf(const RECT& r) {
    return r.right - r.left;
}
int HeightOf(const RECT& r) {
    return r.bottom - r.top;
}

bool IsHorizontalKind(std::string kind) {
    std::transform(kind.begin(), kind.end(), kind.begin(),
                   [](unsigned char c) { return char(std::tolower(c)); });
    return kind == "sbhorizontal";
}

// A bar is disabled as a whole, or by both its arrows.
bool Available(const SCROLLBARINFO& info) {
    if (info.rgstate[0] & STATE_SYSTEM_UNAVAILABLE) return false;
    return !((info.rgstate[1] & STATE_SYSTEM_UNAVAILABLE) && (info.rgstate[5] & STATE_SYSTEM_UNAVAILABLE));
}

// Frame of an arrow: its resting frame, or the next one while pressed.
int ArrowFrame(int resting, bool pressed) {
    return pressed ? resting + 1 : resting;
}

} // namespace

TWScrollbar::TWScrollbar(TComponent* owner) : TCustomControl(owner) {
    SetVisible(false);
    // The press goes to the platform's bar at once; the overlay keeps no capture.
    ControlStyle &= ~unsigned(csCaptureMouse);
    alive_ = std::make_shared<bool>(true);
}

TWScrollbar::~TWScrollbar() {
    *alive_ = false;
}

void TWScrollbar::CreateParamsFor(CreateParams& params) {
    TCustomControl::CreateParamsFor(params);
    params.parentWnd = parentWindow_;
    params.style = WS_CHILD | WS_CLIPSIBLINGS;
}

void TWScrollbar::AttachToControl(TSkinControl* skinner, TWinControl* control, int kind) {
    TargetControl = control;
    Attach(skinner, control->Handle(), kind);
}

void TWScrollbar::AttachToWindow(TSkinControl* skinner, HWND window, int kind) {
    TargetControl = nullptr;
    Attach(skinner, window, kind);
}

void TWScrollbar::Attach(TSkinControl* skinner, HWND window, int kind) {
    Skinner = skinner;
    Kind = std::uint8_t(kind);
    Target = window;
    if (Kind != wkControl)
        Vertical = Kind;
    else if (TargetControl)
        Vertical = IsHorizontalKind(GetEnumPropName(TargetControl, "Kind")) ? 0 : 1;
    else
        Vertical = (GetWindowLongW(window, GWL_STYLE) & SBS_VERT) ? 1 : 0;
    ArrowSize = GetSystemMetrics(SM_CXHSCROLL);
    parentWindow_ = GetParent(window);
    if (parentWindow_) Handle();
    Reposition(window);
}

void TWScrollbar::HideBar() {
    if (HandleAllocated() && IsWindowVisible(Handle())) ShowWindow(Handle(), SW_HIDE);
    Shown = false;
}

bool TWScrollbar::GetBarInfo(SCROLLBARINFO& info) const {
    info = SCROLLBARINFO{};
    info.cbSize = sizeof(info);
    if (!Target || !IsWindow(Target)) return false;
    if (Kind == wkControl) {
        ComputeControlBar(info);
        return true;
    }
    return GetScrollBarInfo(Target, Kind == wkVertical ? LONG(OBJID_VSCROLL) : LONG(OBJID_HSCROLL), &info) !=
           FALSE;
}

// The thumb of a stand-alone bar from the control's position P, maximum R
// and page size S, over the bar's length less its two arrows.
void TWScrollbar::ComputeControlBar(SCROLLBARINFO& info) const {
    RECT r{};
    GetClientRect(Target, &r);
    MapWindowPoints(Target, nullptr, reinterpret_cast<POINT*>(&r), 2);
    info.rcScrollBar = r;
    int p = 0, range = 0, page = 0;
    if (TargetControl) {
        p = int(GetIntPropByName(TargetControl, "Position"));
        range = int(GetIntPropByName(TargetControl, "Max"));
        page = int(GetIntPropByName(TargetControl, "PageSize"));
    } else {
        SCROLLINFO si{sizeof(si), SIF_ALL};
        GetScrollInfo(Target, SB_CTL, &si);
        p = si.nPos;
        range = si.nMax;
        page = int(si.nPage);
    }
    const int l = Vertical ? HeightOf(r) : WidthOf(r);
    const int a = ArrowSize;
    int size = a, start = a;
    // A maximum of 0 leaves nothing to move over: the thumb rests at the start.
    if (range > 0 && page != 0) {
        size = MulDiv(l - 2 * a, page - 1, range);
        if (p != 0) start = a + MulDiv(l - 2 * a, p, range);
    } else if (range > 0 && p != 0) {
        start = a + MulDiv(l - 3 * a, p, range);
    }
    info.dxyLineButton = a;
    info.xyThumbTop = start;
    info.xyThumbBottom = start + size;
    if (!IsWindowVisible(Target)) info.rgstate[0] |= STATE_SYSTEM_INVISIBLE;
    if (!IsWindowEnabled(Target)) info.rgstate[0] |= STATE_SYSTEM_UNAVAILABLE;
}

int TWScrollbar::HitTest(POINT point) const {
    const int p = Vertical ? point.y : point.x;
    const int a = ArrowSize;
    if (p < a) return wcLineUp;
    if (p < ThumbStart) return wcPageUp;
    if (p < ThumbEnd) return wcThumbTrack;
    if (p < Length - a) return wcPageDown;
    return wcLineDown;
}

void TWScrollbar::Reposition(HWND window) {
    Target = window;
    SCROLLBARINFO info;
    if (!GetBarInfo(info)) {
        Shown = false;
        return;
    }
    const TDataSkinObject* arrows = Skinner && Skinner->SkinData ? Skinner->SkinData->Scrollbar() : nullptr;
    const RECT bar = info.rcScrollBar;
    // Without the skin's arrows the platform's own bar shows, and takes
    // its presses itself.
    if ((info.rgstate[0] & STATE_SYSTEM_INVISIBLE) || !arrows || arrows->Image.Empty() || WidthOf(bar) <= 0 ||
        HeightOf(bar) <= 0) {
        HideBar();
        return;
    }
    RECT client = bar;
    MapWindowPoints(nullptr, Target, reinterpret_cast<POINT*>(&client), 2);
    ClientTopLeft = {client.left, client.top};
    ClientBottomRight = {client.right, client.bottom};
    ScreenOrigin = {bar.left, bar.top};
    Length = Vertical ? HeightOf(bar) : WidthOf(bar);
    RECT inParent = bar;
    MapWindowPoints(nullptr, parentWindow_, reinterpret_cast<POINT*>(&inParent), 2);
    ShowAt(inParent);
}

void TWScrollbar::ShowAt(const RECT& r) {
    if (!HandleAllocated()) {
        if (!parentWindow_ || !IsWindow(parentWindow_)) return;
        Handle();
    }
    HWND self = Handle();
    UINT flags = SWP_NOACTIVATE | SWP_NOREDRAW | SWP_SHOWWINDOW;
    HWND after = HWND_TOP;
    if (Kind != wkControl) {
        // Directly above Target among its siblings; the other overlay of
        // the same window may lie between them.
        HWND above = GetWindow(Target, GW_HWNDPREV);
        if (InPlace(above))
            flags |= SWP_NOZORDER;
        else if (above)
            after = above;
    }
    SetWindowPos(self, after, r.left, r.top, WidthOf(r), HeightOf(r), flags);
    Shown = true;
    InvalidateRect(self, nullptr, FALSE);
}

bool TWScrollbar::InPlace(HWND above) const {
    for (int i = 0; above && i < 2; ++i, above = GetWindow(above, GW_HWNDPREV)) {
        if (above == const_cast<TWScrollbar*>(this)->Handle()) return true;
        auto* overlay = dynamic_cast<TWScrollbar*>(TWinControl::FromHandle(above));
        if (!overlay || overlay->Target != Target) return false;
    }
    return false;
}

void TWScrollbar::WndProc(TMessage& m) {
    switch (m.Msg) {
    case WM_ERASEBKGND:
        m.Result = 1;
        return;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        TCustomControl::WndProc(m);
        Press(m);
        return;
    case WM_LBUTTONUP:
        TCustomControl::WndProc(m);
        Release(m);
        return;
    default:
        TCustomControl::WndProc(m);
    }
}

POINT TWScrollbar::ScreenPoint(LPARAM lp) const {
    POINT p{short(LOWORD(lp)), short(HIWORD(lp))};
    ::ClientToScreen(const_cast<TWScrollbar*>(this)->Handle(), &p);
    return p;
}

// The press is the platform's: its bar underneath tracks it in its own
// modal loop, inside this call, and scrolls the control as it goes.  The
// scroll messages reach the skinner, which repaints the overlay live.
void TWScrollbar::Press(TMessage& m) {
    const POINT local{short(LOWORD(m.LParam)), short(HIWORD(m.LParam))};
    const POINT screen = ScreenPoint(m.LParam);
    GetCursorPos(&DownCursor);
    SCROLLBARINFO info;
    if (GetBarInfo(info)) DownThumbStart = info.xyThumbTop;
    if (Kind == wkControl) ScrollCode = HitTest(local);
    Tracking = true;
    if (Kind == wkControl) Invalidate();
    ReleaseCapture();
    const std::shared_ptr<bool> alive = alive_;
    HWND target = Target;
    if (Kind == wkControl) {
        POINT p = screen;
        ::ScreenToClient(target, &p);
        SendMessageW(target, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(p.x, p.y));
    } else {
        const WPARAM hit = Kind == wkVertical ? HTVSCROLL : HTHSCROLL;
        SendMessageW(target, WM_NCLBUTTONDOWN, hit, MAKELPARAM(screen.x, screen.y));
    }
    // The control, its skinner or the skin may have gone during the loop.
    if (!*alive) return;
    Tracking = false;
    ReleaseCapture();
    if (Kind == wkControl) Invalidate();
}

void TWScrollbar::Release(TMessage& m) {
    const POINT screen = ScreenPoint(m.LParam);
    Tracking = false;
    ReleaseCapture();
    if (!Target || !IsWindow(Target)) return;
    if (Kind == wkControl) {
        POINT p = screen;
        ::ScreenToClient(Target, &p);
        PostMessageW(Target, WM_LBUTTONUP, 0, MAKELPARAM(p.x, p.y));
        Invalidate();
    } else {
        PostMessageW(Target, WM_NCLBUTTONUP, Kind == wkVertical ? HTVSCROLL : HTHSCROLL,
                     MAKELPARAM(screen.x, screen.y));
    }
}

// While the thumb is dragged it follows the cursor at once, before the
// control has scrolled, and never leaves the track.
void TWScrollbar::TrackThumb() {
    const int size = ThumbEnd - ThumbStart;
    POINT cursor{};
    GetCursorPos(&cursor);
    const int moved = Vertical ? cursor.y - DownCursor.y : cursor.x - DownCursor.x;
    int start = DownThumbStart + moved;
    start = std::max(ArrowSize, std::min(start, Length - ArrowSize - size));
    ThumbStart = start;
    ThumbEnd = start + size;
}

void TWScrollbar::InvalidateIfChanged() {
    if (!Shown || !HandleAllocated()) return;
    SCROLLBARINFO info;
    if (!GetBarInfo(info)) return;
    if (info.xyThumbTop == drawnTop_ && info.xyThumbBottom == drawnBottom_ &&
        info.rgstate[0] == drawnState_ && EqualRect(&info.rcScrollBar, &drawnBar_))
        return;
    InvalidateRect(Handle(), nullptr, FALSE);
}

void TWScrollbar::Paint() {
    DrawBar(Canvas().Handle());
}

void TWScrollbar::DrawBar(HDC dc) {
    const TSkinData* skin = Skinner ? Skinner->SkinData : nullptr;
    const TDataSkinObject* arrows = skin ? skin->Scrollbar() : nullptr;
    if (!dc || !arrows || arrows->Image.Empty()) return;
    SCROLLBARINFO info;
    if (!GetBarInfo(info) || (info.rgstate[0] & STATE_SYSTEM_INVISIBLE)) return;
    drawnTop_ = info.xyThumbTop;
    drawnBottom_ = info.xyThumbBottom;
    drawnState_ = info.rgstate[0];
    drawnBar_ = info.rcScrollBar;
    const bool enabled = Available(info);
    const int a = ArrowSize;
    const int w = WidthOf(info.rcScrollBar), h = HeightOf(info.rcScrollBar);
    if (w <= 0 || h <= 0) return;
    Length = Vertical ? h : w;
    const int thickness = arrows->Image.Height() + 3 < a ? a : arrows->Image.Height();

    buffer_.SetSize(w, h);
    HDC b = buffer_.Canvas().Handle();
    const RECT all{0, 0, w, h};
    TBrushHandle face(CreateSolidBrush(SkinRGB(skin->ButtonFace)));
    FillRect(b, &all, face.Get());

    const TDataSkinObject* track = Vertical ? skin->VertScroll() : skin->HorzScroll();
    if (track && !track->Image.Empty()) {
        const RECT r = Vertical ? RECT{0, a, thickness, h - a} : RECT{a, 0, w - a, thickness};
        DrawSkinImage(b, r, track->Image, false, track->Tile == 1, track->Trans == 1, kTrackFrames,
                      enabled ? tfEnabled : tfDisabled, track->Margins);
    }

    const int extent = Vertical ? h : w;
    const int arrow = 2 * a > extent ? extent / 2 : a;
    const bool pressedFirst = Tracking && ScrollCode == wcLineUp;
    const bool pressedSecond = Tracking && ScrollCode == wcLineDown;
    if (Vertical) {
        DrawSkinFrame(b, RECT{0, 0, w, arrow}, arrows->Image, true, kArrowFrames,
                      ArrowFrame(afUp, pressedFirst));
        DrawSkinFrame(b, RECT{0, h - arrow, w, h}, arrows->Image, true, kArrowFrames,
                      ArrowFrame(afDown, pressedSecond));
    } else {
        DrawSkinFrame(b, RECT{0, 0, arrow, h}, arrows->Image, true, kArrowFrames,
                      ArrowFrame(afLeft, pressedFirst));
        DrawSkinFrame(b, RECT{w - arrow, 0, w, h}, arrows->Image, true, kArrowFrames,
                      ArrowFrame(afRight, pressedSecond));
    }

    const bool dragging = Tracking && ScrollCode == wcThumbTrack;
    if (dragging && Kind != wkControl) {
        TrackThumb();
    } else {
        ThumbStart = info.xyThumbTop;
        ThumbEnd = info.xyThumbBottom;
    }
    const TDataSkinObject* thumb = Vertical ? skin->VertScrollThumb() : skin->HorzScrollThumb();
    // A thumb that does not fit between the arrows is not drawn.
    const bool fits = ThumbEnd > ThumbStart && ThumbStart >= arrow && ThumbEnd <= extent - arrow;
    if (enabled && fits && thumb && !thumb->Image.Empty()) {
        const RECT r =
            Vertical ? RECT{0, ThumbStart, thickness, ThumbEnd} : RECT{ThumbStart, 0, ThumbEnd, thickness};
        const int frames = thumb->FrameCount > 0 ? thumb->FrameCount : kThumbFrames;
        DrawSkinImage(b, r, thumb->Image, false, false, thumb->Trans == 1, frames,
                      dragging ? hfDragged : hfNormal, thumb->Margins);
    }
    BitBlt(dc, 0, 0, w, h, b, 0, 0, SRCCOPY);
}

} // namespace yq
