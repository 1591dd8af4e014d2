#include "DBGridPaint.h"

#include <algorithm>

namespace yq {

namespace {

constexpr int kTextMargin = 2;
constexpr TColor kFixedLineColor = clBlack;
constexpr TColor kLineColor = clSilver;

UINT AlignFlags(TAlignment a) {
    switch (a) {
    case TAlignment::taRightJustify:
        return DT_RIGHT;
    case TAlignment::taCenter:
        return DT_CENTER;
    default:
        return DT_LEFT;
    }
}

void Fill(TCanvas& canvas, const RECT& r, TColor color) {
    canvas.Brush().SetStyle(TBrushStyle::bsSolid);
    canvas.Brush().SetColor(color);
    canvas.FillRect(r);
}

void CellText(TCanvas& canvas, const RECT& cell, const std::wstring& text, TAlignment alignment) {
    RECT r{cell.left + kTextMargin, cell.top + kTextMargin, cell.right - kTextMargin, cell.bottom};
    if (r.right <= r.left || text.empty()) return;
    canvas.Brush().SetStyle(TBrushStyle::bsClear);
    canvas.DrawText(text, r, AlignFlags(alignment) | DT_SINGLELINE | DT_NOPREFIX);
}

void PaintTitles(TCanvas& canvas, const TGridPaintModel& m) {
    const TGridGeometry& g = m.geometry;
    for (size_t c = 0; c < m.columns.size(); ++c) {
        int left = g.ColumnLeft(int(c));
        RECT cell{left, 0, left + g.widths[c], g.titleHeight};
        Fill(canvas, cell, m.fixedColor);
        if (m.ctl3D) {
            RECT edge = cell;
            ::DrawEdge(canvas.Handle(), &edge, BDR_RAISEDINNER, BF_RECT);
        }
        if (m.columns[c].titleFont) canvas.Font().Assign(*m.columns[c].titleFont);
        CellText(canvas, cell, m.columns[c].title, m.columns[c].titleAlignment);
    }
}

void PaintRows(TCanvas& canvas, const TGridPaintModel& m) {
    const TGridGeometry& g = m.geometry;
    for (int row = 0; row < m.rows; ++row) {
        int top = g.RowTop(row);
        for (size_t c = 0; c < m.columns.size(); ++c) {
            bool selected =
                row == m.selectedRow && m.highlight && (m.selectedColumn < 0 || m.selectedColumn == int(c));
            int left = g.ColumnLeft(int(c));
            RECT cell{left, top, left + g.widths[c], top + g.rowHeight};
            Fill(canvas, cell, selected ? clHighlight : m.color);
            if (m.font) canvas.Font().Assign(*m.font);
            if (selected) canvas.Font().SetColor(clHighlightText);
            CellText(canvas, cell, m.text(row, int(c)), m.columns[c].alignment);
        }
    }
}

void Line(TCanvas& canvas, int x1, int y1, int x2, int y2, TColor color) {
    RECT r{x1, y1, x2, y2};
    Fill(canvas, r, color);
}

void PaintLines(TCanvas& canvas, const TGridPaintModel& m) {
    const TGridGeometry& g = m.geometry;
    int right = g.ColumnsRight();
    int bottom = g.RowTop(m.rows);
    if (g.vertLine) {
        for (size_t c = 0; c < m.columns.size(); ++c) {
            int x = g.ColumnLeft(int(c)) + g.widths[c];
            Line(canvas, x, 0, x + 1, g.TitlePitch(), kFixedLineColor);
            Line(canvas, x, g.TitlePitch(), x + 1, bottom, kLineColor);
        }
    }
    if (g.horzLine) {
        if (g.titleHeight) Line(canvas, 0, g.titleHeight, right, g.TitlePitch(), kFixedLineColor);
        for (int row = 0; row < m.rows; ++row) {
            int y = g.RowTop(row) + g.rowHeight;
            Line(canvas, 0, y, right, y + 1, kLineColor);
        }
    }
}

} // namespace

int TGridGeometry::ColumnLeft(int column) const {
    int x = 0;
    for (int c = 0; c < column && c < int(widths.size()); ++c)
        x += widths[size_t(c)] + vertLine;
    return x;
}

int TGridGeometry::FullRows(int clientHeight) const {
    return std::max(1, (clientHeight - TitlePitch()) / RowPitch());
}

int TGridGeometry::PaintRows(int clientHeight) const {
    int room = clientHeight - TitlePitch();
    return room <= 0 ? 0 : (room + RowPitch() - 1) / RowPitch();
}

int TGridGeometry::RowAt(int y) const {
    if (y < TitlePitch()) return -1;
    return (y - TitlePitch()) / RowPitch();
}

int TGridGeometry::ColumnAt(int x) const {
    if (x < 0) return -1;
    for (size_t c = 0; c < widths.size(); ++c)
        if (x < ColumnLeft(int(c) + 1)) return int(c);
    return -1;
}

int TGridGeometry::SizingColumnAt(int x) const {
    for (size_t c = 0; c < widths.size(); ++c) {
        int edge = ColumnLeft(int(c)) + widths[c];
        if (x >= edge - kSizingZone && x <= edge + kSizingZone) return int(c);
    }
    return -1;
}

void PaintGrid(TCanvas& canvas, const TGridPaintModel& m) {
    RECT all{0, 0, m.width, m.height};
    Fill(canvas, all, m.color);
    if (m.geometry.titleHeight) PaintTitles(canvas, m);
    PaintRows(canvas, m);
    PaintLines(canvas, m);
    if (m.focusRect && m.selectedRow >= 0 && m.selectedRow < m.rows) {
        int top = m.geometry.RowTop(m.selectedRow);
        RECT r{0, top, m.geometry.ColumnsRight() - m.geometry.vertLine, top + m.geometry.rowHeight};
        canvas.DrawFocusRect(r);
    }
}

} // namespace yq
