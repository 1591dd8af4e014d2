#include "DBGrid.h"

#include "GdiObjects.h"
#include "Text.h"

#include <algorithm>

namespace yq {

namespace {
// A column never gets narrower than this, so its edge stays within reach.
constexpr int kMinColumnWidth = 2 * TGridGeometry::kSizingZone + 1;
// Room above and below the text of a data row and of a title.
constexpr int kRowPadding = 3;
constexpr int kTitlePadding = 4;

int TextHeightOf(const TFont& font) {
    TWindowDC screen(nullptr);
    TCanvas canvas;
    canvas.SetHandle(screen.Get());
    canvas.Font().Assign(font);
    int height = canvas.TextHeight(L"Wg");
    canvas.SetHandle(nullptr);
    return height;
}
} // namespace

YQ_PUBLISHED(TDBGrid, TCustomGrid) {
    r.Object("DataSource", &TDBGrid::DataSource);
    r.Int("Options", &TDBGrid::Options, &TDBGrid::SetOptions);
    r.Bool("ReadOnly", &TDBGrid::ReadOnly, &TDBGrid::SetReadOnly);
    r.Object("TitleFont", &TDBGrid::TitleFontPtr);
    r.Int("SelectedIndex", &TDBGrid::SelectedIndex, &TDBGrid::SetSelectedIndex);
}

TDBGrid::TDBGrid(TComponent* owner) : TCustomGrid(owner), columns_(titleFont_, [this] { LayoutChanged(); }) {
    titleFont_.OnChange = [this] { LayoutChanged(); };
    link_.OnDataEvent = [this](TDataEvent e) { DataEvent(e); };
    LayoutChanged();
}

// ---- state ------------------------------------------------------------------

int TDBGrid::RecordCount() const {
    return link_.HasRecord() ? link_.DataSet()->RecordCount() : 0;
}

int TDBGrid::CurrentRecord() const {
    return link_.HasRecord() ? link_.DataSet()->RecNo() : 0;
}

int TDBGrid::TopRecord() const {
    return RecordCount() ? top_ : 0;
}

std::wstring TDBGrid::InspectText() const {
    int current = CurrentRecord();
    std::wstring text = std::to_wstring(current) + L"/" + std::to_wstring(RecordCount());
    if (!current) return text;
    for (int c = 0; c < columns_.Count(); ++c)
        text += L'\t' + Widen(link_.DataSet()->FieldTextAt(current, Narrow(columns_[c].FieldName())));
    return text;
}

int TDBGrid::VisibleRowCount() const {
    return geometry_.FullRows(ClientHeight());
}

void TDBGrid::SetOptions(TDBGridOptions options) {
    if (options == options_) return;
    options_ = options;
    LayoutChanged();
}

void TDBGrid::SetSelectedIndex(int index) {
    index = std::clamp(index, 0, std::max(0, columns_.Count() - 1));
    if (index == selectedIndex_) return;
    selectedIndex_ = index;
    Invalidate();
}

void TDBGrid::LayoutChanged() {
    geometry_.vertLine = (options_ & dgColLines) ? 1 : 0;
    geometry_.horzLine = (options_ & dgRowLines) ? 1 : 0;
    geometry_.rowHeight = TextHeightOf(Font()) + kRowPadding;
    geometry_.titleHeight = 0;
    if (options_ & dgTitles) {
        int text = columns_.Count() ? 0 : TextHeightOf(titleFont_);
        for (int c = 0; c < columns_.Count(); ++c)
            text = std::max(text, TextHeightOf(columns_[c].Title().Font()));
        geometry_.titleHeight = text + kTitlePadding;
    }
    geometry_.widths.clear();
    for (int c = 0; c < columns_.Count(); ++c)
        geometry_.widths.push_back(columns_[c].Width());
    selectedIndex_ = std::clamp(selectedIndex_, 0, std::max(0, columns_.Count() - 1));
    ScrollToCurrent(false);
    UpdateScrollBar();
    Invalidate();
}

// Keeps the current record in view.  A step just past the edge scrolls by
// that step; a jump further away (or a new result) centres the record.
void TDBGrid::ScrollToCurrent(bool jump) {
    int count = RecordCount();
    if (count == 0) {
        top_ = 1;
        return;
    }
    int rows = VisibleRowCount();
    int current = CurrentRecord();
    int centred = current - rows / 2;
    if (current < top_)
        top_ = jump && current < top_ - 1 ? centred : current;
    else if (current > top_ + rows - 1)
        top_ = jump && current > top_ + rows ? centred : current - rows + 1;
    top_ = std::clamp(top_, 1, std::max(1, count - rows + 1));
}

void TDBGrid::UpdateScrollBar() {
    if (!HandleAllocated()) return;
    int count = RecordCount();
    SCROLLINFO si{sizeof(si)};
    si.fMask = SIF_ALL;
    // The thumb stands for the current record; with one record or none
    // there is nothing to scroll and the bar goes.
    if (count > 1) {
        si.nMin = 1;
        si.nMax = count;
        si.nPage = 1;
        si.nPos = CurrentRecord();
    }
    SetScrollInfo(Handle(), SB_VERT, &si, TRUE);
}

void TDBGrid::DataEvent(TDataEvent event) {
    switch (event) {
    case TDataEvent::deDataSetChange:
        top_ = 1;
        [[fallthrough]];
    case TDataEvent::deRecordChange:
        ScrollToCurrent(true);
        UpdateScrollBar();
        break;
    case TDataEvent::deFieldChange:
    case TDataEvent::deStateChange:
        break;
    }
    Invalidate();
}

// ---- moving -----------------------------------------------------------------

void TDBGrid::MoveTo(int recNo) {
    int count = RecordCount();
    if (count == 0) return;
    recNo = std::clamp(recNo, 1, count);
    if (recNo != CurrentRecord()) link_.DataSet()->SetRecNo(recNo);
}

void TDBGrid::MoveBy(int delta) {
    if (!link_.HasRecord()) return;
    // Single steps go through Next and Prior, so that stepping past the last
    // record leaves the data set at its end as the data set defines it.
    if (delta == 1)
        link_.DataSet()->Next();
    else if (delta == -1)
        link_.DataSet()->Prior();
    else
        MoveTo(CurrentRecord() + delta);
}

void TDBGrid::TabTo(bool forward) {
    int last = std::max(0, columns_.Count() - 1);
    if (forward) {
        if (selectedIndex_ < last) {
            SetSelectedIndex(selectedIndex_ + 1);
        } else if (CurrentRecord() < RecordCount()) {
            SetSelectedIndex(0);
            MoveBy(1);
        }
    } else {
        if (selectedIndex_ > 0) {
            SetSelectedIndex(selectedIndex_ - 1);
        } else if (CurrentRecord() > 1) {
            SetSelectedIndex(last);
            MoveBy(-1);
        }
    }
}

void TDBGrid::KeyDown(WORD& key, TShiftState shift) {
    TCustomGrid::KeyDown(key, shift);
    int rows = VisibleRowCount();
    bool ctrl = (shift & ssCtrl) != 0;
    switch (key) {
    case VK_UP:
        MoveBy(-1);
        break;
    case VK_DOWN:
        MoveBy(1);
        break;
    case VK_PRIOR:
        MoveBy(-rows);
        break;
    case VK_NEXT:
        MoveBy(rows);
        break;
    case VK_HOME:
        if (ctrl || (options_ & dgRowSelect))
            MoveTo(1);
        else
            SetSelectedIndex(0);
        break;
    case VK_END:
        if (ctrl || (options_ & dgRowSelect))
            MoveTo(RecordCount());
        else
            SetSelectedIndex(columns_.Count() - 1);
        break;
    case VK_LEFT:
        SetSelectedIndex(selectedIndex_ - 1);
        break;
    case VK_RIGHT:
        SetSelectedIndex(selectedIndex_ + 1);
        break;
    case VK_TAB:
        if (!(options_ & dgTabs) || ctrl) return;
        TabTo(!(shift & ssShift));
        break;
    default:
        return;
    }
    key = 0;
}

// ---- mouse ------------------------------------------------------------------

void TDBGrid::MoveToCell(int x, int y) {
    int row = geometry_.RowAt(y);
    int column = geometry_.ColumnAt(x);
    if (row < 0 || column < 0) return;
    int recNo = TopRecord() + row;
    if (recNo < 1 || recNo > RecordCount()) return;
    SetSelectedIndex(column);
    MoveTo(recNo);
}

void TDBGrid::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    if (button == TMouseButton::mbLeft) {
        if (CanFocus() && !Focused()) SetFocus();
        bool inTitles = geometry_.titleHeight && y < geometry_.TitlePitch();
        int edge = inTitles && (options_ & dgColumnResize) ? geometry_.SizingColumnAt(x) : -1;
        if (edge >= 0) {
            sizing_ = edge;
            sizingOffset_ = x - (geometry_.ColumnLeft(edge) + geometry_.widths[size_t(edge)]);
        } else if (inTitles) {
            pressedTitle_ = geometry_.ColumnAt(x);
        } else if (!(shift & ssDouble)) {
            MoveToCell(x, y);
        }
    }
    TCustomGrid::MouseDown(button, shift, x, y);
}

