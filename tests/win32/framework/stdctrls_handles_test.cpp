// No GDI or USER handle leaks in the standard controls: the counts are the
// same after 1,000 repaints, after making and freeing a form of them 100
// times, and after popping a menu up and down.
#include "Application.h"
#include "Bitmap.h"
#include "Button.h"
#include "DBCtrls.h"
#include "DBGrid.h"
#include "Menus.h"
#include "generated_dataset.h"
#include "gui_counts.h"

#include <gtest/gtest.h>

using namespace yq;
using yq::test::Counts;
using yq::test::GuiCounts;
using yq::test::TGeneratedDataSet;

namespace {

// A form holding one of every standard control, bound to `data`.
TForm* MakeForm(TGeneratedDataSet& data) {
    auto* form = new TForm(nullptr);
    form->SetBounds(0, 0, 640, 480);
    auto* source = new TDataSource(form);
    source->SetDataSet(&data);
    auto add = [form](TControl* c, int left, int top, int width, int height) {
        c->SetParent(form);
        c->SetBounds(left, top, width, height);
    };
    auto* label = new TLabel(form);
    add(label, 10, 10, 100, 20);
    label->SetTransparent(true);
    label->SetCaption(L"谜面");
    auto* text = new TDBText(form);
    add(text, 10, 40, 200, 20);
    text->SetDataField(L"谜底");
    text->SetDataSource(source);
    auto* edit = new TEdit(form);
    add(edit, 10, 70, 200, 24);
    auto* dbedit = new TDBEdit(form);
    add(dbedit, 10, 100, 200, 24);
    dbedit->SetDataField(L"谜面");
    dbedit->SetDataSource(source);
    auto* memo = new TMemo(form);
    add(memo, 10, 130, 200, 100);
    memo->SetText(L"一\r\n二");
    auto* button = new TButton(form);
    add(button, 10, 240, 75, 25);
    button->SetCaption(L"确定");
    auto* grid = new TDBGrid(form);
    add(grid, 220, 10, 400, 300);
    grid->SetOptions(grid->Options() | dgRowSelect | dgAlwaysShowSelection);
    for (const wchar_t* field : {L"谜面", L"谜目"})
        grid->Columns().Add().SetFieldName(field);
    grid->SetDataSource(source);
    auto* menu = new TPopupMenu(form);
    for (const wchar_t* caption : {L"搜索谜面", L"-", L"搜索谜底"}) {
        auto* item = new TMenuItem(form);
        item->SetCaption(caption);
        menu->Items()->Add(item);
    }
    return form;
}

TEST(StdControlsHandles, RepaintsAndFormsLeaveNoHandlesBehind) {
    TGeneratedDataSet data(1000);
    TForm* form = MakeForm(data);
    form->Show();
    TBitmap bmp(640, 480);
    auto repaint = [&](int i) {
        data.SetRecNo(1 + i % 1000);
        RedrawWindow(form->Handle(), nullptr, nullptr,
                     RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        form->PaintTo(bmp.Canvas().Handle(), 0, 0);
    };
    // Warm up: what the first paints make once (fonts, brushes) stays.
    for (int i = 0; i < 3; ++i)
        repaint(i);
    GuiCounts before = Counts();
    for (int i = 3; i < 1003; ++i)
        repaint(i);
    Application().ProcessMessages();
    EXPECT_EQ(Counts(), before);
    delete form;

    delete MakeForm(data); // warm up: window classes, stock objects
    before = Counts();
    for (int i = 0; i < 100; ++i) {
        TForm* f = MakeForm(data);
        f->Show();
        f->PaintTo(bmp.Canvas().Handle(), 0, 0);
        delete f;
    }
    Application().ProcessMessages();
    EXPECT_EQ(Counts(), before);
}

TEST(StdControlsHandles, PopupMenusLeaveNoHandlesBehind) {
    TPopupMenu menu;
    for (const wchar_t* caption : {L"一", L"-", L"二"}) {
        auto* item = new TMenuItem(&menu);
        item->SetCaption(caption);
        menu.Items()->Add(item);
    }
    auto popup = [&](bool ownerDraw) {
        menu.SetOwnerDraw(ownerDraw);
        PostMessageW(menu.WindowHandle(), WM_KEYDOWN, VK_ESCAPE, 0);
        menu.Popup(20, 20);
    };
    popup(false);
    popup(true);
    GuiCounts before = Counts();
    for (int i = 0; i < 20; ++i)
        popup(i % 2 == 0);
    EXPECT_EQ(Counts(), before);
}

} // namespace
