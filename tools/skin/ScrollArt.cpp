// Scroll bar arrows, tracks and thumbs; track bar thumbs; up-down buttons
// with their arrow glyphs.
#include "ArtStyle.h"
#include "SkinArt.h"

namespace yq::art {

namespace {

enum class TArrow { Left, Right, Up, Down };

// A chevron pointing `arrow`, centred at (cx, cy), `size` pixels from tip
// to base.
void Chevron(TFrame& f, TArrow arrow, float cx, float cy, float size, TRgb ink, float halfWidth = 0.8f) {
    const float a = size / 2, b = size;
    float x0, y0, x1, y1, x2, y2;
    switch (arrow) {
    case TArrow::Left:
        x0 = cx + a / 2, y0 = cy - b / 2, x1 = cx - a / 2, y1 = cy, x2 = cx + a / 2, y2 = cy + b / 2;
        break;
    case TArrow::Right:
        x0 = cx - a / 2, y0 = cy - b / 2, x1 = cx + a / 2, y1 = cy, x2 = cx - a / 2, y2 = cy + b / 2;
        break;
    case TArrow::Up:
        x0 = cx - b / 2, y0 = cy + a / 2, x1 = cx, y1 = cy - a / 2, x2 = cx + b / 2, y2 = cy + a / 2;
        break;
    default:
        x0 = cx - b / 2, y0 = cy - a / 2, x1 = cx, y1 = cy + a / 2, x2 = cx + b / 2, y2 = cy - a / 2;
        break;
    }
    f.Fill(Segment(x0, y0, x1, y1, halfWidth), Solid(ink));
    f.Fill(Segment(x1, y1, x2, y2, halfWidth), Solid(ink));
}

// The pictures of one style; its members are the style's colours and sizes.
struct TScrollArt : TArtStyle {
    explicit TScrollArt(const TArtStyle& style) : TArtStyle(style) {}

    // Scroll bar buttons, 23 frames of 17 x 17: for left, right, up and down in
    // turn: normal, pressed, hot, disabled; frames 17-23 are plain track.
    TRgbImage ScrollArrows() const {
        constexpr int s = 17;
        const TRgb plates[] = {TRgb::Hex(0xEDE5D8), TRgb::Hex(0xDCCDB8), TRgb::Hex(0xF6E7C8), MutedFill};
        const TRgb inks[] = {InkSoft, RedDeep, Red, Muted};
        std::vector<TRgbImage> frames;
        for (const TArrow arrow : {TArrow::Left, TArrow::Right, TArrow::Up, TArrow::Down}) {
            for (int state = 0; state < 4; ++state) {
                TFrame f(s, s, Solid(Face));
                f.Fill(RoundRect(1, 1, s - 1, s - 1, 3), Solid(plates[state]));
                Chevron(f, arrow, s / 2.f, s / 2.f, 7, inks[state]);
                frames.push_back(f.Image(true));
            }
        }
        while (frames.size() < 23) {
            TFrame f(s, s, Solid(Track));
            f.MakeOpaque();
            frames.push_back(f.Image(false));
        }
        return Strip(frames);
    }

    // Scroll tracks, 4 frames: normal, hot, disabled, pressed.
    TRgbImage ScrollTrack(bool vertical) const {
        std::vector<TRgbImage> frames;
        for (const std::uint32_t fill : {0xF0E9DEu, 0xF3ECE2u, 0xF5F2ECu, 0xE9E0D2u}) {
            TFrame f(vertical ? 17 : 24, vertical ? 24 : 17, Solid(TRgb::Hex(fill)));
            f.MakeOpaque();
            frames.push_back(f.Image(false));
        }
        return Strip(frames);
    }

    // Thumbs, 3 frames: normal, dragged, hot; a slim rounded bar.
    TRgbImage ScrollThumb(bool vertical) const {
        std::vector<TRgbImage> frames;
        for (const std::uint32_t fill : {0xC9B69Cu, 0xA88F72u, 0xD9A441u}) {
            TFrame f(vertical ? 17 : 24, vertical ? 24 : 17, Solid(Track));
            f.Fill(vertical ? RoundRect(4, 1, 13, 23, 4.5f) : RoundRect(1, 4, 23, 13, 4.5f),
                   Solid(TRgb::Hex(fill)));
            frames.push_back(f.Image(true));
        }
        return Strip(frames);
    }

