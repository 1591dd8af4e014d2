#pragma once
// Small helpers for the windows' settings: colours written as #RRGGBB,
// fonts given by face, pixel height and colour, and the flat glyph buttons
// every window uses.
#include "Graphics.h"

#include <string>

namespace yq {
class TVelaButton;
}

namespace yq::look {

constexpr TColor Rgb(unsigned rrggbb) {
    return TColor(((rrggbb >> 16) & 0xFF) | (rrggbb & 0xFF00) | ((rrggbb & 0xFF) << 16));
}

inline void SetFontLook(TFont& font, const wchar_t* name, int pixels, TColor color) {
    font.SetName(name);
    font.SetHeight(-pixels);
    font.SetColor(color);
}

// A glyph button that melts into its panel: face and both margins in
// `face`, one glyph from the program's bitmap resource `glyph`.
void SetGlyphButtonLook(TVelaButton& button, TColor face, const wchar_t* glyph);

} // namespace yq::look
