#include "VelaButton.h"

#include "Application.h"
#include "Paint.h"
#include "Screen.h"
#include "VelaKinds.h"
#include "VelaPainter.h"

#include <stdexcept>

namespace yq {

YQ_CLASS_INFO(TVelaCustomButton, TCustomControl)

namespace {

constexpr int kDefaultWidth = 75, kDefaultHeight = 25;
constexpr int kDefaultRepeatMs = 50;
// The cursor number the hand cursor is registered under.
constexpr TCursor kHandCursor = 1;
constexpr wchar_t kVersion[] = L"1.0";

// The character after a single '&' of the caption ("&&" is a plain '&').
bool IsAccel(wchar_t key, const std::wstring& caption) {
    wchar_t hotkey = 0;
    for (size_t i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != L'&') continue;
        ++i;
        if (caption[i] != L'&') hotkey = caption[i];
    }
    if (!hotkey) return false;
    return CharUpperW(reinterpret_cast<LPWSTR>(static_cast<ULONG_PTR>(key))) ==
           CharUpperW(reinterpret_cast<LPWSTR>(static_cast<ULONG_PTR>(hotkey)));
}

TTimer* MakeTimer(TComponent* owner, const char* name, std::function<void()> fired) {
    auto* timer = new TTimer(owner, false);
    timer->SetName(name);
    timer->SetInterval(kDefaultRepeatMs);
    timer->OnTimer = [fired = std::move(fired)](TComponent*) { fired(); };
    return timer;
}

} // namespace

TVelaCustomButton::TVelaCustomButton(TComponent* owner)
    : TCustomControl(owner), glyph_(std::make_unique<TBitmap>()), glyphHot_(std::make_unique<TBitmap>()),
      workImage_(std::make_unique<TBitmap>()), workMono_(std::make_unique<TBitmap>()) {
    ControlStyle = (ControlStyle | csOpaque) & ~unsigned(csAcceptsControls);
    parentColor_ = true;
    SetBounds(0, 0, kDefaultWidth, kDefaultHeight);
    repeatStartTimer_ = MakeTimer(this, "RepeatStartTimer", [this] { RepeatStartTimerFired(); });
    repeatTimer_ = MakeTimer(this, "RepeatTimer", [this] { RepeatTimerFired(); });
    glyph_->OnChange = [this] { GlyphChanged(*glyph_, numGlyphs_); };
    glyphHot_->OnChange = [this] { GlyphChanged(*glyphHot_, numGlyphsHot_); };
    ApplyStyle();
}

TVelaCustomButton::~TVelaCustomButton() {
    MarkDestroying();
    DestroyComponents();
}

std::wstring TVelaCustomButton::Version() const {
    return kVersion;
}

// ---- style and colours -------------------------------------------------------

void TVelaCustomButton::ApplyStyle() {
    const TVelaStyleInfo& s = StyleInfo();
    idleWidth_ = s.IdleWidth;
    activeWidth_ = s.ActiveWidth;
    if (s.SetsPen) dotted_ = s.Dotted;
    if (s.Is3D) {
        SetParentColor(false);
        SetColor(clBtnFace);
    }
    if (marginStyle_ == TColorMarginDefault::cmDefault) {
        ApplyDefaultColours();
    } else {
        currentLeftTop_ = marginLeftTop_;
        currentRightBottom_ = marginRightBottom_;
    }
}

void TVelaCustomButton::ApplyDefaultColours() {
    const TVelaStyleInfo& s = StyleInfo();
    if (!s.HasDefaultColours) return;
    marginLeftTop_ = currentLeftTop_ = s.DefaultTopLeft;
    marginRightBottom_ = currentRightBottom_ = s.DefaultBottomRight;
}

// The 3-D styles keep the button face colour whatever else is set.
bool TVelaCustomButton::ForceButtonFace() {
    if (!StyleInfo().Is3D || Color() == clBtnFace) return false;
    SetColor(clBtnFace);
    return true;
}

void TVelaCustomButton::SetButtonStyle(TStyle style) {
    style_ = style;
    ApplyStyle();
    Invalidate();
}

