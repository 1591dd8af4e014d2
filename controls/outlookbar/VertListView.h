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
//
// Interaction: the list scrolls by whole items (arrow buttons repeating
// every 200 ms, the wheel), tracks the item under the pointer (the hot
// item), draws a pressed item sunken and, on the release of a press that did
// not move more than 5 pixels, selects the item and raises OnButtonClick
// with it.  A press that moves further becomes an item drag: the list holds
// the mouse capture, asks the control under the pointer through its
// DragOver and, on the release, moves the item there or (Ctrl) copies it.
// As a drop target the list marks the gap where the item would go in
// DragPlaceColor and scrolls by itself while the pointer rests within 10
// pixels of its top or bottom edge.  Esc, a right press or the loss of the
// capture cancel the drag.
#include "ImgList.h"
#include "ListCaptionEdit.h"
#include "ListViewEx.h"
#include "ScrollButton.h"
#include "ThreadHook.h"
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
    static constexpr int kHoverInterval = 10;
    // A press that moves further than this (in x or y) becomes a drag.
    static constexpr int kDragThreshold = 5;
    // Pointer within this distance of the top or bottom edge: a drag
    // scrolls the list.
    static constexpr int kDragScrollEdge = 10;

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

    TPopupMenu* PopupMenu() const { return popupMenu_; }
    void SetPopupMenu(TPopupMenu* menu);

    TNotifyEvent OnAfterScroll;
    TNotifyEvent OnBeforeScroll;
    // First thing on a left press, with its client point.
    TBeforeMouseDownEvent OnBeforeMouseDown;
    // An item was clicked or became selected.
    TListItemEvent OnButtonClick;
    // An item is being executed; Processed true stops the opening of its file.
    TExecuteItemEvent OnExecuteItem;
    // The hot item changed (to none, too).
    TListItemEvent OnHotTrackItem;
    // Chooses the context menu for the hot item (none, too).
    TPopupMenuEvent OnPopupMenu;
    TLVEditingEvent OnEditing;
    TLVEditedEvent OnEdited;
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
    TDCScrollButton& DownButton() const { return *downButton_; }
    TDCScrollButton& UpButton() const { return *upButton_; }
    TDCVertListItem* PressedItem() const { return pressed_; }
    bool Armed() const { return armed_; }

    // Moves the content by (dx, dy): positive dy shows what lies below.
    void ScrollBy(int dx, int dy);
    // Scrolls by whole slots until the item shows; false when it already did
    // or the list has no height.
    bool EnsureVisible(const TDCVertListItem& item, bool partialOK);
    void ScrollOneDown();
    void ScrollOneUp();

    // The in-place caption editor: opened on request only, it stays over
    // the item's label; scrolling cancels it.
    bool EditCaption(TDCVertListItem& item);
    bool IsEditing() const { return editItem_ != nullptr; }
    void CancelEdit();
    TDCListCaptionEdit* CaptionEditor() const { return editor_.get(); }

    // Draws the whole list as a paint would, on `canvas` (client coordinates).
    void PaintContent(TCanvas& canvas, const RECT& dirty);
    // For the diagnostic tools: the items' captions in order, tab-separated.
    std::wstring InspectText() const override;

    // Item drag, source side: the control under the pointer at the last
    // move and whether it accepted; copy mode follows Ctrl.
    bool Dragging() const { return dragging_; }
    bool CopyMode() const { return copyMode_; }
    TControl* DragTarget() const { return dragTarget_; }
    bool DragAccepted() const { return dragAccepted_; }
    // Target side: where a drop would insert (0..Count), -1 for nowhere.
    int DropIndex() const { return dropIndex_; }
    // The gap under a client point: -1 outside, on an item, or below a last
    // item that is not wholly visible.
    int DropIndexAt(int x, int y) const;
    // The height of the drop marker's line for gap k, in the middle of the
    // gap above item k.
    int DropMarkerY(int k) const;
    TTimer& DragScrollTimer() const { return *dragScrollTimer_; }
    bool DragScrollingDown() const { return dragScrollDown_; }
    void DragOver(TComponent* source, int x, int y, TDragState state, bool& accept) override;
    // Erases the marker; the drop index stays for the source to read.
    void DragDrop(TComponent* source, int x, int y) override;
    // Draws the drop marker.
    void AfterPaint(TCanvas& canvas) override;

