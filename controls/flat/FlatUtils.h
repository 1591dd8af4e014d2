#pragma once
// Flat utilities: colour gradients over a rectangle in a direction, the
// button-like face built from them, and the band arithmetic they share.
#include "Canvas.h"
#include "Colors.h"

namespace yq {

enum class TFillDirection {
    fdBottomToTop,
    fdCenterToVerti,
    fdCenterToHoriz,
    fdLeftToRight,
    fdRightToLeft,
    fdTopToBottom,
    fdXPFace
};

// How a gradient `size` pixels long along its axis is cut for `count`
// colours: `bands` bands of `band` pixels, then `rest` pixels of the last
// colour at the far edge.
struct TGradientBands {
    int bands = 0;
    int band = 0;
    int rest = 0;
};
TGradientBands GradientBands(int size, int count);

// Colour n of `bands` running from `from` to `to` (each channel rounded to
// the nearest integer).
TColor GradientColor(TColor from, TColor to, int n, int bands);

// `a` + `amount` in each channel, kept within 0..255.
TColor LightenColor(TColor a, int amount);

// Fills r with `count` colours from a to b in `direction`.  An empty r draws
// nothing; a count below 2 fills r with a.
void FillGradient(TCanvas& canvas, const RECT& r, TColor a, TColor b, TFillDirection direction, int count);

// A button-like face: a one-pixel frame in b, a body and 6-pixel edge strips
// shaded between a lightened by 30, a and b, corners continued from the strips.
void DrawXPFace(TCanvas& canvas, const RECT& r, TColor a, TColor b, int count);

} // namespace yq
