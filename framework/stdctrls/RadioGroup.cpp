#include "RadioGroup.h"

#include <algorithm>

namespace yq {

YQ_CLASS_INFO(TGroupButton, TRadioButton)

YQ_PUBLISHED(TCustomRadioGroup, TCustomGroupBox) {
    r.Int("ItemIndex", &TCustomRadioGroup::ItemIndex, &TCustomRadioGroup::SetItemIndex);
    r.Int("Columns", &TCustomRadioGroup::Columns, &TCustomRadioGroup::SetColumns);
}

YQ_CLASS_INFO(TRadioGroup, TCustomRadioGroup)

TGroupButton::TGroupButton(TCustomRadioGroup* group) : TRadioButton(group) {
    SetParent(group);
}

void TGroupButton::Toggle() {
    static_cast<TCustomRadioGroup*>(Parent())->ButtonClicked(this);
}

TCustomRadioGroup::TCustomRadioGroup(TComponent* owner) : TCustomGroupBox(owner) {
    items_.OnChanged = [this](TStringsChange, int) { ItemsChanged(); };
}

void TCustomRadioGroup::ItemsChanged() {
    while (int(buttons_.size()) > items_.Count()) {
        delete buttons_.back();
        buttons_.pop_back();
    }
    while (int(buttons_.size()) < items_.Count()) {
        auto* button = new TGroupButton(this);
        button->SetEnabled(Enabled());
        buttons_.push_back(button);
    }
    for (int i = 0; i < items_.Count(); ++i)
        buttons_[size_t(i)]->SetCaption(items_[i]);
    if (itemIndex_ >= items_.Count()) itemIndex_ = -1;
    for (size_t i = 0; i < buttons_.size(); ++i)
        buttons_[i]->SetChecked(int(i) == itemIndex_);
    Realign();
}

void TCustomRadioGroup::SetItemIndex(int index) {
    if (index < -1 || index >= items_.Count()) index = -1;
    if (index == itemIndex_) return;
    itemIndex_ = index;
    if (index >= 0)
        buttons_[size_t(index)]->SetChecked(true);
    else
        for (TGroupButton* b : buttons_)
            b->SetChecked(false);
}

void TCustomRadioGroup::SetColumns(int columns) {
    columns = std::clamp(columns, 1, 16);
    if (columns == columns_) return;
    columns_ = columns;
    Realign();
}

void TCustomRadioGroup::ButtonClicked(TGroupButton* button) {
    auto it = std::find(buttons_.begin(), buttons_.end(), button);
    if (it == buttons_.end()) return;
    SetItemIndex(int(it - buttons_.begin()));
    Click();
}

void TCustomRadioGroup::AlignControls(RECT& rect) {
    TCustomGroupBox::AlignControls(rect);
    if (buttons_.empty()) return;
    int rows = (int(buttons_.size()) + columns_ - 1) / columns_;
    int width = (rect.right - rect.left - 8) / columns_;
    int height = std::max(1L, rect.bottom - rect.top) / rows;
    for (size_t i = 0; i < buttons_.size(); ++i) {
        int col = int(i) / rows, row = int(i) % rows;
        buttons_[i]->SetBounds(rect.left + 6 + col * width, rect.top + row * height + (height - 17) / 2,
                               width, 17);
    }
}

void TCustomRadioGroup::CMEnabledChanged(TMessage& message) {
    TCustomGroupBox::CMEnabledChanged(message);
    for (TGroupButton* b : buttons_)
        b->SetEnabled(Enabled());
}

} // namespace yq