void TVelaCustomButton::SetColorMarginStyle(TColorMarginDefault style) {
    marginStyle_ = style;
    if (style == TColorMarginDefault::cmDefault) ApplyDefaultColours();
    Invalidate();
}

void TVelaCustomButton::SetColorMarginLeftTop(TColor color) {
    if (color == marginLeftTop_) return;
    marginLeftTop_ = currentLeftTop_ = color;
    const TVelaStyleInfo& s = StyleInfo();
    if (marginStyle_ == TColorMarginDefault::cmDefault && s.HasDefaultColours && color != s.DefaultTopLeft)
        marginStyle_ = TColorMarginDefault::cmCustom;
    Invalidate();
}

void TVelaCustomButton::SetColorMarginRightBottom(TColor color) {
    if (color == marginRightBottom_) return;
    marginRightBottom_ = currentRightBottom_ = color;
    const TVelaStyleInfo& s = StyleInfo();
    if (marginStyle_ == TColorMarginDefault::cmDefault && s.HasDefaultColours &&
        color != s.DefaultBottomRight)
        marginStyle_ = TColorMarginDefault::cmCustom;
    Invalidate();
}

// ---- glyphs, layout and other settings --------------------------------------

void TVelaCustomButton::GlyphChanged(TBitmap& strip, int& count) {
    if (!strip.Empty()) count = VelaCountImages(strip.Width(), strip.Height(), count);
    Invalidate();
}

void TVelaCustomButton::SetGlyph(const TBitmap& glyph) {
    if (&glyph != glyph_.get())
        glyph_->Assign(glyph);
    else
        GlyphChanged(*glyph_, numGlyphs_);
    kind_ = TKind::skCustom;
}

void TVelaCustomButton::SetGlyphHot(const TBitmap& glyph) {
    if (&glyph != glyphHot_.get())
        glyphHot_->Assign(glyph);
    else
        GlyphChanged(*glyphHot_, numGlyphsHot_);
    kind_ = TKind::skCustom;
}

void TVelaCustomButton::SetRangedField(int& field, int value, const TVelaRange& range) {
    if (!range.Contains(value)) throw std::invalid_argument("Invalid property value");
    if (value == field) return;
    field = value;
    Invalidate();
}

void TVelaCustomButton::SetNumGlyphs(int count) {
    SetRangedField(numGlyphs_, count, kNumGlyphsRange);
}
void TVelaCustomButton::SetNumGlyphsHot(int count) {
    SetRangedField(numGlyphsHot_, count, kNumGlyphsRange);
}
void TVelaCustomButton::SetSpacing(int spacing) {
    SetRangedField(spacing_, spacing, kSpacingRange);
}
void TVelaCustomButton::SetSpacingLayout(int margin) {
    SetRangedField(spacingLayout_, margin, kMarginRange);
}
void TVelaCustomButton::SetPopupMenuMarkGap(int gap) {
    SetRangedField(popupMenuMarkGap_, gap, kMarkGapRange);
}

void TVelaCustomButton::SetLayout(TLayout layout) {
    layout_ = layout;
    Invalidate();
}

void TVelaCustomButton::SetPopupMenuMark(bool on) {
    popupMenuMark_ = on;
    Invalidate();
}

void TVelaCustomButton::SetPopupMenu(TPopupMenu* menu) {
    // An old menu keeps its free-notification link: it may name this button
    // as its popup component.
    popupMenu_ = menu;
    if (!menu) return;
    FreeNotification(menu);
    Invalidate();
}

void TVelaCustomButton::Notification(TComponent* component, TOperation operation) {
    TCustomControl::Notification(component, operation);
    if (operation == TOperation::opRemove && component == popupMenu_) popupMenu_ = nullptr;
}

void TVelaCustomButton::SetDefault(bool on) {
    default_ = on;
    // Unless a glyph button has the focus (which is then the one Enter
    // clicks), Enter follows Default at once, not only after the focus moves.
    TForm* form = ParentForm();
    if (!dynamic_cast<TVelaCustomButton*>(form ? form->ActiveControl() : nullptr)) SetActiveDefault(on);
}

