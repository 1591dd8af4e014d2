#include "UpDown.h"

#include "CommonControls.h"

#include <algorithm>

namespace yq {

YQ_PUBLISHED(TCustomUpDown, TWinControl) {
    r.Int("Min", &TCustomUpDown::Min, &TCustomUpDown::SetMin);
    r.Int("Max", &TCustomUpDown::Max, &TCustomUpDown::SetMax);
    r.Int("Position", &TCustomUpDown::Position, &TCustomUpDown::SetPosition);
    r.Int("Increment", &TCustomUpDown::Increment, &TCustomUpDown::SetIncrement);
    r.Bool("Wrap", &TCustomUpDown::Wrap, &TCustomUpDown::SetWrap);
    r.Bool("ArrowKeys", &TCustomUpDown::ArrowKeys, &TCustomUpDown::SetArrowKeys);
    r.Bool("Thousands", &TCustomUpDown::Thousands, &TCustomUpDown::SetThousands);
    r.Enum("Orientation", &TCustomUpDown::Orientation, &TCustomUpDown::SetOrientation,
           {"udVertical", "udHorizontal"});
    r.Enum("AlignButton", &TCustomUpDown::AlignButton, &TCustomUpDown::SetAlignButton, {"udLeft", "udRight"});
    r.Object("Associate", &TCustomUpDown::Associate);
}

YQ_CLASS_INFO(TUpDown, TCustomUpDown)

TCustomUpDown::TCustomUpDown(TComponent* owner) : TWinControl(owner) {
    SetBounds(0, 0, 17, 21);
    ControlStyle = csDoubleClicks;
}

void TCustomUpDown::CreateParamsFor(CreateParams& params) {
    InitCommonControl(ICC_UPDOWN_CLASS);
    TWinControl::CreateParamsFor(params);
    params.superclass = UPDOWN_CLASSW;
    params.style |=
        UDS_SETBUDDYINT | (alignButton_ == TUDAlignButton::udRight ? UDS_ALIGNRIGHT : UDS_ALIGNLEFT);
    if (wrap_) params.style |= UDS_WRAP;
    if (arrowKeys_) params.style |= UDS_ARROWKEYS;
    if (!thousands_) params.style |= UDS_NOTHOUSANDS;
    if (orientation_ == TUDOrientation::udHorizontal) params.style |= UDS_HORZ;
}

void TCustomUpDown::HandleCreated() {
    TWinControl::HandleCreated();
    HWND h = Handle();
    SendMessageW(h, UDM_SETRANGE32, WPARAM(min_), LPARAM(max_));
    UDACCEL accel{0, UINT(increment_)};
    SendMessageW(h, UDM_SETACCEL, 1, LPARAM(&accel));
    if (associate_) SendMessageW(h, UDM_SETBUDDY, WPARAM(associate_->Handle()), 0);
    SendMessageW(h, UDM_SETPOS32, 0, LPARAM(position_));
}

void TCustomUpDown::Recreate() {
    if (!HandleAllocated()) return;
    position_ = Position();
    DestroyHandle();
    Handle();
}

void TCustomUpDown::SetMin(int value) {
    min_ = value;
    if (HandleAllocated()) SendMessageW(Handle(), UDM_SETRANGE32, WPARAM(min_), LPARAM(max_));
}

void TCustomUpDown::SetMax(int value) {
    max_ = value;
    if (HandleAllocated()) SendMessageW(Handle(), UDM_SETRANGE32, WPARAM(min_), LPARAM(max_));
}

int TCustomUpDown::Position() const {
    if (!HandleAllocated()) return position_;
    return int(SendMessageW(const_cast<TCustomUpDown*>(this)->Handle(), UDM_GETPOS32, 0, 0));
}

void TCustomUpDown::SetPosition(int value) {
    position_ = std::clamp(value, std::min(min_, max_), std::max(min_, max_));
    if (HandleAllocated()) SendMessageW(Handle(), UDM_SETPOS32, 0, LPARAM(position_));
}

void TCustomUpDown::SetIncrement(int value) {
    increment_ = value;
    if (!HandleAllocated()) return;
    UDACCEL accel{0, UINT(increment_)};
    SendMessageW(Handle(), UDM_SETACCEL, 1, LPARAM(&accel));
}

void TCustomUpDown::SetWrap(bool wrap) {
    if (wrap == wrap_) return;
    wrap_ = wrap;
    Recreate();
}

void TCustomUpDown::SetArrowKeys(bool keys) {
    if (keys == arrowKeys_) return;
    arrowKeys_ = keys;
    Recreate();
}

void TCustomUpDown::SetThousands(bool thousands) {
    if (thousands == thousands_) return;
    thousands_ = thousands;
    Recreate();
}

void TCustomUpDown::SetOrientation(TUDOrientation orientation) {
    if (orientation == orientation_) return;
    orientation_ = orientation;
    SetBounds(Left(), Top(), Height(), Width());
    Recreate();
}

void TCustomUpDown::SetAlignButton(TUDAlignButton align) {
    if (align == alignButton_) return;
    alignButton_ = align;
    Recreate();
}

void TCustomUpDown::SetAssociate(TWinControl* control) {
    if (control == associate_) return;
    if (associate_) associate_->RemoveFreeNotification(this);
    associate_ = control;
    if (associate_) associate_->FreeNotification(this);
    if (!HandleAllocated()) return;
    // The platform attaches the buddy and moves beside it; a new window
    // starts clean.
    Recreate();
}

void TCustomUpDown::Notification(TComponent* component, TOperation operation) {
    TWinControl::Notification(component, operation);
    if (operation == TOperation::opRemove && component == associate_) {
        associate_ = nullptr;
        if (HandleAllocated()) SendMessageW(Handle(), UDM_SETBUDDY, 0, 0);
    }
}

void TCustomUpDown::DeltaPos(TMessage& message) {
    auto* nm = reinterpret_cast<NMUPDOWN*>(message.LParam);
    lastButton_ = nm->iDelta > 0 ? TUDBtnType::btNext : TUDBtnType::btPrev;
    bool allow = true;
    if (OnChanging) OnChanging(this, allow);
    message.Result = allow ? 0 : 1;
}

void TCustomUpDown::Scrolled(TMessage& message) {
    if (LOWORD(message.WParam) == SB_THUMBPOSITION) {
        position_ = Position();
        if (OnUDClick) OnUDClick(this, lastButton_);
        Click();
    }
    message.Result = 0;
}

void TCustomUpDown::WndProc(TMessage& message) {
    switch (message.Msg) {
    case CN_NOTIFY:
        if (reinterpret_cast<NMHDR*>(message.LParam)->code == UDN_DELTAPOS) {
            DeltaPos(message);
            return;
        }
        break;
    case CN_HSCROLL:
    case CN_VSCROLL:
        Scrolled(message);
        return;
    }
    TWinControl::WndProc(message);
}

} // namespace yq
