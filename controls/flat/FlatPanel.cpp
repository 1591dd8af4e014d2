#include "FlatPanel.h"

#include "Paint.h"

namespace yq {

namespace {
constexpr TColor kBorder = 0x61A588;     // #88A561
constexpr TColor kStartColor = 0xFBF1ED; // #EDF1FB
constexpr TColor kStopColor = 0xF7DFD6;  // #D6DFF7
constexpr int kClientInset = 2;
constexpr int kCaptionMargin = 3;
constexpr int kEdgeStrip = 2;

const std::vector<std::string> kFaceNames{"fsDefault", "fsCustom"};
const std::vector<std::string> kDirectionNames{"fdBottomToTop", "fdCenterToVerti", "fdCenterToHoriz",
                                               "fdLeftToRight", "fdRightToLeft",   "fdTopToBottom",
                                               "fdXPFace"};
const std::vector<std::string> kAlignmentNames{"taLeftJustify", "taRightJustify", "taCenter"};

// A getter of TDefinePanel as one of the published class.
template <class R> auto Get(R (TDefinePanel::*getter)() const) {
    return static_cast<R (TFlatPanel::*)() const>(getter);
}

// The platform draws no themed backgrounds here, so the caption rectangle is
// always filled first.
bool ThemesEnabled() {
    return false;
}
} // namespace

YQ_PUBLISHED(TVersionCtrlExt, TCustomControl) {
    r.WStr("Version", &TVersionCtrlExt::Version, &TVersionCtrlExt::SetVersion);
}

YQ_CLASS_INFO(TDefinePanel, TVersionCtrlExt)

YQ_PUBLISHED(TFlatPanel, TDefinePanel) {
    r.Int("ColorBorder", Get(&TDefinePanel::ColorBorder), &TFlatPanel::SetColorBorder);
    r.Int("BackgropStartColor", Get(&TDefinePanel::BackgropStartColor), &TFlatPanel::SetBackgropStartColor);
    r.Int("BackgropStopColor", Get(&TDefinePanel::BackgropStopColor), &TFlatPanel::SetBackgropStopColor);
    r.Bool("TransBorder", &TFlatPanel::TransBorder, &TFlatPanel::SetTransBorder);
    r.Bool("Transparent", &TFlatPanel::Transparent, &TFlatPanel::SetTransparent);
    r.Enum("StyleFace", Get(&TDefinePanel::StyleFace), &TFlatPanel::SetStyleFace, kFaceNames);
    r.Enum("BackgropOrien", Get(&TDefinePanel::BackgropOrien), &TFlatPanel::SetBackgropOrien,
           kDirectionNames);
    r.Enum("Alignment", Get(&TDefinePanel::Alignment), &TFlatPanel::SetAlignment, kAlignmentNames);
    r.Bool("FullRepaint", &TFlatPanel::FullRepaint, &TFlatPanel::SetFullRepaint);
    r.Bool("Locked", &TFlatPanel::Locked, &TFlatPanel::SetLocked);
}

TDefinePanel::TDefinePanel(TComponent* owner)
    : TVersionCtrlExt(owner), colorBorder_(kBorder), startColor_(kStartColor), stopColor_(kStopColor) {
    ControlStyle |= csAcceptsControls | csCaptureMouse | csClickEvents | csDoubleClicks | csSetCaption;
    if (ThemesEnabled())
        ControlStyle |= csParentBackground;
    else
        ControlStyle |= csOpaque;
    color_ = clBtnFace;
    parentColor_ = true;
    parentFont_ = true;
    width_ = 185;
    height_ = 41;
}

void TDefinePanel::SetColors(int index, TColor value) {
    TColor* fields[] = {&colorBorder_, &startColor_, &stopColor_};
    if (index < 0 || index > 2) return;
    *fields[index] = value;
    Invalidate();
}

void TDefinePanel::AdjustClientRect(RECT& rect) const {
    InflateRect(&rect, -kClientInset, -kClientInset);
}

void TDefinePanel::CreateParamsFor(CreateParams& params) {
    TVersionCtrlExt::CreateParamsFor(params);
    params.classStyle &= ~UINT(CS_HREDRAW | CS_VREDRAW);
}

void TDefinePanel::WndProc(TMessage& message) {
    if (message.Msg == CM_ISTOOLCONTROL) {
        message.Result = locked_ ? 0 : 1;
        return;
    }
    TVersionCtrlExt::WndProc(message);
}

void TDefinePanel::CMEnabledChanged(TMessage& message) {
    TVersionCtrlExt::CMEnabledChanged(message);
    Invalidate();
}

void TDefinePanel::CMTextChanged(TMessage& message) {
    TVersionCtrlExt::CMTextChanged(message);
    Invalidate();
}

void TDefinePanel::SetBounds(int left, int top, int width, int height) {
    const RECT before = BoundsRect();
    TVersionCtrlExt::SetBounds(left, top, width, height);
    const RECT after = BoundsRect();
    if (EqualRect(&before, &after)) return;
    InvalidateAfterMove(before.right - before.left, before.bottom - before.top);
}

// Without a full repaint only the strips where the frame moved are redrawn.
void TDefinePanel::InvalidateAfterMove(int oldWidth, int oldHeight) {
    if (!HandleAllocated()) return;
    if (fullRepaint_ || !caption_.empty()) return Invalidate();
    const RECT client = ClientRect();
    if (oldWidth != width_) {
        RECT strip{client.right - kEdgeStrip, 0, client.right, client.bottom};
        InvalidateRect(Handle(), &strip, TRUE);
    }
    if (oldHeight != height_) {
        RECT strip{0, client.bottom - kEdgeStrip, client.right, client.bottom};
        InvalidateRect(Handle(), &strip, TRUE);
    }
}

void TDefinePanel::Paint() {
    const RECT client = ClientRect();
    if (client.right <= 0 || client.bottom <= 0) return;
    TOffscreen buffer(client.right, client.bottom);
    TCanvas& c = buffer.Canvas();
    const RECT captionRect{client.left + kCaptionMargin, client.top, client.right - kCaptionMargin,
                           client.bottom};
    if (!ThemesEnabled() || !(ControlStyle & csParentBackground)) {
        c.Brush().SetColor(color_);
        c.FillRect(captionRect);
    }
    PaintBackground(c, client);
    if (!transBorder_) {
        c.Brush().SetStyle(TBrushStyle::bsSolid);
        c.Brush().SetColor(colorBorder_);
        c.FrameRect(client);
    }
    PaintCaption(c, captionRect);
    buffer.CopyTo(Canvas().Handle());
}

void TDefinePanel::PaintBackground(TCanvas& canvas, const RECT& client) {
    if (transparent_) return DrawParentImage(*this, canvas.Handle());
    if (styleFace_ == TStyleFace::fsCustom)
        return FillGradient(canvas, client, startColor_, stopColor_, orien_, kGradientColors);
    canvas.Brush().SetStyle(TBrushStyle::bsSolid);
    canvas.Brush().SetColor(color_);
    canvas.FillRect(client);
}

void TDefinePanel::PaintCaption(TCanvas& canvas, const RECT& captionRect) {
    if (caption_.empty()) return;
    canvas.Font().Assign(font_);
    canvas.Brush().SetStyle(TBrushStyle::bsClear);
    UINT format = DT_SINGLELINE | DT_VCENTER;
    format |= alignment_ == TAlignment::taCenter         ? DT_CENTER
              : alignment_ == TAlignment::taRightJustify ? DT_RIGHT
                                                         : DT_LEFT;
    RECT r = captionRect;
    if (!enabled_) {
        RECT shifted = r;
        OffsetRect(&shifted, 1, 1);
        canvas.Font().SetColor(clBtnHighlight);
        canvas.DrawText(caption_, shifted, format);
        canvas.Font().SetColor(clBtnShadow);
    }
    canvas.DrawText(caption_, r, format);
}

void TFlatPanel::SetTransBorder(bool on) {
    if (on == transBorder_) return;
    transBorder_ = on;
    Invalidate();
}

void TFlatPanel::SetTransparent(bool on) {
    if (on == transparent_) return;
    transparent_ = on;
    Invalidate();
}

void TFlatPanel::SetStyleFace(TStyleFace face) {
    if (face == styleFace_) return;
    styleFace_ = face;
    Invalidate();
}

void TFlatPanel::SetBackgropOrien(TFillDirection direction) {
    if (direction == orien_) return;
    orien_ = direction;
    Invalidate();
}

void TFlatPanel::SetAlignment(TAlignment alignment) {
    if (alignment == alignment_) return;
    alignment_ = alignment;
    Invalidate();
}

} // namespace yq
