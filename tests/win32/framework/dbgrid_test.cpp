#include "Bitmap.h"
#include "DBGrid.h"
#include "Form.h"
#include "generated_dataset.h"

#include <gtest/gtest.h>

#include <memory>

using namespace yq;
using yq::test::TGeneratedDataSet;

namespace {

constexpr TColor kFill = 0xFFFDFB;  // #FBFDFF
constexpr TColor kFixed = 0xEAEAEA; // #EAEAEA

class DBGridTest : public ::testing::Test {
protected:
    void SetUp() override {
        form = new TForm(nullptr);
        form->BorderStyle = TFormBorderStyle::bsNone;
        form->SetBounds(0, 0, 600, 500);
        source = new TDataSource(form);
        source->SetDataSet(&data);
        grid = new TDBGrid(form);
        grid->SetParent(form);
        grid->SetBounds(0, 0, 553, 409);
        grid->SetOptions(dgTitles | dgColumnResize | dgColLines | dgRowLines | dgTabs | dgRowSelect);
        grid->SetCtl3D(false);
        grid->SetColor(kFill);
        grid->SetFixedColor(kFixed);
        grid->Font().SetName(L"宋体");
        grid->Font().SetHeight(-15);
        grid->Font().SetColor(clNavy);
        for (auto [field, title, width] :
             {std::tuple{L"谜面", L"灯谜谜面", 270}, {L"谜目", L"灯谜谜目", 260}}) {
            TColumn& c = grid->Columns().Add();
            c.SetFieldName(field);
            c.SetWidth(width);
            c.Title().SetCaption(title);
            c.Title().SetAlignment(TAlignment::taCenter);
            c.Title().Font().SetName(L"黑体");
            c.Title().Font().SetHeight(-16);
            c.Title().Font().SetColor(clNavy);
        }
        grid->SetDataSource(source);
        grid->Handle();
    }
    void TearDown() override { delete form; }

