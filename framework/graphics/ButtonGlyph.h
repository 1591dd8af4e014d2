#pragma once
// The face of a button with a glyph and a caption (TBitBtn, TSpeedButton).
// A glyph strip holds NumGlyphs cells: up, disabled, down, held down;
// a state whose cell is missing uses the up cell, drawn embossed when
// disabled.  The glyph's bottom-left pixel is its transparent colour.
// Layout, Margin (-1: centred) and Spacing (-1: even) place glyph and
// caption as the platform's bitmap buttons do.
#include "Bitmap.h"

#include <string>

namespace yq {

enum class TButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };
enum class TButtonState { bsUp, bsDisabled, bsDown, bsExclusive };

struct TButtonFace {
    const TBitmap* glyph = nullptr;
    int numGlyphs = 1;
    TButtonLayout layout = TButtonLayout::blGlyphLeft;
    int margin = -1;
    int spacing = 4;
    std::wstring caption;
    TButtonState state = TButtonState::bsUp;
};

struct TFacePlacement {
    POINT glyph{0, 0};
    RECT text{0, 0, 0, 0};
};

// Where glyph and caption go in a client area of `size`, for a glyph and
// text of the given sizes.
TFacePlacement LayoutButtonFace(SIZE client, SIZE glyph, SIZE text, TButtonLayout layout, int margin,
                                int spacing);

// Draws glyph and caption (in the canvas's font) into `client`.
void DrawButtonFace(TCanvas& canvas, const RECT& client, const TButtonFace& face);

} // namespace yq
