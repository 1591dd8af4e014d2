#pragma once
// TLabel: a windowless line (or block) of text painted by its parent.
// Transparent leaves the parent's picture behind the text; AutoSize makes
// the label as large as its text (a right-aligned label keeps its right
// edge, so a longer text grows to the left); Layout places the text
// vertically; WordWrap breaks long text at the label's width.  ShrinkToFit
// makes a text too long for the label fit its area: a smaller font down to
// two fifths of the label's own (never below kMinFitHeight pixels), then
// two or more lines at the largest size that holds them.
#include "CustomControl.h"

#include <string>
#include <vector>

namespace yq {

enum class TTextLayout { tlTop, tlCenter, tlBottom };

// How a text is laid out to fit a rectangle: the font's character height in
// pixels and the lines, each no wider than the rectangle.
struct TLabelFit {
    int fontHeight = 0;
    int lineHeight = 0;
    std::vector<std::wstring> lines;
};

class TCustomLabel : public TGraphicControl {
    YQ_CLASS(TCustomLabel, TGraphicControl)
public:
    explicit TCustomLabel(TComponent* owner = nullptr);

    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment alignment);
    TTextLayout Layout() const { return layout_; }
    void SetLayout(TTextLayout layout);
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool autoSize);
    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool wrap);
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool transparent);
    bool ShrinkToFit() const { return shrinkToFit_; }
    void SetShrinkToFit(bool shrink);

    static constexpr int kMinFitHeight = 14;
    // The layout ShrinkToFit paints in `rect` with the label's font.
    TLabelFit FitText(TCanvas& canvas, const RECT& rect) const;

    // Paints the label on any canvas in the rectangle given: Paint and
    // painters that draw a label elsewhere use it.
    void DrawLabel(TCanvas& canvas, const RECT& rect) const;

protected:
    void Paint() override;
    void CMTextChanged(TMessage& message) override;
    void CMFontChanged(TMessage& message) override;
    // Resizes to the text when AutoSize is on.
    void AdjustBounds();
    UINT DrawFlags() const;

private:
    void DrawFitted(TCanvas& canvas, const RECT& rect) const;

    TAlignment alignment_ = TAlignment::taLeftJustify;
    TTextLayout layout_ = TTextLayout::tlTop;
    bool autoSize_ = true;
    bool wordWrap_ = false;
    bool transparent_ = false;
    bool shrinkToFit_ = false;
};

class TLabel : public TCustomLabel {
    YQ_CLASS(TLabel, TCustomLabel)
public:
    explicit TLabel(TComponent* owner = nullptr) : TCustomLabel(owner) {}
};

} // namespace yq
