// The outlook item list under the mouse, the wheel and the keyboard: the
// click and its events, hot tracking, scrolling by whole items with the
// arrow buttons and the wheel, keys and the caption editor.
#include "Bitmap.h"
#include "Timer.h"
#include "VertListView.h"
#include "outlookbar_testing.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace yq;
using namespace yq::testing;

namespace {

class InteractionTest : public FormTest {
protected:
    void SetUp() override {
        FormTest::SetUp();
        SystemParametersInfoW(SPI_SETWHEELSCROLLLINES, 3, nullptr, 0);
        list = new TDCVertListView(form);
        list->SetBorderStyle(TBorderStyle::bsNone);
        list->Font().SetName(L"Arial");
        list->Font().SetHeight(-15);
        list->SetViewStyle(TViewStyle::vsSmallIcon);
        list->SetSelectionType(TSelectionType::stExpanded);
        list->SetParent(form);
        list->SetBounds(0, 0, 160, 300);
        form->Show();
        list->OnButtonClick = [this](TComponent* sender, TDCVertListItem* item) {
            EXPECT_EQ(sender, list);
            EXPECT_EQ(list->Selected(), item); // already the selected one
            clicks.push_back(item);
            log.push_back("button");
        };
    }
    TDCVertListItem* Add(const std::wstring& caption) {
        TDCVertListItem* item = list->Items().Add();
        item->SetCaption(caption);
        return item;
    }
    void AddMany(int n) {
        list->Items().BeginUpdate();
        for (int i = 0; i < n; ++i)
            Add(L"Item " + std::to_wstring(i));
        list->Items().EndUpdate();
    }
    // A client point on the item's row.
    POINT On(const TDCVertListItem* item) {
        RECT b = item->DisplayRect(TDisplayCode::drBounds);
        return {b.left + 5, (b.top + b.bottom) / 2};
    }
    void Press(POINT p) { Mouse(*list, WM_LBUTTONDOWN, p.x, p.y, MK_LBUTTON); }
    void Move(POINT p, WPARAM keys = MK_LBUTTON) { Mouse(*list, WM_MOUSEMOVE, p.x, p.y, keys); }
    void Release(POINT p) { Mouse(*list, WM_LBUTTONUP, p.x, p.y); }
    void Click(POINT p) {
        Press(p);
        Release(p);
    }
    int SlotsDown(int from, int count) {
        int sum = 0;
        for (int i = from; i < from + count; ++i)
            sum += list->SlotHeight(*list->Items()[i]);
        return sum;
    }

