#pragma once
// TToolBar and TToolButton: the platform's tool bar, aligned to the top of
// its parent, with one button per TToolButton whose parent it is (in the
// order they joined).  A button shows its Caption (ShowCaptions) and its
// image from Images; Style makes it a push button, a check button (Down,
// Grouped with its neighbours), a button with a drop-down arrow that
// opens DropdownMenu, or a separator.  OnCustomDrawButton may paint a
// button's face before the bar draws its glyph and text.
#include "ImgList.h"
#include "Menus.h"
#include "WinControl.h"

#include <vector>

namespace yq {

class TToolBar;

enum class TToolButtonStyle { tbsButton, tbsCheck, tbsDropDown, tbsSeparator, tbsDivider };

// A button of a tool bar: windowless, drawn and clicked by the bar.
class TToolButton : public TControl {
    YQ_CLASS(TToolButton, TControl)
public:
    explicit TToolButton(TComponent* owner = nullptr);
    ~TToolButton() override;

    TToolButtonStyle Style() const { return style_; }
    void SetStyle(TToolButtonStyle style);
    int ImageIndex() const { return imageIndex_; }
    void SetImageIndex(int index);
    bool Down() const;
    void SetDown(bool down);
    bool Grouped() const { return grouped_; }
    void SetGrouped(bool grouped);
    TPopupMenu* DropdownMenu() const { return dropdownMenu_; }
    void SetDropdownMenu(TPopupMenu* menu);
    TToolBar* ToolBar() const { return toolBar_; }
    // The platform's command identifier of the button.
    int CommandId() const { return commandId_; }
    void SetParent(TWinControl* parent) override;
    void PaintTo(HDC dc, int x, int y) override;
    void Invalidate() override;
    void Click() override;

protected:
    void WndProc(TMessage& message) override;
    void Notification(TComponent* component, TOperation operation) override;

private:
    friend class TToolBar;
    void Changed();
    TToolBar* toolBar_ = nullptr;
    TToolButtonStyle style_ = TToolButtonStyle::tbsButton;
    int imageIndex_ = -1;
    bool down_ = false, grouped_ = false;
    TPopupMenu* dropdownMenu_ = nullptr;
    int commandId_ = 0;
};

// A button's state while it is drawn (the platform's CDIS_* bits).
enum TCustomDrawStateBits : unsigned {
    cdsSelected = 0x1,
    cdsGrayed = 0x2,
    cdsDisabled = 0x4,
    cdsChecked = 0x8,
    cdsFocused = 0x10,
    cdsDefault = 0x20,
    cdsHot = 0x40,
    cdsMarked = 0x80,
    cdsIndeterminate = 0x100
};
using TCustomDrawState = unsigned;

// The handler paints on canvas (the bar's DC) inside rect; it may add
// TBCDRF_* flags (no edges, no background, ...) for the bar's own drawing
// of the button, or set defaultDraw false to leave the button to itself.
using TToolBarCustomDrawButtonEvent =
    std::function<void(TToolBar* sender, TToolButton* button, TCanvas& canvas, const RECT& rect,
                       TCustomDrawState state, unsigned& flags, bool& defaultDraw)>;

class TToolBar : public TWinControl {
    YQ_CLASS(TToolBar, TWinControl)
public:
    explicit TToolBar(TComponent* owner = nullptr);
    ~TToolBar() override;

    int ButtonCount() const { return int(buttons_.size()); }
    TToolButton* Buttons(int index) const { return buttons_.at(size_t(index)); }
    bool Flat() const { return flat_; }
    void SetFlat(bool flat);
    bool ShowCaptions() const { return showCaptions_; }
    void SetShowCaptions(bool show);
    bool List() const { return list_; }
    void SetList(bool list);
    TCustomImageList* Images() const { return images_; }
    void SetImages(TCustomImageList* images);
    // The button's rectangle in the bar.
    RECT ButtonRect(const TToolButton* button);

    TToolBarCustomDrawButtonEvent OnCustomDrawButton;

protected:
    void CreateParamsFor(CreateParams& params) override;
    void HandleCreated() override;
    void WndProc(TMessage& message) override;
    void Notification(TComponent* component, TOperation operation) override;

private:
    friend class TToolButton;
    void Recreate();
    void AddButton(TToolButton* button);
    void RemoveButton(TToolButton* button);
    void InsertWindowButton(int index);
    void RebuildButtons();
    void UpdateButton(TToolButton* button);
    void SyncBounds();
    TToolButton* ButtonById(int id) const;
    void DropDown(TMessage& message);
    void CustomDraw(TMessage& message);

    std::vector<TToolButton*> buttons_;
    bool flat_ = true, showCaptions_ = false, list_ = false;
    TCustomImageList* images_ = nullptr;
    int nextId_ = 1;
    TCanvas canvas_;
};

} // namespace yq
