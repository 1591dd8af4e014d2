#pragma once
// Our own skin: every picture the description references, the description
// itself, and the menu glyph strip "MORVANMENU".  Calm light surfaces with
// lantern red and gold accents; state frames normal, pressed, disabled, hot,
// default/inactive as each object defines them.
#include "Bmp.h"

#include <string>
#include <vector>

namespace yq::art {

struct TPicture {
    std::string name; // archive entry name, lower case
    TRgbImage image;
};

std::vector<TPicture> DrawFramePictures();   // borders, caption, caption buttons, menu bar
std::vector<TPicture> DrawControlPictures(); // buttons, boxes, tabs, combo, status, header, progress
std::vector<TPicture> DrawScrollPictures();  // scroll bars, track bars, up-down buttons
std::vector<TPicture> DrawMenuPictures();    // menu items and background
TRgbImage DrawMenuGlyphs();                  // 64 x 16: restore, maximise, minimise, close

std::string SkinDescription();

} // namespace yq::art