    TDCVertListView* list = nullptr;
    std::vector<TDCVertListItem*> clicks;
    std::vector<std::string> log;
};

TEST_F(InteractionTest, AClickSelectsTheItemAndRaisesTheEventsInOrder) {
    Add(L"Zero");
    TDCVertListItem* item = Add(L"One");
    list->OnBeforeMouseDown = [&](TComponent*, int, int) { log.push_back("before"); };
    list->OnHotTrackItem = [&](TComponent*, TDCVertListItem* i) { log.push_back(i ? "hot" : "cold"); };
    list->OnMouseDown = [&](TComponent*, TMouseButton, TShiftState, int, int) { log.push_back("down"); };
    list->OnExecuteItem = [&](TComponent*, TDCVertListItem* i, bool&) {
        EXPECT_EQ(i, item);
        log.push_back("execute");
    };
    item->OnClick = [&](TComponent* sender) {
        EXPECT_EQ(sender, list);
        log.push_back("item");
    };
    list->OnClick = [&](TComponent*) { log.push_back("click"); };
    list->OnMouseUp = [&](TComponent*, TMouseButton, TShiftState, int, int) { log.push_back("up"); };
    POINT p = On(item);
    Press(p);
    EXPECT_EQ(list->PressedItem(), item);
    EXPECT_TRUE(list->MouseCapture());
    // Pressed, the item's frame is sunken: dark above, light below.
    const RECT f = list->ItemFrameRect(*item);
    TBitmap bmp(list->ClientWidth(), list->ClientHeight());
    list->PaintTo(bmp.Canvas().Handle(), 0, 0);
    EXPECT_EQ(bmp.Pixel(20, f.top), clBlack);
    EXPECT_EQ(bmp.Pixel(20, f.bottom), TColor(0xC0C0C0));
    Release({p.x + 3, p.y - 4}); // within 5 pixels
    EXPECT_EQ(
        log, (std::vector<std::string>{"before", "hot", "down", "execute", "item", "button", "click", "up"}));
    ASSERT_EQ(clicks.size(), 1u);
    EXPECT_EQ(clicks[0], item);
    EXPECT_TRUE(item->Selected());
    EXPECT_TRUE(item->Focused());
    EXPECT_EQ(list->PressedItem(), nullptr);
    // The already selected item clicks again.
    Click(p);
    EXPECT_EQ(clicks.size(), 2u);
}

TEST_F(InteractionTest, ReleasingAnywhereClicksThePressedItem) {
    TDCVertListItem* item = Add(L"One");
    Add(L"Two");
    Press(On(item));
    // The release lands on another place, even outside the list (the
    // pointer never moved more than 5 pixels on the way: no move messages).
    Release({400, 500});
    ASSERT_EQ(clicks.size(), 1u);
    EXPECT_EQ(clicks[0], item);
}

TEST_F(InteractionTest, EmptySpaceAndDragsRaiseNoButtonClick) {
    TDCVertListItem* item = Add(L"One");
    int listClicks = 0;
    list->OnClick = [&](TComponent*) { ++listClicks; };
    // Empty space below the items.
    Click({50, 250});
    EXPECT_TRUE(clicks.empty());
    EXPECT_EQ(list->Selected(), nullptr);
    // A press that moves more than 5 pixels is a drag: no click, whether
    // dragging is enabled or not, and nothing moves.
    for (bool drag : {false, true}) {
        list->SetDragEnabled(drag);
        POINT p = On(item);
        Press(p);
        Move({p.x, p.y + 6});
        Release({p.x, p.y + 6});
        EXPECT_TRUE(clicks.empty()) << drag;
        EXPECT_EQ(listClicks, 1) << drag; // only the click on empty space
        EXPECT_EQ(list->Items().Count(), 1);
    }
}

TEST_F(InteractionTest, SelectingFromCodeRaisesTheButtonClickOnce) {
    TDCVertListItem* a = Add(L"A");
    TDCVertListItem* b = Add(L"B");
    a->SetSelected(true);
    ASSERT_EQ(clicks.size(), 1u);
    EXPECT_EQ(clicks[0], a);
    a->SetSelected(true); // unchanged: nothing
    list->SetSelected(b);
    ASSERT_EQ(clicks.size(), 2u);
    EXPECT_EQ(clicks[1], b);
    EXPECT_FALSE(a->Selected());
}

TEST_F(InteractionTest, UseDblClickExecutesOnlyOnTheDoubleClick) {
    TDCVertListItem* item = Add(L"One");
    int executes = 0, doubles = 0;
    list->OnExecuteItem = [&](TComponent*, TDCVertListItem*, bool& processed) {
        ++executes;
        processed = true;
    };
    list->OnDblClick = [&](TComponent*) { ++doubles; };
    list->SetUseDblClick(true);
    POINT p = On(item);
    Move(p, 0);
    Click(p);
    EXPECT_EQ(clicks.size(), 1u);
    EXPECT_EQ(executes, 0);
    Mouse(*list, WM_LBUTTONDBLCLK, p.x, p.y, MK_LBUTTON);
    Release(p);
    EXPECT_EQ(executes, 1);
    EXPECT_EQ(doubles, 1);
    EXPECT_EQ(clicks.size(), 1u);
    // Without UseDblClick the click executes first; an item with no file and
    // no handler executes as nothing.
    list->SetUseDblClick(false);
    list->OnExecuteItem = nullptr;
    Click(p);
    EXPECT_EQ(clicks.size(), 2u);
}

TEST_F(InteractionTest, ArrowKeysMoveTheSelectionOnlyWhenItIsSunk) {
    TDCVertListItem* a = Add(L"A");
    TDCVertListItem* b = Add(L"B");
    a->SetSelected(true);
    a->SetFocused(true);
    clicks.clear();
    list->SetFocus();
    SendMessageW(list->Handle(), WM_KEYDOWN, VK_DOWN, 0);
    EXPECT_TRUE(a->Selected());
    EXPECT_TRUE(clicks.empty());
    EXPECT_EQ(SendMessageW(list->Handle(), WM_GETDLGCODE, 0, 0) & DLGC_WANTARROWS, DLGC_WANTARROWS);
    list->SetSunkSelected(true);
    SendMessageW(list->Handle(), WM_KEYDOWN, VK_DOWN, 0);
    EXPECT_TRUE(b->Selected());
    ASSERT_EQ(clicks.size(), 1u);
    EXPECT_EQ(clicks[0], b);
    SendMessageW(list->Handle(), WM_KEYDOWN, VK_HOME, 0);
    EXPECT_TRUE(a->Selected());
}

TEST_F(InteractionTest, ArrowButtonsShowWhenTheListCanScroll) {
    const int side = list->DownButton().Height();
    for (int i = 0; i < 3; ++i)
        Add(L"Fits");
    EXPECT_FALSE(list->DownButton().Visible());
    EXPECT_FALSE(list->UpButton().Visible());
    AddMany(30);
    EXPECT_TRUE(list->DownButton().Visible());
    EXPECT_FALSE(list->UpButton().Visible());
    const int ch = list->ClientHeight(), x = list->ClientWidth() - side - 5;
    EXPECT_EQ(list->DownButton().Left(), x);
    EXPECT_EQ(list->DownButton().Top(), ch - side - 5);
    // Held down, the button scrolls one item at once.
    const int first = list->SlotHeight(*list->Items()[0]);
    TDCScrollButton& down = list->DownButton();
    Mouse(down, WM_LBUTTONDOWN, 2, 2, MK_LBUTTON);
    Mouse(down, WM_LBUTTONUP, 2, 2);
    EXPECT_EQ(list->ScrollOrigin().y, first);
    EXPECT_TRUE(list->UpButton().Visible());
    EXPECT_EQ(list->UpButton().Top(), 5);
    struct Case {
        TScrollButtonsPos pos;
        int upTop, downTop;
    } cases[] = {
        {TScrollButtonsPos::spTop, 5, side + 10},
        {TScrollButtonsPos::spBottom, ch - 2 * side - 10, ch - side - 5},
        {TScrollButtonsPos::spTopAndBottom, 5, ch - side - 5},
    };
    for (const Case& c : cases) {
        list->SetScrollButtonsPos(c.pos);
        EXPECT_EQ(list->UpButton().Top(), c.upTop);
        EXPECT_EQ(list->DownButton().Top(), c.downTop);
    }
    // Too short for both buttons and the gap: none shows.
    list->SetHeight(2 * side + 9);
    EXPECT_FALSE(list->DownButton().Visible());
    EXPECT_FALSE(list->UpButton().Visible());
}

// The repeat timer's ticks are driven here rather than waited for: a loaded
// machine may deliver fewer WM_TIMER messages than the time would allow.
TEST_F(InteractionTest, ArrowRepeatScrollsOneItemEvery200Ms) {
    AddMany(40);
    TDCScrollButton& down = list->DownButton();
    TTimer* repeat = nullptr;
    for (int i = 0; i < down.ComponentCount(); ++i)
        if (auto* timer = dynamic_cast<TTimer*>(down.Components(i))) repeat = timer;
    ASSERT_NE(repeat, nullptr);
    Mouse(down, WM_LBUTTONDOWN, 2, 2, MK_LBUTTON);
    EXPECT_TRUE(repeat->Enabled());
    EXPECT_EQ(repeat->Interval(), 200);
    EXPECT_EQ(list->ScrollOrigin().y, SlotsDown(0, 1)); // the press scrolls at once
    repeat->OnTimer(repeat);
    repeat->OnTimer(repeat);
    Mouse(down, WM_LBUTTONUP, 2, 2);
    EXPECT_FALSE(repeat->Enabled());
    EXPECT_EQ(list->ScrollOrigin().y, SlotsDown(0, 3));
}

TEST_F(InteractionTest, TheWheelScrollsWholeItemsPerNotchAndLine) {
    AddMany(40);
    auto wheel = [&](int delta) {
        SendMessageW(list->Handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, WORD(short(delta))), At(500, 500));
    };
    wheel(-120); // towards the user: three items down
    EXPECT_EQ(list->ScrollOrigin().y, SlotsDown(0, 3));
    wheel(-60);
    EXPECT_EQ(list->ScrollOrigin().y, SlotsDown(0, 3));
    wheel(-60); // two halves make a notch
    EXPECT_EQ(list->ScrollOrigin().y, SlotsDown(0, 6));
    wheel(120);
    wheel(120);
    wheel(120); // up past the start: stops at the origin
    EXPECT_EQ(list->ScrollOrigin().y, 0);
    EXPECT_EQ(list->Items()[0]->DisplayRect(TDisplayCode::drBounds).top, list->TopMargin());
    // Down to the end: the last notch scrolls fewer items.
    for (int i = 0; i < 30; ++i)
        wheel(-120);
    EXPECT_FALSE(list->CanScrollDown());
    EXPECT_TRUE(list->IsItemVisible(*list->Items()[39], false));
    EXPECT_FALSE(list->IsItemVisible(*list->Items()[38 - list->ClientHeight() / SlotsDown(0, 1)], false));
}

