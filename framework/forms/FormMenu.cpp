// TForm: its menu bar, the menu messages, and minimising the program with
// its main form.
#include "Form.h"

#include "Application.h"
#include "MainMenu.h"

namespace yq {

void TForm::SetMenu(TMainMenu* menu) {
    if (menu == menu_) return;
    if (menu && menu->form_ && menu->form_ != this) menu->form_->SetMenu(nullptr);
    if (menu_) {
        menu_->form_ = nullptr;
        RemoveFreeNotification(menu_);
    }
    menu_ = menu;
    if (menu_) {
        menu_->form_ = this;
        FreeNotification(menu_);
    }
    if (HandleAllocated() && FormStyle != TFormStyle::fsMDIChild) MenuRebuilt();
}

void TForm::MenuRebuilt() {
    if (!HandleAllocated()) return;
    HWND h = Handle();
    HMENU bar = menu_ ? menu_->Handle() : nullptr;
    if (FormStyle == TFormStyle::fsMDIForm && ClientHandle()) {
        HMENU windowMenu = WindowMenu ? WindowMenu->Handle() : nullptr;
        SendMessageW(ClientHandle(), WM_MDISETMENU, reinterpret_cast<WPARAM>(bar),
                     reinterpret_cast<LPARAM>(windowMenu));
    } else {
        ::SetMenu(h, bar);
    }
    if (Destroying()) return;
    DrawMenuBar(h);
    Perform(CM_MENUCHANGED);
}

// The menu bar's owner messages: the form's message method has seen them;
// the menu (its hooks, then its own handling) comes next, and what it does
// not handle goes to the platform.
bool TForm::MenuMessage(TMessage& m) {
    if (!menu_ || !menu_->OwnsMessage(m)) return false;
    menu_->DispatchOwnerMessage(m, [this](TMessage& rest) { DefaultHandler(rest); });
    return true;
}

void TForm::WMSysCommand(TMessage& m) {
    // Minimising the main form minimises the program: the application's
    // window, whose owned forms the platform then hides.
    if ((m.WParam & 0xFFF0) == SC_MINIMIZE && Application().MainForm() == this) {
        Application().Minimize();
        m.Result = 0;
        return;
    }
    DefaultHandler(m);
}

} // namespace yq
