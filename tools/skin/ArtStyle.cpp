#include "ArtStyle.h"

namespace yq::art {

namespace {

TRgb H(std::uint32_t rrggbb) {
    return TRgb::Hex(rrggbb);
}

TArtStyle MakeClassic() {
    return {
        .FileName = "",
        .Summary = "light paper surfaces, lantern red and gold accents.",
        .Face = H(0xF6F1E7),
        .Paper = H(0xFBF8F2),
        .White = H(0xFFFFFF),
        .Line = H(0xD4C5B0),
        .Edge = H(0xCDBBA3),
        .EdgeDark = H(0xA8937A),
        .Ink = H(0x3B2F2A),
        .InkSoft = H(0x6E5E52),
        .Muted = H(0xBDB3A8),
        .MutedFill = H(0xF2EEE8),
        .MutedEdge = H(0xDDD4C7),
        .Red = H(0xB8262B),
        .RedDeep = H(0x8E1C20),
        .RedLight = H(0xD4433F),
        .Gold = H(0xD9A441),
        .GoldLight = H(0xF0CF7A),
        .GoldPale = H(0xFBEBCB),
        .HotTop = H(0xFFFAF0),
        .Pressed = H(0xE6DAC7),
        .Track = H(0xF0E9DE),
        .TitleTop = {H(0xC3302F), H(0xBFB2A8)},
        .TitleBottom = {H(0xA11F24), H(0xA99A90)},
        .Outline = {H(0x8E1C20), H(0xA89A90)},
        .CaptionLine = {H(0xD9A441), H(0xC9B9A6)},
        .BorderFace = H(0xF6F1E7),
        .Glyph = {H(0xFFF6EA), H(0xF1E9E2)},
        .Pill = {H(0x7E151A), H(0x8C7C72)},
        .PillLight = {H(0xF0CF7A), H(0xFFFFFF)},
        .ButtonPressed = H(0x000000),
        .ClosePressed = H(0x6E1216),
        .CloseHot = H(0xE0483F),
        .TitleText = {H(0xFFF8EB), H(0xF5ECE2)},
        .Caption = 27,
        .Border = 7,
        .TopRadius = 7,
        .BottomRadius = 5,
        .BottomCorner = 8,
        .CaptionButtonWidth = 28,
        .CaptionButtonHeight = 20,
        .CaptionButtonTop = 4,
        .MenuBarHeight = 20,
        .MdiButtonWidth = 18,
        .MdiButtonHeight = 16,
    };
}

// The same paper surfaces inside the window; the frame is ink, its accents
// gold, and ink takes the place of the lantern red in the controls.
TArtStyle MakeInkGold() {
    TArtStyle s = MakeClassic();
    s.FileName = "ink-gold.skn";
    s.Summary = "ink frame with gold accents, rounded corners.";
    s.Red = H(0x2E2B33);
    s.RedDeep = H(0x1A181E);
    s.RedLight = H(0x4B4752);
    s.TitleTop = {H(0x34313A), H(0x5E5A63)};
    s.TitleBottom = {H(0x18161C), H(0x4A464F)};
    s.Outline = {H(0xB8862A), H(0x3A373F)};
    s.CaptionLine = {H(0xD9A441), H(0x7A7368)};
    s.BorderFace = H(0x25232A);
    s.Glyph = {H(0xF0CF7A), H(0xC4BCAE)};
    s.Pill = {H(0x000000), H(0x2A282E)};
    s.PillLight = {H(0xD9A441), H(0x9A9488)};
    s.ButtonPressed = H(0x000000);
    s.ClosePressed = H(0x8A6420);
    s.CloseHot = H(0xC9963A);
    s.TitleText = {H(0xF3D98F), H(0xC9C2B4)};
    s.Caption = 30;
    s.Border = 5;
    s.TopRadius = 12;
    s.BottomRadius = 9;
    s.BottomCorner = 10;
    s.CaptionButtonTop = 5;
    return s;
}

} // namespace

TPaint TArtStyle::TitleFill(bool active) const {
    return VerticalGradient(1, float(Caption - 1), TitleTop[active ? 0 : 1], TitleBottom[active ? 0 : 1]);
}

const TArtStyle& ClassicStyle() {
    static const TArtStyle style = MakeClassic();
    return style;
}

const TArtStyle& InkGoldStyle() {
    static const TArtStyle style = MakeInkGold();
    return style;
}

} // namespace yq::art
