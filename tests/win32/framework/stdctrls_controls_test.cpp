#include "Application.h"
#include "Bitmap.h"
#include "Button.h"
#include "Edit.h"
#include "ExtCtrls.h"
#include "Form.h"
#include "Label.h"
#include "Text.h"

#include <gtest/gtest.h>

using namespace yq;

namespace {

// A picture: blue with a white square in its top-left quarter.
void PaintPicture(TBitmap& bmp) {
    RECT all{0, 0, bmp.Width(), bmp.Height()};
    bmp.Canvas().Brush().SetColor(clBlue);
    bmp.Canvas().FillRect(all);
    RECT quarter{0, 0, bmp.Width() / 2, bmp.Height() / 2};
    bmp.Canvas().Brush().SetColor(clWhite);
    bmp.Canvas().FillRect(quarter);
}

class StdControlsTest : public ::testing::Test {
protected:
    void SetUp() override {
        form = new TForm(nullptr);
        form->BorderStyle = TFormBorderStyle::bsNone;
        form->SetBounds(0, 0, 400, 300);
    }
    void TearDown() override { delete form; }

    template <class T> T* Add(int left, int top, int width, int height) {
        auto* c = new T(form);
        c->SetParent(form);
        c->SetBounds(left, top, width, height);
        return c;
    }

    // Pixels of `color` in a rectangle of a rendering of the form.
    static int Count(const TBitmap& bmp, const RECT& r, TColor color) {
        int n = 0;
        for (int y = r.top; y < r.bottom; ++y)
            for (int x = r.left; x < r.right; ++x)
                n += bmp.Pixel(x, y) == color;
        return n;
    }

