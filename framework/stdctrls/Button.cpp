#include "Button.h"

#include "Form.h"

namespace yq {

YQ_PUBLISHED(TButton, TWinControl) {
    r.Int("ModalResult", &TButton::ModalResult, &TButton::SetModalResult);
    r.Bool("Default", &TButton::Default, &TButton::SetDefault);
    r.Bool("Cancel", &TButton::Cancel, &TButton::SetCancel);
}

TButton::TButton(TComponent* owner) : TWinControl(owner) {
    SetBounds(0, 0, 75, 25);
    SetTabStop(true);
    // The platform's button captures the mouse and reports its own clicks.
    ControlStyle = csSetCaption | csDoubleClicks;
}

void TButton::CreateParamsFor(CreateParams& params) {
    TWinControl::CreateParamsFor(params);
    params.superclass = L"BUTTON";
    params.style |= WS_TABSTOP | (active_ ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON);
}

void TButton::SetDefault(bool value) {
    default_ = value;
    TForm* form = ParentForm();
    TWinControl* focused = form ? form->ActiveControl() : nullptr;
    if (!focused || !focused->InheritsFrom("TButton")) SetActive(value);
}

void TButton::SetActive(bool active) {
    if (active == active_) return;
    active_ = active;
    if (HandleAllocated())
        SendMessageW(Handle(), BM_SETSTYLE, active ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON, TRUE);
}

void TButton::Click() {
    if (modalResult_ != mrNone)
        if (TForm* form = ParentForm()) form->SetModalResult(modalResult_);
    TWinControl::Click();
}

void TButton::WndProc(TMessage& message) {
    if (message.Msg == CN_COMMAND) {
        if (HIWORD(message.WParam) == BN_CLICKED) Click();
        return;
    }
    TWinControl::WndProc(message);
}

void TButton::CMDialogKey(TMessage& message) {
    bool enter = message.WParam == VK_RETURN && active_;
    bool escape = message.WParam == VK_ESCAPE && cancel_;
    if ((enter || escape) && KeyboardShiftState() == 0 && Showing() && Enabled()) {
        Click();
        message.Result = 1;
        return;
    }
    TWinControl::CMDialogKey(message);
}

void TButton::CMFocusChanged(TMessage& message) {
    auto* focused = reinterpret_cast<TWinControl*>(message.LParam);
    SetActive(focused && focused->InheritsFrom("TButton") ? focused == this : default_);
    TWinControl::CMFocusChanged(message);
}

} // namespace yq
