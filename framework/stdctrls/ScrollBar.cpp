#include "ScrollBar.h"

#include <algorithm>

namespace yq {

YQ_PUBLISHED(TScrollBar, TWinControl) {
    r.Enum("Kind", &TScrollBar::Kind, &TScrollBar::SetKind, {"sbHorizontal", "sbVertical"});
    r.Int("Min", &TScrollBar::Min, &TScrollBar::SetMin);
    r.Int("Max", &TScrollBar::Max, &TScrollBar::SetMax);
    r.Int("Position", &TScrollBar::Position, &TScrollBar::SetPosition);
    r.Int("PageSize", &TScrollBar::PageSize, &TScrollBar::SetPageSize);
    r.Int("SmallChange", &TScrollBar::SmallChange, &TScrollBar::SetSmallChange);
    r.Int("LargeChange", &TScrollBar::LargeChange, &TScrollBar::SetLargeChange);
}

TScrollBar::TScrollBar(TComponent* owner) : TWinControl(owner) {
    SetBounds(0, 0, 121, GetSystemMetrics(SM_CYHSCROLL));
    SetTabStop(true);
    ControlStyle = csDoubleClicks;
}

void TScrollBar::CreateParamsFor(CreateParams& params) {
    TWinControl::CreateParamsFor(params);
    params.superclass = L"SCROLLBAR";
    params.style |= kind_ == TScrollBarKind::sbVertical ? SBS_VERT : SBS_HORZ;
}

void TScrollBar::HandleCreated() {
    TWinControl::HandleCreated();
    UpdateWindow();
}

void TScrollBar::Recreate() {
    if (!HandleAllocated()) return;
    DestroyHandle();
    Handle();
}

void TScrollBar::UpdateWindow() {
    if (!HandleAllocated()) return;
    SCROLLINFO si{sizeof(si), SIF_ALL | SIF_DISABLENOSCROLL};
    si.nMin = min_;
    si.nMax = max_;
    si.nPage = UINT(pageSize_);
    si.nPos = position_;
    SetScrollInfo(Handle(), SB_CTL, &si, TRUE);
}

int TScrollBar::Highest() const {
    return pageSize_ > 0 ? std::max(min_, max_ - pageSize_ + 1) : max_;
}

void TScrollBar::SetKind(TScrollBarKind kind) {
    if (kind == kind_) return;
    kind_ = kind;
    SetBounds(Left(), Top(), Height(), Width());
    Recreate();
}

void TScrollBar::SetPageSize(int value) {
    pageSize_ = std::clamp(value, 0, std::max(0, max_ - min_ + 1));
    SetParams(position_, min_, max_);
}

void TScrollBar::SetParams(int position, int min, int max) {
    if (max < min) max = min;
    min_ = min;
    max_ = max;
    pageSize_ = std::min(pageSize_, max_ - min_ + 1);
    position = std::clamp(position, min_, Highest());
    bool changed = position != position_;
    position_ = position;
    UpdateWindow();
    if (changed && OnChange) OnChange(this);
}

void TScrollBar::Scroll(TMessage& message) {
    auto code = TScrollCode(std::min<int>(LOWORD(message.WParam), int(TScrollCode::scEndScroll)));
    int pos = position_;
    switch (code) {
    case TScrollCode::scLineUp:
        pos -= smallChange_;
        break;
    case TScrollCode::scLineDown:
        pos += smallChange_;
        break;
    case TScrollCode::scPageUp:
        pos -= largeChange_;
        break;
    case TScrollCode::scPageDown:
        pos += largeChange_;
        break;
    case TScrollCode::scPosition:
    case TScrollCode::scTrack: {
        SCROLLINFO si{sizeof(si), SIF_TRACKPOS};
        GetScrollInfo(Handle(), SB_CTL, &si);
        pos = si.nTrackPos;
        break;
    }
    case TScrollCode::scTop:
        pos = min_;
        break;
    case TScrollCode::scBottom:
        pos = Highest();
        break;
    case TScrollCode::scEndScroll:
        break;
    }
    pos = std::clamp(pos, min_, Highest());
    if (OnScroll) OnScroll(this, code, pos);
    SetPosition(pos);
    message.Result = 0;
}

void TScrollBar::WndProc(TMessage& message) {
    if (message.Msg == CN_HSCROLL || message.Msg == CN_VSCROLL) {
        Scroll(message);
        return;
    }
    TWinControl::WndProc(message);
}

} // namespace yq
