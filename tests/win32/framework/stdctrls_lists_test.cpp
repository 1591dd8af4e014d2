// List box, combo box, list view, tab and page controls and the tool bar:
// items kept in step with the window, properties by name, and the
// platform's notifications turned into events.
#include "ComboBox.h"
#include "ListBox.h"
#include "ListView.h"
#include "Menus.h"
#include "PageControl.h"
#include "TabControl.h"
#include "ToolBar.h"
#include "form_fixture.h"

#include <commctrl.h>

#include <functional>
#include <string>

using namespace yq;
using yq::test::FormFixture;
using yq::test::StyleOf;

namespace {

class ListsTest : public FormFixture {};

std::wstring ListText(HWND h, UINT getText, int index) {
    wchar_t buf[128] = {};
    SendMessageW(h, getText, WPARAM(index), LPARAM(buf));
    return buf;
}

TEST_F(ListsTest, PublishedPropertiesAreWrittenAndReadByNameAndReachTheWindow) {
    auto* list = Add<TListBox>(10, 10, 100, 80);
    list->Items().Assign({L"一", L"二", L"三"});
    auto* combo = Add<TComboBox>(120, 10, 100, 21);
    combo->Items().Assign({L"甲", L"乙"});
    auto* view = Add<TListView>(10, 100, 200, 100);
    auto* pages = Add<TPageControl>(230, 10, 200, 150);
    for (const wchar_t* caption : {L"第一页", L"第二页"}) {
        auto* sheet = new TTabSheet(form);
        sheet->SetPageControl(pages);
        sheet->SetCaption(caption);
    }
    auto* bar = Add<TToolBar>(0, 0, 0, 29);
    struct Case {
        TPersistent* object;
        const char* prop;
        const wchar_t* value;
        std::string enumName;
        long long intValue;
        std::function<bool()> window;
    } cases[] = {
        {list, "ItemIndex", L"2", "", 2,
         [&] { return SendMessageW(list->Handle(), LB_GETCURSEL, 0, 0) == 2; }},
        {list, "ScrollWidth", L"400", "", 400,
         [&] { return (StyleOf(*list) & WS_HSCROLL) && list->ItemIndex() == 2; }},
        {list, "MultiSelect", L"True", "True", 0,
         [&] { return (StyleOf(*list) & LBS_EXTENDEDSEL) && list->Items().Count() == 3; }},
        {combo, "ItemIndex", L"1", "", 1, [&] { return combo->Text() == L"乙"; }},
        {combo, "Style", L"csDropDownList", "csDropDownList", 0,
         [&] { return (StyleOf(*combo) & 3) == CBS_DROPDOWNLIST && combo->ItemIndex() == 1; }},
        {combo, "Style", L"csSimple", "csSimple", 0, [&] { return (StyleOf(*combo) & 3) == CBS_SIMPLE; }},
        {view, "ViewStyle", L"vsReport", "vsReport", 0,
         [&] { return (StyleOf(*view) & LVS_TYPEMASK) == LVS_REPORT; }},
        {view, "ReadOnly", L"True", "True", 0, [&] { return !(StyleOf(*view) & LVS_EDITLABELS); }},
        {view, "GridLines", L"True", "True", 0,
         [&] { return SendMessageW(view->Handle(), LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0) & LVS_EX_GRIDLINES; }},
        {pages, "ActivePageIndex", L"1", "", 1,
         [&] {
             return SendMessageW(pages->Handle(), TCM_GETCURSEL, 0, 0) == 1 && pages->Pages(1)->Visible();
         }},
        {pages, "TabPosition", L"tpBottom", "tpBottom", 0,
         [&] { return (StyleOf(*pages) & TCS_BOTTOM) && pages->TabIndex() == 1; }},
        {bar, "Flat", L"False", "False", 0, [&] { return !(StyleOf(*bar) & TBSTYLE_FLAT); }},
        {bar, "ShowCaptions", L"True", "True", 0, [&] { return bar->ShowCaptions(); }},
    };
    for (const Case& c : cases) {
        SetPropByName(c.object, c.prop, c.value);
        if (c.enumName.empty())
            EXPECT_EQ(GetIntPropByName(c.object, c.prop), c.intValue) << c.prop;
        else
            EXPECT_EQ(GetEnumPropName(c.object, c.prop), c.enumName) << c.prop;
        EXPECT_TRUE(c.window()) << c.prop;
    }
    struct Family {
        TControl* control;
        const char* family;
    } families[] = {{list, "TCustomListBox"},
                    {combo, "TCustomComboBox"},
                    {view, "TCustomListView"},
                    {pages, "TCustomTabControl"},
                    {bar, "TToolBar"}};
    for (const Family& f : families)
        EXPECT_TRUE(f.control->InheritsFrom(f.family)) << f.family;
}

TEST_F(ListsTest, ListAndComboItemsFollowTheStringsAndSelectionsRaiseEvents) {
    auto* list = Add<TListBox>(10, 10, 100, 80);
    auto* combo = Add<TComboBox>(120, 10, 100, 21);
    for (TStrings* items : {&list->Items(), &combo->Items()}) {
        items->Assign({L"a", L"b", L"c"});
        items->Insert(1, L"x");
        items->Delete(0);
        items->Set(2, L"z");
    }
    const wchar_t* expected[] = {L"x", L"b", L"z"};
    ASSERT_EQ(SendMessageW(list->Handle(), LB_GETCOUNT, 0, 0), 3);
    ASSERT_EQ(SendMessageW(combo->Handle(), CB_GETCOUNT, 0, 0), 3);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(ListText(list->Handle(), LB_GETTEXT, i), expected[i]);
        EXPECT_EQ(ListText(combo->Handle(), CB_GETLBTEXT, i), expected[i]);
    }
    int listClicks = 0, selects = 0, changes = 0;
    list->OnClick = [&](TComponent*) { ++listClicks; };
    combo->OnSelect = [&](TComponent*) { ++selects; };
    combo->OnChange = [&](TComponent*) { ++changes; };
    // The user's choice: the window selects, then tells its parent.
    SendMessageW(list->Handle(), LB_SETCURSEL, 1, 0);
    SendMessageW(form->Handle(), WM_COMMAND, MAKEWPARAM(0, LBN_SELCHANGE), LPARAM(list->Handle()));
    EXPECT_EQ(listClicks, 1);
    EXPECT_EQ(list->InspectText(), L"b");
    SendMessageW(combo->Handle(), CB_SETCURSEL, 2, 0);
    SendMessageW(form->Handle(), WM_COMMAND, MAKEWPARAM(0, CBN_SELCHANGE), LPARAM(combo->Handle()));
    EXPECT_EQ(selects, 1);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(combo->Text(), L"z");
    // Typing into the drop-down combo's edit.
    SetWindowTextW(combo->EditHandle(), L"新");
    SendMessageW(form->Handle(), WM_COMMAND, MAKEWPARAM(0, CBN_EDITCHANGE), LPARAM(combo->Handle()));
    EXPECT_EQ(combo->Text(), L"新");
    EXPECT_EQ(changes, 2);
    // Opening the list makes room for its items.
    combo->SetDroppedDown(true);
    EXPECT_TRUE(combo->DroppedDown());
    combo->SetDroppedDown(false);
    EXPECT_THROW(list->Items()[3], EListError);
    EXPECT_THROW(list->Selected(7), EListError);
    list->Items().Clear();
    EXPECT_EQ(list->ItemIndex(), -1);
}

