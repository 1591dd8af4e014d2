#pragma once
// TCustomGrid: the family of self-painting grids.  It holds what every grid
// shares: the colour of the fixed (title) cells, the border, and the
// window's own vertical scroll bar, which the grid drives and others (a
// skin) may cover.
#include "CustomControl.h"
#include "StdTypes.h"

namespace yq {

class TCustomGrid : public TCustomControl {
    YQ_CLASS(TCustomGrid, TCustomControl)
public:
    explicit TCustomGrid(TComponent* owner = nullptr);

    TColor FixedColor() const { return fixedColor_; }
    void SetFixedColor(TColor color);
    TBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TBorderStyle style);
    // With a single border: sunken 3-D edges, or a flat line when off.
    bool Ctl3D() const { return ctl3D_; }
    void SetCtl3D(bool on);

protected:
    void CreateParamsFor(CreateParams& params) override;

private:
    void ApplyBorder();

    TColor fixedColor_ = clBtnFace;
    TBorderStyle borderStyle_ = TBorderStyle::bsSingle;
    bool ctl3D_ = true;
};

} // namespace yq
