// Renders every object of our embedded skin, frame by frame at twice the
// size over a checkerboard (so keyed pixels show), plus a few objects drawn
// as the skinners draw them, into skin-contact-sheet.png beside the test.
#include "DibAccess.h"
#include "Png.h"
#include "SkinDraw.h"
#include "Text.h"
#include "WinSkinData.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>

namespace yq {
namespace {

constexpr int kZoom = 2, kGap = 6, kLabelWidth = 190, kSheetWidth = 1100;

class TSheet {
public:
    TSheet() : bitmap_(kSheetWidth, 2600) {
        const RECT all{0, 0, kSheetWidth, 2600};
        TBrushHandle white(CreateSolidBrush(RGB(255, 255, 255)));
        FillRect(Dc(), &all, white.Get());
        Canvas().Font().SetName(L"Tahoma");
        Canvas().Font().SetHeight(-12);
        Canvas().Font().SetColor(RGB(40, 40, 40));
        Canvas().Brush().SetStyle(TBrushStyle::bsClear);
    }
    HDC Dc() { return bitmap_.Canvas().Handle(); }
    TCanvas& Canvas() { return bitmap_.Canvas(); }

    void Heading(const std::wstring& text) {
        y_ += 8;
        Canvas().Font().SetStyle(fsBold);
        Canvas().TextOut(8, y_, text);
        Canvas().Font().SetStyle(0);
        y_ += 22;
    }

    // The frames of one picture side by side, each zoomed, keyed over a
    // checkerboard.
    void Frames(const std::string& name, const TBitmap& picture, int n, bool vertical = false) {
        if (picture.Empty()) return;
        Canvas().TextOut(8, y_, Widen(name) + L" (" + std::to_wstring(n) + L")");
        const int fw = vertical ? picture.Width() : picture.Width() / n;
        const int fh = vertical ? picture.Height() / n : picture.Height();
        int x = kLabelWidth, rowHeight = fh * kZoom;
        for (int k = 1; k <= n; ++k) {
            if (x + fw * kZoom > kSheetWidth - 8) {
                x = kLabelWidth;
                y_ += rowHeight + kGap;
            }
            const RECT cell{x, y_, x + fw * kZoom, y_ + fh * kZoom};
            Checker(cell);
            DrawSkinImage(Dc(), cell, picture, vertical, false, true, n, k, {});
            x += fw * kZoom + kGap;
        }
        y_ += std::max(rowHeight, 16) + kGap;
    }

    void Object(const TDataSkinObject* o, bool vertical = false) {
        if (o) Frames(o->Name, o->Image, o->FrameCount, vertical);
    }

    // A row of nine-slice renders of an object at a given size, one per state.
    void Renders(const std::string& label, const TDataSkinObject* o, int w, int h, int states,
                 bool tile = false) {
        if (!o) return;
        Canvas().TextOut(8, y_, Widen(label));
        int x = kLabelWidth;
        for (int k = 1; k <= states; ++k) {
            const RECT cell{x, y_, x + w, y_ + h};
            Face(cell);
            DrawSkinImage(Dc(), cell, o->Image, false, tile, o->Trans != 0, o->FrameCount, k, o->Margins);
            x += w + kGap * 2;
        }
        y_ += h + kGap * 2;
    }

    void Window(const TSkinData& skin, int w, int h, bool active);

    TRgbImage Image(int height) {
        const TDibAccess px(bitmap_);
        TRgbImage out{kSheetWidth, height, {}};
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < kSheetWidth; ++x) {
                const TColor c = px.Get(x, y);
                out.Pixels.push_back((c & 0xFF) << 16 | (c & 0xFF00) | (c >> 16 & 0xFF));
            }
        }
        return out;
    }
    int Bottom() const { return y_ + 8; }

