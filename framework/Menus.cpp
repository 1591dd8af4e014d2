#include "Menus.h"

#include "Application.h"

#include <algorithm>
#include <stdexcept>

namespace yq {

namespace {

// The platform menu font, for measuring and drawing owner-drawn items.
void UseMenuFont(TCanvas& canvas) {
    NONCLIENTMETRICSW metrics{sizeof(metrics)};
    if (!SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0)) return;
    canvas.Font().SetName(metrics.lfMenuFont.lfFaceName);
    canvas.Font().SetHeight(metrics.lfMenuFont.lfHeight);
    canvas.Font().SetCharset(metrics.lfMenuFont.lfCharSet);
}

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
    r.Int("ShortCut", &TMenuItem::ShortCut, &TMenuItem::SetShortCut);
    r.Int("ImageIndex", &TMenuItem::ImageIndex, &TMenuItem::SetImageIndex);
}

TMenuItem::TMenuItem(TComponent* owner) : TComponent(owner) {}

TMenuItem::~TMenuItem() {
    while (!items_.empty())
        delete items_.back();
    if (parent_) parent_->Remove(this);
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
}

void TMenuItem::Remove(TMenuItem* item) {
    auto it = std::find(items_.begin(), items_.end(), item);
    if (it == items_.end()) return;
    items_.erase(it);
    item->parent_ = nullptr;
}

int TMenuItem::IndexOf(const TMenuItem* item) const {
    auto it = std::find(items_.begin(), items_.end(), item);
    return it == items_.end() ? -1 : int(it - items_.begin());
}

