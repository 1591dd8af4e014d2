#pragma once
// TCustomListBox / TListBox: the platform's list box over Items.
// ItemIndex is the selected item (with MultiSelect, the focused one;
// Selected tells each item).  A change of selection by the user raises
// OnClick, a double click OnDblClick.  ScrollWidth > 0 gives a horizontal
// scroll bar for items wider than the box.
#include "StdTypes.h"
#include "Strings.h"
#include "WinControl.h"

#include <vector>

namespace yq {

class TCustomListBox : public TWinControl {
    YQ_CLASS(TCustomListBox, TWinControl)
public:
    explicit TCustomListBox(TComponent* owner = nullptr);

    TStrings& Items() { return items_; }
    int ItemIndex() const;
    void SetItemIndex(int index);
    bool MultiSelect() const { return multiSelect_; }
    void SetMultiSelect(bool multi);
    bool Selected(int index) const;
    void SetSelected(int index, bool selected);
    int SelCount() const;
    int TopIndex() const;
    void SetTopIndex(int index);
    int ItemHeight() const;
    int ScrollWidth() const { return scrollWidth_; }
    void SetScrollWidth(int width);
    int Columns() const { return columns_; }
    void SetColumns(int columns);
    TBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TBorderStyle style);
    std::wstring InspectText() const override;

protected:
    void CreateParamsFor(CreateParams& params) override;
    void HandleCreated() override;
    void WndProc(TMessage& message) override;

private:
    void Recreate();
    void ItemsChanged(TStringsChange change, int index);
    HWND Wnd() const { return const_cast<TCustomListBox*>(this)->Handle(); }
    TStrings items_;
    int itemIndex_ = -1; // kept while there is no window
    std::vector<bool> selected_;
    bool multiSelect_ = false;
    int scrollWidth_ = 0;
    int columns_ = 0;
    TBorderStyle borderStyle_ = TBorderStyle::bsSingle;
};

class TListBox : public TCustomListBox {
    YQ_CLASS(TListBox, TCustomListBox)
public:
    using TCustomListBox::TCustomListBox;
};

} // namespace yq
