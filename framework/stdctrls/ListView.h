#pragma once
// TCustomListView / TListView: the platform's list view.  ViewStyle shows
// the Items as large icons, small icons, a list, or a report with one
// column per Columns entry under a column header (the item's Caption in
// the first column, its SubItems in the others).  Images come from
// LargeImages (icons) and SmallImages (the other views).  Selecting an
// item raises OnSelectItem, a click on a column header OnColumnClick.
#include "ImgList.h"
#include "Strings.h"
#include "WinControl.h"

#include <memory>
#include <vector>

namespace yq {

class TCustomListView;

enum class TViewStyle { vsIcon, vsSmallIcon, vsList, vsReport };

class TListColumn : public TPersistent {
    YQ_CLASS(TListColumn, TPersistent)
public:
    explicit TListColumn(TCustomListView& view) : view_(view) {}
    int Index() const;
    const std::wstring& Caption() const { return caption_; }
    void SetCaption(const std::wstring& caption);
    int Width() const;
    void SetWidth(int width);
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment alignment);

private:
    friend class TCustomListView;
    void Changed();
    TCustomListView& view_;
    std::wstring caption_;
    int width_ = 50;
    TAlignment alignment_ = TAlignment::taLeftJustify;
};

class TListItem : public TPersistent {
    YQ_CLASS(TListItem, TPersistent)
public:
    explicit TListItem(TCustomListView& view);
    int Index() const;
    const std::wstring& Caption() const { return caption_; }
    void SetCaption(const std::wstring& caption);
    // The texts of the report view's second and later columns.
    TStrings& SubItems() { return subItems_; }
    int ImageIndex() const { return imageIndex_; }
    void SetImageIndex(int index);
    bool Selected() const;
    void SetSelected(bool selected);
    TCustomListView* ListView() const { return &view_; }

private:
    friend class TCustomListView;
    void Changed();
    TCustomListView& view_;
    std::wstring caption_;
    TStrings subItems_;
    int imageIndex_ = -1;
    bool selected_ = false; // kept while there is no window
};

// Owned lists of columns and items; an index out of range raises EListError.
template <class T> class TOwnedList {
public:
    int Count() const { return int(list_.size()); }
    T* Items(int index) const {
        if (index < 0 || index >= Count()) throw EListError(index);
        return list_[size_t(index)].get();
    }
    T* operator[](int index) const { return Items(index); }
    int IndexOf(const T* item) const {
        for (size_t i = 0; i < list_.size(); ++i)
            if (list_[i].get() == item) return int(i);
        return -1;
    }

protected:
    std::vector<std::unique_ptr<T>> list_;
};

class TListColumns : public TOwnedList<TListColumn> {
public:
    explicit TListColumns(TCustomListView& view) : view_(view) {}
    TListColumn* Add();
    void Clear();

private:
    TCustomListView& view_;
};

class TListItems : public TOwnedList<TListItem> {
public:
    explicit TListItems(TCustomListView& view) : view_(view) {}
    TListItem* Add();
    void Delete(int index);
    void Clear();

private:
    TCustomListView& view_;
};

using TLVSelectItemEvent = std::function<void(TComponent* sender, TListItem* item, bool selected)>;
using TLVColumnClickEvent = std::function<void(TComponent* sender, TListColumn* column)>;

class TCustomListView : public TWinControl {
    YQ_CLASS(TCustomListView, TWinControl)
public:
    explicit TCustomListView(TComponent* owner = nullptr);
    ~TCustomListView() override;

    TListColumns& Columns() { return columns_; }
    TListItems& Items() { return items_; }
    TViewStyle ViewStyle() const { return viewStyle_; }
    void SetViewStyle(TViewStyle style);
    TCustomImageList* LargeImages() const { return largeImages_; }
    void SetLargeImages(TCustomImageList* images);
    TCustomImageList* SmallImages() const { return smallImages_; }
    void SetSmallImages(TCustomImageList* images);
    bool RowSelect() const { return rowSelect_; }
    void SetRowSelect(bool on);
    bool GridLines() const { return gridLines_; }
    void SetGridLines(bool on);
    bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool on);
    bool MultiSelect() const { return multiSelect_; }
    void SetMultiSelect(bool on);
    bool ShowColumnHeaders() const { return showColumnHeaders_; }
    void SetShowColumnHeaders(bool on);
    bool HideSelection() const { return hideSelection_; }
    void SetHideSelection(bool on);
    // The first selected item, or nullptr; -1 for none.
    TListItem* Selected() const;
    int ItemIndex() const;
    void SetItemIndex(int index);
    // The column header window of the report view.
    HWND HeaderHandle();

    TLVSelectItemEvent OnSelectItem;
    TLVColumnClickEvent OnColumnClick;

protected:
    void CreateParamsFor(CreateParams& params) override;
    void HandleCreated() override;
    void WndProc(TMessage& message) override;
    void Notification(TComponent* component, TOperation operation) override;

private:
    friend class TListColumn;
    friend class TListItem;
    friend class TListColumns;
    friend class TListItems;
    void Recreate();
    void SetStyleBit(bool& field, bool on);
    void UpdateExStyle();
    void UpdateImages();
    void InsertColumn(int index);
    void UpdateColumn(int index);
    void InsertItem(int index);
    void UpdateItem(int index);
    void Notify(TMessage& message);
    HWND Wnd() const { return const_cast<TCustomListView*>(this)->Handle(); }

    TListColumns columns_{*this};
    TListItems items_{*this};
    TViewStyle viewStyle_ = TViewStyle::vsIcon;
    TCustomImageList* largeImages_ = nullptr;
    TCustomImageList* smallImages_ = nullptr;
    bool rowSelect_ = false, gridLines_ = false, readOnly_ = false, multiSelect_ = true;
    bool showColumnHeaders_ = true, hideSelection_ = true;
    bool filling_ = false; // no selection events while the window is filled
};

class TListView : public TCustomListView {
    YQ_CLASS(TListView, TCustomListView)
public:
    using TCustomListView::TCustomListView;
};

} // namespace yq
