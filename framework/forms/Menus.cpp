#include "Menus.h"

#include "GdiObjects.h"
#include "Guard.h"

#include <algorithm>
#include <stdexcept>

namespace yq {

namespace {

// Room left of the text for a check mark and right of it for the margin.
int CheckWidth() {
    return GetSystemMetrics(SM_CXMENUCHECK) + 4;
}
constexpr int kSeparatorHeight = 8;
constexpr int kTextPadding = 4;
constexpr int kShortCutGap = 16;

std::wstring KeyName(int key) {
    if ((key >= '0' && key <= '9') || (key >= 'A' && key <= 'Z')) return std::wstring(1, wchar_t(key));
    if (key >= VK_F1 && key <= VK_F24) return L"F" + std::to_wstring(key - VK_F1 + 1);
    struct Named {
        int key;
        const wchar_t* name;
    } static constexpr kNames[] = {
        {VK_BACK, L"BkSp"},   {VK_TAB, L"Tab"},    {VK_RETURN, L"Enter"}, {VK_ESCAPE, L"Esc"},
        {VK_SPACE, L"Space"}, {VK_PRIOR, L"PgUp"}, {VK_NEXT, L"PgDn"},    {VK_END, L"End"},
        {VK_HOME, L"Home"},   {VK_LEFT, L"Left"},  {VK_UP, L"Up"},        {VK_RIGHT, L"Right"},
        {VK_DOWN, L"Down"},   {VK_INSERT, L"Ins"}, {VK_DELETE, L"Del"},
    };
    for (const Named& n : kNames)
        if (n.key == key) return n.name;
    return {};
}

} // namespace

// The platform menu font, for measuring and drawing owner-drawn items.
void UseMenuFont(TCanvas& canvas) {
    NONCLIENTMETRICSW metrics{sizeof(metrics)};
    if (!SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0)) return;
    canvas.Font().SetName(metrics.lfMenuFont.lfFaceName);
    canvas.Font().SetHeight(metrics.lfMenuFont.lfHeight);
    canvas.Font().SetCharset(metrics.lfMenuFont.lfCharSet);
}

std::wstring ShortCutToText(int shortCut) {
    std::wstring name = KeyName(shortCut & 0xFF);
    if (name.empty()) return {};
    std::wstring text;
    if (shortCut & scShift) text += L"Shift+";
    if (shortCut & scCtrl) text += L"Ctrl+";
    if (shortCut & scAlt) text += L"Alt+";
    return text + name;
}

// ---- TMenuItem --------------------------------------------------------------

YQ_PUBLISHED(TMenuItem, TComponent) {
    r.WStr("Caption", &TMenuItem::Caption, &TMenuItem::SetCaption);
    r.Bool("Enabled", &TMenuItem::Enabled, &TMenuItem::SetEnabled);
    r.Bool("Checked", &TMenuItem::Checked, &TMenuItem::SetChecked);
    r.Bool("Visible", &TMenuItem::Visible, &TMenuItem::SetVisible);
    r.Bool("Default", &TMenuItem::Default, &TMenuItem::SetDefault);
    r.Bool("RadioItem", &TMenuItem::RadioItem, &TMenuItem::SetRadioItem);
    r.Int("ShortCut", &TMenuItem::ShortCut, &TMenuItem::SetShortCut);
    r.Int("ImageIndex", &TMenuItem::ImageIndex, &TMenuItem::SetImageIndex);
}

namespace {
// Command identifiers run below the system commands (0xF000 and up) and the
// MDI window list (0xFF00 and up); 0 means no item.
constexpr UINT kLastCommand = 0xEFFF;
UINT NextCommand() {
    static UINT next = 0;
    next = next >= kLastCommand ? 1 : next + 1;
    return next;
}
} // namespace

TMenuItem::TMenuItem(TComponent* owner) : TComponent(owner), command_(NextCommand()) {}

TMenuItem::~TMenuItem() {
    while (!items_.empty())
        delete items_.back();
    if (parent_) parent_->Remove(this);
}

void TMenuItem::Changed() {
    if (TMenu* menu = GetParentMenu()) menu->MenuChanged();
}

void TMenuItem::SetCaption(const std::wstring& caption) {
    if (caption == caption_) return;
    caption_ = caption;
    Changed();
}

void TMenuItem::SetEnabled(bool enabled) {
    if (enabled == enabled_) return;
    enabled_ = enabled;
    Changed();
}