    const TSkinData* skin = nullptr;

private:
    void Checker(const RECT& r) {
        for (int y = r.top; y < r.bottom; y += 4) {
            for (int x = r.left; x < r.right; x += 4) {
                const RECT cell{x, y, std::min<int>(x + 4, r.right), std::min<int>(y + 4, r.bottom)};
                TBrushHandle b(CreateSolidBrush(((x + y) / 4) % 2 ? RGB(200, 200, 200) : RGB(235, 235, 235)));
                FillRect(Dc(), &cell, b.Get());
            }
        }
    }
    void Face(const RECT& r) { FillRect(Dc(), &r, skin->ButtonFaceBrush()); }

    TBitmap bitmap_;
    int y_ = 8;
};

// A window frame as the form skinner composes it: borders, caption
// background, caption text and the caption buttons.
void TSheet::Window(const TSkinData& s, int w, int h, bool active) {
    const int left = s.Left()->Image.Width() / s.Left()->FrameCount;
    const int right = s.Right()->Image.Width() / s.Right()->FrameCount;
    const int top = s.Top()->Image.Height() / s.Top()->FrameCount;
    const int bottom = s.Bottom()->Image.Height() / s.Bottom()->FrameCount;
    const int frame = active ? 1 : 2;
    const int x0 = kLabelWidth, y0 = y_;
    TBitmap window(w, h);
    HDC dc = window.Canvas().Handle();
    const RECT client{left, top, w - right, h - bottom};
    FillRect(dc, &client, s.ButtonFaceBrush());
    const auto border = [&](const TDataSkinBorder& b, RECT r, bool vertical) {
        const auto piece = BuildSkinImage(r, b.Image, b.Margins, vertical, b.Tile != 1, b.FrameCount, frame);
        BitBlt(dc, r.left, r.top, r.right - r.left, r.bottom - r.top, piece->Canvas().Handle(), 0, 0,
               SRCCOPY);
    };
    border(*s.Left(), {0, 0, left, h}, false);
    border(*s.Right(), {w - right, 0, w, h}, false);
    border(*s.Bottom(), {left, h - bottom, w - right, h}, true);
    border(*s.Top(), {left, 0, w - right, top}, true);

    const TDataSkinTitle& t = *s.Title();
    TCanvas& c = window.Canvas();
    c.Font().SetName(L"微软雅黑");
    c.Font().SetHeight(-13);
    c.Font().SetColor(active ? s.TitleTextActive : s.TitleTextNoActive);
    c.Brush().SetStyle(TBrushStyle::bsClear);
    const std::wstring text = L"  云樵 · 猜谜游戏 ";
    const SIZE size = c.TextExtent(text);
    const int textLeft = left + t.Margins.Left, textWidth = size.cx + t.TXTBackleft + t.TXTBackRight;
    DrawSkinBar(dc, {textLeft, 0, textLeft + textWidth, top}, t.Image, true, true, 2, frame,
                {t.TXTBackleft, 0, t.TXTBackRight, 0});
    c.TextOut(textLeft + t.TXTBackleft, (top - size.cy) / 2, text);
    for (const auto& b : s.SysButtons()) {
        if (b->Image.Empty() || b->Visibility == 100 || b->Visibility1 == -1 || b->Visibility == 1) continue;
        const int fw = b->Image.Width() / b->FrameCount;
        const int x = b->Align == 1 ? w - b->XCoord : b->XCoord;
        DrawSkinFrame(dc, {x, b->YCoord, x + fw, b->YCoord + b->Image.Height()}, b->Image, true,
                      b->FrameCount, active ? 1 : 4);
    }

    // Keyed corners show the sheet beneath, as the window region would.
    TDibAccess px(window);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            if (px.Get(x, y) != kSkinKeyColour) ::SetPixel(Dc(), x0 + x, y0 + y, px.Get(x, y));
        }
    }
    y_ += h + kGap * 2;
}