void TVelaCustomButton::SetActiveDefault(bool value) {
    activeDefault_ = value;
}

void TVelaCustomButton::SetHintSecondLine(const std::wstring& line) {
    hintSecondLine_ = line;
    if (!Hint().empty() && !line.empty()) SetHint(Hint() + L"\r" + line);
}

void TVelaCustomButton::SetButtonKind(TKind kind) {
    if (kind == kind_) return;
    glyph_->Assign(TBitmap());
    glyphHot_->Assign(TBitmap());
    workImage_->Assign(TBitmap());
    workMono_->Assign(TBitmap());
    kind_ = kind;
    const TVelaKindInfo& info = VelaKindInfo(kind);
    if (kind != TKind::skCustom) {
        LoadVelaBitmap(*glyph_, info.NormalGlyph);
        LoadVelaBitmap(*glyphHot_, info.HotGlyph);
        // A button being set up from stored settings keeps its stored caption.
        if (!Loading()) SetCaption(info.Caption);
        SetNumGlyphs(1);
        SetNumGlyphsHot(1);
    }
    SetCancel(kind == TKind::skCancel || kind == TKind::skNo);
    SetDefault(kind == TKind::skOK || kind == TKind::skYes);
    Invalidate();
}

// ---- painting ----------------------------------------------------------------

void TVelaCustomButton::ShowLook(TVelaLookRow row) {
    look_ = row;
    Invalidate();
    Update();
}

void TVelaCustomButton::Paint() {
    const TVelaStyleInfo& s = StyleInfo();
    bool enabled = Enabled();
    TVelaLookState state{idleWidth_,  activeWidth_, currentLeftTop_, currentRightBottom_,
                         captionHot_, hotTrack_,    hotTrackColor_,  Font().Color()};
    TVelaPaintJob job;
    job.Client = ClientRect();
    job.Look = VelaLookFor(look_, state);
    job.Face = s.Is3D ? clBtnFace : Color();
    job.Is3D = s.Is3D;
    job.FrameRaised = style_ == TStyle::stFrameRaised;
    job.Dotted = dotted_;
    switch (VelaChooseImage(job.Look.Glyph, !glyph_->Empty(), !glyphHot_->Empty(), enabled)) {
    case TVelaImage::viNormal: {
        // Disabled: image 2 of a two-image strip, otherwise image 1 embossed.
        bool second = !enabled && numGlyphs_ == 2;
        job.Glyph = {glyph_.get(), second ? 1 : 0, numGlyphs_, !enabled && !second};
        break;
    }
    case TVelaImage::viHot:
        job.Glyph = {glyphHot_.get(), 0, numGlyphsHot_, false};
        break;
    case TVelaImage::viNone:
        break;
    }
    bool aboveOrBelow = layout_ == TLayout::blGlyphTop || layout_ == TLayout::blGlyphBottom;
    if (popupMenuMark_ && !glyph_->Empty() && (Caption().empty() || aboveOrBelow)) {
        if (!arrow_) {
            arrow_ = std::make_unique<TBitmap>();
            LoadVelaBitmap(*arrow_, kVelaArrowResource);
        }
        job.Arrow = {arrow_.get(), 0, 1, !enabled};
        job.ArrowGap = popupMenuMarkGap_;
    }
    job.Caption = Caption();
    job.Font = &Font();
    job.Enabled = enabled;
    job.FocusRect = s.Is3D && showFocused_ && focused_;
    job.Layout = layout_;
    job.Spacing = spacing_;
    job.SpacingLayout = spacingLayout_;
    job.PopupMenuMark = popupMenuMark_;
    job.Offset = offset_;
    job.Work = workImage_.get();
    job.Mono = workMono_.get();

    TOffscreen off(job.Client.right, job.Client.bottom);
    TVelaPainted painted = PaintVelaButton(off.Canvas(), job);
    glyphRect_ = painted.Glyph;
    captionRect_ = painted.Caption;
    off.CopyTo(Canvas().Handle());
}

// ---- notifications -------------------------------------------------------------

