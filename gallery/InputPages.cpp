// The pages of edits and of lists.
#include "ComboBox.h"
#include "Edit.h"
#include "GalleryArt.h"
#include "GalleryPages.h"
#include "ImgList.h"
#include "Label.h"
#include "ListBox.h"
#include "ListView.h"
#include "PageControl.h"
#include "UpDown.h"

namespace yq::gallery {

namespace {

TLabel* Caption(TGalleryForm& form, TWinControl* parent, int left, int top, const wchar_t* text) {
    auto* label = new TLabel(&form);
    label->SetCaption(text);
    label->SetBounds(left, top, 260, 14);
    label->SetParent(parent);
    return label;
}

std::wstring LongText() {
    std::wstring text;
    for (int i = 1; i <= 30; ++i)
        text += L"第 " + std::to_wstring(i) +
                L" 行：灯谜是中国独有的文字游戏，谜面、谜目和谜底三部分组成一条灯谜。这一行很长，用来显示横向"
                L"滚动条。\r\n";
    return text;
}

} // namespace

void BuildEditsPage(TGalleryForm& form, TTabSheet* sheet) {
    struct Edit {
        const char* name;
        const wchar_t *label, *text;
        bool readOnly, enabled;
        int password;
    } edits[] = {{"edNormal", L"普通编辑框", L"可以输入文字", false, true, 0},
                 {"edReadOnly", L"只读", L"只能看，不能改", true, true, 0},
                 {"edDisabled", L"不可用", L"灰色的文字", false, false, 0},
                 {"edPassword", L"密码", L"secret", false, true, L'*'}};
    int y = 12;
    for (const Edit& e : edits) {
        Caption(form, sheet, 16, y + 3, e.label);
        auto* edit = Place<TEdit>(form, sheet, e.name, 100, y, 160, 21);
        edit->SetText(e.text);
        edit->SetReadOnly(e.readOnly);
        edit->SetEnabled(e.enabled);
        edit->SetPasswordChar(e.password);
        y += 30;
    }
    Caption(form, sheet, 16, y + 3, L"上下按钮");
    auto* spinEdit = Place<TEdit>(form, sheet, "edSpin", 100, y, 80, 21);
    auto* spin = Place<TUpDown>(form, sheet, "udSpin", 180, y, 17, 21);
    spin->SetMax(99);
    spin->SetAssociate(spinEdit);
    spin->SetPosition(42);

    struct Combo {
        const char* name;
        const wchar_t* label;
        TComboBoxStyle style;
        bool enabled;
        int height;
    } combos[] = {{"cbxDropDown", L"下拉组合框", TComboBoxStyle::csDropDown, true, 21},
                  {"cbxList", L"下拉列表", TComboBoxStyle::csDropDownList, true, 21},
                  {"cbxDisabled", L"不可用", TComboBoxStyle::csDropDownList, false, 21},
                  {"cbxSimple", L"简单组合框", TComboBoxStyle::csSimple, true, 90}};
    y = 12;
    for (const Combo& c : combos) {
        Caption(form, sheet, 290, y + 3, c.label);
        auto* combo = Place<TComboBox>(form, sheet, c.name, 380, y, 160, c.height);
        combo->SetStyle(c.style);
        for (int i = 1; i <= 20; ++i)
            combo->Items().Add(L"选项 " + std::to_wstring(i));
        combo->SetItemIndex(2);
        combo->SetEnabled(c.enabled);
        combo->OnChange = [&form, combo](TComponent*) { form.Report(L"组合框：" + combo->Text()); };
        y += c.height + 9;
    }

    Caption(form, sheet, 16, 190, L"多行文本框（两个滚动条）");
    auto* memo = Place<TMemo>(form, sheet, "mmLong", 16, 208, 524, 130);
    memo->SetWordWrap(false);
    memo->SetScrollBars(TScrollStyle::ssBoth);
    memo->SetText(LongText());
    auto* wrapped = Place<TMemo>(form, sheet, "mmWrapped", 560, 12, 170, 326);
    wrapped->SetScrollBars(TScrollStyle::ssVertical);
    wrapped->SetText(LongText());
}

void BuildListsPage(TGalleryForm& form, TTabSheet* sheet) {
    Caption(form, sheet, 16, 8, L"长列表");
    auto* list = Place<TListBox>(form, sheet, "lbLong", 16, 26, 150, 150);
    for (int i = 1; i <= 100; ++i)
        list->Items().Add(L"第 " + std::to_wstring(i) + L" 条灯谜，谜面较长的一条");
    list->SetScrollWidth(260);
    list->SetItemIndex(3);
    list->OnClick = [&form, list](TComponent*) { form.Report(L"列表：" + list->Items()[list->ItemIndex()]); };

    Caption(form, sheet, 16, 184, L"多选、不可用");
    auto* multi = Place<TListBox>(form, sheet, "lbMulti", 16, 202, 150, 70);
    multi->SetMultiSelect(true);
    multi->Items().Assign({L"春", L"夏", L"秋", L"冬", L"年"});
    multi->SetSelected(0, true);
    multi->SetSelected(2, true);
    auto* off = Place<TListBox>(form, sheet, "lbDisabled", 16, 280, 150, 56);
    off->Items().Assign({L"不可用的列表", L"第二项"});
    off->SetItemIndex(0);
    off->SetEnabled(false);

    auto* small = new TImageList(&form);
    small->SetName("SmallImages");
    FillImageList(*small, 16);
    auto* large = new TImageList(&form);
    large->SetName("LargeImages");
    FillImageList(*large, 32);

    Caption(form, sheet, 190, 8, L"报表视图（列标题）");
    auto* report = Place<TListView>(form, sheet, "lvReport", 190, 26, 540, 170);
    report->SetViewStyle(TViewStyle::vsReport);
    report->SetSmallImages(small);
    report->SetRowSelect(true);
    report->SetReadOnly(true);
    report->SetHideSelection(false);
    struct Col {
        const wchar_t* caption;
        int width;
        TAlignment alignment;
    } cols[] = {{L"谜面", 200, TAlignment::taLeftJustify},
                {L"谜目", 100, TAlignment::taCenter},
                {L"谜底", 80, TAlignment::taCenter},
                {L"序号", 60, TAlignment::taRightJustify},
                {L"", 60, TAlignment::taLeftJustify}};
    for (const Col& c : cols) {
        TListColumn* col = report->Columns().Add();
        col->SetCaption(c.caption);
        col->SetWidth(c.width);
        col->SetAlignment(c.alignment);
    }
    static const wchar_t* const riddles[][3] = {{L"一口咬掉牛尾巴", L"打一字", L"告"},
                                                {L"千里相逢", L"打一字", L"重"},
                                                {L"十五天", L"打一字", L"胖"},
                                                {L"半部春秋", L"打一字", L"秦"}};
    for (int i = 0; i < 24; ++i) {
        TListItem* item = report->Items().Add();
        item->SetCaption(riddles[i % 4][0]);
        item->SetImageIndex(int(TGlyph::gLantern));
        item->SubItems().Add(riddles[i % 4][1]);
        item->SubItems().Add(riddles[i % 4][2]);
        item->SubItems().Add(std::to_wstring(i + 1));
    }
    report->SetItemIndex(1);
    report->OnColumnClick = [&form](TComponent*, TListColumn* c) {
        form.Report(L"点了列标题：" + c->Caption());
    };

    Caption(form, sheet, 190, 204, L"图标视图");
    auto* icons = Place<TListView>(form, sheet, "lvIcons", 190, 222, 540, 114);
    icons->SetViewStyle(TViewStyle::vsIcon);
    icons->SetLargeImages(large);
    icons->SetSmallImages(small);
    icons->SetHideSelection(false);
    const wchar_t* names[] = {L"打开", L"皮肤", L"上一页", L"下一页",  L"对话框",
                              L"灯笼", L"星星", L"便笺",   L"重新载入"};
    for (int i = 0; i < int(TGlyph::gCount); ++i) {
        TListItem* item = icons->Items().Add();
        item->SetCaption(names[i]);
        item->SetImageIndex(i);
    }
    icons->SetItemIndex(5);
}

} // namespace yq::gallery
