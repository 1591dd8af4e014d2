#pragma once
// TSkinUpDown: the two buttons of an up-down control drawn from the skin's
// UpDown.Vert / UpDown.Horz objects (8 frames: the first button's normal,
// pressed, disabled and hot frames, then the second button's), or plainly
// when the skin has no picture for the orientation.  The skinner takes the
// control's painting over entirely; presses still reach the control first,
// so it steps its position as it would unskinned.
#include "SkinControl.h"

#include <cstdint>

namespace yq {

class TSkinData;

// Arrow of an up-down button; also its place in the frame layout.
enum class TUpDownArrow : int { udaUp = 0, udaDown = 1, udaLeft = 2, udaRight = 3 };

// Button state, the frame number within one button's four frames.
enum TUpDownState : int { udsNormal = 1, udsPressed = 2, udsDisabled = 3, udsHot = 4 };

class TSkinUpDown : public TSkinControl {
    YQ_CLASS(TSkinUpDown, TSkinControl)
public:
    using TSkinControl::TSkinControl;
    bool BeforeMessage(TMessage& message) override;
    void PaintSkin(HDC dc, const RECT& rect) override;

    // The buttons sit inside an edit box: drawn inset by one pixel.
    bool Embedded = false;
    // 1: buttons left and right whatever the control's style.
    std::uint32_t ForceHorizontal = 0;

    bool Horizontal() const;
    // The state of a button given whether the cursor is over the other one.
    int ButtonState(bool cursorOverOther) const;
};

// Frame s + 4a of the orientation's object stretched into r (key colour
// transparent), with the same frame of its glyph picture centred unscaled.
void DrawUpDownButton(HDC dc, const RECT& r, TUpDownArrow arrow, int state, const TSkinData& skin);
// Without skin pictures: a filled outlined box with a small arrow.
void DrawPlainUpDownButton(HDC dc, const RECT& r, TUpDownArrow arrow, int state, const TSkinData& skin);

} // namespace yq