    std::unique_ptr<TBitmap> Render() {
        auto bmp = std::make_unique<TBitmap>(grid->Width(), grid->Height());
        grid->PaintTo(bmp->Canvas().Handle(), 0, 0);
        return bmp;
    }
    // Middle of data row `row` (0 = first shown), in bitmap coordinates
    // (the flat border is one pixel).
    int RowMiddle(int row) const { return 1 + grid->Geometry().RowTop(row) + grid->Geometry().rowHeight / 2; }
    void Key(WORD key) { SendMessageW(grid->Handle(), WM_KEYDOWN, key, 0); }
    void Click(int x, int y) {
        SendMessageW(grid->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
        SendMessageW(grid->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(x, y));
    }
    SCROLLINFO ScrollInfo() {
        SCROLLINFO si{sizeof(si)};
        si.fMask = SIF_ALL;
        GetScrollInfo(grid->Handle(), SB_VERT, &si);
        return si;
    }

    TGeneratedDataSet data{1000000};
    TForm* form = nullptr;
    TDataSource* source = nullptr;
    TDBGrid* grid = nullptr;
};

TEST_F(DBGridTest, PaintsTitlesLinesAndTheSelectedRowInTheirColours) {
    grid->SetOptions(grid->Options() | dgAlwaysShowSelection);
    data.SetRecNo(2);
    const TGridGeometry& g = grid->Geometry();
    auto shot = Render();
    const TBitmap& bmp = *shot;
    const int cellRight = 1 + 268;                        // inside the first column, right of its short text
    EXPECT_EQ(bmp.Pixel(0, 0), clBlack);                  // flat border, no 3-D edge
    EXPECT_EQ(bmp.Pixel(3, 2), kFixed);                   // title cell
    EXPECT_EQ(bmp.Pixel(3, 1 + g.titleHeight), clBlack);  // line under the titles
    EXPECT_EQ(bmp.Pixel(1 + 270, 3), clBlack);            // column line among the titles
    EXPECT_EQ(bmp.Pixel(cellRight, RowMiddle(0)), kFill); // first record
    EXPECT_EQ(bmp.Pixel(cellRight, RowMiddle(1)), ColorToRGB(clHighlight)); // current record
    EXPECT_EQ(bmp.Pixel(1 + 400, RowMiddle(1)), ColorToRGB(clHighlight));   // the whole row
    EXPECT_EQ(bmp.Pixel(cellRight, RowMiddle(2)), kFill);
    EXPECT_EQ(bmp.Pixel(cellRight, 1 + g.RowTop(1) - 1), clSilver); // row line
    EXPECT_EQ(bmp.Pixel(1 + 270, RowMiddle(0)), clSilver);          // column line
    ASSERT_LT(g.ColumnsRight(), grid->ClientWidth());
    EXPECT_EQ(bmp.Pixel(1 + g.ColumnsRight(), RowMiddle(0)), kFill); // right of the last column
    // Titles are centred: no title text at the cell's left end, some in its middle.
    int titleText = 0;
    for (int x = 100; x < 170; ++x)
        for (int y = 1; y < g.titleHeight; ++y)
            titleText += bmp.Pixel(x, y) == clNavy;
    EXPECT_GT(titleText, 10);
}

TEST_F(DBGridTest, SelectionShowsOnlyWithFocusUnlessAlwaysShown) {
    EXPECT_EQ(Render()->Pixel(1 + 268, RowMiddle(0)), kFill);
    form->Show();
    grid->SetFocus();
    ASSERT_TRUE(grid->Focused());
    EXPECT_EQ(Render()->Pixel(1 + 268, RowMiddle(0)), ColorToRGB(clHighlight));
}

TEST_F(DBGridTest, AMillionRowsPaintAndMoveReadingOnlyTheVisibleRows) {
    const int rows = grid->VisibleRowCount();
    ASSERT_GT(rows, 10);
    const long long perPaint = 2LL * (rows + 1); // two columns, one partial row
    data.reads = 0;
    Render();
    EXPECT_LE(data.reads, perPaint);

    for (int i = 0; i < rows + 5; ++i)
        Key(VK_DOWN);
    EXPECT_EQ(data.RecNo(), rows + 6);
    EXPECT_EQ(grid->TopRecord(), 7); // scrolled step by step, the current row at the bottom
    data.SetRecNo(500000);           // a jump centres the record
    EXPECT_EQ(grid->TopRecord(), 500000 - rows / 2);
    EXPECT_EQ(ScrollInfo().nPos, 500000);
    EXPECT_EQ(ScrollInfo().nMax, 1000000);
    Key(VK_NEXT);
    EXPECT_EQ(data.RecNo(), 500000 + rows);
    SendMessageW(grid->Handle(), WM_VSCROLL, SB_BOTTOM, 0);
    EXPECT_EQ(data.RecNo(), 1000000);
    EXPECT_EQ(grid->TopRecord(), 1000000 - rows + 1);
    Key(VK_DOWN); // read-only: nothing after the last row, the data set is at its end
    EXPECT_EQ(data.RecNo(), 1000000);
    EXPECT_TRUE(data.Eof());
    SendMessageW(grid->Handle(), WM_KEYDOWN, VK_HOME, 0);
    EXPECT_EQ(data.RecNo(), 1);

    data.reads = 0;
    Render();
    EXPECT_LE(data.reads, perPaint);
}

TEST_F(DBGridTest, WheelMovesOneRowPerNotch) {
    data.SetRecNo(10);
    SendMessageW(grid->Handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), 0);
    EXPECT_EQ(data.RecNo(), 9);
    SendMessageW(grid->Handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, -WHEEL_DELTA), 0);
    SendMessageW(grid->Handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, -WHEEL_DELTA), 0);
    EXPECT_EQ(data.RecNo(), 11);
}