    // Track bar thumbs, 5 frames: normal, the one drawn (lantern red), hot,
    // disabled, pressed.
    TRgbImage TrackThumb(bool vertical) const {
        const int w = vertical ? 20 : 11, h = vertical ? 11 : 20;
        std::vector<TRgbImage> frames;
        const std::pair<std::uint32_t, std::uint32_t> looks[] = {{0xA8937A, 0xFBF6EE},
                                                                 {0x8E1C20, 0xC7332F},
                                                                 {0xB8862A, 0xF0CF7A},
                                                                 {0xDDD4C7, 0xF2EEE8},
                                                                 {0x6E1216, 0x9E2025}};
        for (const auto& [edge, fill] : looks) {
            TFrame f(w, h, Solid(Face));
            f.Fill(RoundRect(0, 0, float(w), float(h), 3.5f), Solid(TRgb::Hex(edge)));
            f.Fill(RoundRect(1, 1, float(w - 1), float(h - 1), 2.5f), Solid(TRgb::Hex(fill)));
            f.Fill(vertical ? Segment(3, 5.5f, w - 3, 5.5f, 0.5f) : Segment(5.5f, 3, 5.5f, h - 3, 0.5f),
                   Solid(White), 0.4f);
            frames.push_back(f.Image(true));
        }
        return Strip(frames);
    }

    // Up-down buttons, 8 frames: first button normal, pressed, disabled, hot,
    // then the second button alike.  Vertical: up above down; horizontal: left
    // and right.  Corners are rounded on the outer side only.
    TRgbImage UpDownButtons(bool vertical) const {
        const int w = vertical ? 16 : 11, h = vertical ? 11 : 16;
        const std::pair<std::uint32_t, std::uint32_t> looks[] = {
            {0xCDBBA3, 0xFBF7F0}, {0xB7A288, 0xE6DAC7}, {0xDDD4C7, 0xF2EEE8}, {0xD9A441, 0xFCEFD6}};
        std::vector<TRgbImage> frames;
        for (int half = 0; half < 2; ++half) {
            for (const auto& [edge, fill] : looks) {
                TFrame f(w, h, Solid(Face));
                // Round two corners by letting the shape run past the other side.
                const float l = (!vertical && half == 1) ? -4.f : 0.f,
                            r = (!vertical && half == 0) ? w + 4.f : float(w);
                const float t = (vertical && half == 1) ? -4.f : 0.f,
                            b = (vertical && half == 0) ? h + 4.f : float(h);
                f.Fill(RoundRect(l, t, r, b, 3), Solid(TRgb::Hex(edge)));
                f.Fill(RoundRect(l + 1, t + 1, r - 1, b - 1, 2), Solid(TRgb::Hex(fill)));
                frames.push_back(f.Image(true));
            }
        }
        return Strip(frames);
    }

    // Their arrow glyphs, in the same 8-frame layout, drawn unscaled.
    TRgbImage UpDownGlyphs(bool vertical) const {
        const int w = vertical ? 9 : 6, h = vertical ? 6 : 9;
        const TRgb inks[] = {InkSoft, RedDeep, Muted, Red};
        const TRgb backs[] = {TRgb::Hex(0xFBF7F0), TRgb::Hex(0xE6DAC7), TRgb::Hex(0xF2EEE8),
                              TRgb::Hex(0xFCEFD6)};
        std::vector<TRgbImage> frames;
        for (int half = 0; half < 2; ++half) {
            const TArrow arrow = vertical ? (half == 0 ? TArrow::Up : TArrow::Down)
                                          : (half == 0 ? TArrow::Left : TArrow::Right);
            for (int state = 0; state < 4; ++state) {
                TFrame f(w, h, Solid(backs[state]));
                Chevron(f, arrow, w / 2.f, h / 2.f, 6, inks[state], 0.75f);
                frames.push_back(f.Image(true));
            }
        }
        return Strip(frames);
    }
};

} // namespace

std::vector<TPicture> DrawScrollPictures(const TArtStyle& style) {
    const TScrollArt art(style);
    return {
        {"scrollbar.bmp", art.ScrollArrows()},         {"hscroll.bmp", art.ScrollTrack(false)},
        {"vscroll.bmp", art.ScrollTrack(true)},        {"hthumb.bmp", art.ScrollThumb(false)},
        {"vthumb.bmp", art.ScrollThumb(true)},         {"trackthumbh.bmp", art.TrackThumb(false)},
        {"trackthumbv.bmp", art.TrackThumb(true)},     {"updownh.bmp", art.UpDownButtons(false)},
        {"updownhglyph.bmp", art.UpDownGlyphs(false)}, {"updownv.bmp", art.UpDownButtons(true)},
        {"updownvglyph.bmp", art.UpDownGlyphs(true)},
    };
}

} // namespace yq::art
