#pragma once
// TVelaCustomButton / TVelaButton: a flat, self-drawn push button with a
// bitmap glyph and a caption.  It highlights while the pointer is over it
// (frame, caption colour, optional hot glyph), sinks by one pixel while
// pressed, shows a hand cursor, can play a sound when the pointer enters,
// repeat its click while held, drop down a popup menu, and take a preset
// kind (OK, Cancel, Yes, ...) with its glyphs, caption and modal result.
//
// The look of each moment comes from VelaLookFor (VelaLook.h); the pointer
// handlers choose the row and paint at once, and every other repaint keeps
// the row the last pointer event chose.  The two repeat timers are owned
// components named "RepeatStartTimer" and "RepeatTimer".
#include "Bitmap.h"
#include "CustomControl.h"
#include "Menus.h"
#include "Timer.h"
#include "VelaLook.h"
#include "VelaTypes.h"

#include <memory>
#include <string>

namespace yq {

class TVelaCustomButton : public TCustomControl {
    YQ_CLASS(TVelaCustomButton, TCustomControl)
public:
    explicit TVelaCustomButton(TComponent* owner = nullptr);
    ~TVelaCustomButton() override;

    bool RepeatAction() const { return repeatAction_; }
    void SetRepeatAction(bool on) { repeatAction_ = on; }
    int RepeatInterval() const { return repeatTimer_->Interval(); }
    void SetRepeatInterval(int ms) { repeatTimer_->SetInterval(ms); }
    int RepeatStartInterval() const { return repeatStartTimer_->Interval(); }
    void SetRepeatStartInterval(int ms) { repeatStartTimer_->SetInterval(ms); }
    bool ShowFocused() const { return showFocused_; }
    void SetShowFocused(bool on) { showFocused_ = on; }
    bool CursorHandCustom() const { return cursorHandCustom_; }
    void SetCursorHandCustom(bool on) { cursorHandCustom_ = on; }
    TKind ButtonKind() const { return kind_; }
    void SetButtonKind(TKind kind);
    TColor ColorMarginLeftTop() const { return marginLeftTop_; }
    void SetColorMarginLeftTop(TColor color);
    TColor ColorMarginRightBottom() const { return marginRightBottom_; }
    void SetColorMarginRightBottom(TColor color);
    TColorMarginDefault ColorMarginStyle() const { return marginStyle_; }
    void SetColorMarginStyle(TColorMarginDefault style);
    // A fixed text; assigning it changes nothing.
    std::wstring Version() const;
    void SetVersion(const std::wstring&) {}
    bool PopupMenuMark() const { return popupMenuMark_; }
    void SetPopupMenuMark(bool on);
    int PopupMenuMarkGap() const { return popupMenuMarkGap_; }
    void SetPopupMenuMarkGap(int gap);
    TPositionPopup PositionPopup() const { return positionPopup_; }
    void SetPositionPopup(TPositionPopup position) { positionPopup_ = position; }
    bool PlayMusic() const { return playMusic_; }
    void SetPlayMusic(bool on) { playMusic_ = on; }
    TPopupMenu* PopupMenu() const { return popupMenu_; }
    void SetPopupMenu(TPopupMenu* menu);
    TColor HotTrackColor() const { return hotTrackColor_; }
    void SetHotTrackColor(TColor color) { hotTrackColor_ = color; }
    bool HotTrack() const { return hotTrack_; }
    void SetHotTrack(bool on) { hotTrack_ = on; }
    int Spacing() const { return spacing_; }
    void SetSpacing(int spacing);
    int SpacingLayout() const { return spacingLayout_; }
    void SetSpacingLayout(int margin);
    int NumGlyphs() const { return numGlyphs_; }
    void SetNumGlyphs(int count);
    int NumGlyphsHot() const { return numGlyphsHot_; }
    void SetNumGlyphsHot(int count);
    // The glyph strips, owned.  Changing one in place recounts its images
    // and repaints; the setters also make the button a custom kind.
    TBitmap* Glyph() const { return glyph_.get(); }
    void SetGlyph(const TBitmap& glyph);
    TBitmap* GlyphHot() const { return glyphHot_.get(); }
    void SetGlyphHot(const TBitmap& glyph);
    TLayout Layout() const { return layout_; }
    void SetLayout(TLayout layout);
    TStyle ButtonStyle() const { return style_; }
    void SetButtonStyle(TStyle style);
    bool Cancel() const { return cancel_; }
    void SetCancel(bool on) { cancel_ = on; }
    bool Default() const { return default_; }
    void SetDefault(bool on);
    const std::wstring& HintSecondLine() const { return hintSecondLine_; }
    void SetHintSecondLine(const std::wstring& line);

