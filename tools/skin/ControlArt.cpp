// Pictures of the standard controls: push, check and radio buttons,
// progress bar, group box, tabs, status bar, header, and the combo box
// parts (button, sunken edge, arrow glyphs with the size grip).
#include "ArtStyle.h"
#include "SkinArt.h"

namespace yq::art {

namespace {

struct TLook {
    TRgb edge;
    TPaint fill;
};

// The pictures of one style; its members are the style's colours and sizes.
struct TControlArt : TArtStyle {
    explicit TControlArt(const TArtStyle& style) : TArtStyle(style) {}

    // A rounded box with a one-pixel edge, keyed outside its corners.
    TRgbImage Box(int width, int height, float radius, const TLook& look) const {
        TFrame f(width, height, Solid(Face));
        f.Fill(RoundRect(0, 0, float(width), float(height), radius), Solid(look.edge));
        f.Fill(RoundRect(1, 1, float(width - 1), float(height - 1), radius - 1), look.fill);
        return f.Image(true);
    }

    TPaint Gradient(int height, std::uint32_t top, std::uint32_t bottom) const {
        return VerticalGradient(1, float(height - 1), TRgb::Hex(top), TRgb::Hex(bottom));
    }

    // Push button, 5 frames: normal, pressed, disabled, hot or focused, default.
    TRgbImage PushButton() const {
        constexpr int w = 64, h = 24;
        std::vector<TRgbImage> frames{
            Box(w, h, 4, {Edge, Gradient(h, 0xFFFFFF, 0xF1E9DD)}),
            Box(w, h, 4, {TRgb::Hex(0xB7A288), Gradient(h, 0xE4D8C5, 0xEFE7DA)}),
            Box(w, h, 4, {MutedEdge, Solid(MutedFill)}),
            Box(w, h, 4, {Gold, Gradient(h, 0xFFFAF0, 0xFBEBCB)}),
        };
        TFrame def(w, h, Solid(Face));
        def.Fill(RoundRect(0, 0, w, h, 4), Solid(Red));
        def.Fill(RoundRect(1, 1, w - 1, h - 1, 3), Solid(TRgb::Hex(0xF2C9C4)));
        def.Fill(RoundRect(2, 2, w - 2, h - 2, 2), Gradient(h, 0xFFFFFF, 0xF1E9DD));
        frames.push_back(def.Image(true));
        return Strip(frames);
    }

    // Check box, 4 frames of 13 x 13: unchecked, checked, and both disabled.
    TRgbImage CheckBox() const {
        std::vector<TRgbImage> frames;
        for (int state = 0; state < 4; ++state) {
            const bool checked = state % 2 == 1, enabled = state < 2;
            TFrame f(13, 13, Solid(Face));
            const TRgb edge =
                checked ? (enabled ? RedDeep : TRgb::Hex(0xC9BBAC)) : (enabled ? EdgeDark : MutedEdge);
            const TRgb fill = checked ? (enabled ? Red : TRgb::Hex(0xD8CEC2)) : (enabled ? White : MutedFill);
            f.Fill(RoundRect(0, 0, 13, 13, 2.5f), Solid(edge));
            f.Fill(RoundRect(1, 1, 12, 12, 1.5f), Solid(fill));
            if (checked) {
                f.Fill(Segment(3.3f, 6.7f, 5.4f, 8.9f, 0.85f), Solid(White));
                f.Fill(Segment(5.4f, 8.9f, 9.7f, 3.9f, 0.85f), Solid(White));
            }
            frames.push_back(f.Image(true));
        }
        return Strip(frames);
    }

    // Radio button, 4 frames of 13 x 13, as the check box.
    TRgbImage RadioButton() const {
        std::vector<TRgbImage> frames;
        for (int state = 0; state < 4; ++state) {
            const bool checked = state % 2 == 1, enabled = state < 2;
            TFrame f(13, 13, Solid(Face));
            f.Fill(Circle(6.5f, 6.5f, 6.5f), Solid(enabled ? (checked ? RedDeep : EdgeDark) : MutedEdge));
            f.Fill(Circle(6.5f, 6.5f, 5.5f), Solid(enabled ? White : MutedFill));
            if (checked) f.Fill(Circle(6.5f, 6.5f, 3), Solid(enabled ? Red : TRgb::Hex(0xCFC4B7)));
            frames.push_back(f.Image(true));
        }
        return Strip(frames);
    }

