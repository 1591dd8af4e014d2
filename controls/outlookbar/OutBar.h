#pragma once
// TDCOutBar: the group bar of the outlook form.  Each group it adds holds
// one TDCOutBarVertListView, and the bar hands its list settings down to
// every list whose matching Parent... flag is set.  Its item events are
// raised for every list of the bar; OneSelected keeps at most one list
// with a selected item.
#include "Bitmap.h"
#include "GroupBar.h"
#include "ImgList.h"
#include "OutBarVertListView.h"

namespace yq {

class TDCOutBar : public TDCGroupBar {
    YQ_CLASS(TDCOutBar, TDCGroupBar)
public:
    explicit TDCOutBar(TComponent* owner = nullptr);
    ~TDCOutBar() override;

    TDCOutBarGroup* AddGroup() override;
    // Makes the list a new group holds; owned by the bar's owner.
    virtual TDCOutBarVertListView* CreateListView();

    const TBitmap& Background() const { return background_; }
    TBitmap* BackgroundPtr() const { return const_cast<TBitmap*>(&background_); }
    // Copies the picture (any later change of it is handed down again).
    void SetBackground(const TBitmap& bitmap);
    TBackgroundModeGlobal BackgroundMode() const { return backgroundMode_; }
    void SetBackgroundMode(TBackgroundModeGlobal mode);
    bool DragEnabled() const { return dragEnabled_; }
    void SetDragEnabled(bool enabled);
    TColor DragPlaceColor() const { return dragPlaceColor_; }
    void SetDragPlaceColor(TColor color);
    TColor GradientBeginColor() const { return gradientBegin_; }
    void SetGradientBeginColor(TColor color);
    TColor GradientEndColor() const { return gradientEnd_; }
    void SetGradientEndColor(TColor color);
    TColor HighlightColor() const { return highlightColor_; }
    void SetHighlightColor(TColor color);
    TColor HighlightFontColor() const { return highlightFontColor_; }
    void SetHighlightFontColor(TColor color);
    bool HighlightSelection() const { return highlightSelection_; }
    void SetHighlightSelection(bool on);
    TScrollButtonsPos ScrollButtonsPos() const { return scrollButtonsPos_; }
    void SetScrollButtonsPos(TScrollButtonsPos pos);
    TSelectionType SelectionType() const { return selectionType_; }
    void SetSelectionType(TSelectionType type);
    bool SunkSelected() const { return sunkSelected_; }
    void SetSunkSelected(bool on);
    bool UseDblClick() const { return useDblClick_; }
    void SetUseDblClick(bool on);
    int WrapLineCount() const { return wrapLineCount_; }
    void SetWrapLineCount(int count);
    TCustomImageList* LargeImages() const { return largeImages_; }
    void SetLargeImages(TCustomImageList* images);
    TCustomImageList* SmallImages() const { return smallImages_; }
    void SetSmallImages(TCustomImageList* images);
    bool OneSelected() const { return oneSelected_; }
    void SetOneSelected(bool on);

    TListItemEvent OnButtonClick;
    TExecuteItemEvent OnExecuteItem;
    TListItemEvent OnHotTrackItem;
    TPopupMenuEvent OnPopupMenu;

    // With OneSelected on, every list but `group`'s loses its selection.
    void ApplyOneSelected(TDCOutBarGroup* group);

protected:
    void Notification(TComponent* component, TOperation operation) override;

private:
    void HandDown(TParentSetting setting);
    template <class T> void Change(T& member, T value, TParentSetting setting);
    void SetImages(TCustomImageList*& slot, TCustomImageList* images);

    TBitmap background_;
    TBackgroundModeGlobal backgroundMode_ = TBackgroundModeGlobal::bkmNone;
    bool dragEnabled_ = true;
    TColor dragPlaceColor_ = clBlack;
    TColor gradientBegin_ = clBlue;
    TColor gradientEnd_ = clBlack;
    TColor highlightColor_ = clBtnFace;
    TColor highlightFontColor_ = clBlack;
    bool highlightSelection_ = false;
    TScrollButtonsPos scrollButtonsPos_ = TScrollButtonsPos::spTopAndBottom;
    TSelectionType selectionType_ = TSelectionType::stStandard;
    bool sunkSelected_ = false;
    bool useDblClick_ = false;
    int wrapLineCount_ = 1;
    TCustomImageList* largeImages_ = nullptr;
    TCustomImageList* smallImages_ = nullptr;
    bool oneSelected_ = false;
};

} // namespace yq
