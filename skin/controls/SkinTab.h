#pragma once
// Tab skinners.
//   TSkinTab: a tab or page control's tab strip composed off-screen from
//     the skin's Tabs picture (frame 1 at rest, 2 the focused tab) and its
//     page border drawn from the Tabs border picture, over the control's
//     own painting.  Tabs at the bottom use the pictures flipped; tabs at
//     the left or right are composed lying down and turned.  The scroll
//     arrows of a strip with more tabs than fit keep their own skinner.
//   TSkinTab31: the older tab set (class "TTabSet"): its tabs along the
//     top, from the Tabs picture turned upside down.  The tab set tells
//     its layout through published properties: StartMargin, EndMargin,
//     FirstIndex, TabIndex and Tabs (the captions, one a line); its scroll
//     buttons are the first component it owns when that is a windowed
//     scroller or up-down control.
#include "Bitmap.h"
#include "SkinControl.h"

namespace yq {

class TSkinUpDown;

enum class TTabOrientation : int { toTop = 0, toBottom = 1, toLeft = 2, toRight = 3 };

class TSkinTab : public TSkinControl {
    YQ_CLASS(TSkinTab, TSkinControl)
public:
    using TSkinControl::TSkinControl;
    ~TSkinTab() override;
    void AttachControl(TWinSkinForm* form, TSkinData* skin, bool useSkinColour, TCanvas* canvas) override;
    void AttachWindow(HWND window, TSkinData* skin, TWinSkinForm* form, TCanvas* canvas) override;
    void UpdateSkin() override;
    void PaintSkin(HDC dc, const RECT& rect) override;

    void PrepareTabImages();
    // Skins the control's scroll arrows the first time they are found;
    // true when they are visible.
    bool FindUpDown();
    // The page rectangle the border is drawn around, in window coordinates.
    RECT PageRect(const RECT& rect) const;

    TTabOrientation Orientation = TTabOrientation::toTop;
    TBitmap TabImage;
    TBitmap BorderImage;
    TBitmap StripBuffer;
    TSkinUpDown* UpDown = nullptr;

protected:
    void Notification(TComponent* component, TOperation operation) override;

private:
    void AttachParts();
    void ComposeStrip(const RECT& rect, const RECT& page, const RECT& strip);
    RECT ItemInBuffer(RECT item, const RECT& rect, const RECT& page) const;
};

class TSkinTab31 : public TSkinControl {
    YQ_CLASS(TSkinTab31, TSkinControl)
public:
    using TSkinControl::TSkinControl;
    ~TSkinTab31() override;
    void AttachControl(TWinSkinForm* form, TSkinData* skin, bool useSkinColour, TCanvas* canvas) override;
    void Unskin() override;
    bool BeforeMessage(TMessage& message) override;
    void PaintSkin(HDC dc, const RECT& rect) override;

    TBitmap TabImage;
    TSkinUpDown* UpDown = nullptr;
    TWinControl* Scroller = nullptr;

protected:
    void Notification(TComponent* component, TOperation operation) override;
};

} // namespace yq
