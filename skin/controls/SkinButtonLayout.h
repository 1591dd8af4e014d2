#pragma once
// Where a skinned button puts its glyph and its caption, and how it draws
// the glyph.  Pure layout arithmetic (divisions truncate toward zero).
#include <windows.h>

namespace yq {

class TBitmap;

// Layout codes as the buttons' "Layout" property names them.
enum class TGlyphLayout { glLeft = 0, glRight = 1, glTop = 2, glBottom = 3 };
TGlyphLayout GlyphLayoutFromName(const char* name);

struct TGlyphTextPlacement {
    POINT Glyph{0, 0};
    POINT Text{0, 0};
};

// Client size w x h; glyph and text sizes; margin or spacing -1 means
// automatic; `extraMargin` is added to an automatic margin worked out from
// a given spacing (the speed button's one pixel).
TGlyphTextPlacement LayoutGlyphAndText(SIZE client, SIZE glyph, SIZE text, TGlyphLayout layout, int margin,
                                       int spacing, int extraMargin);

// Glyph states: 1 up, 2 disabled, 3 down.
// With exactly four cells the state's cell is drawn, else the first; the
// disabled state greys it.  The cell's bottom-left pixel is transparent.
void DrawButtonGlyph(HDC dc, POINT at, const TBitmap& glyph, int numGlyphs, int glyphState);

} // namespace yq
