#include "Label.h"

#include <algorithm>
#include <cstdlib>

namespace yq {

YQ_PUBLISHED(TCustomLabel, TGraphicControl) {
    r.Enum("Alignment", &TCustomLabel::Alignment, &TCustomLabel::SetAlignment,
           {"taLeftJustify", "taRightJustify", "taCenter"});
    r.Enum("Layout", &TCustomLabel::Layout, &TCustomLabel::SetLayout, {"tlTop", "tlCenter", "tlBottom"});
    r.Bool("AutoSize", &TCustomLabel::AutoSize, &TCustomLabel::SetAutoSize);
    r.Bool("WordWrap", &TCustomLabel::WordWrap, &TCustomLabel::SetWordWrap);
    r.Bool("Transparent", &TCustomLabel::Transparent, &TCustomLabel::SetTransparent);
    r.Bool("ShrinkToFit", &TCustomLabel::ShrinkToFit, &TCustomLabel::SetShrinkToFit);
}

namespace {

// Splits `text` into lines no wider than `width`, breaking between any two
// characters (a glyph wider than `width` gets a line of its own); empty
// when it needs more than `maxLines`.
std::vector<std::wstring> BreakLines(TCanvas& canvas, const std::wstring& text, int width, int maxLines) {
    if (canvas.TextWidth(text) > static_cast<long long>(width) * maxLines) return {};
    std::vector<std::wstring> lines(1);
    int used = 0;
    for (wchar_t c : text) {
        int w = canvas.TextWidth(std::wstring(1, c));
        if (used > 0 && used + w > width) {
            if (int(lines.size()) == maxLines) return {};
            lines.emplace_back();
            used = 0;
        }
        lines.back() += c;
        used += w;
    }
    return lines;
}

} // namespace

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

void TCustomLabel::SetShrinkToFit(bool shrink) {
    if (shrink == shrinkToFit_) return;
    shrinkToFit_ = shrink;
    Invalidate();
}

TLabelFit TCustomLabel::FitText(TCanvas& canvas, const RECT& rect) const {
    int width = rect.right - rect.left, height = rect.bottom - rect.top;
    int designed = std::abs(Font().Height());
    int smallest = std::min(designed, std::max(kMinFitHeight, designed * 2 / 5));
    canvas.Font().Assign(Font());
    TLabelFit fit;
    // One line at the designed size down to the smallest, then two lines,
    // then as many as it takes.
    for (int lines = 1;; ++lines) {
        for (int h = designed; h >= smallest; --h) {
            canvas.Font().SetHeight(-h);
            int lineHeight = canvas.TextHeight(L"国");
            bool last = h == smallest && lines * lineHeight > height;
            if (lines * lineHeight > height && !last) continue;
            std::vector<std::wstring> broken = BreakLines(canvas, caption_, width, last ? 1 << 20 : lines);
            if (broken.empty()) continue;
            fit.fontHeight = h;
            fit.lineHeight = lineHeight;
            fit.lines = std::move(broken);
            return fit;
        }
    }
}

void TCustomLabel::DrawFitted(TCanvas& canvas, const RECT& rect) const {
    TLabelFit fit = FitText(canvas, rect);
    canvas.Font().SetHeight(-fit.fontHeight);
    if (!Enabled()) canvas.Font().SetColor(clGrayText);
    int block = fit.lineHeight * int(fit.lines.size());
    int room = (rect.bottom - rect.top) - block;
    int top = rect.top;
    if (layout_ == TTextLayout::tlCenter) top += room / 2;
    if (layout_ == TTextLayout::tlBottom) top += room;
    UINT flags = DrawFlags() & ~UINT(DT_WORDBREAK);
    for (const std::wstring& line : fit.lines) {
        RECT r{rect.left, top, rect.right, top + fit.lineHeight};
        canvas.DrawText(line, r, flags | DT_SINGLELINE);
        top += fit.lineHeight;
    }
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
    if (shrinkToFit_) {
        DrawFitted(canvas, rect);
        return;
    }
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
