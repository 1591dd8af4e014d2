#pragma once
// Where a glyph button puts its glyph, caption and popup arrow.  Plain
// integer arithmetic; every division truncates toward zero, as C++ does.
#include "VelaTypes.h"

#include <windows.h>

namespace yq {

struct TVelaPlacement {
    RECT Face{};  // the face rectangle inside the frame
    SIZE Glyph{}; // size of the image drawn
    SIZE Text{};  // extent of the caption in the button's font
    bool HasGlyph = false;
    bool HasCaption = false;
    TLayout Layout = TLayout::blGlyphLeft;
    int Spacing = 4;       // glyph to caption
    int SpacingLayout = 3; // glyph pushed away from the caption
    bool PopupMenuMark = false;
    int Offset = 0; // 1 while pressed
};

// The glyph rectangle G (pressed offset included).
RECT VelaGlyphRect(const TVelaPlacement& p);
// The caption rectangle T, given G.
RECT VelaCaptionRect(const TVelaPlacement& p, const RECT& glyph);
// Top-left corner of the popup arrow next to the glyph.
POINT VelaArrowPos(const RECT& glyph, SIZE arrow, int gap);
// Images in a glyph strip of width x height, starting from the current count.
int VelaCountImages(int width, int height, int current);

} // namespace yq
