// Dragging outlook items: the drop position over a list, moves and copies
// within and between lists, Ctrl and Esc through the keyboard watch, the
// drop marker, scrolling at the edges, targets that refuse or free what the
// drag holds, the cursors, and no handles left behind.
#include "ExtCtrls.h"
#include "OutBar.h"
#include "OutBarCursors.h"
#include "OutBarGroup.h"
#include "Screen.h"
#include "VertListView.h"
#include "gui_counts.h"
#include "outlookbar_testing.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace yq;
using namespace yq::testing;

namespace {

int TopOf(const TDCVertListView& list, int k) {
    return int(list.Items()[k]->DisplayRect(TDisplayCode::drBounds).top);
}

class DragTest : public FormTest {
public:
    void SetUp() override {
        FormTest::SetUp();
        a = MakeList(0);
        b = MakeList(200);
        form->Show();
        SetForegroundWindow(form->Handle());
    }
    void TearDown() override {
        if (a->Dragging()) Perform(*a, WM_LBUTTONUP, {0, 0});
        FormTest::TearDown();
    }
    TDCVertListView* MakeList(int left) {
        auto* list = new TDCVertListView(form);
        list->SetBorderStyle(TBorderStyle::bsNone);
        list->Font().SetName(L"Arial");
        list->Font().SetHeight(-15);
        list->SetViewStyle(TViewStyle::vsSmallIcon);
        list->SetSelectionType(TSelectionType::stExpanded);
        list->SetParent(form);
        list->SetBounds(left, 0, 160, 300);
        return list;
    }
    static void Fill(TDCVertListView& list, int n, const std::wstring& prefix) {
        list.Items().BeginUpdate();
        for (int i = 0; i < n; ++i)
            list.Items().Add()->SetCaption(prefix + std::to_wstring(i));
        list.Items().EndUpdate();
    }
    static std::vector<std::wstring> Captions(const TDCVertListView& list) {
        std::vector<std::wstring> out;
        for (int i = 0; i < list.Items().Count(); ++i)
            out.push_back(list.Items()[i]->Caption());
        return out;
    }
    static POINT On(const TDCVertListItem& item) {
        RECT r = item.DisplayRect(TDisplayCode::drBounds);
        return {r.left + 5, (r.top + r.bottom) / 2};
    }
    // The middle of the gap above item k of `list` (k = Count: below the
    // last item).
    static POINT Gap(const TDCVertListView& list, int k) {
        if (k < list.Items().Count()) {
            RECT r = list.Items()[k]->DisplayRect(TDisplayCode::drBounds);
            return {20, int(r.top) - 3};
        }
        RECT r = list.Items()[k - 1]->DisplayRect(TDisplayCode::drBounds);
        return {20, int(r.bottom) + 3};
    }
    // A mouse message to the list holding the capture, for a client point of
    // `over`, with the pointer put there.
    static void Perform(TDCVertListView& source, UINT msg, POINT p, TControl* over = nullptr,
                        WPARAM keys = 0) {
        TControl& at = over ? *over : source;
        const POINT screen = at.ClientToScreen(p);
        SetCursorPos(screen.x, screen.y);
        const POINT c = source.ScreenToClient(screen);
        SendMessageW(source.Handle(), msg, keys, At(c.x, c.y));
    }
    // Presses item `index` of `source` and moves far enough to drag.
    static void StartDrag(TDCVertListView& source, int index, WPARAM keys = 0) {
        POINT p = On(*source.Items()[index]);
        Perform(source, WM_LBUTTONDOWN, p, nullptr, MK_LBUTTON | keys);
        Perform(source, WM_MOUSEMOVE, {p.x + 8, p.y}, nullptr, MK_LBUTTON | keys);
        ASSERT_TRUE(source.Dragging());
    }
    static void DragTo(TDCVertListView& source, TControl& over, POINT p, WPARAM keys = 0) {
        Perform(source, WM_MOUSEMOVE, p, &over, MK_LBUTTON | keys);
    }
    static void DropAt(TDCVertListView& source, TControl& over, POINT p) {
        Perform(source, WM_LBUTTONUP, p, &over);
    }
    static void Key(WORD vk, bool down) {
        INPUT in{};
        in.type = INPUT_KEYBOARD;
        in.ki.wVk = vk;
        in.ki.dwFlags = down ? 0 : KEYEVENTF_KEYUP;
        SendInput(1, &in, sizeof in);
        PumpFor(30);
    }

