#include "WinSkinForm.h"

#include "Form.h"
#include "Guard.h"
#include "MenuTrack.h"
#include "Menus.h"
#include "MessageHook.h"
#include "Scope.h"
#include "SkinControl.h"
#include "SkinFamilies.h"
#include "SkinManage.h"
#include "SkinMenuOwnerDraw.h"
#include "SkinMessages.h"
#include "SkinText.h"
#include "Subclass.h"
#include "Timer.h"
#include "WinSkinData.h"
#include "WinSkinMenu.h"

#include <algorithm>
#include <utility>

namespace yq {

YQ_CLASS_INFO(TWinSkinForm, TComponent)

namespace {

constexpr int kHoverInterval = 250;
constexpr int kSystemMenuTag = 33333;
constexpr int kSeparatorTag = 100;
constexpr DWORD kCaptionButtonStyles = WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX; // 0xB0000

// Tags of the system menu's items; also their action.
enum TSystemMenuTag { smRestore = 0, smMaximize = 1, smMinimize = 2, smClose = 3 };

// An icon on the key colour without blending into it: drawn once on black
// and once on white, each pixel's coverage tells whether it is the icon's
// (its own colour, un-premultiplied) or the background's (the key), so that
// soft edges do not turn magenta where the caption shows them.
void DrawIconOnKey(HICON icon, TBitmap& into) {
    const int w = into.Width(), h = into.Height();
    TBitmap onBlack(w, h), onWhite(w, h);
    for (auto [bitmap, colour] : {std::pair{&onBlack, TColor(0)}, std::pair{&onWhite, TColor(0xFFFFFF)}}) {
        bitmap->Canvas().Brush().SetColor(colour);
        bitmap->Canvas().FillRect({0, 0, w, h});
        DrawIconEx(bitmap->Canvas().Handle(), 0, 0, icon, w, h, 0, nullptr, DI_NORMAL);
    }
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const TColor black = onBlack.Pixel(x, y), white = onWhite.Pixel(x, y);
            int alpha = 0;
            for (int shift : {0, 8, 16})
                alpha = std::max(alpha, 255 - (int((white >> shift) & 0xFF) - int((black >> shift) & 0xFF)));
            if (alpha < 128) {
                into.SetPixel(x, y, kSkinKeyColour);
                continue;
            }
            TColor colour = 0;
            for (int shift : {0, 8, 16}) {
                const int c = std::min(255, int((black >> shift) & 0xFF) * 255 / alpha);
                colour |= TColor(c) << shift;
            }
            into.SetPixel(x, y, colour == kSkinKeyColour ? TColor(0xFE00FF) : colour);
        }
}

} // namespace

TWinSkinForm::TWinSkinForm(TComponent* owner) : TComponent(owner) {}

TWinSkinForm::~TWinSkinForm() {
    if (State != TSkinFormState::Destroyed && (formHook_ || subclass_)) {
        // A framework form being freed takes its skinner along: give back
        // only what the window would otherwise keep.
        Guarded([this] { UnskinWindow(); }, TGuardPolicy::gpDrop);
    }
    ReleaseSkinControls();
    if (SkinManage) SkinManage->RemoveSkinForm(Handle);
    // A drop-down of the bar still open hears no more of this skinner.
    if (MenuTrack().TrackForm == this) {
        MenuTrack().TrackForm = nullptr;
        EndMenu();
    }
}

void TWinSkinForm::SkinForm(TSkinData* skin, TForm* form) {
    Form = form;
    formHook_ =
        std::make_unique<TMessageHook>(form->MessageHooks(), [this](TMessage& m) { HandleMessage(m); });
    SkinWindow(skin);
    savedColour_ = form->Color();
    form->SetColor(skin->ButtonFace);
    SetPopupMenusOwnerDraw(form, skin, true);
    if (InSet(skin->SkinControls(), xcMenuItem)) SetMainMenuOwnerDraw(form, skin, true);
}

