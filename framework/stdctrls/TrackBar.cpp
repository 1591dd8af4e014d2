#include "TrackBar.h"

#include "CommonControls.h"

#include <algorithm>

namespace yq {

YQ_PUBLISHED(TTrackBar, TWinControl) {
    r.Int("Min", &TTrackBar::Min, &TTrackBar::SetMin);
    r.Int("Max", &TTrackBar::Max, &TTrackBar::SetMax);
    r.Int("Position", &TTrackBar::Position, &TTrackBar::SetPosition);
    r.Int("Frequency", &TTrackBar::Frequency, &TTrackBar::SetFrequency);
    r.Int("PageSize", &TTrackBar::PageSize, &TTrackBar::SetPageSize);
    r.Int("LineSize", &TTrackBar::LineSize, &TTrackBar::SetLineSize);
    r.Enum("Orientation", &TTrackBar::Orientation, &TTrackBar::SetOrientation,
           {"trHorizontal", "trVertical"});
    r.Enum("TickMarks", &TTrackBar::TickMarks, &TTrackBar::SetTickMarks,
           {"tmBottomRight", "tmTopLeft", "tmBoth"});
    r.Enum("TickStyle", &TTrackBar::TickStyle, &TTrackBar::SetTickStyle, {"tsNone", "tsAuto", "tsManual"});
}

TTrackBar::TTrackBar(TComponent* owner) : TWinControl(owner) {
    SetBounds(0, 0, 150, 45);
    SetTabStop(true);
    ControlStyle = csDoubleClicks;
    parentColor_ = true;
}

void TTrackBar::CreateParamsFor(CreateParams& params) {
    InitCommonControl(ICC_BAR_CLASSES);
    TWinControl::CreateParamsFor(params);
    params.superclass = TRACKBAR_CLASSW;
    params.style |= WS_TABSTOP;
    if (orientation_ == TTrackBarOrientation::trVertical) params.style |= TBS_VERT;
    if (tickStyle_ == TTickStyle::tsNone)
        params.style |= TBS_NOTICKS;
    else if (tickStyle_ == TTickStyle::tsAuto)
        params.style |= TBS_AUTOTICKS;
    if (tickMarks_ == TTickMark::tmTopLeft) params.style |= TBS_TOP;
    if (tickMarks_ == TTickMark::tmBoth) params.style |= TBS_BOTH;
}

void TTrackBar::HandleCreated() {
    TWinControl::HandleCreated();
    HWND h = Handle();
    SendMessageW(h, TBM_SETRANGEMIN, FALSE, min_);
    SendMessageW(h, TBM_SETRANGEMAX, FALSE, max_);
    SendMessageW(h, TBM_SETTICFREQ, WPARAM(frequency_), 0);
    SendMessageW(h, TBM_SETPAGESIZE, 0, pageSize_);
    SendMessageW(h, TBM_SETLINESIZE, 0, lineSize_);
    SendMessageW(h, TBM_SETPOS, TRUE, position_);
}

void TTrackBar::Recreate() {
    if (!HandleAllocated()) return;
    DestroyHandle();
    Handle();
}

void TTrackBar::SetMin(int value) {
    min_ = value;
    max_ = std::max(max_, min_);
    if (HandleAllocated()) SendMessageW(Handle(), TBM_SETRANGEMIN, TRUE, min_);
    SetPosition(position_);
}

void TTrackBar::SetMax(int value) {
    max_ = value;
    min_ = std::min(min_, max_);
    if (HandleAllocated()) SendMessageW(Handle(), TBM_SETRANGEMAX, TRUE, max_);
    SetPosition(position_);
}

std::wstring TTrackBar::InspectText() const {
    return std::to_wstring(position_);
}

void TTrackBar::SetPosition(int value) {
    value = std::clamp(value, min_, max_);
    if (HandleAllocated()) SendMessageW(Handle(), TBM_SETPOS, TRUE, value);
    if (value == position_) return;
    position_ = value;
    if (OnChange) OnChange(this);
}

void TTrackBar::SetFrequency(int value) {
    frequency_ = value;
    if (HandleAllocated()) SendMessageW(Handle(), TBM_SETTICFREQ, WPARAM(value), 0);
}

void TTrackBar::SetPageSize(int value) {
    pageSize_ = value;
    if (HandleAllocated()) SendMessageW(Handle(), TBM_SETPAGESIZE, 0, value);
}

void TTrackBar::SetLineSize(int value) {
    lineSize_ = value;
    if (HandleAllocated()) SendMessageW(Handle(), TBM_SETLINESIZE, 0, value);
}

void TTrackBar::SetOrientation(TTrackBarOrientation orientation) {
    if (orientation == orientation_) return;
    orientation_ = orientation;
    // Turning the bar turns its size too.
    SetBounds(Left(), Top(), Height(), Width());
    Recreate();
}

void TTrackBar::SetTickMarks(TTickMark marks) {
    if (marks == tickMarks_) return;
    tickMarks_ = marks;
    Recreate();
}

void TTrackBar::SetTickStyle(TTickStyle style) {
    if (style == tickStyle_) return;
    tickStyle_ = style;
    Recreate();
}

void TTrackBar::PositionFromWindow() {
    int value = int(SendMessageW(Handle(), TBM_GETPOS, 0, 0));
    if (value == position_) return;
    position_ = value;
    if (OnChange) OnChange(this);
}

void TTrackBar::WndProc(TMessage& message) {
    switch (message.Msg) {
    case CN_HSCROLL:
    case CN_VSCROLL:
        PositionFromWindow();
        message.Result = 0;
        return;
    case CN_CTLCOLORSTATIC: {
        // The track bar asks for its background like a static control.
        HDC dc = reinterpret_cast<HDC>(message.WParam);
        SetBkColor(dc, ColorToRGB(Color()));
        message.Result = reinterpret_cast<LRESULT>(ColorBrush().Handle());
        return;
    }
    default:
        TWinControl::WndProc(message);
    }
}

} // namespace yq
