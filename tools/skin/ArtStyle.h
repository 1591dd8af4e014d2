#pragma once
// Colours and sizes shared by the skin's pictures and its description.
#include "Raster.h"

namespace yq::art {

namespace colour {
inline const TRgb Face = TRgb::Hex(0xF6F1E7);  // window and button face
inline const TRgb Paper = TRgb::Hex(0xFBF8F2); // menus, headers
inline const TRgb White = TRgb::Hex(0xFFFFFF);
inline const TRgb Line = TRgb::Hex(0xD4C5B0); // quiet edges
inline const TRgb Edge = TRgb::Hex(0xCDBBA3); // control outlines
inline const TRgb EdgeDark = TRgb::Hex(0xA8937A);
inline const TRgb Ink = TRgb::Hex(0x3B2F2A);     // text
inline const TRgb InkSoft = TRgb::Hex(0x6E5E52); // glyphs
inline const TRgb Muted = TRgb::Hex(0xBDB3A8);   // disabled glyphs
inline const TRgb MutedFill = TRgb::Hex(0xF2EEE8);
inline const TRgb MutedEdge = TRgb::Hex(0xDDD4C7);
inline const TRgb Red = TRgb::Hex(0xB8262B); // lantern red
inline const TRgb RedDeep = TRgb::Hex(0x8E1C20);
inline const TRgb RedLight = TRgb::Hex(0xD4433F);
inline const TRgb Gold = TRgb::Hex(0xD9A441);
inline const TRgb GoldLight = TRgb::Hex(0xF0CF7A);
inline const TRgb GoldPale = TRgb::Hex(0xFBEBCB);
inline const TRgb HotTop = TRgb::Hex(0xFFFAF0);
inline const TRgb Pressed = TRgb::Hex(0xE6DAC7);
inline const TRgb Track = TRgb::Hex(0xF0E9DE);
} // namespace colour

namespace metric {
inline constexpr int Caption = 27; // title bar height, the top border
inline constexpr int Border = 7;   // left, right and bottom borders
inline constexpr int TopRadius = 7;
inline constexpr int BottomRadius = 5;
inline constexpr int CaptionButtonWidth = 28, CaptionButtonHeight = 20, CaptionButtonTop = 4;
inline constexpr int MenuBarHeight = 20;
inline constexpr int MdiButtonWidth = 18, MdiButtonHeight = 16;
} // namespace metric

// The title bar's fill at row y (0 = window top) for the active or
// inactive window; border pictures and caption buttons are painted over it.
TPaint TitleFill(bool active);

} // namespace yq::art
