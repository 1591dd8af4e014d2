#pragma once
// TMenu, TMenuItem and TPopupMenu: a tree of items shown as a platform
// menu.  A caption of "-" makes a separator line; "&" marks the item's
// accelerator.  Every item has a command identifier of its own for its
// life.  TPopupMenu shows its items at a screen point, built anew for each
// Popup, and runs the chosen item's OnClick after the menu has closed;
// TMainMenu (MainMenu.h) is a form's menu bar.  With OwnerDraw the items
// are measured and drawn through OnMeasureItem and OnAdvancedDrawItem (or
// the platform look when those are empty); an item drawn by its
// OnAdvancedDrawItem handler is wholly the handler's, its sub-menu arrow
// included (the platform's arrow is kept off it).  Without OwnerDraw the
// platform measures and draws every item.
//
// The messages the platform sends to the window that owns an open menu
// (WM_INITMENUPOPUP, WM_MEASUREITEM, WM_DRAWITEM, WM_MENUSELECT,
// WM_MENUCHAR and the chosen item's WM_COMMAND) pass the menu's
// MessageHooks() and then its own handling, so a second party can measure
// and draw the items.  An item's drop-down opening runs its OnClick.
#include "Bitmap.h"
#include "Canvas.h"
#include "Component.h"
#include "ImgList.h"
#include "MessageHook.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include <windows.h>

namespace yq {

using TNotifyEvent = std::function<void(TComponent* sender)>;

enum TOwnerDrawStateBits : unsigned {
    odSelected = 1,
    odGrayed = 2,
    odDisabled = 4,
    odChecked = 8,
    odFocused = 16,
    odDefault = 32
};
using TOwnerDrawState = unsigned;

using TMenuMeasureItemEvent =
    std::function<void(TComponent* sender, TCanvas& canvas, int& width, int& height)>;
using TAdvancedMenuDrawItemEvent =
    std::function<void(TComponent* sender, TCanvas& canvas, const RECT& rect, TOwnerDrawState state)>;

class TMenu;

class TMenuItem : public TComponent {
    YQ_CLASS(TMenuItem, TComponent)
public:
    explicit TMenuItem(TComponent* owner = nullptr);
    // Frees the sub-items and leaves the parent item.
    ~TMenuItem() override;

    const std::wstring& Caption() const { return caption_; }
    void SetCaption(const std::wstring& caption);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);
    bool Checked() const { return checked_; }
    void SetChecked(bool checked);
    bool Visible() const { return visible_; }
    void SetVisible(bool visible);
    bool Default() const { return default_; }
    void SetDefault(bool value);
    // A checked radio item shows a bullet instead of a check mark.
    bool RadioItem() const { return radioItem_; }
    void SetRadioItem(bool value);
    // A key with modifiers (ShortCut()), 0 for none; shown, not acted on.
    int ShortCut() const { return shortCut_; }
    void SetShortCut(int shortCut);
    int ImageIndex() const { return imageIndex_; }
    void SetImageIndex(int index) { imageIndex_ = index; }
    bool IsLine() const { return caption_ == L"-"; }
    // The accelerator character (after "&", lower case), 0 for none.
    wchar_t Accelerator() const;
    // The item's command identifier (WM_COMMAND), fixed for its life.
    UINT Command() const { return command_; }

    int Count() const { return int(items_.size()); }
    TMenuItem* Items(int index) const;
    TMenuItem* Parent() const { return parent_; }
    // Takes the item into this one's sub-items (out of any other parent).
    void Add(TMenuItem* item);
    void Insert(int index, TMenuItem* item);
    void Remove(TMenuItem* item);
    int IndexOf(const TMenuItem* item) const;
    // The menu at the root of the tree, or nullptr.
    TMenu* GetParentMenu() const;
    // The platform menu holding this item, and the one holding its
    // sub-items, while they exist (a popup menu: while it is open).
    HMENU MenuHandle() const { return parent_ ? parent_->subMenu_ : nullptr; }
    HMENU Handle() const { return subMenu_; }
    // This item or one below it with that command identifier.
    TMenuItem* Find(UINT command);

    TNotifyEvent OnClick;
    TMenuMeasureItemEvent OnMeasureItem;
    TAdvancedMenuDrawItemEvent OnAdvancedDrawItem;

    virtual void Click();
    // Owner-draw measuring and drawing: the handler when there is one,
    // otherwise the platform look (DefaultMeasure / DefaultDraw).
    void MeasureItem(TCanvas& canvas, int& width, int& height);
    void AdvancedDrawItem(TCanvas& canvas, const RECT& rect, TOwnerDrawState state);
    void DefaultMeasure(TCanvas& canvas, int& width, int& height) const;
    void DefaultDraw(TCanvas& canvas, const RECT& rect, TOwnerDrawState state) const;

private:
    friend class TMenu;
    void Changed();
    std::wstring caption_;
    bool enabled_ = true, checked_ = false, visible_ = true, default_ = false, radioItem_ = false;
    int shortCut_ = 0;
    int imageIndex_ = -1;
    TMenuItem* parent_ = nullptr;
    std::vector<TMenuItem*> items_;
    HMENU subMenu_ = nullptr;
    TMenu* root_ = nullptr;
    UINT command_;
};

