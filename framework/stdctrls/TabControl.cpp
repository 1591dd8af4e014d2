#include "TabControl.h"

#include "CommonControls.h"

#include <algorithm>

namespace yq {

YQ_PUBLISHED(TCustomTabControl, TWinControl) {
    r.Int("TabIndex", &TCustomTabControl::TabIndex, &TCustomTabControl::SetTabIndex);
    r.Enum("TabPosition", &TCustomTabControl::TabPosition, &TCustomTabControl::SetTabPosition,
           {"tpTop", "tpBottom", "tpLeft", "tpRight"});
    r.Bool("MultiLine", &TCustomTabControl::MultiLine, &TCustomTabControl::SetMultiLine);
    r.Object("Images", &TCustomTabControl::Images);
}

YQ_CLASS_INFO(TTabControl, TCustomTabControl)

TCustomTabControl::TCustomTabControl(TComponent* owner) : TWinControl(owner) {
    SetBounds(0, 0, 289, 193);
    SetTabStop(true);
    ControlStyle = csAcceptsControls | csDoubleClicks;
    color_ = clBtnFace;
}

void TCustomTabControl::CreateParamsFor(CreateParams& params) {
    InitCommonControl(ICC_TAB_CLASSES);
    TWinControl::CreateParamsFor(params);
    params.superclass = WC_TABCONTROLW;
    params.style |= WS_TABSTOP | WS_CLIPCHILDREN;
    switch (tabPosition_) {
    case TTabPosition::tpBottom:
        params.style |= TCS_BOTTOM;
        break;
    case TTabPosition::tpLeft:
        params.style |= TCS_VERTICAL | TCS_MULTILINE;
        break;
    case TTabPosition::tpRight:
        params.style |= TCS_VERTICAL | TCS_RIGHT | TCS_MULTILINE;
        break;
    default:
        break;
    }
    if (multiLine_) params.style |= TCS_MULTILINE;
}

void TCustomTabControl::HandleCreated() {
    TWinControl::HandleCreated();
    if (images_) SendMessageW(Handle(), TCM_SETIMAGELIST, 0, LPARAM(images_->Handle()));
    UpdateTabs();
}

void TCustomTabControl::Recreate() {
    if (!HandleAllocated()) return;
    storedIndex_ = TabIndex();
    DestroyHandle();
    Handle();
}

void TCustomTabControl::UpdateTabs() {
    if (!HandleAllocated()) return;
    HWND h = Handle();
    SendMessageW(h, TCM_DELETEALLITEMS, 0, 0);
    for (int i = 0; i < TabTextCount(); ++i) {
        std::wstring text = TabText(i);
        TCITEMW item{};
        item.mask = TCIF_TEXT | TCIF_IMAGE;
        item.pszText = text.data();
        item.iImage = TabImage(i);
        SendMessageW(h, TCM_INSERTITEMW, WPARAM(i), LPARAM(&item));
    }
    if (storedIndex_ >= 0 && storedIndex_ < TabTextCount())
        SendMessageW(h, TCM_SETCURSEL, WPARAM(storedIndex_), 0);
    Realign();
}

void TCustomTabControl::UpdateTab(int index) {
    if (!HandleAllocated() || index < 0 || index >= TabCount()) return;
    std::wstring text = TabText(index);
    TCITEMW item{};
    item.mask = TCIF_TEXT | TCIF_IMAGE;
    item.pszText = text.data();
    item.iImage = TabImage(index);
    SendMessageW(Handle(), TCM_SETITEMW, WPARAM(index), LPARAM(&item));
    Realign();
}

int TCustomTabControl::TabIndex() const {
    if (!HandleAllocated()) return storedIndex_;
    return int(SendMessageW(const_cast<TCustomTabControl*>(this)->Handle(), TCM_GETCURSEL, 0, 0));
}

void TCustomTabControl::SetTabIndex(int index) {
    if (index < -1 || index >= TabTextCount()) index = -1;
    storedIndex_ = index;
    if (HandleAllocated()) SendMessageW(Handle(), TCM_SETCURSEL, WPARAM(index), 0);
}

void TCustomTabControl::SetTabPosition(TTabPosition position) {
    if (position == tabPosition_) return;
    tabPosition_ = position;
    Recreate();
}

void TCustomTabControl::SetMultiLine(bool multiLine) {
    if (multiLine == multiLine_) return;
    multiLine_ = multiLine;
    Recreate();
}

void TCustomTabControl::SetImages(TCustomImageList* images) {
    if (images_) images_->RemoveFreeNotification(this);
    images_ = images;
    if (images_) images_->FreeNotification(this);
    if (HandleAllocated()) {
        SendMessageW(Handle(), TCM_SETIMAGELIST, 0, LPARAM(images_ ? images_->Handle() : nullptr));
        Realign();
    }
}

void TCustomTabControl::Notification(TComponent* component, TOperation operation) {
    TWinControl::Notification(component, operation);
    if (operation == TOperation::opRemove && component == images_) {
        images_ = nullptr;
        if (HandleAllocated() && !Destroying()) SendMessageW(Handle(), TCM_SETIMAGELIST, 0, 0);
    }
}

int TCustomTabControl::TabCount() const {
    if (!HandleAllocated()) return TabTextCount();
    return int(SendMessageW(const_cast<TCustomTabControl*>(this)->Handle(), TCM_GETITEMCOUNT, 0, 0));
}

RECT TCustomTabControl::TabRect(int index) {
    RECT r{};
    SendMessageW(Handle(), TCM_GETITEMRECT, WPARAM(index), LPARAM(&r));
    return r;
}

int TCustomTabControl::IndexOfTabAt(int x, int y) {
    TCHITTESTINFO hit{{x, y}, 0};
    return int(SendMessageW(Handle(), TCM_HITTEST, 0, LPARAM(&hit)));
}

RECT TCustomTabControl::DisplayRect() {
    RECT r = ClientRect();
    AdjustClientRect(r);
    return r;
}

std::wstring TCustomTabControl::InspectText() const {
    std::wstring text;
    auto* self = const_cast<TCustomTabControl*>(this);
    for (int i = 0; i < TabTextCount(); ++i) {
        RECT r = HandleAllocated() ? self->TabRect(i) : RECT{};
        if (i) text += L'\t';
        text += TabText(i) + L"@" + std::to_wstring(r.left) + L"," + std::to_wstring(r.top) + L"," +
                std::to_wstring(r.right) + L"," + std::to_wstring(r.bottom);
    }
    return text;
}

void TCustomTabControl::AdjustClientRect(RECT& rect) const {
    if (HandleAllocated()) {
        SendMessageW(const_cast<TCustomTabControl*>(this)->Handle(), TCM_ADJUSTRECT, FALSE, LPARAM(&rect));
        if (rect.right < rect.left) rect.right = rect.left;
        if (rect.bottom < rect.top) rect.bottom = rect.top;
    } else {
        InflateRect(&rect, -4, -4);
        rect.top += 20;
    }
}

bool TCustomTabControl::CanChange() {
    bool allow = true;
    if (OnChanging) OnChanging(this, allow);
    return allow;
}

void TCustomTabControl::Change() {
    storedIndex_ = TabIndex();
    if (OnChange) OnChange(this);
}

void TCustomTabControl::WndProc(TMessage& message) {
    if (message.Msg == CN_NOTIFY) {
        switch (reinterpret_cast<NMHDR*>(message.LParam)->code) {
        case TCN_SELCHANGING:
            message.Result = CanChange() ? FALSE : TRUE;
            return;
        case TCN_SELCHANGE:
            Change();
            message.Result = 0;
            return;
        default:
            break;
        }
    }
    if (message.Msg == WM_SIZE) {
        // The display area depends on the size (tab rows).
        TWinControl::WndProc(message);
        Realign();
        return;
    }
    TWinControl::WndProc(message);
}

// ---- TTabControl ------------------------------------------------------------

TTabControl::TTabControl(TComponent* owner) : TCustomTabControl(owner) {
    tabs_.OnChanged = [this](TStringsChange change, int index) {
        if (change == TStringsChange::scChanged)
            UpdateTab(index);
        else
            UpdateTabs();
    };
}

} // namespace yq
