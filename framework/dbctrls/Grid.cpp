#include "Grid.h"

namespace yq {

YQ_PUBLISHED(TCustomGrid, TCustomControl) {
    r.Int("FixedColor", &TCustomGrid::FixedColor, &TCustomGrid::SetFixedColor);
    r.Enum("BorderStyle", &TCustomGrid::BorderStyle, &TCustomGrid::SetBorderStyle, {"bsNone", "bsSingle"});
    r.Bool("Ctl3D", &TCustomGrid::Ctl3D, &TCustomGrid::SetCtl3D);
}

TCustomGrid::TCustomGrid(TComponent* owner) : TCustomControl(owner) {
    SetBounds(0, 0, 320, 120);
    SetColor(clWindow);
    SetTabStop(true);
    SetDoubleBuffered(true);
    ControlStyle |= csOpaque;
}

void TCustomGrid::SetFixedColor(TColor color) {
    if (color == fixedColor_) return;
    fixedColor_ = color;
    Invalidate();
}

void TCustomGrid::SetBorderStyle(TBorderStyle style) {
    if (style == borderStyle_) return;
    borderStyle_ = style;
    ApplyBorder();
}

void TCustomGrid::SetCtl3D(bool on) {
    if (on == ctl3D_) return;
    ctl3D_ = on;
    ApplyBorder();
}

void TCustomGrid::CreateParamsFor(CreateParams& params) {
    TCustomControl::CreateParamsFor(params);
    params.style |= WS_VSCROLL | WS_TABSTOP;
    if (borderStyle_ == TBorderStyle::bsSingle) {
        if (ctl3D_)
            params.exStyle |= WS_EX_CLIENTEDGE;
        else
            params.style |= WS_BORDER;
    }
}

void TCustomGrid::ApplyBorder() {
    if (!HandleAllocated()) return;
    HWND h = Handle();
    LONG_PTR style = GetWindowLongPtrW(h, GWL_STYLE) & ~LONG_PTR(WS_BORDER);
    LONG_PTR ex = GetWindowLongPtrW(h, GWL_EXSTYLE) & ~LONG_PTR(WS_EX_CLIENTEDGE);
    if (borderStyle_ == TBorderStyle::bsSingle) {
        if (ctl3D_)
            ex |= WS_EX_CLIENTEDGE;
        else
            style |= WS_BORDER;
    }
    SetWindowLongPtrW(h, GWL_STYLE, style);
    SetWindowLongPtrW(h, GWL_EXSTYLE, ex);
    SetWindowPos(h, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_FRAMECHANGED);
    Invalidate();
}

} // namespace yq
