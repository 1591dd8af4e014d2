// Check boxes, radio buttons, boxes, status bar, progress and track bars
// skinned: the glyphs and bars the skin draws, what the controls still do
// themselves, and what unskinning gives back.
#include "CheckBox.h"
#include "ExtCtrls.h"
#include "Form.h"
#include "GroupBox.h"
#include "ProgressBar.h"
#include "RadioButton.h"
#include "SkinBars.h"
#include "SkinBox.h"
#include "SkinCheckBox.h"
#include "SkinDraw.h"
#include "SkinStatusBar.h"
#include "StatusBar.h"
#include "TrackBar.h"
#include "message_sequence.h"
#include "pictures.h"
#include "skin_fixture.h"

#include <commctrl.h>

namespace yq {
namespace {

using testing::LoadSkinData;
using testing::Pump;
using testing::TSkinnedFormTest;

class SkinBoxes : public TSkinnedFormTest {
protected:
    SkinBoxes() : TSkinnedFormTest(420, 300) {}
    void SetUp() override {
        TSkinnedFormTest::SetUp();
        ASSERT_NE(skin_->Buttons(), nullptr);
    }
    static void PaintOf(TControl& control, TBitmap& into) {
        into.SetSize(control.Width(), control.Height());
        TBrushHandle white(CreateSolidBrush(RGB(255, 255, 255)));
        const RECT all{0, 0, control.Width(), control.Height()};
        FillRect(into.Canvas().Handle(), &all, white.Get());
        control.Perform(WM_PAINT, reinterpret_cast<WPARAM>(into.Canvas().Handle()));
    }
    // Every pixel of frame k of the strip that is not the key colour is at
    // `at` in the painting.
    static ::testing::AssertionResult ShowsFrame(const TBitmap& painted, POINT at, const TBitmap& strip,
                                                 int n, int k) {
        const int fw = strip.Width() / n;
        for (int y = 0; y < strip.Height(); ++y)
            for (int x = 0; x < fw; ++x) {
                const TColor c = strip.Pixel((k - 1) * fw + x, y);
                if (c == kSkinKeyColour) continue;
                if (painted.Pixel(at.x + x, at.y + y) != c)
                    return ::testing::AssertionFailure() << "frame " << k << " pixel " << x << "," << y;
            }
        return ::testing::AssertionSuccess();
    }
};

// The box glyph follows the mark: unchecked, checked, grey, disabled.
TEST_F(SkinBoxes, CheckBoxShowsTheSkinsGlyphForItsState) {
    auto* box = Place<TCheckBox>(10, 10, 120, 20);
    box->SetCaption(L"选项");
    box->SetAllowGrayed(true);
    auto* skinner = Skin<TSkinCheckBox>(box);
    const TDataSkinButton& b = *skin_->Buttons();
    const int n = b.CheckFrameCount, fw = b.CheckImage.Width() / n, fh = b.CheckImage.Height();
    ASSERT_EQ(n, 4);
    const TBoxGlyphPlace place = PlaceBoxGlyph(RECT{0, 0, 120, 20}, fw, fh, false, false);
    struct Step {
        const char* what;
        std::function<void()> set;
        int frame;
    } steps[] = {
        {"unchecked", [] {}, 1},
        {"checked", [&] { box->SetChecked(true); }, 2},
        {"grey", [&] { box->SetState(TCheckBoxState::cbGrayed); }, 4},
        {"unchecked disabled",
         [&] {
             box->SetState(TCheckBoxState::cbUnchecked);
             box->SetEnabled(false);
         },
         3},
        {"checked disabled", [&] { box->SetChecked(true); }, 4},
    };
    TBitmap painted;
    for (const Step& s : steps) {
        s.set();
        EXPECT_EQ(skinner->FrameNow(), s.frame) << s.what;
        PaintOf(*box, painted);
        EXPECT_TRUE(ShowsFrame(painted, {place.Glyph.left, place.Glyph.top}, b.CheckImage, n, s.frame))
            << s.what;
    }
    // A twelve-frame picture: grey and enabled is frame 9.
    box->SetEnabled(true);
    box->SetState(TCheckBoxState::cbGrayed);
    skin_->Buttons()->CheckFrameCount = 12;
    EXPECT_EQ(skinner->FrameNow(), 9);
    skin_->Buttons()->CheckFrameCount = n;
}

TEST_F(SkinBoxes, RadioButtonGlyphsAndPlacement) {
    auto* radio = Place<TRadioButton>(10, 40, 120, 20);
    auto* skinner = Skin<TSkinRadioButton>(radio);
    const TDataSkinButton& b = *skin_->Buttons();
    const int n = b.RadioFrameCount, fw = b.RadioImage.Width() / n, fh = b.RadioImage.Height();
    const TBoxGlyphPlace place = PlaceBoxGlyph(RECT{0, 0, 120, 20}, fw, fh, false, true);
    TBitmap painted;
    PaintOf(*radio, painted);
    EXPECT_TRUE(ShowsFrame(painted, {place.Glyph.left, place.Glyph.top}, b.RadioImage, n, 1));
    radio->SetChecked(true);
    PaintOf(*radio, painted);
    EXPECT_TRUE(ShowsFrame(painted, {place.Glyph.left, place.Glyph.top}, b.RadioImage, n, 2));
    // Disabled and checked with an eight-frame picture: frame 8.
    radio->SetEnabled(false);
    skin_->Buttons()->RadioFrameCount = 8;
    EXPECT_EQ(skinner->FrameNow(), 8);
    skin_->Buttons()->RadioFrameCount = n;

    // A 13-pixel glyph on the left: check box at left + 1, radio at left.
    EXPECT_EQ(PlaceBoxGlyph(RECT{0, 0, 100, 20}, 13, 13, false, false).Glyph.left, 1);
    EXPECT_EQ(PlaceBoxGlyph(RECT{0, 0, 100, 20}, 13, 13, false, true).Glyph.left, 0);
    EXPECT_EQ(PlaceBoxGlyph(RECT{0, 0, 100, 20}, 13, 13, true, false).Glyph.right, 99);
}

// A click still toggles a skinned check box by its own handling, and the
// glyph follows.
TEST_F(SkinBoxes, SkinnedCheckBoxStillTogglesOnAClick) {
    auto* box = Place<TCheckBox>(10, 10, 120, 20);
    int clicks = 0;
    box->OnClick = [&](TComponent*) { ++clicks; };
    auto* skinner = Skin<TSkinCheckBox>(box);
    SendMessageW(box->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    SendMessageW(box->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    Pump();
    EXPECT_EQ(clicks, 1);
    EXPECT_TRUE(box->Checked());
    EXPECT_EQ(skinner->FrameNow(), 2);
}

// Position 50 of 100 fills half the bar; 75 of 50..100 fills 75/100; a
// vertical bar fills from the bottom.
TEST_F(SkinBoxes, ProgressBarFillsPositionOverMaximum) {
    ASSERT_NE(skin_->Progress(), nullptr);
    auto* bar = Place<TProgressBar>(10, 10, 200, 20);
    Skin<TSkinProgress>(bar);
    auto paintAt = [&](int min, int position) {
        bar->SetMin(min);
        bar->SetPosition(position);
        TBitmap b;
        PaintOf(*bar, b);
        std::vector<TColor> row;
        for (int x = 0; x < 200; ++x)
            row.push_back(b.Pixel(x, 10));
        return row;
    };
    const auto empty = paintAt(0, 0), half = paintAt(0, 50), full = paintAt(0, 100);
    EXPECT_NE(half[50], empty[50]) << "filled";
    EXPECT_EQ(half[50], full[50]);
    EXPECT_EQ(half[150], empty[150]) << "trough";
    EXPECT_NE(full[150], empty[150]);
    EXPECT_EQ(paintAt(0, 75), paintAt(50, 75)) << "the low limit takes no part";

    auto* tall = Place<TProgressBar>(250, 10, 20, 120);
    tall->SetOrientation(TProgressBarOrientation::pbVertical);
    Skin<TSkinProgress>(tall);
    TBitmap none, some;
    tall->SetPosition(0);
    PaintOf(*tall, none);
    tall->SetPosition(30);
    PaintOf(*tall, some);
    EXPECT_NE(some.Pixel(10, 110), none.Pixel(10, 110)) << "bottom filled";
    EXPECT_EQ(some.Pixel(10, 20), none.Pixel(10, 20)) << "top empty";
}

// The thumb is the skin's (frame 2 of 5); the bar keeps drawing its channel.
TEST_F(SkinBoxes, TrackBarThumbComesFromTheSkin) {
    ASSERT_NE(skin_->TrackbarThumbHorz(), nullptr);
    auto* track = Place<TTrackBar>(10, 60, 200, 40);
    TBitmap plain, skinned;
    PaintOf(*track, plain);
    Skin<TSkinTrackBar>(track);
    PaintOf(*track, skinned);
    RECT thumb{};
    SendMessageW(track->Handle(), TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&thumb));
    ASSERT_GT(thumb.right - thumb.left, 0);
    TBitmap expected;
    expected.Assign(skinned);
    DrawSkinFrame(expected.Canvas().Handle(), thumb, skin_->TrackbarThumbHorz()->Image, true, 5, 2);
    int same = 0, differ = 0;
    for (int y = thumb.top; y < thumb.bottom; ++y)
        for (int x = thumb.left; x < thumb.right; ++x) {
            same += skinned.Pixel(x, y) == expected.Pixel(x, y);
            differ += skinned.Pixel(x, y) != plain.Pixel(x, y);
        }
    EXPECT_EQ(same, (thumb.right - thumb.left) * (thumb.bottom - thumb.top));
    EXPECT_GT(differ, 0) << "not the platform's thumb";
    // Away from the thumb the bar's own channel is unchanged.
    EXPECT_EQ(skinned.Pixel(thumb.right + 40, (thumb.top + thumb.bottom) / 2),
              plain.Pixel(thumb.right + 40, (thumb.top + thumb.bottom) / 2));
}

// Panels: every one handed to the bar's drawing event inset by one; the
// grip is off while skinned and back after.
TEST_F(SkinBoxes, StatusBarPanelsAndGrip) {
    auto* bar = new TStatusBar(form_.get());
    bar->SetParent(form_.get());
    for (int i = 0; i < 3; ++i)
        bar->Panels().Add()->SetWidth(80);
    bar->Panels().Items(1)->SetText(L"第二");
    bar->Handle();
    ASSERT_TRUE(bar->SizeGrip());
    std::vector<RECT> drawn;
    bar->OnDrawPanel = [&](TCustomStatusBar*, TStatusPanel*, const RECT& r) { drawn.push_back(r); };
    auto* skinner = Skin<TSkinStatusBar>(bar);
    EXPECT_FALSE(bar->SizeGrip());
    EXPECT_EQ(GetWindowLongW(bar->Handle(), GWL_STYLE) & SBARS_SIZEGRIP, 0);
    TBitmap painted;
    PaintOf(*bar, painted);
    ASSERT_EQ(drawn.size(), 3u);
    for (int i = 0; i < 3; ++i) {
        RECT r{};
        SendMessageW(bar->Handle(), SB_GETRECT, WPARAM(i), reinterpret_cast<LPARAM>(&r));
        EXPECT_EQ(drawn[size_t(i)].left, r.left + 1);
        EXPECT_EQ(drawn[size_t(i)].bottom, r.bottom - 1);
    }
    // The last panel's edge reaches the bar's right end: the skin's edge
    // picture, not the face colour, in the last column.
    const TColor face = TColor(ColorToRGB(skin_->ButtonFace));
    EXPECT_NE(painted.Pixel(bar->Width() - 1, bar->Height() / 2), face);
    skinner->Unskin();
    EXPECT_TRUE(bar->SizeGrip());
}

// Colours: a panel wears ButtonFace while skinned; the group box frame is
// the shadow colour with the caption nine pixels in.
TEST_F(SkinBoxes, BoxesTakeTheSkinColourAndGiveItBack) {
    auto* panel = Place<TPanel>(10, 120, 100, 50);
    panel->SetColor(0x00336699);
    Skin<TSkinBox>(panel, true);
    EXPECT_EQ(panel->Color(), skin_->ButtonFace);
    auto* group = Place<TGroupBox>(150, 120, 160, 80);
    group->SetCaption(L"分组");
    const bool parentColour = group->ParentColor();
    const TColor groupColour = group->Color();
    Skin<TSkinGroupBox>(group, true);
    TBitmap painted;
    PaintOf(*group, painted);
    HDC dc = painted.Canvas().Handle();
    TSelectObject font(dc, group->Font().Handle());
    SIZE zero{};
    GetTextExtentPoint32W(dc, L"0", 1, &zero);
    const int top = int(zero.cy) / 2 - 1;
    const TColor shadow = TColor(ColorToRGB(skin_->ButtonShadow));
    EXPECT_EQ(painted.Pixel(5, top), shadow) << "frame line";
    EXPECT_EQ(painted.Pixel(150, top), shadow);
    int caption = 0;
    for (int x = 9; x < 40; ++x)
        caption += painted.Pixel(x, top) != shadow;
    EXPECT_GT(caption, 20) << "the caption cuts the line";
    registry_.ReleaseSkinControls();
    EXPECT_EQ(panel->Color(), TColor(0x00336699));
    EXPECT_EQ(group->ParentColor(), parentColour);
    EXPECT_EQ(group->Color(), groupColour);
}

// A recording with the device contexts colour messages carry left out:
// the platform hands out a new one each time.
std::vector<testing::RecordedMessage> WithoutDCs(std::vector<testing::RecordedMessage> log) {
    for (auto& r : log)
        if ((r.msg >= WM_CTLCOLORMSGBOX && r.msg <= WM_CTLCOLORSTATIC) ||
            (r.msg >= CN_BASE + WM_CTLCOLORMSGBOX && r.msg <= CN_BASE + WM_CTLCOLORSTATIC))
            r.wParam = 0;
    return log;
}

// Every kind, skinned and unskinned again: the control hears what it heard
// before and paints as before (the status bar with its grip back).
TEST_F(SkinBoxes, UnskinnedControlsHaveTheirSequenceAndLookBack) {
    struct Kind {
        const char* name;
        std::function<TWinControl*()> make;
        std::function<void(TWinControl*)> skin;
    } kinds[] = {
        {"check box", [&] { return Place<TCheckBox>(10, 10, 120, 20); },
         [&](TWinControl* c) { Skin<TSkinCheckBox>(c); }},
        {"radio button", [&] { return Place<TRadioButton>(10, 40, 120, 20); },
         [&](TWinControl* c) { Skin<TSkinRadioButton>(c); }},
        {"group box", [&] { return Place<TGroupBox>(150, 10, 120, 60); },
         [&](TWinControl* c) { Skin<TSkinGroupBox>(c, true); }},
        {"progress bar",
         [&] {
             auto* p = Place<TProgressBar>(10, 80, 200, 20);
             p->SetPosition(40);
             return p;
         },
         [&](TWinControl* c) { Skin<TSkinProgress>(c); }},
        {"track bar", [&] { return Place<TTrackBar>(10, 110, 200, 40); },
         [&](TWinControl* c) { Skin<TSkinTrackBar>(c); }},
        {"status bar",
         [&] {
             auto* bar = new TStatusBar(form_.get());
             bar->SetParent(form_.get());
             bar->SetSimpleText(L"状态");
             bar->Handle();
             return bar;
         },
         [&](TWinControl* c) { Skin<TSkinStatusBar>(c); }},
    };
    for (const Kind& k : kinds) {
        TWinControl* c = k.make();
        auto script = [&] {
            testing::MessageRecorder rec;
            rec.Watch(*c);
            c->Perform(WM_MOUSEMOVE, 0, MAKELPARAM(4, 4));
            c->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(4, 4));
            c->Perform(WM_LBUTTONUP, 0, MAKELPARAM(4, 4));
            c->Perform(WM_ERASEBKGND, 0, 0);
            SetFocus(nullptr);
            Pump(50);
            return WithoutDCs(rec.Take());
        };
        script();
        const auto platform = script();
        TBitmap before, after;
        PaintOf(*c, before);
        k.skin(c);
        Pump();
        registry_.ReleaseSkinControls();
        Pump();
        script();
        EXPECT_TRUE(testing::SameSequence(script(), platform)) << k.name;
        PaintOf(*c, after);
        EXPECT_EQ(test::Pixels(after), test::Pixels(before)) << k.name;
    }
}

} // namespace
} // namespace yq
