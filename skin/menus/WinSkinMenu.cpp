#include "WinSkinMenu.h"

#include "CaptionButtons.h"
#include "Form.h"
#include "MainMenu.h"
#include "SkinControl.h"
#include "SkinDraw.h"
#include "SkinManage.h"
#include "WinSkinData.h"
#include "WinSkinForm.h"

#include <algorithm>

namespace yq {

namespace {

// Room around a caption inside its button.
constexpr int kButtonPadding = 10;
// Where the buttons start: after the bar picture's margin, or on a flat bar.
constexpr int kStartAfterLeftMargin = 4;
constexpr int kStartAfterRightMargin = 8;
constexpr int kStartFlat = 6;
constexpr int kStartNarrow = 12;
// A platform menu text is read into a buffer of this many characters.
constexpr int kItemTextBuffer = 80;
// Gap between the MDI child's icon and the first button.
constexpr int kIconGap = 4;

constexpr UINT kCentredText = DT_CENTER | DT_SINGLELINE | DT_EXPANDTABS;

} // namespace

void DrawCentredText(HDC dc, const RECT& r, const std::wstring& text, bool enabled) {
    SetBkMode(dc, TRANSPARENT);
    if (!enabled) SetTextColor(dc, GetSysColor(COLOR_BTNSHADOW));
    RECT measured = r;
    DrawTextW(dc, text.c_str(), int(text.size()), &measured, kCentredText | DT_NOCLIP | DT_CALCRECT);
    const int w = measured.right - measured.left, h = measured.bottom - measured.top;
    RECT at{r.left + (r.right - r.left - w) / 2, r.top + (r.bottom - r.top - h) / 2, 0, 0};
    at.right = at.left + w;
    at.bottom = at.top + h;
    DrawTextW(dc, text.c_str(), int(text.size()), &at, kCentredText);
}

TWinSkinMenu::TWinSkinMenu(TWinSkinForm& form, TSkinData* skin) : SkinData(skin), Form(form), MdiIcon(form) {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof(metrics);
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0);
    menuFont_.Reset(CreateFontIndirectW(&metrics.lfMenuFont));
}

TWinSkinMenu::~TWinSkinMenu() {
    ClearButtons();
}

void TWinSkinMenu::ClearButtons() {
    for (const auto& b : Buttons)
        if (Form.HotObject == b.get()) Form.HotObject = nullptr;
    Buttons.clear();
}

void TWinSkinMenu::RemoveWindowMenu() {
    if (GetMenu(Form.Handle)) ::SetMenu(Form.Handle, nullptr);
}

void TWinSkinMenu::RebuildFromMainMenu() {
    if (HMENU menu = GetMenu(Form.Handle)) MenuHandle = menu;
    if (!MenuHandle) return;
    if (Form.Form) {
        MainMenu = Form.Form->Menu();
        if (!MainMenu) return;
    }
    ClearButtons();
    if (!MainMenu) {
        ReadPlatformMenu(MenuHandle, false);
        return;
    }
    TMenuItem* root = MainMenu->Items();
    for (int i = 0; i < root->Count(); ++i) {
        TMenuItem* item = root->Items(i);
        auto b = std::make_unique<TMenuBtn>(Form);
        b->SkinData = SkinData;
        b->Index = i;
        b->Visible = item->Visible();
        b->Enabled = item->Enabled();
        b->Command = item->Command();
        b->Caption = item->Caption();
        b->MenuItem = item;
        b->SubMenu = item->Count() > 0 ? item->Handle() : nullptr;
        Buttons.push_back(std::move(b));
    }
    ButtonCount = root->Count();
    RemoveWindowMenu();
}

void TWinSkinMenu::RebuildMerged() {
    if (HMENU menu = GetMenu(Form.Handle)) MenuHandle = menu;
    if (!MenuHandle) return;
    ReadPlatformMenu(MenuHandle, false);
}

void TWinSkinMenu::RebuildFromHandle(HMENU menu) {
    if (menu) MenuHandle = menu;
    if (!MenuHandle) return;
    ReadPlatformMenu(MenuHandle, true);
}

