#pragma once
// Progress and track bar skinners.
//   TSkinProgress paints the whole bar from the skin's Progress object:
//     style 1 a trough with chunk pictures, any other style a trough
//     (frame 1 of 2) with a stretched bar (frame 2) over position / Max
//     of the width, from the bottom when vertical.
//   TSkinTrackBar lets the bar draw its channel and tics and draws the
//     thumb itself (Trackbar.ThumbHorz / ThumbVert, frame 2 of 5) through
//     the bar's custom-draw notifications.
#include "SkinControl.h"

#include <commctrl.h>

namespace yq {

class TSkinProgress : public TSkinControl {
    YQ_CLASS(TSkinProgress, TSkinControl)
public:
    using TSkinControl::TSkinControl;
    bool BeforeMessage(TMessage& message) override;
    void PaintSkin(HDC dc, const RECT& rect) override;

private:
    void PaintChunks(HDC dc, const RECT& rect, int position, int maximum);
    void PaintStretched(HDC dc, const RECT& rect, int position, int maximum);
};

class TSkinTrackBar : public TSkinControl {
    YQ_CLASS(TSkinTrackBar, TSkinControl)
public:
    using TSkinControl::TSkinControl;
    bool BeforeMessage(TMessage& message) override;
    void UpdateSkin() override;
    // The custom-draw answer for one notification (the thumb drawn here).
    LRESULT CustomDraw(const NMCUSTOMDRAW& draw);

private:
    void DrawThumb(HDC dc);
};

} // namespace yq