void TVelaCustomButton::WndProc(TMessage& message) {
    // Whoever takes the mouse away ends a held button's repetition.
    if (message.Msg == WM_CAPTURECHANGED && HandleAllocated() &&
        reinterpret_cast<HWND>(message.LParam) != Handle())
        StopRepeat();
    TCustomControl::WndProc(message);
}

void TVelaCustomButton::CMEnabledChanged(TMessage& message) {
    if (!Enabled()) {
        offset_ = 0;
        captionHot_ = false;
        hot_ = false;
        StopRepeat();
        look_ = TVelaLookRow::lrRepaint;
    }
    TCustomControl::CMEnabledChanged(message);
}

void TVelaCustomButton::CMColorChanged(TMessage& message) {
    if (ForceButtonFace()) return; // the nested change repaints
    TCustomControl::CMColorChanged(message);
}

void TVelaCustomButton::CMParentColorChanged(TMessage& message) {
    TCustomControl::CMParentColorChanged(message);
    ForceButtonFace();
}

void TVelaCustomButton::CMSysColorChange(TMessage& message) {
    ForceButtonFace();
    TCustomControl::CMSysColorChange(message);
}

void TVelaCustomButton::CMFontChanged(TMessage& message) {
    Canvas().Font().Assign(Font());
    TCustomControl::CMFontChanged(message);
}

void TVelaCustomButton::DoEnter() {
    focused_ = true;
    if (StyleInfo().Is3D && showFocused_) Invalidate();
    TCustomControl::DoEnter();
}

void TVelaCustomButton::DoExit() {
    focused_ = false;
    if (StyleInfo().Is3D && showFocused_) Invalidate();
    TCustomControl::DoExit();
}

// ---- keyboard ----------------------------------------------------------------

void TVelaCustomButton::CMFocusChanged(TMessage& message) {
    TCustomControl::CMFocusChanged(message);
    auto* focus = reinterpret_cast<TWinControl*>(message.LParam);
    if (dynamic_cast<TVelaCustomButton*>(focus))
        SetActiveDefault(focus == this);
    else
        SetActiveDefault(default_);
    if (StyleInfo().Is3D && focused_ && showFocused_) Invalidate();
}

void TVelaCustomButton::CMDialogKey(TMessage& message) {
    bool enter = message.WParam == VK_RETURN && activeDefault_;
    bool escape = message.WParam == VK_ESCAPE && cancel_;
    if ((enter || escape) && KeyboardShiftState() == 0 && CanFocus()) {
        Click();
        message.Result = 1;
        return;
    }
    TCustomControl::CMDialogKey(message);
}

void TVelaCustomButton::CMDialogChar(TMessage& message) {
    if (IsAccel(wchar_t(message.WParam), Caption()) && CanFocus()) {
        Click();
        message.Result = 1;
        return;
    }
    TCustomControl::CMDialogChar(message);
}

// ---- pointer -----------------------------------------------------------------

void TVelaCustomButton::CMMouseEnter(TMessage& message) {
    TCustomControl::CMMouseEnter(message);
    PointerEntered();
}

void TVelaCustomButton::CMMouseLeave(TMessage& message) {
    TCustomControl::CMMouseLeave(message);
    PointerLeft();
}

void TVelaCustomButton::PointerEntered() {
    if (!Enabled() || hot_) return;
    if (OnMouseOver) OnMouseOver(this);
    hot_ = true;
    offset_ = 0;
    if (StyleInfo().Is3D && popupMenu_ && CanFocus()) SetFocus();
    if (cursorHandCustom_) {
        Screen().SetCursors(kHandCursor, LoadVelaHandCursor());
        SetCursor(kHandCursor);
    }
    captionHot_ = true;
    // The hot look comes only after the sound, which plays to its end.
    if (playMusic_) PlayVelaEntrySound();
    if (style_ == TStyle::stFlat) ApplyStyle();
    ShowLook(TVelaLookRow::lrEnter);
    pointerLeft_ = false;
}