// Framework items carry no text when they are owner-drawn: their caption,
// state and drop-down come from the main menu's item at the same position
// (or, matching by command, with the same identifier).
void TWinSkinMenu::ReadPlatformMenu(HMENU menu, bool matchByCommand) {
    if (Form.Form) MainMenu = Form.Form->Menu();
    ClearButtons();
    ButtonCount = std::max(0, GetMenuItemCount(menu));
    for (int i = 0; i < ButtonCount; ++i) {
        wchar_t text[kItemTextBuffer] = {};
        MENUITEMINFOW info{sizeof(info)};
        info.fMask = MIIM_STATE | MIIM_ID | MIIM_SUBMENU | MIIM_FTYPE | MIIM_STRING;
        info.dwTypeData = text;
        info.cch = kItemTextBuffer - 1;
        GetMenuItemInfoW(menu, UINT(i), TRUE, &info);
        auto b = std::make_unique<TMenuBtn>(Form);
        b->SkinData = SkinData;
        b->Index = i;
        b->SubMenu = info.hSubMenu;
        b->Enabled = !(info.fState & (MFS_GRAYED | MFS_DISABLED));
        b->Visible = true;
        b->Command = info.wID;
        b->Caption = (info.fType & MFT_BITMAP) ? L"" : text;
        TMenuItem* item = nullptr;
        if (b->Caption.empty() && MainMenu) {
            TMenuItem* root = MainMenu->Items();
            if (matchByCommand) {
                for (int k = 0; k < root->Count(); ++k)
                    if (root->Items(k)->Command() == info.wID) item = root->Items(k);
            } else if (i < root->Count()) {
                item = root->Items(i);
            }
        }
        if (item) {
            b->Caption = item->Caption();
            b->Enabled = item->Enabled();
            b->MenuItem = item;
            b->SubMenu = item->Count() > 0 ? item->Handle() : nullptr;
        } else if (MainMenu && info.hSubMenu) {
            // A framework item showing this drop-down, for its separators and
            // the tracking of its sub-items.
            TMenuItem* root = MainMenu->Items();
            for (int k = 0; k < root->Count(); ++k)
                if (root->Items(k)->Handle() == info.hSubMenu) b->MenuItem = root->Items(k);
        }
        Buttons.push_back(std::move(b));
    }
    RemoveWindowMenu();
}

void TWinSkinMenu::RestoreWindowMenu() {
    const HWND window = Form.Handle;
    if (!IsWindow(window)) return;
    HMENU menu = MenuHandle && IsMenu(MenuHandle) ? MenuHandle : nullptr;
    TForm* form = Form.Form;
    if (form && form->Menu()) menu = form->Menu()->Handle();
    if (!menu) return;
    if (form && form->FormStyle == TFormStyle::fsMDIForm && form->ClientHandle()) {
        HMENU windowMenu = form->WindowMenu ? form->WindowMenu->Handle() : nullptr;
        SendMessageW(form->ClientHandle(), WM_MDISETMENU, reinterpret_cast<WPARAM>(menu),
                     reinterpret_cast<LPARAM>(windowMenu));
    }
    if (GetMenu(window) != menu) ::SetMenu(window, menu);
    DrawMenuBar(window);
}

// The bar's background; answers where the first button starts.
int TWinSkinMenu::DrawBackground(HDC dc, int w, int h) const {
    const RECT all{0, 0, w, h};
    const TDataSkinObject* bar = SkinData->MenuBar();
    if (!bar) {
        TBrushHandle fill(CreateSolidBrush(SkinRGB(SkinData->Menubar)));
        FillRect(dc, &all, fill.Get());
        return kStartFlat;
    }
    const int frame = Form.IsActive ? 1 : 2;
    if (bar->Tile == 1)
        DrawSkinImage(dc, all, bar->Image, true, false, false, 2, frame, bar->Margins);
    else
        DrawSkinBar(dc, all, bar->Image, true, false, 2, frame, bar->Margins);
    const int x0 = Form.RightToLeft ? bar->Margins.Right + kStartAfterRightMargin
                                    : bar->Margins.Left + kStartAfterLeftMargin;
    return x0 > w ? kStartNarrow : x0;
}

void TWinSkinMenu::PaintMenuBar(HDC dc, const RECT& rect) {
    const int w = rect.right - rect.left, h = rect.bottom - rect.top;
    if (w <= 0 || h <= 0) return;
    SkinData = Form.SkinData; // the form's skin, changed or not
    TBitmap& scratch = ScratchBitmap();
    scratch.SetSize(w, h);
    HDC bar = scratch.Canvas().Handle();
    int x = DrawBackground(bar, w, h);
    BarRect = rect;
    BarPicture.SetSize(w, h);
    BitBlt(BarPicture.Canvas().Handle(), 0, 0, w, h, bar, 0, 0, SRCCOPY);

    // A maximised MDI child's icon leads the bar.
    MdiIcon.Child = Form.MaximizedMdiChild();
    MdiIcon.Visible = MdiIcon.Child != nullptr;
    MdiIcon.Bounds = {};
    if (MdiIcon.Visible) {
        const int size = GetSystemMetrics(SM_CXSMICON);
        const int left = Form.RightToLeft ? w - x - size : x;
        const RECT icon{left, (h - size) / 2, left + size, (h - size) / 2 + size};
        auto handle = reinterpret_cast<HICON>(SendMessageW(MdiIcon.Child, WM_GETICON, ICON_SMALL, 0));
        if (!handle) handle = reinterpret_cast<HICON>(GetClassLongPtrW(MdiIcon.Child, GCLP_HICONSM));
        if (!handle) handle = LoadIconW(nullptr, IDI_APPLICATION);
        DrawIconEx(bar, icon.left, icon.top, handle, size, size, 0, nullptr, DI_NORMAL);
        MdiIcon.Bounds = icon;
        OffsetRect(&MdiIcon.Bounds, rect.left, rect.top);
        x += size + kIconGap;
    }

    TSelectObject font(bar, menuFont_.Get());
    for (const auto& b : Buttons) {
        b->Bounds = {};
        if (!b->Visible) continue;
        RECT measured{0, 0, 0, 0};
        if (!b->Caption.empty())
            DrawTextW(bar, b->Caption.c_str(), int(b->Caption.size()), &measured,
                      DT_SINGLELINE | DT_EXPANDTABS | DT_CALCRECT);
        const int bw = b->Caption.empty() ? 0 : measured.right - measured.left + kButtonPadding;
        RECT r = Form.RightToLeft ? RECT{w - x - bw, 0, w - x, h - 1} : RECT{x, 0, x + bw, h - 1};
        x += bw;
        if (b->ButtonState != TNCButtonState::bsNormal) {
            // The button of an open drop-down stays pressed over a repaint.
            TBrushHandle outline(CreateSolidBrush(SkinRGB(SkinData->ButtonHilight)));
            FrameRect(bar, &r, outline.Get());
        }
        SetTextColor(bar, SkinRGB(b->Enabled ? SkinData->MenuBarText : SkinData->ButtonShadow));
        DrawCentredText(bar, r, b->Caption, b->Enabled);
        OffsetRect(&r, rect.left, rect.top);
        b->Bounds = r;
    }
    DrawMdiStrip(bar);
    BitBlt(dc, rect.left, rect.top, w, h, bar, 0, 0, SRCCOPY);
}

