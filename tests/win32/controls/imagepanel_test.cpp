// The image panel: auto size by alignment, tiling, transparency, caption
// rules, and a rendered quiz-window banner with a stretched JPEG.
#include "Application.h"
#include "Bitmap.h"
#include "Form.h"
#include "ImagePanel.h"
#include "Jpeg.h"
#include "pictures.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <vector>

using namespace yq;
using namespace yq::test;

namespace {

// A w×h JPEG in four quadrants: red, blue / green, yellow.
std::vector<std::uint8_t> MakeQuadrantJpeg(int w, int h) {
    return MakeJpeg(w, h, [w, h](int x, int y) {
        const TColor quadrants[4] = {Rgb(220, 0, 0), Rgb(0, 0, 220), Rgb(0, 200, 0), Rgb(230, 230, 0)};
        return quadrants[(y < h / 2 ? 0 : 2) + (x < w / 2 ? 0 : 1)];
    });
}

void FillBitmapPicture(TPicture& picture, int w, int h, TColor color) {
    TBitmap* bmp = picture.Bitmap();
    bmp->SetSize(w, h);
    bmp->Canvas().Brush().SetColor(color);
    bmp->Canvas().FillRect({0, 0, w, h});
}

class ImagePanelTest : public ::testing::Test {
protected:
    void SetUp() override {
        form = std::make_unique<TForm>(nullptr);
        form->BorderStyle = TFormBorderStyle::bsNone;
        form->SetBounds(0, 0, 784, 300);
        form->SetColor(clWhite);
        panel = new TsuiImagePanel(form.get());
        panel->SetParent(form.get());
        panel->SetBounds(10, 10, 200, 100);
        panel->SetColor(clCream);
    }

    std::unique_ptr<TBitmap> Shot() {
        auto shot = std::make_unique<TBitmap>(form->Width(), form->Height());
        form->PaintTo(shot->Canvas().Handle(), 0, 0);
        return shot;
    }

    // Bounding box of the pixels of `color` inside r of the shot.
    static RECT InkBox(const TBitmap& shot, const RECT& r, const std::function<bool(TColor)>& ink) {
        RECT box{r.right, r.bottom, r.left - 1, r.top - 1};
        for (int y = r.top; y < r.bottom; ++y)
            for (int x = r.left; x < r.right; ++x)
                if (ink(shot.Pixel(x, y))) {
                    box.left = std::min<LONG>(box.left, x);
                    box.top = std::min<LONG>(box.top, y);
                    box.right = std::max<LONG>(box.right, x);
                    box.bottom = std::max<LONG>(box.bottom, y);
                }
        return box;
    }

