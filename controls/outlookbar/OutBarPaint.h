#pragma once
// Painting helpers shared by the outlook bar, its item lists and their
// arrow buttons.  Colours are TColor values (direct 0x00BBGGRR or system
// 0xFF0000nn), resolved to RGB only when drawn.
#include "Canvas.h"

namespace yq {

// The banded two-colour fill: Height (vertical) or Width (horizontal) is
// split into bands of equal thickness, one per step of the largest channel
// difference; the last band may run one band past the end.  BeginColor lies
// at the top or the left.  Nothing is drawn for an empty extent.
void DrawGradient(TCanvas& canvas, int width, int height, TColor beginColor, TColor endColor, bool vertical);

int Max3(int a, int b, int c);

// Keeps r's width and centres it between bounds' left and right edges.
void CenterHorizontally(RECT& r, const RECT& bounds);

} // namespace yq
