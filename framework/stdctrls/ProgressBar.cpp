#include "ProgressBar.h"

#include "CommonControls.h"

#include <algorithm>

namespace yq {

YQ_PUBLISHED(TProgressBar, TWinControl) {
    r.Int("Min", &TProgressBar::Min, &TProgressBar::SetMin);
    r.Int("Max", &TProgressBar::Max, &TProgressBar::SetMax);
    r.Int("Position", &TProgressBar::Position, &TProgressBar::SetPosition);
    r.Int("Step", &TProgressBar::Step, &TProgressBar::SetStep);
    r.Enum("Orientation", &TProgressBar::Orientation, &TProgressBar::SetOrientation,
           {"pbHorizontal", "pbVertical"});
    r.Bool("Smooth", &TProgressBar::Smooth, &TProgressBar::SetSmooth);
}

TProgressBar::TProgressBar(TComponent* owner) : TWinControl(owner) {
    SetBounds(0, 0, 150, 16);
    ControlStyle = csDoubleClicks;
}

void TProgressBar::CreateParamsFor(CreateParams& params) {
    InitCommonControl(ICC_PROGRESS_CLASS);
    TWinControl::CreateParamsFor(params);
    params.superclass = PROGRESS_CLASSW;
    if (orientation_ == TProgressBarOrientation::pbVertical) params.style |= PBS_VERTICAL;
    if (smooth_) params.style |= PBS_SMOOTH;
}

void TProgressBar::HandleCreated() {
    TWinControl::HandleCreated();
    SendMessageW(Handle(), PBM_SETRANGE32, WPARAM(min_), LPARAM(max_));
    SendMessageW(Handle(), PBM_SETSTEP, WPARAM(step_), 0);
    SendMessageW(Handle(), PBM_SETPOS, WPARAM(position_), 0);
}

void TProgressBar::Recreate() {
    if (!HandleAllocated()) return;
    position_ = Position();
    DestroyHandle();
    Handle();
}

void TProgressBar::SetMin(int value) {
    min_ = value;
    if (max_ < min_) max_ = min_;
    SetPosition(std::max(Position(), min_));
    if (HandleAllocated()) SendMessageW(Handle(), PBM_SETRANGE32, WPARAM(min_), LPARAM(max_));
}

void TProgressBar::SetMax(int value) {
    max_ = value;
    if (min_ > max_) min_ = max_;
    if (HandleAllocated()) SendMessageW(Handle(), PBM_SETRANGE32, WPARAM(min_), LPARAM(max_));
    SetPosition(std::min(Position(), max_));
}

int TProgressBar::Position() const {
    if (HandleAllocated())
        return int(SendMessageW(const_cast<TProgressBar*>(this)->Handle(), PBM_GETPOS, 0, 0));
    return position_;
}

void TProgressBar::SetPosition(int value) {
    position_ = std::clamp(value, min_, max_);
    if (HandleAllocated()) SendMessageW(Handle(), PBM_SETPOS, WPARAM(position_), 0);
}

void TProgressBar::SetStep(int value) {
    step_ = value;
    if (HandleAllocated()) SendMessageW(Handle(), PBM_SETSTEP, WPARAM(step_), 0);
}

void TProgressBar::StepIt() {
    int next = Position() + step_;
    SetPosition(next > max_ ? min_ + (next - max_) : next);
}

void TProgressBar::StepBy(int delta) {
    SetPosition(Position() + delta);
}

void TProgressBar::SetOrientation(TProgressBarOrientation orientation) {
    if (orientation == orientation_) return;
    orientation_ = orientation;
    Recreate();
}

void TProgressBar::SetSmooth(bool smooth) {
    if (smooth == smooth_) return;
    smooth_ = smooth;
    Recreate();
}

} // namespace yq