    TDCVertListView* a = nullptr;
    TDCVertListView* b = nullptr;
};

TEST_F(DragTest, DropPositionOverTheList) {
    struct Case {
        const char* name;
        int items, scrollSlots;
        bool tight;                       // the last item's bottom margin does not fit
        int (*y)(const TDCVertListView&); // client y of the point
        int expected;                     // -1: nowhere
    };
    const Case cases[] = {
        {"above the first", 3, 0, false, [](const TDCVertListView& l) { return TopOf(l, 0) - 2; }, 0},
        {"between 0 and 1", 3, 0, false, [](const TDCVertListView& l) { return TopOf(l, 1) - 3; }, 1},
        {"on an item", 3, 0, false, [](const TDCVertListView& l) { return TopOf(l, 1) + 2; }, -1},
        {"below the last", 3, 0, false, [](const TDCVertListView& l) { return TopOf(l, 2) + 40; }, 3},
        {"empty list", 0, 0, false, [](const TDCVertListView&) { return 150; }, 0},
        {"outside", 3, 0, false, [](const TDCVertListView&) { return 320; }, -1},
        // Scrolled by two slots: the gap above item 3 is now near the top.
        {"scrolled, between", 20, 2, false, [](const TDCVertListView& l) { return TopOf(l, 3) - 3; }, 3},
        // Below a last item that is not wholly visible: nowhere.
        {"below a partly visible last", 3, 0, true,
         [](const TDCVertListView& l) { return l.ClientHeight() - 1; }, -1},
    };
    for (const Case& c : cases) {
        a->Items().Clear();
        a->ScrollBy(0, -a->ScrollOrigin().y);
        a->SetHeight(300);
        Fill(*a, c.items, L"Item ");
        if (c.tight)
            a->SetHeight(int(a->Items()[c.items - 1]->DisplayRect(TDisplayCode::drBounds).bottom) + 3);
        for (int i = 0; i < c.scrollSlots; ++i)
            a->ScrollOneDown();
        EXPECT_EQ(a->DropIndexAt(20, c.y(*a)), c.expected) << c.name;
    }
}

TEST_F(DragTest, MovingAnItemWithinItsListMarksTheGapAndMovesIt) {
    Fill(*a, 3, L"Item ");
    a->SetDragPlaceColor(clRed);
    std::vector<TComponent*> ends;
    int buttonClicks = 0;
    a->OnEndDrag = [&](TComponent* sender, TComponent* target, int, int) {
        EXPECT_EQ(sender, a);
        ends.push_back(target);
    };
    a->OnButtonClick = [&](TComponent*, TDCVertListItem*) { ++buttonClicks; };
    Screen().SetCursor(crDefault);
    StartDrag(*a, 0);
    DragTo(*a, *a, Gap(*a, 2));
    EXPECT_EQ(a->DragTarget(), a);
    EXPECT_TRUE(a->DragAccepted());
    EXPECT_EQ(a->DropIndex(), 2);
    EXPECT_EQ(Screen().Cursor(), crOutDragMove);
    // The marker: a red line across the gap above item 2, between two
    // triangles.
    const int y = a->DropMarkerY(2);
    RECT above = a->Items()[1]->DisplayRect(TDisplayCode::drBounds);
    RECT below = a->Items()[2]->DisplayRect(TDisplayCode::drBounds);
    EXPECT_GT(y, above.bottom);
    EXPECT_LT(y, below.top);
    TBitmap bmp(a->ClientWidth(), a->ClientHeight());
    a->PaintTo(bmp.Canvas().Handle(), 0, 0);
    for (int x : {2, 6, 80, a->ClientWidth() - 6})
        EXPECT_EQ(bmp.Pixel(x, y), clRed) << x;
    EXPECT_NE(bmp.Pixel(80, y - 3), clRed);
    // Pointing at an item: no drop there, no marker.
    DragTo(*a, *a, On(*a->Items()[1]));
    EXPECT_FALSE(a->DragAccepted());
    EXPECT_EQ(a->DropIndex(), -1);
    EXPECT_EQ(Screen().Cursor(), crNoDrop);
    DragTo(*a, *a, Gap(*a, 2));
    DropAt(*a, *a, Gap(*a, 2));
    // A copy went in at 2 and the original at 0 went away.
    EXPECT_EQ(Captions(*a), (std::vector<std::wstring>{L"Item 1", L"Item 0", L"Item 2"}));
    EXPECT_EQ(ends, (std::vector<TComponent*>{a}));
    EXPECT_EQ(buttonClicks, 0);
    EXPECT_FALSE(a->Dragging());
    EXPECT_EQ(a->DropIndex(), -1);
    EXPECT_EQ(a->DragTarget(), nullptr);
    EXPECT_EQ(Screen().Cursor(), crDefault);
    a->PaintTo(bmp.Canvas().Handle(), 0, 0);
    EXPECT_NE(bmp.Pixel(80, a->DropMarkerY(2)), clRed);
}

TEST_F(DragTest, MoveOrCopyIntoAnotherList) {
    struct Case {
        const char* name;
        bool ctrlAtStart;
        std::vector<std::wstring> source, target;
    };
    const Case cases[] = {
        {"move", false, {L"A0", L"A2"}, {L"B0", L"A1", L"B1"}},
        {"copy", true, {L"A0", L"A1", L"A2"}, {L"B0", L"A1", L"B1"}},
    };
    for (const Case& c : cases) {
        a->Items().Clear();
        b->Items().Clear();
        Fill(*a, 3, L"A");
        Fill(*b, 2, L"B");
        TDCVertListItem* item = a->Items()[1];
        int data = 7;
        item->SetData(&data);
        item->SetImageIndex(3);
        item->SetSelectedImageIndex(4);
        item->SetHotImageIndex(5);
        item->SetFileName(L"notes.txt");
        item->SetParameters(L"/p");
        item->SubItems() = {L"sub"};
        int itemClicks = 0;
        item->OnClick = [&](TComponent*) { ++itemClicks; };
        const WPARAM keys = c.ctrlAtStart ? MK_CONTROL : 0;
        StartDrag(*a, 1, keys);
        EXPECT_EQ(a->CopyMode(), c.ctrlAtStart) << c.name;
        DragTo(*a, *b, Gap(*b, 1), keys);
        EXPECT_EQ(a->DragTarget(), b) << c.name;
        EXPECT_EQ(Screen().Cursor(), c.ctrlAtStart ? crOutDragCopy : crOutDragMove) << c.name;
        DropAt(*a, *b, Gap(*b, 1));
        EXPECT_EQ(Captions(*a), c.source) << c.name;
        EXPECT_EQ(Captions(*b), c.target) << c.name;
        const TDCVertListItem& copy = *b->Items()[1];
        EXPECT_EQ(copy.Data(), &data);
        EXPECT_EQ(copy.ImageIndex(), 3);
        EXPECT_EQ(copy.SelectedImageIndex(), 4);
        EXPECT_EQ(copy.HotImageIndex(), -1); // not taken over
        EXPECT_EQ(copy.FileName(), L"notes.txt");
        EXPECT_EQ(copy.Parameters(), L"/p");
        EXPECT_EQ(copy.SubItems(), std::vector<std::wstring>{L"sub"});
        ASSERT_TRUE(copy.OnClick);
        copy.OnClick(b);
        EXPECT_EQ(itemClicks, 1);
    }
}

TEST_F(DragTest, CtrlSwitchesBetweenMoveAndCopyAndEscCancels) {
    Fill(*a, 3, L"A");
    Fill(*b, 1, L"B");
    std::vector<TComponent*> ends;
    std::vector<POINT> ups;
    a->OnEndDrag = [&](TComponent*, TComponent* target, int, int) { ends.push_back(target); };
    a->OnMouseUp = [&](TComponent*, TMouseButton, TShiftState, int x, int y) { ups.push_back({x, y}); };
    int escapes = 0;
    a->OnKeyDown = [&](TComponent*, WORD& key, TShiftState) { escapes += key == VK_ESCAPE; };
    StartDrag(*a, 0);
    ASSERT_TRUE(a->Focused());
    DragTo(*a, *b, Gap(*b, 1));
    ASSERT_EQ(Screen().Cursor(), crOutDragMove);
    // The keys reach the drag through the keyboard watch, whichever window
    // has the focus.
    Key(VK_CONTROL, true);
    EXPECT_TRUE(a->CopyMode());
    EXPECT_EQ(Screen().Cursor(), crOutDragCopy);
    Key(VK_CONTROL, false);
    EXPECT_FALSE(a->CopyMode());
    EXPECT_EQ(Screen().Cursor(), crOutDragMove);
    Key(VK_ESCAPE, true);
    Key(VK_ESCAPE, false);
    EXPECT_FALSE(a->Dragging());
    EXPECT_EQ(ends, (std::vector<TComponent*>{nullptr}));
    ASSERT_EQ(ups.size(), 1u);
    EXPECT_EQ(ups[0].x, 0);
    EXPECT_EQ(ups[0].y, 0);
    EXPECT_EQ(b->DropIndex(), -1);
    EXPECT_EQ(Screen().Cursor(), crDefault);
    // The real release afterwards does nothing.
    DropAt(*a, *b, Gap(*b, 1));
    EXPECT_EQ(ends.size(), 1u);
    EXPECT_EQ(ups.size(), 1u);
    EXPECT_EQ(Captions(*a), (std::vector<std::wstring>{L"A0", L"A1", L"A2"}));
    EXPECT_EQ(Captions(*b), (std::vector<std::wstring>{L"B0"}));
    // The drag took its Esc for itself; with the watch gone, the next Esc
    // reaches the focused list as any key does.
    EXPECT_EQ(escapes, 0);
    Key(VK_ESCAPE, true);
    Key(VK_ESCAPE, false);
    EXPECT_EQ(escapes, 1);

    // A right press cancels the same way.
    StartDrag(*a, 0);
    DragTo(*a, *b, Gap(*b, 1));
    Perform(*a, WM_RBUTTONDOWN, Gap(*b, 1), b);
    EXPECT_FALSE(a->Dragging());
    EXPECT_EQ(ends, (std::vector<TComponent*>{nullptr, nullptr}));
    EXPECT_EQ(Captions(*b), (std::vector<std::wstring>{L"B0"}));
}

TEST_F(DragTest, ControlsDecideThroughTheirDragOver) {
    Fill(*a, 2, L"A");
    auto* panel = new TPanel(form);
    panel->SetParent(form);
    panel->SetBounds(0, 320, 160, 100);
    std::vector<TComponent*> ends;
    a->OnEndDrag = [&](TComponent*, TComponent* target, int, int) { ends.push_back(target); };

    // Without a drag-over handler a control refuses.
    StartDrag(*a, 0);
    DragTo(*a, *panel, {40, 40});
    EXPECT_EQ(a->DragTarget(), panel);
    EXPECT_FALSE(a->DragAccepted());
    EXPECT_EQ(Screen().Cursor(), crNoDrop);
    DropAt(*a, *panel, {40, 40});
    EXPECT_EQ(ends, (std::vector<TComponent*>{nullptr}));
    EXPECT_EQ(Captions(*a), (std::vector<std::wstring>{L"A0", L"A1"}));

    // A handler may accept; the drop reaches it in its own coordinates and
    // moves nothing.
    std::vector<TDragState> states;
    panel->OnDragOver = [&](TComponent*, TComponent* source, int, int, TDragState state, bool& accept) {
        EXPECT_EQ(source, a);
        EXPECT_TRUE(accept);
        states.push_back(state);
    };
    POINT dropped{-1, -1};
    panel->OnDragDrop = [&](TComponent*, TComponent*, int x, int y) { dropped = {x, y}; };
    StartDrag(*a, 0);
    DragTo(*a, *panel, {40, 40});
    DragTo(*a, *panel, {50, 40});
    EXPECT_TRUE(a->DragAccepted());
    EXPECT_EQ(Screen().Cursor(), crOutDragMove);
    DragTo(*a, *a, Gap(*a, 1));
    EXPECT_EQ(states, (std::vector<TDragState>{TDragState::dsDragEnter, TDragState::dsDragMove,
                                               TDragState::dsDragLeave}));
    DragTo(*a, *panel, {30, 20});
    DropAt(*a, *panel, {30, 20});
    EXPECT_EQ(dropped.x, 30);
    EXPECT_EQ(dropped.y, 20);
    EXPECT_EQ(ends.back(), panel);
    EXPECT_EQ(Captions(*a), (std::vector<std::wstring>{L"A0", L"A1"}));
}

TEST_F(DragTest, AListWithDraggingOffNeitherDragsNorAccepts) {
    Fill(*a, 2, L"A");
    Fill(*b, 1, L"B");
    int ends = 0;
    a->OnEndDrag = [&](TComponent*, TComponent*, int, int) { ++ends; };
    b->OnEndDrag = [&](TComponent*, TComponent*, int, int) { ++ends; };
    b->SetDragEnabled(false);
    StartDrag(*a, 0);
    DragTo(*a, *b, Gap(*b, 1));
    EXPECT_FALSE(a->DragAccepted());
    EXPECT_EQ(b->DropIndex(), -1);
    DropAt(*a, *b, Gap(*b, 1));
    EXPECT_EQ(ends, 1); // refused
    EXPECT_EQ(Captions(*b), (std::vector<std::wstring>{L"B0"}));
    // As a source it drags nothing and ends silently.
    StartDrag(*b, 0);
    DragTo(*b, *a, Gap(*a, 1));
    EXPECT_EQ(b->DragTarget(), nullptr);
    DropAt(*b, *a, Gap(*a, 1));
    EXPECT_EQ(ends, 1);
    EXPECT_EQ(Captions(*a), (std::vector<std::wstring>{L"A0", L"A1"}));
    // Switched off during a drag, the source cancels it silently and the
    // target loses its marker.
    b->SetDragEnabled(true);
    StartDrag(*a, 0);
    DragTo(*a, *b, Gap(*b, 1));
    ASSERT_EQ(b->DropIndex(), 1);
    a->SetDragEnabled(false);
    EXPECT_FALSE(a->Dragging());
    EXPECT_EQ(b->DropIndex(), -1);
    DropAt(*a, *b, Gap(*b, 1));
    EXPECT_EQ(ends, 1);
    EXPECT_EQ(Captions(*b), (std::vector<std::wstring>{L"B0"}));
}

TEST_F(DragTest, RestingNearAnEdgeScrollsOneItemPerTick) {
    Fill(*a, 1, L"A");
    Fill(*b, 20, L"B");
    StartDrag(*a, 0);
    const int ch = b->ClientHeight();
    const int slot = b->SlotHeight(*b->Items()[0]);
    // Within 10 pixels of the bottom edge (left of the arrow buttons).
    DragTo(*a, *b, {20, ch - 4});
    TTimer& timer = b->DragScrollTimer();
    ASSERT_TRUE(timer.Enabled());
    EXPECT_TRUE(b->DragScrollingDown());
    EXPECT_EQ(timer.Interval(), 200);
    EXPECT_EQ(b->ScrollOrigin().y, 0);
    // The first tick comes no sooner than the interval.
    const DWORD start = GetTickCount();
    MSG msg;
    while (b->ScrollOrigin().y == 0 && GetTickCount() - start < 3000) {
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageW(&msg);
        Sleep(1);
    }
    ASSERT_EQ(b->ScrollOrigin().y, slot);
    EXPECT_GE(GetTickCount() - start, 150u);
    // Each tick scrolls one item and follows the pointer again: the drop
    // place moves with the content.
    for (int tick = 2; tick <= 3; ++tick) {
        timer.OnTimer(&timer);
        EXPECT_EQ(b->ScrollOrigin().y, tick * slot);
        EXPECT_EQ(b->DropIndex(), b->DropIndexAt(20, ch - 4)) << tick;
    }
    // Until the end: then the timer stops by itself.
    for (int i = 0; i < 30 && timer.Enabled(); ++i)
        timer.OnTimer(&timer);
    EXPECT_FALSE(timer.Enabled());
    EXPECT_FALSE(b->CanScrollDown());
    // Near the top it scrolls back up; in the middle it stops.
    DragTo(*a, *b, {20, 4});
    ASSERT_TRUE(timer.Enabled());
    EXPECT_FALSE(b->DragScrollingDown());
    const int origin = b->ScrollOrigin().y;
    timer.OnTimer(&timer);
    EXPECT_LT(b->ScrollOrigin().y, origin);
    DragTo(*a, *b, {20, ch / 2});
    EXPECT_FALSE(timer.Enabled());
    // Leaving the list stops it as well.
    DragTo(*a, *b, {20, ch - 4});
    EXPECT_TRUE(timer.Enabled());
    DragTo(*a, *a, {20, 150});
    EXPECT_FALSE(timer.Enabled());
    EXPECT_EQ(b->DropIndex(), -1);
    DropAt(*a, *a, {20, 150});
}

TEST_F(DragTest, HandlersThatFreeTheDraggedItemLeaveTheListsSound) {
    struct Case {
        const char* name;
        bool inMove; // freed while following the pointer, else in the drop
    };
    for (const Case& c : {Case{"during the move", true}, Case{"in the drop", false}}) {
        a->Items().Clear();
        b->Items().Clear();
        Fill(*a, 3, L"A");
        Fill(*b, 2, L"B");
        bool freed = false;
        auto free = [&] {
            if (freed) return;
            freed = true;
            a->Items()[1]->Delete();
        };
        a->OnMouseMove = [&](TComponent*, TShiftState, int, int) {
            if (c.inMove && a->Dragging()) free();
        };
        b->OnDragDrop = [&](TComponent*, TComponent*, int, int) {
            if (!c.inMove) free();
        };
        int ends = 0;
        a->OnEndDrag = [&](TComponent*, TComponent*, int, int) { ++ends; };
        StartDrag(*a, 1);
        DragTo(*a, *b, Gap(*b, 1));
        DropAt(*a, *b, Gap(*b, 1));
        EXPECT_TRUE(freed) << c.name;
        EXPECT_EQ(ends, 1) << c.name;
        EXPECT_EQ(Captions(*a), (std::vector<std::wstring>{L"A0", L"A2"})) << c.name;
        EXPECT_EQ(Captions(*b), (std::vector<std::wstring>{L"B0", L"B1"})) << c.name;
        EXPECT_EQ(b->DropIndex(), -1) << c.name;
        a->OnMouseMove = nullptr;
        b->OnDragDrop = nullptr;
    }
}

TEST_F(DragTest, ATargetFreedDuringTheDragIsForgotten) {
    Fill(*a, 2, L"A");
    auto* panel = new TPanel(form);
    panel->SetParent(form);
    panel->SetBounds(0, 320, 160, 100);
    panel->OnDragOver = [](TComponent*, TComponent*, int, int, TDragState, bool&) {};
    StartDrag(*a, 0);
    DragTo(*a, *panel, {40, 40});
    ASSERT_EQ(a->DragTarget(), panel);
    delete panel;
    EXPECT_EQ(a->DragTarget(), nullptr);
    DragTo(*a, *a, Gap(*a, 2));
    DropAt(*a, *a, Gap(*a, 2));
    EXPECT_EQ(Captions(*a), (std::vector<std::wstring>{L"A1", L"A0"}));
}

TEST_F(DragTest, TheCursorsComeFromTheResources) {
    RegisterOutBarCursors();
    HCURSOR arrow = LoadCursorW(nullptr, IDC_ARROW);
    HCURSOR no = LoadCursorW(nullptr, IDC_NO);
    HCURSOR move = Screen().Cursors(crOutDragMove), copy = Screen().Cursors(crOutDragCopy);
    EXPECT_NE(move, arrow);
    EXPECT_NE(copy, arrow);
    EXPECT_NE(move, copy);
    EXPECT_NE(Screen().Cursors(crNoDrop), no);
}

TEST_F(DragTest, AHundredDragsLeaveNoHandlesBehind) {
    Fill(*a, 5, L"A");
    Fill(*b, 5, L"B");
    auto dragOnce = [&](int i) {
        TDCVertListView& from = i % 2 ? *b : *a;
        TDCVertListView& to = i % 2 ? *a : *b;
        StartDrag(from, 0, i % 4 == 0 ? MK_CONTROL : 0);
        DragTo(from, to, Gap(to, 1));
        DropAt(from, to, Gap(to, 1));
        PumpFor(0);
    };
    // Both ways once first: a list makes its timers' windows when they first run.
    dragOnce(0);
    dragOnce(1);
    const test::GuiCounts before = test::Counts();
    for (int i = 0; i < 100; ++i)
        dragOnce(i);
    EXPECT_EQ(test::Counts(), before);
}

// In an outlook bar: a caption accepts a drag but a drop there moves
// nothing; resting on it opens its group, whose list then takes the item.
class BarDragTest : public FormTest {
protected:
    void SetUp() override {
        FormTest::SetUp();
        bar = new TDCOutBar(form);
        bar->SetParent(form);
        bar->SetBounds(0, 0, 170, 460);
        bar->SetFrequency(0);
        for (int i = 0; i < 3; ++i)
            bar->AddGroup();
        for (const wchar_t* caption : {L"A0", L"A1"})
            List(0).Items().Add()->SetCaption(caption);
        List(2).Items().Add()->SetCaption(L"C0");
        form->Show();
    }
    void TearDown() override {
        if (List(0).Dragging()) DragTest::Perform(List(0), WM_LBUTTONUP, {0, 0});
        FormTest::TearDown();
    }
    TDCVertListView& List(int group) { return *bar->Groups(group)->List(); }
    POINT Caption(int group) {
        RECT r = bar->CaptionRect(group);
        return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    }
    TDCOutBar* bar = nullptr;
};

TEST_F(BarDragTest, ACaptionOpensItsGroupButTakesNoDrop) {
    TDCVertListView& source = List(0);
    std::vector<TComponent*> ends;
    source.OnEndDrag = [&](TComponent*, TComponent* target, int, int) { ends.push_back(target); };
    DragTest::StartDrag(source, 0);
    DragTest::DragTo(source, *bar, Caption(2));
    EXPECT_EQ(source.DragTarget(), bar);
    EXPECT_TRUE(source.DragAccepted());
    EXPECT_EQ(bar->DragOverIndex(), 2);
    DragTest::DropAt(source, *bar, Caption(2));
    EXPECT_EQ(ends, (std::vector<TComponent*>{bar}));
    EXPECT_EQ(DragTest::Captions(source), (std::vector<std::wstring>{L"A0", L"A1"}));
    EXPECT_EQ(DragTest::Captions(List(2)), (std::vector<std::wstring>{L"C0"}));
    PumpFor(0);
    bar->SetActiveGroupIndex(0);

    DragTest::StartDrag(source, 0);
    DragTest::DragTo(source, *bar, Caption(2));
    const DWORD start = GetTickCount();
    MSG msg;
    while (bar->ActiveGroupIndex() != 2 && GetTickCount() - start < 3000) {
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageW(&msg);
        Sleep(1);
    }
    ASSERT_EQ(bar->ActiveGroupIndex(), 2);
    EXPECT_GE(GetTickCount() - start, 450u);
    // The source's group has closed; the drag goes on into the open list.
    TDCVertListView& target = List(2);
    const POINT below = DragTest::Gap(target, 1);
    DragTest::DragTo(source, target, below);
    EXPECT_EQ(source.DragTarget(), &target);
    EXPECT_EQ(target.DropIndex(), 1);
    DragTest::DropAt(source, target, below);
    EXPECT_EQ(DragTest::Captions(target), (std::vector<std::wstring>{L"C0", L"A0"}));
    EXPECT_EQ(DragTest::Captions(source), (std::vector<std::wstring>{L"A1"}));
}

} // namespace
