#include "CheckBox.h"

#include <cwctype>

namespace yq {

YQ_PUBLISHED(TButtonControl, TWinControl) {
    r.Bool("Checked", &TButtonControl::Checked, &TButtonControl::SetChecked);
    r.Enum("Alignment", &TButtonControl::Alignment, &TButtonControl::SetAlignment,
           {"taLeftJustify", "taRightJustify", "taCenter"});
    r.Bool("WordWrap", &TButtonControl::WordWrap, &TButtonControl::SetWordWrap);
}

YQ_PUBLISHED(TCustomCheckBox, TButtonControl) {
    r.Enum("State", &TCustomCheckBox::State, &TCustomCheckBox::SetState,
           {"cbUnchecked", "cbChecked", "cbGrayed"});
    r.Bool("AllowGrayed", &TCustomCheckBox::AllowGrayed, &TCustomCheckBox::SetAllowGrayed);
}

YQ_CLASS_INFO(TCheckBox, TCustomCheckBox)

// ---- TButtonControl ---------------------------------------------------------

TButtonControl::TButtonControl(TComponent* owner) : TWinControl(owner) {
    SetTabStop(true);
    // The platform's button captures the mouse and reports its own clicks.
    ControlStyle = csSetCaption | csDoubleClicks;
    parentColor_ = true;
}

void TButtonControl::CreateParamsFor(CreateParams& params) {
    TWinControl::CreateParamsFor(params);
    params.superclass = L"BUTTON";
    if (alignment_ == TAlignment::taLeftJustify) params.style |= BS_LEFTTEXT;
    if (wordWrap_) params.style |= BS_MULTILINE;
}

void TButtonControl::HandleCreated() {
    TWinControl::HandleCreated();
    SendMessageW(Handle(), BM_SETCHECK, CheckValue(), 0);
}

void TButtonControl::SetAlignment(TAlignment alignment) {
    if (alignment == alignment_) return;
    alignment_ = alignment;
    Recreate();
}

void TButtonControl::SetWordWrap(bool wrap) {
    if (wrap == wordWrap_) return;
    wordWrap_ = wrap;
    Recreate();
}

void TButtonControl::Recreate() {
    if (!HandleAllocated()) return;
    DestroyHandle();
    Handle();
}

void TButtonControl::StateChanged() {
    if (HandleAllocated()) SendMessageW(Handle(), BM_SETCHECK, CheckValue(), 0);
    Perform(CM_CHECKSTATECHANGED);
}

void TButtonControl::WndProc(TMessage& message) {
    if (message.Msg == CN_COMMAND) {
        if (HIWORD(message.WParam) == BN_CLICKED) Toggle();
        return;
    }
    // The parent's colour behind the caption, as on the parent.
    if (message.Msg == CN_CTLCOLORSTATIC || message.Msg == CN_CTLCOLORBTN) {
        HDC dc = reinterpret_cast<HDC>(message.WParam);
        SetTextColor(dc, ColorToRGB(Font().Color()));
        SetBkColor(dc, ColorToRGB(Color()));
        message.Result = reinterpret_cast<LRESULT>(ColorBrush().Handle());
        return;
    }
    TWinControl::WndProc(message);
}

void TButtonControl::CMDialogChar(TMessage& message) {
    // Alt plus the underlined letter of the caption ("&A") clicks it.
    size_t amp = Caption().find(L'&');
    if (amp != std::wstring::npos && amp + 1 < Caption().size() && Enabled() && Showing() &&
        towupper(Caption()[amp + 1]) == towupper(wchar_t(message.WParam))) {
        SetFocus();
        Toggle();
        message.Result = 1;
        return;
    }
    TWinControl::CMDialogChar(message);
}

// ---- TCustomCheckBox --------------------------------------------------------

TCustomCheckBox::TCustomCheckBox(TComponent* owner) : TButtonControl(owner) {
    SetBounds(0, 0, 97, 17);
}

void TCustomCheckBox::CreateParamsFor(CreateParams& params) {
    TButtonControl::CreateParamsFor(params);
    params.style |= BS_3STATE | WS_TABSTOP;
}

WPARAM TCustomCheckBox::CheckValue() const {
    switch (state_) {
    case TCheckBoxState::cbChecked:
        return BST_CHECKED;
    case TCheckBoxState::cbGrayed:
        return BST_INDETERMINATE;
    default:
        return BST_UNCHECKED;
    }
}

void TCustomCheckBox::SetChecked(bool checked) {
    SetState(checked ? TCheckBoxState::cbChecked : TCheckBoxState::cbUnchecked);
}

void TCustomCheckBox::SetState(TCheckBoxState state) {
    if (state == state_) return;
    state_ = state;
    StateChanged();
}

void TCustomCheckBox::Toggle() {
    switch (state_) {
    case TCheckBoxState::cbUnchecked:
        SetState(TCheckBoxState::cbChecked);
        break;
    case TCheckBoxState::cbChecked:
        SetState(allowGrayed_ ? TCheckBoxState::cbGrayed : TCheckBoxState::cbUnchecked);
        break;
    case TCheckBoxState::cbGrayed:
        SetState(TCheckBoxState::cbUnchecked);
        break;
    }
    Click();
}

} // namespace yq
