#pragma once
// Our own skins: every picture the description references, the description
// itself, and the menu glyph strip "MORVANMENU", drawn in a style
// (ArtStyle.h); state frames normal, pressed, disabled, hot,
// default/inactive as each object defines them.
#include "ArtStyle.h"
#include "Bmp.h"

#include <string>
#include <vector>

namespace yq::art {

struct TPicture {
    std::string name; // archive entry name, lower case
    TRgbImage image;
};

std::vector<TPicture>
DrawFramePictures(const TArtStyle& style); // borders, caption, caption buttons, menu bar
std::vector<TPicture>
DrawControlPictures(const TArtStyle& style); // buttons, boxes, tabs, combo, status, header, progress
std::vector<TPicture> DrawScrollPictures(const TArtStyle& style); // scroll bars, track bars, up-down buttons
std::vector<TPicture> DrawMenuPictures(const TArtStyle& style);   // menu items and background
TRgbImage DrawMenuGlyphs(); // 64 x 16: restore, maximise, minimise, close

std::string SkinDescription(const TArtStyle& style);

} // namespace yq::art