TPopupMenu* TMenuItem::GetParentMenu() const {
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

// ---- TPopupMenu -------------------------------------------------------------

// The hidden window that owns the platform menu while it is open and
// receives its measure and draw requests.
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

YQ_PUBLISHED(TPopupMenu, TComponent) {
    r.Bool("OwnerDraw", &TPopupMenu::OwnerDraw, &TPopupMenu::SetOwnerDraw);
    r.Enum("Alignment", &TPopupMenu::Alignment, &TPopupMenu::SetAlignment, {"paLeft", "paRight", "paCenter"});
    r.Object("Items", &TPopupMenu::Items);
}

TPopupMenu::TPopupMenu(TComponent* owner) : TComponent(owner), items_(std::make_unique<TMenuItem>()) {
    items_->root_ = this;
}

TPopupMenu::~TPopupMenu() = default;

void TPopupMenu::SetPopupComponent(TComponent* component) {
    popupComponent_ = component;
    // Free notification links both ways and is not counted, so an old link
    // stays (the control may hold this menu too); a stale one is harmless.
    if (component) FreeNotification(component);
}

void TPopupMenu::Notification(TComponent* component, TOperation operation) {
    TComponent::Notification(component, operation);
    if (operation == TOperation::opRemove && component == popupComponent_) popupComponent_ = nullptr;
}

HWND TPopupMenu::WindowHandle() {
    if (!window_) window_ = std::make_unique<TMenuWindow>(this);
    return window_->Handle();
}

HMENU TPopupMenu::Build(TMenuItem* parent, std::vector<TMenuItem*>& byCommand) {
    HMENU menu = CreatePopupMenu();
    parent->subMenu_ = menu;
    for (TMenuItem* item : parent->items_) {
        if (!item->visible_) continue;
        byCommand.push_back(item);
        std::wstring text = item->caption_;
        if (item->shortCut_) text += L"\t" + ShortCutToText(item->shortCut_);
        MENUITEMINFOW info{sizeof(info)};
        info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_DATA;
        info.wID = UINT(byCommand.size()); // from 1: 0 means nothing was chosen
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
        if (item->default_) info.fState |= MFS_DEFAULT;
        if (!item->items_.empty()) {
            info.fMask |= MIIM_SUBMENU;
            info.hSubMenu = Build(item, byCommand);
        }
        InsertMenuItemW(menu, UINT(GetMenuItemCount(menu)), TRUE, &info);
    }
    return menu;
}

void TPopupMenu::ForgetHandles(TMenuItem* item) {
    item->subMenu_ = nullptr;
    for (TMenuItem* child : item->items_)
        ForgetHandles(child);
}

void TPopupMenu::Popup(int x, int y) {
    if (OnPopup) OnPopup(this);
    HWND owner = WindowHandle();
    std::vector<TMenuItem*> byCommand;
    UINT chosen = 0;
    {
        TMenuHandle menu(Build(items_.get(), byCommand));
        UINT align = alignment_ == TPopupAlignment::paRight    ? TPM_RIGHTALIGN
                     : alignment_ == TPopupAlignment::paCenter ? TPM_CENTERALIGN
                                                               : TPM_LEFTALIGN;
        chosen = UINT(TrackPopupMenuEx(menu.Get(), align | TPM_RIGHTBUTTON | TPM_RETURNCMD | TPM_NONOTIFY, x,
                                       y, owner, nullptr));
        ForgetHandles(items_.get());
    }
    if (chosen >= 1 && chosen <= byCommand.size()) byCommand[chosen - 1]->Click();
}

bool TPopupMenu::OnMeasureItemMessage(MEASUREITEMSTRUCT& mis) {
    if (mis.CtlType != ODT_MENU || !mis.itemData) return false;
    auto* item = reinterpret_cast<TMenuItem*>(mis.itemData);
    TWindowDC screen(nullptr);
    TCanvas canvas;
    canvas.SetHandle(screen.Get());
    UseMenuFont(canvas);
    int width = int(mis.itemWidth), height = int(mis.itemHeight);
    item->MeasureItem(canvas, width, height);
    canvas.SetHandle(nullptr);
    mis.itemWidth = UINT(std::max(width, 0));
    mis.itemHeight = UINT(std::max(height, 0));
    return true;
}

bool TPopupMenu::OnDrawItemMessage(const DRAWITEMSTRUCT& dis) {
    if (dis.CtlType != ODT_MENU || !dis.itemData) return false;
    auto* item = reinterpret_cast<TMenuItem*>(dis.itemData);
    TSavedDC saved(dis.hDC);
    TCanvas canvas;
    canvas.SetHandle(dis.hDC);
    UseMenuFont(canvas);
    TOwnerDrawState state = 0;
    if (dis.itemState & ODS_SELECTED) state |= odSelected;
    if (dis.itemState & ODS_GRAYED) state |= odGrayed;
    if (dis.itemState & ODS_DISABLED) state |= odDisabled;
    if (dis.itemState & ODS_CHECKED) state |= odChecked;
    if (dis.itemState & ODS_FOCUS) state |= odFocused;
    if (dis.itemState & ODS_DEFAULT) state |= odDefault;
    item->AdvancedDrawItem(canvas, dis.rcItem, state);
    canvas.SetHandle(nullptr);
    return true;
}

LRESULT CALLBACK TPopupMenu::MenuWindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_NCCREATE) {
        auto* cs = reinterpret_cast<CREATESTRUCTW*>(lp);
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(cs->lpCreateParams));
    }
    auto* self = reinterpret_cast<TPopupMenu*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (self && (msg == WM_MEASUREITEM || msg == WM_DRAWITEM)) {
        // No C++ exception crosses the platform's frame.
        try {
            bool done = msg == WM_MEASUREITEM
                            ? self->OnMeasureItemMessage(*reinterpret_cast<MEASUREITEMSTRUCT*>(lp))
                            : self->OnDrawItemMessage(*reinterpret_cast<DRAWITEMSTRUCT*>(lp));
            if (done) return TRUE;
        } catch (...) {
            Application().HandleException(std::current_exception());
            return TRUE;
        }
    }
    return DefWindowProcW(hwnd, msg, wp, lp);
}

} // namespace yq
