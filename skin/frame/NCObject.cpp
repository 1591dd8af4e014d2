#include "NCObject.h"

#include "CaptionButtons.h"
#include "SkinObjects.h"
#include "WinSkinForm.h"
#include "WinSkinMenu.h"

#include <algorithm>

namespace yq {

void TNCObject::MouseEnter() {
    if (Owner.HotObject && Owner.HotObject != this) Owner.HotObject->MouseLeave();
    if (!Visible) return;
    Owner.HotObject = this;
    ButtonState = TNCButtonState::bsHot;
    Paint();
}

void TNCObject::MouseDown() {
    if (Owner.HotObject && Owner.HotObject != this) Owner.HotObject->MouseLeave();
    if (!Visible) return;
    Owner.HotObject = this;
    ButtonState = TNCButtonState::bsPressed;
    Paint();
}

void TNCObject::MouseUp() {
    if (!Visible) return;
    ButtonState = TNCButtonState::bsHot;
    Paint();
}

void TNCObject::MouseLeave() {
    if (!Visible) return;
    if (Owner.HotObject == this) Owner.HotObject = nullptr;
    ButtonState = TNCButtonState::bsNormal;
    Paint();
}

TWinSysButton::TWinSysButton(TWinSkinForm& owner, const TDataSkinSysButton& skinButton, int index)
    : TNCObject(owner), SkinButton(skinButton), Index(index), Picture(&skinButton.Image),
      FrameCount(std::max(1, skinButton.FrameCount)) {}

void TWinSysButton::Paint() {
    if (SkinButton.Visibility == CaptionVisibility::MdiControls) {
        if (Owner.MenuBar) Owner.MenuBar->PaintMdiButton(*this);
        return;
    }
    Owner.PaintCaption();
}

} // namespace yq