    TNotifyEvent OnMouseOver;
    TNotifyEvent OnMouseOut;

    // The standard click, then the kind's action, then the drop-down menu.
    void Click() override;
    // Whether Enter clicks this button.
    bool ActiveDefault() const { return activeDefault_; }
    // The pointer is over the enabled button.
    bool Hot() const { return hot_; }
    // Where the last paint put the glyph and the caption.
    RECT GlyphRect() const { return glyphRect_; }
    RECT CaptionRect() const { return captionRect_; }

protected:
    void Paint() override;
    virtual void SetActiveDefault(bool value);
    void Notification(TComponent* component, TOperation operation) override;
    void WndProc(TMessage& message) override;

    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void DoEnter() override;
    void DoExit() override;

    void CMMouseEnter(TMessage& message) override;
    void CMMouseLeave(TMessage& message) override;
    void CMEnabledChanged(TMessage& message) override;
    void CMColorChanged(TMessage& message) override;
    void CMParentColorChanged(TMessage& message) override;
    void CMSysColorChange(TMessage& message) override;
    void CMFontChanged(TMessage& message) override;
    void CMFocusChanged(TMessage& message) override;
    void CMDialogKey(TMessage& message) override;
    void CMDialogChar(TMessage& message) override;

private:
    const TVelaStyleInfo& StyleInfo() const { return VelaStyleInfo(style_); }
    void ApplyStyle();
    void ApplyDefaultColours();
    bool ForceButtonFace();
    void GlyphChanged(TBitmap& strip, int& count);
    void ShowLook(TVelaLookRow row);
    void PointerEntered();
    void PointerLeft();
    void DropDownMenu();
    void DoKindAction();
    void StopRepeat();
    void RepeatStartTimerFired();
    void RepeatTimerFired();
    void SetRangedField(int& field, int value, const TVelaRange& range);

    TTimer* repeatStartTimer_ = nullptr;
    TTimer* repeatTimer_ = nullptr;
    bool repeatAction_ = false;
    bool showFocused_ = true;
    bool cursorHandCustom_ = true;
    TKind kind_ = TKind::skCustom;
    TColor marginLeftTop_ = clBtnHighlight;
    TColor marginRightBottom_ = clBtnShadow;
    TColorMarginDefault marginStyle_ = TColorMarginDefault::cmDefault;
    bool popupMenuMark_ = false;
    int popupMenuMarkGap_ = 5;
    TPositionPopup positionPopup_ = TPositionPopup::puDown;
    bool playMusic_ = false;
    TPopupMenu* popupMenu_ = nullptr;
    TColor hotTrackColor_ = clBlue;
    bool hotTrack_ = true;
    int spacing_ = 4;
    int spacingLayout_ = 3;
    int numGlyphs_ = 2;
    int numGlyphsHot_ = 2;
    std::unique_ptr<TBitmap> glyph_, glyphHot_;
    std::unique_ptr<TBitmap> workImage_, workMono_;
    std::unique_ptr<TBitmap> arrow_; // loaded when first drawn
    TLayout layout_ = TLayout::blGlyphLeft;
    TStyle style_ = TStyle::stFlat;
    bool cancel_ = false;
    bool default_ = false;
    std::wstring hintSecondLine_;

    // Drawing state (style settings and the current look).
    int idleWidth_ = 0, activeWidth_ = 1;
    bool dotted_ = false;
    TColor currentLeftTop_ = clBtnHighlight, currentRightBottom_ = clBtnShadow;
    TVelaLookRow look_ = TVelaLookRow::lrRepaint;
    // Pointer and focus state.
    bool hot_ = false;
    bool pointerLeft_ = false;
    bool captionHot_ = false;
    bool focused_ = false;
    bool activeDefault_ = false;
    int offset_ = 0;
    RECT glyphRect_{}, captionRect_{};
};

// The button as placed on the windows, with its properties published.
class TVelaButton : public TVelaCustomButton {
    YQ_CLASS(TVelaButton, TVelaCustomButton)
public:
    using TVelaCustomButton::TVelaCustomButton;
};

} // namespace yq
