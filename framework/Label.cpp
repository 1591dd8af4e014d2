#include "Label.h"

namespace yq {

YQ_PUBLISHED(TCustomLabel, TGraphicControl) {
    r.Enum("Alignment", &TCustomLabel::Alignment, &TCustomLabel::SetAlignment,
           {"taLeftJustify", "taRightJustify", "taCenter"});
    r.Enum("Layout", &TCustomLabel::Layout, &TCustomLabel::SetLayout, {"tlTop", "tlCenter", "tlBottom"});
    r.Bool("AutoSize", &TCustomLabel::AutoSize, &TCustomLabel::SetAutoSize);
    r.Bool("WordWrap", &TCustomLabel::WordWrap, &TCustomLabel::SetWordWrap);
    r.Bool("Transparent", &TCustomLabel::Transparent, &TCustomLabel::SetTransparent);
}

YQ_CLASS_INFO(TLabel, TCustomLabel)

TCustomLabel::TCustomLabel(TComponent* owner) : TGraphicControl(owner) {
    SetBounds(0, 0, 65, 17);
    SetParentColor(true);
}

void TCustomLabel::SetAlignment(TAlignment alignment) {
    if (alignment == alignment_) return;
    alignment_ = alignment;
    Invalidate();
}

void TCustomLabel::SetLayout(TTextLayout layout) {
    if (layout == layout_) return;
    layout_ = layout;
    Invalidate();
}

void TCustomLabel::SetAutoSize(bool autoSize) {
    if (autoSize == autoSize_) return;
    autoSize_ = autoSize;
    AdjustBounds();
}

void TCustomLabel::SetWordWrap(bool wrap) {
    if (wrap == wordWrap_) return;
    wordWrap_ = wrap;
    AdjustBounds();
    Invalidate();
}

void TCustomLabel::SetTransparent(bool transparent) {
    if (transparent == transparent_) return;
    transparent_ = transparent;
    if (transparent_)
        ControlStyle &= ~unsigned(csOpaque);
    else
        ControlStyle |= csOpaque;
    Invalidate();
}

UINT TCustomLabel::DrawFlags() const {
    UINT flags = DT_NOPREFIX | DT_EXPANDTABS;
    if (wordWrap_) flags |= DT_WORDBREAK;
    if (alignment_ == TAlignment::taRightJustify) flags |= DT_RIGHT;
    if (alignment_ == TAlignment::taCenter) flags |= DT_CENTER;
    return flags;
}

void TCustomLabel::DrawLabel(TCanvas& canvas, const RECT& rect) const {
    if (!transparent_) {
        canvas.Brush().SetStyle(TBrushStyle::bsSolid);
        canvas.Brush().SetColor(Color());
        canvas.FillRect(rect);
    }
    canvas.Brush().SetStyle(TBrushStyle::bsClear);
    canvas.Font().Assign(Font());
    if (!Enabled()) canvas.Font().SetColor(clGrayText);
    RECT r = rect;
    if (layout_ != TTextLayout::tlTop) {
        RECT measured = rect;
        canvas.DrawText(caption_, measured, DrawFlags() | DT_CALCRECT);
        int textHeight = measured.bottom - measured.top;
        int room = (rect.bottom - rect.top) - textHeight;
        r.top += layout_ == TTextLayout::tlCenter ? room / 2 : room;
    }
    canvas.DrawText(caption_, r, DrawFlags());
}

void TCustomLabel::Paint() {
    DrawLabel(Canvas(), ClientRect());
}

void TCustomLabel::CMTextChanged(TMessage& message) {
    TGraphicControl::CMTextChanged(message);
    AdjustBounds();
    Invalidate();
}

void TCustomLabel::CMFontChanged(TMessage& message) {
    TGraphicControl::CMFontChanged(message);
    AdjustBounds();
}

void TCustomLabel::AdjustBounds() {
    if (!autoSize_ || Loading()) return;
    TWindowDC screen(nullptr);
    TCanvas canvas;
    canvas.SetHandle(screen.Get());
    canvas.Font().Assign(Font());
    RECT r{0, 0, wordWrap_ ? Width() : 0, 0};
    // An empty caption still has the height of one line.
    canvas.DrawText(caption_.empty() ? L" " : caption_, r, DrawFlags() | DT_CALCRECT);
    canvas.SetHandle(nullptr);
    int width = wordWrap_ ? Width() : r.right - r.left;
    int left = Left();
    if (alignment_ == TAlignment::taRightJustify) left += Width() - width;
    SetBounds(left, Top(), width, r.bottom - r.top);
}

} // namespace yq
