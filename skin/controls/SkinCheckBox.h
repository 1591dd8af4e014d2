#pragma once
// Check box and radio button skinners: after the control's own painting
// the box (or the circle) is drawn from the skin's CheckButton (RadioButton)
// picture over it, the frame chosen by the mark and the enabled state.
//   4 frames: 1 unchecked, 2 checked, 3 unchecked disabled, 4 checked
//     disabled (also the grey mark).  12 check frames: unchecked 1-4,
//     checked 5-8, mixed 9-12 (normal, hot, pressed, disabled each).
//     8 radio frames: unchecked 1-4, checked 5-8.
// TSkinObjImage hands the skin's check glyphs to a check box that takes
// pictures of its own glyphs (CustomGlyphs), and takes no messages.
#include "SkinControl.h"

namespace yq {

class TSkinCheckBox : public TSkinControl {
    YQ_CLASS(TSkinCheckBox, TSkinControl)
public:
    using TSkinControl::TSkinControl;
    void AfterMessage(TMessage& message) override;
    void PaintSkin(HDC dc, const RECT& rect) override;
    // The frame of the CheckButton picture drawn now (0: none).
    int FrameNow() const;
};

class TSkinRadioButton : public TSkinCheckBox {
    YQ_CLASS(TSkinRadioButton, TSkinCheckBox)
public:
    using TSkinCheckBox::TSkinCheckBox;
    void PaintSkin(HDC dc, const RECT& rect) override;
    int FrameNow() const;
};

// Where the glyph of a box (radio: `radio`) fw x fh goes in rect, and the
// background it clears first.
struct TBoxGlyphPlace {
    RECT Glyph;
    RECT Background;
};
TBoxGlyphPlace PlaceBoxGlyph(const RECT& rect, int fw, int fh, bool boxOnRight, bool radio);

class TSkinObjImage : public TSkinControl {
    YQ_CLASS(TSkinObjImage, TSkinControl)
public:
    using TSkinControl::TSkinControl;
    void AttachControl(TWinSkinForm* form, TSkinData* skin, bool useSkinColour, TCanvas* canvas) override;
    void Unskin() override;
    void UpdateSkin() override;
    // 1: the control takes custom glyphs.
    int CustomGlyphMode = 0;

private:
    void BuildGlyphs();
};

} // namespace yq
