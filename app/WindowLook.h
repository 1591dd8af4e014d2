#pragma once
// Small helpers for the windows' settings: colours written as
// #RRGGBB and fonts given by face, pixel height and colour.
#include "Graphics.h"

#include <string>

namespace yq::look {

constexpr TColor Rgb(unsigned rrggbb) {
    return TColor(((rrggbb >> 16) & 0xFF) | (rrggbb & 0xFF00) | ((rrggbb & 0xFF) << 16));
}

inline void SetFontLook(TFont& font, const wchar_t* name, int pixels, TColor color) {
    font.SetName(name);
    font.SetHeight(-pixels);
    font.SetColor(color);
}

} // namespace yq::look
