// Window frame pictures: the four borders (two frames each: active and
// inactive), the caption text background, the caption buttons, the MDI
// child buttons and the menu bar.
#include "ArtStyle.h"
#include "SkinArt.h"

#include <algorithm>

namespace yq::art {

namespace {

int Pair(bool active) {
    return active ? 0 : 1;
}

TRgbImage Mirror(const TRgbImage& in) {
    TRgbImage out = in;
    for (int y = 0; y < in.Height; ++y) {
        for (int x = 0; x < in.Width; ++x)
            out.At(in.Width - 1 - x, y) = in.At(x, y);
    }
    return out;
}

enum class TGlyph { Close, Maximise, Restore, Minimise };

void DrawCaptionGlyph(TFrame& f, TGlyph glyph, TRgb ink, float cx, float cy) {
    switch (glyph) {
    case TGlyph::Close:
        f.Fill(Segment(cx - 4.5f, cy - 4.5f, cx + 4.5f, cy + 4.5f, 0.7f), Solid(ink));
        f.Fill(Segment(cx + 4.5f, cy - 4.5f, cx - 4.5f, cy + 4.5f, 0.7f), Solid(ink));
        break;
    case TGlyph::Maximise:
        f.Fill(Inner(RoundRect(cx - 5, cy - 5, cx + 5, cy + 5, 1), 1), Solid(ink));
        break;
    case TGlyph::Restore: {
        const TDistance front = RoundRect(cx - 5, cy - 3, cx + 3, cy + 5, 1);
        f.Fill(Subtract(Inner(RoundRect(cx - 3, cy - 5, cx + 5, cy + 3, 1), 1),
                        RoundRect(cx - 5.5f, cy - 3.5f, cx + 3.5f, cy + 5.5f, 1)),
               Solid(ink));
        f.Fill(Inner(front, 1), Solid(ink));
        break;
    }
    case TGlyph::Minimise:
        f.Fill(RoundRect(cx - 5, cy + 3, cx + 5, cy + 4, 0), Solid(ink));
        break;
    }
}

// The pictures of one style; its members are the style's colours and sizes.
struct TFrameArt : TArtStyle {
    explicit TFrameArt(const TArtStyle& style) : TArtStyle(style) {}

    // The window's outline, rounded more at the top than at the bottom.
    TDistance WindowShape(float width, float height) const {
        const TDistance top = RoundRect(0, 0, width, height, float(TopRadius));
        const TDistance bottom = RoundRect(0, 0, width, height, float(BottomRadius));
        return [=](float x, float y) { return y < height / 2 ? top(x, y) : bottom(x, y); };
    }

    // The window's fill: the title bar above the caption line, the border below.
    TPaint WindowFill(bool active) const {
        const TPaint title = TitleFill(active);
        const TRgb face = BorderFace;
        const int caption = Caption;
        return [=](float x, float y) { return y < caption ? title(x, y) : face; };
    }

    // The outline ring and the fill inside it of a window whose corner
    // starts at (-dx, -dy) in frame coordinates.
    void FillWindow(TFrame& f, bool active, float width, float height, float dx, float dy) const {
        const TDistance window = WindowShape(width, height);
        const TDistance shape = [=](float x, float y) { return window(x + dx, y + dy); };
        const TPaint fill = WindowFill(active);
        f.Fill(shape, Solid(Outline[Pair(active)]));
        f.Fill([&](float x, float y) { return shape(x, y) + 1; },
               [=](float x, float y) { return fill(x + dx, y + dy); });
    }

    // A window corner column of `Border` pixels: caption part, a stretchable
    // middle and the bottom corner.  Drawn as the left border; the right one
    // is its mirror.
    TRgbImage LeftBorderFrame(bool active) const {
        constexpr int middle = 8;
        const int height = Caption + middle + BottomCorner;
        TFrame f(Border, height, WindowFill(active));
        FillWindow(f, active, 100, float(height), 0, 0);
        f.FillRect(1, Caption - 1, Border, Caption, CaptionLine[Pair(active)]);
        return f.Image(true);
    }