void TDBGrid::MouseMove(TShiftState shift, int x, int y) {
    if (sizing_ >= 0 && sizing_ < columns_.Count()) {
        int width = x - sizingOffset_ - geometry_.ColumnLeft(sizing_);
        columns_[sizing_].SetWidth(std::max(width, kMinColumnWidth));
    }
    TCustomGrid::MouseMove(shift, x, y);
}

void TDBGrid::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    if (button == TMouseButton::mbLeft) {
        int pressed = pressedTitle_;
        bool wasSizing = sizing_ >= 0;
        sizing_ = -1;
        pressedTitle_ = -1;
        bool inTitles = geometry_.titleHeight && y >= 0 && y < geometry_.TitlePitch();
        if (!wasSizing && pressed >= 0 && inTitles && geometry_.ColumnAt(x) == pressed &&
            pressed < columns_.Count())
            TitleClick(&columns_[pressed]);
    }
    TCustomGrid::MouseUp(button, shift, x, y);
}

void TDBGrid::TitleClick(TColumn* column) {
    if (OnTitleClick) OnTitleClick(column);
}

// ---- messages ---------------------------------------------------------------

void TDBGrid::WndProc(TMessage& message) {
    switch (message.Msg) {
    case WM_VSCROLL:
        OnScroll(message);
        return;
    case WM_MOUSEWHEEL:
        OnMouseWheel(message);
        return;
    case WM_GETDLGCODE:
        message.Result = DLGC_WANTARROWS | ((options_ & dgTabs) ? DLGC_WANTTAB : 0);
        return;
    case WM_ERASEBKGND:
        message.Result = 1;
        return; // Paint covers every pixel
    case WM_SETCURSOR:
        if (OnSetCursor(message)) return;
        break;
    case WM_CANCELMODE:
        sizing_ = -1;
        pressedTitle_ = -1;
        break;
    default:
        break;
    }
    TCustomGrid::WndProc(message);
}

