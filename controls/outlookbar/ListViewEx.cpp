#include "ListViewEx.h"

#include "GdiObjects.h"
#include "OutBarPaint.h"

namespace yq {

YQ_PUBLISHED(TCustomDCListViewEx, TCustomControl) {
    r.Object("Background", &TCustomDCListViewEx::BackgroundPtr);
    r.Enum<TBackgroundModeGlobal, TBackgroundModeGlobal>(
        "BackgroundMode", &TCustomDCListViewEx::BackgroundMode, &TCustomDCListViewEx::SetBackgroundMode,
        {"bkmNone", "bkmGradientHorz", "bkmGradientVert", "bkmCenter", "bkmStretch", "bkmTile"});
    r.Enum<TBorderStyle, TBorderStyle>("BorderStyle", &TCustomDCListViewEx::BorderStyle,
                                       &TCustomDCListViewEx::SetBorderStyle, {"bsNone", "bsSingle"});
    r.Bool("Ctl3D", &TCustomDCListViewEx::Ctl3D, &TCustomDCListViewEx::SetCtl3D);
    r.Int<TColor, TColor>("GradientBeginColor", &TCustomDCListViewEx::GradientBeginColor,
                          &TCustomDCListViewEx::SetGradientBeginColor);
    r.Int<TColor, TColor>("GradientEndColor", &TCustomDCListViewEx::GradientEndColor,
                          &TCustomDCListViewEx::SetGradientEndColor);
}

TCustomDCListViewEx::TCustomDCListViewEx(TComponent* owner) : TCustomControl(owner) {
    ControlStyle |= csOpaque;
    background_.OnChange = [this] { Invalidate(); };
}

void TCustomDCListViewEx::SetBackground(const TBitmap& bitmap) {
    if (&bitmap != &background_) background_.Assign(bitmap);
    Invalidate();
}

void TCustomDCListViewEx::SetBackgroundMode(TBackgroundModeGlobal mode) {
    if (mode == backgroundMode_) return;
    backgroundMode_ = mode;
    Invalidate();
}

namespace {
bool IsGradient(TBackgroundModeGlobal mode) {
    return mode == TBackgroundModeGlobal::bkmGradientHorz || mode == TBackgroundModeGlobal::bkmGradientVert;
}
} // namespace

void TCustomDCListViewEx::SetGradientBeginColor(TColor color) {
    if (color == gradientBegin_) return;
    gradientBegin_ = color;
    if (IsGradient(backgroundMode_)) Invalidate();
}

void TCustomDCListViewEx::SetGradientEndColor(TColor color) {
    if (color == gradientEnd_) return;
    gradientEnd_ = color;
    if (IsGradient(backgroundMode_)) Invalidate();
}

void TCustomDCListViewEx::SetBorderStyle(TBorderStyle style) {
    if (style == borderStyle_) return;
    borderStyle_ = style;
    ApplyBorder();
}

void TCustomDCListViewEx::SetCtl3D(bool ctl3D) {
    if (ctl3D == ctl3D_) return;
    ctl3D_ = ctl3D;
    ApplyBorder();
}

void TCustomDCListViewEx::CreateParamsFor(CreateParams& params) {
    TCustomControl::CreateParamsFor(params);
    if (borderStyle_ != TBorderStyle::bsSingle) return;
    if (ctl3D_)
        params.exStyle |= WS_EX_CLIENTEDGE;
    else
        params.style |= WS_BORDER;
}

// The border is part of the window's styles: change them in place.
void TCustomDCListViewEx::ApplyBorder() {
    if (!HandleAllocated()) return;
    HWND h = Handle();
    LONG style = GetWindowLongW(h, GWL_STYLE) & ~LONG(WS_BORDER);
    LONG ex = GetWindowLongW(h, GWL_EXSTYLE) & ~LONG(WS_EX_CLIENTEDGE);
    if (borderStyle_ == TBorderStyle::bsSingle) {
        if (ctl3D_)
            ex |= WS_EX_CLIENTEDGE;
        else
            style |= WS_BORDER;
    }
    SetWindowLongW(h, GWL_STYLE, style);
    SetWindowLongW(h, GWL_EXSTYLE, ex);
    SetWindowPos(h, nullptr, 0, 0, 0, 0,
                 SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    Realign();
    Invalidate();
}

void TCustomDCListViewEx::WndProc(TMessage& message) {
    if (message.Msg == WM_ERASEBKGND) {
        message.Result = 1; // the paint covers everything
        return;
    }
    TCustomControl::WndProc(message);
}

bool TCustomDCListViewEx::UsesCustomBackground() const {
    if (backgroundMode_ == TBackgroundModeGlobal::bkmNone) return false;
    return !background_.Empty() || IsGradient(backgroundMode_);
}

void TCustomDCListViewEx::PaintBackground(TCanvas& canvas, const RECT& r) {
    HDC dc = canvas.Handle();
    if (!dc) return;
    const RECT wide{r.left, r.top, r.right + 1, r.bottom + 1};
    if (!UsesCustomBackground()) {
        canvas.Brush().SetColor(Color());
        canvas.FillRect(wide);
        return;
    }
    TSavedDC saved(dc);
    IntersectClipRect(dc, wide.left, wide.top, wide.right, wide.bottom);
    const int cw = ClientWidth(), ch = ClientHeight();
    const int bw = background_.Width(), bh = background_.Height();
    switch (backgroundMode_) {
    case TBackgroundModeGlobal::bkmGradientHorz:
        DrawGradient(canvas, cw, ch, gradientBegin_, gradientEnd_, false);
        break;
    case TBackgroundModeGlobal::bkmGradientVert:
        DrawGradient(canvas, cw, ch, gradientBegin_, gradientEnd_, true);
        break;
    case TBackgroundModeGlobal::bkmCenter:
        canvas.Brush().SetColor(Color());
        canvas.FillRect(wide);
        canvas.Draw((cw - bw) / 2, (ch - bh) / 2, background_);
        break;
    case TBackgroundModeGlobal::bkmStretch:
        canvas.StretchDraw(RECT{0, 0, cw, ch}, background_);
        break;
    case TBackgroundModeGlobal::bkmTile:
        for (int i = wide.left / bw; i <= (wide.right + bw - 1) / bw; ++i)
            for (int j = wide.top / bh; j <= (wide.bottom + bh - 1) / bh; ++j)
                canvas.Draw(i * bw, j * bh, background_);
        break;
    case TBackgroundModeGlobal::bkmNone:
        break;
    }
}

void TCustomDCListViewEx::AfterPaint(TCanvas&) {}

} // namespace yq
