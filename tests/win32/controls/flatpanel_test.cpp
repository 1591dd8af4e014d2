// The flat panel: defaults and published properties, the gradient's band
// arithmetic, the client rectangle, painting and the repaint rules.
#include "Application.h"
#include "Bitmap.h"
#include "FlatPanel.h"
#include "Form.h"
#include "pictures.h"

#include <gtest/gtest.h>

#include <memory>

using namespace yq;
using namespace yq::test;

namespace {

class FlatPanelTest : public ::testing::Test {
protected:
    void SetUp() override {
        form = std::make_unique<TForm>(nullptr);
        form->BorderStyle = TFormBorderStyle::bsNone;
        form->SetBounds(0, 0, 400, 300);
        form->SetColor(clWhite);
        panel = new TFlatPanel(form.get());
        panel->SetParent(form.get());
        panel->SetBounds(10, 10, 200, 100);
        panel->SetParentColor(false);
        panel->SetColor(clCream);
    }

    std::unique_ptr<TBitmap> Shot() {
        auto shot = std::make_unique<TBitmap>(form->Width(), form->Height());
        form->PaintTo(shot->Canvas().Handle(), 0, 0);
        return shot;
    }

    // The panel's pending update area, after everything was painted.
    RECT UpdateAfter(const std::function<void()>& change) {
        form->Show();
        UpdateWindow(form->Handle());
        UpdateWindow(panel->Handle());
        change();
        RECT r{};
        GetUpdateRect(panel->Handle(), &r, FALSE);
        return r;
    }

