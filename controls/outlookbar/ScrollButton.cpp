#include "ScrollButton.h"

namespace yq {

YQ_PUBLISHED(TCustomDCScrollButton, TCustomControl) {
    r.WStr("Version", &TCustomDCScrollButton::Version, &TCustomDCScrollButton::SetVersion);
}

YQ_PUBLISHED(TDCScrollButton, TCustomDCScrollButton) {
    r.Bool("AutoSize", &TDCScrollButton::AutoSize, &TDCScrollButton::SetAutoSize);
    r.Enum<TDCScrollButtonStyle, TDCScrollButtonStyle>(
        "ButtonStyle", &TDCScrollButton::ButtonStyle, &TDCScrollButton::SetButtonStyle,
        {"dcsbs_ScrollDown", "dcsbs_ScrollLeft", "dcsbs_ScrollRight", "dcsbs_ScrollUp", "dcsbs_CaptionClose",
         "dcsbs_CaptionHelp", "dcsbs_CaptionMAX", "dcsbs_CaptionMIN", "dcsbs_CaptionRestore"});
    r.Int<int, int>("Frequency", &TDCScrollButton::Frequency, &TDCScrollButton::SetFrequency);
}

namespace {

struct TGlyph {
    UINT type;
    UINT state;
};

TGlyph GlyphOf(TDCScrollButtonStyle style) {
    static constexpr TGlyph glyphs[] = {
        {DFC_SCROLL, DFCS_SCROLLDOWN},  {DFC_SCROLL, DFCS_SCROLLLEFT},    {DFC_SCROLL, DFCS_SCROLLRIGHT},
        {DFC_SCROLL, DFCS_SCROLLUP},    {DFC_CAPTION, DFCS_CAPTIONCLOSE}, {DFC_CAPTION, DFCS_CAPTIONHELP},
        {DFC_CAPTION, DFCS_CAPTIONMAX}, {DFC_CAPTION, DFCS_CAPTIONMIN},   {DFC_CAPTION, DFCS_CAPTIONRESTORE},
    };
    return glyphs[static_cast<int>(style)];
}

} // namespace

TCustomDCScrollButton::TCustomDCScrollButton(TComponent* owner) : TCustomControl(owner) {
    ControlStyle |= csOpaque;
    timer_ = new TTimer(this, false);
    timer_->OnTimer = [this](TComponent*) { RepeatTick(); };
    SetAutoSize(true);
}

TCustomDCScrollButton::~TCustomDCScrollButton() {
    delete timer_;
    timer_ = nullptr;
}

void TCustomDCScrollButton::SetAutoSize(bool autoSize) {
    autoSize_ = autoSize;
    ApplyAutoSize();
    Invalidate();
}

void TCustomDCScrollButton::ApplyAutoSize() {
    if (!autoSize_) return;
    const int side = GetSystemMetrics(SM_CXVSCROLL);
    SetBounds(left_, top_, side, side);
}

void TCustomDCScrollButton::SetButtonStyle(TDCScrollButtonStyle style) {
    if (style == buttonStyle_) return;
    buttonStyle_ = style;
    Invalidate();
}

void TCustomDCScrollButton::SetFrequency(int frequency) {
    if (frequency == frequency_ || frequency <= 0) return;
    frequency_ = frequency;
}

void TCustomDCScrollButton::DrawGlyph(HDC dc, bool pushed) {
    RECT r = ClientRect();
    TGlyph glyph = GlyphOf(buttonStyle_);
    UINT state = glyph.state;
    if (pushed) state |= DFCS_PUSHED;
    if (!Enabled()) state |= DFCS_INACTIVE;
    DrawFrameControl(dc, &r, glyph.type, state);
}

void TCustomDCScrollButton::DrawNow(bool pushed) {
    if (!HandleAllocated() || !IsWindowVisible(Handle())) return;
    TWindowDC dc(Handle());
    if (dc.Get()) DrawGlyph(dc.Get(), pushed);
}

void TCustomDCScrollButton::Paint() {
    DrawGlyph(Canvas().Handle(), false);
}

void TCustomDCScrollButton::DoSelect() {
    if (pressed_ && OnSelect) OnSelect(this);
}

void TCustomDCScrollButton::WndProc(TMessage& message) {
    if (message.Msg == WM_ERASEBKGND) {
        message.Result = 1; // the glyph covers the whole client area
        return;
    }
    TCustomControl::WndProc(message);
}

void TCustomDCScrollButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    TCustomControl::MouseDown(button, shift, x, y);
    if (button != TMouseButton::mbLeft) return;
    DrawNow(true);
    pressed_ = true;
    SetMouseCapture(true);
    timer_->SetInterval(frequency_);
    timer_->SetEnabled(true);
    DoSelect();
}

void TCustomDCScrollButton::MouseMove(TShiftState shift, int x, int y) {
    TCustomControl::MouseMove(shift, x, y);
    if (!MouseCapture()) return;
    RECT c = ClientRect();
    const bool inside = PtInRect(&c, POINT{x, y}) != FALSE;
    if (inside == pressed_) return;
    pressed_ = inside;
    DrawNow(pressed_);
}

void TCustomDCScrollButton::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    TCustomControl::MouseUp(button, shift, x, y);
    timer_->SetEnabled(false);
    pressed_ = false;
    DrawNow(false);
    SetMouseCapture(false);
}

bool TCustomDCScrollButton::PointerInside() const {
    POINT p;
    if (!GetCursorPos(&p)) return false;
    p = ScreenToClient(p);
    RECT c = ClientRect();
    return PtInRect(&c, p) != FALSE;
}

void TCustomDCScrollButton::RepeatTick() {
    if (PointerInside() && OnSelect) OnSelect(this);
}

void TCustomDCScrollButton::CMVisibleChanged(TMessage& message) {
    if (timer_) timer_->SetEnabled(false);
    if (HandleAllocated() && MouseCapture()) SetMouseCapture(false);
    TCustomControl::CMVisibleChanged(message);
}

} // namespace yq
