#pragma once
// Objects of a skinned frame that react to the mouse: TNCObject (bounds in
// window coordinates, visibility, normal / pressed / hot state) and the
// caption button TWinSysButton, one per caption button of the skin.
#include <windows.h>

namespace yq {

class TWinSkinForm;
class TDataSkinSysButton;
class TBitmap;

enum class TNCButtonState { bsNormal = 1, bsPressed = 2, bsHot = 3 };

class TNCObject {
public:
    explicit TNCObject(TWinSkinForm& owner) : Owner(owner) {}
    virtual ~TNCObject() = default;
    TNCObject(const TNCObject&) = delete;
    TNCObject& operator=(const TNCObject&) = delete;

    virtual void MouseDown();
    virtual void MouseUp();
    virtual void MouseEnter();
    virtual void MouseLeave();
    virtual void Paint() {}

    TWinSkinForm& Owner;
    RECT Bounds{};
    bool Visible = false;
    TNCButtonState ButtonState = TNCButtonState::bsNormal;
};

class TWinSysButton : public TNCObject {
public:
    TWinSysButton(TWinSkinForm& owner, const TDataSkinSysButton& skinButton, int index);
    void Paint() override;

    const TDataSkinSysButton& SkinButton;
    int Index;
    // The skin button's picture, or the window icon for the icon button
    // without one.
    const TBitmap* Picture;
    int FrameCount;
};

} // namespace yq
