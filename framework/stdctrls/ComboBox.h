#pragma once
// TCustomComboBox / TComboBox: the platform's combo box over Items, in
// three styles: csDropDown (an edit with a drop-down list), csSimple (the
// edit over an always open list) and csDropDownList (choose only).  The
// drop-down list shows up to DropDownCount items.  OnChange runs when the
// text changes (typed or chosen), OnSelect when an item is chosen,
// OnDropDown / OnCloseUp when the list opens and closes.
#include "Strings.h"
#include "WinControl.h"

namespace yq {

enum class TComboBoxStyle { csDropDown, csSimple, csDropDownList };

class TCustomComboBox : public TWinControl {
    YQ_CLASS(TCustomComboBox, TWinControl)
public:
    explicit TCustomComboBox(TComponent* owner = nullptr);

    TStrings& Items() { return items_; }
    TComboBoxStyle Style() const { return style_; }
    void SetStyle(TComboBoxStyle style);
    int ItemIndex() const;
    void SetItemIndex(int index);
    int DropDownCount() const { return dropDownCount_; }
    void SetDropDownCount(int count) { dropDownCount_ = count < 1 ? 1 : count; }
    bool DroppedDown() const;
    void SetDroppedDown(bool dropped);
    int MaxLength() const { return maxLength_; }
    void SetMaxLength(int length);
    // The edit window of a csDropDown or csSimple box; null otherwise.
    HWND EditHandle();

    TNotifyEvent OnChange;
    TNotifyEvent OnSelect;
    TNotifyEvent OnDropDown;
    TNotifyEvent OnCloseUp;

protected:
    void CreateParamsFor(CreateParams& params) override;
    void HandleCreated() override;
    void WndProc(TMessage& message) override;
    void CMTextChanged(TMessage& message) override;

private:
    void Recreate();
    void ItemsChanged(TStringsChange change, int index);
    void Command(WORD code);
    void SizeDropDown();
    void TextFromWindow(bool chosen);
    HWND Wnd() const { return const_cast<TCustomComboBox*>(this)->Handle(); }
    TStrings items_;
    TComboBoxStyle style_ = TComboBoxStyle::csDropDown;
    int itemIndex_ = -1;
    int dropDownCount_ = 8;
    int maxLength_ = 0;
};

class TComboBox : public TCustomComboBox {
    YQ_CLASS(TComboBox, TCustomComboBox)
public:
    using TCustomComboBox::TCustomComboBox;
};

} // namespace yq
