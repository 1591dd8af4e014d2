// The glyph button under the pointer and the keyboard: clicks, leaving
// while pressed, double clicks, the hand cursor, Enter, Esc and
// accelerators, auto-repeat by its timers, the kinds and the drop-down menu.
#include "Menus.h"
#include "Screen.h"
#include "VelaKinds.h"
#include "glyphbutton_fixture.h"

#include <cstring>
#include <string>
#include <vector>

namespace yq::test {
namespace {

struct Counts {
    int click = 0, dbl = 0, down = 0, up = 0, over = 0, out = 0;
};

void Count(TVelaButton* b, Counts& n) {
    b->OnClick = [&n](TComponent*) { ++n.click; };
    b->OnDblClick = [&n](TComponent*) { ++n.dbl; };
    b->OnMouseDown = [&n](TComponent*, TMouseButton, TShiftState, int, int) { ++n.down; };
    b->OnMouseUp = [&n](TComponent*, TMouseButton, TShiftState, int, int) { ++n.up; };
    b->OnMouseOver = [&n](TComponent*) { ++n.over; };
    b->OnMouseOut = [&n](TComponent*) { ++n.out; };
}

TEST_F(GlyphButtonTest, PressMoveOffAndReleaseRaisesNeitherClickNorMouseUp) {
    TVelaButton* b = AddButton(10, 10, 60, 30);
    b->SetColor(clWhite);
    Counts n;
    Count(b, n);
    form->Show();
    Send(b, WM_MOUSEMOVE, 5, 5);
    Send(b, WM_LBUTTONDOWN, 5, 5, MK_LBUTTON);
    Send(b, WM_MOUSEMOVE, 100, 5, MK_LBUTTON);
    EXPECT_FALSE(b->Hot());
    EXPECT_EQ(Picture(b)->Pixel(0, 0), clWhite); // idle look at once
    Send(b, WM_LBUTTONUP, 100, 5);
    Send(b, WM_MOUSELEAVE, 0, 0);
    EXPECT_EQ(n.click, 0);
    EXPECT_EQ(n.up, 0);
    EXPECT_EQ(n.over, 1);
    EXPECT_EQ(n.out, 1);
    EXPECT_EQ(n.down, 0); // no menu: a press raises no OnMouseDown

    // Coming back in before the release still clicks.
    Send(b, WM_MOUSEMOVE, 5, 5);
    Send(b, WM_LBUTTONDOWN, 5, 5, MK_LBUTTON);
    Send(b, WM_MOUSEMOVE, 100, 5, MK_LBUTTON);
    Send(b, WM_MOUSEMOVE, 6, 6, MK_LBUTTON);
    Send(b, WM_LBUTTONUP, 6, 6);
    EXPECT_EQ(n.click, 1);
    EXPECT_EQ(n.up, 1);
}

TEST_F(GlyphButtonTest, DoubleClickClicksOnceMoreAtItsSecondPress) {
    TVelaButton* b = AddButton(10, 10, 60, 30);
    Counts n;
    Count(b, n);
    Send(b, WM_MOUSEMOVE, 5, 5);
    Send(b, WM_LBUTTONDOWN, 5, 5, MK_LBUTTON);
    Send(b, WM_LBUTTONUP, 5, 5);
    Send(b, WM_LBUTTONDBLCLK, 5, 5, MK_LBUTTON);
    EXPECT_EQ(n.click, 2);
    Send(b, WM_LBUTTONUP, 5, 5);
    EXPECT_EQ(n.click, 2);
    EXPECT_EQ(n.dbl, 1);
    EXPECT_EQ(n.up, 2);
    // The right button does nothing.
    Send(b, WM_RBUTTONDOWN, 5, 5, MK_RBUTTON);
    Send(b, WM_RBUTTONUP, 5, 5);
    EXPECT_EQ(n.click, 2);
    EXPECT_EQ(n.down, 0);
}

TEST_F(GlyphButtonTest, HandCursorWhileOverTheButtonAndDisabledButtonsIgnoreThePointer) {
    TVelaButton* b = AddButton(10, 10, 60, 30);
    Counts n;
    Count(b, n);
    Send(b, WM_MOUSEMOVE, 5, 5);
    EXPECT_EQ(b->Cursor(), 1);
    HCURSOR hand = Screen().Cursors(1);
    EXPECT_NE(hand, nullptr);
    EXPECT_NE(hand, LoadCursorW(nullptr, IDC_ARROW));
    Send(b, WM_MOUSELEAVE, 0, 0);
    EXPECT_EQ(b->Cursor(), crDefault);

    b->SetCursorHandCustom(false);
    Send(b, WM_MOUSEMOVE, 5, 5);
    EXPECT_EQ(b->Cursor(), crDefault);
    Send(b, WM_MOUSELEAVE, 0, 0);

    b->SetEnabled(false);
    b->Perform(CM_MOUSEENTER);
    EXPECT_FALSE(b->Hot());
    EXPECT_EQ(n.over, 2);

    // With the entry sound the hot look still comes (after the sound).
    b->SetEnabled(true);
    b->SetPlayMusic(true);
    b->Perform(CM_MOUSEENTER);
    EXPECT_TRUE(b->Hot());
    EXPECT_EQ(n.over, 3);
}

// A windowed control that takes the focus, standing in for an edit box.
class TFocusable : public TCustomControl {
public:
    explicit TFocusable(TComponent* owner) : TCustomControl(owner) { SetTabStop(true); }
};

class GlyphButtonKeysTest : public GlyphButtonTest {
protected:
    void Key(TWinControl* to, UINT msg, WPARAM key) {
        PostMessageW(to->Handle(), msg, key, 1);
        Application().ProcessMessages();
    }
};

TEST_F(GlyphButtonKeysTest, EnterClicksTheFocusedGlyphButtonOtherwiseTheDefaultOne) {
    auto* edit = new TFocusable(form);
    edit->SetParent(form);
    edit->SetBounds(10, 60, 100, 20);
    TVelaButton* ok = AddButton(10, 10, 60, 30);
    TVelaButton* other = AddButton(80, 10, 60, 30);
    ok->SetDefault(true);
    int okClicks = 0, otherClicks = 0;
    ok->OnClick = [&](TComponent*) { ++okClicks; };
    other->OnClick = [&](TComponent*) { ++otherClicks; };
    form->Show();

    edit->SetFocus();
    ASSERT_EQ(GetFocus(), edit->Handle());
    Key(edit, WM_KEYDOWN, VK_RETURN);
    EXPECT_EQ(okClicks, 1);
    EXPECT_EQ(otherClicks, 0);

    other->SetFocus();
    Key(other, WM_KEYDOWN, VK_RETURN);
    EXPECT_EQ(okClicks, 1);
    EXPECT_EQ(otherClicks, 1);
    EXPECT_FALSE(ok->ActiveDefault());

    edit->SetFocus();
    EXPECT_TRUE(ok->ActiveDefault());
    EXPECT_FALSE(other->ActiveDefault());
    // Default switched off while the edit box has the focus: Enter does nothing.
    ok->SetDefault(false);
    Key(edit, WM_KEYDOWN, VK_RETURN);
    EXPECT_EQ(okClicks, 1);
}

TEST_F(GlyphButtonKeysTest, EscapeClicksTheCancelButtonAndAcceleratorsClickTheirs) {
    auto* edit = new TFocusable(form);
    edit->SetParent(form);
    TVelaButton* cancel = AddButton(10, 10, 60, 30);
    TVelaButton* help = AddButton(80, 10, 60, 30);
    cancel->SetCancel(true);
    help->SetCaption(L"&Help && more");
    int cancels = 0, helps = 0;
    cancel->OnClick = [&](TComponent*) { ++cancels; };
    help->OnClick = [&](TComponent*) { ++helps; };
    form->Show();
    edit->SetFocus();
    Key(edit, WM_KEYDOWN, VK_ESCAPE);
    EXPECT_EQ(cancels, 1);
    Key(edit, WM_CHAR, L'h');
    Key(edit, WM_CHAR, L'm');
    EXPECT_EQ(helps, 1);
    // A button that cannot take the focus takes no keys.
    cancel->SetEnabled(false);
    Key(edit, WM_KEYDOWN, VK_ESCAPE);
    EXPECT_EQ(cancels, 1);
}

TEST_F(GlyphButtonKeysTest, ThreeDStylesShowAFocusRectangleWhileFocused) {
    auto* edit = new TFocusable(form);
    edit->SetParent(form);
    TVelaButton* strip = AddButton(10, 10, 120, 30);
    strip->SetButtonStyle(TStyle::stFrameLowered);
    strip->SetTabStop(true);
    form->Show();
    // One-pixel frame, so the dotted focus rectangle runs along y = 4.
    const TColor face = Rgb(clBtnFace);
    EXPECT_EQ(Picture(strip)->Pixel(5, 4), face);
    strip->SetFocus();
    EXPECT_NE(Picture(strip)->Pixel(5, 4), face);
    strip->SetShowFocused(false);
    EXPECT_EQ(Picture(strip)->Pixel(5, 4), face);
    strip->SetShowFocused(true);
    edit->SetFocus();
    EXPECT_EQ(Picture(strip)->Pixel(5, 4), face);
}

TTimer* TimerOf(TVelaButton* b, const char* name) {
    return dynamic_cast<TTimer*>(b->FindComponent(name));
}

TEST_F(GlyphButtonTest, HeldButtonRepeatsItsClickByItsTimers) {
    TVelaButton* b = AddButton(10, 10, 60, 30);
    b->SetRepeatAction(true);
    b->SetRepeatStartInterval(120);
    b->SetRepeatInterval(70);
    TTimer* start = TimerOf(b, "RepeatStartTimer");
    TTimer* repeat = TimerOf(b, "RepeatTimer");
    ASSERT_TRUE(start && repeat);
    EXPECT_EQ(b->RepeatStartInterval(), 120);
    EXPECT_EQ(start->Interval(), 120);
    EXPECT_EQ(repeat->Interval(), 70);
    EXPECT_FALSE(start->Enabled());
    EXPECT_FALSE(repeat->Enabled());
    Counts n;
    Count(b, n);

    Send(b, WM_MOUSEMOVE, 5, 5);
    Send(b, WM_LBUTTONDOWN, 5, 5, MK_LBUTTON);
    EXPECT_TRUE(start->Enabled());
    EXPECT_FALSE(repeat->Enabled());
    start->OnTimer(start);
    EXPECT_FALSE(start->Enabled());
    EXPECT_TRUE(repeat->Enabled());
    for (int i = 0; i < 3; ++i)
        repeat->OnTimer(repeat);
    EXPECT_EQ(n.click, 3);
    Send(b, WM_LBUTTONUP, 5, 5);
    EXPECT_EQ(n.click, 4); // the release's own click on top
    EXPECT_FALSE(start->Enabled());
    EXPECT_FALSE(repeat->Enabled());

    struct Stop {
        const char* what;
        std::function<void()> act;
    } stops[] = {
        {"leaving", [&] { Send(b, WM_MOUSELEAVE, 0, 0); }},
        {"disabling", [&] { b->SetEnabled(false); }},
        {"losing the mouse", [&] { ReleaseCapture(); }},
    };
    for (const Stop& s : stops) {
        SCOPED_TRACE(s.what);
        b->SetEnabled(true);
        Send(b, WM_MOUSEMOVE, 5, 5);
        Send(b, WM_LBUTTONDOWN, 5, 5, MK_LBUTTON);
        start->OnTimer(start);
        ASSERT_TRUE(repeat->Enabled());
        s.act();
        EXPECT_FALSE(start->Enabled());
        EXPECT_FALSE(repeat->Enabled());
        Send(b, WM_LBUTTONUP, 5, 5);
    }

    // RepeatAction off: a press starts nothing.
    b->SetEnabled(true);
    b->SetRepeatAction(false);
    Send(b, WM_MOUSEMOVE, 5, 5);
    Send(b, WM_LBUTTONDOWN, 5, 5, MK_LBUTTON);
    EXPECT_FALSE(start->Enabled());
    Send(b, WM_LBUTTONUP, 5, 5);
}

TEST_F(GlyphButtonTest, KindsBringTheirGlyphsCaptionsKeysAndModalResults) {
    struct Case {
        TKind kind;
        const wchar_t* caption;
        int modalResult;
        bool isDefault, isCancel;
    } cases[] = {
        {TKind::skOK, L"OK", mrOk, true, false},
        {TKind::skCancel, L"Cancel", mrCancel, false, true},
        {TKind::skYes, L"&Yes", mrYes, true, false},
        {TKind::skNo, L"&No", mrNo, false, true},
        {TKind::skAbort, L"Abort", mrAbort, false, false},
        {TKind::skRetry, L"&Retry", mrRetry, false, false},
        {TKind::skIgnore, L"&Ignore", mrIgnore, false, false},
        {TKind::skAll, L"&All", mrAll, false, false},
        {TKind::skSilly, L"&Silly", mrNone, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("kind " + std::to_string(int(c.kind)));
        TVelaButton* b = AddButton(10, 10, 75, 25);
        b->SetButtonKind(c.kind);
        EXPECT_EQ(b->Caption(), c.caption);
        EXPECT_FALSE(b->Glyph()->Empty());
        EXPECT_FALSE(b->GlyphHot()->Empty());
        EXPECT_EQ(b->NumGlyphs(), 1);
        EXPECT_EQ(b->NumGlyphsHot(), 1);
        EXPECT_EQ(b->Default(), c.isDefault);
        EXPECT_EQ(b->Cancel(), c.isCancel);
        form->SetModalResult(mrNone);
        b->Click();
        EXPECT_EQ(form->ModalResult(), c.modalResult);
        delete b;
    }
}

TEST_F(GlyphButtonTest, AssigningAGlyphMakesTheKindCustomAndCustomClearsTheKindsGlyphs) {
    TVelaButton* b = AddButton(10, 10, 75, 25);
    b->SetButtonKind(TKind::skOK);
    b->SetGlyph(TBitmap(16, 16));
    EXPECT_EQ(b->ButtonKind(), TKind::skCustom);
    EXPECT_EQ(b->Glyph()->Width(), 16);
    EXPECT_FALSE(b->GlyphHot()->Empty());

    b->SetButtonKind(TKind::skNo);
    b->SetButtonKind(TKind::skCustom);
    EXPECT_TRUE(b->Glyph()->Empty());
    EXPECT_TRUE(b->GlyphHot()->Empty());
    EXPECT_FALSE(b->Cancel());
    EXPECT_EQ(b->Caption(), L"&No");

    // Set up from stored settings: the stored caption wins.
    b->SetCaption(L"好");
    b->BeginLoading();
    b->SetButtonKind(TKind::skYes);
    b->EndLoading();
    EXPECT_EQ(b->Caption(), L"好");
}

TEST_F(GlyphButtonTest, CloseAndHelpKindsActOnTheirForm) {
    TVelaButton* close = AddButton(10, 10, 75, 25);
    close->SetButtonKind(TKind::skClose);
    form->Show();
    close->Click();
    EXPECT_FALSE(form->Showing());

    std::vector<int> asked;
    Application().OnHelp = [&](int context) { asked.push_back(context); };
    TVelaButton* help = AddButton(10, 40, 75, 25);
    help->SetButtonKind(TKind::skHelp);
    help->Click(); // no help context anywhere: nothing
    form->SetHelpContext(77);
    help->Click();
    help->SetHelpContext(5);
    help->Click();
    Application().OnHelp = nullptr;
    EXPECT_EQ(asked, (std::vector<int>{77, 5}));
}

// A menu that records where it was asked to open instead of opening.
class TRecordingMenu : public TPopupMenu {
public:
    using TPopupMenu::TPopupMenu;
    std::function<void()> whileOpen;
    std::vector<POINT> at;
    std::vector<TPopupAlignment> alignment;
    void Popup(int x, int y) override {
        at.push_back({x, y});
        alignment.push_back(Alignment());
        if (whileOpen) whileOpen();
    }
};

constexpr TColor kFaceForMenu = 0x00E0F0D0;

TEST_F(GlyphButtonTest, DropDownMenuOpensBesideTheButtonAndLeavesItIdle) {
    TVelaButton* b = AddButton(30, 40, 60, 30);
    b->SetColor(kFaceForMenu);
    auto* menu = new TRecordingMenu(form);
    b->SetPopupMenu(menu);
    Counts n;
    Count(b, n);
    form->Show();
    POINT p = b->ClientToScreen(POINT{0, 0});
    struct Case {
        TPositionPopup position;
        POINT at;
        TPopupAlignment alignment;
    } cases[] = {
        {TPositionPopup::puDown, {p.x - 1, p.y + 30}, TPopupAlignment::paLeft},
        {TPositionPopup::puLeft, {p.x - 1, p.y}, TPopupAlignment::paRight},
        {TPositionPopup::puRight, {p.x + 60 + 1, p.y}, TPopupAlignment::paLeft},
    };
    TColor cornerWhileOpen = 0;
    menu->whileOpen = [&] { cornerWhileOpen = Picture(b)->Pixel(0, 0); };
    for (const Case& c : cases) {
        b->SetPositionPopup(c.position);
        Send(b, WM_MOUSEMOVE, 5, 5);
        Send(b, WM_LBUTTONDOWN, 5, 5, MK_LBUTTON);
        ASSERT_FALSE(menu->at.empty());
        EXPECT_EQ(menu->at.back().x, c.at.x);
        EXPECT_EQ(menu->at.back().y, c.at.y);
        EXPECT_EQ(menu->alignment.back(), c.alignment);
        EXPECT_EQ(cornerWhileOpen, Rgb(clBtnShadow));     // pressed while open
        EXPECT_EQ(Picture(b)->Pixel(0, 0), kFaceForMenu); // idle afterwards
        Send(b, WM_MOUSELEAVE, 0, 0);
    }
    EXPECT_EQ(n.down, 3);
    EXPECT_EQ(menu->PopupComponent(), b);

    // A click drops it down too, without OnMouseDown.
    b->Click();
    EXPECT_EQ(menu->at.size(), 4u);
    EXPECT_EQ(n.down, 3);

    // Another button drops the same menu; when it goes, the menu forgets it.
    TVelaButton* other = AddButton(100, 40, 60, 30);
    other->SetPopupMenu(menu);
    other->Click();
    EXPECT_EQ(menu->PopupComponent(), other);
    delete other;
    EXPECT_EQ(menu->PopupComponent(), nullptr);

    delete menu;
    EXPECT_EQ(b->PopupMenu(), nullptr);
    b->Click();
    EXPECT_EQ(n.click, 2);
}

TEST(GlyphButtonResources, ArrowCursorAndEntrySoundAreInTheProgram) {
    HMODULE module = GetModuleHandleW(nullptr);
    TBitmap arrow;
    ASSERT_TRUE(arrow.LoadFromResourceName(module, kVelaArrowResource));
    EXPECT_EQ(arrow.Width(), 7);
    EXPECT_EQ(arrow.Height(), 4);
    EXPECT_NE(LoadVelaHandCursor(), nullptr);

    HRSRC res = FindResourceW(module, kVelaEntrySoundResource, kVelaSoundType);
    ASSERT_NE(res, nullptr);
    const auto* wav = static_cast<const unsigned char*>(LockResource(LoadResource(module, res)));
    DWORD size = SizeofResource(module, res);
    ASSERT_GT(size, 44u);
    EXPECT_EQ(std::memcmp(wav, "RIFF", 4), 0);
    EXPECT_EQ(std::memcmp(wav + 8, "WAVEfmt ", 8), 0);
    WORD format, channels, bits;
    DWORD rate, dataSize;
    std::memcpy(&format, wav + 20, 2);
    std::memcpy(&channels, wav + 22, 2);
    std::memcpy(&rate, wav + 24, 4);
    std::memcpy(&bits, wav + 34, 2);
    std::memcpy(&dataSize, wav + 40, 4);
    EXPECT_EQ(format, 1); // PCM
    double seconds = double(dataSize) / (rate * channels * (bits / 8));
    EXPECT_GT(seconds, 0.05);
    EXPECT_LT(seconds, 0.3); // played synchronously: short
}

} // namespace
} // namespace yq::test
