#include "ListBox.h"

#include <algorithm>

namespace yq {

YQ_PUBLISHED(TCustomListBox, TWinControl) {
    r.Int("ItemIndex", &TCustomListBox::ItemIndex, &TCustomListBox::SetItemIndex);
    r.Bool("MultiSelect", &TCustomListBox::MultiSelect, &TCustomListBox::SetMultiSelect);
    r.Int("TopIndex", &TCustomListBox::TopIndex, &TCustomListBox::SetTopIndex);
    r.Int("ItemHeight", &TCustomListBox::ItemHeight);
    r.Int("ScrollWidth", &TCustomListBox::ScrollWidth, &TCustomListBox::SetScrollWidth);
    r.Int("Columns", &TCustomListBox::Columns, &TCustomListBox::SetColumns);
    r.Enum("BorderStyle", &TCustomListBox::BorderStyle, &TCustomListBox::SetBorderStyle,
           {"bsNone", "bsSingle"});
}

YQ_CLASS_INFO(TListBox, TCustomListBox)

TCustomListBox::TCustomListBox(TComponent* owner) : TWinControl(owner) {
    SetBounds(0, 0, 121, 97);
    SetTabStop(true);
    ControlStyle = csDoubleClicks;
    items_.OnChanged = [this](TStringsChange change, int index) { ItemsChanged(change, index); };
}

void TCustomListBox::CreateParamsFor(CreateParams& params) {
    TWinControl::CreateParamsFor(params);
    params.superclass = L"LISTBOX";
    params.style |= WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT;
    if (multiSelect_) params.style |= LBS_EXTENDEDSEL;
    if (scrollWidth_ > 0) params.style |= WS_HSCROLL;
    if (columns_ > 0) params.style |= LBS_MULTICOLUMN | WS_HSCROLL;
    if (borderStyle_ == TBorderStyle::bsSingle) params.exStyle |= WS_EX_CLIENTEDGE;
}

void TCustomListBox::HandleCreated() {
    TWinControl::HandleCreated();
    HWND h = Handle();
    for (const std::wstring& s : items_.Items())
        SendMessageW(h, LB_ADDSTRING, 0, LPARAM(s.c_str()));
    if (scrollWidth_ > 0) SendMessageW(h, LB_SETHORIZONTALEXTENT, WPARAM(scrollWidth_), 0);
    if (columns_ > 0) SendMessageW(h, LB_SETCOLUMNWIDTH, WPARAM(std::max(1, Width() / columns_)), 0);
    if (multiSelect_) {
        for (size_t i = 0; i < selected_.size() && i < size_t(items_.Count()); ++i)
            if (selected_[i]) SendMessageW(h, LB_SETSEL, TRUE, LPARAM(i));
        if (itemIndex_ >= 0) SendMessageW(h, LB_SETCARETINDEX, WPARAM(itemIndex_), FALSE);
    } else if (itemIndex_ >= 0) {
        SendMessageW(h, LB_SETCURSEL, WPARAM(itemIndex_), 0);
    }
}

void TCustomListBox::Recreate() {
    if (!HandleAllocated()) return;
    itemIndex_ = ItemIndex();
    selected_.assign(size_t(items_.Count()), false);
    for (int i = 0; i < items_.Count(); ++i)
        selected_[size_t(i)] = Selected(i);
    DestroyHandle();
    Handle();
}

void TCustomListBox::ItemsChanged(TStringsChange change, int index) {
    if (change == TStringsChange::scCleared) itemIndex_ = -1;
    if (!HandleAllocated()) {
        if (itemIndex_ >= items_.Count()) itemIndex_ = -1;
        return;
    }
    HWND h = Handle();
    switch (change) {
    case TStringsChange::scAdded:
        SendMessageW(h, LB_INSERTSTRING, WPARAM(index), LPARAM(items_[index].c_str()));
        break;
    case TStringsChange::scDeleted:
        SendMessageW(h, LB_DELETESTRING, WPARAM(index), 0);
        break;
    case TStringsChange::scChanged: {
        bool sel = Selected(index);
        SendMessageW(h, LB_DELETESTRING, WPARAM(index), 0);
        SendMessageW(h, LB_INSERTSTRING, WPARAM(index), LPARAM(items_[index].c_str()));
        if (sel) SetSelected(index, true);
        break;
    }
    case TStringsChange::scCleared:
        SendMessageW(h, LB_RESETCONTENT, 0, 0);
        break;
    }
}

int TCustomListBox::ItemIndex() const {
    if (!HandleAllocated()) return itemIndex_;
    if (multiSelect_) {
        int caret = int(SendMessageW(Wnd(), LB_GETCARETINDEX, 0, 0));
        return caret < items_.Count() ? caret : -1;
    }
    return int(SendMessageW(Wnd(), LB_GETCURSEL, 0, 0));
}

void TCustomListBox::SetItemIndex(int index) {
    if (index < -1 || index >= items_.Count()) index = -1;
    itemIndex_ = index;
    if (!HandleAllocated()) return;
    if (multiSelect_) {
        SendMessageW(Handle(), LB_SETSEL, FALSE, -1);
        if (index >= 0) {
            SendMessageW(Handle(), LB_SETSEL, TRUE, index);
            SendMessageW(Handle(), LB_SETCARETINDEX, WPARAM(index), FALSE);
        }
    } else {
        SendMessageW(Handle(), LB_SETCURSEL, WPARAM(index), 0);
    }
}

void TCustomListBox::SetMultiSelect(bool multi) {
    if (multi == multiSelect_) return;
    multiSelect_ = multi;
    Recreate();
}

bool TCustomListBox::Selected(int index) const {
    if (index < 0 || index >= items_.Count()) throw EListError(index);
    if (!HandleAllocated())
        return multiSelect_ ? size_t(index) < selected_.size() && selected_[size_t(index)]
                            : index == itemIndex_;
    return SendMessageW(Wnd(), LB_GETSEL, WPARAM(index), 0) > 0;
}

void TCustomListBox::SetSelected(int index, bool selected) {
    if (index < 0 || index >= items_.Count()) throw EListError(index);
    if (!multiSelect_) {
        if (selected)
            SetItemIndex(index);
        else if (ItemIndex() == index)
            SetItemIndex(-1);
        return;
    }
    if (selected_.size() < size_t(items_.Count())) selected_.resize(size_t(items_.Count()));
    selected_[size_t(index)] = selected;
    if (HandleAllocated()) SendMessageW(Handle(), LB_SETSEL, selected, index);
}

int TCustomListBox::SelCount() const {
    if (!multiSelect_) return ItemIndex() >= 0 ? 1 : 0;
    int n = 0;
    for (int i = 0; i < items_.Count(); ++i)
        n += Selected(i);
    return n;
}

int TCustomListBox::TopIndex() const {
    return HandleAllocated() ? int(SendMessageW(Wnd(), LB_GETTOPINDEX, 0, 0)) : 0;
}

void TCustomListBox::SetTopIndex(int index) {
    SendMessageW(Handle(), LB_SETTOPINDEX, WPARAM(std::max(0, index)), 0);
}

int TCustomListBox::ItemHeight() const {
    return int(SendMessageW(Wnd(), LB_GETITEMHEIGHT, 0, 0));
}

void TCustomListBox::SetScrollWidth(int width) {
    if (width == scrollWidth_) return;
    bool bar = (width > 0) != (scrollWidth_ > 0);
    scrollWidth_ = width;
    if (bar)
        Recreate();
    else if (HandleAllocated())
        SendMessageW(Handle(), LB_SETHORIZONTALEXTENT, WPARAM(width), 0);
}

void TCustomListBox::SetColumns(int columns) {
    columns = std::max(0, columns);
    if (columns == columns_) return;
    columns_ = columns;
    Recreate();
}

void TCustomListBox::SetBorderStyle(TBorderStyle style) {
    if (style == borderStyle_) return;
    borderStyle_ = style;
    Recreate();
}

std::wstring TCustomListBox::InspectText() const {
    int index = ItemIndex();
    return index >= 0 && index < items_.Count() ? items_[index] : std::wstring();
}

void TCustomListBox::WndProc(TMessage& message) {
    if (message.Msg == CN_COMMAND) {
        switch (HIWORD(message.WParam)) {
        case LBN_SELCHANGE:
            Click();
            break;
        case LBN_DBLCLK:
            DblClick();
            break;
        }
        return;
    }
    if (message.Msg == CN_CTLCOLORLISTBOX && Enabled()) {
        HDC dc = reinterpret_cast<HDC>(message.WParam);
        SetTextColor(dc, ColorToRGB(Font().Color()));
        SetBkColor(dc, ColorToRGB(Color()));
        message.Result = reinterpret_cast<LRESULT>(ColorBrush().Handle());
        return;
    }
    TWinControl::WndProc(message);
}

} // namespace yq
