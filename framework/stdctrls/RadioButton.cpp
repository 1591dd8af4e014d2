#include "RadioButton.h"

#include <vector>

namespace yq {

YQ_CLASS_INFO(TRadioButton, TButtonControl)

TRadioButton::TRadioButton(TComponent* owner) : TButtonControl(owner) {
    SetBounds(0, 0, 113, 17);
    SetTabStop(false);
}

void TRadioButton::CreateParamsFor(CreateParams& params) {
    TButtonControl::CreateParamsFor(params);
    params.style |= BS_RADIOBUTTON;
}

void TRadioButton::SetChecked(bool checked) {
    if (checked == checked_) return;
    checked_ = checked;
    // Only the checked button of a group is a tab stop, as in dialogs.
    SetTabStop(checked);
    if (checked && Parent()) {
        std::vector<TRadioButton*> others;
        for (int i = 0; i < Parent()->ControlCount(); ++i)
            if (Parent()->Controls(i) != this && Parent()->Controls(i)->InheritsFrom("TRadioButton"))
                others.push_back(static_cast<TRadioButton*>(Parent()->Controls(i)));
        for (TRadioButton* other : others)
            other->SetChecked(false);
    }
    StateChanged();
}

void TRadioButton::Toggle() {
    SetChecked(true);
    Click();
}

} // namespace yq
