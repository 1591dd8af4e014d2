// The outlook bar's arrow button and painting helpers: the banded gradient,
// the rectangle helpers, the button's look and its auto-repeat.
#include "Bitmap.h"
#include "OutBarPaint.h"
#include "ScrollButton.h"
#include "outlookbar_testing.h"
#include "pictures.h"

#include <gtest/gtest.h>

#include <vector>

using namespace yq;
using namespace yq::testing;
using yq::test::CaptureWindow;
using yq::test::Pixels;

namespace {

constexpr TColor kMarker = 0x00123456;

TBitmap* Filled(int w, int h) {
    auto* b = new TBitmap(w, h);
    b->Canvas().Brush().SetColor(kMarker);
    b->Canvas().FillRect(RECT{0, 0, w, h});
    return b;
}

TEST(DrawGradient, EqualColoursAreOneSolidFillOfThicknessLPlusOne) {
    std::unique_ptr<TBitmap> b(Filled(10, 40));
    DrawGradient(b->Canvas(), 10, 30, clRed, clRed, true);
    for (int y = 0; y <= 30; ++y)
        EXPECT_EQ(b->Pixel(9, y), clRed) << y;
    EXPECT_EQ(b->Pixel(9, 31), kMarker);
}

TEST(DrawGradient, WhiteToBlackOverOneHundredRowsPaintsBands0To100) {
    std::unique_ptr<TBitmap> b(Filled(4, 120));
    DrawGradient(b->Canvas(), 4, 100, clWhite, clBlack, true);
    for (int k = 0; k <= 100; ++k) {
        const int v = 255 - (k * 255) / 100;
        EXPECT_EQ(b->Pixel(0, k), TColor(RGB(v, v, v))) << k;
        EXPECT_EQ(b->Pixel(3, k), TColor(RGB(v, v, v))) << k;
    }
    EXPECT_EQ(b->Pixel(0, 101), kMarker);
}

TEST(DrawGradient, HorizontalRunsLeftToRightOverTheFullHeight) {
    // One channel differs by 2: three bands of thickness 60 div 3 + 1 = 21.
    std::unique_ptr<TBitmap> b(Filled(80, 10));
    DrawGradient(b->Canvas(), 60, 10, RGB(10, 0, 0), RGB(12, 0, 0), false);
    struct Case {
        int x;
        TColor expected;
    } cases[] = {{0, RGB(10, 0, 0)},  {20, RGB(10, 0, 0)}, {21, RGB(10, 0, 0)}, {41, RGB(10, 0, 0)},
                 {42, RGB(11, 0, 0)}, {62, RGB(11, 0, 0)}, {63, kMarker}};
    // Band k's channel is 10 + (k * 21 * 2) div 60: 10, 10, 11; the third
    // band runs past the width of 60.
    for (const Case& c : cases) {
        EXPECT_EQ(b->Pixel(c.x, 0), c.expected) << c.x;
        EXPECT_EQ(b->Pixel(c.x, 9), c.expected) << c.x;
    }
}

TEST(DrawGradient, SystemColoursResolveAndEmptyExtentsDrawNothing) {
    std::unique_ptr<TBitmap> b(Filled(10, 10));
    DrawGradient(b->Canvas(), 10, 0, clWhite, clBlack, true);
    DrawGradient(b->Canvas(), 0, 10, clWhite, clBlack, false);
    EXPECT_EQ(b->Pixel(0, 0), kMarker);
    DrawGradient(b->Canvas(), 10, 10, clBtnFace, clBtnFace, true);
    EXPECT_EQ(b->Pixel(5, 5), ColorToRGB(clBtnFace));
}

TEST(RectHelpers, CenterHorizontallyKeepsTheWidthAndTheVerticalEdges) {
    struct Case {
        RECT r, bounds, expected;
    } cases[] = {
        {{0, 1, 10, 2}, {0, 0, 30, 0}, {10, 1, 20, 2}},
        {{5, 3, 16, 4}, {10, 0, 20, 0}, {9, 3, 20, 4}},  // (30 - 11) div 2 = 9
        {{0, 0, 40, 9}, {10, 0, 20, 0}, {-5, 0, 35, 9}}, // wider than the bounds
        {{0, 0, 3, 0}, {-10, 0, 0, 0}, {-6, 0, -3, 0}},  // (-13) div 2 truncates to -6
    };
    for (const Case& c : cases) {
        RECT r = c.r;
        CenterHorizontally(r, c.bounds);
        EXPECT_TRUE(EqualRect(&r, &c.expected)) << r.left << "," << r.right;
    }
    EXPECT_EQ(Max3(1, 7, 3), 7);
    EXPECT_EQ(Max3(-4, -9, -5), -4);
}

class ScrollButtonTest : public FormTest {
protected:
    void SetUp() override {
        FormTest::SetUp();
        button = new TDCScrollButton(form);
        button->SetParent(form);
        button->SetLeft(20);
        button->SetTop(30);
        button->OnSelect = [this](TComponent* sender) {
            EXPECT_EQ(sender, button);
            ++selects;
        };
        form->Show();
    }
    void Press() { Mouse(*button, WM_LBUTTONDOWN, 2, 2, MK_LBUTTON); }
    void Release(int x = 2, int y = 2) { Mouse(*button, WM_LBUTTONUP, x, y); }
    void MoveTo(int x, int y) { Mouse(*button, WM_MOUSEMOVE, x, y, MK_LBUTTON); }

