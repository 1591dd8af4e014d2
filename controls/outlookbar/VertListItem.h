#pragma once
// TDCVertListItem, one item of an outlook item list, and TDCVertListItems,
// the list's ordered item store.  Items keep their caption, images, data and
// the position the list's layout gives them; every change is reported to
// the list, which lays out, repaints and raises its events.
#include "OutBarTypes.h"
#include "TypeInfo.h"

#include <memory>
#include <string>
#include <vector>

#include <windows.h>

namespace yq {

class TDCVertListView;
class TDCVertListItems;

class TDCVertListItem : public TPersistent {
    YQ_CLASS(TDCVertListItem, TPersistent)
public:
    explicit TDCVertListItem(TDCVertListItems& owner);
    ~TDCVertListItem() override;
    TDCVertListItem(const TDCVertListItem&) = delete;
    TDCVertListItem& operator=(const TDCVertListItem&) = delete;

    TDCVertListView& ListView() const;
    int Index() const;

    const std::wstring& Caption() const { return caption_; }
    void SetCaption(const std::wstring& caption);
    int ImageIndex() const { return imageIndex_; }
    void SetImageIndex(int index);
    int OverlayIndex() const { return overlayIndex_; }
    void SetOverlayIndex(int index) { overlayIndex_ = index; }
    int StateIndex() const { return stateIndex_; }
    void SetStateIndex(int index) { stateIndex_ = index; }
    void* Data() const { return data_; }
    void SetData(void* data) { data_ = data; }
    std::vector<std::wstring>& SubItems() { return subItems_; }
    const std::vector<std::wstring>& SubItems() const { return subItems_; }

    // Document or program opened when the item is executed, and its
    // parameters.
    const std::wstring& FileName() const { return fileName_; }
    void SetFileName(const std::wstring& name) { fileName_ = name; }
    const std::wstring& Parameters() const { return parameters_; }
    void SetParameters(const std::wstring& parameters) { parameters_ = parameters; }
    // Images while hot or selected; -1 shows the normal image.
    int HotImageIndex() const { return hotImageIndex_; }
    void SetHotImageIndex(int index) { hotImageIndex_ = index; }
    int SelectedImageIndex() const { return selectedImageIndex_; }
    void SetSelectedImageIndex(int index);
    // Called with the list as sender on every button click of this item.
    TNotifyEvent OnClick;

    // Top-left of the item in the list's client coordinates.
    POINT Position() const { return position_; }
    void SetPosition(POINT p) { position_ = p; }
    bool Selected() const { return selected_; }
    void SetSelected(bool selected);
    bool Focused() const { return focused_; }
    void SetFocused(bool focused);

    RECT DisplayRect(TDisplayCode code) const;
    // Scrolls the list until the item shows (wholly, or partly when allowed).
    void MakeVisible(bool partialOK);
    // Opens the list's caption editor on this item; false when refused.
    bool EditCaption();
    // Removes the item from its list and destroys it.
    void Delete();

private:
    friend class TDCVertListView;
    TDCVertListItems& owner_;
    std::wstring caption_;
    int imageIndex_ = -1, overlayIndex_ = -1, stateIndex_ = -1;
    void* data_ = nullptr;
    std::vector<std::wstring> subItems_;
    std::wstring fileName_, parameters_;
    int hotImageIndex_ = -1, selectedImageIndex_ = -1;
    POINT position_{0, 0};
    bool selected_ = false, focused_ = false;
};

class TDCVertListItems {
public:
    explicit TDCVertListItems(TDCVertListView& owner) : owner_(owner) {}
    ~TDCVertListItems();
    TDCVertListItems(const TDCVertListItems&) = delete;
    TDCVertListItems& operator=(const TDCVertListItems&) = delete;

    TDCVertListView& Owner() const { return owner_; }
    int Count() const { return int(items_.size()); }
    // "List index out of bounds (%d)" outside 0..Count-1.
    TDCVertListItem* Item(int index) const;
    TDCVertListItem* operator[](int index) const { return Item(index); }
    int IndexOf(const TDCVertListItem* item) const;

    TDCVertListItem* Add();
    TDCVertListItem* Insert(int index);
    void Delete(int index);
    void Clear();
    // Holds back layout until the matching EndUpdate (they nest).
    void BeginUpdate();
    void EndUpdate();

private:
    friend class TDCVertListItem;
    TDCVertListView& owner_;
    std::vector<std::unique_ptr<TDCVertListItem>> items_;
};

} // namespace yq
