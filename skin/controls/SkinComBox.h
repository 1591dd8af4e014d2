#pragma once
// TSkinComBox: a combo box's sunken frame and drop-down button drawn from
// the skin over the box's own painting (ComboButton, 4 frames: normal,
// pressed, disabled, hot or focused; SunkEdge in the same states; the
// arrow from ExtraImages).  The text field keeps the box's own painting;
// a box whose button is hidden (a simple combo box) keeps its whole look,
// and its always-open list gets a scroll-bar skinner.  The edit of a
// drop-down box is subclassed so that presses and paints there repaint
// the button too.
#include "SkinControl.h"

#include <memory>

namespace yq {

// ComboButton.Style values.
enum TComboButtonStyle : int { cbsButtonInEdge = 0, cbsSimple = 1, cbsWhole = 2 };

class TSkinComBox : public TSkinControl {
    YQ_CLASS(TSkinComBox, TSkinControl)
public:
    using TSkinControl::TSkinControl;
    ~TSkinComBox() override;
    void AttachControl(TWinSkinForm* form, TSkinData* skin, bool useSkinColour, TCanvas* canvas) override;
    void AttachWindow(HWND window, TSkinData* skin, TWinSkinForm* form, TCanvas* canvas) override;
    void Unskin() override;
    void AfterMessage(TMessage& message) override;
    void PaintSkin(HDC dc, const RECT& rect) override;

    // The frame the button shows now: 1 normal, 2 pressed, 3 disabled,
    // 4 hot or focused.
    int ButtonFrame() const;

    DWORD ComboStyle = 0;
    DWORD ComboExStyle = 0;
    HWND ListWindow = nullptr;
    HWND EditWindow = nullptr;
    TSkinControl* ListSkinner = nullptr;
    COMBOBOXINFO ComboInfo{};

protected:
    void Notification(TComponent* component, TOperation operation) override;

private:
    // What attaching adds to the base, for framework and bare boxes alike.
    void AttachParts();
    void EditHook(TMessage& message);
    void ShowPress(UINT msg);
    void PaintSimpleCombo(HDC dc, const RECT& rect);
    void PaintButtonInEdge(HDC dc, const RECT& rect, int frame);
    void ReadComboState();
    bool FocusInside() const;
    std::unique_ptr<TWindowSubclass> editHook_;
};

} // namespace yq
