#pragma once
// Skinners of containers.
//   TSkinGroupBox: the group box's frame redrawn as a rounded line in the
//     skin's shadow colour, its caption cutting the line, over the box's
//     own painting.
//   TSkinBox: panels, tool bars, forms inside forms: only the colour
//     (ButtonFace while skinned); no messages taken.
//   TSkinBoxH: a dialog nested in a skinned dialog: its background is the
//     skin's ButtonFace.
//   TSkinSizer: a bare scroll-bar window (a size grip): filled with
//     ButtonFace after its own painting.
#include "SkinControl.h"

namespace yq {

class TSkinGroupBox : public TSkinControl {
    YQ_CLASS(TSkinGroupBox, TSkinControl)
public:
    using TSkinControl::TSkinControl;
    void PaintSkin(HDC dc, const RECT& rect) override;
};

class TSkinBox : public TSkinControl {
    YQ_CLASS(TSkinBox, TSkinControl)
public:
    using TSkinControl::TSkinControl;
    void AttachControl(TWinSkinForm* form, TSkinData* skin, bool useSkinColour, TCanvas* canvas) override;
    void Unskin() override;
};

class TSkinBoxH : public TSkinControl {
    YQ_CLASS(TSkinBoxH, TSkinControl)
public:
    using TSkinControl::TSkinControl;
    bool BeforeMessage(TMessage& message) override;
};

class TSkinSizer : public TSkinControl {
    YQ_CLASS(TSkinSizer, TSkinControl)
public:
    using TSkinControl::TSkinControl;
    void PaintSkin(HDC dc, const RECT& rect) override;
};

} // namespace yq
