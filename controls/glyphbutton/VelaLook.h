#pragma once
// What a glyph button looks like: the settings each style brings, and the
// one function that maps the button's state to the look to draw.
#include "Colors.h"
#include "VelaTypes.h"

namespace yq {

struct TVelaStyleInfo {
    int IdleWidth;   // frame width at rest
    int ActiveWidth; // frame width while hot or pressed
    bool SetsPen;    // false: the pen style stays as it was (stNone)
    bool Dotted;     // dotted frame lines
    // The 3-D styles: the face is clBtnFace whatever Color says, the button
    // takes the focus and draws an edge and a focus rectangle.
    bool Is3D;
    bool HasDefaultColours; // false: the margin colours stay as they are
    TColor DefaultTopLeft, DefaultBottomRight;
};

const TVelaStyleInfo& VelaStyleInfo(TStyle style);

// The moments a look is drawn for.  A pointer event draws its own row; any
// other repaint draws the row of the last pointer event (Repaint at first).
enum class TVelaLookRow { lrRepaint, lrEnter, lrPressed, lrReleased, lrLeave };

enum class TVelaGlyphChoice { gcNormal, gcHotOrNormal };

struct TVelaLookState {
    int IdleWidth, ActiveWidth;
    TColor TopLeft, BottomRight; // the current margin colours
    bool CaptionHot;
    bool HotTrack;
    TColor HotTrackColor;
    TColor FontColor;
};

struct TVelaLook {
    int FrameWidth;
    TColor TopLeft, BottomRight;
    TVelaGlyphChoice Glyph;
    bool Sunken; // pressed: the 3-D styles' edge is sunken
    TColor CaptionColor;
};

TVelaLook VelaLookFor(TVelaLookRow row, const TVelaLookState& state);

// Which picture a glyph choice shows: the normal glyph (image 1, or the
// disabled image), image 1 of the hot glyph, or nothing.
enum class TVelaImage { viNone, viNormal, viHot };
TVelaImage VelaChooseImage(TVelaGlyphChoice choice, bool hasGlyph, bool hasHotGlyph, bool enabled);

} // namespace yq
