#pragma once
// The platform's check box.  TButtonControl is the shared part of check
// boxes and radio buttons: a BUTTON window whose check mark the object
// keeps (the window never changes it by itself), a click that toggles it,
// and CM_CHECKSTATECHANGED sent through the message method after every
// change of the mark.  TCustomCheckBox: Checked, or State with a grey
// (indeterminate) third state when AllowGrayed; a click goes unchecked ->
// checked -> grey (when allowed) -> unchecked and raises OnClick.
#include "WinControl.h"

namespace yq {

class TButtonControl : public TWinControl {
    YQ_CLASS(TButtonControl, TWinControl)
public:
    explicit TButtonControl(TComponent* owner = nullptr);

    virtual bool Checked() const = 0;
    virtual void SetChecked(bool checked) = 0;
    // Box on the right of the caption (BS_LEFTTEXT).
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment alignment);
    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool wrap);

protected:
    void CreateParamsFor(CreateParams& params) override;
    void HandleCreated() override;
    void WndProc(TMessage& message) override;
    void CMDialogChar(TMessage& message) override;
    // BM_SETCHECK value of the current state.
    virtual WPARAM CheckValue() const = 0;
    // The user clicked the control.
    virtual void Toggle() = 0;
    // Puts the mark into the window and tells everyone.
    void StateChanged();

private:
    void Recreate();
    TAlignment alignment_ = TAlignment::taRightJustify;
    bool wordWrap_ = false;
};

enum class TCheckBoxState { cbUnchecked, cbChecked, cbGrayed };

class TCustomCheckBox : public TButtonControl {
    YQ_CLASS(TCustomCheckBox, TButtonControl)
public:
    explicit TCustomCheckBox(TComponent* owner = nullptr);

    bool Checked() const override { return state_ == TCheckBoxState::cbChecked; }
    void SetChecked(bool checked) override;
    TCheckBoxState State() const { return state_; }
    void SetState(TCheckBoxState state);
    bool AllowGrayed() const { return allowGrayed_; }
    void SetAllowGrayed(bool allow) { allowGrayed_ = allow; }

protected:
    void CreateParamsFor(CreateParams& params) override;
    WPARAM CheckValue() const override;
    void Toggle() override;

private:
    TCheckBoxState state_ = TCheckBoxState::cbUnchecked;
    bool allowGrayed_ = false;
};

class TCheckBox : public TCustomCheckBox {
    YQ_CLASS(TCheckBox, TCustomCheckBox)
public:
    using TCustomCheckBox::TCustomCheckBox;
};

} // namespace yq