TEST_F(ListsTest, AReportViewShowsColumnsAndSubItemsAndReportsSelectionAndColumnClicks) {
    auto* view = Add<TListView>(10, 10, 300, 150);
    view->SetViewStyle(TViewStyle::vsReport);
    for (const wchar_t* caption : {L"谜面", L"谜底"}) {
        TListColumn* c = view->Columns().Add();
        c->SetCaption(caption);
        c->SetWidth(120);
    }
    for (int i = 0; i < 3; ++i) {
        TListItem* item = view->Items().Add();
        item->SetCaption(L"面" + std::to_wstring(i));
        item->SubItems().Add(L"底" + std::to_wstring(i));
    }
    HWND header = view->HeaderHandle();
    ASSERT_NE(header, nullptr);
    EXPECT_EQ(SendMessageW(header, HDM_GETITEMCOUNT, 0, 0), 2);
    wchar_t text[32] = {};
    LVITEMW item{};
    item.iSubItem = 1;
    item.pszText = text;
    item.cchTextMax = 32;
    SendMessageW(view->Handle(), LVM_GETITEMTEXTW, 2, LPARAM(&item));
    EXPECT_STREQ(text, L"底2");
    EXPECT_EQ(view->Columns()[1]->Width(), 120);

    std::vector<std::pair<int, bool>> selections;
    view->OnSelectItem = [&](TComponent*, TListItem* it, bool selected) {
        selections.push_back({it->Index(), selected});
    };
    TListColumn* clicked = nullptr;
    view->OnColumnClick = [&](TComponent*, TListColumn* c) { clicked = c; };
    view->SetItemIndex(1);
    view->SetItemIndex(2);
    EXPECT_EQ(view->Selected(), view->Items()[2]);
    EXPECT_EQ(selections, (std::vector<std::pair<int, bool>>{{1, true}, {1, false}, {2, true}}));
    NMLISTVIEW nm{};
    nm.hdr = {view->Handle(), 0, UINT(LVN_COLUMNCLICK)};
    nm.iItem = -1;
    nm.iSubItem = 1;
    SendMessageW(form->Handle(), WM_NOTIFY, 0, LPARAM(&nm));
    EXPECT_EQ(clicked, view->Columns()[1]);
    // Other views keep the items; the view switches without a new window.
    HWND before = view->Handle();
    for (TViewStyle s : {TViewStyle::vsIcon, TViewStyle::vsSmallIcon, TViewStyle::vsList}) {
        view->SetViewStyle(s);
        EXPECT_EQ(SendMessageW(view->Handle(), LVM_GETITEMCOUNT, 0, 0), 3);
    }
    EXPECT_EQ(view->Handle(), before);
    view->Items().Delete(0);
    EXPECT_EQ(view->Items()[0]->Caption(), L"面1");
    EXPECT_EQ(SendMessageW(view->Handle(), LVM_GETITEMCOUNT, 0, 0), 2);
}

