#pragma once
// TDCOutBarVertListView: the item list inside an outlook bar group.  Each
// Parent... flag ties one setting to the bar: while it is set, a change of
// the bar's setting is copied into the list, and setting the flag copies
// the bar's value at once.  Giving the list a different value of its own
// clears the flag.  Item events go to the bar as well: OnButtonClick and
// OnHotTrackItem after the list's own, OnExecuteItem before (the list's own
// runs only when the bar's leaves Processed false), OnPopupMenu instead.
#include "VertListView.h"

#include <array>

namespace yq {

class TDCOutBar;

// The settings a list can take from its bar.
enum class TParentSetting {
    Background,
    BackgroundMode,
    DragEnabled,
    DragPlaceColor,
    GradientBeginColor,
    GradientEndColor,
    HighlightColor,
    HighlightFontColor,
    HighlightSelection,
    ScrollButtonsPos,
    SelectionType,
    SunkSelected,
    UseDblClick,
    WrapLineCount,
    Count
};

class TDCOutBarVertListView : public TDCVertListView {
    YQ_CLASS(TDCOutBarVertListView, TDCVertListView)
public:
    explicit TDCOutBarVertListView(TComponent* owner = nullptr);

    // The bar of the group the list lies on, if any.
    TDCOutBar* OutBar() const;

    bool ParentSetting(TParentSetting setting) const { return flags_[size_t(setting)]; }
    void SetParentSetting(TParentSetting setting, bool on);
    // Copies the bar's value of a setting through the plain setter.
    void CopyFromBar(TParentSetting setting);

#define YQ_PARENT_FLAG(Name)                                                                                 \
    bool Parent##Name() const {                                                                              \
        return ParentSetting(TParentSetting::Name);                                                          \
    }                                                                                                        \
    void SetParent##Name(bool on) {                                                                          \
        SetParentSetting(TParentSetting::Name, on);                                                          \
    }
    YQ_PARENT_FLAG(Background)
    YQ_PARENT_FLAG(BackgroundMode)
    YQ_PARENT_FLAG(DragEnabled)
    YQ_PARENT_FLAG(DragPlaceColor)
    YQ_PARENT_FLAG(GradientBeginColor)
    YQ_PARENT_FLAG(GradientEndColor)
    YQ_PARENT_FLAG(HighlightColor)
    YQ_PARENT_FLAG(HighlightFontColor)
    YQ_PARENT_FLAG(HighlightSelection)
    YQ_PARENT_FLAG(ScrollButtonsPos)
    YQ_PARENT_FLAG(SelectionType)
    YQ_PARENT_FLAG(SunkSelected)
    YQ_PARENT_FLAG(UseDblClick)
    YQ_PARENT_FLAG(WrapLineCount)
#undef YQ_PARENT_FLAG

    // The list's own image lists win over the bar's.
    TCustomImageList* OwnLargeImages() const {
        return ownLarge_;
    }
    TCustomImageList* OwnSmallImages() const {
        return ownSmall_;
    }
    void SetLargeImages(TCustomImageList* images) override;
    void SetSmallImages(TCustomImageList* images) override;
    // Takes the own image lists, or the bar's where there are none.
    void UpdateImageLists();

    void SetBackground(const TBitmap& bitmap) override;
    void SetBackgroundMode(TBackgroundModeGlobal mode) override;
    void SetGradientBeginColor(TColor color) override;
    void SetGradientEndColor(TColor color) override;
    void SetDragEnabled(bool enabled) override;
    void SetDragPlaceColor(TColor color) override;
    void SetHighlightColor(TColor color) override;
    void SetHighlightFontColor(TColor color) override;
    void SetHighlightSelection(bool on) override;
    void SetScrollButtonsPos(TScrollButtonsPos pos) override;
    void SetSelectionType(TSelectionType type) override;
    void SetSunkSelected(bool on) override;
    void SetUseDblClick(bool on) override;
    void SetWrapLineCount(int count) override;

protected:
    void DoButtonClick(TDCVertListItem* item) override;
    bool DoExecuteItem(TDCVertListItem* item) override;
    void DoHotTrackItem(TDCVertListItem* item) override;
    TPopupMenu* DoPopupMenu(TDCVertListItem* item) override;
    void AfterSelect() override;
    void WndProc(TMessage& message) override;
    void Notification(TComponent* component, TOperation operation) override;

private:
    // An explicit setting of the list's own: the flag goes off first.
    void Own(TParentSetting setting, bool differs) {
        if (differs) flags_[size_t(setting)] = false;
    }
    void SetOwnImages(TCustomImageList*& slot, TCustomImageList* images);

    std::array<bool, size_t(TParentSetting::Count)> flags_;
    TCustomImageList* ownLarge_ = nullptr;
    TCustomImageList* ownSmall_ = nullptr;
};

} // namespace yq