TEST_F(DBGridTest, ClicksSelectRowsAndTitlesAndDraggingATitleEdgeResizesItsColumn) {
    std::vector<std::wstring> titleClicks;
    grid->OnTitleClick = [&](TColumn* column) { titleClicks.push_back(column->FieldName()); };
    int doubleClicks = 0;
    grid->OnDblClick = [&](TComponent*) { ++doubleClicks; };
    const TGridGeometry& g = grid->Geometry();

    Click(50, g.RowTop(3) + 2);
    EXPECT_EQ(data.RecNo(), 4);
    Click(300, g.RowTop(0) + 2);
    EXPECT_EQ(data.RecNo(), 1);
    EXPECT_EQ(grid->SelectedIndex(), 1);
    Click(100, 3);
    Click(400, 3);
    EXPECT_EQ(titleClicks, (std::vector<std::wstring>{L"谜面", L"谜目"}));

    // Press on the first title's right edge, drag 30 pixels to the right.
    SendMessageW(grid->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(270, 3));
    SendMessageW(grid->Handle(), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(300, 3));
    SendMessageW(grid->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(300, 3));
    EXPECT_EQ(grid->Columns()[0].Width(), 300);
    EXPECT_EQ(titleClicks.size(), 2u); // a drag is no click
    SendMessageW(grid->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(300, 3));
    SendMessageW(grid->Handle(), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(-50, 3));
    SendMessageW(grid->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(-50, 3));
    EXPECT_GT(grid->Columns()[0].Width(), 0); // never narrower than its grip

    SendMessageW(grid->Handle(), WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(50, g.RowTop(2) + 2));
    EXPECT_EQ(doubleClicks, 1);
}

TEST_F(DBGridTest, TabMovesBetweenCellsAndOnToTheNextRecord) {
    EXPECT_EQ(SendMessageW(grid->Handle(), WM_GETDLGCODE, 0, 0) & DLGC_WANTTAB, DLGC_WANTTAB);
    Key(VK_TAB);
    EXPECT_EQ(grid->SelectedIndex(), 1);
    EXPECT_EQ(data.RecNo(), 1);
    Key(VK_TAB);
    EXPECT_EQ(grid->SelectedIndex(), 0);
    EXPECT_EQ(data.RecNo(), 2);
    grid->SetOptions(grid->Options() & ~unsigned(dgTabs));
    EXPECT_EQ(SendMessageW(grid->Handle(), WM_GETDLGCODE, 0, 0) & DLGC_WANTTAB, 0);
}

TEST_F(DBGridTest, EmptyOrClosedResultShowsNoRowsAndNoScrollBar) {
    data.Open(0);
    auto shot = Render();
    const TBitmap& bmp = *shot;
    EXPECT_EQ(bmp.Pixel(1 + 268, RowMiddle(0)), kFill);
    EXPECT_EQ(bmp.Pixel(1 + 268, 1 + grid->Geometry().RowTop(1) - 1), kFill); // no row lines
    EXPECT_EQ(bmp.Pixel(3, 2), kFixed);                                       // titles stay
    EXPECT_FALSE(GetWindowLongW(grid->Handle(), GWL_STYLE) & WS_VSCROLL);
    Key(VK_DOWN);
    Click(50, grid->Geometry().RowTop(0) + 2);
    EXPECT_EQ(grid->TopRecord(), 0);
    data.Open(3);
    EXPECT_TRUE(GetWindowLongW(grid->Handle(), GWL_STYLE) & WS_VSCROLL);
    grid->SetDataSource(nullptr);
    EXPECT_EQ(grid->TopRecord(), 0);
    EXPECT_FALSE(GetWindowLongW(grid->Handle(), GWL_STYLE) & WS_VSCROLL);
}

TEST_F(DBGridTest, IsACustomGridWithPublishedSettings) {
    EXPECT_TRUE(grid->InheritsFrom("TCustomGrid"));
    EXPECT_STREQ(grid->ClassName(), "TDBGrid");
    SetPropByName(grid, "FixedColor", std::to_wstring(clBtnFace));
    EXPECT_EQ(grid->FixedColor(), clBtnFace);
    EXPECT_EQ(GetEnumPropName(grid, "BorderStyle"), "bsSingle");
    EXPECT_EQ(GetObjectPropByName(grid, "DataSource", "TDataSource"), source);
}

} // namespace
