#pragma once
// The data grid's geometry and its painter.  The painter keeps no state: it
// draws what the model holds (the visible rows' texts among them) on a
// canvas, so a grid of a million rows costs as much to paint as one of a
// screenful.
#include "Canvas.h"
#include "Control.h"

#include <functional>
#include <string>
#include <vector>

namespace yq {

struct TGridGeometry {
    // Width of the zone around a title's right line that resizes it.
    static constexpr int kSizingZone = 3;

    int titleHeight = 0; // 0: no title row
    int rowHeight = 1;
    int vertLine = 1; // 1 with column lines, else 0
    int horzLine = 1; // 1 with row lines, else 0
    std::vector<int> widths;

    int TitlePitch() const { return titleHeight ? titleHeight + horzLine : 0; }
    int RowPitch() const { return rowHeight + horzLine; }
    int RowTop(int row) const { return TitlePitch() + row * RowPitch(); }
    int ColumnLeft(int column) const;
    int ColumnsRight() const { return ColumnLeft(int(widths.size())); }
    // Data rows wholly inside the height (at least one) and those touching it.
    int FullRows(int clientHeight) const;
    int PaintRows(int clientHeight) const;
    // -1 for the title row (or above), else the data row under y.
    int RowAt(int y) const;
    // The column under x, -1 right of the last.
    int ColumnAt(int x) const;
    // The column whose right edge lies within the sizing zone of x, or -1.
    int SizingColumnAt(int x) const;
};

struct TGridPaintColumn {
    std::wstring title;
    TAlignment titleAlignment = TAlignment::taLeftJustify;
    const TFont* titleFont = nullptr;
    TAlignment alignment = TAlignment::taLeftJustify;
};

struct TGridPaintModel {
    TGridGeometry geometry;
    int width = 0, height = 0;
    TColor color = clWindow, fixedColor = clBtnFace;
    const TFont* font = nullptr;
    bool ctl3D = false; // raised edges on the title cells
    std::vector<TGridPaintColumn> columns;
    int rows = 0; // data rows to paint
    std::function<std::wstring(int row, int column)> text;
    int selectedRow = -1;
    int selectedColumn = -1; // -1: the whole row is the selection
    bool highlight = false;  // show the selection in the highlight colours
    bool focusRect = false;  // and a focus rectangle around it
};

void PaintGrid(TCanvas& canvas, const TGridPaintModel& model);

} // namespace yq
