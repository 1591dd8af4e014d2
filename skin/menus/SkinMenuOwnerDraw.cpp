#include "SkinMenuOwnerDraw.h"

#include "Form.h"
#include "GdiObjects.h"
#include "Guard.h"
#include "MainMenu.h"
#include "Menus.h"
#include "SkinManage.h"
#include "SkinMenuItem.h"
#include "SkinText.h"
#include "WinSkinData.h"
#include "WinSkinPopMenu.h"

#include <algorithm>
#include <functional>
#include <string>

namespace yq {

namespace {

// Identifiers up to this are the framework's item commands; above lie
// system commands and other platform items.
constexpr UINT kLastItemCommand = 4095;
constexpr int kMaxItemText = 80;
constexpr int kTextRuleWidth = 26, kTextRuleHeight = 4, kTextRuleSeparator = 8, kOldFamilyHeight = 4;
constexpr int kNeverOwnerDrawnTag = 100;

enum class TMeasure { Popup, Main };

void ForEachItem(TMenuItem* item, int depth, const std::function<void(TMenuItem*, int)>& visit) {
    for (int i = 0; i < item->Count(); ++i) {
        TMenuItem* child = item->Items(i);
        visit(child, depth);
        ForEachItem(child, depth + 1, visit);
    }
}

void GiveHandlers(TMenuItem* item, TSkinData* skin, TMeasure measure) {
    item->OnAdvancedDrawItem = [skin](TComponent* sender, TCanvas& canvas, const RECT& rect,
                                      TOwnerDrawState state) {
        const auto& it = *static_cast<TMenuItem*>(sender);
        if (!Guarded([&] { DrawMenuItem(skin, it, canvas, rect, (state & odSelected) != 0); },
                     TGuardPolicy::gpDrop))
            it.DefaultDraw(canvas, rect, state);
    };
    if (measure == TMeasure::Popup)
        item->OnMeasureItem = [skin](TComponent* sender, TCanvas&, int& width, int& height) {
            MeasurePopupItem(skin, *static_cast<TMenuItem*>(sender), width, height);
        };
    else
        item->OnMeasureItem = [skin](TComponent* sender, TCanvas& canvas, int& width, int& height) {
            MeasureMainItem(skin, *static_cast<TMenuItem*>(sender), canvas, width, height);
        };
}

void TakeHandlers(TMenuItem* item) {
    item->OnAdvancedDrawItem = nullptr;
    item->OnMeasureItem = nullptr;
}

bool IsMenuMessage(const TSkinnedWindow& w, UINT ctlType) {
    return ctlType == ODT_MENU && w.HadMenuBar;
}

// The text of platform item `id` in the window's menus, searched through
// their sub-menus.
bool FindItemText(const TSkinnedWindow& w, UINT id, std::wstring& text) {
    HMENU menus[] = {w.BarMenu, GetMenu(w.Handle), GetSystemMenu(w.Handle, FALSE),
                     w.Form && w.Form->Menu() ? w.Form->Menu()->Handle() : nullptr};
    for (HMENU menu : menus) {
        if (!menu) continue;
        wchar_t buffer[kMaxItemText] = {};
        MENUITEMINFOW info{sizeof(info)};
        info.fMask = MIIM_STRING;
        info.dwTypeData = buffer;
        info.cch = kMaxItemText - 1;
        if (GetMenuItemInfoW(menu, id, FALSE, &info)) {
            text = buffer;
            return true;
        }
    }
    return false;
}

void MeasureByText(const TSkinnedWindow& w, MEASUREITEMSTRUCT& mis, TCanvas& canvas) {
    std::wstring text;
    FindItemText(w, mis.itemID, text);
    const int indent = w.Skin && w.Skin->MenuItem() ? w.Skin->MenuItem()->Margins.Left : 0;
    const SIZE size = canvas.TextExtent(text);
    mis.itemWidth = UINT(size.cx + kTextRuleWidth + indent);
    mis.itemHeight = text.empty() ? UINT(kTextRuleSeparator) : UINT(size.cy + kTextRuleHeight);
    if (WinVersion >= 0x80000000u) mis.itemHeight += kOldFamilyHeight;
}

TMenuItem* MainMenuItem(const TSkinnedWindow& w, UINT id) {
    return w.Form && w.Form->Menu() ? w.Form->Menu()->FindItem(id) : nullptr;
}

// The platform draws a sub-menu's arrow after the owner; ours is drawn.
void KeepPlatformArrowOff(const DRAWITEMSTRUCT& dis, const TMenuItem& item) {
    if (item.Count() > 0)
        ExcludeClipRect(dis.hDC, dis.rcItem.left, dis.rcItem.top, dis.rcItem.right, dis.rcItem.bottom);
}

} // namespace

void SetPopupMenusOwnerDraw(TForm* form, TSkinData* skin, bool on) {
    if (!form || !skin || std::string(form->ClassName()) == "TwwRichEditForm") return;
    if (!InSet(skin->SkinControls(), xcPopupMenu)) return;
    for (int i = 0; i < form->ComponentCount(); ++i) {
        auto* menu = dynamic_cast<TPopupMenu*>(form->Components(i));
        if (!menu || menu->Tag % kNeverOwnerDrawnTag == skin->DisableTag()) continue;
        SetMenuOwnerDraw(menu, skin, on);
    }
}

void SetMenuOwnerDraw(TPopupMenu* menu, TSkinData* skin, bool on) {
    menu->SetOwnerDraw(on);
    ForEachItem(menu->Items(), 1, [&](TMenuItem* item, int) {
        on ? GiveHandlers(item, skin, TMeasure::Popup) : TakeHandlers(item);
    });
}

void SetMainMenuOwnerDraw(TForm* form, TSkinData* skin, bool on) {
    if (!form) return;
    for (int i = 0; i < form->ComponentCount(); ++i) {
        auto* menu = dynamic_cast<TMainMenu*>(form->Components(i));
        if (!menu) continue;
        menu->SetOwnerDraw(on);
        ForEachItem(menu->Items(), 1, [&](TMenuItem* item, int depth) {
            if (!on)
                TakeHandlers(item);
            else if (depth >= 2 && !item->OnAdvancedDrawItem)
                GiveHandlers(item, skin, TMeasure::Main);
        });
    }
}

void SetItemOwnerDraw(TMenuItem* item, TSkinData* skin, bool on) {
    if (!item) return;
    on ? GiveHandlers(item, skin, TMeasure::Main) : TakeHandlers(item);
    ForEachItem(item, 1, [&](TMenuItem* child, int) {
        on ? GiveHandlers(child, skin, TMeasure::Main) : TakeHandlers(child);
    });
}

void MarkOwnerDrawn(HMENU menu) {
    const int count = GetMenuItemCount(menu);
    for (int i = 0; i < count; ++i) {
        MENUITEMINFOW info{sizeof(info)};
        info.fMask = MIIM_FTYPE | MIIM_SUBMENU;
        if (!GetMenuItemInfoW(menu, UINT(i), TRUE, &info)) continue;
        if (!(info.fType & MFT_OWNERDRAW)) {
            info.fMask = MIIM_FTYPE;
            info.fType |= MFT_OWNERDRAW;
            SetMenuItemInfoW(menu, UINT(i), TRUE, &info);
        }
        if (info.hSubMenu) MarkOwnerDrawn(info.hSubMenu);
    }
}

bool IsNt4() {
    return UseWideApi && LOBYTE(LOWORD(WinVersion)) == 4;
}

bool MeasureItemMessage(const TSkinnedWindow& w, TMessage& m) {
    auto& mis = *reinterpret_cast<MEASUREITEMSTRUCT*>(m.LParam);
    if (!IsMenuMessage(w, mis.CtlType)) return false;
    TMenuItem* item = MainMenuItem(w, mis.itemID);
    if (w.Form && !item && mis.itemID <= kLastItemCommand) return false;
    TWindowDC dc(w.Handle);
    TCanvas canvas;
    canvas.SetHandle(dc.Get());
    UseMenuFont(canvas);
    if (item) {
        int width = int(mis.itemWidth), height = int(mis.itemHeight);
        MeasureMainItem(w.Skin, *item, canvas, width, height);
        mis.itemWidth = UINT(std::max(width, 0));
        mis.itemHeight = UINT(std::max(height, 0));
    } else {
        MeasureByText(w, mis, canvas);
    }
    canvas.SetHandle(nullptr);
    m.Result = TRUE;
    return true;
}

bool DrawItemMessage(const TSkinnedWindow& w, TMessage& m) {
    const auto& dis = *reinterpret_cast<const DRAWITEMSTRUCT*>(m.LParam);
    if (!IsMenuMessage(w, dis.CtlType)) return false;
    if (IsNt4() && FindWindowExW(w.Handle, nullptr, L"MDIClient", nullptr)) return false;
    const auto menu = reinterpret_cast<HMENU>(dis.hwndItem);
    AssociatePendingPopMenu(menu);
    TMenuItem* item = MainMenuItem(w, dis.itemID);
    if (w.Form && !item && dis.itemID <= kLastItemCommand) return false;
    const bool selected = (dis.itemState & ODS_SELECTED) != 0;
    {
        TSavedDC saved(dis.hDC);
        TCanvas canvas;
        canvas.SetHandle(dis.hDC);
        UseMenuFont(canvas);
        Guarded(
            [&] {
                if (item) {
                    DrawMenuItem(w.Skin, *item, canvas, dis.rcItem, selected);
                    return;
                }
                const auto temporary = ItemFromHandle(menu, dis.itemID);
                DrawHandleItem(w.Skin, menu, *temporary, selected, dis.rcItem, canvas);
            },
            TGuardPolicy::gpDrop);
        canvas.SetHandle(nullptr);
    }
    if (item) KeepPlatformArrowOff(dis, *item);
    m.Result = TRUE;
    return true;
}

bool SystemCommandMessage(HWND window, TMessage& m) {
    if (m.LParam != 0 || HIWORD(m.WParam) != 0) return false;
    const UINT id = LOWORD(m.WParam);
    if (id >= 0xFF00) return false;
    switch (id & 0xFFF0) {
    case SC_SIZE:
    case SC_MOVE:
    case SC_MINIMIZE:
    case SC_MAXIMIZE:
    case SC_NEXTWINDOW:
    case SC_PREVWINDOW:
    case SC_CLOSE:
    case SC_RESTORE:
        PostMessageW(window, WM_SYSCOMMAND, id, 0);
        m.Result = 0;
        return true;
    default:
        return false;
    }
}

} // namespace yq
