// The browser window's category bar, configured as the window defines it,
// painted into memory and checked at the pixels that matter: the caption
// bands, the list's horizontal gradient from #FEE7C5 to white, and the hot
// item's frame across the row.
#include "Bitmap.h"
#include "BrowserBar.h"
#include "OutBarGroup.h"
#include "Text.h"
#include "WindowLook.h"
#include "outlookbar_testing.h"

#include <gtest/gtest.h>

using namespace yq;
using namespace yq::testing;
using look::Rgb;

namespace {

class BrowserBarTest : public FormTest {
protected:
    void SetUp() override {
        FormTest::SetUp();
        form->SetBounds(0, 0, 800, 600);
        bar = MakeCategoryBar(form, form);
        list = static_cast<TDCOutBarVertListView*>(bar->Groups(0)->List());
        for (const wchar_t* name : {L"字谜", L"离合字", L"象形字", L"会意"})
            list->Items().Add()->SetCaption(name);
        form->Show();
    }
    std::unique_ptr<TBitmap> Render() {
        auto b = std::make_unique<TBitmap>(bar->Width(), bar->Height());
        bar->PaintTo(b->Canvas().Handle(), 0, 0);
        return b;
    }
    // Pixels of `r` (bar coordinates) that are dark: text or lines.
    static int Dark(const TBitmap& b, const RECT& r) {
        int n = 0;
        for (int y = r.top; y < r.bottom; ++y)
            for (int x = r.left; x < r.right; ++x) {
                TColor c = b.Pixel(x, y);
                n += GetRValue(c) + GetGValue(c) + GetBValue(c) < 3 * 0x60;
            }
        return n;
    }
    TDCOutBar* bar = nullptr;
    TDCOutBarVertListView* list = nullptr;
};

TEST_F(BrowserBarTest, CaptionBandsAndTheOpenListsPlace) {
    ASSERT_EQ(bar->GroupCount(), 6);
    EXPECT_EQ(bar->ActiveGroupIndex(), 0);
    // 黑体 16: captions of 32 pixels, touching (ButtonSpace 0); caption 0
    // hangs from the top, captions 1 to 5 stand on the bottom.
    const int tops[] = {1, 304, 336, 368, 400, 432};
    for (int i = 0; i < 6; ++i) {
        RECT r = bar->CaptionRect(i);
        EXPECT_EQ(r.top, tops[i]) << i;
        EXPECT_EQ(r.bottom - r.top, 32) << i;
        EXPECT_EQ(r.left, 1);
        EXPECT_EQ(r.right, 168);
    }
    RECT content = bar->ContentArea();
    EXPECT_EQ(content.top, 33);
    EXPECT_EQ(content.bottom, 304);
    EXPECT_EQ(list->ClientWidth(), 167);
    EXPECT_EQ(list->ClientHeight(), 271);

    auto b = Render();
    const TColor face = Rgb(0xEAEAEA);
    for (int i = 0; i < 6; ++i) {
        RECT r = bar->CaptionRect(i);
        EXPECT_EQ(b->Pixel(4, r.top + 4), face) << i; // the face, in the bar's colour
        EXPECT_EQ(b->Pixel(164, r.top + 28), face) << i;
        EXPECT_GT(Dark(*b, RECT{r.left + 20, r.top + 4, r.right - 20, r.bottom - 4}), 40) << i; // the caption
    }
    // The open caption's black line under its face.
    EXPECT_EQ(b->Pixel(80, 32), clBlack);
}

TEST_F(BrowserBarTest, TheListShowsItsHorizontalGradientFromFEE7C5ToWhite) {
    auto b = Render();
    // Below the items: bands of 167 div 59 + 1 = 3 columns; column x has
    // channel base + (k * 3 * d) div 167 for band k = x div 3.
    const int y = 33 + 250;
    struct Case {
        int x;
        TColor expected;
    } cases[] = {
        {0, Rgb(0xFEE7C5)},        // k = 0
        {84, RGB(254, 243, 226)},  // k = 28
        {166, RGB(254, 254, 254)}, // k = 55, almost white
    };
    for (const Case& c : cases)
        EXPECT_EQ(b->Pixel(1 + c.x, y), c.expected) << c.x;
    for (int x = 3; x < 167; x += 3)
        EXPECT_GE(GetBValue(b->Pixel(1 + x, y)), GetBValue(b->Pixel(x - 2, y))) << x;
    // The item captions in navy over it.
    RECT label = list->Items()[0]->DisplayRect(TDisplayCode::drLabel);
    OffsetRect(&label, 1, 33);
    int navy = 0;
    for (int yy = label.top; yy < label.bottom; ++yy)
        for (int x = label.left; x < label.right; ++x) {
            TColor c = b->Pixel(x, yy);
            navy += GetBValue(c) > 0x60 && GetRValue(c) < 0x60 && GetGValue(c) < 0x60;
        }
    EXPECT_GT(navy, 20);
}

TEST_F(BrowserBarTest, TheHotItemHasARaisedFrameAcrossTheRow) {
    TDCVertListItem* item = list->Items()[1];
    RECT bounds = item->DisplayRect(TDisplayCode::drBounds);
    Mouse(*list, WM_MOUSEMOVE, 40, (bounds.top + bounds.bottom) / 2);
    ASSERT_EQ(list->HotItem(), item);
    RECT f = list->ItemFrameRect(*item);
    EXPECT_EQ(f.left, 0);
    EXPECT_EQ(f.right, 166);
    EXPECT_EQ(f.top, bounds.top - 2);
    EXPECT_EQ(f.bottom, bounds.bottom + 2);
    auto b = Render();
    const TColor silver = 0xC0C0C0;
    OffsetRect(&f, 1, 33);
    EXPECT_EQ(b->Pixel(f.left, f.top + 5), silver);  // left line
    EXPECT_EQ(b->Pixel(f.left + 50, f.top), silver); // top line
    EXPECT_EQ(b->Pixel(f.right, f.top + 5), clBlack);
    EXPECT_EQ(b->Pixel(f.left + 50, f.bottom), clBlack);
    // Inside, the gradient goes on (no highlight fill).
    EXPECT_EQ(b->Pixel(f.left + 1, f.top + 1), Rgb(0xFEE7C5));
    // Leaving the list takes the frame away.
    SetCursorPos(700, 500);
    PumpFor(50);
    auto after = Render();
    EXPECT_NE(after->Pixel(f.left + 50, f.top), silver);
    EXPECT_NE(after->Pixel(f.left + 50, f.bottom), clBlack);
    if (const char* path = getenv("YQ_OUTLOOK_SHOT")) b->SaveToFile(Widen(path));
}

} // namespace
