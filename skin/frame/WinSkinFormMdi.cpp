// TWinSkinForm: an MDI frame's client window.  Its messages pass through
// the frame's skinner, which skins each new child at once, puts the
// manager into MDI-maximised mode when a child is maximised and out of it
// when the children are tiled or cascaded or none is maximised any more, and keeps the client without scroll
// bars unless the skin's options ask for them.
#include "WinSkinForm.h"

#include "Form.h"
#include "SkinManage.h"
#include "SkinMessages.h"
#include "Subclass.h"
#include "WinSkinData.h"
#include "WinSkinMenu.h"

namespace yq {

void TWinSkinForm::AttachMdiClient() {
    HWND client = FindWindowExW(Handle, nullptr, L"MDIClient", nullptr);
    if (!client || mdiClient_) return;
    mdiClient_ = std::make_unique<TWindowSubclass>(
        client, [this](TMessage& m) { HandleClientMessage(m); }, TGuardPolicy::gpDrop);
    if (SkinManage) {
        SkinManage->MdiClient = client;
        SkinManage->MdiMainForm = Form;
    }
    // Children made before the frame was skinned get the skin now.
    for (HWND child = GetWindow(client, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        if (IsWindowVisible(child) && SkinManage) SkinManage->SkinWindow(child);
    SetWindowPos(client, nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

void TWinSkinForm::DetachMdiClient() {
    if (!mdiClient_) return;
    const HWND client = mdiClient_->Handle();
    mdiClient_.reset();
    newChild_ = nullptr;
    if (SkinManage && SkinManage->MdiClient == client) {
        SkinManage->MdiClient = nullptr;
        SkinManage->MdiMainForm = nullptr;
    }
}

void TWinSkinForm::SkinNewChild() {
    const HWND child = std::exchange(newChild_, nullptr);
    if (!child || !IsWindow(child) || !SkinManage) return;
    if (SkinManage->SkinWindow(child)) RedrawWindow(Handle, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME);
}

void TWinSkinForm::RecheckMdiMaximized() {
    if (!SkinManage || !mdiClient_) return;
    BOOL zoomed = FALSE;
    const HWND active = reinterpret_cast<HWND>(
        SendMessageW(mdiClient_->Handle(), WM_MDIGETACTIVE, 0, reinterpret_cast<LPARAM>(&zoomed)));
    SkinManage->SetMdiMaximized(active && zoomed);
}

void TWinSkinForm::HandleClientMessage(TMessage& m) {
    switch (m.Msg) {
    case WM_MDICREATE:
        mdiClient_->CallPrevious(m);
        newChild_ = reinterpret_cast<HWND>(m.Result);
        // A child shown at creation is skinned now; one made hidden waits
        // for the client's next menu refresh or its activation.
        if (newChild_ && IsWindowVisible(newChild_)) SkinNewChild();
        return;
    case WM_MDIREFRESHMENU:
    case WM_MDISETMENU:
        mdiClient_->CallPrevious(m);
        SkinNewChild();
        // A new frame menu: the bar shows it, the frame keeps none.
        if (MenuBar && GetMenu(Handle)) {
            MenuBar->RebuildFromHandle(m.Msg == WM_MDISETMENU ? reinterpret_cast<HMENU>(m.WParam) : nullptr);
            PostMessageW(Handle, WM_SKINREPAINT, 0, 0);
        }
        return;
    case WM_MDIACTIVATE:
        mdiClient_->CallPrevious(m);
        if (SkinManage && m.WParam && !SkinManage->FindSkinForm(reinterpret_cast<HWND>(m.WParam)))
            SkinManage->SkinWindow(reinterpret_cast<HWND>(m.WParam));
        return;
    case WM_MDIMAXIMIZE:
        if (SkinManage) SkinManage->SetMdiMaximized(true);
        mdiClient_->CallPrevious(m);
        return;
    case WM_MDIRESTORE:
        mdiClient_->CallPrevious(m);
        RecheckMdiMaximized();
        return;
    case WM_MDITILE:
    case WM_MDICASCADE:
        if (SkinManage) SkinManage->SetMdiMaximized(false);
        mdiClient_->CallPrevious(m);
        return;
    case WM_MDIDESTROY:
        mdiClient_->CallPrevious(m);
        RecheckMdiMaximized();
        if (MenuBar && !SendMessageW(mdiClient_->Handle(), WM_MDIGETACTIVE, 0, 0))
            MenuBar->RebuildFromMainMenu();
        PostMessageW(Handle, WM_SKINREPAINT, 0, 0);
        return;
    case WM_NCCALCSIZE:
        if (!InSet(SkinData->Options(), xoMDIScrollbar)) {
            const LONG style = GetWindowLongW(mdiClient_->Handle(), GWL_STYLE);
            if (style & (WS_HSCROLL | WS_VSCROLL))
                SetWindowLongW(mdiClient_->Handle(), GWL_STYLE, style & ~LONG(WS_HSCROLL | WS_VSCROLL));
        }
        mdiClient_->CallPrevious(m);
        return;
    default:
        mdiClient_->CallPrevious(m);
    }
}

} // namespace yq