void TMenuItem::SetChecked(bool checked) {
    if (checked == checked_) return;
    checked_ = checked;
    Changed();
}

void TMenuItem::SetVisible(bool visible) {
    if (visible == visible_) return;
    visible_ = visible;
    Changed();
}

void TMenuItem::SetDefault(bool value) {
    if (value == default_) return;
    default_ = value;
    Changed();
}

void TMenuItem::SetRadioItem(bool value) {
    if (value == radioItem_) return;
    radioItem_ = value;
    Changed();
}

void TMenuItem::SetShortCut(int shortCut) {
    if (shortCut == shortCut_) return;
    shortCut_ = shortCut;
    Changed();
}

wchar_t TMenuItem::Accelerator() const {
    return AcceleratorOf(caption_);
}

TMenuItem* TMenuItem::Find(UINT command) {
    if (command_ == command) return this;
    for (TMenuItem* item : items_)
        if (TMenuItem* found = item->Find(command)) return found;
    return nullptr;
}

TMenuItem* TMenuItem::Items(int index) const {
    if (index < 0 || index >= Count())
        throw std::out_of_range("List index out of bounds (" + std::to_string(index) + ")");
    return items_[size_t(index)];
}

void TMenuItem::Add(TMenuItem* item) {
    Insert(Count(), item);
}

void TMenuItem::Insert(int index, TMenuItem* item) {
    if (!item || item == this) return;
    if (index < 0 || index > Count())
        throw std::out_of_range("List index out of bounds (" + std::to_string(index) + ")");
    for (const TMenuItem* p = this; p; p = p->parent_)
        if (p == item) throw std::invalid_argument("Menu inserted twice");
    if (item->parent_) item->parent_->Remove(item);
    items_.insert(items_.begin() + index, item);
    item->parent_ = this;
    Changed();
}

void TMenuItem::Remove(TMenuItem* item) {
    auto it = std::find(items_.begin(), items_.end(), item);
    if (it == items_.end()) return;
    items_.erase(it);
    item->parent_ = nullptr;
    Changed();
}

int TMenuItem::IndexOf(const TMenuItem* item) const {
    auto it = std::find(items_.begin(), items_.end(), item);
    return it == items_.end() ? -1 : int(it - items_.begin());
}

TMenu* TMenuItem::GetParentMenu() const {
    const TMenuItem* top = this;
    while (top->parent_)
        top = top->parent_;
    return top->root_;
}

void TMenuItem::Click() {
    if (enabled_ && OnClick) OnClick(this);
}

void TMenuItem::MeasureItem(TCanvas& canvas, int& width, int& height) {
    DefaultMeasure(canvas, width, height);
    if (OnMeasureItem) OnMeasureItem(this, canvas, width, height);
}

void TMenuItem::AdvancedDrawItem(TCanvas& canvas, const RECT& rect, TOwnerDrawState state) {
    if (OnAdvancedDrawItem)
        OnAdvancedDrawItem(this, canvas, rect, state);
    else
        DefaultDraw(canvas, rect, state);
}

void TMenuItem::DefaultMeasure(TCanvas& canvas, int& width, int& height) const {
    if (IsLine()) {
        width = 0;
        height = kSeparatorHeight;
        return;
    }
    // An empty caption still takes the height of one line.
    SIZE text = canvas.TextExtent(caption_.empty() ? L" " : caption_);
    width = CheckWidth() + text.cx + kTextPadding;
    if (shortCut_) width += kShortCutGap + canvas.TextWidth(ShortCutToText(shortCut_));
    height = std::max<int>(text.cy + kTextPadding, GetSystemMetrics(SM_CYMENU) - 1);
}

