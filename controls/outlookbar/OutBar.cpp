#include "OutBar.h"

#include "OutBarErrors.h"
#include "OutBarGroup.h"

namespace yq {

YQ_PUBLISHED(TDCOutBar, TDCGroupBar) {
    using B = TDCOutBar;
    r.Object("Background", &B::BackgroundPtr);
    r.Enum("BackgroundMode", &B::BackgroundMode, &B::SetBackgroundMode,
           {"bkmNone", "bkmGradientHorz", "bkmGradientVert", "bkmCenter", "bkmStretch", "bkmTile"});
    r.Bool("DragEnabled", &B::DragEnabled, &B::SetDragEnabled);
    r.Int<TColor, TColor>("DragPlaceColor", &B::DragPlaceColor, &B::SetDragPlaceColor);
    r.Int<TColor, TColor>("GradientBeginColor", &B::GradientBeginColor, &B::SetGradientBeginColor);
    r.Int<TColor, TColor>("GradientEndColor", &B::GradientEndColor, &B::SetGradientEndColor);
    r.Int<TColor, TColor>("HighlightColor", &B::HighlightColor, &B::SetHighlightColor);
    r.Int<TColor, TColor>("HighlightFontColor", &B::HighlightFontColor, &B::SetHighlightFontColor);
    r.Bool("HighlightSelection", &B::HighlightSelection, &B::SetHighlightSelection);
    r.Object("LargeImages", &B::LargeImages);
    r.Bool("OneSelected", &B::OneSelected, &B::SetOneSelected);
    r.Enum("ScrollButtonsPos", &B::ScrollButtonsPos, &B::SetScrollButtonsPos,
           {"spTopAndBottom", "spTop", "spBottom"});
    r.Enum("SelectionType", &B::SelectionType, &B::SetSelectionType, {"stStandard", "stExpanded"});
    r.Object("SmallImages", &B::SmallImages);
    r.Bool("SunkSelected", &B::SunkSelected, &B::SetSunkSelected);
    r.Bool("UseDblClick", &B::UseDblClick, &B::SetUseDblClick);
    r.Int("WrapLineCount", &B::WrapLineCount, &B::SetWrapLineCount);
}

TDCOutBar::TDCOutBar(TComponent* owner) : TDCGroupBar(owner) {
    background_.OnChange = [this] { HandDown(TParentSetting::Background); };
}

TDCOutBar::~TDCOutBar() {
    background_.OnChange = nullptr;
}

TDCOutBarGroup* TDCOutBar::AddGroup() {
    TDCOutBarGroup* group = TDCGroupBar::AddGroup();
    TDCOutBarVertListView* list = CreateListView();
    list->SetParent(group);
    // The flags are set from construction: no value of the bar is copied.
    for (int s = 0; s < int(TParentSetting::Count); ++s)
        list->SetParentSetting(TParentSetting(s), true);
    list->SetAlign(TAlign::alClient);
    list->SetColor(clAppWorkSpace);
    list->Font().SetColor(clWhite);
    list->UpdateImageLists();
    return group;
}

TDCOutBarVertListView* TDCOutBar::CreateListView() {
    return new TDCOutBarVertListView(Owner());
}

void TDCOutBar::HandDown(TParentSetting setting) {
    for (int i = 0; i < GroupCount(); ++i) {
        auto* list = dynamic_cast<TDCOutBarVertListView*>(Groups(i)->List());
        if (list && list->ParentSetting(setting)) list->CopyFromBar(setting);
    }
}

void TDCOutBar::SetBackground(const TBitmap& bitmap) {
    if (&bitmap != &background_)
        background_.Assign(bitmap); // hands down through OnChange
    else
        HandDown(TParentSetting::Background);
}

// Each setter stores a changed value and hands it down.
template <class T> void TDCOutBar::Change(T& member, T value, TParentSetting setting) {
    if (value == member) return;
    member = value;
    HandDown(setting);
}

void TDCOutBar::SetBackgroundMode(TBackgroundModeGlobal mode) {
    Change(backgroundMode_, mode, TParentSetting::BackgroundMode);
}
void TDCOutBar::SetDragEnabled(bool enabled) {
    Change(dragEnabled_, enabled, TParentSetting::DragEnabled);
}
void TDCOutBar::SetDragPlaceColor(TColor color) {
    Change(dragPlaceColor_, color, TParentSetting::DragPlaceColor);
}
void TDCOutBar::SetGradientBeginColor(TColor color) {
    Change(gradientBegin_, color, TParentSetting::GradientBeginColor);
}
void TDCOutBar::SetGradientEndColor(TColor color) {
    Change(gradientEnd_, color, TParentSetting::GradientEndColor);
}
void TDCOutBar::SetHighlightColor(TColor color) {
    Change(highlightColor_, color, TParentSetting::HighlightColor);
}
void TDCOutBar::SetHighlightFontColor(TColor color) {
    Change(highlightFontColor_, color, TParentSetting::HighlightFontColor);
}
void TDCOutBar::SetHighlightSelection(bool on) {
    Change(highlightSelection_, on, TParentSetting::HighlightSelection);
}
void TDCOutBar::SetScrollButtonsPos(TScrollButtonsPos pos) {
    Change(scrollButtonsPos_, pos, TParentSetting::ScrollButtonsPos);
}
void TDCOutBar::SetSelectionType(TSelectionType type) {
    Change(selectionType_, type, TParentSetting::SelectionType);
}
void TDCOutBar::SetSunkSelected(bool on) {
    Change(sunkSelected_, on, TParentSetting::SunkSelected);
}
void TDCOutBar::SetUseDblClick(bool on) {
    Change(useDblClick_, on, TParentSetting::UseDblClick);
}

void TDCOutBar::SetWrapLineCount(int count) {
    if (count == wrapLineCount_) return;
    if (count < 1) throw EInvalidProperty();
    wrapLineCount_ = count;
    HandDown(TParentSetting::WrapLineCount);
}

void TDCOutBar::SetImages(TCustomImageList*& slot, TCustomImageList* images) {
    if (images == slot) return;
    if (slot) slot->RemoveFreeNotification(this);
    slot = images;
    if (slot) slot->FreeNotification(this);
    for (int i = 0; i < GroupCount(); ++i) {
        TDCOutBarGroup* group = Groups(i);
        for (int c = 0; c < group->ControlCount(); ++c)
            if (auto* list = dynamic_cast<TDCOutBarVertListView*>(group->Controls(c)))
                list->UpdateImageLists();
    }
}

void TDCOutBar::SetLargeImages(TCustomImageList* images) {
    SetImages(largeImages_, images);
}

void TDCOutBar::SetSmallImages(TCustomImageList* images) {
    SetImages(smallImages_, images);
}

void TDCOutBar::Notification(TComponent* component, TOperation operation) {
    TDCGroupBar::Notification(component, operation);
    if (operation != TOperation::opRemove) return;
    if (component == largeImages_) SetLargeImages(nullptr);
    if (component == smallImages_) SetSmallImages(nullptr);
}

void TDCOutBar::SetOneSelected(bool on) {
    if (on == oneSelected_) return;
    oneSelected_ = on;
    if (on) ApplyOneSelected(ActiveGroup());
}

void TDCOutBar::ApplyOneSelected(TDCOutBarGroup* group) {
    if (!oneSelected_) return;
    for (int i = 0; i < GroupCount(); ++i) {
        TDCOutBarGroup* other = Groups(i);
        if (other == group) continue;
        if (TDCVertListView* list = other->List()) list->SetSelected(nullptr);
    }
}

} // namespace yq