TEST_F(InteractionTest, EnsureVisibleScrollsByWholeSlots) {
    AddMany(40);
    TDCVertListItem* distant = list->Items()[30];
    EXPECT_TRUE(list->EnsureVisible(*distant, false));
    EXPECT_TRUE(list->IsItemVisible(*distant, false));
    EXPECT_EQ(list->ScrollOrigin().y % SlotsDown(0, 1), 0);
    EXPECT_FALSE(list->EnsureVisible(*distant, false));
    TDCVertListItem* close = list->Items()[2];
    list->EnsureVisible(*close, false);
    EXPECT_EQ(close->DisplayRect(TDisplayCode::drBounds).top, list->TopMargin());
}

TEST_F(InteractionTest, HotTrackingFollowsThePointerAndEndsWhenItLeaves) {
    TDCVertListItem* a = Add(L"A");
    TDCVertListItem* b = Add(L"B");
    std::vector<TDCVertListItem*> hots;
    list->OnHotTrackItem = [&](TComponent*, TDCVertListItem* i) { hots.push_back(i); };
    Move(On(a), 0);
    Move(On(a), 0);
    Move(On(b), 0);
    EXPECT_EQ(list->HotItem(), b);
    SetCursorPos(600, 500); // outside, no message to the list
    PumpFor(60);
    EXPECT_EQ(list->HotItem(), nullptr);
    EXPECT_EQ(hots, (std::vector<TDCVertListItem*>{a, b, nullptr}));
}

