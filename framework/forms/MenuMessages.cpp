// TMenu: the messages of the window that owns an open menu, through the
// menu's hooks to its own handling.
#include "Menus.h"

#include "GdiObjects.h"
#include "Scope.h"

#include <algorithm>
#include <vector>

namespace yq {

void TMenu::DispatchOwnerMessage(TMessage& m, const TWndMethod& unhandled) {
    TValueScope restore(unhandled_, &unhandled);
    hooks_.Dispatch(m);
}

void TMenu::Unhandled(TMessage& m) {
    if (unhandled_ && *unhandled_)
        (*unhandled_)(m);
    else
        m.Result = 0;
}

TMenuItem* TMenu::ItemOfMenu(HMENU menu) const {
    if (!menu) return nullptr;
    std::vector<TMenuItem*> pending{items_.get()};
    while (!pending.empty()) {
        TMenuItem* item = pending.back();
        pending.pop_back();
        if (item->subMenu_ == menu) return item;
        pending.insert(pending.end(), item->items_.begin(), item->items_.end());
    }
    return nullptr;
}

bool TMenu::HoldsMenu(HMENU menu) const {
    return ItemOfMenu(menu) != nullptr;
}

bool TMenu::OwnsMessage(const TMessage& m) const {
    switch (m.Msg) {
    case WM_INITMENUPOPUP:
        return HoldsMenu(reinterpret_cast<HMENU>(m.WParam));
    case WM_MENUSELECT:
    case WM_MENUCHAR:
        return HoldsMenu(reinterpret_cast<HMENU>(m.LParam));
    case WM_MEASUREITEM: {
        auto* mis = reinterpret_cast<const MEASUREITEMSTRUCT*>(m.LParam);
        return mis->CtlType == ODT_MENU && FindItem(mis->itemID) &&
               reinterpret_cast<TMenuItem*>(mis->itemData) == FindItem(mis->itemID);
    }
    case WM_DRAWITEM: {
        auto* dis = reinterpret_cast<const DRAWITEMSTRUCT*>(m.LParam);
        return dis->CtlType == ODT_MENU && HoldsMenu(reinterpret_cast<HMENU>(dis->hwndItem));
    }
    case WM_COMMAND:
        return HIWORD(m.WParam) == 0 && m.LParam == 0 && FindItem(LOWORD(m.WParam));
    default:
        return false;
    }
}

void TMenu::OwnerMessage(TMessage& m) {
    bool done = false;
    switch (m.Msg) {
    case WM_MEASUREITEM:
        done = MeasureItemMessage(*reinterpret_cast<MEASUREITEMSTRUCT*>(m.LParam));
        break;
    case WM_DRAWITEM:
        done = DrawItemMessage(*reinterpret_cast<const DRAWITEMSTRUCT*>(m.LParam));
        break;
    case WM_MENUCHAR:
        done = MenuCharMessage(m);
        break;
    case WM_INITMENUPOPUP:
        // An item's drop-down opening is its click (its handler may update
        // the sub-items); the platform goes on with it.
        if (TMenuItem* item = ItemOfMenu(reinterpret_cast<HMENU>(m.WParam)); item && item != items_.get())
            item->Click();
        break;
    case WM_COMMAND:
        if (HIWORD(m.WParam) == 0 && m.LParam == 0) {
            if (TMenuItem* item = FindItem(LOWORD(m.WParam))) {
                item->Click();
                m.Result = 0;
                done = true;
            }
        }
        break;
    default:
        break;
    }
    if (done) {
        if (m.Msg == WM_MEASUREITEM || m.Msg == WM_DRAWITEM) m.Result = TRUE;
        return;
    }
    Unhandled(m);
}

bool TMenu::MeasureItemMessage(MEASUREITEMSTRUCT& mis) {
    if (mis.CtlType != ODT_MENU || !mis.itemData) return false;
    auto* item = reinterpret_cast<TMenuItem*>(mis.itemData);
    int width = int(mis.itemWidth), height = int(mis.itemHeight);
    item->MeasureItem(MeasuringCanvas(), width, height);
    mis.itemWidth = UINT(std::max(width, 0));
    mis.itemHeight = UINT(std::max(height, 0));
    return true;
}

const TFont& TMenu::MenuFont() {
    if (!measuring_) {
        measuring_ = std::make_unique<TBitmap>(1, 1);
        UseMenuFont(measuring_->Canvas());
        menuFont_.Assign(measuring_->Canvas().Font());
    }
    return menuFont_;
}

TCanvas& TMenu::MeasuringCanvas() {
    const TFont& menuFont = MenuFont();
    // A handler may have changed the font (a bold default item).
    TFont& font = measuring_->Canvas().Font();
    if (!(font == menuFont)) font.Assign(menuFont);
    return measuring_->Canvas();
}

bool TMenu::DrawItemMessage(const DRAWITEMSTRUCT& dis) {
    if (dis.CtlType != ODT_MENU || !dis.itemData) return false;
    auto* item = reinterpret_cast<TMenuItem*>(dis.itemData);
    {
        TSavedDC saved(dis.hDC);
        TCanvas canvas;
        canvas.SetHandle(dis.hDC);
        canvas.Font().Assign(MenuFont());
        TOwnerDrawState state = 0;
        if (dis.itemState & ODS_SELECTED) state |= odSelected;
        if (dis.itemState & ODS_GRAYED) state |= odGrayed;
        if (dis.itemState & ODS_DISABLED) state |= odDisabled;
        if (dis.itemState & ODS_CHECKED) state |= odChecked;
        if (dis.itemState & ODS_FOCUS) state |= odFocused;
        if (dis.itemState & ODS_DEFAULT) state |= odDefault;
        item->AdvancedDrawItem(canvas, dis.rcItem, state);
        canvas.SetHandle(nullptr);
    }
    // The platform draws a sub-menu's arrow after the owner has drawn the
    // item; a handler that draws the whole item keeps it off.
    if (item->OnAdvancedDrawItem && item->Count() > 0)
        ExcludeClipRect(dis.hDC, dis.rcItem.left, dis.rcItem.top, dis.rcItem.right, dis.rcItem.bottom);
    return true;
}

// Owner-drawn items carry no text: the platform cannot find their
// accelerators, so the menu answers for them.
bool TMenu::MenuCharMessage(TMessage& m) {
    if (!ownerDraw_) return false;
    HMENU menu = reinterpret_cast<HMENU>(m.LParam);
    wchar_t key = wchar_t(towlower(wchar_t(LOWORD(m.WParam))));
    int count = GetMenuItemCount(menu);
    for (int i = 0; i < count; ++i) {
        MENUITEMINFOW info{sizeof(info)};
        info.fMask = MIIM_DATA;
        if (!GetMenuItemInfoW(menu, UINT(i), TRUE, &info) || !info.dwItemData) continue;
        auto* item = reinterpret_cast<TMenuItem*>(info.dwItemData);
        if (item->Enabled() && item->Accelerator() == key) {
            m.Result = MAKELRESULT(i, MNC_EXECUTE);
            return true;
        }
    }
    return false;
}

} // namespace yq
