// The push-button skinners: the frame each state shows, what the button
// still hears while skinned, the click made by the skinner, the switch
// WM_SKINENABLE, and the button given back exactly by unskinning.
#include "BitBtn.h"
#include "Button.h"
#include "Form.h"
#include "SkinButton.h"
#include "SkinButtonLayout.h"
#include "SkinDraw.h"
#include "SkinMessages.h"
#include "SpeedButton.h"
#include "message_sequence.h"
#include "pictures.h"
#include "skin_fixture.h"

namespace yq {
namespace {

using testing::LoadSkinData;
using testing::MatchSequence;
using testing::MessageRecorder;
using testing::Only;
using testing::Pump;
using testing::SameSequence;
using testing::TBareWindow;
using testing::TSkinnedFormTest;

constexpr int kW = 90, kH = 30;

// A button's face as the skin draws frame k, without the caption.
std::vector<TColor> FaceRow(TSkinData& skin, int k, int y) {
    TBitmap face(kW, kH);
    HDC dc = face.Canvas().Handle();
    TBrushHandle brush(CreateSolidBrush(ColorToRGB(skin.ButtonFace)));
    const RECT all{0, 0, kW, kH};
    FillRect(dc, &all, brush.Get());
    DrawSkinPart(dc, all, 5, k, *skin.Buttons());
    std::vector<TColor> row;
    for (int x = 0; x < kW; ++x)
        row.push_back(face.Pixel(x, y));
    return row;
}

std::vector<TColor> Row(const TBitmap& b, int y) {
    std::vector<TColor> row;
    for (int x = 0; x < b.Width(); ++x)
        row.push_back(b.Pixel(x, y));
    return row;
}

// What the control paints for WM_PAINT on a memory DC (the skinner's
// painting when skinned, the platform's otherwise).
void PaintOf(TControl& control, TBitmap& into) {
    into.SetSize(kW, kH);
    control.Perform(WM_PAINT, reinterpret_cast<WPARAM>(into.Canvas().Handle()));
}

// The frame whose face row matches row 2 of the painting; 0 for none.
int FrameShown(TSkinData& skin, const TBitmap& painted) {
    for (int k = 1; k <= 5; ++k)
        if (Row(painted, 2) == FaceRow(skin, k, 2)) return k;
    return 0;
}

class SkinButtons : public TSkinnedFormTest {
protected:
    SkinButtons() : TSkinnedFormTest(300, 200) {}
    void SetUp() override {
        TSkinnedFormTest::SetUp();
        ASSERT_NE(skin_->Buttons(), nullptr);
    }
    template <class TButtonClass> TButtonClass* NewButton(const wchar_t* caption) {
        auto* b = new TButtonClass(form_.get());
        b->SetBounds(10, 10, kW, kH);
        b->SetCaption(caption);
        b->SetParent(form_.get());
        b->Handle();
        return b;
    }
};

TEST_F(SkinButtons, TheSkinsFramesAreTellableApart) {
    for (int a = 1; a <= 5; ++a)
        for (int b = a + 1; b <= 5; ++b)
            EXPECT_NE(FaceRow(*skin_, a, 2), FaceRow(*skin_, b, 2)) << a << " " << b;
}

// Default, focused, hot, pressed and disabled buttons: the frame shown.
TEST_F(SkinButtons, FramesByStateDifferBetweenPushAndBitmapButtons) {
    auto* push = NewButton<TButton>(L"确定");
    auto* bit = NewButton<TBitBtn>(L"确定");
    push->SetDefault(true);
    bit->SetDefault(true);
    auto* pushSkin = Skin<TSkinButton>(push);
    auto* bitSkin = Skin<TSkinBitButton>(bit);
    TBitmap painted;
    struct Step {
        const char* what;
        std::function<void()> setUp;
        int pushFrame, bitFrame;
    } steps[] = {
        {"default, no focus", [] {}, 5, 5},
        {"default with focus", [&] { push->SetFocus(); }, 5, 0},
        {"hot", [&] { pushSkin->MouseState = bitSkin->MouseState = msHot; }, 4, 4},
        {"pressed", [&] { pushSkin->MouseState = bitSkin->MouseState = msHot | msPressed; }, 2, 2},
        {"disabled and pressed",
         [&] {
             push->SetEnabled(false);
             bit->SetEnabled(false);
         },
         3, 3},
    };
    for (const Step& s : steps) {
        s.setUp();
        PaintOf(*push, painted);
        EXPECT_EQ(FrameShown(*skin_, painted), s.pushFrame) << s.what;
        if (!s.bitFrame) {
            // The bitmap button shows its focused frame 4 when it has the focus.
            bit->SetFocus();
            PaintOf(*bit, painted);
            EXPECT_EQ(FrameShown(*skin_, painted), 4) << s.what;
            push->SetFocus();
            continue;
        }
        PaintOf(*bit, painted);
        EXPECT_EQ(FrameShown(*skin_, painted), s.bitFrame) << s.what;
    }
}

// The press never reaches the button, the release does and clicks it,
// wherever it happens; keys and focus still reach it.
TEST_F(SkinButtons, ThePressIsTheSkinnersAndTheClickComesOnRelease) {
    auto* b = NewButton<TButton>(L"按钮");
    int clicks = 0;
    b->OnClick = [&](TComponent*) { ++clicks; };
    MessageRecorder rec;
    rec.Watch(*b); // below the skinner: what the button itself gets
    Skin<TSkinButton>(b);
    b->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    EXPECT_EQ(clicks, 0);
    b->Perform(WM_LBUTTONUP, 0, MAKELPARAM(500, 400));
    EXPECT_EQ(clicks, 1) << "released outside, still a click";
    EXPECT_TRUE(MatchSequence(Only(rec.Take(), {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_SETFOCUS}),
                              {{WM_SETFOCUS}, {WM_LBUTTONUP}}));

    // Space: the button's own handling makes the click.
    SendMessageW(b->Handle(), WM_KEYDOWN, VK_SPACE, 0);
    SendMessageW(b->Handle(), WM_KEYUP, VK_SPACE, 0);
    Pump();
    EXPECT_EQ(clicks, 2);
    EXPECT_TRUE(
        MatchSequence(Only(rec.Take(), {WM_KEYDOWN, WM_KEYUP, WM_SETTEXT, WM_ENABLE}),
                      {{WM_KEYDOWN, testing::kWParam, VK_SPACE}, {WM_KEYUP, testing::kWParam, VK_SPACE}}));
    b->SetCaption(L"新标题");
    b->SetEnabled(false);
    EXPECT_TRUE(MatchSequence(Only(rec.Take(), {WM_SETTEXT, WM_ENABLE}), {{WM_SETTEXT}, {WM_ENABLE}}));
}

// Unskinned again, the button hears what it heard before and paints as before.
TEST_F(SkinButtons, UnskinningGivesTheButtonItsSequenceAndLookBack) {
    auto* b = NewButton<TButton>(L"按钮");
    auto script = [&] {
        MessageRecorder rec;
        rec.Watch(*b);
        b->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
        b->Perform(WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
        b->Perform(WM_MOUSEMOVE, 0, MAKELPARAM(6, 6));
        b->Perform(WM_ERASEBKGND, 0, 0);
        Pump();
        return rec.Take();
    };
    auto settle = [] {
        SetFocus(nullptr);
        Pump(50);
    };
    // Each script runs from the state the one before left.
    script();
    settle();
    TBitmap before, skinned, after;
    const auto platform = script();
    settle();
    PaintOf(*b, before);
    Skin<TSkinButton>(b);
    PaintOf(*b, skinned);
    EXPECT_NE(Row(skinned, 2), Row(before, 2));
    registry_.ReleaseSkinControls();
    EXPECT_TRUE(registry_.SkinControlList.empty());
    EXPECT_FALSE(b->DoubleBuffered());
    PaintOf(*b, after);
    script();
    settle();
    EXPECT_TRUE(SameSequence(script(), platform));
    for (int y = 0; y < kH; ++y)
        EXPECT_EQ(Row(after, y), Row(before, y)) << "row " << y;
}

// WM_SKINENABLE 0: the platform's look until WM_SKINENABLE 1.
TEST_F(SkinButtons, SkinEnableSwitchesOneControl) {
    auto* b = NewButton<TButton>(L"按钮");
    TBitmap plain, off, on;
    PaintOf(*b, plain);
    Skin<TSkinButton>(b);
    b->Perform(WM_SKINENABLE, 0, 0);
    PaintOf(*b, off);
    EXPECT_EQ(Row(off, 2), Row(plain, 2));
    b->Perform(WM_SKINENABLE, 1, 0);
    PaintOf(*b, on);
    EXPECT_EQ(FrameShown(*skin_, on), 1);
}

// "||" breaks a caption: twice the rows of text, and narrower.
TEST_F(SkinButtons, DoubleBarsBreakTheCaption) {
    struct Extent {
        int rows, columns;
    };
    auto extent = [&](const wchar_t* caption) {
        auto* b = NewButton<TButton>(L"");
        b->SetHeight(50);
        Skin<TSkinButton>(b);
        TBitmap bare, painted;
        bare.SetSize(kW, 50);
        painted.SetSize(kW, 50);
        b->Perform(WM_PAINT, reinterpret_cast<WPARAM>(bare.Canvas().Handle()));
        b->SetCaption(caption);
        b->Perform(WM_PAINT, reinterpret_cast<WPARAM>(painted.Canvas().Handle()));
        int top = 50, bottom = -1, left = kW, right = -1;
        for (int y = 0; y < 50; ++y)
            for (int x = 0; x < kW; ++x)
                if (painted.Pixel(x, y) != bare.Pixel(x, y)) {
                    top = std::min(top, y);
                    bottom = std::max(bottom, y);
                    left = std::min(left, x);
                    right = std::max(right, x);
                }
        return Extent{bottom - top + 1, right - left + 1};
    };
    const Extent one = extent(L"两行文字"), two = extent(L"两行||文字");
    EXPECT_GE(two.rows, one.rows * 3 / 2) << one.rows << " " << two.rows;
    EXPECT_LE(two.columns, one.columns * 2 / 3) << one.columns << " " << two.columns;
}

// A flat speed button at rest shows no face; hovering shows frame 4; a
// button that is down shows frame 2 even when disabled.
TEST_F(SkinButtons, SpeedButtonFrames) {
    auto* s = new TSpeedButton(form_.get());
    s->SetBounds(10, 50, kW, kH);
    s->SetParent(form_.get());
    s->SetFlat(true);
    auto* skinner = new TSkinSpeedButton(s);
    skinner->AttachGraphicControl(&registry_, skin_.get(), &registry_.SharedCanvas);
    TBitmap painted;
    PaintOf(*s, painted);
    const COLORREF face = ColorToRGB(skin_->ButtonFace);
    EXPECT_EQ(test::CountColor(painted, TColor(face)), kW * kH) << "no face, no caption";
    s->Perform(CM_MOUSEENTER);
    PaintOf(*s, painted);
    EXPECT_EQ(FrameShown(*skin_, painted), 4);
    s->Perform(CM_MOUSELEAVE);
    s->SetGroupIndex(1);
    s->SetDown(true);
    s->SetEnabled(false);
    PaintOf(*s, painted);
    EXPECT_EQ(FrameShown(*skin_, painted), 2);
    // Unskinned, the button paints itself again.
    registry_.ReleaseSkinControls();
    s->SetEnabled(true);
    s->SetDown(false);
    PaintOf(*s, painted);
    EXPECT_EQ(FrameShown(*skin_, painted), 0);
}

// A bare window's button: the click is posted to its parent; another
// button becoming hot makes the first one leave.
TEST_F(SkinButtons, BareButtonsClickTheirParentAndShareOneHotButton) {
    TBareWindow parent(L"YqSkinButtonsBare", WS_OVERLAPPEDWINDOW, 300, 200);
    TWinSkinForm form;
    form.Handle = parent.Get();
    form.SkinData = skin_.get();
    auto child = [&](int id, int y) {
        return CreateWindowExW(0, L"BUTTON", L"确定", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 10, y, kW, kH,
                               parent.Get(), reinterpret_cast<HMENU>(INT_PTR(id)), GetModuleHandleW(nullptr),
                               nullptr);
    };
    HWND one = child(101, 10), two = child(102, 50);
    ASSERT_EQ(form.SkinChildWindow(one), "TSkinButton");
    ASSERT_EQ(form.SkinChildWindow(two), "TSkinButton");
    MessageRecorder rec;
    rec.Watch(parent.Get());
    SendMessageW(one, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    SendMessageW(one, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    Pump();
    EXPECT_TRUE(MatchSequence(Only(rec.Take(), {WM_COMMAND}),
                              {{WM_COMMAND, testing::kWParam | testing::kLParam, MAKEWPARAM(101, BN_CLICKED),
                                reinterpret_cast<LPARAM>(one)}}));

    auto* first = static_cast<TSkinButton*>(form.FindSkinControlByHandle(one));
    auto* second = static_cast<TSkinButton*>(form.FindSkinControlByHandle(two));
    SendMessageW(one, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    EXPECT_EQ(form.HotButton, first);
    EXPECT_TRUE(first->Hot());
    SendMessageW(two, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    EXPECT_EQ(form.HotButton, second);
    EXPECT_FALSE(first->Hot());
    EXPECT_TRUE(second->Hot());
    form.ReleaseSkinControls();
}

// Glyph and caption placement.
TEST(SkinButtonLayout, MarginAndSpacing) {
    struct Case {
        TGlyphLayout layout;
        int margin, spacing, extra;
        POINT glyph, text;
    } cases[] = {
        // 100 x 30 client, 16 x 16 glyph, 40 x 12 text.
        {TGlyphLayout::glLeft, -1, -1, 0, {14, 7}, {44, 9}},
        {TGlyphLayout::glLeft, -1, 4, 0, {20, 7}, {40, 9}},
        {TGlyphLayout::glLeft, -1, 4, 1, {21, 7}, {41, 9}},
        {TGlyphLayout::glLeft, 4, -1, 0, {4, 7}, {40, 9}},
        {TGlyphLayout::glRight, 2, 4, 0, {82, 7}, {38, 9}},
        {TGlyphLayout::glTop, 0, 2, 0, {42, 0}, {30, 18}},
    };
    for (const Case& c : cases) {
        const TGlyphTextPlacement p =
            LayoutGlyphAndText({100, 30}, {16, 16}, {40, 12}, c.layout, c.margin, c.spacing, c.extra);
        EXPECT_EQ(p.Glyph.x, c.glyph.x) << int(c.layout) << " " << c.margin << " " << c.spacing;
        EXPECT_EQ(p.Glyph.y, c.glyph.y);
        EXPECT_EQ(p.Text.x, c.text.x);
        EXPECT_EQ(p.Text.y, c.text.y);
    }
    // No text: no spacing.
    const TGlyphTextPlacement alone =
        LayoutGlyphAndText({100, 30}, {16, 16}, {0, 0}, TGlyphLayout::glLeft, 4, 6, 0);
    EXPECT_EQ(alone.Text.x, 20);
}

} // namespace
} // namespace yq