TEST_F(InteractionTest, CancelModeAndRightPressCancelThePress) {
    TDCVertListItem* item = Add(L"One");
    POINT p = On(item);
    Press(p);
    SendMessageW(list->Handle(), WM_CANCELMODE, 0, 0);
    EXPECT_EQ(list->PressedItem(), nullptr);
    EXPECT_EQ(list->HotItem(), nullptr);
    Release(p);
    EXPECT_TRUE(clicks.empty());
    Press(p);
    Mouse(*list, WM_RBUTTONDOWN, p.x, p.y, MK_RBUTTON | MK_LBUTTON);
    EXPECT_FALSE(list->Armed());
    Release(p);
    EXPECT_TRUE(clicks.empty());
}

TEST_F(InteractionTest, DeletingItemsKeepsTheListSound) {
    AddMany(40);
    Move(On(list->Items()[0]), 0);
    ASSERT_EQ(list->HotItem(), list->Items()[0]);
    list->Items().Delete(0);
    EXPECT_EQ(list->HotItem(), nullptr);
    // Scrolled to the end, deleting the tail pulls the content back down.
    list->EnsureVisible(*list->Items()[38], false);
    while (list->Items().Count() > 3)
        list->Items().Delete(list->Items().Count() - 1);
    EXPECT_GE(list->Items()[2]->Position().y, list->TopMargin());
}

TEST_F(InteractionTest, TheCaptionEditorCommitsOnEnterAndCancelsOnEscape) {
    TDCVertListItem* item = Add(L"Old");
    std::wstring edited;
    list->OnEdited = [&](TComponent*, TDCVertListItem*, std::wstring& text) { edited = text; };
    ASSERT_TRUE(item->EditCaption());
    TDCListCaptionEdit* editor = list->CaptionEditor();
    ASSERT_NE(editor, nullptr);
    EXPECT_TRUE(editor->Visible());
    const RECT label = item->DisplayRect(TDisplayCode::drLabel);
    EXPECT_EQ(editor->Left(), label.left + 3);
    EXPECT_EQ(editor->Height(), list->TextHeight() + 4);
    editor->SetText(L"New");
    SendMessageW(editor->Handle(), WM_KEYDOWN, VK_RETURN, 0);
    EXPECT_FALSE(list->IsEditing());
    EXPECT_FALSE(editor->Visible());
    EXPECT_EQ(edited, L"New");
    EXPECT_EQ(item->Caption(), L"New");
    ASSERT_TRUE(item->EditCaption());
    editor->SetText(L"Dropped");
    SendMessageW(editor->Handle(), WM_KEYDOWN, VK_ESCAPE, 0);
    EXPECT_EQ(item->Caption(), L"New");
    // Scrolling cancels; a read-only list does not edit.
    ASSERT_TRUE(item->EditCaption());
    list->ScrollBy(0, 0);
    EXPECT_FALSE(list->IsEditing());
    list->SetReadOnly(true);
    EXPECT_FALSE(item->EditCaption());
}

} // namespace
