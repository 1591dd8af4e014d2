#pragma once
// Pictures of the gallery, drawn in code: glyphs for the tool bar, the
// speed and bitmap buttons, and icons for the list view.  Each is drawn on
// magenta (0xFF00FF), the transparent colour, which is also the bottom-left
// pixel.
#include "Bitmap.h"
#include "ImgList.h"

namespace yq::gallery {

enum class TGlyph { gOpen, gSkin, gPrev, gNext, gDialog, gLantern, gStar, gNote, gReload, gCount };

constexpr TColor kGlyphKey = 0x00FF00FF;

// A size x size picture of the glyph.
void MakeGlyph(TGlyph glyph, int size, TBitmap& out);
// Every glyph, in TGlyph order, into an image list of that size.
void FillImageList(TCustomImageList& list, int size);

} // namespace yq::gallery
