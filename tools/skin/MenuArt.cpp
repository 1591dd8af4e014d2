// Menu pictures: the item strip, the popup background, and the 16 x 16
// system menu glyphs of "MORVANMENU".
#include "ArtStyle.h"
#include "SkinArt.h"

namespace yq::art {

namespace {

constexpr int kItemWidth = 40, kItemHeight = 20;
constexpr int kSeparatorRow = 15; // a separator item shows the frame's bottom rows

// The pictures of one style; its members are the style's colours and sizes.
struct TMenuArt : TArtStyle {
    explicit TMenuArt(const TArtStyle& style) : TArtStyle(style) {}

    // Menu items, 5 frames: at rest (keyed: the background shows), separator,
    // disabled (as at rest), selected, selected and disabled.
    TRgbImage MenuItem() const {
        std::vector<TRgbImage> frames;
        for (int state = 1; state <= 5; ++state) {
            TFrame f(kItemWidth, kItemHeight, Solid(Paper));
            if (state == 2)
                f.FillRect(4, kSeparatorRow, kItemWidth - 4, kSeparatorRow + 1, TRgb::Hex(0xE2D6C4));
            if (state >= 4) {
                const TDistance plate = RoundRect(1, 1, kItemWidth - 1, kItemHeight - 1, 3);
                f.Fill(plate, Solid(state == 4 ? TRgb::Hex(0xE8C98A) : MutedEdge));
                f.Fill(RoundRect(2, 2, kItemWidth - 2, kItemHeight - 2, 2),
                       Solid(state == 4 ? GoldPale : MutedFill));
            }
            frames.push_back(f.Image(true));
        }
        return Strip(frames);
    }

    // The popup window: a one-pixel edge and two pixels of paper (the menu's
    // three-pixel ring), with a gold accent down the left.
    TRgbImage MenuBackground() const {
        TFrame f(24, 24, Solid(Paper));
        f.FillRect(0, 0, 24, 24, Edge);
        f.FillRect(1, 1, 23, 23, Paper);
        f.FillRect(1, 1, 2, 23, GoldLight);
        f.MakeOpaque();
        return f.Image(false);
    }
};

// Black glyphs on white, no soft edges: the strip is monochrome.
void Glyph(TRgbImage& strip, int index, const TDistance& shape) {
    for (int y = 0; y < 16; ++y) {
        for (int x = 0; x < 16; ++x) {
            if (shape(x + 0.5f, y + 0.5f) < 0) strip.At(index * 16 + x, y) = 0;
        }
    }
}

} // namespace

std::vector<TPicture> DrawMenuPictures(const TArtStyle& style) {
    const TMenuArt art(style);
    return {
        {"menuitem.bmp", art.MenuItem()},
        {"menubackground.bmp", art.MenuBackground()},
    };
}

TRgbImage DrawMenuGlyphs() {
    TRgbImage strip{64, 16, std::vector<std::uint32_t>(64 * 16, 0xFFFFFF)};
    const TDistance front = RoundRect(3, 6, 11, 13, 0);
    Glyph(strip, 0, Union(Inner(front, 1), RoundRect(3, 6, 11, 8, 0)));
    Glyph(strip, 0,
          Subtract(Union(Inner(RoundRect(5, 3, 13, 10, 0), 1), RoundRect(5, 3, 13, 5, 0)),
                   RoundRect(3, 6, 11, 13, 0)));
    Glyph(strip, 1, Union(Inner(RoundRect(3, 3, 13, 13, 0), 1), RoundRect(3, 3, 13, 5, 0)));
    Glyph(strip, 2, RoundRect(4, 10, 11, 12, 0));
    Glyph(strip, 3, Union(Segment(4.5f, 4.5f, 11.5f, 11.5f, 0.9f), Segment(11.5f, 4.5f, 4.5f, 11.5f, 0.9f)));
    return strip;
}

} // namespace yq::art
