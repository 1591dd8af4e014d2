#pragma once
// TSkinStatusBar: the whole bar drawn over its own painting: ButtonFace,
// the skin's StatusBarEdges frames (1 lowered, 2 raised, 3 no bevel)
// behind the simple text or each panel, the size grip from ExtraImages,
// composed on the shared scratch picture; then the bar's panel-drawing
// event for every panel.  The bar's own size grip is off while skinned.
#include "SkinControl.h"

namespace yq {

class TSkinStatusBar : public TSkinControl {
    YQ_CLASS(TSkinStatusBar, TSkinControl)
public:
    using TSkinControl::TSkinControl;
    void AttachControl(TWinSkinForm* form, TSkinData* skin, bool useSkinColour, TCanvas* canvas) override;
    void Unskin() override;
    void PaintSkin(HDC dc, const RECT& rect) override;

private:
    void DrawEdge(HDC dc, const RECT& r, int frame) const;
    bool gripWasOn_ = false;
};

// Panel text: one line placed by `alignment` (DT_LEFT, DT_RIGHT or
// DT_CENTER), vertically centred less one pixel, transparent.
void DrawPanelText(HDC dc, const RECT& r, UINT alignment, const std::wstring& text);

} // namespace yq
