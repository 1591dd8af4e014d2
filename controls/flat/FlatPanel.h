#pragma once
// TVersionCtrlExt / TDefinePanel / TFlatPanel: the flat container that
// frames groups of controls.  A one-pixel border, a solid, gradient or
// see-through fill and a one-line caption, all composed off screen; children
// are aligned 2 pixels inside the edges.
#include "CustomControl.h"
#include "FlatUtils.h"

#include <string>

namespace yq {

// A self-painting control that reports the component library's version.
class TVersionCtrlExt : public TCustomControl {
    YQ_CLASS(TVersionCtrlExt, TCustomControl)
public:
    using TCustomControl::TCustomControl;
    // Always "4.56.0.0"; written values are ignored.
    std::wstring Version() const { return L"4.56.0.0"; }
    void SetVersion(const std::wstring&) {}
};

enum class TStyleFace { fsDefault, fsCustom };

class TDefinePanel : public TVersionCtrlExt {
    YQ_CLASS(TDefinePanel, TVersionCtrlExt)
public:
    explicit TDefinePanel(TComponent* owner = nullptr);

    // Index 0: ColorBorder, 1: BackgropStartColor, 2: BackgropStopColor.
    virtual void SetColors(int index, TColor value);
    TColor ColorBorder() const { return colorBorder_; }
    TColor BackgropStartColor() const { return startColor_; }
    TColor BackgropStopColor() const { return stopColor_; }
    bool TransBorder() const { return transBorder_; }
    bool Transparent() const { return transparent_; }
    TStyleFace StyleFace() const { return styleFace_; }
    TFillDirection BackgropOrien() const { return orien_; }
    TAlignment Alignment() const { return alignment_; }
    bool FullRepaint() const { return fullRepaint_; }
    bool Locked() const { return locked_; }

    void SetBounds(int left, int top, int width, int height) override;

    // Gradient colour count.
    static constexpr int kGradientColors = 60;

protected:
    void Paint() override;
    void AdjustClientRect(RECT& rect) const override;
    void CreateParamsFor(CreateParams& params) override;
    void WndProc(TMessage& message) override;
    void CMEnabledChanged(TMessage& message) override;
    void CMTextChanged(TMessage& message) override;

    TColor colorBorder_;
    TColor startColor_;
    TColor stopColor_;
    bool transBorder_ = false;
    bool transparent_ = false;
    TStyleFace styleFace_ = TStyleFace::fsDefault;
    TFillDirection orien_ = TFillDirection::fdLeftToRight;
    TAlignment alignment_ = TAlignment::taCenter;
    bool fullRepaint_ = true;
    bool locked_ = false;

private:
    void PaintBackground(TCanvas& canvas, const RECT& client);
    void PaintCaption(TCanvas& canvas, const RECT& captionRect);
    void InvalidateAfterMove(int oldWidth, int oldHeight);
};

class TFlatPanel : public TDefinePanel {
    YQ_CLASS(TFlatPanel, TDefinePanel)
public:
    using TDefinePanel::TDefinePanel;

    void SetColorBorder(TColor c) { SetColors(0, c); }
    void SetBackgropStartColor(TColor c) { SetColors(1, c); }
    void SetBackgropStopColor(TColor c) { SetColors(2, c); }
    void SetTransBorder(bool on);
    void SetTransparent(bool on);
    void SetStyleFace(TStyleFace face);
    void SetBackgropOrien(TFillDirection direction);
    void SetAlignment(TAlignment alignment);
    void SetFullRepaint(bool on) { fullRepaint_ = on; }
    void SetLocked(bool on) { locked_ = on; }
};

} // namespace yq
