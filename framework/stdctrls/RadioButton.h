#pragma once
// The platform's radio button.  Checking one (by a click or SetChecked)
// unchecks the other radio buttons of the same parent; a click on a
// checked one changes nothing but still raises OnClick.
#include "CheckBox.h"

namespace yq {

class TRadioButton : public TButtonControl {
    YQ_CLASS(TRadioButton, TButtonControl)
public:
    explicit TRadioButton(TComponent* owner = nullptr);

    bool Checked() const override { return checked_; }
    void SetChecked(bool checked) override;

protected:
    void CreateParamsFor(CreateParams& params) override;
    WPARAM CheckValue() const override { return checked_ ? BST_CHECKED : BST_UNCHECKED; }
    void Toggle() override;

private:
    bool checked_ = false;
};

} // namespace yq
