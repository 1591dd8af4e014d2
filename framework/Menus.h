#pragma once
// TPopupMenu and TMenuItem: a tree of items shown as a platform popup menu
// at a screen point.  A caption of "-" makes a separator line.  The menu is
// built anew for each Popup, so changes to the items need no refresh; the
// chosen item's OnClick runs after the menu has closed.  With OwnerDraw the
// items are measured and drawn through OnMeasureItem and
// OnAdvancedDrawItem (or the platform look when those are empty).
#include "Canvas.h"
#include "Component.h"

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

class TPopupMenu;

class TMenuItem : public TComponent {
    YQ_CLASS(TMenuItem, TComponent)
public:
    explicit TMenuItem(TComponent* owner = nullptr);
    // Frees the sub-items and leaves the parent item.
    ~TMenuItem() override;

    const std::wstring& Caption() const { return caption_; }
    void SetCaption(const std::wstring& caption) { caption_ = caption; }
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled) { enabled_ = enabled; }
    bool Checked() const { return checked_; }
    void SetChecked(bool checked) { checked_ = checked; }
    bool Visible() const { return visible_; }
    void SetVisible(bool visible) { visible_ = visible; }
    bool Default() const { return default_; }
    void SetDefault(bool value) { default_ = value; }
    // A key with modifiers (ShortCut()), 0 for none; shown, not acted on.
    int ShortCut() const { return shortCut_; }
    void SetShortCut(int shortCut) { shortCut_ = shortCut; }
    int ImageIndex() const { return imageIndex_; }
    void SetImageIndex(int index) { imageIndex_ = index; }
    bool IsLine() const { return caption_ == L"-"; }

    int Count() const { return int(items_.size()); }
    TMenuItem* Items(int index) const;
    TMenuItem* Parent() const { return parent_; }
    // Takes the item into this one's sub-items (out of any other parent).
    void Add(TMenuItem* item);
    void Insert(int index, TMenuItem* item);
    void Remove(TMenuItem* item);
    int IndexOf(const TMenuItem* item) const;
    // The popup menu at the root of the tree, or nullptr.
    TPopupMenu* GetParentMenu() const;
    // The platform menu holding this item while its menu is open.
    HMENU MenuHandle() const { return parent_ ? parent_->subMenu_ : nullptr; }

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
    friend class TPopupMenu;
    std::wstring caption_;
    bool enabled_ = true, checked_ = false, visible_ = true, default_ = false;
    int shortCut_ = 0;
    int imageIndex_ = -1;
    TMenuItem* parent_ = nullptr;
    std::vector<TMenuItem*> items_;
    HMENU subMenu_ = nullptr; // valid only while the popup is open
    TPopupMenu* root_ = nullptr;
};

// Key code plus these bits, as in the platform's accelerator tables.
enum TShortCutBits : int { scShift = 0x2000, scCtrl = 0x4000, scAlt = 0x8000 };
inline int ShortCut(int key, int modifiers) {
    return key | modifiers;
}
// "Ctrl+S", "Shift+F4", ...; "" for 0.
std::wstring ShortCutToText(int shortCut);

enum class TPopupAlignment { paLeft, paRight, paCenter };

class TPopupMenu : public TComponent {
    YQ_CLASS(TPopupMenu, TComponent)
public:
    explicit TPopupMenu(TComponent* owner = nullptr);
    ~TPopupMenu() override;

    TMenuItem* Items() const { return items_.get(); }
    bool OwnerDraw() const { return ownerDraw_; }
    void SetOwnerDraw(bool on) { ownerDraw_ = on; }
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

private:
    class TMenuWindow;
    HMENU Build(TMenuItem* parent, std::vector<TMenuItem*>& byCommand);
    static void ForgetHandles(TMenuItem* item);
    static LRESULT CALLBACK MenuWindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
    bool OnMeasureItemMessage(MEASUREITEMSTRUCT& mis);
    bool OnDrawItemMessage(const DRAWITEMSTRUCT& dis);

    std::unique_ptr<TMenuItem> items_;
    std::unique_ptr<TMenuWindow> window_;
    bool ownerDraw_ = false;
    TPopupAlignment alignment_ = TPopupAlignment::paLeft;
    TComponent* popupComponent_ = nullptr;
};

} // namespace yq
