#pragma once
// Skinners that cover scroll bars with TWScrollbar overlays.
//   TSkinScrollbar: framework controls with window scroll bars (memo, list
//     box, grid, scrolling hosts): a horizontal and a vertical overlay that
//     follow the control through scrolling, resizing, moving, showing and
//     hiding; the size box between them takes the skin's face colour.
//   TSkinScrollbarH: the same for a bare window (subclassed); an invisible
//     window hides both overlays.
//   TSkinScControl: a stand-alone scroll bar control, one overlay over it.
//   TSkinListView: a list view; its column header gets a TSkinHeader.
// Unskinning frees the overlays; a control whose window is destroyed
// hides them at once, and they go with the skinner.
#include "SkinControl.h"

namespace yq {

class TWScrollbar;
class TSkinHeader;

class TSkinScrollbar : public TSkinControl {
    YQ_CLASS(TSkinScrollbar, TSkinControl)
public:
    using TSkinControl::TSkinControl;
    ~TSkinScrollbar() override;

    // Framework controls come through here to AttachScrolled.
    void AttachControl(TWinSkinForm* form, TSkinData* skin, bool useSkinColour, TCanvas* canvas) override;
    virtual void AttachScrolled(TWinControl* control, TSkinData* skin, TWinSkinForm* form, TCanvas* canvas);
    void AfterMessage(TMessage& message) override;
    void PaintSkin(HDC dc, const RECT& rect) override;
    void Unskin() override;
    void UpdateSkin() override;
    // A grid's own fixed colour, given back on unskinning (the dispatch
    // gives skinned grids the skin's face colour).
    void KeepFixedColour(TColor colour);

    TWScrollbar* HorzBar = nullptr;
    TWScrollbar* VertBar = nullptr;

protected:
    void MakeBars(bool framework);
    void RepositionBars();
    void InvalidateBars();
    void HideBars();
    void FreeBars();
    // The platform's size box between two shown bars, in the face colour.
    void PaintCornerBox();
    void Scrolled(const TMessage& message);
    void PositionChanged(const WINDOWPOS& position);

private:
    bool fixedColourKept_ = false;
    TColor fixedColour_ = 0;
};

class TSkinScrollbarH : public TSkinScrollbar {
    YQ_CLASS(TSkinScrollbarH, TSkinScrollbar)
public:
    using TSkinScrollbar::TSkinScrollbar;
    void AttachWindow(HWND window, TSkinData* skin, TWinSkinForm* form, TCanvas* canvas) override;
    void AfterMessage(TMessage& message) override;
};

class TSkinScControl : public TSkinControl {
    YQ_CLASS(TSkinScControl, TSkinControl)
public:
    using TSkinControl::TSkinControl;
    ~TSkinScControl() override;
    void AttachControl(TWinSkinForm* form, TSkinData* skin, bool useSkinColour, TCanvas* canvas) override;
    void AfterMessage(TMessage& message) override;
    void PaintSkin(HDC dc, const RECT& rect) override;
    void Unskin() override;
    void UpdateSkin() override;

    TWScrollbar* Bar = nullptr;

private:
    void FreeBar();
};

class TSkinListView : public TSkinScrollbar {
    YQ_CLASS(TSkinListView, TSkinScrollbar)
public:
    using TSkinScrollbar::TSkinScrollbar;
    void AttachScrolled(TWinControl* control, TSkinData* skin, TWinSkinForm* form, TCanvas* canvas) override;

    // The column header's skinner (owned by the list view), or nullptr.
    TSkinHeader* Header = nullptr;
};

} // namespace yq