void TWinSkinForm::SkinWindow(TSkinData* skin) {
    SkinData = skin;
    hoverTimer_ = new TTimer(this, false);
    hoverTimer_->SetInterval(kHoverInterval);
    hoverTimer_->OnTimer = [this](TComponent*) { Guarded([this] { HoverCheck(); }, TGuardPolicy::gpDrop); };
    FrameSkinned = InSet(skin->SkinControls(), xcMainMenu);

    const DWORD style = DWORD(GetWindowLongW(Handle, GWL_STYLE));
    const DWORD exStyle = DWORD(GetWindowLongW(Handle, GWL_EXSTYLE));
    OriginalStyle = style;
    RightToLeft = (exStyle & WS_EX_LEFTSCROLLBAR) != 0;
    // Every window of this program is a wide one; asking the platform keeps
    // Chinese captions off the ANSI code page.
    UnicodeWindow = IsWindowUnicode(Handle) != FALSE;
    if (style & WS_SYSMENU) NativeSystemMenu = GetSystemMenu(Handle, FALSE);
    HadMenuBar = Form ? Form->Menu() != nullptr : GetMenu(Handle) != nullptr;
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof(metrics);
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0);
    captionFont_.Reset(CreateFontIndirectW(&metrics.lfCaptionFont));
    MakeIconPicture();
    const std::string className = GetWindowClassName(Handle);
    GetClientRect(Handle, &SavedClientRect);
    RECT window{};
    GetWindowRect(Handle, &window);
    OriginalNcWidth = (window.right - window.left) - SavedClientRect.right;
    OriginalNcHeight = (window.bottom - window.top) - SavedClientRect.bottom;

    CaptionButtons = 0;
    if ((style & WS_SYSMENU) || NativeSystemMenu) CaptionButtons |= cbSystemMenu;
    if (style & WS_MINIMIZEBOX) CaptionButtons |= cbMinimize;
    if (style & WS_MAXIMIZEBOX) CaptionButtons |= cbMaximize;

    BuildSystemMenu();
    RefreshWindowState();
    if (FindWindowExW(Handle, nullptr, L"MDIClient", nullptr)) MdiKind = TMdiKind::MdiFrame;
    if (exStyle & WS_EX_MDICHILD) MdiKind = TMdiKind::MdiChild;

    FrameKind = TFrameKind::Fixed;
    if ((style & WS_POPUP) && (style & WS_CAPTION) != WS_CAPTION)
        FrameKind = TFrameKind::NoCaption;
    else if (style & WS_THICKFRAME)
        FrameKind = TFrameKind::Sizeable;
    else if (style & DS_MODALFRAME)
        FrameKind = TFrameKind::DialogFrame;
    if (FrameKind != TFrameKind::NoCaption && (exStyle & WS_EX_DLGMODALFRAME))
        FrameKind = TFrameKind::DialogFrame;
    if (className == "#32770" || className == "TMessageForm") {
        FrameKind = TFrameKind::DialogFrame;
        IsDialogClass = true;
    }

    if (FrameSkinned) {
        const bool mdiMaximizedChild =
            MdiKind == TMdiKind::MdiChild && SkinManage && SkinManage->MdiMaximized;
        if (!mdiMaximizedChild && !Minimized()) SetCaptionStyles(false);
        CreateMenuBar();
        BuildSysButtons();
    } else {
        State = TSkinFormState::Skinned;
    }
    if (!Form)
        subclass_ = std::make_unique<TWindowSubclass>(
            Handle, [this](TMessage& m) { HandleMessage(m); }, TGuardPolicy::gpDrop);
    if (MdiKind == TMdiKind::MdiFrame) AttachMdiClient();
    if (MdiKind == TMdiKind::MdiChild && IsZoomed(Handle) && SkinManage) SkinManage->SetMdiMaximized(true);
    RedrawWindow(Handle, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ERASE | RDW_ALLCHILDREN);
}

