#pragma once
// The look of one skin: the palette and sizes that its pictures and its
// description share.  Every picture is drawn from a TArtStyle value, so a
// skin is one instance: ClassicStyle() is the quiz window's skin,
// InkGoldStyle() the second skin shipped beside the program.
#include "Raster.h"

#include <array>
#include <string>

namespace yq::art {

struct TArtStyle {
    using TPair = std::array<TRgb, 2>; // {active, inactive}

    std::string FileName; // the skin file's name, "" for the skin stored in the program
    std::string Summary;  // the description's first comment line

    // Surfaces and accents of the controls.
    TRgb Face;  // window and button face
    TRgb Paper; // menus, headers
    TRgb White;
    TRgb Line; // quiet edges
    TRgb Edge; // control outlines
    TRgb EdgeDark;
    TRgb Ink;     // text
    TRgb InkSoft; // glyphs
    TRgb Muted;   // disabled glyphs
    TRgb MutedFill;
    TRgb MutedEdge;
    TRgb Red; // the main accent: checked boxes, selected tabs, the default button
    TRgb RedDeep;
    TRgb RedLight;
    TRgb Gold;
    TRgb GoldLight;
    TRgb GoldPale;
    TRgb HotTop;
    TRgb Pressed;
    TRgb Track;

    // The window frame.
    TPair TitleTop, TitleBottom; // the title bar's gradient
    TPair Outline;               // the window's outermost pixel ring
    TPair CaptionLine;           // the line under the title bar
    TRgb BorderFace;             // side and bottom borders below the caption
    TPair Glyph;                 // caption button glyphs
    TPair Pill, PillLight;       // the soft pill behind the caption text
    TRgb ButtonPressed, ClosePressed, CloseHot;
    TPair TitleText;

    // Sizes.
    int Caption;   // title bar height, the top border
    int Border;    // left, right and bottom borders
    int TopRadius; // corner radii of the window's outline
    int BottomRadius;
    int BottomCorner; // rows of the side borders below their stretched middle
    int CaptionButtonWidth, CaptionButtonHeight, CaptionButtonTop;
    int MenuBarHeight;
    int MdiButtonWidth, MdiButtonHeight;

    // Columns of the top and bottom borders' ends that carry the rest of a
    // corner wider than the side borders (0: the side borders hold it all).
    int TopCornerEnd() const { return TopRadius > Border ? TopRadius - Border + 1 : 0; }
    int BottomCornerEnd() const { return BottomRadius > Border ? BottomRadius - Border + 1 : 0; }

    // The title bar's fill at row y (0 = window top) for the active or
    // inactive window; border pictures and caption buttons are painted over it.
    TPaint TitleFill(bool active) const;
};

// Calm light surfaces with lantern red and gold accents; caption 27,
// borders 7: the skin the quiz window stores.
const TArtStyle& ClassicStyle();
// Dark ink frame with gold accents, rounder corners; caption 30, borders 5.
const TArtStyle& InkGoldStyle();

} // namespace yq::art
