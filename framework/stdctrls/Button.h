#pragma once
// TButton: the platform's push button.  A click (mouse, Space, or Enter or
// Esc through Default and Cancel) runs OnClick after setting the parent
// form's ModalResult to the button's own, when that is not mrNone.  The
// Default button is the one Enter presses unless another button has the
// focus (then that one is shown and pressed as the default).
#include "WinControl.h"

namespace yq {

class TButton : public TWinControl {
    YQ_CLASS(TButton, TWinControl)
public:
    explicit TButton(TComponent* owner = nullptr);

    int ModalResult() const { return modalResult_; }
    void SetModalResult(int result) { modalResult_ = result; }
    bool Default() const { return default_; }
    void SetDefault(bool value);
    bool Cancel() const { return cancel_; }
    void SetCancel(bool value) { cancel_ = value; }

    void Click() override;

protected:
    void CreateParamsFor(CreateParams& params) override;
    void WndProc(TMessage& message) override;
    void CMDialogKey(TMessage& message) override;
    void CMFocusChanged(TMessage& message) override;

private:
    void SetActive(bool active);

    int modalResult_ = 0;
    bool default_ = false;
    bool cancel_ = false;
    bool active_ = false; // drawn and pressed as the default button
};

} // namespace yq
