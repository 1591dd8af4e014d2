// The outlook bar: groups with their lists, settings handed down through
// the Parent flags, image lists, the list events chained to the bar and
// OneSelected.
#include "Menus.h"
#include "OutBar.h"
#include "OutBarErrors.h"
#include "OutBarGroup.h"
#include "OutBarGroupEdit.h"
#include "outlookbar_testing.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace yq;
using namespace yq::testing;

namespace {

class TProbeList : public TDCOutBarVertListView {
public:
    using TDCOutBarVertListView::TDCOutBarVertListView;
    TPopupMenu* Menu(TDCVertListItem* item) { return DoPopupMenu(item); }
};

class TProbeBar : public TDCOutBar {
public:
    using TDCOutBar::TDCOutBar;
    TDCOutBarVertListView* CreateListView() override { return new TProbeList(Owner()); }
};

class OutBarTest : public FormTest {
protected:
    void SetUp() override {
        FormTest::SetUp();
        bar = new TProbeBar(form);
        bar->SetParent(form);
        bar->SetBounds(0, 0, 170, 460);
        bar->SetFrequency(0);
        for (int i = 0; i < 3; ++i)
            bar->AddGroup();
        form->Show();
    }
    TProbeList* List(int group) { return static_cast<TProbeList*>(bar->Groups(group)->List()); }
    TDCVertListItem* Add(int group, const std::wstring& caption) {
        TDCVertListItem* item = List(group)->Items().Add();
        item->SetCaption(caption);
        return item;
    }
    TProbeBar* bar = nullptr;
};

TEST_F(OutBarTest, EachGroupHoldsAListFillingIt) {
    for (int i = 0; i < 3; ++i) {
        TDCOutBarVertListView* list = List(i);
        ASSERT_NE(list, nullptr);
        EXPECT_EQ(list->Owner(), form);
        EXPECT_EQ(list->Align(), TAlign::alClient);
        EXPECT_EQ(list->Color(), clAppWorkSpace);
        EXPECT_EQ(list->Font().Color(), clWhite);
        EXPECT_EQ(list->BorderStyle(), TBorderStyle::bsNone);
        for (int s = 0; s < int(TParentSetting::Count); ++s)
            EXPECT_TRUE(list->ParentSetting(TParentSetting(s)));
    }
    RECT open = bar->Groups(0)->BoundsRect(), content = bar->ContentArea();
    EXPECT_TRUE(EqualRect(&open, &content));
    EXPECT_EQ(List(0)->Width(), content.right - content.left);
    EXPECT_EQ(List(0)->Height(), content.bottom - content.top);
}

TEST_F(OutBarTest, SettingsFollowTheBarWhileTheirFlagIsSet) {
    TDCOutBarVertListView* a = List(0);
    TDCOutBarVertListView* b = List(1);
    // A new list keeps its own values until the bar's setting changes.
    bar->SetHighlightColor(clRed);
    TDCOutBarVertListView* fresh = static_cast<TDCOutBarVertListView*>(bar->AddGroup()->List());
    EXPECT_EQ(fresh->HighlightColor(), clBtnFace);
    EXPECT_EQ(a->HighlightColor(), clRed);
    // An explicit setting of the list's own turns its flag off.
    b->SetSelectionType(TSelectionType::stExpanded);
    EXPECT_FALSE(b->ParentSelectionType());
    bar->SetSelectionType(TSelectionType::stExpanded);
    bar->SetSelectionType(TSelectionType::stStandard);
    EXPECT_EQ(a->SelectionType(), TSelectionType::stStandard);
    EXPECT_EQ(b->SelectionType(), TSelectionType::stExpanded);
    // Setting the flag again copies the bar's value at once.
    b->SetParentSelectionType(true);
    EXPECT_EQ(b->SelectionType(), TSelectionType::stStandard);
    // Assigning the same value keeps the flag.
    a->SetHighlightColor(clRed);
    EXPECT_TRUE(a->ParentHighlightColor());
    // The rest of the pairs, through the bar.
    bar->SetBackgroundMode(TBackgroundModeGlobal::bkmGradientHorz);
    bar->SetGradientBeginColor(0x00C5E7FE);
    bar->SetGradientEndColor(clWhite);
    bar->SetHighlightFontColor(clWhite);
    bar->SetHighlightSelection(true);
    bar->SetDragEnabled(false);
    bar->SetSunkSelected(true);
    bar->SetUseDblClick(true);
    bar->SetWrapLineCount(2);
    bar->SetScrollButtonsPos(TScrollButtonsPos::spBottom);
    EXPECT_EQ(a->BackgroundMode(), TBackgroundModeGlobal::bkmGradientHorz);
    EXPECT_EQ(a->GradientBeginColor(), 0x00C5E7FEu);
    EXPECT_EQ(a->GradientEndColor(), clWhite);
    EXPECT_EQ(a->HighlightFontColor(), clWhite);
    EXPECT_TRUE(a->HighlightSelection());
    EXPECT_FALSE(a->DragEnabled());
    EXPECT_TRUE(a->SunkSelected());
    EXPECT_TRUE(a->UseDblClick());
    EXPECT_EQ(a->WrapLineCount(), 2);
    EXPECT_EQ(a->ScrollButtonsPos(), TScrollButtonsPos::spBottom);
    EXPECT_THROW(bar->SetWrapLineCount(0), EInvalidProperty);
    // The bar's picture, and every later change of it.
    TBitmap picture(8, 6);
    bar->SetBackground(picture);
    EXPECT_EQ(a->Background().Width(), 8);
    bar->BackgroundPtr()->SetSize(5, 5);
    EXPECT_EQ(a->Background().Width(), 5);
}

TEST_F(OutBarTest, ListsUseTheirOwnImageListsOrElseTheBars) {
    TImageList barImages(nullptr), own(nullptr);
    bar->SetSmallImages(&barImages);
    EXPECT_EQ(List(0)->SmallImages(), &barImages);
    List(1)->SetSmallImages(&own);
    EXPECT_EQ(List(1)->SmallImages(), &own);
    bar->SetSmallImages(nullptr);
    EXPECT_EQ(List(0)->SmallImages(), nullptr);
    EXPECT_EQ(List(1)->SmallImages(), &own);
    auto* gone = new TImageList(nullptr);
    bar->SetLargeImages(gone);
    delete gone;
    EXPECT_EQ(bar->LargeImages(), nullptr);
    EXPECT_EQ(List(0)->LargeImages(), nullptr);
}

TEST_F(OutBarTest, ListEventsAreChainedToTheBar) {
    TDCVertListItem* item = Add(0, L"Item");
    std::vector<std::string> log;
    List(0)->OnButtonClick = [&](TComponent*, TDCVertListItem*) { log.push_back("list click"); };
    bar->OnButtonClick = [&](TComponent* sender, TDCVertListItem* i) {
        EXPECT_EQ(sender, List(0));
        EXPECT_EQ(i, item);
        log.push_back("bar click");
    };
    List(0)->OnExecuteItem = [&](TComponent*, TDCVertListItem*, bool&) { log.push_back("list execute"); };
    bool barProcesses = false;
    bar->OnExecuteItem = [&](TComponent* sender, TDCVertListItem*, bool& processed) {
        EXPECT_EQ(sender, List(0));
        log.push_back("bar execute");
        processed = barProcesses;
    };
    List(0)->OnHotTrackItem = [&](TComponent*, TDCVertListItem*) { log.push_back("list hot"); };
    bar->OnHotTrackItem = [&](TComponent*, TDCVertListItem*) { log.push_back("bar hot"); };
    RECT label = item->DisplayRect(TDisplayCode::drLabel);
    POINT client{(label.left + label.right) / 2, (label.top + label.bottom) / 2};
    POINT p = List(0)->ClientToScreen(client);
    SetCursorPos(p.x, p.y);
    SendMessageW(List(0)->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, At(client.x, client.y));
    SendMessageW(List(0)->Handle(), WM_LBUTTONUP, 0, At(client.x, client.y));
    EXPECT_EQ(log, (std::vector<std::string>{"list hot", "bar hot", "bar execute", "list execute",
                                             "list click", "bar click"}));
    log.clear();
    barProcesses = true;
    SendMessageW(List(0)->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, At(client.x, client.y));
    SendMessageW(List(0)->Handle(), WM_LBUTTONUP, 0, At(client.x, client.y));
    EXPECT_EQ(log, (std::vector<std::string>{"bar execute", "list click", "bar click"}));
}

TEST_F(OutBarTest, TheBarChoosesTheContextMenuInsteadOfTheList) {
    TDCVertListItem* item = Add(0, L"Item");
    TPopupMenu own(nullptr), chosen(nullptr);
    List(0)->SetPopupMenu(&own);
    int listAsked = 0;
    List(0)->OnPopupMenu = [&](TComponent*, TDCVertListItem*, TPopupMenu*&) { ++listAsked; };
    EXPECT_EQ(List(0)->Menu(item), &own);
    EXPECT_EQ(listAsked, 1);
    bar->OnPopupMenu = [&](TComponent* sender, TDCVertListItem* i, TPopupMenu*& menu) {
        EXPECT_EQ(sender, List(0));
        EXPECT_EQ(i, item);
        EXPECT_EQ(menu, &own);
        menu = &chosen;
    };
    EXPECT_EQ(List(0)->Menu(item), &chosen);
    EXPECT_EQ(listAsked, 1);
}

TEST_F(OutBarTest, OneSelectedKeepsASelectionInOneListOnly) {
    TDCVertListItem* a = Add(0, L"A");
    TDCVertListItem* b = Add(1, L"B");
    a->SetSelected(true);
    b->SetSelected(true);
    EXPECT_TRUE(a->Selected()); // off: each list keeps its own
    bar->SetOneSelected(true);  // the open group (0) keeps its selection
    EXPECT_TRUE(a->Selected());
    EXPECT_FALSE(b->Selected());
    b->SetSelected(true);
    EXPECT_FALSE(a->Selected());
    EXPECT_TRUE(b->Selected());
}

TEST_F(OutBarTest, ARightPressOnAListHidesTheCaptionEditor) {
    bar->ShowCaptionEditor(1);
    bar->CaptionEditor()->SetText(L"Edited");
    ASSERT_TRUE(bar->CaptionEditorVisible());
    SendMessageW(List(0)->Handle(), WM_RBUTTONDOWN, MK_RBUTTON, At(5, 5));
    SendMessageW(List(0)->Handle(), WM_RBUTTONUP, 0, At(5, 5));
    EXPECT_FALSE(bar->CaptionEditorVisible());
    EXPECT_EQ(bar->Groups(1)->Caption(), L"Edited");
}

TEST_F(OutBarTest, PublishedByName) {
    SetPropByName(bar, "SelectionType", L"stExpanded");
    SetPropByName(bar, "ButtonSpace", L"0");
    SetPropByName(List(0), "ParentSelectionType", L"False");
    EXPECT_EQ(bar->SelectionType(), TSelectionType::stExpanded);
    EXPECT_EQ(bar->ButtonSpace(), 0);
    EXPECT_FALSE(List(0)->ParentSelectionType());
    EXPECT_EQ(GetEnumPropName(bar, "FlatGroups"), "True");
    EXPECT_EQ(GetIntPropByName(bar, "Frequency"), 0);
    EXPECT_EQ(GetWidePropByName(bar->Groups(2), "Caption"), L"New Group2");
    EXPECT_EQ(GetIntPropByName(bar->Groups(2), "GroupIndex"), 2);
    EXPECT_TRUE(bar->InheritsFrom("TCustomDCGroupBar"));
    EXPECT_TRUE(List(0)->InheritsFrom("TDCVertListView"));
}

} // namespace
