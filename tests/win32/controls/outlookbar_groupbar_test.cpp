// The group bar: caption geometry, the mouse on the captions, the switch
// with its animation and events, groups joining and leaving, the errors,
// the caption editor and drags resting on a caption.
#include "Bitmap.h"
#include "GroupBar.h"
#include "OutBarErrors.h"
#include "OutBarGroup.h"
#include "OutBarGroupEdit.h"
#include "outlookbar_testing.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

using namespace yq;
using namespace yq::testing;

namespace {

// Records the animation frames (and what the screen shows after each) and
// can fail in one of them.
class TRecordingBar : public TDCGroupBar {
public:
    using TDCGroupBar::TDCGroupBar;
    std::vector<int> offsets;
    std::vector<TColor> probes; // the screen pixel at probe.x, probeY(offset)
    int failAt = -1;
    int probeX = 0;
    std::function<int(int)> probeY;

protected:
    void AnimationFrame(HDC screen, TCanvas& image, int frame, int offset) override {
        if (frame == failAt) throw std::runtime_error("drawing failed");
        TDCGroupBar::AnimationFrame(screen, image, frame, offset);
        offsets.push_back(offset);
        if (probeY) probes.push_back(TColor(GetPixel(screen, probeX, probeY(offset))));
    }
};

constexpr TColor kGroupColors[] = {0x0000C0FF, 0x0040C040, 0x00C04040, 0x00C0C000};

class GroupBarTest : public FormTest {
protected:
    void SetUp() override {
        FormTest::SetUp();
        bar = new TRecordingBar(form);
        bar->Font().SetName(L"Arial");
        bar->Font().SetHeight(-10); // captions of 20 pixels
        bar->SetParent(form);
        bar->SetBounds(0, 0, 150, 400);
        bar->OnChange = [this](TComponent*) { changes.push_back(bar->ActiveGroupIndex()); };
        form->Show();
    }
    void AddGroups(int n) {
        for (int i = 0; i < n; ++i)
            bar->AddGroup()->SetColor(kGroupColors[i % 4]);
        changes.clear();
    }
    POINT OnCaption(int i) {
        RECT r = bar->CaptionRect(i);
        return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    }
    void ClickCaption(int i) {
        POINT p = OnCaption(i);
        Mouse(*bar, WM_LBUTTONDOWN, p.x, p.y, MK_LBUTTON);
        Mouse(*bar, WM_LBUTTONUP, p.x, p.y);
    }
    static void ExpectRect(const RECT& r, int l, int t, int rr, int b) {
        EXPECT_EQ(r.left, l);
        EXPECT_EQ(r.top, t);
        EXPECT_EQ(r.right, rr);
        EXPECT_EQ(r.bottom, b);
    }
    TRecordingBar* bar = nullptr;
    std::vector<int> changes;
};

TEST_F(GroupBarTest, CaptionGeometryWithButtonSpace) {
    AddGroups(4);
    bar->SetFrequency(0);
    bar->SetActiveGroupIndex(1);
    // Inner area (1, 1, 149, 399); slots of 20 + ButtonSpace.  Upper
    // captions hang from the top with their gap below; lower ones stand on
    // the bottom, the gap above the next one.
    struct Case {
        int space;
        RECT captions[4];
        RECT content;
    } cases[] = {
        {1, {{1, 1, 149, 21}, {1, 22, 149, 42}, {1, 358, 149, 378}, {1, 379, 149, 399}}, {1, 42, 149, 358}},
        {0, {{1, 1, 149, 21}, {1, 21, 149, 41}, {1, 359, 149, 379}, {1, 379, 149, 399}}, {1, 41, 149, 359}},
        {5, {{1, 1, 149, 21}, {1, 26, 149, 46}, {1, 354, 149, 374}, {1, 379, 149, 399}}, {1, 46, 149, 354}},
    };
    for (const Case& c : cases) {
        bar->SetButtonSpace(c.space);
        for (int i = 0; i < 4; ++i) {
            SCOPED_TRACE(std::to_string(c.space) + " caption " + std::to_string(i));
            RECT r = bar->CaptionRect(i);
            ExpectRect(r, c.captions[i].left, c.captions[i].top, c.captions[i].right, c.captions[i].bottom);
        }
        RECT content = bar->ContentArea();
        ExpectRect(content, c.content.left, c.content.top, c.content.right, c.content.bottom);
        RECT open = bar->Groups(1)->BoundsRect();
        EXPECT_TRUE(EqualRect(&open, &content));
    }
    // A 5-pixel gap in ButtonSpaceColor between consecutive captions, none
    // between the open caption and its content.
    bar->SetButtonSpaceColor(clRed);
    TBitmap b(150, 400);
    bar->PaintTo(b.Canvas().Handle(), 0, 0);
    EXPECT_EQ(b.Pixel(70, 23), clRed);           // below caption 0
    EXPECT_EQ(b.Pixel(70, 376), clRed);          // between captions 2 and 3
    EXPECT_EQ(b.Pixel(70, 50), kGroupColors[1]); // the open group's content
    EXPECT_NE(b.Pixel(70, 47), clRed);
}

TEST_F(GroupBarTest, AutoSizedCaptionsAreTwiceTheFontHeightPlusButtonSpace) {
    AddGroups(2);
    TDCOutBarGroup* g = bar->Groups(0);
    g->Font().SetHeight(-16);
    EXPECT_EQ(bar->CaptionSlotHeight(0), 32 + 1);
    bar->SetButtonSpace(4);
    EXPECT_EQ(bar->CaptionSlotHeight(0), 32 + 4);
    g->SetCaptionAutoSize(false);
    g->SetCaptionHeight(25);
    EXPECT_EQ(bar->CaptionSlotHeight(0), 25 + 4);
    EXPECT_EQ(bar->CaptionRect(0).bottom - bar->CaptionRect(0).top, 25);
}

TEST_F(GroupBarTest, ErrorsCarryTheirTexts) {
    AddGroups(4);
    auto message = [](auto&& f) {
        try {
            f();
        } catch (const std::exception& e) {
            return std::string(e.what());
        }
        return std::string("no error");
    };
    EXPECT_EQ(message([&] { bar->SetButtonSpace(-1); }), "Invalid property value");
    EXPECT_EQ(bar->ButtonSpace(), 1);
    EXPECT_EQ(message([&] { bar->SetActiveGroupIndex(7); }),
              "Invalid ActiveGroupIndex value. Value must be between 0 and 3");
    EXPECT_EQ(bar->ActiveGroupIndex(), 0);
    EXPECT_EQ(message([&] { bar->CaptionRect(9); }), "List index out of bounds (9)");
    EXPECT_EQ(message([&] { bar->Groups(-1); }), "List index out of bounds (-1)");
    bar->SetFrequency(-3);
    EXPECT_EQ(bar->Frequency(), 10);
}

TEST_F(GroupBarTest, ASingleGroupIsNotClickableAndShowsNoHand) {
    AddGroups(1);
    POINT p = OnCaption(0);
    EXPECT_EQ(bar->GetGroupAt(p.x, p.y), -1);
    HCURSOR hand = LoadCursorW(nullptr, IDC_HAND);
    PointAt(*bar, p.x, p.y);
    SendMessageW(bar->Handle(), WM_SETCURSOR, WPARAM(bar->Handle()), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    EXPECT_NE(GetCursor(), hand);
    bar->AddGroup();
    p = OnCaption(1);
    EXPECT_EQ(bar->GetGroupAt(p.x, p.y), 1);
    PointAt(*bar, p.x, p.y);
    SendMessageW(bar->Handle(), WM_SETCURSOR, WPARAM(bar->Handle()), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    EXPECT_EQ(GetCursor(), hand);
}

TEST_F(GroupBarTest, ACaptionOpensOnlyWhenReleasedOnItself) {
    AddGroups(3);
    bar->SetFrequency(0);
    POINT p = OnCaption(2);
    Mouse(*bar, WM_LBUTTONDOWN, p.x, p.y, MK_LBUTTON);
    EXPECT_TRUE(bar->PressedLook());
    Mouse(*bar, WM_MOUSEMOVE, p.x, 100, MK_LBUTTON); // off it: drawn released
    EXPECT_FALSE(bar->PressedLook());
    Mouse(*bar, WM_LBUTTONUP, p.x, 100);
    EXPECT_EQ(bar->ActiveGroupIndex(), 0);
    EXPECT_TRUE(changes.empty());
    // Moving back before releasing opens it.
    Mouse(*bar, WM_LBUTTONDOWN, p.x, p.y, MK_LBUTTON);
    Mouse(*bar, WM_MOUSEMOVE, p.x, 100, MK_LBUTTON);
    Mouse(*bar, WM_MOUSEMOVE, p.x, p.y, MK_LBUTTON);
    EXPECT_TRUE(bar->PressedLook());
    Mouse(*bar, WM_LBUTTONUP, p.x, p.y);
    EXPECT_EQ(bar->ActiveGroupIndex(), 2);
    EXPECT_EQ(changes, std::vector<int>{2});
    // The open caption: nothing, not even OnChanging.
    int asked = 0;
    bar->OnChanging = [&](TComponent*, TDCOutBarGroup*, bool&) { ++asked; };
    ClickCaption(2);
    EXPECT_EQ(asked, 0);
    EXPECT_EQ(changes.size(), 1u);
}

TEST_F(GroupBarTest, RefusedOrDisabledSwitchesLeaveEverythingAsItWas) {
    AddGroups(3);
    TDCOutBarGroup* asked = nullptr;
    bar->OnChanging = [&](TComponent*, TDCOutBarGroup* g, bool& allow) {
        asked = g;
        allow = false;
    };
    ClickCaption(1);
    EXPECT_EQ(asked, bar->Groups(1));
    EXPECT_EQ(bar->ActiveGroupIndex(), 0);
    EXPECT_TRUE(bar->Groups(0)->Visible());
    EXPECT_FALSE(bar->Groups(1)->Visible());
    bar->OnChanging = nullptr;
    bar->Groups(2)->SetEnabled(false);
    bar->SetActiveGroupIndex(2);
    EXPECT_EQ(bar->ActiveGroupIndex(), 0);
    EXPECT_TRUE(changes.empty());
}

TEST_F(GroupBarTest, FrequencyBelowTwoSwitchesAtOnceAndTenDrawsTenFrames) {
    AddGroups(4);
    for (int f : {0, 1}) {
        bar->SetFrequency(f);
        bar->offsets.clear();
        bar->SetActiveGroupIndex(bar->ActiveGroupIndex() == 0 ? 1 : 0);
        EXPECT_TRUE(bar->offsets.empty()) << f;
    }
    bar->SetActiveGroupIndex(0);
    bar->SetFrequency(10);
    bar->offsets.clear();
    bar->SetActiveGroupIndex(3);
    const int h = bar->ContentArea().bottom - bar->ContentArea().top; // of the new content area
    ASSERT_EQ(bar->offsets.size(), 10u);
    for (int k = 0; k < 10; ++k)
        EXPECT_EQ(bar->offsets[size_t(k)], int(k * (double(h) / 10))) << k;
    EXPECT_EQ(bar->offsets.back(), 9 * h / 10);
}

TEST_F(GroupBarTest, OpeningGroupTwoFromZeroSlidesCaptionsOneAndTwoUp) {
    AddGroups(4);
    const RECT oldContent = bar->ContentArea();
    const RECT caption3 = bar->CaptionRect(3);
    const RECT caption1 = bar->CaptionRect(1);
    // Caption 1 rises from just below the old content by the frame offset.
    bar->probeX = 4; // on the caption's face, clear of its text
    bar->probeY = [&](int offset) { return oldContent.bottom - offset + 10; };
    bar->SetActiveGroupIndex(2);
    ASSERT_EQ(bar->probes.size(), 10u);
    for (TColor c : bar->probes)
        EXPECT_EQ(c, kGroupColors[1]);
    // At rest: captions 1 and 2 under caption 0, caption 3 at the bottom.
    ExpectRect(bar->CaptionRect(1), 1, 22, 149, 42);
    ExpectRect(bar->CaptionRect(2), 1, 43, 149, 63);
    RECT c3 = bar->CaptionRect(3);
    EXPECT_TRUE(EqualRect(&c3, &caption3));
    EXPECT_EQ(caption1.top, oldContent.bottom);
    EXPECT_FALSE(bar->Groups(0)->Visible());
    EXPECT_EQ(bar->Groups(0)->Height(), 0);
    EXPECT_TRUE(bar->Groups(2)->Visible());
    RECT open = bar->Groups(2)->BoundsRect(), content = bar->ContentArea();
    EXPECT_TRUE(EqualRect(&open, &content));
    EXPECT_EQ(changes, std::vector<int>{2});
    // The screen shows the new content after the switch.
    TWindowDC dc(bar->Handle());
    EXPECT_EQ(TColor(GetPixel(dc.Get(), 75, (content.top + content.bottom) / 2)), kGroupColors[2]);
}

TEST_F(GroupBarTest, AFailingAnimationStillLeavesTheGroupsInPlace) {
    AddGroups(3);
    bar->failAt = 3;
    EXPECT_THROW(bar->SetActiveGroupIndex(2), std::runtime_error);
    EXPECT_EQ(bar->ActiveGroupIndex(), 2);
    EXPECT_FALSE(bar->Groups(0)->Visible());
    RECT open = bar->Groups(2)->BoundsRect(), content = bar->ContentArea();
    EXPECT_TRUE(EqualRect(&open, &content));
    EXPECT_EQ(changes, std::vector<int>{2});
    bar->failAt = -1;
    bar->SetActiveGroupIndex(0);
    EXPECT_EQ(bar->ActiveGroupIndex(), 0);
}

TEST_F(GroupBarTest, GroupsJoiningAndLeaving) {
    EXPECT_EQ(bar->ActiveGroupIndex(), -1);
    TDCOutBarGroup* first = bar->AddGroup();
    EXPECT_EQ(bar->ActiveGroupIndex(), 0);
    EXPECT_TRUE(first->Visible());
    bar->AddGroup();
    bar->AddGroup();
    bar->AddGroup();
    EXPECT_EQ(bar->ActiveGroupIndex(), 0);
    EXPECT_EQ(bar->Groups(1)->Caption(), L"New Group1");
    EXPECT_EQ(bar->Groups(3)->Caption(), L"New Group3");
    bar->SetFrequency(0);
    // Removing group 1 while group 3 is open: group 2 (after it) opens
    // first, then the open index lowers as group 1 leaves.
    bar->SetActiveGroupIndex(3);
    changes.clear();
    TDCOutBarGroup* third = bar->Groups(2);
    delete bar->Groups(1);
    EXPECT_EQ(changes, (std::vector<int>{2, 2}));
    EXPECT_EQ(bar->ActiveGroup(), third);
    EXPECT_EQ(bar->ActiveGroupIndex(), 1);
    // The last one leaving opens the one before it.
    changes.clear();
    delete bar->Groups(2);
    EXPECT_EQ(bar->ActiveGroupIndex(), 1);
    EXPECT_EQ(bar->GroupCount(), 2);
    // Down to none: no group open.
    delete bar->Groups(0);
    delete bar->Groups(0);
    EXPECT_EQ(bar->ActiveGroupIndex(), -1);
    // A group added while none is open opens; a group shown opens too.
    TDCOutBarGroup* again = bar->AddGroup();
    EXPECT_EQ(bar->ActiveGroup(), again);
    TDCOutBarGroup* other = bar->AddGroup();
    other->Show();
    EXPECT_EQ(bar->ActiveGroup(), other);
}

TEST_F(GroupBarTest, MovingAGroupKeepsTheOpenGroupOpen) {
    AddGroups(4);
    bar->SetFrequency(0);
    bar->SetActiveGroupIndex(2);
    TDCOutBarGroup* open = bar->Groups(2);
    bar->Groups(0)->SetGroupIndex(3);
    EXPECT_EQ(bar->ActiveGroup(), open);
    EXPECT_EQ(bar->ActiveGroupIndex(), 1);
    bar->Groups(3)->SetGroupIndex(0);
    EXPECT_EQ(bar->ActiveGroupIndex(), 2);
    open->SetGroupIndex(99);
    EXPECT_EQ(open->GroupIndex(), 3);
    EXPECT_EQ(bar->ActiveGroupIndex(), 3);
}

TEST_F(GroupBarTest, HotCaptionsUseTheHotColourAndCoolDownAfterLeaving) {
    AddGroups(3);
    bar->SetHotTrack(true);
    bar->SetHotColor(clRed);
    bar->Groups(1)->Font().SetHeight(-14);
    bar->Groups(1)->SetCaption(L"WWWWWW");
    POINT p = OnCaption(1);
    Mouse(*bar, WM_MOUSEMOVE, p.x, p.y);
    EXPECT_EQ(bar->HotIndex(), 1);
    TBitmap b(150, 400);
    bar->PaintTo(b.Canvas().Handle(), 0, 0);
    const RECT r = bar->CaptionRect(1);
    int red = 0;
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x) {
            // Smoothed glyph edges blend red into the face colour.
            const TColor c = b.Pixel(x, y);
            red += GetRValue(c) > 0xA0 && GetGValue(c) < 0x90;
        }
    EXPECT_GT(red, 20);
    SetCursorPos(700, 500);
    PumpFor(250);
    EXPECT_EQ(bar->HotIndex(), -1);
}

TEST_F(GroupBarTest, ADragRestingOnACaptionOpensItsGroup) {
    AddGroups(3);
    bar->SetFrequency(0);
    POINT p = OnCaption(2);
    PointAt(*bar, p.x, p.y);
    bool accept = false;
    bar->DragOver(nullptr, p.x, p.y, TDragState::dsDragMove, accept);
    EXPECT_TRUE(accept);
    EXPECT_EQ(bar->DragOverIndex(), 2);
    PumpFor(300);
    EXPECT_EQ(bar->ActiveGroupIndex(), 0);
    PumpFor(400);
    EXPECT_EQ(bar->ActiveGroupIndex(), 2);
    EXPECT_EQ(bar->DragOverIndex(), -1);
    bar->DragOver(nullptr, 149, 10, TDragState::dsDragMove, accept);
    EXPECT_FALSE(accept); // the last column
}

TEST_F(GroupBarTest, TheCaptionEditorCommitsOnEnterAndOnlyThen) {
    AddGroups(3);
    std::wstring refused = L"No";
    bar->OnGroupCaptionChanging = [&](TComponent*, TDCOutBarGroup*, const std::wstring& text, bool& can) {
        can = text != refused;
    };
    std::vector<TDCOutBarGroup*> changed;
    bar->OnGroupCaptionChanged = [&](TComponent*, TDCOutBarGroup* g) { changed.push_back(g); };
    TDCOutBarGroupEdit* editor = bar->CaptionEditor();
    bar->ShowCaptionEditor(1);
    EXPECT_TRUE(editor->Visible());
    editor->SetText(L"Riddles");
    SendMessageW(editor->Handle(), WM_KEYDOWN, VK_RETURN, 0);
    EXPECT_FALSE(editor->Visible());
    EXPECT_EQ(bar->Groups(1)->Caption(), L"Riddles");
    EXPECT_EQ(changed, std::vector<TDCOutBarGroup*>{bar->Groups(1)});
    bar->ShowCaptionEditor(1);
    editor->SetText(L"Dropped");
    SendMessageW(editor->Handle(), WM_KEYDOWN, VK_ESCAPE, 0);
    EXPECT_EQ(bar->Groups(1)->Caption(), L"Riddles");
    bar->ShowCaptionEditor(1);
    editor->SetText(refused);
    SendMessageW(editor->Handle(), WM_KEYDOWN, VK_RETURN, 0);
    EXPECT_EQ(bar->Groups(1)->Caption(), L"Riddles");
    // A switch while the editor shows only hides it (committing its text).
    bar->ShowCaptionEditor(0);
    editor->SetText(L"First");
    bar->SetActiveGroupIndex(2);
    EXPECT_FALSE(editor->Visible());
    EXPECT_EQ(bar->ActiveGroupIndex(), 0);
    EXPECT_EQ(bar->Groups(0)->Caption(), L"First");
}

TEST_F(GroupBarTest, AnIndexSetWhileLoadingIsAppliedAtTheEndWithoutAsking) {
    AddGroups(3);
    bar->SetFrequency(0);
    int asked = 0;
    bar->OnChanging = [&](TComponent*, TDCOutBarGroup*, bool&) { ++asked; };
    bar->BeginLoading();
    bar->SetActiveGroupIndex(2);
    EXPECT_EQ(bar->ActiveGroupIndex(), 0);
    bar->EndLoading();
    EXPECT_EQ(bar->ActiveGroupIndex(), 2);
    EXPECT_EQ(asked, 0);
}

} // namespace
