// The outlook item list: item geometry and layout, hit testing, settings
// with their limits, backgrounds, item frames and images, bulk updates.
#include "Bitmap.h"
#include "ImgList.h"
#include "OutBarErrors.h"
#include "VertListView.h"
#include "outlookbar_testing.h"

#include <gtest/gtest.h>

#include <string>

using namespace yq;
using namespace yq::testing;

namespace {

// Exposes the hot item so frames can be painted without a pointer, and
// counts layout passes.
class TProbeList : public TDCVertListView {
public:
    using TDCVertListView::TDCVertListView;
    int arranges = 0;
    void Arrange() override {
        ++arranges;
        TDCVertListView::Arrange();
    }
    void SetHot(TDCVertListItem* item) {
        hot_ = item;
        Invalidate();
    }
};

class ListTest : public FormTest {
protected:
    void SetUp() override {
        FormTest::SetUp();
        list = new TProbeList(form);
        list->SetBorderStyle(TBorderStyle::bsNone);
        list->Font().SetName(L"Arial");
        list->Font().SetHeight(-15);
        list->SetColor(0x00EEDDCC);
        list->SetParent(form);
        list->SetBounds(0, 0, 160, 300);
        form->Show();
        h = list->TextHeight();
    }
    TDCVertListItem* Add(const std::wstring& caption) {
        TDCVertListItem* item = list->Items().Add();
        item->SetCaption(caption);
        return item;
    }
    RECT Bounds(const TDCVertListItem* item) { return item->DisplayRect(TDisplayCode::drBounds); }
    // The list as painted, into a bitmap of its client size.
    std::unique_ptr<TBitmap> Render() {
        auto b = std::make_unique<TBitmap>(list->ClientWidth(), list->ClientHeight());
        list->PaintTo(b->Canvas().Handle(), 0, 0);
        return b;
    }
    TProbeList* list = nullptr;
    int h = 0;
};

TEST_F(ListTest, DefaultsOfANewList) {
    TDCVertListView fresh(nullptr);
    EXPECT_EQ(fresh.Width(), 100);
    EXPECT_EQ(fresh.Height(), 200);
    EXPECT_EQ(fresh.ItemSpace(), 10);
    EXPECT_EQ(fresh.TopMargin(), 5);
    EXPECT_TRUE(fresh.DragEnabled());
    EXPECT_EQ(fresh.HighlightColor(), clBtnFace);
    EXPECT_EQ(fresh.GradientBeginColor(), clBlue);
    EXPECT_EQ(fresh.GradientEndColor(), clBlack);
    EXPECT_EQ(fresh.BackgroundMode(), TBackgroundModeGlobal::bkmNone);
    EXPECT_EQ(fresh.BorderStyle(), TBorderStyle::bsSingle);
    EXPECT_EQ(fresh.ViewStyle(), TViewStyle::vsIcon);
    EXPECT_EQ(fresh.WrapLineCount(), 1);
    EXPECT_EQ(fresh.SelectionType(), TSelectionType::stStandard);
    EXPECT_EQ(fresh.ScrollButtonsPos(), TScrollButtonsPos::spTopAndBottom);
    EXPECT_EQ(fresh.DownButton().Frequency(), 200);
    EXPECT_FALSE(fresh.DownButton().Visible());
    TDCVertListItem* item = fresh.Items().Add();
    EXPECT_EQ(item->HotImageIndex(), -1);
    EXPECT_EQ(item->SelectedImageIndex(), -1);
}

TEST_F(ListTest, SmallIconItemsStandInAColumnOfSlots) {
    list->SetViewStyle(TViewStyle::vsSmallIcon);
    TDCVertListItem* items[] = {Add(L"One"), Add(L"Two"), Add(L"Three")};
    int top = 5; // ItemSpace 10: the first bounds start m = 5 below the top
    for (TDCVertListItem* item : items) {
        RECT b = Bounds(item);
        EXPECT_EQ(b.top, top);
        EXPECT_EQ(b.bottom - b.top, h); // one short word: one text line
        EXPECT_EQ(b.left, 7);
        top += (b.bottom - b.top) + 2 * list->ItemInset() + 10;
    }
    // Another ItemSpace moves every slot.
    list->SetItemSpace(20);
    EXPECT_EQ(Bounds(items[0]).top, 10);
    EXPECT_EQ(Bounds(items[2]).top, 10 + 2 * (h + 2 * list->ItemInset() + 20));
}

TEST_F(ListTest, LargeIconsAreCentredWithTheirCaptionBelow) {
    TImageList images(nullptr);
    images.SetSize(32, 32);
    list->SetLargeImages(&images);
    TDCVertListItem* item = Add(L"Icon");
    RECT icon = item->DisplayRect(TDisplayCode::drIcon);
    RECT label = item->DisplayRect(TDisplayCode::drLabel);
    RECT b = Bounds(item);
    EXPECT_EQ(icon.right - icon.left, 36);
    EXPECT_EQ(icon.left, (list->ClientWidth() - 36) / 2);
    EXPECT_EQ(b.top, 5);
    EXPECT_EQ(b.bottom, icon.bottom + 2 + h);
    EXPECT_EQ(label.bottom, b.bottom);
    // Centred to the pixel: an odd width leaves the extra pixel on one side.
    EXPECT_NEAR(label.left + label.right, list->ClientWidth(), 1);
}

TEST_F(ListTest, LongCaptionsWrapToAtMostWrapLineCountLines) {
    list->SetViewStyle(TViewStyle::vsSmallIcon);
    const std::wstring longText = L"alpha beta gamma delta epsilon zeta eta theta iota kappa";
    TDCVertListItem* item = Add(longText);
    const int cw = list->ClientWidth();
    struct Case {
        int wrap, lines;
    } cases[] = {{1, 1}, {2, 2}, {3, 3}};
    for (const Case& c : cases) {
        list->SetWrapLineCount(c.wrap);
        RECT b = Bounds(item);
        EXPECT_EQ(b.bottom - b.top, c.lines * h) << c.wrap;
        EXPECT_LE(b.right, cw - 10) << c.wrap;
    }
    // The cut caption ends with an ellipsis: more ink on its last line
    // than the same words without one would leave at the line's end.
    list->SetWrapLineCount(1);
    auto bmp = Render();
    const RECT label = item->DisplayRect(TDisplayCode::drLabel);
    int inkNearEnd = 0;
    for (int x = label.right - 12; x < label.right; ++x)
        for (int y = label.top; y < label.bottom; ++y)
            inkNearEnd += bmp->Pixel(x, y) != list->Color();
    EXPECT_GT(inkNearEnd, 0);
}

TEST_F(ListTest, SettingsKeepTheirLimits) {
    list->SetItemSpace(3);
    EXPECT_EQ(list->ItemSpace(), 5);
    EXPECT_EQ(list->TopMargin(), 2);
    list->SetWrapLineCount(2);
    try {
        list->SetWrapLineCount(0);
        FAIL() << "no error";
    } catch (const EInvalidProperty& e) {
        EXPECT_STREQ(e.what(), "Invalid property value");
    }
    EXPECT_EQ(list->WrapLineCount(), 2);
    try {
        list->SetViewStyle(TViewStyle::vsList);
        FAIL() << "no error";
    } catch (const EInvalidProperty& e) {
        EXPECT_STREQ(e.what(), "Invalid view style");
    }
    EXPECT_EQ(list->ViewStyle(), TViewStyle::vsIcon);
    try {
        (void)list->Items()[3];
        FAIL() << "no error";
    } catch (const EListError& e) {
        EXPECT_STREQ(e.what(), "List index out of bounds (3)");
    }
}

TEST_F(ListTest, HitTestingFindsTheItemUnderAPoint) {
    list->SetViewStyle(TViewStyle::vsSmallIcon);
    TDCVertListItem* a = Add(L"First");
    TDCVertListItem* b = Add(L"Second");
    const RECT ra = Bounds(a), rb = Bounds(b);
    const RECT la = a->DisplayRect(TDisplayCode::drLabel);
    struct Case {
        int x, y;
        TDCVertListItem* expected;
    } standard[] = {
        {la.left + 1, ra.top, a}, {la.left + 1, ra.bottom - 1, a}, {la.left + 1, ra.bottom, nullptr},
        {la.left + 1, rb.top, b}, {150, ra.top, nullptr},          {la.left, -1, nullptr},
        {160, ra.top, nullptr},
    };
    for (const Case& c : standard)
        EXPECT_EQ(list->GetItemAt(c.x, c.y), c.expected) << c.x << "," << c.y;
    // Expanded rows count over the full width; without dragging they also
    // take the margins around them.
    list->SetSelectionType(TSelectionType::stExpanded);
    EXPECT_EQ(list->GetItemAt(150, ra.top), a);
    EXPECT_EQ(list->GetItemAt(0, rb.top), b);
    EXPECT_EQ(list->GetItemAt(-1, rb.top), nullptr);
    EXPECT_EQ(list->GetItemAt(150, ra.bottom), nullptr);
    list->SetDragEnabled(false);
    EXPECT_EQ(list->GetItemAt(150, ra.bottom + 2), a);
    EXPECT_EQ(list->GetItemAt(150, rb.top - 3), b);
}

TEST_F(ListTest, BackgroundModes) {
    list->SetBounds(0, 0, 100, 120);
    // Tile without a bitmap: Color only.
    list->SetBackgroundMode(TBackgroundModeGlobal::bkmTile);
    auto b1 = Render();
    EXPECT_EQ(b1->Pixel(50, 60), list->Color());
    EXPECT_EQ(b1->Pixel(99, 119), list->Color());
    // A vertical gradient needs no bitmap.
    list->SetGradientBeginColor(clWhite);
    list->SetGradientEndColor(clBlack);
    list->SetBackgroundMode(TBackgroundModeGlobal::bkmGradientVert);
    auto b2 = Render();
    EXPECT_EQ(b2->Pixel(10, 0), clWhite);
    // 256 bands of thickness 1 over 120 rows: row 60 has 255 - 60*255/120.
    EXPECT_EQ(b2->Pixel(10, 60), TColor(RGB(128, 128, 128)));
    // Tiles repeat the bitmap from the top-left corner.
    TBitmap tile(4, 3);
    tile.Canvas().Brush().SetColor(clRed);
    tile.Canvas().FillRect(RECT{0, 0, 4, 3});
    tile.SetPixel(0, 0, clBlue);
    list->SetBackground(tile);
    list->SetBackgroundMode(TBackgroundModeGlobal::bkmTile);
    auto b3 = Render();
    EXPECT_EQ(b3->Pixel(0, 0), clBlue);
    EXPECT_EQ(b3->Pixel(96, 117), clBlue);
    EXPECT_EQ(b3->Pixel(97, 118), clRed);
    // Centre: Color around the bitmap.
    list->SetBackgroundMode(TBackgroundModeGlobal::bkmCenter);
    auto b4 = Render();
    EXPECT_EQ(b4->Pixel(48, 58), clBlue); // ((100-4) div 2, (120-3) div 2)
    EXPECT_EQ(b4->Pixel(0, 0), list->Color());
}

TEST_F(ListTest, ExpandedHotFrameSpansTheRowTwoPixelsAroundTheBounds) {
    list->SetViewStyle(TViewStyle::vsSmallIcon);
    list->SetSelectionType(TSelectionType::stExpanded);
    Add(L"Above");
    TDCVertListItem* item = Add(L"Hot");
    list->SetHot(item);
    const RECT b = Bounds(item);
    const RECT f = list->ItemFrameRect(*item);
    const int cw = list->ClientWidth();
    EXPECT_EQ(f.left, 0);
    EXPECT_EQ(f.right, cw - 1);
    EXPECT_EQ(f.top, b.top - 2);
    EXPECT_EQ(f.bottom, b.bottom + 2);
    auto bmp = Render();
    const TColor silver = 0xC0C0C0;
    EXPECT_EQ(bmp->Pixel(0, f.bottom - 1), silver);   // left line
    EXPECT_EQ(bmp->Pixel(cw / 2, f.top), silver);     // top line
    EXPECT_EQ(bmp->Pixel(cw - 1, f.top), clBlack);    // right line
    EXPECT_EQ(bmp->Pixel(cw / 2, f.bottom), clBlack); // bottom line
    EXPECT_EQ(bmp->Pixel(cw - 5, f.top + 1), list->Color());
}

TEST_F(ListTest, HighlightSelectionDrawsTheHotItemOverTheHighlightColour) {
    list->SetViewStyle(TViewStyle::vsSmallIcon);
    list->SetSelectionType(TSelectionType::stExpanded);
    list->SetHighlightSelection(true);
    list->SetHighlightColor(0x00C5E7FE);
    list->SetHighlightFontColor(clRed);
    list->Font().SetColor(clNavy);
    TDCVertListItem* item = Add(L"WWWW");
    TDCVertListItem* other = Add(L"WWWW");
    list->SetHot(item);
    auto bmp = Render();
    const RECT f = list->ItemFrameRect(*item);
    EXPECT_EQ(bmp->Pixel(0, f.top), clWhite); // the light line is white now
    EXPECT_EQ(bmp->Pixel(list->ClientWidth() - 3, f.top + 1), TColor(0x00C5E7FE));
    auto count = [&](const RECT& r, TColor c) {
        int n = 0;
        for (int y = r.top; y < r.bottom; ++y)
            for (int x = r.left; x < r.right; ++x)
                n += bmp->Pixel(x, y) == c;
        return n;
    };
    const RECT hotText = item->DisplayRect(TDisplayCode::drLabel);
    const RECT otherText = other->DisplayRect(TDisplayCode::drLabel);
    EXPECT_GT(count(hotText, clRed), 0);
    EXPECT_EQ(count(hotText, clNavy), 0);
    EXPECT_GT(count(otherText, clNavy), 0);
    EXPECT_EQ(count(otherText, clRed), 0);
}

TEST_F(ListTest, ImagesAreCentredInTheIconAndFollowHotAndSelection) {
    TImageList images(nullptr);
    images.SetSize(16, 16);
    TBitmap strip(48, 16);
    const TColor colors[] = {clRed, clLime, clBlue};
    for (int i = 0; i < 3; ++i) {
        strip.Canvas().Brush().SetColor(colors[i]);
        strip.Canvas().FillRect(RECT{i * 16, 0, i * 16 + 16, 16});
    }
    images.AddMasked(strip, clFuchsia);
    list->SetViewStyle(TViewStyle::vsSmallIcon);
    list->SetSmallImages(&images);
    TDCVertListItem* item = Add(L"Picture");
    item->SetImageIndex(0);
    item->SetHotImageIndex(1);
    item->SetSelectedImageIndex(2);
    const RECT icon = item->DisplayRect(TDisplayCode::drIcon);
    const int cx = (icon.left + icon.right) / 2, cy = (icon.top + icon.bottom) / 2;
    EXPECT_EQ(Render()->Pixel(cx, cy), clRed);
    item->SetSelected(true);
    EXPECT_EQ(Render()->Pixel(cx, cy), clBlue);
    list->SetHot(item);
    EXPECT_EQ(Render()->Pixel(cx, cy), clLime);
    // A destroyed image list is dropped.
    list->SetHot(nullptr);
    TImageList* gone = new TImageList(nullptr);
    list->SetLargeImages(gone);
    delete gone;
    EXPECT_EQ(list->LargeImages(), nullptr);
}

TEST_F(ListTest, AHundredItemsInOneUpdateArrangeOnce) {
    list->Items().BeginUpdate();
    const int before = list->arranges;
    for (int i = 0; i < 100; ++i)
        Add(L"Item " + std::to_wstring(i));
    EXPECT_EQ(list->arranges, before);
    list->Items().EndUpdate();
    EXPECT_EQ(list->arranges, before + 1);
    EXPECT_GT(Bounds(list->Items()[99]).top, Bounds(list->Items()[98]).top);
}

TEST_F(ListTest, PublishedByName) {
    SetPropByName(list, "SelectionType", L"stExpanded");
    SetPropByName(list, "ViewStyle", L"vsSmallIcon");
    SetPropByName(list, "BackgroundMode", L"bkmGradientHorz");
    SetPropByName(list, "GradientBeginColor", std::to_wstring(0x00C5E7FE));
    EXPECT_EQ(list->SelectionType(), TSelectionType::stExpanded);
    EXPECT_EQ(list->ViewStyle(), TViewStyle::vsSmallIcon);
    EXPECT_EQ(GetEnumPropName(list, "BackgroundMode"), "bkmGradientHorz");
    EXPECT_EQ(GetIntPropByName(list, "GradientBeginColor"), 0x00C5E7FE);
    EXPECT_EQ(GetIntPropByName(list, "ItemSpace"), 10);
    EXPECT_NE(GetObjectPropByName(list, "Background", "TBitmap"), nullptr);
    EXPECT_TRUE(list->InheritsFrom("TCustomDCListViewEx"));
}

} // namespace