    // Progress, 2 frames: the trough and the bar.
    TRgbImage Progress() const {
        constexpr int w = 24, h = 14;
        TFrame bar(w, h, Solid(Face));
        bar.Fill(RoundRect(0, 0, w, h, 4), Solid(TRgb::Hex(0x9E2025)));
        bar.Fill(RoundRect(1, 1, w - 1, h - 1, 3), Gradient(h, 0xD64A44, 0xAE2329));
        bar.Fill(RoundRect(3, 2, w - 3, 3, 0.5f), Solid(White), 0.35f);
        return Strip({Box(w, h, 4, {Line, Gradient(h, 0xE9E0D2, 0xF3EDE3)}), bar.Image(true)});
    }

    TRgbImage ProgressChunk() const {
        TFrame f(10, 10, Solid(Face));
        f.Fill(RoundRect(1, 1, 9, 9, 1.5f), Gradient(10, 0xD64A44, 0xAE2329));
        return f.Image(true);
    }

    // Group box edge, 2 frames (enabled, disabled): a ring with a keyed centre.
    TRgbImage GroupBoxEdge() const {
        std::vector<TRgbImage> frames;
        for (const TRgb edge : {Line, MutedEdge}) {
            TFrame f(16, 16, Solid(Face));
            f.Fill(Inner(RoundRect(0, 0, 16, 16, 4), 1), Solid(edge));
            frames.push_back(f.Image(true));
        }
        return Strip(frames);
    }

    // Tabs, 5 frames of 60 x 24: at rest, selected, hot, disabled, selected
    // and focused.  The selected tab is open at the bottom into the page.
    TRgbImage Tabs() const {
        constexpr int w = 60, h = 24;
        std::vector<TRgbImage> frames;
        for (int state = 1; state <= 5; ++state) {
            const bool selected = state == 2 || state == 5;
            TFrame f(w, h, Solid(Face));
            const float top = selected ? 0.f : 2.f;
            f.Fill(RoundRect(0, top, w, h + 6, 4), Solid(state == 4 ? MutedEdge : Line));
            const TPaint fill = selected     ? Solid(Face)
                                : state == 3 ? Gradient(h, 0xFFF8EA, 0xF6E6C6)
                                : state == 4 ? Solid(MutedFill)
                                             : Gradient(h, 0xF1EADF, 0xE8DFD0);
            f.Fill(RoundRect(1, top + 1, w - 1, h + 6, 3), fill);
            if (selected) f.Fill(RoundRect(1, 1, w - 1, 4, 1.5f), Solid(state == 5 ? RedLight : Red));
            if (!selected) f.FillRect(0, h - 1, w, h, Line);
            frames.push_back(f.Image(true));
        }
        return Strip(frames);
    }

    // The page border under the tabs: drawn as its eight edge pieces only.
    TRgbImage TabBorder() const {
        TFrame f(24, 24, Solid(Face));
        f.FillRect(0, 0, 24, 24, Line);
        f.FillRect(1, 1, 23, 23, Face);
        return f.Image(false);
    }

    // Status bar panel edges, 3 frames: lowered, raised, none.
    TRgbImage StatusBarEdges() const {
        std::vector<TRgbImage> frames;
        for (int style = 1; style <= 3; ++style) {
            TFrame f(12, 12, Solid(Face));
            if (style == 1) {
                f.FillRect(0, 0, 12, 12, Line);
                f.FillRect(1, 1, 11, 11, Face);
            } else if (style == 2) {
                f.FillRect(0, 0, 12, 12, White);
                f.FillRect(1, 1, 12, 12, Line);
                f.FillRect(1, 1, 11, 11, Face);
            }
            f.MakeOpaque();
            frames.push_back(f.Image(false));
        }
        return Strip(frames);
    }