void TWinSkinMenu::DrawMdiStrip(HDC dc) {
    if (!MdiIcon.Child) return;
    for (const auto& b : Form.SysButtons) {
        if (b->SkinButton.Visibility != CaptionVisibility::MdiControls || !b->Visible ||
            b->Picture->Width() == 0)
            continue;
        RECT r = b->Bounds;
        OffsetRect(&r, -BarRect.left, -BarRect.top);
        DrawSkinFrame(dc, r, *b->Picture, true, b->FrameCount, 1);
    }
    if (SkinManage && !SkinManage->MdiMaximized) SkinManage->SetMdiMaximized(true);
}

void TWinSkinMenu::PaintButton(const TMenuBtn& button) {
    if (!button.Visible || BarPicture.Width() == 0 || IsRectEmpty(&button.Bounds)) return;
    const int w = button.Bounds.right - button.Bounds.left, h = BarRect.bottom - BarRect.top;
    TBitmap column(w, h);
    HDC dc = column.Canvas().Handle();
    BitBlt(dc, 0, 0, w, h, BarPicture.Canvas().Handle(), button.Bounds.left - BarRect.left, 0, SRCCOPY);
    const RECT local{0, button.Bounds.top - BarRect.top, w, button.Bounds.bottom - BarRect.top};
    if (button.ButtonState != TNCButtonState::bsNormal) {
        TBrushHandle outline(CreateSolidBrush(SkinRGB(SkinData->ButtonHilight)));
        FrameRect(dc, &local, outline.Get());
    }
    TSelectObject font(dc, menuFont_.Get());
    SetTextColor(dc, SkinRGB(button.Enabled ? SkinData->MenuBarText : SkinData->ButtonShadow));
    DrawCentredText(dc, local, button.Caption, button.Enabled);
    HDC window = GetWindowDC(Form.Handle);
    if (!window) return;
    BitBlt(window, button.Bounds.left, BarRect.top, w, h, dc, 0, 0, SRCCOPY);
    ReleaseDC(Form.Handle, window);
}

void TWinSkinMenu::PaintMdiButton(const TWinSysButton& button) {
    if (!button.Visible || BarPicture.Width() == 0 || IsRectEmpty(&button.Bounds)) return;
    const int w = button.Bounds.right - button.Bounds.left, h = button.Bounds.bottom - button.Bounds.top;
    TBitmap cell(w, h);
    HDC dc = cell.Canvas().Handle();
    BitBlt(dc, 0, 0, w, h, BarPicture.Canvas().Handle(), button.Bounds.left - BarRect.left,
           button.Bounds.top - BarRect.top, SRCCOPY);
    // Hot is the strip's fourth frame.
    int frame = int(button.ButtonState);
    if (button.ButtonState == TNCButtonState::bsHot) frame = 4;
    DrawSkinFrame(dc, {0, 0, w, h}, *button.Picture, true, button.FrameCount,
                  std::min(frame, button.FrameCount));
    HDC window = GetWindowDC(Form.Handle);
    if (!window) return;
    BitBlt(window, button.Bounds.left, button.Bounds.top, w, h, dc, 0, 0, SRCCOPY);
    ReleaseDC(Form.Handle, window);
}

TMenuBtn* TWinSkinMenu::ButtonAt(POINT p) const {
    for (const auto& b : Buttons)
        if (!b->Caption.empty() && PtInRect(&b->Bounds, p)) return b.get();
    return nullptr;
}

} // namespace yq
