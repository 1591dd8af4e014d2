// The pages of buttons and of choices.
#include "BitBtn.h"
#include "Button.h"
#include "CheckBox.h"
#include "GalleryArt.h"
#include "GalleryPages.h"
#include "GroupBox.h"
#include "Label.h"
#include "PageControl.h"
#include "RadioButton.h"
#include "RadioGroup.h"
#include "SpeedButton.h"

namespace yq::gallery {

namespace {

TLabel* Heading(TGalleryForm& form, TWinControl* parent, int left, int top, const wchar_t* text) {
    auto* label = new TLabel(&form);
    label->SetCaption(text);
    label->SetBounds(left, top, 200, 14);
    label->Font().SetStyle(fsBold);
    label->SetParent(parent);
    return label;
}

// Every click says what it was in the status bar.
void Tell(TGalleryForm& form, TControl* control) {
    control->OnClick = [&form](TComponent* sender) {
        auto* c = static_cast<TControl*>(sender);
        form.Report(L"点击了“" + (c->Caption().empty() ? std::wstring(L"图形按钮") : c->Caption()) + L"”");
    };
}

} // namespace

void BuildButtonsPage(TGalleryForm& form, TTabSheet* sheet) {
    Heading(form, sheet, 16, 12, L"按钮 TButton");
    struct Push {
        const char* name;
        const wchar_t* caption;
        bool isDefault, enabled;
        int height;
    } pushes[] = {{"btnNormal", L"普通按钮", false, true, 25},
                  {"btnDefault", L"默认按钮", true, true, 25},
                  {"btnDisabled", L"不可用", false, false, 25},
                  {"btnTall", L"较高的按钮", false, true, 40}};
    int y = 34;
    TButton* first = nullptr;
    for (const Push& p : pushes) {
        auto* b = Place<TButton>(form, sheet, p.name, 16, y, 110, p.height);
        if (!first) first = b;
        b->SetCaption(p.caption);
        b->SetDefault(p.isDefault);
        b->SetEnabled(p.enabled);
        Tell(form, b);
        y += b->Height() + 8;
    }

    Heading(form, sheet, 160, 12, L"图形按钮 TBitBtn");
    struct Bit {
        const char* name;
        TBitBtnKind kind;
        TButtonLayout layout;
        bool enabled;
    } bits[] = {{"bbOK", TBitBtnKind::bkOK, TButtonLayout::blGlyphLeft, true},
                {"bbCancel", TBitBtnKind::bkCancel, TButtonLayout::blGlyphLeft, true},
                {"bbHelp", TBitBtnKind::bkHelp, TButtonLayout::blGlyphRight, true},
                {"bbRetry", TBitBtnKind::bkRetry, TButtonLayout::blGlyphLeft, false}};
    y = 34;
    for (const Bit& b : bits) {
        auto* bit = Place<TBitBtn>(form, sheet, b.name, 160, y, 110, 28);
        bit->SetKind(b.kind);
        bit->SetModalResult(mrNone);
        bit->SetLayout(b.layout);
        bit->SetEnabled(b.enabled);
        Tell(form, bit);
        y += 36;
    }
    auto* tall = Place<TBitBtn>(form, sheet, "bbLantern", 160, y, 110, 56);
    TBitmap lantern;
    MakeGlyph(TGlyph::gLantern, 24, lantern);
    tall->SetGlyph(lantern);
    tall->SetCaption(L"灯笼");
    tall->SetLayout(TButtonLayout::blGlyphTop);
    Tell(form, tall);

    Heading(form, sheet, 310, 12, L"快速按钮 TSpeedButton");
    const TGlyph glyphs[] = {TGlyph::gStar, TGlyph::gNote, TGlyph::gLantern};
    for (int i = 0; i < 3; ++i) {
        // A group of three: one is always down.
        auto* s = Place<TSpeedButton>(form, sheet, ("sbGroup" + std::to_string(i + 1)).c_str(), 310 + i * 30,
                                      34, 28, 28);
        TBitmap g;
        MakeGlyph(glyphs[i], 16, g);
        s->SetGlyph(g);
        s->SetGroupIndex(1);
        s->SetDown(i == 0);
        Tell(form, s);
    }
    struct Speed {
        const char* name;
        const wchar_t* caption;
        bool flat, enabled;
        TGlyph glyph;
    } speeds[] = {{"sbFlat", L"平面", true, true, TGlyph::gStar},
                  {"sbRaised", L"凸起", false, true, TGlyph::gNote},
                  {"sbDisabled", L"不可用", false, false, TGlyph::gStar},
                  {"sbText", L"只有文字", true, true, TGlyph::gCount}};
    y = 74;
    for (const Speed& sp : speeds) {
        auto* s = Place<TSpeedButton>(form, sheet, sp.name, 310, y, 110, 26);
        s->SetCaption(sp.caption);
        s->SetFlat(sp.flat);
        s->SetEnabled(sp.enabled);
        if (sp.glyph != TGlyph::gCount) {
            TBitmap g;
            MakeGlyph(sp.glyph, 16, g);
            s->SetGlyph(g);
        }
        Tell(form, s);
        y += 32;
    }
    auto* toggle = Place<TSpeedButton>(form, sheet, "sbToggle", 310, y, 110, 26);
    toggle->SetCaption(L"按下/弹起");
    toggle->SetGroupIndex(2);
    toggle->SetAllowAllUp(true);
    toggle->SetDown(true);
    Tell(form, toggle);

    auto* note = new TLabel(&form);
    note->SetCaption(L"“默认按钮”是回车键按下的按钮；焦点在“普通按钮”上。");
    note->SetBounds(16, 320, 500, 14);
    note->SetParent(sheet);
    form.SetActiveControl(first);
}

void BuildChoicesPage(TGalleryForm& form, TTabSheet* sheet) {
    Heading(form, sheet, 16, 12, L"复选框 TCheckBox");
    struct Check {
        const char* name;
        const wchar_t* caption;
        TCheckBoxState state;
        bool enabled, leftText;
    } checks[] = {{"cbUnchecked", L"未选中", TCheckBoxState::cbUnchecked, true, false},
                  {"cbChecked", L"已选中", TCheckBoxState::cbChecked, true, false},
                  {"cbGrayed", L"不确定（灰）", TCheckBoxState::cbGrayed, true, false},
                  {"cbDisabled", L"不可用且选中", TCheckBoxState::cbChecked, false, false},
                  {"cbDisabledOff", L"不可用", TCheckBoxState::cbUnchecked, false, false},
                  {"cbLeftText", L"框在右边", TCheckBoxState::cbChecked, true, true}};
    int y = 34;
    for (const Check& c : checks) {
        auto* box = Place<TCheckBox>(form, sheet, c.name, 16, y, 140, 17);
        box->SetCaption(c.caption);
        box->SetAllowGrayed(c.state == TCheckBoxState::cbGrayed);
        box->SetState(c.state);
        box->SetEnabled(c.enabled);
        if (c.leftText) box->SetAlignment(TAlignment::taLeftJustify);
        Tell(form, box);
        y += 24;
    }

    Heading(form, sheet, 190, 12, L"单选按钮 TRadioButton");
    struct Radio {
        const char* name;
        const wchar_t* caption;
        bool checked, enabled;
    } radios[] = {{"rbFirst", L"第一项", false, true},
                  {"rbSecond", L"第二项（选中）", true, true},
                  {"rbDisabled", L"不可用", false, false}};
    y = 34;
    for (const Radio& r : radios) {
        auto* radio = Place<TRadioButton>(form, sheet, r.name, 190, y, 150, 17);
        radio->SetCaption(r.caption);
        radio->SetChecked(r.checked);
        radio->SetEnabled(r.enabled);
        Tell(form, radio);
        y += 24;
    }

    auto* group = Place<TGroupBox>(form, sheet, "gbOptions", 190, 120, 200, 110);
    group->SetCaption(L"分组框 TGroupBox");
    auto* inGroup1 = Place<TRadioButton>(form, group, "rbInGroup1", 12, 24, 170, 17);
    inGroup1->SetCaption(L"分组里的单选按钮");
    inGroup1->SetChecked(true);
    auto* inGroup2 = Place<TRadioButton>(form, group, "rbInGroup2", 12, 48, 170, 17);
    inGroup2->SetCaption(L"另一个");
    auto* inGroupCheck = Place<TCheckBox>(form, group, "cbInGroup", 12, 72, 170, 17);
    inGroupCheck->SetCaption(L"分组里的复选框");

    auto* rg = Place<TRadioGroup>(form, sheet, "rgFonts", 420, 12, 300, 110);
    rg->SetCaption(L"单选组 TRadioGroup");
    rg->SetColumns(2);
    rg->Items().Assign({L"宋体", L"黑体", L"楷体", L"隶书", L"幼圆"});
    rg->SetItemIndex(1);
    rg->OnClick = [&form, rg](TComponent*) { form.Report(L"选了字体：" + rg->Items()[rg->ItemIndex()]); };

    auto* off = Place<TRadioGroup>(form, sheet, "rgDisabled", 420, 140, 300, 90);
    off->SetCaption(L"不可用的单选组");
    off->Items().Assign({L"甲", L"乙"});
    off->SetItemIndex(0);
    off->SetEnabled(false);

    auto* empty = Place<TGroupBox>(form, sheet, "gbEmpty", 16, 250, 360, 80);
    empty->SetCaption(L"空的分组框，标题较长一些");
}

} // namespace yq::gallery
