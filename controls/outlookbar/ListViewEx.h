#pragma once
// TCustomDCListViewEx: the base of the outlook item lists.  It paints a
// background (a plain Color fill, a banded gradient, or a bitmap centred,
// stretched or tiled) and never lets the platform erase it: every paint is
// composed by the derived list in one pass over the background.
#include "Bitmap.h"
#include "CustomControl.h"
#include "OutBarTypes.h"

namespace yq {

class TCustomDCListViewEx : public TCustomControl {
    YQ_CLASS(TCustomDCListViewEx, TCustomControl)
public:
    explicit TCustomDCListViewEx(TComponent* owner = nullptr);

    const TBitmap& Background() const { return background_; }
    TBitmap* BackgroundPtr() const { return const_cast<TBitmap*>(&background_); }
    TBackgroundModeGlobal BackgroundMode() const { return backgroundMode_; }
    TColor GradientBeginColor() const { return gradientBegin_; }
    TColor GradientEndColor() const { return gradientEnd_; }
    // Assigning copies the picture; any change of it repaints the list.
    virtual void SetBackground(const TBitmap& bitmap);
    virtual void SetBackgroundMode(TBackgroundModeGlobal mode);
    virtual void SetGradientBeginColor(TColor color);
    virtual void SetGradientEndColor(TColor color);

    // bsSingle: a sunken client edge with Ctl3D, a flat line without.
    TBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TBorderStyle style);
    bool Ctl3D() const { return ctl3D_; }
    void SetCtl3D(bool ctl3D);

    // Paints the background over r (client coordinates) on `canvas`.
    virtual void PaintBackground(TCanvas& canvas, const RECT& r);
    // Runs after the items are drawn; nothing here.
    virtual void AfterPaint(TCanvas& canvas);

protected:
    void CreateParamsFor(CreateParams& params) override;
    void WndProc(TMessage& message) override;

private:
    bool UsesCustomBackground() const;
    void ApplyBorder();

    TBitmap background_;
    TBackgroundModeGlobal backgroundMode_ = TBackgroundModeGlobal::bkmNone;
    TBorderStyle borderStyle_ = TBorderStyle::bsSingle;
    bool ctl3D_ = true;
    TColor gradientBegin_ = clBlue;
    TColor gradientEnd_ = clBlack;
};

} // namespace yq