TEST(SkinContactSheet, EveryObjectOfOurSkin) {
    TSkinData skin;
    TByteStream stored = ResourceStream(kEmbeddedSkinResource);
    skin.ReadSkinStream(stored);
    ASSERT_FALSE(skin.SkinEmpty());

    TSheet sheet;
    sheet.skin = &skin;
    sheet.Heading(L"Window frame and caption (frames: active, inactive)");
    sheet.Object(skin.Left());
    sheet.Object(skin.Right());
    sheet.Object(skin.Top(), true);
    sheet.Object(skin.Bottom(), true);
    sheet.Object(skin.Title(), true);
    sheet.Object(skin.MenuBar(), true);
    sheet.Heading(L"Caption buttons (normal, pressed, hot, inactive); MDI buttons last");
    for (const auto& b : skin.SysButtons())
        sheet.Object(b.get());
    sheet.Heading(L"Controls");
    sheet.Object(skin.Buttons());
    sheet.Frames("Buttons.CheckImage", skin.Buttons()->CheckImage, skin.Buttons()->CheckFrameCount);
    sheet.Frames("Buttons.RadioImage", skin.Buttons()->RadioImage, skin.Buttons()->RadioFrameCount);
    sheet.Object(skin.Progress());
    sheet.Frames("Progress.Image2 (chunk)", skin.Progress()->Image2, 1);
    sheet.Object(skin.GroupBoxEdge());
    sheet.Object(skin.Tabs());
    sheet.Frames("Tabs.Image2 (border)", skin.Tabs()->Image2, 1);
    sheet.Object(skin.StatusBarEdges());
    sheet.Object(skin.ComboButton());
    sheet.Frames("ComboButton.Image2", skin.ComboButton()->Image2, 4);
    sheet.Object(skin.SunkEdge());
    sheet.Object(skin.ExtraImages());
    sheet.Object(skin.Headerbar());
    sheet.Heading(L"Menus, scroll bars, track bars, up-down buttons");
    sheet.Object(skin.MenuItem());
    sheet.Object(skin.MenuBackground());
    sheet.Object(skin.Scrollbar());
    sheet.Object(skin.HorzScroll());
    sheet.Object(skin.VertScroll());
    sheet.Object(skin.HorzScrollThumb());
    sheet.Object(skin.VertScrollThumb());
    sheet.Object(skin.TrackbarThumbHorz());
    sheet.Object(skin.TrackbarThumbVert());
    sheet.Object(skin.UpDownHorz());
    sheet.Frames("UpDown.Horz.Image2", skin.UpDownHorz()->Image2, 8);
    sheet.Object(skin.UpDownVert());
    sheet.Frames("UpDown.Vert.Image2", skin.UpDownVert()->Image2, 8);

    sheet.Heading(L"Drawn at size (nine-slice): states in frame order");
    sheet.Renders("push button 96 x 28", skin.Buttons(), 96, 28, 5);
    sheet.Renders("combo box 150 x 21", skin.ComboButton(), 150, 21, 4);
    sheet.Renders("progress 160 x 18", skin.Progress(), 160, 18, 2);
    sheet.Renders("tab 80 x 26", skin.Tabs(), 80, 26, 5);
    sheet.Renders("menu item 160 x 22", skin.MenuItem(), 160, 22, 5);
    sheet.Renders("header 120 x 24", skin.Headerbar(), 120, 24, 2);
    sheet.Window(skin, 420, 150, true);
    sheet.Window(skin, 420, 150, false);

    const std::vector<std::uint8_t> png = EncodePng(sheet.Image(sheet.Bottom()));
    std::ofstream("skin-contact-sheet.png", std::ios::binary)
        .write(reinterpret_cast<const char*>(png.data()), std::streamsize(png.size()));
    std::printf("contact sheet: skin-contact-sheet.png, %d pixels high\n", sheet.Bottom());
    EXPECT_GT(png.size(), 100000u);
}

} // namespace
} // namespace yq
