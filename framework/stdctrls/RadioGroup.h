#pragma once
// TCustomRadioGroup / TRadioGroup: a group box holding one radio button
// (TGroupButton, owned by the group) per item of Items, laid out in
// Columns columns.  ItemIndex is the checked item (-1: none); a click on a
// button sets it and raises the group's OnClick.
#include "GroupBox.h"
#include "RadioButton.h"
#include "Strings.h"

#include <vector>

namespace yq {

class TCustomRadioGroup;

class TGroupButton : public TRadioButton {
    YQ_CLASS(TGroupButton, TRadioButton)
public:
    explicit TGroupButton(TCustomRadioGroup* group);

protected:
    void Toggle() override;
};

class TCustomRadioGroup : public TCustomGroupBox {
    YQ_CLASS(TCustomRadioGroup, TCustomGroupBox)
public:
    explicit TCustomRadioGroup(TComponent* owner = nullptr);

    TStrings& Items() { return items_; }
    int ItemIndex() const { return itemIndex_; }
    void SetItemIndex(int index);
    int Columns() const { return columns_; }
    void SetColumns(int columns);
    // The button of item `index`.
    TGroupButton* Buttons(int index) const { return buttons_.at(size_t(index)); }

protected:
    void AlignControls(RECT& rect) override;
    void CMEnabledChanged(TMessage& message) override;

private:
    friend class TGroupButton;
    void ItemsChanged();
    void ButtonClicked(TGroupButton* button);
    TStrings items_;
    std::vector<TGroupButton*> buttons_;
    int itemIndex_ = -1;
    int columns_ = 1;
};

class TRadioGroup : public TCustomRadioGroup {
    YQ_CLASS(TRadioGroup, TCustomRadioGroup)
public:
    using TCustomRadioGroup::TCustomRadioGroup;
};

} // namespace yq