TEST_F(ListsTest, PagesAreTabsAndChoosingATabShowsItsPageUnlessRefused) {
    auto* pages = Add<TPageControl>(10, 10, 300, 200);
    TTabSheet* sheets[3];
    for (int i = 0; i < 3; ++i) {
        sheets[i] = new TTabSheet(form);
        sheets[i]->SetPageControl(pages);
        sheets[i]->SetCaption(L"页" + std::to_wstring(i));
    }
    EXPECT_EQ(pages->ActivePage(), sheets[0]); // the first page joins active
    EXPECT_TRUE(sheets[0]->Visible());
    EXPECT_FALSE(sheets[1]->Visible());
    // The page fills the display area, below the tabs.
    RECT display = pages->DisplayRect();
    EXPECT_EQ(sheets[0]->Top(), display.top);
    EXPECT_GT(display.top, 10);
    bool allow = true;
    int changes = 0;
    pages->OnChanging = [&](TComponent*, bool& a) { a = allow; };
    pages->OnChange = [&](TComponent*) { ++changes; };
    auto choose = [&](int tab) {
        RECT r = pages->TabRect(tab);
        LPARAM at = MAKELPARAM((r.left + r.right) / 2, (r.top + r.bottom) / 2);
        SendMessageW(pages->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, at);
        SendMessageW(pages->Handle(), WM_LBUTTONUP, 0, at);
    };
    choose(2);
    EXPECT_EQ(pages->ActivePage(), sheets[2]);
    EXPECT_TRUE(sheets[2]->Visible());
    EXPECT_FALSE(sheets[0]->Visible());
    EXPECT_EQ(changes, 1);
    allow = false;
    choose(1);
    EXPECT_EQ(pages->ActivePage(), sheets[2]);
    EXPECT_EQ(changes, 1);
    // A hidden tab leaves the row; a caption change renames the tab.
    sheets[1]->SetTabVisible(false);
    EXPECT_EQ(pages->TabCount(), 2);
    EXPECT_EQ(sheets[2]->TabIndex(), 1);
    sheets[2]->SetCaption(L"新名");
    TCITEMW tab{};
    wchar_t text[32] = {};
    tab.mask = TCIF_TEXT;
    tab.pszText = text;
    tab.cchTextMax = 32;
    SendMessageW(pages->Handle(), TCM_GETITEMW, 1, LPARAM(&tab));
    EXPECT_STREQ(text, L"新名");
    // Ctrl+Tab turns the pages while the focus is inside.
    allow = true;
    form->Show();
    pages->SetFocus();
    BYTE keys[256];
    GetKeyboardState(keys);
    keys[VK_CONTROL] = 0x80;
    SetKeyboardState(keys);
    form->Perform(CM_DIALOGKEY, VK_TAB);
    keys[VK_CONTROL] = 0;
    SetKeyboardState(keys);
    EXPECT_EQ(pages->ActivePage(), sheets[0]); // wrapped past the last page
    EXPECT_EQ(changes, 2);
    // Freeing the active page activates another.
    pages->SetActivePage(sheets[2]);
    delete sheets[2];
    EXPECT_EQ(pages->ActivePage(), sheets[0]);
    EXPECT_EQ(pages->PageCount(), 2);

    auto* tabs = Add<TTabControl>(10, 220, 300, 100);
    tabs->Tabs().Assign({L"左", L"中", L"右"});
    EXPECT_EQ(tabs->TabCount(), 3);
    tabs->SetTabIndex(2);
    EXPECT_EQ(GetIntPropByName(tabs, "TabIndex"), 2);
}

