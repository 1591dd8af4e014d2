// Check boxes, radio buttons, group boxes, radio groups, speed buttons and
// bitmap buttons: properties by name, clicks and the notifications they
// send, and what they draw.
#include "BitBtn.h"
#include "CheckBox.h"
#include "GroupBox.h"
#include "ImgList.h"
#include "Paint.h"
#include "RadioButton.h"
#include "RadioGroup.h"
#include "SpeedButton.h"
#include "form_fixture.h"
#include "pictures.h"

#include <functional>
#include <string>

using namespace yq;
using namespace yq::test;

namespace {

class ButtonsTest : public FormFixture {};

int CheckOf(TWinControl& c) {
    return int(SendMessageW(c.Handle(), BM_GETCHECK, 0, 0));
}

TEST_F(ButtonsTest, ClassNamesAreTheOnesTheSkinDispatchTests) {
    struct Case {
        TControl* control;
        const char* name;
        const char* family;
    } cases[] = {
        {Add<TCheckBox>(0, 0, 90, 17), "TCheckBox", "TCustomCheckBox"},
        {Add<TRadioButton>(0, 20, 90, 17), "TRadioButton", "TButtonControl"},
        {Add<TGroupBox>(0, 40, 90, 60), "TGroupBox", "TCustomGroupBox"},
        {Add<TRadioGroup>(100, 0, 90, 60), "TRadioGroup", "TCustomGroupBox"},
        {Add<TSpeedButton>(100, 70, 23, 22), "TSpeedButton", "TGraphicControl"},
        {Add<TBitBtn>(200, 0, 75, 25), "TBitBtn", "TButton"},
    };
    for (const Case& c : cases) {
        EXPECT_STREQ(c.control->ClassName(), c.name);
        EXPECT_TRUE(c.control->InheritsFrom(c.family)) << c.name;
    }
    // Windowed ones name their window class after themselves.
    wchar_t cls[64];
    GetClassNameW(static_cast<TWinControl*>(cases[0].control)->Handle(), cls, 64);
    EXPECT_STREQ(cls, L"TCheckBox");
}

TEST_F(ButtonsTest, PublishedPropertiesAreWrittenAndReadByNameAndReachTheWindow) {
    auto* check = Add<TCheckBox>(10, 10, 100, 17);
    auto* radio = Add<TRadioButton>(10, 30, 100, 17);
    auto* group = Add<TRadioGroup>(150, 10, 150, 100);
    group->Items().Assign({L"甲", L"乙", L"丙"});
    auto* speed = Add<TSpeedButton>(10, 60, 40, 22);
    auto* bit = Add<TBitBtn>(10, 100, 90, 28);
    struct Case {
        TPersistent* object;
        const char* prop;
        const wchar_t* value;
        std::string enumName; // expected GetEnumPropName, or "" for integers
        long long intValue;
        std::function<bool()> window; // what the window shows afterwards
    } cases[] = {
        {check, "State", L"cbgrayed", "cbGrayed", 0, [&] { return CheckOf(*check) == BST_INDETERMINATE; }},
        {check, "Checked", L"True", "True", 0, [&] { return CheckOf(*check) == BST_CHECKED; }},
        {check, "Alignment", L"taLeftJustify", "taLeftJustify", 0,
         [&] { return (yq::test::StyleOf(*check) & BS_LEFTTEXT) != 0; }},
        {radio, "Checked", L"true", "True", 0, [&] { return CheckOf(*radio) == BST_CHECKED; }},
        {group, "ItemIndex", L"2", "", 2, [&] { return CheckOf(*group->Buttons(2)) == BST_CHECKED; }},
        {group, "Columns", L"3", "", 3,
         [&] { return group->Buttons(1)->Left() > group->Buttons(0)->Left(); }},
        {speed, "Flat", L"True", "True", 0, [&] { return speed->Flat(); }},
        {speed, "NumGlyphs", L"2", "", 2, [&] { return speed->NumGlyphs() == 2; }},
        {speed, "Layout", L"blGlyphTop", "blGlyphTop", 0,
         [&] { return speed->Layout() == TButtonLayout::blGlyphTop; }},
        {bit, "Kind", L"bkOK", "bkOK", 0,
         [&] { return bit->Caption() == L"确定" && bit->ModalResult() == mrOk && !bit->Glyph()->Empty(); }},
        {bit, "Margin", L"4", "", 4, [&] { return bit->Margin() == 4; }},
        {bit, "Spacing", L"-1", "", -1, [&] { return bit->Spacing() == -1; }},
    };
    for (const Case& c : cases) {
        SetPropByName(c.object, c.prop, c.value);
        if (c.enumName.empty())
            EXPECT_EQ(GetIntPropByName(c.object, c.prop), c.intValue) << c.prop;
        else
            EXPECT_EQ(GetEnumPropName(c.object, c.prop), c.enumName) << c.prop;
        EXPECT_TRUE(c.window()) << c.prop;
    }
    // Objects by name, with the class the caller asks for.
    EXPECT_EQ(GetObjectPropByName(bit, "Glyph", "TBitmap"), bit->Glyph());
    EXPECT_EQ(GetObjectPropByName(speed, "glyph", "TBitmap"), speed->Glyph());
    EXPECT_EQ(GetObjectPropByName(bit, "Font", "TFont"), bit->FontPtr());
    EXPECT_EQ(GetWidePropByName(group, "Caption"), L"");
}

TEST_F(ButtonsTest, ClicksChangeTheCheckStateAndEveryChangeIsAnnounced) {
    auto* check = Add<TCheckBox>(10, 10, 100, 17);
    check->SetAllowGrayed(true);
    auto* r1 = Add<TRadioButton>(10, 40, 100, 17);
    auto* r2 = Add<TRadioButton>(10, 60, 100, 17);
    int clicks = 0;
    check->OnClick = r1->OnClick = r2->OnClick = [&](TComponent*) { ++clicks; };
    TMessageCounter checkNotes(*check, CM_CHECKSTATECHANGED), r1Notes(*r1, CM_CHECKSTATECHANGED);

    // The platform's click (BM_CLICK) arrives as BN_CLICKED through the
    // parent: unchecked -> checked -> grey -> unchecked.
    const TCheckBoxState cycle[] = {TCheckBoxState::cbChecked, TCheckBoxState::cbGrayed,
                                    TCheckBoxState::cbUnchecked};
    const int marks[] = {BST_CHECKED, BST_INDETERMINATE, BST_UNCHECKED};
    for (int i = 0; i < 3; ++i) {
        SendMessageW(check->Handle(), BM_CLICK, 0, 0);
        EXPECT_EQ(check->State(), cycle[i]);
        EXPECT_EQ(CheckOf(*check), marks[i]);
    }
    EXPECT_EQ(checkNotes.count, 3);
    check->SetChecked(true); // a setter announces too
    EXPECT_EQ(checkNotes.count, 4);
    check->SetChecked(true); // no change, no notification
    EXPECT_EQ(checkNotes.count, 4);

    SendMessageW(r1->Handle(), BM_CLICK, 0, 0);
    SendMessageW(r2->Handle(), BM_CLICK, 0, 0);
    EXPECT_FALSE(r1->Checked());
    EXPECT_TRUE(r2->Checked());
    EXPECT_EQ(CheckOf(*r1), BST_UNCHECKED);
    EXPECT_EQ(r1Notes.count, 2);                // checked, then unchecked by its sibling
    SendMessageW(r2->Handle(), BM_CLICK, 0, 0); // a checked one stays checked
    EXPECT_TRUE(r2->Checked());
    EXPECT_EQ(clicks, 3 + 3);
}

TEST_F(ButtonsTest, ARadioGroupKeepsOneButtonPerItemAndReportsTheClickedOne) {
    auto* group = Add<TRadioGroup>(10, 10, 200, 120);
    group->SetCaption(L"字体");
    group->Items().Assign({L"宋体", L"黑体", L"楷体"});
    int clicks = 0;
    group->OnClick = [&](TComponent*) { ++clicks; };
    ASSERT_EQ(group->ComponentCount(), 3);
    EXPECT_EQ(group->Buttons(1)->Caption(), L"黑体");
    EXPECT_EQ(group->Buttons(1)->Owner(), group);
    EXPECT_EQ(group->ItemIndex(), -1);

    SendMessageW(group->Buttons(1)->Handle(), BM_CLICK, 0, 0);
    EXPECT_EQ(group->ItemIndex(), 1);
    EXPECT_EQ(clicks, 1);
    // Buttons follow the items; an index past the end clears the choice.
    group->Items().Delete(2);
    EXPECT_EQ(group->ComponentCount(), 2);
    EXPECT_EQ(group->ItemIndex(), 1);
    group->Items().Delete(1);
    EXPECT_EQ(group->ItemIndex(), -1);
    // Buttons lie inside the frame, below the caption.
    EXPECT_GT(group->Buttons(0)->Top(), 5);
    EXPECT_THROW(group->Items()[5], EListError);
    group->SetEnabled(false);
    EXPECT_FALSE(group->Buttons(0)->Enabled());
}

TEST_F(ButtonsTest, GroupedSpeedButtonsStayDownOneAtATime) {
    TSpeedButton* b[3];
    for (int i = 0; i < 3; ++i) {
        b[i] = Add<TSpeedButton>(10 + 30 * i, 10, 25, 22);
        b[i]->SetGroupIndex(1);
    }
    auto* single = Add<TSpeedButton>(120, 10, 25, 22);
    int clicks = 0;
    for (TSpeedButton* s : {b[0], b[1], b[2], single})
        s->OnClick = [&](TComponent*) { ++clicks; };
    auto click = [&](TSpeedButton* s) {
        LPARAM at = MAKELPARAM(s->Left() + 5, s->Top() + 5);
        SendMessageW(form->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, at);
        SendMessageW(form->Handle(), WM_LBUTTONUP, 0, at);
    };
    click(b[0]);
    EXPECT_TRUE(b[0]->Down());
    click(b[2]);
    EXPECT_FALSE(b[0]->Down());
    EXPECT_TRUE(b[2]->Down());
    click(b[2]); // stays down: all up is not allowed
    EXPECT_TRUE(b[2]->Down());
    b[1]->SetAllowAllUp(true);
    click(b[2]);
    EXPECT_FALSE(b[2]->Down());
    click(single); // ungrouped buttons never stay down
    EXPECT_FALSE(single->Down());
    EXPECT_EQ(clicks, 5);
    // Released outside: no click.
    SendMessageW(form->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(single->Left() + 5, 15));
    SendMessageW(form->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(400, 300));
    EXPECT_EQ(clicks, 5);
    EXPECT_EQ(GetEnumPropName(b[0], "Down"), "False");
}

TEST_F(ButtonsTest, AFlatSpeedButtonShowsItsFrameOnlyWhenHot) {
    form->SetColor(0x00C0FFC0);
    auto* s = Add<TSpeedButton>(10, 10, 40, 30);
    s->SetFlat(true);
    TBitmap bmp(40, 30);
    auto render = [&] {
        // What the parent painted first shows through.
        bmp.Canvas().Brush().SetColor(0x00C0FFC0);
        bmp.Canvas().FillRect(RECT{0, 0, 40, 30});
        s->PaintTo(bmp.Canvas().Handle(), 0, 0);
        return 40 * 30 - CountColor(bmp, 0x00C0FFC0);
    };
    EXPECT_EQ(render(), 0); // only the parent's colour
    s->Perform(CM_MOUSEENTER);
    EXPECT_GT(render(), 100); // a raised edge all round
    s->Perform(CM_MOUSELEAVE);
    EXPECT_EQ(render(), 0);
}

TEST_F(ButtonsTest, ABitmapButtonDrawsItsGlyphGreyedWhenDisabledAndClosesTheFormAsClose) {
    auto* bit = Add<TBitBtn>(10, 10, 100, 30);
    TBitmap glyph(16, 16);
    glyph.Canvas().Brush().SetColor(0x00FF00FF);
    glyph.Canvas().FillRect(RECT{0, 0, 16, 16});
    glyph.Canvas().Brush().SetColor(0x000000FF);
    glyph.Canvas().FillRect(RECT{4, 4, 12, 12});
    bit->SetGlyph(glyph);
    bit->SetCaption(L"红");
    form->Show();
    TBitmap bmp(100, 30);
    auto render = [&] { CaptureWindow(bit->Handle(), bmp); };
    bit->Repaint();
    render();
    EXPECT_EQ(CountColor(bmp, 0x000000FF), 64);
    EXPECT_EQ(CountColor(bmp, 0x00FF00FF), 0); // the key colour is transparent
    bit->SetEnabled(false);
    bit->Repaint();
    render();
    EXPECT_EQ(CountColor(bmp, 0x000000FF), 0);
    EXPECT_GT(CountColor(bmp, ColorToRGB(clBtnShadow)), 40);

    // Without a glyph, the picture comes from the image list.
    auto* listed = Add<TBitBtn>(120, 10, 100, 30);
    auto* images = new TImageList(form);
    images->SetSize(16, 16);
    TBitmap strip(32, 16);
    strip.Canvas().Brush().SetColor(0x00FF00FF);
    strip.Canvas().FillRect(RECT{0, 0, 32, 16});
    strip.Canvas().Brush().SetColor(0x00FF0000);
    strip.Canvas().FillRect(RECT{20, 4, 28, 12});
    images->AddMasked(strip, 0x00FF00FF);
    SetPropByName(listed, "ImageIndex", L"1");
    listed->SetImages(images);
    EXPECT_EQ(GetObjectPropByName(listed, "Images", "TCustomImageList"), images);
    listed->Repaint();
    CaptureWindow(listed->Handle(), bmp);
    EXPECT_EQ(CountColor(bmp, 0x00FF0000), 64);
    EXPECT_EQ(CountColor(bmp, 0x00FF00FF), 0);
    delete images; // the button forgets a freed list
    EXPECT_EQ(listed->Images(), nullptr);

    auto* close = Add<TBitBtn>(10, 50, 100, 30);
    close->SetKind(TBitBtnKind::bkClose);
    EXPECT_EQ(close->Caption(), L"关闭");
    int clicked = 0;
    close->OnClick = [&](TComponent*) { ++clicked; };
    SendMessageW(close->Handle(), BM_CLICK, 0, 0);
    EXPECT_EQ(clicked, 1);
    EXPECT_FALSE(form->Visible());
}

TEST(ButtonFaceLayout, GlyphAndCaptionArePlacedByMarginAndSpacing) {
    struct Case {
        TButtonLayout layout;
        int margin, spacing;
        POINT glyph;
        LONG textLeftOrTop;
    } cases[] = {
        // 100 x 40 client, 16 x 16 glyph, 30 x 12 text.
        {TButtonLayout::blGlyphLeft, -1, 4, {25, 12}, 45},  // centred: (100 - 50) / 2
        {TButtonLayout::blGlyphLeft, -1, -1, {18, 12}, 52}, // even: (100 - 46) / 3
        {TButtonLayout::blGlyphLeft, 4, -1, {4, 12}, 45},   // spacing (100 - 4 - 46) / 2
        {TButtonLayout::blGlyphRight, 4, 4, {80, 12}, 46},  // glyph at the right margin
        {TButtonLayout::blGlyphTop, -1, 4, {42, 4}, 24},    // (40 - 32) / 2
        {TButtonLayout::blGlyphBottom, 2, 2, {42, 22}, 8},
    };
    for (const Case& c : cases) {
        TFacePlacement p = LayoutButtonFace({100, 40}, {16, 16}, {30, 12}, c.layout, c.margin, c.spacing);
        EXPECT_EQ(p.glyph.x, c.glyph.x) << int(c.layout) << " " << c.margin << " " << c.spacing;
        EXPECT_EQ(p.glyph.y, c.glyph.y) << int(c.layout) << " " << c.margin << " " << c.spacing;
        bool horizontal = c.layout == TButtonLayout::blGlyphLeft || c.layout == TButtonLayout::blGlyphRight;
        EXPECT_EQ(horizontal ? p.text.left : p.text.top, c.textLeftOrTop) << int(c.layout);
    }
    // Without a caption there is no spacing: the glyph alone is centred.
    TFacePlacement alone = LayoutButtonFace({100, 40}, {16, 16}, {0, 0}, TButtonLayout::blGlyphLeft, -1, 4);
    EXPECT_EQ(alone.glyph.x, 42);
}

} // namespace
