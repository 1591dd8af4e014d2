#include "OutBarVertListView.h"

#include "OutBar.h"
#include "OutBarGroup.h"

namespace yq {

YQ_PUBLISHED(TDCOutBarVertListView, TDCVertListView) {
    using L = TDCOutBarVertListView;
    r.Bool("ParentBackground", &L::ParentBackground, &L::SetParentBackground);
    r.Bool("ParentBackgroundMode", &L::ParentBackgroundMode, &L::SetParentBackgroundMode);
    r.Bool("ParentDragEnabled", &L::ParentDragEnabled, &L::SetParentDragEnabled);
    r.Bool("ParentDragPlaceColor", &L::ParentDragPlaceColor, &L::SetParentDragPlaceColor);
    r.Bool("ParentGradientBeginColor", &L::ParentGradientBeginColor, &L::SetParentGradientBeginColor);
    r.Bool("ParentGradientEndColor", &L::ParentGradientEndColor, &L::SetParentGradientEndColor);
    r.Bool("ParentHighlightColor", &L::ParentHighlightColor, &L::SetParentHighlightColor);
    r.Bool("ParentHighlightFontColor", &L::ParentHighlightFontColor, &L::SetParentHighlightFontColor);
    r.Bool("ParentHighlightSelection", &L::ParentHighlightSelection, &L::SetParentHighlightSelection);
    r.Bool("ParentScrollButtonsPos", &L::ParentScrollButtonsPos, &L::SetParentScrollButtonsPos);
    r.Bool("ParentSelectionType", &L::ParentSelectionType, &L::SetParentSelectionType);
    r.Bool("ParentSunkSelected", &L::ParentSunkSelected, &L::SetParentSunkSelected);
    r.Bool("ParentUseDblClick", &L::ParentUseDblClick, &L::SetParentUseDblClick);
    r.Bool("ParentWrapLineCount", &L::ParentWrapLineCount, &L::SetParentWrapLineCount);
    r.Object("LargeImages", &L::OwnLargeImages);
    r.Object("SmallImages", &L::OwnSmallImages);
}

TDCOutBarVertListView::TDCOutBarVertListView(TComponent* owner) : TDCVertListView(owner) {
    flags_.fill(true);
    SetParentFont(true);
    SetBorderStyle(TBorderStyle::bsNone);
}

TDCOutBar* TDCOutBarVertListView::OutBar() const {
    auto* group = dynamic_cast<TDCOutBarGroup*>(Parent());
    return group ? dynamic_cast<TDCOutBar*>(group->Bar()) : nullptr;
}

void TDCOutBarVertListView::SetParentSetting(TParentSetting setting, bool on) {
    bool& flag = flags_[size_t(setting)];
    if (flag == on) return;
    flag = on;
    if (on && OutBar()) CopyFromBar(setting);
}

// The plain setters of the base keep the flag set.
void TDCOutBarVertListView::CopyFromBar(TParentSetting setting) {
    TDCOutBar* bar = OutBar();
    if (!bar) return;
    using S = TParentSetting;
    switch (setting) {
    case S::Background:
        TDCVertListView::SetBackground(bar->Background());
        break;
    case S::BackgroundMode:
        TDCVertListView::SetBackgroundMode(bar->BackgroundMode());
        break;
    case S::DragEnabled:
        TDCVertListView::SetDragEnabled(bar->DragEnabled());
        break;
    case S::DragPlaceColor:
        TDCVertListView::SetDragPlaceColor(bar->DragPlaceColor());
        break;
    case S::GradientBeginColor:
        TDCVertListView::SetGradientBeginColor(bar->GradientBeginColor());
        break;
    case S::GradientEndColor:
        TDCVertListView::SetGradientEndColor(bar->GradientEndColor());
        break;
    case S::HighlightColor:
        TDCVertListView::SetHighlightColor(bar->HighlightColor());
        break;
    case S::HighlightFontColor:
        TDCVertListView::SetHighlightFontColor(bar->HighlightFontColor());
        break;
    case S::HighlightSelection:
        TDCVertListView::SetHighlightSelection(bar->HighlightSelection());
        break;
    case S::ScrollButtonsPos:
        TDCVertListView::SetScrollButtonsPos(bar->ScrollButtonsPos());
        break;
    case S::SelectionType:
        TDCVertListView::SetSelectionType(bar->SelectionType());
        break;
    case S::SunkSelected:
        TDCVertListView::SetSunkSelected(bar->SunkSelected());
        break;
    case S::UseDblClick:
        TDCVertListView::SetUseDblClick(bar->UseDblClick());
        break;
    case S::WrapLineCount:
        TDCVertListView::SetWrapLineCount(bar->WrapLineCount());
        break;
    case S::Count:
        break;
    }
}

// ---- the list's own settings ------------------------------------------------

void TDCOutBarVertListView::SetBackground(const TBitmap& bitmap) {
    Own(TParentSetting::Background, &bitmap != &Background());
    TDCVertListView::SetBackground(bitmap);
}

void TDCOutBarVertListView::SetBackgroundMode(TBackgroundModeGlobal mode) {
    Own(TParentSetting::BackgroundMode, mode != BackgroundMode());
    TDCVertListView::SetBackgroundMode(mode);
}

void TDCOutBarVertListView::SetGradientBeginColor(TColor color) {
    Own(TParentSetting::GradientBeginColor, color != GradientBeginColor());
    TDCVertListView::SetGradientBeginColor(color);
}

void TDCOutBarVertListView::SetGradientEndColor(TColor color) {
    Own(TParentSetting::GradientEndColor, color != GradientEndColor());
    TDCVertListView::SetGradientEndColor(color);
}

void TDCOutBarVertListView::SetDragEnabled(bool enabled) {
    Own(TParentSetting::DragEnabled, enabled != DragEnabled());
    TDCVertListView::SetDragEnabled(enabled);
}

void TDCOutBarVertListView::SetDragPlaceColor(TColor color) {
    Own(TParentSetting::DragPlaceColor, color != DragPlaceColor());
    TDCVertListView::SetDragPlaceColor(color);
}

void TDCOutBarVertListView::SetHighlightColor(TColor color) {
    Own(TParentSetting::HighlightColor, color != HighlightColor());
    TDCVertListView::SetHighlightColor(color);
}

void TDCOutBarVertListView::SetHighlightFontColor(TColor color) {
    Own(TParentSetting::HighlightFontColor, color != HighlightFontColor());
    TDCVertListView::SetHighlightFontColor(color);
}

void TDCOutBarVertListView::SetHighlightSelection(bool on) {
    Own(TParentSetting::HighlightSelection, on != HighlightSelection());
    TDCVertListView::SetHighlightSelection(on);
}

void TDCOutBarVertListView::SetScrollButtonsPos(TScrollButtonsPos pos) {
    Own(TParentSetting::ScrollButtonsPos, pos != ScrollButtonsPos());
    TDCVertListView::SetScrollButtonsPos(pos);
}

void TDCOutBarVertListView::SetSelectionType(TSelectionType type) {
    Own(TParentSetting::SelectionType, type != SelectionType());
    TDCVertListView::SetSelectionType(type);
}

void TDCOutBarVertListView::SetSunkSelected(bool on) {
    Own(TParentSetting::SunkSelected, on != SunkSelected());
    TDCVertListView::SetSunkSelected(on);
}

void TDCOutBarVertListView::SetUseDblClick(bool on) {
    Own(TParentSetting::UseDblClick, on != UseDblClick());
    TDCVertListView::SetUseDblClick(on);
}

void TDCOutBarVertListView::SetWrapLineCount(int count) {
    if (count != WrapLineCount() && count >= 1) Own(TParentSetting::WrapLineCount, true);
    TDCVertListView::SetWrapLineCount(count);
}

// ---- image lists ------------------------------------------------------------

void TDCOutBarVertListView::SetOwnImages(TCustomImageList*& slot, TCustomImageList* images) {
    if (images == slot) return;
    if (slot) slot->RemoveFreeNotification(this);
    slot = images;
    if (slot) slot->FreeNotification(this);
    UpdateImageLists();
}

void TDCOutBarVertListView::SetLargeImages(TCustomImageList* images) {
    SetOwnImages(ownLarge_, images);
}

void TDCOutBarVertListView::SetSmallImages(TCustomImageList* images) {
    SetOwnImages(ownSmall_, images);
}

void TDCOutBarVertListView::UpdateImageLists() {
    TDCOutBar* bar = OutBar();
    TDCVertListView::SetLargeImages(ownLarge_ ? ownLarge_ : bar ? bar->LargeImages() : nullptr);
    TDCVertListView::SetSmallImages(ownSmall_ ? ownSmall_ : bar ? bar->SmallImages() : nullptr);
}

void TDCOutBarVertListView::Notification(TComponent* component, TOperation operation) {
    if (operation == TOperation::opRemove) {
        if (component == ownLarge_) ownLarge_ = nullptr;
        if (component == ownSmall_) ownSmall_ = nullptr;
    }
    TDCVertListView::Notification(component, operation);
}

// ---- events chained to the bar ----------------------------------------------

void TDCOutBarVertListView::DoButtonClick(TDCVertListItem* item) {
    TDCVertListView::DoButtonClick(item);
    TDCOutBar* bar = OutBar();
    if (bar && bar->OnButtonClick && Items().IndexOf(item) >= 0) bar->OnButtonClick(this, item);
}

bool TDCOutBarVertListView::DoExecuteItem(TDCVertListItem* item) {
    bool processed = false;
    TDCOutBar* bar = OutBar();
    if (bar && bar->OnExecuteItem) bar->OnExecuteItem(this, item, processed);
    if (processed) return true;
    return TDCVertListView::DoExecuteItem(item);
}

void TDCOutBarVertListView::DoHotTrackItem(TDCVertListItem* item) {
    TDCVertListView::DoHotTrackItem(item);
    TDCOutBar* bar = OutBar();
    if (bar && bar->OnHotTrackItem) bar->OnHotTrackItem(this, item);
}

TPopupMenu* TDCOutBarVertListView::DoPopupMenu(TDCVertListItem* item) {
    TDCOutBar* bar = OutBar();
    if (!bar || !bar->OnPopupMenu) return TDCVertListView::DoPopupMenu(item);
    TPopupMenu* menu = PopupMenu();
    bar->OnPopupMenu(this, item, menu);
    return menu;
}

void TDCOutBarVertListView::AfterSelect() {
    TDCVertListView::AfterSelect();
    if (TDCOutBar* bar = OutBar()) bar->ApplyOneSelected(static_cast<TDCOutBarGroup*>(Parent()));
}

void TDCOutBarVertListView::WndProc(TMessage& message) {
    if (message.Msg == WM_RBUTTONDOWN || message.Msg == WM_RBUTTONDBLCLK)
        if (TDCOutBar* bar = OutBar()) bar->HideCaptionEditor();
    TDCVertListView::WndProc(message);
}

} // namespace yq
