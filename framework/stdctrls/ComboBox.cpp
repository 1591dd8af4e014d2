#include "ComboBox.h"

#include <algorithm>

namespace yq {

YQ_PUBLISHED(TCustomComboBox, TWinControl) {
    r.Enum("Style", &TCustomComboBox::Style, &TCustomComboBox::SetStyle,
           {"csDropDown", "csSimple", "csDropDownList"});
    r.Int("ItemIndex", &TCustomComboBox::ItemIndex, &TCustomComboBox::SetItemIndex);
    r.Int("DropDownCount", &TCustomComboBox::DropDownCount, &TCustomComboBox::SetDropDownCount);
    r.Int("MaxLength", &TCustomComboBox::MaxLength, &TCustomComboBox::SetMaxLength);
    r.Bool("DroppedDown", &TCustomComboBox::DroppedDown, &TCustomComboBox::SetDroppedDown);
}

YQ_CLASS_INFO(TComboBox, TCustomComboBox)

TCustomComboBox::TCustomComboBox(TComponent* owner) : TWinControl(owner) {
    SetBounds(0, 0, 145, 21);
    SetTabStop(true);
    ControlStyle = csDoubleClicks;
    ControlStyle &= ~unsigned(csSetCaption);
    items_.OnChanged = [this](TStringsChange change, int index) { ItemsChanged(change, index); };
}

void TCustomComboBox::CreateParamsFor(CreateParams& params) {
    TWinControl::CreateParamsFor(params);
    params.superclass = L"COMBOBOX";
    params.style |= WS_TABSTOP | WS_VSCROLL | CBS_AUTOHSCROLL;
    switch (style_) {
    case TComboBoxStyle::csDropDown:
        params.style |= CBS_DROPDOWN;
        break;
    case TComboBoxStyle::csSimple:
        params.style |= CBS_SIMPLE;
        break;
    case TComboBoxStyle::csDropDownList:
        params.style |= CBS_DROPDOWNLIST;
        break;
    }
}

void TCustomComboBox::HandleCreated() {
    TWinControl::HandleCreated();
    HWND h = Handle();
    std::wstring text = Text();
    for (const std::wstring& s : items_.Items())
        SendMessageW(h, CB_ADDSTRING, 0, LPARAM(s.c_str()));
    if (maxLength_ > 0) SendMessageW(h, CB_LIMITTEXT, WPARAM(maxLength_), 0);
    if (itemIndex_ >= 0)
        SetItemIndex(itemIndex_);
    else if (style_ != TComboBoxStyle::csDropDownList)
        SetWindowTextW(h, text.c_str());
    SizeDropDown();
}

void TCustomComboBox::Recreate() {
    if (!HandleAllocated()) return;
    itemIndex_ = ItemIndex();
    DestroyHandle();
    Handle();
}

void TCustomComboBox::SetStyle(TComboBoxStyle style) {
    if (style == style_) return;
    style_ = style;
    Recreate();
}

void TCustomComboBox::ItemsChanged(TStringsChange change, int index) {
    if (change == TStringsChange::scCleared) itemIndex_ = -1;
    if (!HandleAllocated()) {
        if (itemIndex_ >= items_.Count()) itemIndex_ = -1;
        return;
    }
    HWND h = Handle();
    switch (change) {
    case TStringsChange::scAdded:
        SendMessageW(h, CB_INSERTSTRING, WPARAM(index), LPARAM(items_[index].c_str()));
        break;
    case TStringsChange::scDeleted:
        SendMessageW(h, CB_DELETESTRING, WPARAM(index), 0);
        break;
    case TStringsChange::scChanged: {
        bool current = ItemIndex() == index;
        SendMessageW(h, CB_DELETESTRING, WPARAM(index), 0);
        SendMessageW(h, CB_INSERTSTRING, WPARAM(index), LPARAM(items_[index].c_str()));
        if (current) SetItemIndex(index);
        break;
    }
    case TStringsChange::scCleared:
        SendMessageW(h, CB_RESETCONTENT, 0, 0);
        break;
    }
    TextFromWindow(false);
}

int TCustomComboBox::ItemIndex() const {
    return HandleAllocated() ? int(SendMessageW(Wnd(), CB_GETCURSEL, 0, 0)) : itemIndex_;
}

void TCustomComboBox::SetItemIndex(int index) {
    if (index < -1 || index >= items_.Count()) index = -1;
    itemIndex_ = index;
    if (!HandleAllocated()) {
        SetCaptionField(index >= 0 ? items_[index] : std::wstring());
        return;
    }
    SendMessageW(Handle(), CB_SETCURSEL, WPARAM(index), 0);
    TextFromWindow(true);
}

bool TCustomComboBox::DroppedDown() const {
    return HandleAllocated() && SendMessageW(Wnd(), CB_GETDROPPEDSTATE, 0, 0) != 0;
}

void TCustomComboBox::SetDroppedDown(bool dropped) {
    SendMessageW(Handle(), CB_SHOWDROPDOWN, dropped, 0);
}

void TCustomComboBox::SetMaxLength(int length) {
    maxLength_ = std::max(0, length);
    if (HandleAllocated()) SendMessageW(Handle(), CB_LIMITTEXT, WPARAM(maxLength_), 0);
}

HWND TCustomComboBox::EditHandle() {
    if (style_ == TComboBoxStyle::csDropDownList) return nullptr;
    COMBOBOXINFO info{sizeof(info)};
    return GetComboBoxInfo(Handle(), &info) ? info.hwndItem : nullptr;
}

void TCustomComboBox::SizeDropDown() {
    // The window's height when dropped down sets the list's height.
    if (style_ == TComboBoxStyle::csSimple || !HandleAllocated()) return;
    int rows = std::clamp(items_.Count(), 1, dropDownCount_);
    int item = int(SendMessageW(Handle(), CB_GETITEMHEIGHT, 0, 0));
    SetWindowPos(Handle(), nullptr, 0, 0, Width(), Height() + rows * item + 2,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW);
}

void TCustomComboBox::TextFromWindow(bool chosen) {
    // A choice shows in the edit only after its notification.
    std::wstring text;
    int index = ItemIndex();
    if ((chosen || style_ == TComboBoxStyle::csDropDownList) && index >= 0 && index < items_.Count()) {
        text = items_[index];
    } else if (style_ != TComboBoxStyle::csDropDownList) {
        int n = GetWindowTextLengthW(Handle());
        text.resize(size_t(n) + 1);
        text.resize(size_t(GetWindowTextW(Handle(), text.data(), n + 1)));
    }
    SetCaptionField(text);
}

void TCustomComboBox::CMTextChanged(TMessage& message) {
    TWinControl::CMTextChanged(message);
    if (HandleAllocated()) TextFromWindow(false);
    if (OnChange) OnChange(this);
}

void TCustomComboBox::Command(WORD code) {
    switch (code) {
    case CBN_SELCHANGE:
        TextFromWindow(true);
        if (OnSelect) OnSelect(this);
        if (OnChange) OnChange(this);
        break;
    case CBN_EDITCHANGE:
        TextFromWindow(false);
        if (OnChange) OnChange(this);
        break;
    case CBN_DROPDOWN:
        SizeDropDown();
        if (OnDropDown) OnDropDown(this);
        break;
    case CBN_CLOSEUP:
        if (OnCloseUp) OnCloseUp(this);
        break;
    default:
        break;
    }
}

void TCustomComboBox::WndProc(TMessage& message) {
    switch (message.Msg) {
    case CN_COMMAND:
        Command(HIWORD(message.WParam));
        return;
    default:
        TWinControl::WndProc(message);
    }
}

} // namespace yq
