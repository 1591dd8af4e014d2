#pragma once
// TDCVertListView: the outlook bar's vertical item list.  Items stand in one
// column in collection order, each a small image left of a left-aligned
// caption (vsSmallIcon) or a large image above a centred caption (vsIcon),
// captions word-wrapped to at most WrapLineCount lines.  The list keeps its
// items itself and derives three rectangles per item from its position:
//
//   vsSmallIcon  icon  (x, y, x + iw, y + max(ih, h))
//                label (icon.right + 2, y, + caption width, icon.bottom)
//   vsIcon       icon  (x, y, x + iw + 4, y + ih + 4)
//                label centred under the icon, from icon.bottom + 2, one line
//   bounds       icon and label together
//
// (iw, ih: the view's image size, 0 without images; h: the font's line
// height).  DisplayRect refines them into the shown geometry, Arrange lays
// the column out, GetItemAt hit-tests, and painting composes the background,
// the items and the hot and selected frames off screen in one pass.
#include "ImgList.h"
#include "ListViewEx.h"
#include "ScrollButton.h"
#include "Timer.h"
#include "VertListItem.h"

#include <memory>
#include <string>

namespace yq {

class TDCVertListView : public TCustomDCListViewEx {
    YQ_CLASS(TDCVertListView, TCustomDCListViewEx)
public:
    static constexpr int kMinItemSpace = 5;
    // Text keeps this distance from the client's left and right edges.
    static constexpr int kTextMargin = 10;
    static constexpr int kScrollFrequency = 200;

    explicit TDCVertListView(TComponent* owner = nullptr);
    ~TDCVertListView() override;

    TDCVertListItems& Items() { return items_; }
    const TDCVertListItems& Items() const { return items_; }
    TDCVertListItem* Selected() const;
    // Selects `item` alone (nullptr clears the selection).
    void SetSelected(TDCVertListItem* item);
    TDCVertListItem* ItemFocused() const;
    void SetItemFocused(TDCVertListItem* item);
    TDCVertListItem* HotItem() const { return hot_; }

    bool DragEnabled() const { return dragEnabled_; }
    virtual void SetDragEnabled(bool enabled);
    TColor DragPlaceColor() const { return dragPlaceColor_; }
    virtual void SetDragPlaceColor(TColor color);
    TColor HighlightColor() const { return highlightColor_; }
    virtual void SetHighlightColor(TColor color);
    TColor HighlightFontColor() const { return highlightFontColor_; }
    virtual void SetHighlightFontColor(TColor color);
    bool HighlightSelection() const { return highlightSelection_; }
    virtual void SetHighlightSelection(bool on);
    // Vertical space between items; at least kMinItemSpace.
    int ItemSpace() const { return itemSpace_; }
    void SetItemSpace(int space);
    TScrollButtonsPos ScrollButtonsPos() const { return scrollButtonsPos_; }
    virtual void SetScrollButtonsPos(TScrollButtonsPos pos);
    TSelectionType SelectionType() const { return selectionType_; }
    virtual void SetSelectionType(TSelectionType type);
    bool SunkSelected() const { return sunkSelected_; }
    virtual void SetSunkSelected(bool on);
    bool UseDblClick() const { return useDblClick_; }
    virtual void SetUseDblClick(bool on);
    // Only vsIcon and vsSmallIcon; others fail with "Invalid view style".
    TViewStyle ViewStyle() const { return viewStyle_; }
    void SetViewStyle(TViewStyle style);
    // At least 1; less fails with "Invalid property value".
    int WrapLineCount() const { return wrapLineCount_; }
    virtual void SetWrapLineCount(int count);
    bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool readOnly) { readOnly_ = readOnly; }
    TCustomImageList* LargeImages() const { return largeImages_; }
    virtual void SetLargeImages(TCustomImageList* images);
    TCustomImageList* SmallImages() const { return smallImages_; }
    virtual void SetSmallImages(TCustomImageList* images);
    const std::wstring& Version() const { return version_; }
    void SetVersion(const std::wstring& version) { version_ = version; }

    TNotifyEvent OnAfterScroll;
    TNotifyEvent OnBeforeScroll;
    TListItemEvent OnInsert;
    TListItemEvent OnDeletion;
    TLVChangingEvent OnChanging;
    TLVChangeEvent OnChange;
    TLVSelectItemEvent OnSelectItem;

