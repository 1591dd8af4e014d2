#pragma once
// TCustomDCGroupBar: a vertical stack of group captions of which exactly
// one group is open.  The captions up to the open one hang from the top,
// the others stand on the bottom, and the open group's window fills the
// content area between them.  Clicking another caption opens its group
// with a sliding animation of Frequency frames drawn straight to the
// screen.  TDCGroupBar publishes it.
//
// Caption slot of group i: c(i) = (2·|Font.Height| when CaptionAutoSize,
// else CaptionHeight) + ButtonSpace; the caption takes c(i) - ButtonSpace
// pixels and the gap below it the rest.
#include "CustomControl.h"
#include "OutBarTypes.h"
#include "Timer.h"

#include <memory>
#include <string>
#include <vector>

namespace yq {

class TDCOutBarGroup;
class TDCOutBarGroupEdit;

class TCustomDCGroupBar : public TCustomControl {
    YQ_CLASS(TCustomDCGroupBar, TCustomControl)
public:
    static constexpr int kHoverInterval = 100;
    static constexpr int kDragOverInterval = 500;

    explicit TCustomDCGroupBar(TComponent* owner = nullptr);
    ~TCustomDCGroupBar() override;

    int GroupCount() const { return int(groups_.size()); }
    // "List index out of bounds (%d)" outside 0..GroupCount-1.
    TDCOutBarGroup* Groups(int index) const;
    int IndexOfGroup(const TDCOutBarGroup* group) const;
    // Creates a group owned by the bar's owner with a fresh "New Group"
    // caption, appends it and opens group 0 when none was open.
    virtual TDCOutBarGroup* AddGroup();

    // The open group; -1 when none.  Setting it is the switch: OnChanging
    // may refuse, then the animation, then OnChange.
    int ActiveGroupIndex() const { return activeIndex_; }
    void SetActiveGroupIndex(int index);
    TDCOutBarGroup* ActiveGroup() const;

    TBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TBorderStyle style);
    bool Ctl3D() const { return ctl3D_; }
    void SetCtl3D(bool ctl3D);
    bool FlatGroups() const { return flatGroups_; }
    void SetFlatGroups(bool flat);
    bool HotTrack() const { return hotTrack_; }
    void SetHotTrack(bool hotTrack);
    // At least 0; less fails with "Invalid property value".
    int ButtonSpace() const { return buttonSpace_; }
    void SetButtonSpace(int space);
    TColor ButtonSpaceColor() const { return buttonSpaceColor_; }
    void SetButtonSpaceColor(TColor color);
    TColor HotColor() const { return hotColor_; }
    void SetHotColor(TColor color);
    // Frames of the open-group animation; below 2 the switch is immediate.
    int Frequency() const { return frequency_; }
    void SetFrequency(int frequency);
    const std::wstring& Version() const { return version_; }
    void SetVersion(const std::wstring& version) { version_ = version; }

    TNotifyEvent OnChange;
    TGroupChangingEvent OnChanging;
    TGroupCaptionChangeEvent OnGroupCaptionChanged;
    TGroupCaptionChangingEvent OnGroupCaptionChanging;
    TGroupDrawEvent OnGroupDraw;

    // Geometry, in client coordinates.
    int CaptionSlotHeight(int index) const;
    RECT InnerArea() const;
    RECT ContentArea() const;
    RECT CaptionRect(int index) const;
    // The caption under a point, -1 for none (always -1 with one group).
    int GetGroupAt(int x, int y) const;
    // Moves the open group's window to the content area and repaints.
    void RealignGroups();

    int HotIndex() const { return hotIndex_; }
    int PressedIndex() const { return pressedIndex_; }
    bool PressedLook() const { return pressedLook_; }

    // A drag passing over the bar: it accepts above its last row and left
    // of its last column; resting 500 ms on a caption opens that group.
    void DragOver(TComponent* source, int x, int y, TDragState state, bool& accept) override;
    int DragOverIndex() const { return dragOverIndex_; }

    // Opens the caption editor over a caption; hiding it commits when it
    // holds the keyboard focus.
    void ShowCaptionEditor(int index);
    void HideCaptionEditor();
    TDCOutBarGroupEdit* CaptionEditor() const { return editor_; }
    bool CaptionEditorVisible() const;

    // Paints the frame around a content-area rectangle and every caption.
    void DrawFrame(TCanvas& canvas, const RECT& content);
    void DrawCaption(TCanvas& canvas, int index);

protected:
    virtual bool DoGroupDraw(TDCOutBarGroup* group, const RECT& rect);
    virtual void DoGroupCaptionChanged(TDCOutBarGroup* group);
    virtual bool DoGroupCaptionChanging(TDCOutBarGroup* group, const std::wstring& newCaption);
    virtual void DoChange();
    virtual bool DoChanging(TDCOutBarGroup* newGroup);
    // One frame of the switch animation: `offset` rows of the slide.
    virtual void AnimationFrame(HDC screen, TCanvas& image, int frame, int offset);

    void Loaded() override;
    void CreateParamsFor(CreateParams& params) override;
    void Paint() override;
    void Resize() override;
    void WndProc(TMessage& message) override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void CMFontChanged(TMessage& message) override;

private:
    friend class TDCOutBarGroup;
    friend class TDCOutBarGroupEdit;

    // Groups joining and leaving (TDCOutBarGroup calls these).
    void AttachGroup(TDCOutBarGroup* group, bool open);
    void DetachGroup(TDCOutBarGroup* group);
    void MoveGroup(TDCOutBarGroup* group, int index);
    std::wstring DefaultCaption() const;

    struct TSwitch {
        TDCOutBarGroup* oldGroup;
        TDCOutBarGroup* newGroup;
        RECT oldArea, newArea;
        bool down;
    };
    struct TAnimation {
        RECT area, oldArea, newArea;
        int height;
        bool down;
    };
    void Animate(const TSwitch& s);
    void FinishSwitch(const TSwitch& s);
    void RedrawCaption(int index);
    void DrawFrameNow(const RECT& content);
    void LeftRelease(int x, int y);
    void CancelCaptionPress();
    void HoverTick();
    void DragOverTick();
    bool SetCursorOverCaption();
    POINT PointerInClient() const;

    std::vector<TDCOutBarGroup*> groups_;
    int activeIndex_ = -1;
    int pendingIndex_ = -1;
    bool fromLoading_ = false;
    TBorderStyle borderStyle_ = TBorderStyle::bsSingle;
    bool ctl3D_ = true;
    bool flatGroups_ = true;
    bool hotTrack_ = false;
    int buttonSpace_ = 1;
    TColor buttonSpaceColor_ = clGray;
    TColor hotColor_ = clNavy;
    int frequency_ = 10;
    int hotIndex_ = -1;
    int pressedIndex_ = -1;
    bool pressedLook_ = false;
    TTimer* hoverTimer_ = nullptr;    // owned as a component
    TTimer* dragOverTimer_ = nullptr; // owned as a component
    int dragOverIndex_ = -1;
    TAnimation animation_{};
    TDCOutBarGroupEdit* editor_ = nullptr; // owned as a component
    std::wstring version_;
};

class TDCGroupBar : public TCustomDCGroupBar {
    YQ_CLASS(TDCGroupBar, TCustomDCGroupBar)
public:
    explicit TDCGroupBar(TComponent* owner = nullptr) : TCustomDCGroupBar(owner) {}
};

} // namespace yq