    // The button as Paint draws it, and the frame control it should show.
    std::vector<TColor> Painted() {
        TBitmap b(button->Width(), button->Height());
        button->PaintTo(b.Canvas().Handle(), 0, 0);
        return Pixels(b);
    }
    // What the window shows now (drawn outside painting).
    std::vector<TColor> OnScreen() {
        TBitmap b(button->Width(), button->Height());
        CaptureWindow(button->Handle(), b);
        return Pixels(b);
    }
    std::vector<TColor> Expected(UINT type, UINT state) {
        TBitmap b(button->Width(), button->Height());
        RECT r{0, 0, button->Width(), button->Height()};
        DrawFrameControl(b.Canvas().Handle(), &r, type, state);
        return Pixels(b);
    }

    TDCScrollButton* button = nullptr;
    int selects = 0;
};

TEST_F(ScrollButtonTest, DefaultsAndAutoSizeSquare) {
    const int side = GetSystemMetrics(SM_CXVSCROLL);
    EXPECT_TRUE(button->AutoSize());
    EXPECT_EQ(button->ButtonStyle(), TDCScrollButtonStyle::dcsbs_ScrollDown);
    EXPECT_EQ(button->Frequency(), 100);
    EXPECT_EQ(button->Width(), side);
    EXPECT_EQ(button->Height(), side);
    button->SetAutoSize(false);
    button->SetBounds(20, 30, 40, 25);
    EXPECT_EQ(button->Width(), 40);
    button->SetAutoSize(true);
    EXPECT_EQ(button->Width(), side);
    EXPECT_EQ(button->Height(), side);
    EXPECT_EQ(button->Left(), 20);
}

TEST_F(ScrollButtonTest, FrequencyIgnoresZeroAndNegativeValues) {
    for (int bad : {0, -5}) {
        button->SetFrequency(bad);
        EXPECT_EQ(button->Frequency(), 100);
    }
    button->SetFrequency(200);
    EXPECT_EQ(button->Frequency(), 200);
}

TEST_F(ScrollButtonTest, PaintDrawsTheStylesGlyphReleasedAndInactiveWhenDisabled) {
    struct Case {
        TDCScrollButtonStyle style;
        UINT type, state;
    } cases[] = {
        {TDCScrollButtonStyle::dcsbs_ScrollDown, DFC_SCROLL, DFCS_SCROLLDOWN},
        {TDCScrollButtonStyle::dcsbs_ScrollUp, DFC_SCROLL, DFCS_SCROLLUP},
        {TDCScrollButtonStyle::dcsbs_ScrollLeft, DFC_SCROLL, DFCS_SCROLLLEFT},
        {TDCScrollButtonStyle::dcsbs_CaptionClose, DFC_CAPTION, DFCS_CAPTIONCLOSE},
        {TDCScrollButtonStyle::dcsbs_CaptionRestore, DFC_CAPTION, DFCS_CAPTIONRESTORE},
    };
    for (const Case& c : cases) {
        button->SetButtonStyle(c.style);
        EXPECT_EQ(Painted(), Expected(c.type, c.state)) << int(c.style);
    }
    // Held down: a repaint still shows the released look.
    button->SetButtonStyle(TDCScrollButtonStyle::dcsbs_ScrollDown);
    Press();
    EXPECT_TRUE(button->Pressed());
    EXPECT_EQ(OnScreen(), Expected(DFC_SCROLL, DFCS_SCROLLDOWN | DFCS_PUSHED));
    EXPECT_EQ(Painted(), Expected(DFC_SCROLL, DFCS_SCROLLDOWN));
    MoveTo(60, 60);
    EXPECT_EQ(OnScreen(), Expected(DFC_SCROLL, DFCS_SCROLLDOWN));
    MoveTo(3, 3);
    EXPECT_EQ(OnScreen(), Expected(DFC_SCROLL, DFCS_SCROLLDOWN | DFCS_PUSHED));
    Release();
    EXPECT_EQ(OnScreen(), Expected(DFC_SCROLL, DFCS_SCROLLDOWN));
    button->SetEnabled(false);
    EXPECT_EQ(Painted(), Expected(DFC_SCROLL, DFCS_SCROLLDOWN | DFCS_INACTIVE));
}

TEST_F(ScrollButtonTest, PressAndQuickReleaseSelectsOnce) {
    std::vector<std::string> order;
    button->OnMouseDown = [&](TComponent*, TMouseButton, TShiftState, int, int) {
        order.push_back("down");
        EXPECT_EQ(selects, 0); // the standard event comes first
    };
    Press();
    EXPECT_EQ(selects, 1);
    EXPECT_TRUE(button->MouseCapture());
    Release();
    PumpFor(150);
    EXPECT_EQ(selects, 1);
    EXPECT_FALSE(button->Pressed());
    EXPECT_FALSE(button->MouseCapture());
    EXPECT_FALSE(button->Repeating());
    EXPECT_EQ(order.size(), 1u);
}

TEST_F(ScrollButtonTest, HoldingRepeatsOnlyWhileThePointerIsOverTheButton) {
    Press();
    PumpFor(350);
    const int held = selects;
    EXPECT_GE(held, 3); // the press and at least two ticks
    // Off the button: drawn released, ticks stop firing.
    MoveTo(60, 60);
    EXPECT_FALSE(button->Pressed());
    PumpFor(300);
    EXPECT_EQ(selects, held);
    // Back on it: pushed again, ticks fire again without a new press.
    MoveTo(3, 3);
    EXPECT_TRUE(button->Pressed());
    PumpFor(250);
    EXPECT_GT(selects, held);
    Release();
}

TEST_F(ScrollButtonTest, HidingAHeldButtonStopsTheTimerAndReleasesTheCapture) {
    Press();
    button->Hide();
    EXPECT_FALSE(button->Repeating());
    EXPECT_FALSE(button->MouseCapture());
    const int n = selects;
    PumpFor(250);
    EXPECT_EQ(selects, n);
}

TEST_F(ScrollButtonTest, OtherButtonsOnlyRaiseTheStandardEvents) {
    int downs = 0;
    button->OnMouseDown = [&](TComponent*, TMouseButton, TShiftState, int, int) { ++downs; };
    Mouse(*button, WM_RBUTTONDOWN, 2, 2, MK_RBUTTON);
    EXPECT_EQ(downs, 1);
    EXPECT_EQ(selects, 0);
    EXPECT_FALSE(button->Repeating());
    Mouse(*button, WM_RBUTTONUP, 2, 2);
}

TEST_F(ScrollButtonTest, PublishedByName) {
    SetPropByName(button, "ButtonStyle", L"dcsbs_ScrollUp");
    EXPECT_EQ(button->ButtonStyle(), TDCScrollButtonStyle::dcsbs_ScrollUp);
    SetPropByName(button, "Frequency", L"250");
    EXPECT_EQ(GetIntPropByName(button, "Frequency"), 250);
    EXPECT_EQ(GetEnumPropName(button, "AutoSize"), "True");
    EXPECT_TRUE(button->InheritsFrom("TCustomDCScrollButton"));
}

} // namespace