    // The title bar's tile, with the ends of the top corners when they are
    // wider than the side borders.
    TRgbImage TopFrame(bool active) const {
        const int end = TopCornerEnd(), width = 16 + 2 * end;
        TFrame f(width, Caption, TitleFill(active));
        if (end > 0)
            FillWindow(f, active, float(width + 2 * Border), 100, float(Border), 0);
        else
            f.FillRect(0, 0, width, 1, Outline[Pair(active)]);
        f.FillRect(0, Caption - 1, width, Caption, CaptionLine[Pair(active)]);
        if (end > 0) return f.Image(true);
        f.MakeOpaque();
        return f.Image(false);
    }

    TRgbImage BottomFrame(bool active) const {
        const int end = BottomCornerEnd(), width = 16 + 2 * end;
        TFrame f(width, Border, Solid(BorderFace));
        if (end > 0) {
            FillWindow(f, active, float(width + 2 * Border), 100, float(Border), float(100 - Border));
            return f.Image(true);
        }
        f.FillRect(0, Border - 1, width, Border, Outline[Pair(active)]);
        f.MakeOpaque();
        return f.Image(false);
    }

    // A soft pill behind the caption text; its middle columns tile.
    TRgbImage CaptionBackFrame(bool active) const {
        TFrame f(40, Caption, TitleFill(active));
        const TDistance pill = RoundRect(0, 4, 40, float(Caption - 4), 9.5f);
        f.Fill(pill, Solid(Pill[Pair(active)]), active ? 0.45f : 0.3f);
        f.Fill(Inner(pill, 1), Solid(PillLight[Pair(active)]), active ? 0.35f : 0.2f);
        return f.Image(true);
    }

    // Frames: 1 normal, 2 pressed, 3 hot, 4 inactive window.
    TRgbImage CaptionButton(TGlyph glyph) const {
        std::vector<TRgbImage> frames;
        for (int state = 1; state <= 4; ++state) {
            const bool active = state != 4;
            const TPaint title = TitleFill(active);
            const int top = CaptionButtonTop;
            TFrame f(CaptionButtonWidth, CaptionButtonHeight,
                     [&](float x, float y) { return title(x, y + float(top)); });
            const TDistance plate =
                RoundRect(2, 1, float(CaptionButtonWidth - 2), float(CaptionButtonHeight - 1), 4);
            const bool close = glyph == TGlyph::Close;
            if (state == 2) f.Fill(plate, Solid(close ? ClosePressed : ButtonPressed), close ? 1.f : 0.22f);
            if (state == 3) f.Fill(plate, Solid(close ? CloseHot : White), close ? 1.f : 0.2f);
            DrawCaptionGlyph(f, glyph, Glyph[Pair(active)], CaptionButtonWidth / 2.f,
                             CaptionButtonHeight / 2.f);
            frames.push_back(f.Image(true));
        }
        return Strip(frames);
    }

    // A small lantern: the picture of the window-icon button (the skin
    // engine shows the window's own icon there instead).
    TRgbImage LanternIcon() const {
        std::vector<TRgbImage> frames;
        for (int state = 0; state < 3; ++state) {
            TFrame f(16, 16, TitleFill(true));
            f.Fill(RoundRect(6, 0.5f, 10, 2.5f, 0.5f), Solid(Gold));
            f.Fill(RoundRect(2.5f, 2, 13.5f, 13, 5), VerticalGradient(2, 13, RedLight, RedDeep));
            f.Fill(Segment(8, 2.5f, 8, 12.5f, 0.5f), Solid(GoldLight), 0.6f);
            f.Fill(RoundRect(5.5f, 12, 10.5f, 14, 0.5f), Solid(Gold));
            f.Fill(Segment(8, 14, 8, 15.5f, 0.6f), Solid(state == 1 ? GoldLight : Gold));
            frames.push_back(f.Image(true));
        }
        return Strip(frames);
    }

