#pragma once
// TDBGrid: a read-only grid over a data source, one line per record of the
// result, the current record selected.  Moving the selection (Up/Down,
// PgUp/PgDn, Ctrl+Home/End, the wheel, the scroll bar, a click) moves the
// data set's current record, and a record made current elsewhere scrolls
// into view.  Only the visible rows are read (FieldTextAt), so a result of
// a million rows paints and scrolls as fast as a screenful.  Columns are
// resized by dragging a title's right edge; a click on a title raises
// OnTitleClick.
#include "DBGridColumns.h"
#include "DBGridPaint.h"
#include "DataSource.h"
#include "Grid.h"

namespace yq {

enum TDBGridOptionBits : unsigned {
    dgTitles = 1,
    dgColumnResize = 2,
    dgColLines = 4,
    dgRowLines = 8,
    dgTabs = 16,                // Tab and Shift+Tab move between cells
    dgRowSelect = 32,           // the whole row is the selection
    dgAlwaysShowSelection = 64, // highlighted also without the focus
};
using TDBGridOptions = unsigned;

using TDBGridClickEvent = std::function<void(TColumn* column)>;

class TDBGrid : public TCustomGrid {
    YQ_CLASS(TDBGrid, TCustomGrid)
public:
    explicit TDBGrid(TComponent* owner = nullptr);

    TDataSource* DataSource() const { return link_.DataSource(); }
    void SetDataSource(TDataSource* source) { link_.SetDataSource(source); }
    TDBGridColumns& Columns() { return columns_; }
    TDBGridOptions Options() const { return options_; }
    void SetOptions(TDBGridOptions options);
    bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool readOnly) { readOnly_ = readOnly; }
    // The font new columns' titles start with.
    TFont& TitleFont() { return titleFont_; }
    TFont* TitleFontPtr() const { return const_cast<TFont*>(&titleFont_); }

    // The column that Tab and the arrow keys select (0-based).
    int SelectedIndex() const { return selectedIndex_; }
    void SetSelectedIndex(int index);
    // Record number shown in the first data row; 0 without records.
    int TopRecord() const;
    int VisibleRowCount() const;
    const TGridGeometry& Geometry() const { return geometry_; }

    // "RecNo/RecordCount" and the current row's text in each column, all
    // separated by tabs ("0/0" without records).
    std::wstring InspectText() const override;

    TDBGridClickEvent OnTitleClick;

protected:
    void Paint() override;
    void WndProc(TMessage& message) override;
    void KeyDown(WORD& key, TShiftState shift) override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void CMFontChanged(TMessage& message) override;
    void DoEnter() override;
    void DoExit() override;
    void Resize() override;
    void HandleCreated() override;
    virtual void TitleClick(TColumn* column);

private:
    void DataEvent(TDataEvent event);
    void LayoutChanged();
    void ScrollToCurrent(bool jump);
    void UpdateScrollBar();
    void MoveTo(int recNo);
    void MoveBy(int delta);
    void OnScroll(TMessage& message);
    void OnMouseWheel(TMessage& message);
    bool OnSetCursor(TMessage& message);
    int RecordCount() const;
    int CurrentRecord() const;
    void MoveToCell(int x, int y);
    void TabTo(bool forward);

    TDataLink link_;
    TFont titleFont_;
    TDBGridColumns columns_;
    TDBGridOptions options_ = dgTitles | dgColumnResize | dgColLines | dgRowLines | dgTabs;
    bool readOnly_ = false;
    TGridGeometry geometry_;
    int top_ = 1; // record in the first data row
    int selectedIndex_ = 0;
    int sizing_ = -1;       // column being resized
    int sizingOffset_ = 0;  // pointer x minus the column's right edge at the press
    int pressedTitle_ = -1; // title pressed and not yet released
    int wheelRest_ = 0;     // wheel distance not yet turned into rows
};

} // namespace yq
