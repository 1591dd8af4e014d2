#pragma once
// TSpeedButton: a windowless button with a glyph and a caption.  Buttons
// of the same parent with the same nonzero GroupIndex work as a group: one
// is Down at a time (or none, with AllowAllUp); a click on a grouped
// button puts it down.  A Flat button shows its frame only while the
// mouse is over it or it is down.
#include "ButtonGlyph.h"
#include "CustomControl.h"

#include <memory>

namespace yq {

class TSpeedButton : public TGraphicControl {
    YQ_CLASS(TSpeedButton, TGraphicControl)
public:
    explicit TSpeedButton(TComponent* owner = nullptr);

    int GroupIndex() const { return groupIndex_; }
    void SetGroupIndex(int index);
    bool Down() const { return down_; }
    void SetDown(bool down);
    bool AllowAllUp() const { return allowAllUp_; }
    void SetAllowAllUp(bool allow);
    bool Flat() const { return flat_; }
    void SetFlat(bool flat);
    TBitmap* Glyph() const { return glyph_.get(); }
    void SetGlyph(const TBitmap& glyph);
    int NumGlyphs() const { return numGlyphs_; }
    void SetNumGlyphs(int count);
    TButtonLayout Layout() const { return layout_; }
    void SetLayout(TButtonLayout layout);
    int Margin() const { return margin_; }
    void SetMargin(int margin);
    int Spacing() const { return spacing_; }
    void SetSpacing(int spacing);
    // The mouse is over the button (hot).
    bool MouseInControl() const { return mouseIn_; }

protected:
    void Paint() override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void CMMouseEnter(TMessage& message) override;
    void CMMouseLeave(TMessage& message) override;
    void CMEnabledChanged(TMessage& message) override;

private:
    // Puts the other buttons of the group up.
    void UpdateGroup();
    std::unique_ptr<TBitmap> glyph_;
    int groupIndex_ = 0;
    bool down_ = false, allowAllUp_ = false, flat_ = false;
    int numGlyphs_ = 1;
    TButtonLayout layout_ = TButtonLayout::blGlyphLeft;
    int margin_ = -1, spacing_ = 4;
    bool pressed_ = false;  // held down by the mouse
    bool dragging_ = false; // the mouse button went down on it
    bool mouseIn_ = false;
};

} // namespace yq
