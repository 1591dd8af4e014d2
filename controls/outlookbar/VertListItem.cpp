#include "VertListItem.h"

#include "OutBarErrors.h"
#include "VertListView.h"

namespace yq {

YQ_PUBLISHED(TDCVertListItem, TPersistent) {
    r.WStr("Caption", &TDCVertListItem::Caption, &TDCVertListItem::SetCaption);
    r.Int("ImageIndex", &TDCVertListItem::ImageIndex, &TDCVertListItem::SetImageIndex);
    r.WStr("FileName", &TDCVertListItem::FileName, &TDCVertListItem::SetFileName);
    r.Int("HotImageIndex", &TDCVertListItem::HotImageIndex, &TDCVertListItem::SetHotImageIndex);
    r.WStr("Parameters", &TDCVertListItem::Parameters, &TDCVertListItem::SetParameters);
    r.Int("SelectedImageIndex", &TDCVertListItem::SelectedImageIndex,
          &TDCVertListItem::SetSelectedImageIndex);
}

TDCVertListItem::TDCVertListItem(TDCVertListItems& owner) : owner_(owner) {}

TDCVertListItem::~TDCVertListItem() {
    owner_.Owner().ItemDestroyed(this);
}

TDCVertListView& TDCVertListItem::ListView() const {
    return owner_.Owner();
}

int TDCVertListItem::Index() const {
    return owner_.IndexOf(this);
}

void TDCVertListItem::SetCaption(const std::wstring& caption) {
    if (caption == caption_ || !ListView().ItemChanging(this, TItemChange::ctText)) return;
    caption_ = caption;
    ListView().ItemChanged(this, TItemChange::ctText);
}

void TDCVertListItem::SetImageIndex(int index) {
    if (index == imageIndex_ || !ListView().ItemChanging(this, TItemChange::ctImage)) return;
    imageIndex_ = index;
    ListView().ItemChanged(this, TItemChange::ctImage);
}

void TDCVertListItem::SetSelectedImageIndex(int index) {
    if (index == selectedImageIndex_) return;
    selectedImageIndex_ = index;
    ListView().RepaintItem(this);
}

void TDCVertListItem::SetSelected(bool selected) {
    ListView().SelectItem(this, selected);
}

void TDCVertListItem::SetFocused(bool focused) {
    if (focused)
        ListView().SetItemFocused(this);
    else if (focused_)
        ListView().SetItemFocused(nullptr);
}

RECT TDCVertListItem::DisplayRect(TDisplayCode code) const {
    return ListView().DisplayRect(*this, code);
}

void TDCVertListItem::MakeVisible(bool partialOK) {
    ListView().EnsureVisible(*this, partialOK);
}

bool TDCVertListItem::EditCaption() {
    return ListView().EditCaption(*this);
}

void TDCVertListItem::Delete() {
    owner_.Delete(Index());
}

// ---- TDCVertListItems -------------------------------------------------------

TDCVertListItems::~TDCVertListItems() {
    items_.clear();
}

TDCVertListItem* TDCVertListItems::Item(int index) const {
    if (index < 0 || index >= Count()) throw EListError(index);
    return items_[size_t(index)].get();
}

int TDCVertListItems::IndexOf(const TDCVertListItem* item) const {
    for (size_t i = 0; i < items_.size(); ++i)
        if (items_[i].get() == item) return int(i);
    return -1;
}

TDCVertListItem* TDCVertListItems::Add() {
    return Insert(Count());
}

TDCVertListItem* TDCVertListItems::Insert(int index) {
    if (index < 0 || index > Count()) throw EListError(index);
    std::unique_ptr<TDCVertListItem> item(owner_.CreateListItem());
    TDCVertListItem* raw = item.get();
    items_.insert(items_.begin() + index, std::move(item));
    owner_.ItemInserted(raw);
    return raw;
}

void TDCVertListItems::Delete(int index) {
    TDCVertListItem* item = Item(index);
    owner_.ItemDeleting(item);
    items_.erase(items_.begin() + IndexOf(item));
    owner_.ItemDeleted();
}

void TDCVertListItems::Clear() {
    BeginUpdate();
    try {
        while (Count() > 0)
            Delete(Count() - 1);
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
}

void TDCVertListItems::BeginUpdate() {
    owner_.BeginRedrawLock();
}

void TDCVertListItems::EndUpdate() {
    owner_.EndRedrawLock();
}

} // namespace yq