    std::unique_ptr<TForm> form;
    TFlatPanel* panel = nullptr;
};

TEST(FlatPanelDefaults, PropertiesAndRegistry) {
    TFlatPanel panel;
    EXPECT_EQ(panel.Width(), 185);
    EXPECT_EQ(panel.Height(), 41);
    EXPECT_EQ(panel.Color(), clBtnFace);
    EXPECT_TRUE(panel.ParentColor());
    EXPECT_TRUE(panel.ParentFont());
    EXPECT_EQ(GetIntPropByName(&panel, "ColorBorder"), Rgb(0x88, 0xA5, 0x61));
    EXPECT_EQ(GetIntPropByName(&panel, "BackgropStartColor"), Rgb(0xED, 0xF1, 0xFB));
    EXPECT_EQ(GetIntPropByName(&panel, "BackgropStopColor"), Rgb(0xD6, 0xDF, 0xF7));
    EXPECT_EQ(GetEnumPropName(&panel, "BackgropOrien"), "fdLeftToRight");
    EXPECT_EQ(GetEnumPropName(&panel, "StyleFace"), "fsDefault");
    EXPECT_EQ(GetEnumPropName(&panel, "Alignment"), "taCenter");
    EXPECT_EQ(GetEnumPropName(&panel, "FullRepaint"), "True");
    EXPECT_EQ(GetEnumPropName(&panel, "Transparent"), "False");
    EXPECT_EQ(GetEnumPropName(&panel, "TransBorder"), "False");
    EXPECT_EQ(GetEnumPropName(&panel, "Locked"), "False");
    EXPECT_TRUE(panel.ControlStyle & csAcceptsControls);

    SetPropByName(&panel, "BackgropOrien", L"fdXPFace");
    EXPECT_EQ(panel.BackgropOrien(), TFillDirection::fdXPFace);
    SetPropByName(&panel, "ColorBorder", L"255");
    EXPECT_EQ(panel.ColorBorder(), clRed);
    SetPropByName(&panel, "Version", L"1.0");
    EXPECT_EQ(GetWidePropByName(&panel, "Version"), L"4.56.0.0");
}

TEST(FlatPanelDefaults, LockedDecidesToolControl) {
    TFlatPanel panel;
    EXPECT_EQ(panel.Perform(CM_ISTOOLCONTROL), 1);
    panel.SetLocked(true);
    EXPECT_EQ(panel.Perform(CM_ISTOOLCONTROL), 0);
}

TEST(Gradient, BandArithmetic) {
    struct Case {
        int size, count, bands, band, rest;
    } cases[] = {
        {545, 60, 60, 9, 5}, // a tall panel: 60 bands of 9 and a 5-pixel strip
        {600, 60, 60, 10, 0}, {59, 60, 59, 1, 0}, {1, 60, 2, 0, 1}, // one pixel: all rest
        {2, 60, 2, 1, 0},     {7, 1, 2, 3, 1},    {0, 60, 0, 0, 0},
    };
    for (const Case& c : cases) {
        TGradientBands g = GradientBands(c.size, c.count);
        EXPECT_EQ(g.bands, c.bands) << c.size << "/" << c.count;
        EXPECT_EQ(g.band, c.band) << c.size << "/" << c.count;
        EXPECT_EQ(g.rest, c.rest) << c.size << "/" << c.count;
    }
    // Channels rounded to the nearest integer, also downwards.
    EXPECT_EQ(GradientColor(Rgb(0, 0, 0), Rgb(10, 255, 100), 1, 3), Rgb(5, 128, 50));
    EXPECT_EQ(GradientColor(Rgb(10, 255, 100), Rgb(0, 0, 0), 1, 3), Rgb(5, 128, 50));
    EXPECT_EQ(GradientColor(Rgb(1, 2, 3), Rgb(200, 100, 50), 59, 60), Rgb(200, 100, 50));
    EXPECT_EQ(LightenColor(Rgb(250, 10, 0), 30), Rgb(255, 40, 30));
}

TEST(Gradient, TallFillHasSixtyBandsAndAStopStrip) {
    // Band n of black → (118, 59, 0) is (2n, n, 0).
    const TColor a = Rgb(0, 0, 0), b = Rgb(118, 59, 0);
    TBitmap bmp(3, 545);
    FillGradient(bmp.Canvas(), {0, 0, 3, 545}, a, b, TFillDirection::fdTopToBottom, 60);
    struct Case {
        int y;
        TColor color;
    } cases[] = {
        {0, a},   {8, a},   {9, Rgb(2, 1, 0)}, {9 * 30 + 4, Rgb(60, 30, 0)}, {530, Rgb(116, 58, 0)}, {531, b},
        {539, b}, {540, b}, {544, b}};
    for (const Case& c : cases)
        EXPECT_EQ(bmp.Pixel(1, c.y), c.color) << "y " << c.y;
}

TEST(Gradient, DirectionsAndDegenerateRectangles) {
    const TColor a = Rgb(0, 0, 0), b = Rgb(118, 59, 0);
    struct Case {
        const char* what;
        TFillDirection dir;
        int w, h, count;
        POINT at;
        TColor color;
    } cases[] = {
        {"bottom-to-top starts at the bottom", TFillDirection::fdBottomToTop, 4, 120, 60, {1, 119}, a},
        {"bottom-to-top ends at the top", TFillDirection::fdBottomToTop, 4, 120, 60, {1, 0}, b},
        {"left-to-right", TFillDirection::fdLeftToRight, 120, 4, 60, {0, 1}, a},
        {"left-to-right end", TFillDirection::fdLeftToRight, 120, 4, 60, {119, 1}, b},
        {"right-to-left", TFillDirection::fdRightToLeft, 120, 4, 60, {119, 1}, a},
        {"centre vertical: top edge", TFillDirection::fdCenterToVerti, 4, 240, 60, {1, 0}, a},
        {"centre vertical: middle", TFillDirection::fdCenterToVerti, 4, 240, 60, {1, 119}, b},
        {"centre vertical: below middle", TFillDirection::fdCenterToVerti, 4, 240, 60, {1, 120}, b},
        {"centre vertical: bottom edge", TFillDirection::fdCenterToVerti, 4, 240, 60, {1, 239}, a},
        {"centre horizontal: left edge", TFillDirection::fdCenterToHoriz, 240, 4, 60, {0, 1}, a},
        {"centre horizontal: middle", TFillDirection::fdCenterToHoriz, 240, 4, 60, {120, 1}, b},
        {"centre horizontal: right edge", TFillDirection::fdCenterToHoriz, 240, 4, 60, {239, 1}, a},
        {"one pixel high: the to colour", TFillDirection::fdTopToBottom, 30, 1, 60, {10, 0}, b},
        {"one pixel high upwards: the to colour", TFillDirection::fdBottomToTop, 30, 1, 60, {10, 0}, a},
        {"one pixel wide: the to colour", TFillDirection::fdLeftToRight, 1, 30, 60, {0, 10}, b},
        {"count below 2: the start colour", TFillDirection::fdTopToBottom, 10, 10, 1, {5, 9}, a},
        {"XP face frame", TFillDirection::fdXPFace, 60, 40, 60, {0, 0}, b},
        {"XP face strip lightened at the top",
         TFillDirection::fdXPFace,
         60,
         40,
         60,
         {30, 1},
         Rgb(30, 30, 30)},
    };
    for (const Case& c : cases) {
        TBitmap bmp(c.w, c.h);
        bmp.Canvas().Brush().SetColor(clWhite);
        bmp.Canvas().FillRect({0, 0, c.w, c.h});
        FillGradient(bmp.Canvas(), {0, 0, c.w, c.h}, a, b, c.dir, c.count);
        EXPECT_EQ(bmp.Pixel(c.at.x, c.at.y), c.color) << c.what;
    }
    TBitmap untouched(4, 4);
    untouched.Canvas().Brush().SetColor(clWhite);
    untouched.Canvas().FillRect({0, 0, 4, 4});
    FillGradient(untouched.Canvas(), {2, 2, 2, 4}, a, b, TFillDirection::fdTopToBottom, 60);
    EXPECT_EQ(untouched.Pixel(2, 2), clWhite) << "an empty rectangle draws nothing";
}

TEST_F(FlatPanelTest, ChildrenAreAlignedTwoPixelsInside) {
    for (bool transBorder : {false, true}) {
        panel->SetTransBorder(transBorder);
        panel->SetBounds(0, 0, 769, 200);
        auto* child = new TFlatPanel(form.get());
        child->SetParent(panel);
        child->SetAlign(TAlign::alTop);
        EXPECT_EQ(child->Left(), 2) << transBorder;
        EXPECT_EQ(child->Top(), 2) << transBorder;
        EXPECT_EQ(child->Width(), 765) << transBorder;
        delete child;
    }
}

TEST_F(FlatPanelTest, PaintsFillFrameAndCaption) {
    panel->SetColorBorder(clNavy);
    panel->SetCaption(L"灯谜");
    panel->Font().SetColor(clRed);
    panel->Font().SetHeight(-20);
    form->Show();
    auto shot = Shot();
    struct Case {
        const char* what;
        int x, y;
        TColor color;
    } cases[] = {
        {"form", 5, 5, clWhite},
        {"frame top-left", 10, 10, clNavy},
        {"frame bottom-right", 209, 109, clNavy},
        {"fill", 12, 12, ColorToRGB(clCream)},
        {"fill near the bottom", 205, 105, ColorToRGB(clCream)},
    };
    for (const Case& c : cases)
        EXPECT_EQ(shot->Pixel(c.x, c.y), c.color) << c.what;
    int red = 0, minX = 1000, maxX = -1;
    for (int y = 11; y < 109; ++y)
        for (int x = 11; x < 209; ++x)
            if (shot->Pixel(x, y) == clRed) {
                ++red;
                minX = std::min(minX, x);
                maxX = std::max(maxX, x);
            }
    EXPECT_GT(red, 20);
    EXPECT_NEAR((minX + maxX) / 2.0, 110, 3) << "caption centred";
}

TEST_F(FlatPanelTest, BorderlessGradientAndTransparentLooks) {
    panel->SetTransBorder(true);
    panel->SetStyleFace(TStyleFace::fsCustom);
    panel->SetBackgropStartColor(Rgb(0, 0, 0));
    panel->SetBackgropStopColor(Rgb(118, 59, 0));
    panel->SetBackgropOrien(TFillDirection::fdLeftToRight);
    form->Show();
    auto shot = Shot();
    EXPECT_EQ(shot->Pixel(10, 10), Rgb(0, 0, 0)) << "no frame: the gradient's first band";
    EXPECT_EQ(shot->Pixel(209, 50), Rgb(118, 59, 0)) << "last pixels in the stop colour";

    panel->SetTransparent(true);
    shot = Shot();
    EXPECT_EQ(shot->Pixel(10, 10), clWhite) << "the parent shows through";
    EXPECT_EQ(shot->Pixel(100, 50), clWhite);
}

TEST_F(FlatPanelTest, LongCaptionIsCutAtTheMarginsAndDisabledIsEmbossed) {
    const TColor fill = ColorToRGB(clCream);
    panel->SetTransBorder(true);
    panel->SetAlignment(TAlignment::taLeftJustify);
    panel->SetCaption(L"WWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWW");
    panel->Font().SetColor(clBlack);
    panel->Font().SetHeight(-16);
    form->Show();
    auto shot = Shot();
    int inked = 0, inkedRows = 0;
    for (int y = 10; y < 110; ++y) {
        for (int x : {10, 11, 12, 207, 208, 209})
            EXPECT_EQ(shot->Pixel(x, y), fill) << x << "," << y;
        int row = 0;
        for (int x = 13; x < 207; ++x)
            row += shot->Pixel(x, y) != fill;
        inked += row;
        inkedRows += row > 0;
    }
    EXPECT_GT(inked, 100);
    EXPECT_LT(inkedRows, 30) << "one line, no wrapping";

    // Embossed: white one pixel down and right, grey in place, on black.
    panel->SetColor(clBlack);
    panel->SetCaption(L"WWW");
    panel->SetEnabled(false);
    shot = Shot();
    // Text may be smoothed: count by brightness.
    int light = 0, grey = 0;
    for (int y = 10; y < 110; ++y)
        for (int x = 10; x < 210; ++x) {
            const int level = int(shot->Pixel(x, y) & 0xFF);
            light += level > 220;
            grey += level > 100 && level < 160;
        }
    EXPECT_GT(light, 5);
    EXPECT_GT(grey, 5);
}

TEST_F(FlatPanelTest, RepaintRules) {
    RECT r = UpdateAfter([&] { panel->SetColorBorder(clRed); });
    EXPECT_FALSE(IsRectEmpty(&r)) << "a colour change repaints at once";
    r = UpdateAfter([&] { panel->SetTransparent(false); });
    EXPECT_TRUE(IsRectEmpty(&r)) << "an unchanged value does not repaint";
    r = UpdateAfter([&] { panel->SetLocked(true); });
    EXPECT_TRUE(IsRectEmpty(&r)) << "Locked never repaints";

    struct Case {
        const char* what;
        bool fullRepaint;
        const wchar_t* caption;
        int width, height;
        RECT update;
    } cases[] = {
        {"full repaint", true, L"", 150, 100, {0, 0, 150, 100}},
        {"captioned panel repaints whole", false, L"x", 150, 100, {0, 0, 150, 100}},
        {"narrower: right strip", false, L"", 150, 100, {148, 0, 150, 100}},
        {"lower: bottom strip", false, L"", 200, 60, {0, 58, 200, 60}},
    };
    for (const Case& c : cases) {
        panel->SetBounds(10, 10, 200, 100);
        panel->SetFullRepaint(c.fullRepaint);
        panel->SetCaption(c.caption);
        r = UpdateAfter([&] { panel->SetBounds(10, 10, c.width, c.height); });
        EXPECT_TRUE(EqualRect(&r, &c.update))
            << c.what << ": " << r.left << "," << r.top << "," << r.right << "," << r.bottom;
    }
}

} // namespace