    TForm* form = nullptr;
};

TEST_F(StdControlsTest, AutoSizedLabelFollowsItsTextAndARightAlignedOneKeepsItsRightEdge) {
    auto* left = Add<TLabel>(10, 10, 50, 20);
    auto* right = Add<TLabel>(100, 40, 50, 20);
    right->SetAlignment(TAlignment::taRightJustify);
    left->Font().SetHeight(-24);
    right->Font().SetHeight(-24);
    left->SetCaption(L"谜底");
    right->SetCaption(L"谜底");
    int shortWidth = right->Width();
    EXPECT_GT(shortWidth, 30);
    EXPECT_EQ(left->Left(), 10);
    EXPECT_EQ(right->Left() + right->Width(), 150);
    right->SetCaption(L"较长的谜底");
    EXPECT_GT(right->Width(), shortWidth * 2);
    EXPECT_EQ(right->Left() + right->Width(), 150); // grew to the left
    EXPECT_GE(right->Height(), 24);
    right->SetAutoSize(false);
    right->SetCaption(L"短");
    EXPECT_EQ(right->Left() + right->Width(), 150);
    EXPECT_GT(right->Width(), shortWidth);
}

TEST_F(StdControlsTest, TransparentLabelShowsThePictureBehindItsText) {
    auto* picture = Add<TImage>(0, 0, 200, 100);
    TBitmap art(200, 100);
    PaintPicture(art);
    picture->Picture().SetGraphic(&art);
    auto* label = Add<TLabel>(20, 60, 160, 30);
    label->SetAutoSize(false);
    label->SetColor(clLime);
    label->Font().SetColor(clRed);
    label->Font().SetHeight(-24);
    label->SetAlignment(TAlignment::taCenter);
    label->SetCaption(L"灯谜");
    ASSERT_TRUE(picture->Visible());
    const RECT inLabel{20, 60, 180, 90};

    TBitmap opaque(400, 300);
    form->PaintTo(opaque.Canvas().Handle(), 0, 0);
    EXPECT_GT(Count(opaque, inLabel, clLime), 1000);
    EXPECT_EQ(Count(opaque, inLabel, clBlue), 0);

    label->SetTransparent(true);
    TBitmap transparent(400, 300);
    form->PaintTo(transparent.Canvas().Handle(), 0, 0);
    EXPECT_EQ(Count(transparent, inLabel, clLime), 0);
    EXPECT_GT(Count(transparent, inLabel, clRed), 20);    // the text
    EXPECT_GT(Count(transparent, inLabel, clBlue), 1000); // the picture around it
    // The text is centred: its red pixels lie on both sides of the middle.
    EXPECT_GT(Count(transparent, RECT{20, 60, 100, 90}, clRed), 0);
    EXPECT_GT(Count(transparent, RECT{100, 60, 180, 90}, clRed), 0);
}

TEST_F(StdControlsTest, LabelLayoutPlacesTheTextVertically) {
    struct Case {
        TTextLayout layout;
        int firstRowMin, firstRowMax;
    } cases[] = {
        {TTextLayout::tlTop, 0, 6}, {TTextLayout::tlCenter, 30, 45}, {TTextLayout::tlBottom, 65, 90}};
    auto* label = Add<TLabel>(0, 0, 200, 100);
    label->SetAutoSize(false);
    label->SetColor(clWhite);
    label->Font().SetColor(clBlack);
    label->Font().SetHeight(-20);
    label->SetCaption(L"中");
    for (const Case& c : cases) {
        label->SetLayout(c.layout);
        TBitmap bmp(200, 100);
        form->PaintTo(bmp.Canvas().Handle(), 0, 0);
        int first = -1;
        for (int y = 0; y < 100 && first < 0; ++y)
            if (Count(bmp, RECT{0, y, 200, y + 1}, clBlack) > 0) first = y;
        EXPECT_GE(first, c.firstRowMin) << int(c.layout);
        EXPECT_LE(first, c.firstRowMax) << int(c.layout);
    }
}

TEST_F(StdControlsTest, EditTextFollowsTypingAndKeepsToItsByteLimit) {
    auto* edit = Add<TEdit>(10, 10, 200, 24);
    int changes = 0;
    edit->OnChange = [&](TComponent*) { ++changes; };
    edit->SetMaxLength(5); // GBK bytes: two Chinese characters and one letter
    HWND h = edit->Handle();
    for (wchar_t c : std::wstring(L"灯谜ab"))
        SendMessageW(h, WM_CHAR, c, 0);
    EXPECT_EQ(edit->Text(), L"灯谜a");
    EXPECT_TRUE(edit->Modified());
    EXPECT_EQ(changes, 3); // the refused "b" changed nothing
    edit->SetText(L"x");
    EXPECT_EQ(edit->Text(), L"x");
    EXPECT_EQ(changes, 4);
    // A paste that does not fit keeps what fits.
    edit->SetText(L"");
    edit->SetMaxLength(4);
    SendMessageW(h, EM_REPLACESEL, TRUE, LPARAM(L"春夏秋"));
    EXPECT_EQ(edit->Text(), L"春夏");
}

TEST_F(StdControlsTest, EditsPaintInTheirColourAndFontColour) {
    auto* edit = Add<TEdit>(0, 0, 120, 30);
    auto* memo = Add<TMemo>(0, 40, 120, 60);
    for (TCustomEdit* e : {static_cast<TCustomEdit*>(edit), static_cast<TCustomEdit*>(memo)}) {
        e->SetColor(clYellow);
        e->Font().SetColor(clRed);
        e->Font().SetHeight(-20);
        e->SetText(L"灯谜");
    }
    memo->SetReadOnly(true);
    TBitmap bmp(400, 300);
    form->PaintTo(bmp.Canvas().Handle(), 0, 0);
    for (RECT r : {RECT{2, 2, 118, 28}, RECT{2, 42, 118, 98}}) {
        EXPECT_GT(Count(bmp, r, clYellow), 500);
        EXPECT_GT(Count(bmp, r, clRed), 10);
    }
}

TEST_F(StdControlsTest, MemoKeepsCrLfLinesAndCountsThemAsShown) {
    auto* memo = Add<TMemo>(0, 0, 200, 150);
    memo->SetText(L"甲 乙 丙\n丁\r戊\r\n");
    EXPECT_EQ(memo->Text(), L"甲 乙 丙\r\n丁\r\n戊\r\n");
    struct Case {
        std::wstring text;
        int count;
    } cases[] = {{L"", 0}, {L"a", 1}, {L"a\r\nb", 2}, {L"a\r\nb\r\n", 2}, {L"a\r\n\r\nb", 3}, {L"\r\n", 1}};
    for (const Case& c : cases) {
        memo->Lines().SetText(c.text);
        EXPECT_EQ(memo->Lines().Count(), c.count) << Narrow(c.text);
    }
    memo->SetText(L"甲 乙 丙\r\n丁");
    EXPECT_EQ(memo->Lines()[0], L"甲 乙 丙");
    EXPECT_EQ(memo->Lines()[1], L"丁");
    EXPECT_EQ(memo->Lines()[2], L"");
    EXPECT_EQ(memo->Lines()[-1], L"");
}

TEST_F(StdControlsTest, MemoWrapsLongLinesAtItsWidth) {
    auto* memo = Add<TMemo>(0, 0, 120, 150);
    std::wstring longLine(40, L'谜');
    memo->SetText(longLine);
    int wrapped = memo->Lines().Count();
    EXPECT_GT(wrapped, 2);
    std::wstring joined;
    for (int i = 0; i < wrapped; ++i)
        joined += memo->Lines()[i];
    EXPECT_EQ(joined, longLine);
    memo->SetWordWrap(false);
    EXPECT_EQ(memo->Lines().Count(), 1);
    EXPECT_EQ(memo->Text(), longLine);
    EXPECT_FALSE(GetWindowLongW(memo->Handle(), GWL_STYLE) & (WS_VSCROLL | WS_HSCROLL));
}

TEST_F(StdControlsTest, MemoTakesTypingBeyondTheEditControlsDefaultLimit) {
    auto* memo = Add<TMemo>(0, 0, 200, 150);
    // Wrapping one 40000-character word takes Wine's edit control minutes.
    memo->SetWordWrap(false);
    memo->SetText(std::wstring(40000, L'x'));
    SendMessageW(memo->Handle(), EM_SETSEL, 40000, 40000);
    SendMessageW(memo->Handle(), WM_CHAR, L'y', 0);
    EXPECT_EQ(memo->Text().size(), 40001u);
}

// Enter goes through the application's key routing, which asks the edit for
// its dialog code first, as a real key press does.
TEST_F(StdControlsTest, EnterInAMemoBreaksTheLineUnlessItWantsNoReturns) {
    auto* memo = Add<TMemo>(0, 0, 200, 150);
    form->Show();
    for (bool want : {true, false}) {
        memo->SetWantReturns(want);
        memo->SetText(L"甲乙");
        SetFocus(memo->Handle());
        SendMessageW(memo->Handle(), EM_SETSEL, 1, 1);
        PostMessageW(memo->Handle(), WM_KEYDOWN, VK_RETURN, 0x001C0001);
        Application().ProcessMessages();
        EXPECT_EQ(memo->Text(), want ? L"甲\r\n乙" : L"甲乙") << want;
    }
}

TEST_F(StdControlsTest, ButtonClickSetsTheFormsModalResultAndDialogKeysPressDefaultAndCancel) {
    auto* ok = Add<TButton>(10, 10, 75, 25);
    auto* cancel = Add<TButton>(100, 10, 75, 25);
    ok->SetModalResult(mrOk);
    ok->SetDefault(true);
    cancel->SetModalResult(mrCancel);
    cancel->SetCancel(true);
    std::vector<std::string> clicks;
    ok->OnClick = [&](TComponent*) { clicks.push_back("ok"); };
    cancel->OnClick = [&](TComponent*) { clicks.push_back("cancel"); };
    form->Show();

    SendMessageW(ok->Handle(), BM_CLICK, 0, 0);
    EXPECT_EQ(form->ModalResult(), mrOk);
    form->SetModalResult(mrNone);
    EXPECT_EQ(form->Perform(CM_DIALOGKEY, VK_ESCAPE), 1);
    EXPECT_EQ(form->ModalResult(), mrCancel);
    EXPECT_EQ(form->Perform(CM_DIALOGKEY, VK_RETURN), 1);
    EXPECT_EQ(form->ModalResult(), mrOk);
    EXPECT_EQ(clicks, (std::vector<std::string>{"ok", "cancel", "ok"}));
    EXPECT_TRUE(GetWindowLongW(ok->Handle(), GWL_STYLE) & BS_DEFPUSHBUTTON);
    ok->SetVisible(false);
    EXPECT_EQ(form->Perform(CM_DIALOGKEY, VK_RETURN), 0); // a hidden default button is not pressed
}

TEST_F(StdControlsTest, PublishedPropertiesAreReachableByName) {
    auto* label = Add<TLabel>(0, 0, 50, 20);
    auto* memo = Add<TMemo>(0, 30, 100, 50);
    auto* button = Add<TButton>(0, 90, 75, 25);
    SetPropByName(label, "Alignment", L"taCenter");
    SetPropByName(label, "Transparent", L"True");
    SetPropByName(memo, "Text", L"甲\n乙");
    SetPropByName(button, "ModalResult", L"6");
    SetPropByName(button, "Caption", L"是");
    EXPECT_EQ(label->Alignment(), TAlignment::taCenter);
    EXPECT_EQ(GetEnumPropName(label, "Transparent"), "True");
    EXPECT_EQ(GetEnumPropName(label, "Layout"), "tlTop");
    EXPECT_EQ(GetWidePropByName(memo, "Text"), L"甲\r\n乙");
    EXPECT_EQ(GetEnumPropName(memo, "WordWrap"), "True");
    EXPECT_EQ(GetEnumPropName(memo, "ScrollBars"), "ssNone");
    EXPECT_EQ(GetIntPropByName(button, "ModalResult"), mrYes);
    EXPECT_EQ(button->Caption(), L"是");
    EXPECT_EQ(GetObjectPropByName(label, "Font", "TFont"), &label->Font());
    struct Family {
        TPersistent* object;
        const char* name;
        const char* family;
    } families[] = {{label, "TLabel", "TCustomLabel"},
                    {memo, "TMemo", "TCustomMemo"},
                    {memo, "TMemo", "TCustomEdit"},
                    {button, "TButton", "TWinControl"}};
    for (const Family& f : families) {
        EXPECT_STREQ(f.object->ClassName(), f.name);
        EXPECT_TRUE(f.object->InheritsFrom(f.family)) << f.name << " " << f.family;
    }
    EXPECT_FALSE(label->InheritsFrom("TWinControl"));
}

} // namespace
