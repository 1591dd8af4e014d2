#include "ToolBar.h"

#include "CommonControls.h"
#include "Scope.h"

#include <algorithm>

namespace yq {

YQ_PUBLISHED(TToolButton, TControl) {
    r.Enum("Style", &TToolButton::Style, &TToolButton::SetStyle,
           {"tbsButton", "tbsCheck", "tbsDropDown", "tbsSeparator", "tbsDivider"});
    r.Int("ImageIndex", &TToolButton::ImageIndex, &TToolButton::SetImageIndex);
    r.Bool("Down", &TToolButton::Down, &TToolButton::SetDown);
    r.Bool("Grouped", &TToolButton::Grouped, &TToolButton::SetGrouped);
    r.Object("DropdownMenu", &TToolButton::DropdownMenu);
}

YQ_PUBLISHED(TToolBar, TWinControl) {
    r.Bool("Flat", &TToolBar::Flat, &TToolBar::SetFlat);
    r.Bool("ShowCaptions", &TToolBar::ShowCaptions, &TToolBar::SetShowCaptions);
    r.Bool("List", &TToolBar::List, &TToolBar::SetList);
    r.Object("Images", &TToolBar::Images);
}

namespace {
bool IsSeparator(TToolButtonStyle s) {
    return s == TToolButtonStyle::tbsSeparator || s == TToolButtonStyle::tbsDivider;
}
} // namespace

// ---- TToolButton ------------------------------------------------------------

TToolButton::TToolButton(TComponent* owner) : TControl(owner) {
    SetBounds(0, 0, 23, 22);
    ControlStyle = csSetCaption;
}

TToolButton::~TToolButton() {
    if (toolBar_) toolBar_->RemoveButton(this);
}

void TToolButton::SetParent(TWinControl* parent) {
    auto* bar = parent && parent->InheritsFrom("TToolBar") ? static_cast<TToolBar*>(parent) : nullptr;
    if (toolBar_ && toolBar_ != bar) toolBar_->RemoveButton(this);
    TControl::SetParent(parent);
    if (bar && bar != toolBar_) bar->AddButton(this);
}

void TToolButton::Changed() {
    if (toolBar_) toolBar_->UpdateButton(this);
}

void TToolButton::SetStyle(TToolButtonStyle style) {
    if (style == style_) return;
    style_ = style;
    // The bar lays a separator out differently: rebuild its buttons.
    if (toolBar_) toolBar_->RebuildButtons();
}

void TToolButton::SetImageIndex(int index) {
    imageIndex_ = index;
    Changed();
}

bool TToolButton::Down() const {
    if (toolBar_ && toolBar_->HandleAllocated())
        return SendMessageW(toolBar_->Handle(), TB_ISBUTTONCHECKED, WPARAM(commandId_), 0) != 0;
    return down_;
}

void TToolButton::SetDown(bool down) {
    down_ = down;
    if (toolBar_ && toolBar_->HandleAllocated())
        SendMessageW(toolBar_->Handle(), TB_CHECKBUTTON, WPARAM(commandId_), MAKELPARAM(down, 0));
}

void TToolButton::SetGrouped(bool grouped) {
    if (grouped == grouped_) return;
    grouped_ = grouped;
    if (toolBar_) toolBar_->RebuildButtons();
}

void TToolButton::SetDropdownMenu(TPopupMenu* menu) {
    if (dropdownMenu_) dropdownMenu_->RemoveFreeNotification(this);
    dropdownMenu_ = menu;
    if (menu) menu->FreeNotification(this);
}

void TToolButton::Notification(TComponent* component, TOperation operation) {
    TControl::Notification(component, operation);
    if (operation == TOperation::opRemove && component == dropdownMenu_) dropdownMenu_ = nullptr;
}

void TToolButton::PaintTo(HDC, int, int) {}

void TToolButton::Invalidate() {
    if (!toolBar_ || !toolBar_->HandleAllocated() || Destroying()) return;
    RECT r = toolBar_->ButtonRect(this);
    InvalidateRect(toolBar_->Handle(), &r, TRUE);
}

void TToolButton::Click() {
    down_ = Down();
    TControl::Click();
}

void TToolButton::WndProc(TMessage& message) {
    switch (message.Msg) {
    case CM_HITTEST:
        // The bar takes the mouse itself.
        message.Result = 0;
        return;
    case CM_ENABLEDCHANGED:
    case CM_TEXTCHANGED:
    case CM_VISIBLECHANGED:
        Changed();
        TControl::WndProc(message);
        return;
    default:
        TControl::WndProc(message);
    }
}

// ---- TToolBar ---------------------------------------------------------------

TToolBar::TToolBar(TComponent* owner) : TWinControl(owner) {
    SetBounds(0, 0, 150, 29);
    ControlStyle = csAcceptsControls | csDoubleClicks;
    color_ = clBtnFace;
    SetAlign(TAlign::alTop);
}

TToolBar::~TToolBar() {
    MarkDestroying();
    for (TToolButton* b : buttons_)
        b->toolBar_ = nullptr;
    buttons_.clear();
}

void TToolBar::CreateParamsFor(CreateParams& params) {
    InitCommonControl(ICC_BAR_CLASSES);
    TWinControl::CreateParamsFor(params);
    params.superclass = TOOLBARCLASSNAMEW;
    // The framework places the bar (Align); the bar must not move itself.
    params.style |= CCS_NOPARENTALIGN | CCS_NORESIZE | CCS_NODIVIDER | TBSTYLE_TOOLTIPS;
    if (flat_) params.style |= TBSTYLE_FLAT;
    if (list_) params.style |= TBSTYLE_LIST;
}

void TToolBar::HandleCreated() {
    TWinControl::HandleCreated();
    HWND h = Handle();
    SendMessageW(h, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    SendMessageW(h, TB_SETEXTENDEDSTYLE, 0, TBSTYLE_EX_DRAWDDARROWS);
    if (images_) SendMessageW(h, TB_SETIMAGELIST, 0, LPARAM(images_->Handle()));
    RebuildButtons();
}

void TToolBar::Recreate() {
    if (!HandleAllocated()) return;
    for (TToolButton* b : buttons_)
        b->down_ = b->Down();
    DestroyHandle();
    Handle();
}

void TToolBar::SetFlat(bool flat) {
    if (flat == flat_) return;
    flat_ = flat;
    Recreate();
}

void TToolBar::SetShowCaptions(bool show) {
    if (show == showCaptions_) return;
    showCaptions_ = show;
    Recreate();
}

void TToolBar::SetList(bool list) {
    if (list == list_) return;
    list_ = list;
    Recreate();
}

void TToolBar::SetImages(TCustomImageList* images) {
    if (images_) images_->RemoveFreeNotification(this);
    images_ = images;
    if (images_) images_->FreeNotification(this);
    Recreate();
}

void TToolBar::Notification(TComponent* component, TOperation operation) {
    TWinControl::Notification(component, operation);
    if (operation == TOperation::opRemove && component == images_) {
        images_ = nullptr;
        if (HandleAllocated() && !Destroying()) SendMessageW(Handle(), TB_SETIMAGELIST, 0, 0);
    }
}

void TToolBar::AddButton(TToolButton* button) {
    button->toolBar_ = this;
    button->commandId_ = nextId_++;
    buttons_.push_back(button);
    InsertWindowButton(int(buttons_.size()) - 1);
    SyncBounds();
}

void TToolBar::RemoveButton(TToolButton* button) {
    auto it = std::find(buttons_.begin(), buttons_.end(), button);
    if (it == buttons_.end()) return;
    int index = int(it - buttons_.begin());
    buttons_.erase(it);
    button->toolBar_ = nullptr;
    if (HandleAllocated() && !Destroying()) {
        SendMessageW(Handle(), TB_DELETEBUTTON, WPARAM(index), 0);
        SyncBounds();
    }
}

void TToolBar::InsertWindowButton(int index) {
    if (!HandleAllocated()) return;
    TToolButton& b = *buttons_[size_t(index)];
    TBBUTTON tb{};
    tb.idCommand = b.commandId_;
    tb.iBitmap = IsSeparator(b.style_) ? 6 : (images_ ? b.imageIndex_ : I_IMAGENONE);
    tb.fsState = BYTE((b.Enabled() ? TBSTATE_ENABLED : 0) | (b.down_ ? TBSTATE_CHECKED : 0) |
                      (b.Visible() ? 0 : TBSTATE_HIDDEN));
    switch (b.style_) {
    case TToolButtonStyle::tbsCheck:
        tb.fsStyle = BTNS_CHECK | (b.grouped_ ? BTNS_GROUP : 0);
        break;
    case TToolButtonStyle::tbsDropDown:
        tb.fsStyle = BTNS_DROPDOWN;
        break;
    case TToolButtonStyle::tbsSeparator:
    case TToolButtonStyle::tbsDivider:
        tb.fsStyle = BTNS_SEP;
        break;
    default:
        tb.fsStyle = BTNS_BUTTON;
        break;
    }
    if (showCaptions_ && !IsSeparator(b.style_))
        tb.iString = INT_PTR(b.Caption().c_str());
    else
        tb.iString = -1;
    SendMessageW(Handle(), TB_INSERTBUTTONW, WPARAM(index), LPARAM(&tb));
    SendMessageW(Handle(), TB_AUTOSIZE, 0, 0);
}

void TToolBar::RebuildButtons() {
    if (!HandleAllocated()) return;
    HWND h = Handle();
    while (SendMessageW(h, TB_BUTTONCOUNT, 0, 0) > 0)
        SendMessageW(h, TB_DELETEBUTTON, 0, 0);
    for (size_t i = 0; i < buttons_.size(); ++i)
        InsertWindowButton(int(i));
    SyncBounds();
}

void TToolBar::UpdateButton(TToolButton* button) {
    if (!HandleAllocated() || Destroying()) return;
    TBBUTTONINFOW info{sizeof(info)};
    info.dwMask = TBIF_STATE | TBIF_IMAGE;
    info.fsState = BYTE((button->Enabled() ? TBSTATE_ENABLED : 0) | (button->Down() ? TBSTATE_CHECKED : 0) |
                        (button->Visible() ? 0 : TBSTATE_HIDDEN));
    info.iImage = IsSeparator(button->style_) ? 6 : (images_ ? button->imageIndex_ : I_IMAGENONE);
    std::wstring text = button->Caption();
    if (showCaptions_ && !IsSeparator(button->style_)) {
        info.dwMask |= TBIF_TEXT;
        info.pszText = text.data();
    }
    SendMessageW(Handle(), TB_SETBUTTONINFOW, WPARAM(button->commandId_), LPARAM(&info));
    SendMessageW(Handle(), TB_AUTOSIZE, 0, 0);
    SyncBounds();
}

RECT TToolBar::ButtonRect(const TToolButton* button) {
    RECT r{};
    SendMessageW(Handle(), TB_GETRECT, WPARAM(button->commandId_), LPARAM(&r));
    return r;
}

void TToolBar::SyncBounds() {
    if (!HandleAllocated()) return;
    for (TToolButton* b : buttons_) {
        RECT r = ButtonRect(b);
        b->left_ = r.left;
        b->top_ = r.top;
        b->width_ = r.right - r.left;
        b->height_ = r.bottom - r.top;
    }
}

TToolButton* TToolBar::ButtonById(int id) const {
    for (TToolButton* b : buttons_)
        if (b->commandId_ == id) return b;
    return nullptr;
}

void TToolBar::DropDown(TMessage& message) {
    auto* nm = reinterpret_cast<NMTOOLBARW*>(message.LParam);
    message.Result = TBDDRET_DEFAULT;
    TToolButton* b = ButtonById(nm->iItem);
    if (!b || !b->dropdownMenu_) return;
    RECT r = ButtonRect(b);
    POINT p = ClientToScreen(POINT{r.left, r.bottom});
    b->dropdownMenu_->SetPopupComponent(b);
    b->dropdownMenu_->Popup(p.x, p.y);
}

void TToolBar::CustomDraw(TMessage& message) {
    auto* cd = reinterpret_cast<NMTBCUSTOMDRAW*>(message.LParam);
    message.Result = CDRF_DODEFAULT;
    if (!OnCustomDrawButton) return;
    if (cd->nmcd.dwDrawStage == CDDS_PREPAINT) {
        message.Result = CDRF_NOTIFYITEMDRAW;
        return;
    }
    if (cd->nmcd.dwDrawStage != CDDS_ITEMPREPAINT) return;
    TToolButton* b = ButtonById(int(cd->nmcd.dwItemSpec));
    if (!b) return;
    canvas_.SetHandle(cd->nmcd.hdc);
    TScopeExit detach([this] { canvas_.SetHandle(nullptr); });
    canvas_.Font().Assign(Font());
    canvas_.Brush().SetColor(Color());
    unsigned flags = 0;
    bool defaultDraw = true;
    OnCustomDrawButton(this, b, canvas_, cd->nmcd.rc, TCustomDrawState(cd->nmcd.uItemState), flags,
                       defaultDraw);
    message.Result = defaultDraw ? LRESULT(CDRF_DODEFAULT | flags) : LRESULT(CDRF_SKIPDEFAULT);
}

void TToolBar::WndProc(TMessage& message) {
    switch (message.Msg) {
    case CN_COMMAND:
        if (TToolButton* b = ButtonById(LOWORD(message.WParam))) b->Click();
        message.Result = 0;
        return;
    case CN_NOTIFY:
        switch (reinterpret_cast<NMHDR*>(message.LParam)->code) {
        case TBN_DROPDOWN:
            DropDown(message);
            return;
        case NM_CUSTOMDRAW:
            CustomDraw(message);
            return;
        default:
            break;
        }
        break;
    case WM_SIZE:
        TWinControl::WndProc(message);
        SyncBounds();
        return;
    default:
        break;
    }
    TWinControl::WndProc(message);
}

} // namespace yq