    std::unique_ptr<TForm> form;
    TsuiImagePanel* panel = nullptr;
};

TEST(ImagePanelDefaults, PropertiesAndRegistry) {
    TsuiImagePanel panel;
    EXPECT_EQ(panel.BevelInner(), TBevelCut::bvNone);
    EXPECT_EQ(panel.BevelOuter(), TBevelCut::bvNone);
    EXPECT_EQ(panel.Color(), clBtnFace);
    EXPECT_EQ(GetEnumPropName(&panel, "Alignment"), "taCenter");
    EXPECT_EQ(GetEnumPropName(&panel, "DrawStyle"), "suiNormal");
    EXPECT_EQ(GetEnumPropName(&panel, "Transparent"), "False");
    EXPECT_EQ(GetEnumPropName(&panel, "AutoSize"), "False");
    EXPECT_NE(GetObjectPropByName(&panel, "Picture", "TPicture"), nullptr);
    SetPropByName(&panel, "DrawStyle", L"suiTile");
    EXPECT_EQ(panel.DrawStyle(), TsuiDrawStyle::suiTile);
}

TEST(ImagePanelSizing, AutoSizeKeepsWhatTheAlignmentSets) {
    struct Case {
        TAlign align;
        int width, height;
    } cases[] = {
        {TAlign::alNone, 40, 30}, {TAlign::alTop, 100, 30},  {TAlign::alBottom, 100, 30},
        {TAlign::alLeft, 40, 80}, {TAlign::alRight, 40, 80}, {TAlign::alClient, 100, 80},
    };
    for (const Case& c : cases) {
        TsuiImagePanel panel;
        panel.SetBounds(0, 0, 100, 80);
        panel.SetAlign(c.align);
        panel.SetAutoSize(true);
        FillBitmapPicture(panel.Picture(), 40, 30, clRed);
        EXPECT_EQ(panel.Width(), c.width) << int(c.align);
        EXPECT_EQ(panel.Height(), c.height) << int(c.align);
    }
    // Switched on after the picture came: sized at once; off: left alone.
    TsuiImagePanel later;
    later.SetBounds(0, 0, 100, 80);
    FillBitmapPicture(later.Picture(), 40, 30, clRed);
    EXPECT_EQ(later.Width(), 100);
    later.SetAutoSize(true);
    EXPECT_EQ(later.Width(), 40);
    EXPECT_EQ(later.Height(), 30);
}

TEST(ImagePanelSizing, TilingCoversThePanelAndAlwaysEnds) {
    TsuiImagePanel panel;
    panel.SetBounds(0, 0, 100, 80);
    panel.SetDrawStyle(TsuiDrawStyle::suiTile);
    FillBitmapPicture(panel.Picture(), 40, 30, clRed);
    std::vector<RECT> tiles = panel.PicturePlacements();
    ASSERT_EQ(tiles.size(), 16u); // x 0, 40, 80, 120; y 0, 30, 60, 90
    EXPECT_EQ(tiles.back().left, 120);
    EXPECT_EQ(tiles.back().top, 90);

    for (SIZE empty : {SIZE{0, 30}, SIZE{40, 0}, SIZE{0, 0}}) {
        FillBitmapPicture(panel.Picture(), empty.cx, empty.cy, clRed);
        EXPECT_TRUE(panel.PicturePlacements().empty()) << empty.cx << "x" << empty.cy;
    }
    panel.SetDrawStyle(TsuiDrawStyle::suiStretch);
    FillBitmapPicture(panel.Picture(), 40, 30, clRed);
    ASSERT_EQ(panel.PicturePlacements().size(), 1u);
    EXPECT_EQ(panel.PicturePlacements()[0].right, 100);
}

TEST(ImagePanelCaption, Trimming) {
    struct Case {
        const wchar_t* caption;
        const wchar_t* trimmed;
    } cases[] = {{L"", L""}, {L"   ", L""}, {L" \t\r\n ", L""}, {L"  灯谜 ", L"灯谜"}, {L"a b", L"a b"}};
    for (const Case& c : cases)
        EXPECT_EQ(TrimCaption(c.caption), c.trimmed);
}

TEST_F(ImagePanelTest, CaptionRules) {
    panel->Font().SetColor(clBlack);
    panel->Font().SetHeight(-20);
    panel->SetAlignment(TAlignment::taLeftJustify);
    form->Show();
    const RECT area{10, 10, 210, 110};
    auto dark = [](TColor c) { return (c & 0xFF) < 128; };

    panel->SetCaption(L"     ");
    RECT box = InkBox(*Shot(), area, dark);
    EXPECT_GT(box.left, box.right) << "spaces only: nothing drawn";

    panel->SetCaption(L"X");
    const RECT bare = InkBox(*Shot(), area, dark);
    panel->SetCaption(L"    X");
    const RECT spaced = InkBox(*Shot(), area, dark);
    ASSERT_LE(bare.left, bare.right);
    EXPECT_GT(spaced.left, bare.left + 5) << "the spaces are drawn";
    EXPECT_NEAR((bare.top + bare.bottom) / 2.0, 60, 3) << "vertically centred";
}

TEST_F(ImagePanelTest, TransparencyWithAndWithoutAnImage) {
    form->Show();
    auto shot = Shot();
    EXPECT_EQ(shot->Pixel(100, 50), ColorToRGB(clCream)) << "no image: the colour";

    panel->SetTransparent(true);
    EXPECT_EQ(panel->Picture().Graphic(), nullptr) << "no image is made";
    shot = Shot();
    EXPECT_EQ(shot->Pixel(100, 50), clWhite) << "the parent shows through";
    EXPECT_EQ(shot->Pixel(209, 109), clWhite);

    // A transparent bitmap lets the parent show where it has its
    // transparent colour (the bottom-left pixel's).
    TBitmap* bmp = panel->Picture().Bitmap();
    bmp->SetSize(20, 20);
    bmp->Canvas().Brush().SetColor(clFuchsia);
    bmp->Canvas().FillRect({0, 0, 20, 20});
    bmp->Canvas().Brush().SetColor(clNavy);
    bmp->Canvas().FillRect({0, 0, 10, 10});
    panel->SetPicture(panel->Picture());
    EXPECT_TRUE(panel->Picture().Graphic()->Transparent()) << "flag copied into the image";
    shot = Shot();
    EXPECT_EQ(shot->Pixel(15, 15), clNavy);
    EXPECT_EQ(shot->Pixel(25, 25), clWhite);

    panel->SetTransparent(false);
    EXPECT_FALSE(panel->Picture().Graphic()->Transparent());
    shot = Shot();
    EXPECT_EQ(shot->Pixel(25, 25), clFuchsia);
    EXPECT_EQ(shot->Pixel(100, 50), ColorToRGB(clCream)) << "beside a small picture: the colour";
}

TEST_F(ImagePanelTest, QuizBannerWithStretchedJpegAndCentredCaption) {
    form->SetColor(clFuchsia);
    delete panel;
    auto* banner = new TsuiImagePanel(form.get());
    banner->SetParent(form.get());
    banner->SetBounds(0, 0, 784, 105);
    banner->SetAlign(TAlign::alTop);
    banner->SetDrawStyle(TsuiDrawStyle::suiStretch);
    banner->SetTransparent(true);
    const std::vector<std::uint8_t> jpeg = MakeQuadrantJpeg(2940, 700);
    banner->Picture().LoadFromBytes(jpeg.data(), jpeg.size());
    ASSERT_EQ(banner->Picture().Width(), 2940);
    banner->SetCaption(L"第 12 题");
    banner->Font().SetColor(clWhite);
    banner->Font().SetHeight(-28);
    form->Show();
    EXPECT_EQ(banner->Width(), 784);
    EXPECT_EQ(banner->Height(), 105);
    auto shot = Shot();

    struct Case {
        const char* what;
        int x, y;
        TColor color;
    } cases[] = {
        {"top-left corner", 0, 0, Rgb(220, 0, 0)},       {"top-right corner", 783, 0, Rgb(0, 0, 220)},
        {"bottom-left corner", 0, 104, Rgb(0, 200, 0)},  {"bottom-right corner", 783, 104, Rgb(230, 230, 0)},
        {"left of the middle", 380, 20, Rgb(220, 0, 0)}, {"right of the middle", 404, 20, Rgb(0, 0, 220)},
        {"upper half", 50, 50, Rgb(220, 0, 0)},          {"lower half", 50, 55, Rgb(0, 200, 0)},
    };
    for (const Case& c : cases)
        EXPECT_TRUE(Near(shot->Pixel(c.x, c.y), c.color, 12))
            << c.what << " " << std::hex << shot->Pixel(c.x, c.y);
    EXPECT_TRUE(Near(shot->Pixel(100, 150), clFuchsia, 0)) << "the form below the banner";
    int parentShows = 0;
    for (int y = 0; y < 105; y += 3)
        for (int x = 0; x < 784; x += 3)
            parentShows += shot->Pixel(x, y) == clFuchsia;
    EXPECT_EQ(parentShows, 0) << "the opaque picture covers the parent";

    auto white = [](TColor c) { return Near(c, clWhite, 40); };
    const RECT box = InkBox(*shot, {0, 0, 784, 105}, white);
    ASSERT_LE(box.left, box.right) << "caption drawn";
    EXPECT_NEAR((box.left + box.right) / 2.0, 392, 4) << "centred across";
    EXPECT_NEAR((box.top + box.bottom) / 2.0, 52, 4) << "centred down";
    EXPECT_GT(box.right - box.left, 60);
}

} // namespace
