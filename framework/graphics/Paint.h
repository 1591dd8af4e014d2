#pragma once
// Painting helpers: the 3-D frame, edges, and off-screen composition.
#include "Bitmap.h"

namespace yq {

// A frame `width` pixels wide along the inside of r: top and left rows in
// `topLeft`, bottom and right rows in `bottomRight` (which also take the
// top-right and bottom-left corner pixels).  r shrinks by the width.
void Frame3D(TCanvas& canvas, RECT& r, TColor topLeft, TColor bottomRight, int width);

// The platform's edge drawing (EDGE_RAISED, BDR_SUNKENOUTER, ... with BF_*
// flags; BF_MIDDLE fills the inside with the button face).  With BF_ADJUST
// r becomes the inside.
void DrawEdge(TCanvas& canvas, RECT& r, UINT edge, UINT flags);

// Paints `color` at (x, y) where the bitmap is black and leaves the rest:
// the stamp of a monochrome picture (a colour bitmap is first made
// monochrome: everything but white counts as black).  Disabled glyphs are
// drawn with two such stamps.
void StampMonochrome(TCanvas& canvas, int x, int y, const TBitmap& bitmap, TColor color);

// A bitmap to compose a picture on before copying it to the screen in one
// step (no flicker).
class TOffscreen {
public:
    TOffscreen(int width, int height);
    TCanvas& Canvas() { return bitmap_.Canvas(); }
    HDC Dc() { return bitmap_.Canvas().Handle(); }
    TBitmap& Bitmap() { return bitmap_; }
    // Copies the whole picture to dc at (x, y).
    void CopyTo(HDC dc, int x = 0, int y = 0);

private:
    TBitmap bitmap_;
};

} // namespace yq