protected:
    // The item factory: items start with both extra image indexes at -1.
    virtual TDCVertListItem* CreateListItem();

    // Unless UseDblClick, executes the item; then its own OnClick and
    // OnButtonClick.
    virtual void DoButtonClick(TDCVertListItem* item);
    // OnExecuteItem, then (unless processed) opens the item's FileName.
    virtual bool DoExecuteItem(TDCVertListItem* item);
    virtual void DoHotTrackItem(TDCVertListItem* item);
    // PopupMenu, as OnPopupMenu may replace it.
    virtual TPopupMenu* DoPopupMenu(TDCVertListItem* item);
    // Runs after every item that gained the selection.
    virtual void AfterSelect() {}

    // The hot item under a client point (none over a shown arrow button),
    // and at the pointer now.
    void UpdateHot(int x, int y);
    void UpdateHotAtPointer();
    void SetHotItem(TDCVertListItem* item);

    // Item drag.  A press on an item that moves more than 5 pixels starts
    // a drag; it follows the pointer while DragEnabled, and the release
    // ends it with a drop or refused.
    virtual void DragStart(TShiftState shift);
    virtual void DragMove(int x, int y);
    virtual void DragEnd(int x, int y);
    // Clears the press (and ends a drag as refused); its release does nothing.
    virtual void CancelPressOrDrag();
    // Raises OnEndDrag, then moves or copies the dragged item into a list
    // target at its drop index.
    void DoEndDrag(TComponent* target, int x, int y) override;

    void KeyDown(WORD& key, TShiftState shift) override;
    void Click() override;
    void DoContextPopup(POINT mousePos, bool& handled) override;
    void CMMouseLeave(TMessage& message) override;

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
    std::unique_ptr<TThreadHook> keyWatch_; // the keyboard while a drag runs

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
    bool Contains(const TDCVertListItem* item) const { return item && items_.IndexOf(item) >= 0; }
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

    // Input.
    bool HandleInput(TMessage& message);
    void LeftPress(TMessage& message);
    void LeftRelease(TMessage& message);
    void LeftDoubleClick(TMessage& message);
    void RightPress(TMessage& message);
    void PointerMove(TMessage& message);
    void Wheel(TMessage& message);
    void LoseCapture(TMessage& message);
    void HoverTick();
    bool NavigateKey(WORD key);
    void PlaceEditor();
    void EndEdit(bool accept);

    // Drag and drop.
    LRESULT KeyWatch(const TThreadHook::TCall& call);
    void DragCtrlKey(bool down);
    void ShowDragCursor();
    void SetDragTarget(TControl* target);
    void MoveDraggedItem(TDCVertListView& target, TDCVertListItem& item);
    void StartDragScroll(bool down, TComponent* source, POINT at);
    void StopDragScroll();
    void DragScrollTick();
    void InvalidateDropMarker();
    void SetDropIndex(int index);
    void EndDropTarget();
    void DrawDropMarker(TCanvas& canvas);

    TDCVertListItems items_{*this};
    std::unique_ptr<TDCScrollButton> downButton_, upButton_;
    TMemoryDC measureDc_;
    TTimer* hoverTimer_ = nullptr; // owned as a component
    TPopupMenu* popupMenu_ = nullptr;
    TDCVertListItem* previouslySelected_ = nullptr;
    bool pressCancelled_ = false;
    bool clickSwallowed_ = false;
    POINT pressPoint_{0, 0};
    int wheelRemainder_ = 0;
    std::unique_ptr<TDCListCaptionEdit> editor_;
    TDCVertListItem* editItem_ = nullptr;
    bool editorChanged_ = false;

    bool copyMode_ = false;
    TCursor savedCursor_ = crDefault;
    TControl* dragTarget_ = nullptr;
    bool dragAccepted_ = false;
    int dropIndex_ = -1;
    TTimer* dragScrollTimer_ = nullptr; // owned as a component
    bool dragScrollDown_ = true;
    TControl* dragScrollSource_ = nullptr;
    POINT dragScrollPoint_{0, 0};

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