TEST_F(ListsTest, ToolButtonsAreTheBarsButtonsAndReportClicksAndDropDowns) {
    auto* bar = Add<TToolBar>(0, 0, 0, 29);
    bar->SetShowCaptions(true);
    auto button = [&](const wchar_t* caption, TToolButtonStyle style) {
        auto* b = new TToolButton(form);
        b->SetCaption(caption);
        b->SetStyle(style);
        b->SetParent(bar);
        return b;
    };
    TToolButton* open = button(L"打开", TToolButtonStyle::tbsButton);
    button(L"", TToolButtonStyle::tbsSeparator);
    TToolButton* bold = button(L"粗体", TToolButtonStyle::tbsCheck);
    TToolButton* more = button(L"更多", TToolButtonStyle::tbsDropDown);
    auto* menu = new TPopupMenu(form);
    more->SetDropdownMenu(menu);
    EXPECT_EQ(SendMessageW(bar->Handle(), TB_BUTTONCOUNT, 0, 0), 4);
    EXPECT_EQ(bar->ButtonCount(), 4);
    EXPECT_GT(bold->Left(), open->Left()); // the buttons know their place
    EXPECT_EQ(GetObjectPropByName(more, "DropdownMenu", "TPopupMenu"), menu);

    std::vector<std::wstring> clicks;
    for (TToolButton* b : {open, bold, more})
        b->OnClick = [&](TComponent* s) { clicks.push_back(static_cast<TControl*>(s)->Caption()); };
    auto press = [&](TToolButton* b, int dx = 0) {
        RECT r = bar->ButtonRect(b);
        LPARAM at = MAKELPARAM(r.left + 5 + dx, (r.top + r.bottom) / 2);
        SendMessageW(bar->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, at);
        SendMessageW(bar->Handle(), WM_LBUTTONUP, 0, at);
    };
    press(open);
    press(bold);
    EXPECT_TRUE(bold->Down());
    EXPECT_EQ(clicks, (std::vector<std::wstring>{L"打开", L"粗体"}));
    // The drop-down arrow opens the menu (closed at once by a posted Esc).
    int popups = 0;
    menu->OnPopup = [&](TComponent*) {
        ++popups;
        PostMessageW(menu->WindowHandle(), WM_KEYDOWN, VK_ESCAPE, 0);
        PostMessageW(menu->WindowHandle(), WM_CANCELMODE, 0, 0);
    };
    RECT r = bar->ButtonRect(more);
    LPARAM arrow = MAKELPARAM(r.right - 4, (r.top + r.bottom) / 2);
    SendMessageW(bar->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, arrow);
    SendMessageW(bar->Handle(), WM_LBUTTONUP, 0, arrow);
    EXPECT_EQ(popups, 1);
    EXPECT_EQ(menu->PopupComponent(), more);
    // Disabling and freeing a button reach the bar.
    open->SetEnabled(false);
    EXPECT_FALSE(SendMessageW(bar->Handle(), TB_ISBUTTONENABLED, open->CommandId(), 0));
    delete open;
    EXPECT_EQ(SendMessageW(bar->Handle(), TB_BUTTONCOUNT, 0, 0), 3);

    // A custom-draw handler is asked for every button as the bar paints.
    std::vector<TToolButton*> drawn;
    bar->OnCustomDrawButton = [&](TToolBar*, TToolButton* b, TCanvas&, const RECT&, TCustomDrawState,
                                  unsigned&, bool&) { drawn.push_back(b); };
    form->Show();
    bar->Repaint();
    EXPECT_EQ(drawn, (std::vector<TToolButton*>{bold, more})); // the separator has no face
}

} // namespace
