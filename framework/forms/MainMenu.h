#pragma once
// TMainMenu: a form's menu bar (TForm::SetMenu), a platform menu bar built
// from the items: sub-menus, separators, checked, disabled and default
// items, "&" accelerators that Alt opens, item OnClick on WM_COMMAND.  The
// top-level items are the bar's buttons; an item with sub-items drops its
// menu down.  Any change of the items rebuilds the platform menu and sends
// the form CM_MENUCHANGED.  Its owner messages reach the form's message
// method first, then the menu's MessageHooks() (Menus.h).
#include "Menus.h"

namespace yq {

class TForm;

class TMainMenu : public TMenu {
    YQ_CLASS(TMainMenu, TMenu)
public:
    explicit TMainMenu(TComponent* owner = nullptr);
    ~TMainMenu() override;

    // The platform menu bar, made on first use.
    HMENU Handle();
    bool HandleAllocated() const { return handle_ != nullptr; }
    // The form showing the bar, or nullptr.
    TForm* Form() const { return form_; }

protected:
    void MenuChanged() override;

private:
    friend class TForm;
    void DestroyHandle();
    HMENU handle_ = nullptr;
    TForm* form_ = nullptr;
};

} // namespace yq
