#pragma once
// The skin objects: one per kind of skinned element, each a picture of
// state frames with margins and colours (TDataSkinObject), some with a
// second picture (TDataSkinBorder), the caption text (TDataSkinTitle), the
// push, check and radio buttons (TDataSkinButton) and the caption buttons
// (TDataSkinSysButton).  Plain data; each owns its pictures.
#include "Bitmap.h"
#include "SkinDraw.h"

#include <string>

namespace yq {

class TDataSkinObject {
public:
    TDataSkinObject() = default;
    explicit TDataSkinObject(std::string name) : Name(std::move(name)) {}
    TDataSkinObject(const TDataSkinObject&) = delete;
    TDataSkinObject& operator=(const TDataSkinObject&) = delete;

    TSkinMargins Margins;
    TBitmap Image;
    int Trans = 0;
    int Tile = 0;
    std::string Name;
    int FrameCount = 0;
    int Style = 0;
    TColor NormalColour2 = clBtnText;
    TColor MouseOverColour2 = clBtnText;
    TColor PressedColour2 = clBtnText;
};

class TDataSkinBorder : public TDataSkinObject {
public:
    using TDataSkinObject::TDataSkinObject;
    TBitmap Image2;
};

// Margins hold TextShift (left), TextShiftVert (top) and TextRightClip
// (right); Image is the caption text background.
class TDataSkinTitle : public TDataSkinObject {
public:
    using TDataSkinObject::TDataSkinObject;
    int TextAlignment = 0;
    int TXTBackleft = 0;
    int TXTBackRight = 0;
};

class TDataSkinButton : public TDataSkinObject {
public:
    using TDataSkinObject::TDataSkinObject;
    TBitmap CheckImage;
    TBitmap RadioImage;
    int RadioFrameCount = 0;
    int CheckFrameCount = 0;
    bool HasNormalColour2 = false;
    bool HasMouseOverColour2 = false;
    bool HasPressedColour2 = false;
};

class TDataSkinSysButton : public TDataSkinObject {
public:
    using TDataSkinObject::TDataSkinObject;
    int Action = 0;
    int Align = 0;
    int XCoord = 0;
    int YCoord = 0;
    int Visibility = 0;
    int Visibility1 = 0;
};

} // namespace yq