    // The combo box's drop-down button, 4 frames of 17 x 21: normal, pressed,
    // disabled, hot or focused.  It sits inside the sunken edge.
    TRgbImage ComboButton() const {
        constexpr int w = 17, h = 21;
        std::vector<TRgbImage> frames;
        for (int state = 1; state <= 4; ++state) {
            TFrame f(w, h, Solid(state == 3 ? MutedFill : White));
            const TDistance plate = RoundRect(1, 2, w - 2, h - 2, 2.5f);
            if (state == 2) f.Fill(plate, Solid(Pressed));
            if (state == 4) f.Fill(plate, Gradient(h, 0xFFF8EA, 0xFBEBCB));
            f.FillRect(0, 4, 1, h - 4, state == 3 ? MutedEdge : TRgb::Hex(0xE3D8C8));
            frames.push_back(f.Image(true));
        }
        return Strip(frames);
    }

    // The sunken edge of combo boxes, 4 frames in the combo button's states.
    TRgbImage SunkEdge() const {
        constexpr int w = 24, h = 21;
        return Strip({
            Box(w, h, 3, {Edge, Solid(White)}),
            Box(w, h, 3, {Red, Solid(White)}),
            Box(w, h, 3, {MutedEdge, Solid(MutedFill)}),
            Box(w, h, 3, {Gold, Solid(White)}),
        });
    }

    // Frames 1-4: the drop-down arrow in the combo button's states; 5: the
    // status bar's size grip.
    TRgbImage ExtraImages() const {
        std::vector<TRgbImage> frames;
        const TRgb inks[] = {InkSoft, RedDeep, Muted, Red};
        const TRgb backs[] = {White, Pressed, MutedFill, GoldPale};
        for (int state = 0; state < 4; ++state) {
            TFrame f(12, 12, Solid(backs[state]));
            f.Fill(Segment(3, 4.5f, 6, 7.5f, 0.8f), Solid(inks[state]));
            f.Fill(Segment(6, 7.5f, 9, 4.5f, 0.8f), Solid(inks[state]));
            frames.push_back(f.Image(true));
        }
        TFrame grip(12, 12, Solid(Face));
        for (const auto& [x, y] :
             {std::pair{9.5f, 9.5f}, {6.5f, 9.5f}, {9.5f, 6.5f}, {3.5f, 9.5f}, {6.5f, 6.5f}, {9.5f, 3.5f}}) {
            grip.Fill(Circle(x, y, 1), Solid(TRgb::Hex(0xB9A78F)));
        }
        frames.push_back(grip.Image(true));
        return Strip(frames);
    }

    // Column headers, 5 frames: normal, hot, pressed, disabled, sorted.
    TRgbImage Headerbar() const {
        constexpr int w = 40, h = 22;
        std::vector<TRgbImage> frames;
        const std::pair<std::uint32_t, std::uint32_t> fills[] = {{0xFBF8F2, 0xF0E8DB},
                                                                 {0xFFFAF0, 0xF9EBD0},
                                                                 {0xEADFCE, 0xF2EBE0},
                                                                 {0xF6F3EE, 0xF6F3EE},
                                                                 {0xFBF8F2, 0xF0E8DB}};
        for (int state = 0; state < 5; ++state) {
            TFrame f(w, h, Gradient(h, fills[state].first, fills[state].second));
            f.FillRect(w - 1, 4, w, h - 4, TRgb::Hex(0xDCCFBD));
            f.FillRect(0, h - 1, w, h, state == 4 ? Red : Line);
            f.MakeOpaque();
            frames.push_back(f.Image(false));
        }
        return Strip(frames);
    }
};

} // namespace

std::vector<TPicture> DrawControlPictures(const TArtStyle& style) {
    const TControlArt art(style);
    return {
        {"button.bmp", art.PushButton()},
        {"checkbox.bmp", art.CheckBox()},
        {"radiobutton.bmp", art.RadioButton()},
        {"progress.bmp", art.Progress()},
        {"progresschunk.bmp", art.ProgressChunk()},
        {"groupbox.bmp", art.GroupBoxEdge()},
        {"tabs.bmp", art.Tabs()},
        {"tabborder.bmp", art.TabBorder()},
        {"statusbar.bmp", art.StatusBarEdges()},
        {"combobutton.bmp", art.ComboButton()},
        {"sunkedge.bmp", art.SunkEdge()},
        {"extraimages.bmp", art.ExtraImages()},
        {"headerbar.bmp", art.Headerbar()},
    };
}

} // namespace yq::art
