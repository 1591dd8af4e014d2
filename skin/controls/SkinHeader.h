#pragma once
// TSkinHeader: a header control (a list view's column header) painted
// wholly from the skin's Headerbar picture: every section, and the empty
// area right of the last one, with the section's image and text on it.
// The section under the mouse shows the picture's hot frame, the one held
// down its pressed frame.  Without a Headerbar picture the header paints
// itself.
#include "Bitmap.h"
#include "SkinControl.h"

#include <commctrl.h>

namespace yq {

// Headerbar frames.
enum THeaderFrame { hbNormal = 1, hbHot = 2, hbPressed = 3 };

class TSkinHeader : public TSkinControl {
    YQ_CLASS(TSkinHeader, TSkinControl)
public:
    using TSkinControl::TSkinControl;
    bool BeforeMessage(TMessage& message) override;
    void AfterMessage(TMessage& message) override;
    void PaintSkin(HDC dc, const RECT& rect) override;

    // The frame a section is drawn with.
    int FrameOf(int item) const;
    int HotItem = -1;
    int PressedItem = -1;

private:
    bool HasPicture() const;
    // The section under a client point, or -1 (on a divider too: that
    // press sizes a column).
    int SectionAt(LPARAM lp) const;
    void MouseMoved(LPARAM lp);
    void SetHot(int item);
    void SetPressed(int item);
    void PaintSection(HDC dc, int index, int& right, HIMAGELIST images);

    TBitmap buffer_;
    bool leaveTracked_ = false;
};

} // namespace yq
