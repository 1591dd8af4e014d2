#include "ExtCtrls.h"

#include "Paint.h"

namespace yq {

namespace {
const std::vector<std::string> kBevelNames{"bvNone", "bvLowered", "bvRaised", "bvSpace"};
const std::vector<std::string> kAlignmentNames{"taLeftJustify", "taRightJustify", "taCenter"};
} // namespace

YQ_PUBLISHED(TCustomPanel, TCustomControl) {
    r.Enum("BevelInner", &TCustomPanel::BevelInner, &TCustomPanel::SetBevelInner, kBevelNames);
    r.Enum("BevelOuter", &TCustomPanel::BevelOuter, &TCustomPanel::SetBevelOuter, kBevelNames);
    r.Int("BevelWidth", &TCustomPanel::BevelWidth, &TCustomPanel::SetBevelWidth);
    r.Int("BorderWidth", &TCustomPanel::BorderWidth, &TCustomPanel::SetBorderWidth);
    r.Enum("Alignment", &TCustomPanel::Alignment, &TCustomPanel::SetAlignment, kAlignmentNames);
}

YQ_CLASS_INFO(TPanel, TCustomPanel)

TCustomPanel::TCustomPanel(TComponent* owner) : TCustomControl(owner) {
    ControlStyle |= csAcceptsControls | csOpaque;
    color_ = clBtnFace;
    width_ = 185;
    height_ = 41;
}

void TCustomPanel::Changed() {
    Realign();
    Invalidate();
}

void TCustomPanel::SetBevelInner(TBevelCut cut) {
    if (cut == bevelInner_) return;
    bevelInner_ = cut;
    Changed();
}

void TCustomPanel::SetBevelOuter(TBevelCut cut) {
    if (cut == bevelOuter_) return;
    bevelOuter_ = cut;
    Changed();
}

void TCustomPanel::SetBevelWidth(int width) {
    if (width < 1) width = 1;
    if (width == bevelWidth_) return;
    bevelWidth_ = width;
    Changed();
}

void TCustomPanel::SetBorderWidth(int width) {
    if (width < 0) width = 0;
    if (width == borderWidth_) return;
    borderWidth_ = width;
    Changed();
}

void TCustomPanel::SetAlignment(TAlignment alignment) {
    if (alignment == alignment_) return;
    alignment_ = alignment;
    Invalidate();
}

void TCustomPanel::AdjustClientRect(RECT& rect) const {
    int inset = borderWidth_;
    if (bevelOuter_ != TBevelCut::bvNone) inset += bevelWidth_;
    if (bevelInner_ != TBevelCut::bvNone) inset += bevelWidth_;
    InflateRect(&rect, -inset, -inset);
}

void TCustomPanel::CMTextChanged(TMessage& m) {
    TCustomControl::CMTextChanged(m);
    Invalidate();
}

void TCustomPanel::Paint() {
    TCanvas& c = Canvas();
    RECT r = ClientRect();
    auto bevel = [&](TBevelCut cut) {
        if (cut == TBevelCut::bvNone) return;
        TColor tl = cut == TBevelCut::bvLowered ? clBtnShadow : clBtnHighlight;
        TColor br = cut == TBevelCut::bvLowered ? clBtnHighlight : clBtnShadow;
        if (cut == TBevelCut::bvSpace) tl = br = color_;
        Frame3D(c, r, tl, br, bevelWidth_);
    };
    bevel(bevelOuter_);
    Frame3D(c, r, color_, color_, borderWidth_);
    bevel(bevelInner_);
    c.Brush().SetColor(color_);
    c.FillRect(r);
    if (caption_.empty()) return;
    c.Brush().SetStyle(TBrushStyle::bsClear);
    c.Font().Assign(font_);
    UINT format = DT_SINGLELINE | DT_VCENTER | DT_EXPANDTABS;
    format |= alignment_ == TAlignment::taCenter         ? DT_CENTER
              : alignment_ == TAlignment::taRightJustify ? DT_RIGHT
                                                         : DT_LEFT;
    c.DrawText(caption_, r, format);
}

// ---- TImage -----------------------------------------------------------------

YQ_PUBLISHED(TImage, TGraphicControl) {
    r.Object("Picture", &TImage::PicturePtr);
    r.Bool("Stretch", &TImage::Stretch, &TImage::SetStretch);
    r.Bool("Center", &TImage::Center, &TImage::SetCenter);
    r.Bool("Transparent", &TImage::Transparent, &TImage::SetTransparent);
    r.Bool("AutoSize", &TImage::AutoSize, &TImage::SetAutoSize);
}

TImage::TImage(TComponent* owner) : TGraphicControl(owner) {
    width_ = 105;
    height_ = 105;
    picture_.OnChange = [this] { PictureChanged(); };
}

void TImage::PictureChanged() {
    if (TGraphic* g = picture_.Graphic(); g && g->Transparent() != transparent_)
        g->SetTransparent(transparent_);
    if (autoSize_ && !picture_.Empty()) SetBounds(left_, top_, picture_.Width(), picture_.Height());
    Invalidate();
}

void TImage::SetStretch(bool stretch) {
    if (stretch == stretch_) return;
    stretch_ = stretch;
    Invalidate();
}

void TImage::SetCenter(bool center) {
    if (center == center_) return;
    center_ = center;
    Invalidate();
}

void TImage::SetTransparent(bool transparent) {
    if (transparent == transparent_) return;
    transparent_ = transparent;
    PictureChanged();
}

void TImage::SetAutoSize(bool autoSize) {
    if (autoSize == autoSize_) return;
    autoSize_ = autoSize;
    PictureChanged();
}

RECT TImage::DestRect() const {
    int w = picture_.Width(), h = picture_.Height();
    if (stretch_) return {0, 0, width_, height_};
    RECT r{0, 0, w, h};
    if (center_) OffsetRect(&r, (width_ - w) / 2, (height_ - h) / 2);
    return r;
}

void TImage::Paint() {
    if (picture_.Empty()) return;
    Canvas().StretchDraw(DestRect(), *picture_.Graphic());
}

} // namespace yq
