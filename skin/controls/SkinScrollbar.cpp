#include "SkinScrollbar.h"

#include "SkinHeader.h"
#include "SkinScrollOverlay.h"
#include "WinControl.h"
#include "WinSkinData.h"

#include <string>

#include <commctrl.h>

namespace yq {

YQ_CLASS_INFO(TSkinScrollbar, TSkinControl)
YQ_CLASS_INFO(TSkinScrollbarH, TSkinScrollbar)
YQ_CLASS_INFO(TSkinScControl, TSkinControl)
YQ_CLASS_INFO(TSkinListView, TSkinScrollbar)

namespace {

// A move, a size change, or the window shown or hidden.
bool Placed(const WINDOWPOS& p) {
    return (p.flags & (SWP_NOMOVE | SWP_NOSIZE)) != (SWP_NOMOVE | SWP_NOSIZE) ||
           (p.flags & (SWP_SHOWWINDOW | SWP_HIDEWINDOW));
}

void InvalidateBar(TWScrollbar* bar) {
    if (bar && bar->Shown && bar->HandleAllocated()) InvalidateRect(bar->Handle(), nullptr, FALSE);
}

void HideBar(TWScrollbar* bar) {
    if (bar) bar->HideBar();
}

} // namespace

// ---- framework controls with window scroll bars -------------------------------------

// The control's messages stop first: freeing an overlay uncovers the
// control, which repaints at once.
TSkinScrollbar::~TSkinScrollbar() {
    ReleaseHooks();
    FreeBars();
}

void TSkinScrollbar::AttachControl(TWinSkinForm* form, TSkinData* skin, bool, TCanvas* canvas) {
    if (auto* control = dynamic_cast<TWinControl*>(Owner())) AttachScrolled(control, skin, form, canvas);
}

void TSkinScrollbar::AttachScrolled(TWinControl* control, TSkinData* skin, TWinSkinForm* form,
                                    TCanvas* canvas) {
    if (Attached || !control) return;
    HookControl(*control, skin, form, canvas);
    MakeBars(true);
    Attached = true;
    State = TSkinControlState::scAttached;
}

void TSkinScrollbar::MakeBars(bool framework) {
    HorzBar = new TWScrollbar(this);
    VertBar = new TWScrollbar(this);
    if (framework) {
        HorzBar->AttachToControl(this, Control, wkHorizontal);
        VertBar->AttachToControl(this, Control, wkVertical);
    } else {
        HorzBar->AttachToWindow(this, Handle, wkHorizontal);
        VertBar->AttachToWindow(this, Handle, wkVertical);
    }
    if (!IsWindowVisible(Handle)) HideBars();
}

void TSkinScrollbar::AfterMessage(TMessage& m) {
    switch (m.Msg) {
    case WM_SIZE:
        Redraw();
        break;
    case WM_NCPAINT:
        if (Control && Control->HandleAllocated()) Handle = Control->Handle();
        RepositionBars();
        PaintCornerBox();
        break;
    case WM_HSCROLL:
    case WM_VSCROLL:
        Scrolled(m);
        break;
    case WM_MOUSEWHEEL:
        InvalidateBars();
        break;
    case WM_WINDOWPOSCHANGED:
        PositionChanged(*reinterpret_cast<const WINDOWPOS*>(m.LParam));
        break;
    case CM_VISIBLECHANGED:
        if (m.WParam == 0) HideBars();
        break;
    default:
        TSkinControl::AfterMessage(m);
    }
}

// Only the control's own bars: a child scroll bar control's messages
// (lParam its window) pass by.
void TSkinScrollbar::Scrolled(const TMessage& m) {
    if (m.LParam) return;
    TWScrollbar* bar = m.Msg == WM_HSCROLL ? HorzBar : VertBar;
    if (!bar) return;
    bar->ScrollCode = LOWORD(m.WParam);
    InvalidateBar(bar);
}

// A control moved without a size change may get no non-client paint.
void TSkinScrollbar::PositionChanged(const WINDOWPOS& p) {
    if (!Placed(p)) return;
    if (p.flags & SWP_HIDEWINDOW)
        HideBars();
    else
        RepositionBars();
}

void TSkinScrollbar::RepositionBars() {
    if (!Handle || !IsWindowVisible(Handle)) {
        HideBars();
        return;
    }
    if (HorzBar) HorzBar->Reposition(Handle);
    if (VertBar) VertBar->Reposition(Handle);
}

void TSkinScrollbar::InvalidateBars() {
    InvalidateBar(HorzBar);
    InvalidateBar(VertBar);
}

void TSkinScrollbar::HideBars() {
    HideBar(HorzBar);
    HideBar(VertBar);
}

void TSkinScrollbar::FreeBars() {
    TWScrollbar* horz = HorzBar;
    TWScrollbar* vert = VertBar;
    HorzBar = VertBar = nullptr;
    delete horz;
    delete vert;
}

// The control painted: its bars may have moved with it.
void TSkinScrollbar::PaintSkin(HDC, const RECT&) {
    if (HorzBar) HorzBar->InvalidateIfChanged();
    if (VertBar) VertBar->InvalidateIfChanged();
    PaintCornerBox();
}

void TSkinScrollbar::PaintCornerBox() {
    if (!HorzBar || !VertBar || !HorzBar->Shown || !VertBar->Shown || !SkinData || !Handle) return;
    // Client coordinates of the bars, turned into the whole window's.
    RECT window{};
    GetWindowRect(Handle, &window);
    POINT origin{0, 0};
    ClientToScreen(Handle, &origin);
    RECT box{VertBar->ClientTopLeft.x, HorzBar->ClientTopLeft.y, VertBar->ClientBottomRight.x,
             HorzBar->ClientBottomRight.y};
    OffsetRect(&box, origin.x - window.left, origin.y - window.top);
    if (box.right <= box.left || box.bottom <= box.top) return;
    HDC dc = GetWindowDC(Handle);
    if (!dc) return;
    FillFace(dc, box);
    ReleaseDC(Handle, dc);
}

void TSkinScrollbar::KeepFixedColour(TColor colour) {
    fixedColourKept_ = true;
    fixedColour_ = colour;
}

// The base would also set the control's double buffering, which these
// skinners never change.
void TSkinScrollbar::Unskin() {
    RestoreColour();
    if (fixedColourKept_ && Control && !Control->Destroying())
        SetPropByName(Control, "FixedColor", std::to_wstring(fixedColour_));
    fixedColourKept_ = false;
    if (State == TSkinControlState::scWindowDestroyed)
        HideBars();
    else
        FreeBars();
}

void TSkinScrollbar::UpdateSkin() {
    TSkinControl::UpdateSkin();
    RepositionBars();
}

// ---- bare windows ---------------------------------------------------------------------

void TSkinScrollbarH::AttachWindow(HWND window, TSkinData* skin, TWinSkinForm* form, TCanvas* canvas) {
    if (Attached) return;
    TSkinControl::AttachWindow(window, skin, form, canvas);
    Control = nullptr;
    MakeBars(false);
}

void TSkinScrollbarH::AfterMessage(TMessage& m) {
    if (m.Msg != WM_NCDESTROY && Handle && !IsWindowVisible(Handle)) HideBars();
    switch (m.Msg) {
    case WM_SIZE:
    case WM_NCPAINT:
        RepositionBars();
        PaintCornerBox();
        Redraw();
        break;
    case WM_HSCROLL:
    case WM_VSCROLL:
        Scrolled(m);
        break;
    case WM_WINDOWPOSCHANGED:
        PositionChanged(*reinterpret_cast<const WINDOWPOS*>(m.LParam));
        break;
    default:
        TSkinControl::AfterMessage(m);
    }
}

// ---- stand-alone scroll bars -----------------------------------------------------------

TSkinScControl::~TSkinScControl() {
    ReleaseHooks();
    FreeBar();
}

void TSkinScControl::AttachControl(TWinSkinForm* form, TSkinData* skin, bool, TCanvas* canvas) {
    auto* control = dynamic_cast<TWinControl*>(Owner());
    if (Attached || !control) return;
    HookControl(*control, skin, form, canvas);
    Bar = new TWScrollbar(this);
    Bar->AttachToControl(this, control, wkControl);
    Attached = true;
    State = TSkinControlState::scAttached;
}

void TSkinScControl::AfterMessage(TMessage& m) {
    switch (m.Msg) {
    case WM_NCPAINT:
        if (Control && Control->HandleAllocated()) Handle = Control->Handle();
        if (Bar) Bar->Reposition(Handle);
        break;
    case SBM_SETSCROLLINFO:
        InvalidateBar(Bar);
        break;
    case WM_WINDOWPOSCHANGED:
        if (!Bar || !Placed(*reinterpret_cast<const WINDOWPOS*>(m.LParam))) break;
        if (reinterpret_cast<const WINDOWPOS*>(m.LParam)->flags & SWP_HIDEWINDOW)
            Bar->HideBar();
        else
            Bar->Reposition(Handle);
        break;
    case CM_VISIBLECHANGED:
        if (m.WParam == 0) HideBar(Bar);
        break;
    default:
        TSkinControl::AfterMessage(m);
    }
}

void TSkinScControl::PaintSkin(HDC, const RECT&) {
    if (Bar) Bar->InvalidateIfChanged();
}

void TSkinScControl::FreeBar() {
    TWScrollbar* bar = Bar;
    Bar = nullptr;
    delete bar;
}

void TSkinScControl::Unskin() {
    RestoreColour();
    if (State == TSkinControlState::scWindowDestroyed)
        HideBar(Bar);
    else
        FreeBar();
}

void TSkinScControl::UpdateSkin() {
    TSkinControl::UpdateSkin();
    if (Bar && Handle && IsWindowVisible(Handle)) Bar->Reposition(Handle);
}

// ---- list views ------------------------------------------------------------------------

void TSkinListView::AttachScrolled(TWinControl* control, TSkinData* skin, TWinSkinForm* form,
                                   TCanvas* canvas) {
    if (Attached || !control) return;
    TSkinScrollbar::AttachScrolled(control, skin, form, canvas);
    HWND header = reinterpret_cast<HWND>(SendMessageW(Handle, LVM_GETHEADER, 0, 0));
    if (!header) return;
    Header = new TSkinHeader(control);
    Header->AttachWindow(header, skin, form, canvas);
}

} // namespace yq