void TVelaCustomButton::PointerLeft() {
    if (!Enabled() || pointerLeft_) return;
    if (OnMouseOut) OnMouseOut(this);
    hot_ = false;
    offset_ = 0;
    if (cursorHandCustom_) {
        Screen().SetCursors(crDefault, LoadCursorW(nullptr, IDC_ARROW));
        SetCursor(crDefault);
    }
    StopRepeat();
    captionHot_ = false;
    ShowLook(TVelaLookRow::lrLeave);
    pointerLeft_ = true;
}

void TVelaCustomButton::MouseMove(TShiftState shift, int x, int y) {
    TCustomControl::MouseMove(shift, x, y);
    // While the button holds the mouse, the window keeps getting the moves
    // but no leave: crossing its edge counts as leaving or entering.
    if (!MouseCapture()) return;
    RECT c = ClientRect();
    bool inside = PtInRect(&c, POINT{x, y}) != FALSE;
    if (!inside && hot_)
        PointerLeft();
    else if (inside && !hot_ && pointerLeft_)
        PointerEntered();
}

void TVelaCustomButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    if (button != TMouseButton::mbLeft || !Enabled()) return;
    if (repeatAction_) repeatStartTimer_->SetEnabled(true);
    captionHot_ = true;
    offset_ = 1;
    ShowLook(TVelaLookRow::lrPressed);
    if (shift & ssDouble) {
        Click(); // the second press of a double click; its release clicks no more
        return;
    }
    if (!popupMenu_) return;
    DropDownMenu();
    TCustomControl::MouseDown(button, shift, x, y);
}

void TVelaCustomButton::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    if (button != TMouseButton::mbLeft || !Enabled() || pointerLeft_) return;
    StopRepeat();
    offset_ = 0;
    ShowLook(TVelaLookRow::lrReleased);
    if (StyleInfo().Is3D && CanFocus()) SetFocus();
    TCustomControl::MouseUp(button, shift, x, y);
}

// ---- click, kinds, drop-down menu and repetition -------------------------------

void TVelaCustomButton::Click() {
    TCustomControl::Click();
    DoKindAction();
    if (popupMenu_ && Enabled()) DropDownMenu();
}

void TVelaCustomButton::DoKindAction() {
    const TVelaKindInfo& info = VelaKindInfo(kind_);
    TForm* form = ParentForm();
    switch (info.Action) {
    case TVelaKindAction::kaModalResult:
        if (form) form->SetModalResult(info.ModalResult);
        break;
    case TVelaKindAction::kaClose:
        if (form) form->Close();
        break;
    case TVelaKindAction::kaHelp:
        for (TControl* c = this; c; c = c->Parent())
            if (c->HelpContext() != 0) {
                Application().HelpContext(c->HelpContext());
                break;
            }
        break;
    case TVelaKindAction::kaNone:
        break;
    }
}

void TVelaCustomButton::DropDownMenu() {
    TPopupMenu* menu = popupMenu_;
    POINT corner = ClientToScreen(POINT{0, 0});
    POINT at{corner.x - 1, corner.y};
    TPopupAlignment alignment = TPopupAlignment::paLeft;
    switch (positionPopup_) {
    case TPositionPopup::puDown:
        at.y += Height();
        break;
    case TPositionPopup::puLeft:
        alignment = TPopupAlignment::paRight;
        break;
    case TPositionPopup::puRight:
        at.x = corner.x + Width() + 1;
        break;
    }
    menu->SetAlignment(alignment);
    menu->SetPopupComponent(this);
    offset_ = 1;
    ShowLook(TVelaLookRow::lrPressed);
    menu->Popup(at.x, at.y);
    offset_ = 0;
    captionHot_ = false;
    StopRepeat();
    ShowLook(TVelaLookRow::lrRepaint);
}

void TVelaCustomButton::StopRepeat() {
    repeatStartTimer_->SetEnabled(false);
    repeatTimer_->SetEnabled(false);
}

void TVelaCustomButton::RepeatStartTimerFired() {
    repeatStartTimer_->SetEnabled(false);
    if (repeatAction_) repeatTimer_->SetEnabled(true);
}

// The repeated click is the plain OnClick: no kind action, no menu.
void TVelaCustomButton::RepeatTimerFired() {
    if (!repeatAction_) {
        repeatTimer_->SetEnabled(false);
        return;
    }
    if (OnClick) OnClick(this);
}

