#pragma once
// Drawing skin pictures.  A picture holds n equal frames side by side (or
// stacked, when `vertical`), counted from 1; margins protect a frame's
// border from scaling (nine-slice).  Scaling is nearest-pixel (no colour is
// ever averaged) and the exact colour 0xFF00FF is transparent wherever a
// call asks for transparency.  The functions keep no state; destinations are
// device contexts; rectangles have right and bottom exclusive.
#include "Bitmap.h"

#include <memory>

#include <windows.h>

namespace yq {

inline constexpr TColor kSkinKeyColour = 0xFF00FF;

struct TSkinMargins {
    int Left = 0, Top = 0, Right = 0, Bottom = 0;
};

// A new picture of `target`'s size: frame k of n, its corners unscaled,
// its edges scaled along one axis and its centre stretched (or tiled).
// Margins that do not fit the target on an axis count as 0 on that axis.
std::unique_ptr<TBitmap> BuildSkinImage(const RECT& target, const TBitmap& picture,
                                        const TSkinMargins& margins, bool vertical, bool tile, int n, int k);
// BuildSkinImage drawn at r, with the key colour left out when transparent.
void DrawSkinImage(HDC dc, const RECT& r, const TBitmap& picture, bool vertical, bool tile, bool transparent,
                   int n, int k, const TSkinMargins& margins);
// The eight border pieces of BuildSkinImage (never the centre), straight
// onto dc.
void DrawSkinImageDirect(HDC dc, const RECT& r, const TBitmap& picture, bool vertical, int n, int k,
                         const TSkinMargins& margins);
// A horizontal bar: left cap, middle tiled, right cap; the height stretches.
void DrawSkinBar(HDC dc, const RECT& r, const TBitmap& picture, bool vertical, bool transparent, int n, int k,
                 const TSkinMargins& margins);
// Frame k of a horizontal strip stretched to r.
void DrawSkinFrame(HDC dc, const RECT& r, const TBitmap& picture, bool transparent, int n, int k);
// Frame k of a horizontal strip unscaled, centred in r.
void DrawSkinGlyph(HDC dc, const RECT& r, const TBitmap& picture, bool transparent, int n, int k);
// The picture at r's top-left, over r's size (at most the picture's), its
// `key`-coloured pixels leaving dc as it was.
void DrawTransparent(HDC dc, const RECT& r, const TBitmap& picture, TColor key);

} // namespace yq