void TMenuItem::DefaultDraw(TCanvas& canvas, const RECT& rect, TOwnerDrawState state) const {
    bool selected = (state & odSelected) != 0;
    canvas.Brush().SetStyle(TBrushStyle::bsSolid);
    canvas.Brush().SetColor(selected && !IsLine() ? clHighlight : clMenu);
    canvas.FillRect(rect);
    if (IsLine()) {
        RECT line = rect;
        line.top += (rect.bottom - rect.top) / 2 - 1;
        DrawEdge(canvas.Handle(), &line, EDGE_ETCHED, BF_TOP);
        return;
    }
    TColor text = !enabled_ ? clGrayText : selected ? clHighlightText : clMenuText;
    canvas.Font().SetColor(text);
    if (default_) canvas.Font().SetStyle(canvas.Font().Style() | fsBold);
    if (checked_) {
        RECT box{rect.left, rect.top, rect.left + CheckWidth(), rect.bottom};
        canvas.DrawText(L"\u221A", box, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    }
    canvas.Brush().SetStyle(TBrushStyle::bsClear);
    RECT r{rect.left + CheckWidth(), rect.top, rect.right - kTextPadding, rect.bottom};
    canvas.DrawText(caption_, r, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_EXPANDTABS);
    if (shortCut_) canvas.DrawText(ShortCutToText(shortCut_), r, DT_RIGHT | DT_VCENTER | DT_SINGLELINE);
}

// ---- TMenu -----------------------------------------------------------------

YQ_PUBLISHED(TMenu, TComponent) {
    r.Bool("OwnerDraw", &TMenu::OwnerDraw, &TMenu::SetOwnerDraw);
    r.Object("Images", &TMenu::Images);
    r.Object("Items", &TMenu::Items);
}

TMenu::TMenu(TComponent* owner)
    : TComponent(owner), items_(std::make_unique<TMenuItem>()),
      hooks_([this](TMessage& m) { OwnerMessage(m); }) {
    items_->root_ = this;
}

TMenu::~TMenu() {
    // The items go first, while no one is told about changes any more.
    items_->root_ = nullptr;
}

void TMenu::SetOwnerDraw(bool on) {
    if (on == ownerDraw_) return;
    ownerDraw_ = on;
    MenuChanged();
}

void TMenu::SetImages(TCustomImageList* images) {
    if (images == images_) return;
    if (images_) RemoveFreeNotification(images_);
    images_ = images;
    if (images_) FreeNotification(images_);
    MenuChanged();
}

void TMenu::Notification(TComponent* component, TOperation operation) {
    TComponent::Notification(component, operation);
    if (operation == TOperation::opRemove && component == images_) images_ = nullptr;
}

void TMenu::BuildItems(HMENU menu, TMenuItem* parent) {
    parent->subMenu_ = menu;
    for (TMenuItem* item : parent->items_) {
        if (!item->visible_) continue;
        std::wstring text = item->caption_;
        if (item->shortCut_) text += L"\t" + ShortCutToText(item->shortCut_);
        MENUITEMINFOW info{sizeof(info)};
        info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_DATA;
        info.wID = item->command_;
        info.dwItemData = reinterpret_cast<ULONG_PTR>(item);
        if (item->IsLine()) info.fType |= MFT_SEPARATOR;
        if (ownerDraw_) {
            info.fType |= MFT_OWNERDRAW;
        } else if (!item->IsLine()) {
            info.fMask |= MIIM_STRING;
            info.dwTypeData = text.data();
        }
        if (!item->enabled_) info.fState |= MFS_DISABLED;
        if (item->checked_) info.fState |= MFS_CHECKED;
        if (item->radioItem_) info.fType |= MFT_RADIOCHECK;
        if (item->default_) info.fState |= MFS_DEFAULT;
        if (!item->items_.empty()) {
            info.fMask |= MIIM_SUBMENU;
            info.hSubMenu = CreatePopupMenu();
            BuildItems(info.hSubMenu, item);
        }
        InsertMenuItemW(menu, UINT(GetMenuItemCount(menu)), TRUE, &info);
    }
}

void TMenu::ForgetHandles(TMenuItem* item) {
    item->subMenu_ = nullptr;
    for (TMenuItem* child : item->items_)
        ForgetHandles(child);
}

// ---- TPopupMenu -------------------------------------------------------------

// The hidden window that owns the platform menu while it is open and
// receives its owner messages.
class TPopupMenu::TMenuWindow {
public:
    explicit TMenuWindow(TPopupMenu* menu) {
        static const wchar_t* const kClass = L"TPopupMenuWindow";
        WNDCLASSEXW wc{sizeof(wc)};
        if (!GetClassInfoExW(GetModuleHandleW(nullptr), kClass, &wc)) {
            wc = WNDCLASSEXW{sizeof(wc)};
            wc.lpfnWndProc = &TPopupMenu::MenuWindowProc;
            wc.hInstance = GetModuleHandleW(nullptr);
            wc.lpszClassName = kClass;
            RegisterClassExW(&wc);
        }
        hwnd_ = CreateWindowExW(WS_EX_TOOLWINDOW, kClass, L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                                GetModuleHandleW(nullptr), menu);
    }
    ~TMenuWindow() {
        if (hwnd_) DestroyWindow(hwnd_);
    }
    TMenuWindow(const TMenuWindow&) = delete;
    TMenuWindow& operator=(const TMenuWindow&) = delete;
    HWND Handle() const { return hwnd_; }

private:
    HWND hwnd_ = nullptr;
};

// Destroys the platform menu (and its sub-menus) when the popup is done.
class TMenuHandle {
public:
    explicit TMenuHandle(HMENU menu) : menu_(menu) {}
    ~TMenuHandle() {
        if (menu_) DestroyMenu(menu_);
    }
    TMenuHandle(const TMenuHandle&) = delete;
    TMenuHandle& operator=(const TMenuHandle&) = delete;
    HMENU Get() const { return menu_; }

private:
    HMENU menu_;
};

YQ_PUBLISHED(TPopupMenu, TMenu) {
    r.Enum("Alignment", &TPopupMenu::Alignment, &TPopupMenu::SetAlignment, {"paLeft", "paRight", "paCenter"});
}

TPopupMenu::TPopupMenu(TComponent* owner) : TMenu(owner) {}

TPopupMenu::~TPopupMenu() = default;

void TPopupMenu::SetPopupComponent(TComponent* component) {
    popupComponent_ = component;
    // Free notification links both ways and is not counted, so an old link
    // stays (the control may hold this menu too); a stale one is harmless.
    if (component) FreeNotification(component);
}

void TPopupMenu::Notification(TComponent* component, TOperation operation) {
    TMenu::Notification(component, operation);
    if (operation == TOperation::opRemove && component == popupComponent_) popupComponent_ = nullptr;
}

HWND TPopupMenu::WindowHandle() {
    if (!window_) window_ = std::make_unique<TMenuWindow>(this);
    return window_->Handle();
}

void TPopupMenu::OwnerMessage(TMessage& m) {
    // The chosen item runs after the menu has closed (Popup).
    if (m.Msg == WM_COMMAND) {
        Unhandled(m);
        return;
    }
    TMenu::OwnerMessage(m);
}

void TPopupMenu::Popup(int x, int y) {
    if (OnPopup) OnPopup(this);
    HWND owner = WindowHandle();
    UINT chosen = 0;
    {
        TMenuHandle menu(CreatePopupMenu());
        BuildItems(menu.Get(), Items());
        UINT align = alignment_ == TPopupAlignment::paRight    ? TPM_RIGHTALIGN
                     : alignment_ == TPopupAlignment::paCenter ? TPM_CENTERALIGN
                                                               : TPM_LEFTALIGN;
        chosen =
            UINT(TrackPopupMenuEx(menu.Get(), align | TPM_RIGHTBUTTON | TPM_RETURNCMD, x, y, owner, nullptr));
        ForgetHandles(Items());
    }
    if (chosen == 0) return;
    if (TMenuItem* item = FindItem(chosen)) item->Click();
}

LRESULT CALLBACK TPopupMenu::MenuWindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_NCCREATE) {
        auto* cs = reinterpret_cast<CREATESTRUCTW*>(lp);
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(cs->lpCreateParams));
    }
    auto* self = reinterpret_cast<TPopupMenu*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    TMessage m{msg, wp, lp, 0};
    auto platform = [hwnd](TMessage& pm) { pm.Result = DefWindowProcW(hwnd, pm.Msg, pm.WParam, pm.LParam); };
    if (!self || !self->OwnsMessage(m)) {
        platform(m);
        return m.Result;
    }
    // A menu loop runs inside: an error is shown once it has ended.
    if (!Guarded([&] { self->DispatchOwnerMessage(m, platform); }, TGuardPolicy::gpShowLater)) {
        if (msg == WM_MEASUREITEM || msg == WM_DRAWITEM) return TRUE;
        platform(m);
    }
    return m.Result;
}

wchar_t AcceleratorOf(const std::wstring& caption) {
    for (size_t i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != L'&') continue;
        if (caption[i + 1] != L'&') return wchar_t(towlower(caption[i + 1]));
        ++i; // "&&" is a plain "&"
    }
    return 0;
}

} // namespace yq