// Key code plus these bits, as in the platform's accelerator tables.
enum TShortCutBits : int { scShift = 0x2000, scCtrl = 0x4000, scAlt = 0x8000 };
inline int ShortCut(int key, int modifiers) {
    return key | modifiers;
}
// "Ctrl+S", "Shift+F4", ...; "" for 0.
std::wstring ShortCutToText(int shortCut);
// The accelerator character of a menu caption (after a single "&", lower
// case; "&&" is a plain "&"), 0 for none.
wchar_t AcceleratorOf(const std::wstring& caption);
// Selects the platform's menu font into the canvas.
void UseMenuFont(TCanvas& canvas);

class TMenu : public TComponent {
    YQ_CLASS(TMenu, TComponent)
public:
    explicit TMenu(TComponent* owner = nullptr);
    ~TMenu() override;

    TMenuItem* Items() const { return items_.get(); }
    bool OwnerDraw() const { return ownerDraw_; }
    void SetOwnerDraw(bool on);
    // The images the items' ImageIndex picks from (not owned), or nullptr.
    TCustomImageList* Images() const { return images_; }
    void SetImages(TCustomImageList* images);
    // The item with that command identifier, or nullptr.
    TMenuItem* FindItem(UINT command) const { return items_->Find(command); }

    TMessageHookChain& MessageHooks() { return hooks_; }
    // Runs a message of the owner window through the hooks and the menu's
    // own handling; what the menu does not handle goes to `unhandled`.
    void DispatchOwnerMessage(TMessage& message, const TWndMethod& unhandled);
    // Whether a message of the owner window concerns this menu.
    bool OwnsMessage(const TMessage& message) const;

protected:
    // The menu's own handling of owner messages: measuring and drawing
    // owner-drawn items, accelerators of owner-drawn items, item commands.
    virtual void OwnerMessage(TMessage& message);
    void Notification(TComponent* component, TOperation operation) override;
    // An item's look or the tree changed.
    virtual void MenuChanged() {}
    // Fills `menu` with the visible sub-items of `parent`.
    void BuildItems(HMENU menu, TMenuItem* parent);
    static void ForgetHandles(TMenuItem* item);
    void Unhandled(TMessage& message);

private:
    friend class TMenuItem;
    bool MeasureItemMessage(MEASUREITEMSTRUCT& mis);
    bool DrawItemMessage(const DRAWITEMSTRUCT& dis);
    bool MenuCharMessage(TMessage& message);
    bool HoldsMenu(HMENU menu) const;
    // The item whose sub-items the platform menu holds (the root for the
    // menu itself), or nullptr.
    TMenuItem* ItemOfMenu(HMENU menu) const;
    // The platform's menu font, read once, and the canvas owner-drawn items
    // are measured on: a memory device context in that font.
    const TFont& MenuFont();
    TCanvas& MeasuringCanvas();
    std::unique_ptr<TMenuItem> items_;
    bool ownerDraw_ = false;
    TCustomImageList* images_ = nullptr;
    std::unique_ptr<TBitmap> measuring_;
    TFont menuFont_;
    TMessageHookChain hooks_;
    const TWndMethod* unhandled_ = nullptr;
};

enum class TPopupAlignment { paLeft, paRight, paCenter };

class TPopupMenu : public TMenu {
    YQ_CLASS(TPopupMenu, TMenu)
public:
    explicit TPopupMenu(TComponent* owner = nullptr);
    ~TPopupMenu() override;

    TPopupAlignment Alignment() const { return alignment_; }
    void SetAlignment(TPopupAlignment a) { alignment_ = a; }

    TNotifyEvent OnPopup;

    // Shows the menu with its corner at the screen point (which corner
    // depends on Alignment) and returns when it has closed.
    virtual void Popup(int x, int y);

    // The window that owns the menu while it is open; tests post keys to it.
    HWND WindowHandle();

    // The control that dropped the menu down (a button that shows it on a
    // press), for the items' handlers; forgotten when that control goes.
    TComponent* PopupComponent() const { return popupComponent_; }
    void SetPopupComponent(TComponent* component);

protected:
    void Notification(TComponent* component, TOperation operation) override;
    void OwnerMessage(TMessage& message) override;

private:
    class TMenuWindow;
    static LRESULT CALLBACK MenuWindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);

    std::unique_ptr<TMenuWindow> window_;
    TPopupAlignment alignment_ = TPopupAlignment::paLeft;
    TComponent* popupComponent_ = nullptr;
};

} // namespace yq
