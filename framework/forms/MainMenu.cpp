#include "MainMenu.h"

#include "Form.h"

namespace yq {

YQ_CLASS_INFO(TMainMenu, TMenu)

TMainMenu::TMainMenu(TComponent* owner) : TMenu(owner) {}

TMainMenu::~TMainMenu() {
    MarkDestroying();
    if (form_) form_->SetMenu(nullptr);
    DestroyHandle();
}

HMENU TMainMenu::Handle() {
    if (!handle_) {
        handle_ = CreateMenu();
        BuildItems(handle_, Items());
    }
    return handle_;
}

void TMainMenu::DestroyHandle() {
    if (!handle_) return;
    DestroyMenu(handle_);
    handle_ = nullptr;
    ForgetHandles(Items());
}

void TMainMenu::MenuChanged() {
    if (!handle_ || Destroying()) return;
    HMENU old = handle_;
    handle_ = nullptr;
    ForgetHandles(Items());
    Handle();
    // The window shows the new bar before the old one goes.
    if (form_) form_->MenuRebuilt();
    DestroyMenu(old);
}

} // namespace yq