void TWinSkinForm::UnskinWindow() {
    if (!formHook_ && !subclass_) return;
    const bool destroying = (Form && Form->Destroying()) || !IsWindow(Handle);
    State = TSkinFormState::Unskinning;
    if (hoverTimer_) hoverTimer_->SetEnabled(false);
    delete std::exchange(systemMenu_, nullptr);
    HotObject = nullptr;
    formHook_.reset();
    subclass_.reset();
    ReleaseSkinControls();
    DetachMdiClient();
    if (destroying) {
        MenuBar.reset();
        return;
    }
    SetPopupMenusOwnerDraw(Form, SkinData, false);
    if (InSet(SkinData->SkinControls(), xcMenuItem)) SetMainMenuOwnerDraw(Form, SkinData, false);
    if (Form) Form->SetColor(savedColour_);
    if (!FrameSkinned) {
        Repaint(Handle);
        return;
    }
    SetCaptionStyles(true);
    const int menuHeight = MenuHeight;
    FreeMenuBar();
    CaptionBuffer.SetSize(0, 0);
    const DWORD style = DWORD(GetWindowLongW(Handle, GWL_STYLE));
    UINT flags = SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED;
    RECT window{};
    GetWindowRect(Handle, &window);
    int w = window.right - window.left, h = window.bottom - window.top;
    const bool keepClient = (MdiKind == TMdiKind::MdiChild || !(style & WS_CHILD)) && !IsIconic(Handle) &&
                            !IsZoomed(Handle) && FrameKind != TFrameKind::NoCaption;
    if (keepClient) {
        w = w - BorderLeft - BorderRight + OriginalNcWidth;
        h = h - BorderTop - menuHeight - BorderBottom + OriginalNcHeight;
    } else {
        flags |= SWP_NOSIZE;
    }
    SetWindowRgn(Handle, nullptr, TRUE);
    region_.Reset();
    regionSize_ = {};
    SetWindowPos(Handle, nullptr, 0, 0, w, h, flags);
}

void TWinSkinForm::ClearSysButtons() {
    for (const auto& b : SysButtons)
        if (HotObject == b.get()) HotObject = nullptr;
    SysButtons.clear();
}

void TWinSkinForm::ReadBorderSizes() {
    BorderLeft = BorderTop = BorderRight = BorderBottom = MenuHeight = 0;
    if (FrameKind == TFrameKind::NoCaption) return;
    auto across = [](const TDataSkinBorder* b) {
        return b ? b->Image.Width() / std::max(1, b->FrameCount) : 0;
    };
    auto down = [](const TDataSkinBorder* b) {
        return b ? b->Image.Height() / std::max(1, b->FrameCount) : 0;
    };
    BorderTop = down(SkinData->Top());
    BorderBottom = down(SkinData->Bottom());
    BorderLeft = across(SkinData->Left());
    BorderRight = across(SkinData->Right());
    // The skinned bar takes the platform menu bar's height.
    if (MenuBar) MenuHeight = GetSystemMetrics(SM_CYMENU);
}

void TWinSkinForm::BuildSysButtons() {
    if (!SkinData->SkinEmpty()) ReadBorderSizes();
    ClearSysButtons();
    const auto& skinButtons = SkinData->SysButtons();
    for (std::size_t i = 0; i < skinButtons.size(); ++i) {
        auto button = std::make_unique<TWinSysButton>(*this, *skinButtons[i], int(i));
        if (IsIconAction(skinButtons[i]->Action)) {
            if (skinButtons[i]->Image.Width() == 0) button->Picture = &IconPicture;
            if (SkinData->DefaultIcon().Width() == 0) SkinData->DefaultIcon().Assign(IconPicture);
            button->FrameCount = 1;
        }
        SysButtons.push_back(std::move(button));
    }
}

void TWinSkinForm::SetCaptionStyles(bool on) {
    const bool mdiChild = MdiKind == TMdiKind::MdiChild;
    if (mdiChild && !on && SkinManage && SkinManage->MdiMaximized) return;
    const DWORD style = DWORD(GetWindowLongW(Handle, GWL_STYLE));
    DWORD next = style;
    if (on) {
        if (CaptionButtons & cbSystemMenu) next |= WS_SYSMENU;
        if (CaptionButtons & cbMinimize) next |= WS_MINIMIZEBOX;
        if (CaptionButtons & cbMaximize) next |= WS_MAXIMIZEBOX;
        if (CaptionButtons & cbCaptionRemoved) next |= WS_CAPTION;
    } else if (GetWindow(Handle, GW_OWNER) || mdiChild) {
        next &= ~kCaptionButtonStyles;
    } else {
        CaptionButtons |= cbCaptionRemoved;
        next &= ~DWORD(WS_CAPTION);
    }
    if (next != style) SetWindowLongW(Handle, GWL_STYLE, LONG(next));
}