    // A gold knot; its caption button is never shown (Visibility1 -1).
    TRgbImage KnotOrnament() const {
        std::vector<TRgbImage> frames;
        for (int state = 0; state < 6; ++state) {
            TFrame f(16, 16, TitleFill(state != 3));
            const TDistance diamond = Polygon({{8, 1}, {15, 8}, {8, 15}, {1, 8}});
            f.Fill(diamond, Solid(state == 2 ? GoldLight : Gold));
            f.Fill(Inner(Polygon({{8, 4}, {12, 8}, {8, 12}, {4, 8}}), 1.2f), Solid(RedDeep));
            frames.push_back(f.Image(true));
        }
        return Strip(frames);
    }

    TPaint MenuBarFill(bool active) const {
        return active ? VerticalGradient(0, float(MenuBarHeight), Paper, TRgb::Hex(0xF3ECE0))
                      : Solid(TRgb::Hex(0xF5F1EA));
    }

    // Minimise, restore and close of a maximised MDI child, four frames
    // each: normal, pressed, disabled, hot.
    TRgbImage MdiControls() const {
        std::vector<TRgbImage> frames;
        for (const TGlyph glyph : {TGlyph::Minimise, TGlyph::Restore, TGlyph::Close}) {
            for (int state = 1; state <= 4; ++state) {
                TFrame f(MdiButtonWidth, MdiButtonHeight, MenuBarFill(true));
                const TDistance plate = RoundRect(0, 0, float(MdiButtonWidth), float(MdiButtonHeight), 3);
                if (state == 2) f.Fill(plate, Solid(Pressed));
                if (state == 4) {
                    f.Fill(plate, Solid(TRgb::Hex(0xE8C98A)));
                    f.Fill(RoundRect(1, 1, float(MdiButtonWidth - 1), float(MdiButtonHeight - 1), 2),
                           Solid(GoldPale));
                }
                const TRgb ink = state == 3 ? Muted : (state == 1 ? InkSoft : RedDeep);
                DrawCaptionGlyph(f, glyph, ink, MdiButtonWidth / 2.f, MdiButtonHeight / 2.f);
                frames.push_back(f.Image(true));
            }
        }
        return Strip(frames);
    }

    TRgbImage MenuBarFrame(bool active) const {
        TFrame f(24, MenuBarHeight, MenuBarFill(active));
        f.FillRect(0, MenuBarHeight - 1, 24, MenuBarHeight, TRgb::Hex(0xE6DBCB));
        f.MakeOpaque();
        return f.Image(false);
    }

    std::vector<TPicture> Pictures() const {
        const TRgbImage left = Strip({LeftBorderFrame(true), LeftBorderFrame(false)});
        return {
            {"left.bmp", left},
            {"right.bmp", Strip({Mirror(LeftBorderFrame(true)), Mirror(LeftBorderFrame(false))})},
            {"top.bmp", Strip({TopFrame(true), TopFrame(false)}, true)},
            {"bottom.bmp", Strip({BottomFrame(true), BottomFrame(false)}, true)},
            {"captionback.bmp", Strip({CaptionBackFrame(true), CaptionBackFrame(false)}, true)},
            {"windowicon.bmp", LanternIcon()},
            {"close.bmp", CaptionButton(TGlyph::Close)},
            {"maximise.bmp", CaptionButton(TGlyph::Maximise)},
            {"restore.bmp", CaptionButton(TGlyph::Restore)},
            {"minimise.bmp", CaptionButton(TGlyph::Minimise)},
            {"knot.bmp", KnotOrnament()},
            {"mdicontrols.bmp", MdiControls()},
            {"menubar.bmp", Strip({MenuBarFrame(true), MenuBarFrame(false)}, true)},
        };
    }
};

} // namespace

std::vector<TPicture> DrawFramePictures(const TArtStyle& style) {
    return TFrameArt(style).Pictures();
}

} // namespace yq::art