void TDBGrid::OnScroll(TMessage& message) {
    int rows = VisibleRowCount();
    switch (LOWORD(message.WParam)) {
    case SB_LINEUP:
        MoveBy(-1);
        break;
    case SB_LINEDOWN:
        MoveBy(1);
        break;
    case SB_PAGEUP:
        MoveBy(-rows);
        break;
    case SB_PAGEDOWN:
        MoveBy(rows);
        break;
    case SB_TOP:
        MoveTo(1);
        break;
    case SB_BOTTOM:
        MoveTo(RecordCount());
        break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: {
        // The 32-bit position: the message's 16 bits would not reach a
        // million rows.
        SCROLLINFO si{sizeof(si)};
        si.fMask = SIF_TRACKPOS;
        if (GetScrollInfo(Handle(), SB_VERT, &si)) MoveTo(si.nTrackPos);
        break;
    }
    default:
        break;
    }
    message.Result = 0;
}

void TDBGrid::OnMouseWheel(TMessage& message) {
    wheelRest_ += GET_WHEEL_DELTA_WPARAM(message.WParam);
    while (wheelRest_ >= WHEEL_DELTA) {
        wheelRest_ -= WHEEL_DELTA;
        MoveBy(-1);
    }
    while (wheelRest_ <= -WHEEL_DELTA) {
        wheelRest_ += WHEEL_DELTA;
        MoveBy(1);
    }
    message.Result = 0;
}

bool TDBGrid::OnSetCursor(TMessage& message) {
    if (reinterpret_cast<HWND>(message.WParam) != Handle() || LOWORD(message.LParam) != HTCLIENT)
        return false;
    POINT p;
    GetCursorPos(&p);
    p = ScreenToClient(p);
    bool overEdge = sizing_ >= 0 || ((options_ & dgColumnResize) && geometry_.titleHeight &&
                                     p.y < geometry_.TitlePitch() && geometry_.SizingColumnAt(p.x) >= 0);
    if (!overEdge) return false;
    ::SetCursor(LoadCursorW(nullptr, IDC_SIZEWE));
    message.Result = TRUE;
    return true;
}

void TDBGrid::CMFontChanged(TMessage& message) {
    TCustomGrid::CMFontChanged(message);
    LayoutChanged();
}

void TDBGrid::DoEnter() {
    TCustomGrid::DoEnter();
    Invalidate();
}

void TDBGrid::DoExit() {
    TCustomGrid::DoExit();
    Invalidate();
}

void TDBGrid::Resize() {
    TCustomGrid::Resize();
    ScrollToCurrent(false);
    Invalidate();
}

void TDBGrid::HandleCreated() {
    TCustomGrid::HandleCreated();
    UpdateScrollBar();
}

// ---- painting ---------------------------------------------------------------

void TDBGrid::Paint() {
    TGridPaintModel m;
    m.geometry = geometry_;
    RECT client = ClientRect();
    m.width = client.right;
    m.height = client.bottom;
    m.color = Color();
    m.fixedColor = FixedColor();
    m.font = &Font();
    m.ctl3D = Ctl3D();
    std::vector<std::string> fields;
    for (int c = 0; c < columns_.Count(); ++c) {
        const TColumn& col = columns_[c];
        m.columns.push_back({col.TitleText(), col.Title().Alignment(), &col.Title().Font(), col.Alignment()});
        fields.push_back(Narrow(col.FieldName()));
    }
    int count = RecordCount();
    int top = TopRecord();
    if (count) m.rows = std::min(geometry_.PaintRows(client.bottom), count - top + 1);
    TDataSetApi* ds = link_.DataSet();
    m.text = [&](int row, int column) { return Widen(ds->FieldTextAt(top + row, fields[size_t(column)])); };
    if (count) m.selectedRow = CurrentRecord() - top;
    m.selectedColumn = (options_ & dgRowSelect) ? -1 : selectedIndex_;
    bool focused = HandleAllocated() && Focused();
    m.highlight = focused || (options_ & dgAlwaysShowSelection);
    m.focusRect = focused && (options_ & dgRowSelect);
    PaintGrid(Canvas(), m);
}

} // namespace yq