    // The layout pass; deferred while Items is being updated.
    virtual void Arrange();
    TDCVertListItem* GetItemAt(int x, int y) const;
    RECT DisplayRect(const TDCVertListItem& item, TDisplayCode code) const;
    // Where an item's hot, pressed or selected frame is drawn.
    RECT ItemFrameRect(const TDCVertListItem& item) const;
    // Line height of Font (h), top margin (ItemSpace div 2) and the distance
    // from an item's position to the top of its bounds (dy).
    int TextHeight() const { return textHeight_; }
    int TopMargin() const { return topMargin_; }
    int ItemInset() const { return itemInset_; }
    POINT ScrollOrigin() const { return scrollOrigin_; }
    // (bounds height) + 2·dy + ItemSpace.
    int SlotHeight(const TDCVertListItem& item) const;

    bool IsItemVisible(const TDCVertListItem& item, bool partialOK) const;
    bool CanScrollDown() const;
    bool CanScrollUp() const;
    const TDCScrollButton& DownButton() const { return *downButton_; }
    const TDCScrollButton& UpButton() const { return *upButton_; }

    // Draws the whole list as a paint would, on `canvas` (client coordinates).
    void PaintContent(TCanvas& canvas, const RECT& dirty);

protected:
    // The item factory: items start with both extra image indexes at -1.
    virtual TDCVertListItem* CreateListItem();

    void Loaded() override;
    void HandleCreated() override;
    void WndProc(TMessage& message) override;
    void Paint() override;
    void Resize() override;
    void CMFontChanged(TMessage& message) override;
    void Notification(TComponent* component, TOperation operation) override;

    // Invalidates an item's frame rectangle; the soft form leaves the
    // permanently sunken selected item alone.
    void RepaintItem(const TDCVertListItem* item);
    void RepaintItemSoft(const TDCVertListItem* item);
    void RepaintFrames();
    void PlaceScrollButtons();

    void DrawItem(TCanvas& canvas, const TDCVertListItem& item);
    void DrawItemFrame(TCanvas& canvas, const TDCVertListItem& item, TColor topLeft, TColor bottomRight);
    void DrawRaisedFrame(TCanvas& canvas, const TDCVertListItem& item);
    void DrawSunkenFrame(TCanvas& canvas, const TDCVertListItem& item);

    TDCVertListItem* hot_ = nullptr;
    TDCVertListItem* pressed_ = nullptr;
    bool armed_ = false;
    bool dragging_ = false;
    POINT scrollOrigin_{0, 0};
    int suppress_ = 0;
    int redrawLock_ = 0;

private:
    friend class TDCVertListItem;
    friend class TDCVertListItems;

    struct TNativeRects {
        RECT icon, label, bounds;
    };
    TNativeRects NativeRects(const TDCVertListItem& item) const;
    void FitCaption(const TDCVertListItem& item, RECT& r) const;
    SIZE ImageSize() const;
    TCustomImageList* ViewImages() const;
    void ReadTextHeight();
    void WMPaint(TMessage& message);
    void SetImageList(TCustomImageList*& slot, TCustomImageList* images);

    // Reports from the item store.
    void ItemInserted(TDCVertListItem* item);
    void ItemDeleting(TDCVertListItem* item);
    void ItemDeleted();
    void ItemDestroyed(TDCVertListItem* item);
    bool ItemChanging(TDCVertListItem* item, TItemChange change);
    void ItemChanged(TDCVertListItem* item, TItemChange change);
    void SelectItem(TDCVertListItem* item, bool selected);
    void ItemSelectionChanged(TDCVertListItem* item, bool selected);
    void BeginRedrawLock() { ++redrawLock_; }
    void EndRedrawLock();

    TDCVertListItems items_{*this};
    std::unique_ptr<TDCScrollButton> downButton_, upButton_;
    TMemoryDC measureDc_;

    bool dragEnabled_ = true;
    TColor dragPlaceColor_ = clBlack;
    TColor highlightColor_ = clBtnFace;
    TColor highlightFontColor_ = clBlack;
    bool highlightSelection_ = false;
    int itemSpace_ = 0;
    TScrollButtonsPos scrollButtonsPos_ = TScrollButtonsPos::spTopAndBottom;
    TSelectionType selectionType_ = TSelectionType::stStandard;
    bool sunkSelected_ = false;
    bool useDblClick_ = false;
    TViewStyle viewStyle_ = TViewStyle::vsIcon;
    int wrapLineCount_ = 1;
    bool readOnly_ = false;
    TCustomImageList* largeImages_ = nullptr;
    TCustomImageList* smallImages_ = nullptr;
    std::wstring version_;

    int topMargin_ = 0;
    int itemInset_ = 0;
    int textHeight_ = 0;
};

} // namespace yq
