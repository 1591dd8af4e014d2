// TDCVertListView: construction, settings and the reports of the item store.
#include "VertListView.h"

#include "Menus.h"
#include "OutBarErrors.h"

namespace yq {

YQ_PUBLISHED(TDCVertListView, TCustomDCListViewEx) {
    using L = TDCVertListView;
    r.Bool("DragEnabled", &L::DragEnabled, &L::SetDragEnabled);
    r.Int<TColor, TColor>("DragPlaceColor", &L::DragPlaceColor, &L::SetDragPlaceColor);
    r.Int<TColor, TColor>("HighlightColor", &L::HighlightColor, &L::SetHighlightColor);
    r.Int<TColor, TColor>("HighlightFontColor", &L::HighlightFontColor, &L::SetHighlightFontColor);
    r.Bool("HighlightSelection", &L::HighlightSelection, &L::SetHighlightSelection);
    r.Int("ItemSpace", &L::ItemSpace, &L::SetItemSpace);
    r.Enum("ScrollButtonsPos", &L::ScrollButtonsPos, &L::SetScrollButtonsPos,
           {"spTopAndBottom", "spTop", "spBottom"});
    r.Enum("SelectionType", &L::SelectionType, &L::SetSelectionType, {"stStandard", "stExpanded"});
    r.Bool("SunkSelected", &L::SunkSelected, &L::SetSunkSelected);
    r.Bool("UseDblClick", &L::UseDblClick, &L::SetUseDblClick);
    r.Enum("ViewStyle", &L::ViewStyle, &L::SetViewStyle, {"vsIcon", "vsSmallIcon", "vsList", "vsReport"});
    r.WStr("Version", &L::Version, &L::SetVersion);
    r.Int("WrapLineCount", &L::WrapLineCount, &L::SetWrapLineCount);
    r.Bool("ReadOnly", &L::ReadOnly, &L::SetReadOnly);
    r.Object("LargeImages", &L::LargeImages);
    r.Object("SmallImages", &L::SmallImages);
    r.Object("PopupMenu", &L::PopupMenu);
}

namespace {

std::unique_ptr<TDCScrollButton> MakeScrollButton(TDCVertListView* list, TDCScrollButtonStyle style) {
    auto button = std::make_unique<TDCScrollButton>(nullptr);
    button->SetVisible(false);
    button->SetButtonStyle(style);
    button->SetFrequency(TDCVertListView::kScrollFrequency);
    button->SetParent(list);
    return button;
}

} // namespace

TDCVertListView::TDCVertListView(TComponent* owner) : TCustomDCListViewEx(owner) {
    // The list captures the mouse itself, only for a press on an item.
    ControlStyle &= ~unsigned(csCaptureMouse);
    SetTabStop(true);
    SetBounds(0, 0, 100, 200);
    downButton_ = MakeScrollButton(this, TDCScrollButtonStyle::dcsbs_ScrollDown);
    upButton_ = MakeScrollButton(this, TDCScrollButtonStyle::dcsbs_ScrollUp);
    downButton_->OnSelect = [this](TComponent*) { ScrollOneDown(); };
    upButton_->OnSelect = [this](TComponent*) { ScrollOneUp(); };
    hoverTimer_ = new TTimer(this, false);
    hoverTimer_->SetInterval(kHoverInterval);
    hoverTimer_->OnTimer = [this](TComponent*) { HoverTick(); };
    dragScrollTimer_ = new TTimer(this, false);
    dragScrollTimer_->SetInterval(kScrollFrequency);
    dragScrollTimer_->OnTimer = [this](TComponent*) { DragScrollTick(); };
    SetItemSpace(10);
    ReadTextHeight();
}

TDCVertListView::~TDCVertListView() {
    MarkDestroying();
    delete hoverTimer_;
    hoverTimer_ = nullptr;
    CancelPressOrDrag();
    delete dragScrollTimer_;
    dragScrollTimer_ = nullptr;
    editor_.reset();
    items_.Clear();
    upButton_.reset();
    downButton_.reset();
}

std::wstring TDCVertListView::InspectText() const {
    std::wstring text;
    for (int i = 0; i < items_.Count(); ++i)
        text += (i ? L"\t" : L"") + items_[i]->Caption();
    return text;
}

TDCVertListItem* TDCVertListView::CreateListItem() {
    return new TDCVertListItem(items_);
}

// ---- settings ---------------------------------------------------------------

void TDCVertListView::RepaintFrames() {
    RepaintItem(hot_);
    if (sunkSelected_) RepaintItem(Selected());
}

void TDCVertListView::SetDragEnabled(bool enabled) {
    if (enabled == dragEnabled_) return;
    RepaintFrames();
    dragEnabled_ = enabled;
    if (!enabled && dragging_) CancelPressOrDrag();
    RepaintFrames();
}

void TDCVertListView::SetDragPlaceColor(TColor color) {
    if (color == dragPlaceColor_) return;
    dragPlaceColor_ = color;
    InvalidateDropMarker();
}

void TDCVertListView::SetHighlightColor(TColor color) {
    if (color == highlightColor_) return;
    highlightColor_ = color;
    RepaintFrames();
}

void TDCVertListView::SetHighlightFontColor(TColor color) {
    if (color == highlightFontColor_) return;
    highlightFontColor_ = color;
    RepaintFrames();
}

void TDCVertListView::SetHighlightSelection(bool on) {
    if (on == highlightSelection_) return;
    highlightSelection_ = on;
    if (sunkSelected_) RepaintItem(Selected());
    UpdateHotAtPointer();
}

void TDCVertListView::SetItemSpace(int space) {
    if (space == itemSpace_) return;
    itemSpace_ = std::max(space, kMinItemSpace);
    topMargin_ = itemSpace_ / 2;
    if (HandleAllocated()) Arrange();
}

void TDCVertListView::SetScrollButtonsPos(TScrollButtonsPos pos) {
    if (pos == scrollButtonsPos_) return;
    scrollButtonsPos_ = pos;
    PlaceScrollButtons();
}

void TDCVertListView::SetSelectionType(TSelectionType type) {
    if (type == selectionType_) return;
    RepaintFrames();
    selectionType_ = type;
    RepaintFrames();
}

void TDCVertListView::SetSunkSelected(bool on) {
    if (on == sunkSelected_) return;
    sunkSelected_ = on;
    RepaintItem(Selected());
}

void TDCVertListView::SetUseDblClick(bool on) {
    useDblClick_ = on;
}

void TDCVertListView::SetViewStyle(TViewStyle style) {
    if (style == viewStyle_) return;
    if (style != TViewStyle::vsIcon && style != TViewStyle::vsSmallIcon)
        throw EInvalidProperty("Invalid view style");
    scrollOrigin_ = {0, 0};
    viewStyle_ = style;
    Arrange();
}

void TDCVertListView::SetWrapLineCount(int count) {
    if (count == wrapLineCount_) return;
    if (count < 1) throw EInvalidProperty();
    wrapLineCount_ = count;
    Arrange();
}

void TDCVertListView::SetImageList(TCustomImageList*& slot, TCustomImageList* images) {
    if (images == slot) return;
    if (slot) slot->RemoveFreeNotification(this);
    slot = images;
    if (slot) slot->FreeNotification(this);
    Arrange();
}

void TDCVertListView::SetLargeImages(TCustomImageList* images) {
    SetImageList(largeImages_, images);
}

void TDCVertListView::SetSmallImages(TCustomImageList* images) {
    SetImageList(smallImages_, images);
}

void TDCVertListView::SetPopupMenu(TPopupMenu* menu) {
    if (menu == popupMenu_) return;
    if (popupMenu_) popupMenu_->RemoveFreeNotification(this);
    popupMenu_ = menu;
    if (popupMenu_) popupMenu_->FreeNotification(this);
}

void TDCVertListView::Notification(TComponent* component, TOperation operation) {
    TCustomDCListViewEx::Notification(component, operation);
    if (operation != TOperation::opRemove) return;
    if (component == largeImages_) SetLargeImages(nullptr);
    if (component == smallImages_) SetSmallImages(nullptr);
    if (component == popupMenu_) popupMenu_ = nullptr;
    if (component == dragTarget_) dragTarget_ = nullptr;
}

void TDCVertListView::ReadTextHeight() {
    TSelectObject font(measureDc_.Get(), Font().Handle());
    TEXTMETRICW tm{};
    GetTextMetricsW(measureDc_.Get(), &tm);
    textHeight_ = tm.tmHeight;
}

void TDCVertListView::CMFontChanged(TMessage& message) {
    TCustomDCListViewEx::CMFontChanged(message);
    ReadTextHeight();
    if (!Loading()) Arrange();
}

void TDCVertListView::Loaded() {
    TCustomDCListViewEx::Loaded();
    Arrange();
}

void TDCVertListView::HandleCreated() {
    TCustomDCListViewEx::HandleCreated();
    ReadTextHeight();
    Arrange();
}

void TDCVertListView::Resize() {
    Arrange();
    TCustomDCListViewEx::Resize();
}

// ---- selection --------------------------------------------------------------

TDCVertListItem* TDCVertListView::Selected() const {
    for (int i = 0; i < items_.Count(); ++i)
        if (items_[i]->selected_) return items_[i];
    return nullptr;
}

void TDCVertListView::SetSelected(TDCVertListItem* item) {
    if (item) {
        SelectItem(item, true);
        return;
    }
    while (TDCVertListItem* selected = Selected())
        SelectItem(selected, false);
}

TDCVertListItem* TDCVertListView::ItemFocused() const {
    for (int i = 0; i < items_.Count(); ++i)
        if (items_[i]->focused_) return items_[i];
    return nullptr;
}

void TDCVertListView::SetItemFocused(TDCVertListItem* item) {
    for (int i = 0; i < items_.Count(); ++i)
        items_[i]->focused_ = items_[i] == item;
}

// One item at a time is selected: selecting one first takes the selection
// from the others, each change reported as it happens.
void TDCVertListView::SelectItem(TDCVertListItem* item, bool selected) {
    if (item->selected_ == selected) return;
    if (!ItemChanging(item, TItemChange::ctState)) return;
    if (selected)
        while (TDCVertListItem* other = Selected())
            SelectItem(other, false);
    item->selected_ = selected;
    ItemSelectionChanged(item, selected);
}

// Selecting an item by any means (code, keyboard) raises the button click
// too, unless a click is selecting it (suppress count) or it was the item
// seen selected at the last deselection.
void TDCVertListView::ItemSelectionChanged(TDCVertListItem* item, bool selected) {
    if (OnChange) OnChange(this, item, TItemChange::ctState);
    if (OnSelectItem) OnSelectItem(this, item, selected);
    RepaintItem(item);
    if (!selected) {
        previouslySelected_ = Selected();
        return;
    }
    if (suppress_ == 0) {
        if (item != previouslySelected_) DoButtonClick(item);
        if (Contains(item)) {
            RepaintItem(hot_);
            EnsureVisible(*item, false);
        }
    }
    AfterSelect();
}

// ---- reports of the item store ----------------------------------------------

void TDCVertListView::ItemInserted(TDCVertListItem* item) {
    if (OnInsert) OnInsert(this, item);
    if (suppress_ == 0 && redrawLock_ == 0) Arrange();
}

void TDCVertListView::ItemDeleting(TDCVertListItem* item) {
    if (OnDeletion && !Destroying()) OnDeletion(this, item);
    if (item == editItem_) CancelEdit();
    if (item == previouslySelected_) previouslySelected_ = nullptr;
    if (item == hot_) {
        RepaintItem(hot_);
        hot_ = nullptr;
        if (hoverTimer_) hoverTimer_->SetEnabled(false);
    }
}

// The content must not hang above the top after the column got shorter.
void TDCVertListView::ItemDeleted() {
    if (Destroying()) return;
    Arrange();
    if (items_.Count() == 0) return;
    TDCVertListItem& last = *items_[items_.Count() - 1];
    if (last.Position().y < topMargin_) EnsureVisible(last, false);
}

void TDCVertListView::ItemDestroyed(TDCVertListItem* item) {
    if (item == pressed_) pressed_ = nullptr;
    if (item == hot_) hot_ = nullptr;
}

bool TDCVertListView::ItemChanging(TDCVertListItem* item, TItemChange change) {
    bool allow = true;
    if (OnChanging) OnChanging(this, item, change, allow);
    return allow;
}

void TDCVertListView::ItemChanged(TDCVertListItem* item, TItemChange change) {
    if (OnChange) OnChange(this, item, change);
    if (redrawLock_ == 0) Arrange();
}

void TDCVertListView::EndRedrawLock() {
    if (redrawLock_ > 0 && --redrawLock_ == 0) Arrange();
}

} // namespace yq
