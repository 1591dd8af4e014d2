#include "ListView.h"

#include "CommonControls.h"

namespace yq {

YQ_PUBLISHED(TListColumn, TPersistent) {
    r.WStr("Caption", &TListColumn::Caption, &TListColumn::SetCaption);
    r.Int("Width", &TListColumn::Width, &TListColumn::SetWidth);
    r.Enum("Alignment", &TListColumn::Alignment, &TListColumn::SetAlignment,
           {"taLeftJustify", "taRightJustify", "taCenter"});
}

YQ_PUBLISHED(TListItem, TPersistent) {
    r.WStr("Caption", &TListItem::Caption, &TListItem::SetCaption);
    r.Int("ImageIndex", &TListItem::ImageIndex, &TListItem::SetImageIndex);
    r.Bool("Selected", &TListItem::Selected, &TListItem::SetSelected);
}

YQ_PUBLISHED(TCustomListView, TWinControl) {
    r.Enum("ViewStyle", &TCustomListView::ViewStyle, &TCustomListView::SetViewStyle,
           {"vsIcon", "vsSmallIcon", "vsList", "vsReport"});
    r.Object("LargeImages", &TCustomListView::LargeImages);
    r.Object("SmallImages", &TCustomListView::SmallImages);
    r.Bool("RowSelect", &TCustomListView::RowSelect, &TCustomListView::SetRowSelect);
    r.Bool("GridLines", &TCustomListView::GridLines, &TCustomListView::SetGridLines);
    r.Bool("ReadOnly", &TCustomListView::ReadOnly, &TCustomListView::SetReadOnly);
    r.Bool("MultiSelect", &TCustomListView::MultiSelect, &TCustomListView::SetMultiSelect);
    r.Bool("ShowColumnHeaders", &TCustomListView::ShowColumnHeaders, &TCustomListView::SetShowColumnHeaders);
    r.Bool("HideSelection", &TCustomListView::HideSelection, &TCustomListView::SetHideSelection);
    r.Int("ItemIndex", &TCustomListView::ItemIndex, &TCustomListView::SetItemIndex);
}

YQ_CLASS_INFO(TListView, TCustomListView)

namespace {
int ColumnFormat(TAlignment a) {
    return a == TAlignment::taRightJustify ? LVCFMT_RIGHT
           : a == TAlignment::taCenter     ? LVCFMT_CENTER
                                           : LVCFMT_LEFT;
}
} // namespace

// ---- columns and items ------------------------------------------------------

int TListColumn::Index() const {
    return view_.columns_.IndexOf(this);
}

void TListColumn::Changed() {
    view_.UpdateColumn(Index());
}

void TListColumn::SetCaption(const std::wstring& caption) {
    caption_ = caption;
    Changed();
}

int TListColumn::Width() const {
    if (!view_.HandleAllocated() || view_.viewStyle_ != TViewStyle::vsReport) return width_;
    return int(SendMessageW(view_.Wnd(), LVM_GETCOLUMNWIDTH, WPARAM(Index()), 0));
}

void TListColumn::SetWidth(int width) {
    width_ = width;
    Changed();
}

void TListColumn::SetAlignment(TAlignment alignment) {
    alignment_ = alignment;
    Changed();
}

TListItem::TListItem(TCustomListView& view) : view_(view) {
    subItems_.OnChanged = [this](TStringsChange, int) { Changed(); };
}

int TListItem::Index() const {
    return view_.items_.IndexOf(this);
}

void TListItem::Changed() {
    view_.UpdateItem(Index());
}

void TListItem::SetCaption(const std::wstring& caption) {
    caption_ = caption;
    Changed();
}

void TListItem::SetImageIndex(int index) {
    imageIndex_ = index;
    Changed();
}

bool TListItem::Selected() const {
    if (!view_.HandleAllocated()) return selected_;
    return SendMessageW(view_.Wnd(), LVM_GETITEMSTATE, WPARAM(Index()), LVIS_SELECTED) != 0;
}

void TListItem::SetSelected(bool selected) {
    selected_ = selected;
    if (!view_.HandleAllocated()) return;
    LVITEMW item{};
    item.stateMask = LVIS_SELECTED | (selected ? LVIS_FOCUSED : 0);
    item.state = selected ? LVIS_SELECTED | LVIS_FOCUSED : 0;
    SendMessageW(view_.Handle(), LVM_SETITEMSTATE, WPARAM(Index()), LPARAM(&item));
}

TListColumn* TListColumns::Add() {
    list_.push_back(std::make_unique<TListColumn>(view_));
    view_.InsertColumn(Count() - 1);
    return list_.back().get();
}

void TListColumns::Clear() {
    if (view_.HandleAllocated())
        for (int i = Count() - 1; i >= 0; --i)
            SendMessageW(view_.Handle(), LVM_DELETECOLUMN, WPARAM(i), 0);
    list_.clear();
}

TListItem* TListItems::Add() {
    list_.push_back(std::make_unique<TListItem>(view_));
    view_.InsertItem(Count() - 1);
    return list_.back().get();
}

void TListItems::Delete(int index) {
    Items(index);
    if (view_.HandleAllocated()) SendMessageW(view_.Handle(), LVM_DELETEITEM, WPARAM(index), 0);
    list_.erase(list_.begin() + index);
}

void TListItems::Clear() {
    if (view_.HandleAllocated()) SendMessageW(view_.Handle(), LVM_DELETEALLITEMS, 0, 0);
    list_.clear();
}

// ---- the view ---------------------------------------------------------------

TCustomListView::TCustomListView(TComponent* owner) : TWinControl(owner) {
    SetBounds(0, 0, 250, 150);
    SetTabStop(true);
    ControlStyle = csDoubleClicks;
}

TCustomListView::~TCustomListView() {
    // The window goes first: its last notifications must find no items.
    DestroyHandle();
}

void TCustomListView::CreateParamsFor(CreateParams& params) {
    InitCommonControl(ICC_LISTVIEW_CLASSES);
    TWinControl::CreateParamsFor(params);
    params.superclass = WC_LISTVIEWW;
    params.exStyle |= WS_EX_CLIENTEDGE;
    params.style |= WS_TABSTOP | LVS_SHAREIMAGELISTS | LVS_AUTOARRANGE;
    static const DWORD views[] = {LVS_ICON, LVS_SMALLICON, LVS_LIST, LVS_REPORT};
    params.style |= views[int(viewStyle_)];
    if (!multiSelect_) params.style |= LVS_SINGLESEL;
    if (!readOnly_) params.style |= LVS_EDITLABELS;
    if (!showColumnHeaders_) params.style |= LVS_NOCOLUMNHEADER;
    if (!hideSelection_) params.style |= LVS_SHOWSELALWAYS;
}

void TCustomListView::HandleCreated() {
    TWinControl::HandleCreated();
    filling_ = true;
    UpdateExStyle();
    UpdateImages();
    for (int i = 0; i < columns_.Count(); ++i)
        InsertColumn(i);
    for (int i = 0; i < items_.Count(); ++i)
        InsertItem(i);
    filling_ = false;
}

void TCustomListView::Recreate() {
    if (!HandleAllocated()) return;
    for (int i = 0; i < items_.Count(); ++i)
        items_[i]->selected_ = items_[i]->Selected();
    for (int i = 0; i < columns_.Count(); ++i)
        columns_[i]->width_ = columns_[i]->Width();
    DestroyHandle();
    Handle();
}

void TCustomListView::SetViewStyle(TViewStyle style) {
    if (style == viewStyle_) return;
    if (HandleAllocated())
        for (int i = 0; i < columns_.Count(); ++i)
            columns_[i]->width_ = columns_[i]->Width();
    viewStyle_ = style;
    if (!HandleAllocated()) return;
    static const DWORD views[] = {LVS_ICON, LVS_SMALLICON, LVS_LIST, LVS_REPORT};
    LONG_PTR s = GetWindowLongPtrW(Handle(), GWL_STYLE);
    SetWindowLongPtrW(Handle(), GWL_STYLE, (s & ~LONG_PTR(LVS_TYPEMASK)) | views[int(style)]);
    Invalidate();
}

void TCustomListView::SetStyleBit(bool& field, bool on) {
    if (field == on) return;
    field = on;
    Recreate();
}

void TCustomListView::SetReadOnly(bool on) {
    SetStyleBit(readOnly_, on);
}

void TCustomListView::SetMultiSelect(bool on) {
    SetStyleBit(multiSelect_, on);
}

void TCustomListView::SetShowColumnHeaders(bool on) {
    SetStyleBit(showColumnHeaders_, on);
}

void TCustomListView::SetHideSelection(bool on) {
    SetStyleBit(hideSelection_, on);
}

void TCustomListView::SetRowSelect(bool on) {
    rowSelect_ = on;
    UpdateExStyle();
}

void TCustomListView::SetGridLines(bool on) {
    gridLines_ = on;
    UpdateExStyle();
}

void TCustomListView::UpdateExStyle() {
    if (!HandleAllocated()) return;
    DWORD mask = LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES;
    DWORD value = (rowSelect_ ? LVS_EX_FULLROWSELECT : 0) | (gridLines_ ? LVS_EX_GRIDLINES : 0);
    SendMessageW(Handle(), LVM_SETEXTENDEDLISTVIEWSTYLE, mask, value);
}

void TCustomListView::SetLargeImages(TCustomImageList* images) {
    if (largeImages_ && largeImages_ != smallImages_) largeImages_->RemoveFreeNotification(this);
    largeImages_ = images;
    if (images) images->FreeNotification(this);
    UpdateImages();
}

void TCustomListView::SetSmallImages(TCustomImageList* images) {
    if (smallImages_ && smallImages_ != largeImages_) smallImages_->RemoveFreeNotification(this);
    smallImages_ = images;
    if (images) images->FreeNotification(this);
    UpdateImages();
}

void TCustomListView::UpdateImages() {
    if (!HandleAllocated()) return;
    SendMessageW(Handle(), LVM_SETIMAGELIST, LVSIL_NORMAL,
                 LPARAM(largeImages_ ? largeImages_->Handle() : nullptr));
    SendMessageW(Handle(), LVM_SETIMAGELIST, LVSIL_SMALL,
                 LPARAM(smallImages_ ? smallImages_->Handle() : nullptr));
}

void TCustomListView::Notification(TComponent* component, TOperation operation) {
    TWinControl::Notification(component, operation);
    if (operation != TOperation::opRemove) return;
    bool mine = component == largeImages_ || component == smallImages_;
    if (component == largeImages_) largeImages_ = nullptr;
    if (component == smallImages_) smallImages_ = nullptr;
    if (mine && !Destroying()) UpdateImages();
}

void TCustomListView::InsertColumn(int index) {
    if (!HandleAllocated()) return;
    const TListColumn& c = *columns_[index];
    LVCOLUMNW col{};
    col.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT;
    col.pszText = const_cast<wchar_t*>(c.caption_.c_str());
    col.cx = c.width_;
    col.fmt = ColumnFormat(c.alignment_);
    SendMessageW(Handle(), LVM_INSERTCOLUMNW, WPARAM(index), LPARAM(&col));
}

void TCustomListView::UpdateColumn(int index) {
    if (!HandleAllocated() || index < 0) return;
    const TListColumn& c = *columns_[index];
    LVCOLUMNW col{};
    col.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT;
    col.pszText = const_cast<wchar_t*>(c.caption_.c_str());
    col.cx = c.width_;
    col.fmt = ColumnFormat(c.alignment_);
    SendMessageW(Handle(), LVM_SETCOLUMNW, WPARAM(index), LPARAM(&col));
}

void TCustomListView::InsertItem(int index) {
    if (!HandleAllocated()) return;
    const TListItem& it = *items_[index];
    LVITEMW item{};
    item.mask = LVIF_TEXT | LVIF_IMAGE;
    item.iItem = index;
    item.pszText = const_cast<wchar_t*>(it.caption_.c_str());
    item.iImage = it.imageIndex_;
    SendMessageW(Handle(), LVM_INSERTITEMW, 0, LPARAM(&item));
    UpdateItem(index);
    if (it.selected_) items_[index]->SetSelected(true);
}

void TCustomListView::UpdateItem(int index) {
    if (!HandleAllocated() || index < 0) return;
    const TListItem& it = *items_[index];
    LVITEMW item{};
    item.mask = LVIF_TEXT | LVIF_IMAGE;
    item.iItem = index;
    item.pszText = const_cast<wchar_t*>(it.caption_.c_str());
    item.iImage = it.imageIndex_;
    SendMessageW(Handle(), LVM_SETITEMW, 0, LPARAM(&item));
    for (int i = 0; i < it.subItems_.Count(); ++i) {
        LVITEMW sub{};
        sub.mask = LVIF_TEXT;
        sub.iItem = index;
        sub.iSubItem = i + 1;
        sub.pszText = const_cast<wchar_t*>(it.subItems_[i].c_str());
        SendMessageW(Handle(), LVM_SETITEMW, 0, LPARAM(&sub));
    }
}

TListItem* TCustomListView::Selected() const {
    int i = ItemIndex();
    return i >= 0 ? items_[i] : nullptr;
}

int TCustomListView::ItemIndex() const {
    if (!HandleAllocated()) {
        for (int i = 0; i < items_.Count(); ++i)
            if (items_[i]->selected_) return i;
        return -1;
    }
    return int(SendMessageW(Wnd(), LVM_GETNEXTITEM, WPARAM(-1), LVNI_SELECTED));
}

void TCustomListView::SetItemIndex(int index) {
    for (int i = 0; i < items_.Count(); ++i)
        if (i != index && items_[i]->Selected()) items_[i]->SetSelected(false);
    if (index >= 0 && index < items_.Count()) items_[index]->SetSelected(true);
}

HWND TCustomListView::HeaderHandle() {
    return reinterpret_cast<HWND>(SendMessageW(Handle(), LVM_GETHEADER, 0, 0));
}

void TCustomListView::Notify(TMessage& message) {
    auto* hdr = reinterpret_cast<NMHDR*>(message.LParam);
    switch (hdr->code) {
    case LVN_ITEMCHANGED: {
        auto* nm = reinterpret_cast<NMLISTVIEW*>(message.LParam);
        bool was = nm->uOldState & LVIS_SELECTED, now = nm->uNewState & LVIS_SELECTED;
        if ((nm->uChanged & LVIF_STATE) && was != now && !filling_ && nm->iItem >= 0 &&
            nm->iItem < items_.Count()) {
            items_[nm->iItem]->selected_ = now;
            if (OnSelectItem) OnSelectItem(this, items_[nm->iItem], now);
        }
        break;
    }
    case LVN_COLUMNCLICK: {
        auto* nm = reinterpret_cast<NMLISTVIEW*>(message.LParam);
        if (OnColumnClick && nm->iSubItem >= 0 && nm->iSubItem < columns_.Count())
            OnColumnClick(this, columns_[nm->iSubItem]);
        break;
    }
    case LVN_ENDLABELEDITW: {
        auto* nm = reinterpret_cast<NMLVDISPINFOW*>(message.LParam);
        if (nm->item.pszText && nm->item.iItem >= 0 && nm->item.iItem < items_.Count()) {
            items_[nm->item.iItem]->caption_ = nm->item.pszText;
            message.Result = TRUE;
            return;
        }
        break;
    }
    case NM_CLICK:
        Click();
        break;
    case NM_DBLCLK:
        DblClick();
        break;
    default:
        DefaultHandler(message);
        return;
    }
    message.Result = 0;
}

void TCustomListView::WndProc(TMessage& message) {
    if (message.Msg == CN_NOTIFY) {
        Notify(message);
        return;
    }
    TWinControl::WndProc(message);
}

} // namespace yq