void TWinSkinForm::Repaint(HWND window) {
    RedrawWindow(window, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

bool TWinSkinForm::HoverTimerEnabled() const {
    return hoverTimer_ && hoverTimer_->Enabled();
}

void TWinSkinForm::RefreshWindowState() {
    WindowState = IsIconic(Handle)   ? TSkinWindowState::Minimized
                  : IsZoomed(Handle) ? TSkinWindowState::Maximized
                                     : TSkinWindowState::Normal;
}

void TWinSkinForm::MakeIconPicture() {
    const int w = GetSystemMetrics(SM_CXSMICON), h = GetSystemMetrics(SM_CYSMICON);
    IconPicture.SetSize(w, h);
    HDC dc = IconPicture.Canvas().Handle();
    TBrushHandle key(CreateSolidBrush(kSkinKeyColour));
    const RECT all{0, 0, w, h};
    FillRect(dc, &all, key.Get());
    auto icon = reinterpret_cast<HICON>(SendMessageW(Handle, WM_GETICON, ICON_SMALL, 0));
    if (!icon) icon = reinterpret_cast<HICON>(GetClassLongPtrW(Handle, GCLP_HICONSM));
    if (!icon) icon = reinterpret_cast<HICON>(SendMessageW(Handle, WM_GETICON, ICON_BIG, 0));
    if (!icon) icon = reinterpret_cast<HICON>(GetClassLongPtrW(Handle, GCLP_HICON));
    if (icon) {
        DrawIconOnKey(icon, IconPicture);
        return;
    }
    const TBitmap* fallback = &SkinData->DefaultIcon();
    if (fallback->Width() == 0 && SkinManage)
        for (TSkinData* other : SkinManage->SkinDatas())
            if (other->SkinFormtype() == sfMainform && other->DefaultIcon().Width() > 0) {
                fallback = &other->DefaultIcon();
                break;
            }
    if (fallback->Width() > 0) IconPicture.Assign(*fallback);
}

TCaptionFacts TWinSkinForm::Facts() const {
    TCaptionFacts f;
    f.Maximized = IsZoomed(Handle) != FALSE;
    f.Active = IsActive;
    f.MaximizeBox = (CaptionButtons & cbMaximize) != 0;
    f.MinimizeBox = (CaptionButtons & cbMinimize) != 0;
    f.SystemMenu = (CaptionButtons & cbSystemMenu) != 0;
    f.DialogFrame = FrameKind == TFrameKind::DialogFrame;
    f.DialogClass = IsDialogClass;
    if (MdiKind == TMdiKind::MdiFrame && MenuHeight > 0) {
        HWND client = FindWindowExW(Handle, nullptr, L"MDIClient", nullptr);
        HWND child = client ? reinterpret_cast<HWND>(SendMessageW(client, WM_MDIGETACTIVE, 0, 0)) : nullptr;
        f.MdiChildMaximized = child && IsZoomed(child);
    }
    const HWND window = Handle;
    f.Ask = [window](int index) { return SendMessageW(window, WM_SKINBUTTONVISIBLE, WPARAM(index), 0); };
    return f;
}

bool TWinSkinForm::ButtonVisible(const TWinSysButton& b) const {
    const TDataSkinSysButton& s = b.SkinButton;
    return CaptionButtonVisible(s.Action, s.Visibility, s.Visibility1, b.Index, Facts());
}

// ---- caption-button actions and the system menu ------------------------------

void TWinSkinForm::Close() {
    hoverTimer_->SetEnabled(false);
    PostMessageW(Handle, WM_SYSCOMMAND, SC_CLOSE, 0);
}

void TWinSkinForm::Maximize() {
    if (MdiKind == TMdiKind::MdiChild && SkinManage) SkinManage->SetMdiMaximized(true);
    WindowState = TSkinWindowState::Maximized;
    PostMessageW(Handle, WM_SYSCOMMAND, SC_MAXIMIZE, 0);
    if (HotObject) HotObject->ButtonState = TNCButtonState::bsNormal;
    HotObject = nullptr;
}

void TWinSkinForm::Restore() {
    WindowState = TSkinWindowState::Normal;
    PostMessageW(Handle, WM_SYSCOMMAND, SC_RESTORE, 0);
}

void TWinSkinForm::Minimize() {
    WindowState = TSkinWindowState::Minimized;
    PostMessageW(Handle, WM_SYSCOMMAND, SC_MINIMIZE, 0);
}

void TWinSkinForm::PerformAction(int action) {
    auto mdiChild = [this] {
        HWND client = FindWindowExW(Handle, nullptr, L"MDIClient", nullptr);
        return client ? reinterpret_cast<HWND>(SendMessageW(client, WM_MDIGETACTIVE, 0, 0)) : nullptr;
    };
    auto childCommand = [&](WPARAM command) {
        if (HWND child = mdiChild()) SendMessageW(child, WM_SYSCOMMAND, command, 0);
        if (SkinManage && SkinManage->MdiMaximized) {
            HWND now = mdiChild();
            if (!now || !IsZoomed(now)) SkinManage->SetMdiMaximized(false);
        }
    };
    switch (CommandOfAction(action)) {
    case TCaptionCommand::Close:
        Close();
        break;
    case TCaptionCommand::MaximizeToggle:
        IsZoomed(Handle) ? Restore() : Maximize();
        break;
    case TCaptionCommand::MinimizeToggle:
        IsIconic(Handle) ? Restore() : Minimize();
        break;
    case TCaptionCommand::SystemMenu: {
        POINT at{};
        GetCursorPos(&at);
        ShowSystemMenu({at.x + 1, at.y + 1});
        break;
    }
    case TCaptionCommand::MdiMinimize:
        childCommand(SC_MINIMIZE);
        break;
    case TCaptionCommand::MdiRestore:
        childCommand(SC_RESTORE);
        break;
    case TCaptionCommand::MdiClose:
        childCommand(SC_CLOSE);
        break;
    case TCaptionCommand::Custom:
        PostMessageW(Handle, WM_SKINBUTTON, WPARAM(action), 0);
        break;
    }
}

void TWinSkinForm::BuildSystemMenu() {
    systemMenu_ = new TPopupMenu(this);
    systemMenu_->Tag = kSystemMenuTag;
    auto add = [this](const wchar_t* caption, int tag, int image) {
        auto* item = new TMenuItem(systemMenu_);
        item->SetCaption(caption);
        item->Tag = tag;
        item->SetImageIndex(image);
        systemMenu_->Items()->Add(item);
        if (tag == kSeparatorTag) return item;
        item->OnClick = [this, tag](TComponent*) {
            switch (tag) {
            case smRestore:
                Restore();
                break;
            case smMaximize:
                IsZoomed(Handle) ? Restore() : Maximize();
                break;
            case smMinimize:
                IsIconic(Handle) ? Restore() : Minimize();
                break;
            default:
                Close();
                break;
            }
        };
        return item;
    };
    add(L" Restore ", smRestore, 0);
    TMenuItem* maximize = (CaptionButtons & cbMaximize) ? add(L" Maximize ", smMaximize, 1) : nullptr;
    TMenuItem* minimize = (CaptionButtons & cbMinimize) ? add(L" Minimize ", smMinimize, 2) : nullptr;
    add(L"-", kSeparatorTag, -1);
    add(L" Close ", smClose, 3)->SetShortCut(ShortCut(VK_F4, scShift));
    systemMenu_->SetImages(SkinData->MenuGlyphs());
    SetMenuOwnerDraw(systemMenu_, SkinData, true);
    TMenuItem* restore = systemMenu_->Items()->Items(0);
    systemMenu_->OnPopup = [this, restore, maximize, minimize](TComponent*) {
        RefreshWindowState();
        restore->SetEnabled(WindowState != TSkinWindowState::Normal);
        if (maximize) maximize->SetEnabled(WindowState != TSkinWindowState::Maximized);
        if (minimize) minimize->SetEnabled(WindowState != TSkinWindowState::Minimized);
    };
}

void TWinSkinForm::ShowSystemMenu(POINT screen) {
    const DWORD now = GetTickCount();
    if (now - lastMenuTick_ <= GetDoubleClickTime()) {
        if (HotObject) Close();
        return;
    }
    lastMenuTick_ = now;
    if (SkinManage) SkinManage->SetMenuKind(mkSystemMenu);
    TValueScope tracking(menuTracking_, true);
    if (InSet(SkinData->SkinControls(), xcSystemMenu) && MdiKind != TMdiKind::MdiChild && systemMenu_) {
        systemMenu_->Popup(screen.x, screen.y);
        return;
    }
    HMENU native = GetSystemMenu(Handle, FALSE);
    const UINT command =
        UINT(TrackPopupMenuEx(native, TPM_RETURNCMD | TPM_RIGHTBUTTON, screen.x, screen.y, Handle, nullptr));
    if (command) PostMessageW(Handle, WM_SYSCOMMAND, command, 0);
}

void TWinSkinForm::HoverCheck() {
    if (menuTracking_ || State == TSkinFormState::Destroyed) return;
    // A bare window's buttons hear of no mouse-leave but from here.
    if (!Form) ResetHotButton(false);
    if (!HotObject) return;
    POINT at{};
    GetCursorPos(&at);
    RECT window{};
    GetWindowRect(Handle, &window);
    const POINT local{at.x - window.left, at.y - window.top};
    if (!PtInRect(&HotObject->Bounds, local)) HotObject->MouseLeave();
}

// ---- skin change and start --------------------------------------------------

void TWinSkinForm::FirstResize() {
    int width = SavedClientRect.right + BorderLeft + BorderRight;
    const int height = SavedClientRect.bottom + BorderTop + BorderBottom + MenuHeight;
    if (IsDialogClass && SkinData->Title()) {
        // A message box as wide as its caption.
        HDC dc = GetDC(Handle);
        TSelectObject font(dc, captionFont_.Get());
        const std::wstring text = L"  " + GetWindowTextWide(Handle) + L" ";
        SIZE size{};
        GetTextExtentPoint32W(dc, text.c_str(), int(text.size()), &size);
        ReleaseDC(Handle, dc);
        const TSkinMargins& m = SkinData->Title()->Margins;
        const int wanted = m.Left + size.cx + m.Right;
        if (width < wanted) {
            const int shift = (wanted - width) / 2;
            for (HWND child = GetWindow(Handle, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
                RECT r{};
                GetWindowRect(child, &r);
                MapWindowPoints(nullptr, Handle, reinterpret_cast<POINT*>(&r), 2);
                SetWindowPos(child, nullptr, r.left + shift, r.top, 0, 0,
                             SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
            }
            width = wanted;
        }
    }
    SetWindowPos(Handle, nullptr, 0, 0, width, height,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

// The form's own forms take the skin's face colour, its grids their fixed
// cells' colour.
void TWinSkinForm::ColourOwnedFormsAndGrids() {
    const std::wstring face = std::to_wstring(SkinData->ButtonFace);
    for (int i = 0; i < Form->ComponentCount(); ++i) {
        TComponent* c = Form->Components(i);
        if (auto* owned = dynamic_cast<TForm*>(c))
            owned->SetColor(SkinData->ButtonFace);
        else if (IsOfFamily(c, TControlFamily::Grid))
            SetPropByName(c, "FixedColor", face);
    }
}

void TWinSkinForm::SkinChanged() {
    if (Form) {
        Form->SetColor(SkinData->ButtonFace);
        ColourOwnedFormsAndGrids();
        if (FrameSkinned) SetPopupMenusOwnerDraw(Form, SkinData, true);
    }
    for (TSkinControl* skinner : std::vector<TSkinControl*>(SkinControlList))
        Guarded([skinner] { skinner->UpdateSkin(); }, TGuardPolicy::gpDrop);
    State = TSkinFormState::Changing;
    if (FrameSkinned && !IsIconic(Handle) && FrameKind != TFrameKind::NoCaption) {
        GetClientRect(Handle, &SavedClientRect);
        FirstResize();
    }
    UpdateRegion();
    State = TSkinFormState::Skinned;
    HWND focus = GetFocus();
    Repaint(Handle);
    if (focus && IsChild(Handle, focus)) SetFocus(focus);
}

} // namespace yq