// ---- TVelaButton -----------------------------------------------------------------

namespace {
template <class R> constexpr auto Get(R (TVelaCustomButton::*get)() const) {
    return static_cast<R (TVelaButton::*)() const>(get);
}
template <class S> constexpr auto Set(void (TVelaCustomButton::*set)(S)) {
    return static_cast<void (TVelaButton::*)(S)>(set);
}
using B = TVelaCustomButton;
} // namespace

YQ_PUBLISHED(TVelaButton, TVelaCustomButton) {
    r.Bool("RepeatAction", Get(&B::RepeatAction), Set(&B::SetRepeatAction));
    r.Int("RepeatInterval", Get(&B::RepeatInterval), Set(&B::SetRepeatInterval));
    r.Int("RepeatStartInterval", Get(&B::RepeatStartInterval), Set(&B::SetRepeatStartInterval));
    r.Bool("ShowFocused", Get(&B::ShowFocused), Set(&B::SetShowFocused));
    r.Bool("CursorHandCustom", Get(&B::CursorHandCustom), Set(&B::SetCursorHandCustom));
    r.Enum("ButtonKind", Get(&B::ButtonKind), Set(&B::SetButtonKind),
           {"skCustom", "skOK", "skCancel", "skHelp", "skYes", "skNo", "skClose", "skAbort", "skRetry",
            "skIgnore", "skAll", "skSilly"});
    r.Int("ColorMarginLeftTop", Get(&B::ColorMarginLeftTop), Set(&B::SetColorMarginLeftTop));
    r.Int("ColorMarginRightBottom", Get(&B::ColorMarginRightBottom), Set(&B::SetColorMarginRightBottom));
    r.Enum("ColorMarginStyle", Get(&B::ColorMarginStyle), Set(&B::SetColorMarginStyle),
           {"cmDefault", "cmCustom"});
    r.WStr("Version", Get(&B::Version), Set(&B::SetVersion));
    r.Bool("PopupMenuMark", Get(&B::PopupMenuMark), Set(&B::SetPopupMenuMark));
    r.Int("PopupMenuMarkGap", Get(&B::PopupMenuMarkGap), Set(&B::SetPopupMenuMarkGap));
    r.Enum("PositionPopup", Get(&B::PositionPopup), Set(&B::SetPositionPopup),
           {"puDown", "puLeft", "puRight"});
    r.Bool("PlayMusic", Get(&B::PlayMusic), Set(&B::SetPlayMusic));
    r.Object("PopupMenu", Get(&B::PopupMenu));
    r.Int("HotTrackColor", Get(&B::HotTrackColor), Set(&B::SetHotTrackColor));
    r.Bool("HotTrack", Get(&B::HotTrack), Set(&B::SetHotTrack));
    r.Int("Spacing", Get(&B::Spacing), Set(&B::SetSpacing));
    r.Int("SpacingLayout", Get(&B::SpacingLayout), Set(&B::SetSpacingLayout));
    r.Int("NumGlyphs", Get(&B::NumGlyphs), Set(&B::SetNumGlyphs));
    r.Int("NumGlyphsHot", Get(&B::NumGlyphsHot), Set(&B::SetNumGlyphsHot));
    r.Object("Glyph", Get(&B::Glyph));
    r.Object("GlyphHot", Get(&B::GlyphHot));
    r.Enum("Layout", Get(&B::Layout), Set(&B::SetLayout),
           {"blGlyphLeft", "blGlyphBottom", "blGlyphRight", "blGlyphTop"});
    r.Enum("ButtonStyle", Get(&B::ButtonStyle), Set(&B::SetButtonStyle),
           {"stFlat", "stDefault", "stNone", "stRaised", "stFlatDot", "stRaisedDot", "stFrameLowered",
            "stFrameRaised"});
    r.Bool("Cancel", Get(&B::Cancel), Set(&B::SetCancel));
    r.Bool("Default", Get(&B::Default), Set(&B::SetDefault));
    r.WStr("HintSecondLine", Get(&B::HintSecondLine), Set(&B::SetHintSecondLine));
}

} // namespace yq
