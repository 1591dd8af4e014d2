// TWinSkinForm: the window's messages while it is skinned.
#include "WinSkinForm.h"

#include "Guard.h"
#include "MessageHook.h"
#include "SkinManage.h"
#include "SkinMenuOwnerDraw.h"
#include "SkinMessages.h"
#include "Subclass.h"
#include "Timer.h"
#include "WinSkinData.h"
#include "WinSkinMenu.h"

#include <windowsx.h>

namespace yq {

namespace {

// A point this close to the window's top edge stays the platform's.
constexpr int kCaptionTopEdge = 3;

} // namespace

void TWinSkinForm::CallPrevious(TMessage& m) {
    if (formHook_)
        formHook_->CallPrevious(m);
    else if (subclass_)
        subclass_->CallPrevious(m);
}

bool TWinSkinForm::HandlesNonClient() const {
    if (!FrameSkinned || State == TSkinFormState::Created || IsIconic(Handle)) return false;
    return !(MdiKind == TMdiKind::MdiChild && IsZoomed(Handle));
}

POINT TWinSkinForm::WindowPoint(LPARAM screen) const {
    RECT window{};
    GetWindowRect(Handle, &window);
    return {GET_X_LPARAM(screen) - window.left, GET_Y_LPARAM(screen) - window.top};
}

TNCObject* TWinSkinForm::ObjectAt(POINT p) const {
    for (const auto& b : SysButtons)
        if (b->Visible && b->SkinButton.Action >= 0 && PtInRect(&b->Bounds, p)) return b.get();
    if (!MenuBar) return nullptr;
    if (MenuBar->MdiIcon.Visible && PtInRect(&MenuBar->MdiIcon.Bounds, p)) return &MenuBar->MdiIcon;
    return MenuBar->ButtonAt(p);
}

void TWinSkinForm::HandleMessage(TMessage& m) {
    struct TEntry {
        UINT msg;
        void (TWinSkinForm::*handler)(TMessage&);
        bool nonClient; // only while the frame is skinned
    };
    static constexpr TEntry table[] = {
        {WM_NCCALCSIZE, &TWinSkinForm::WMNCCalcSize, true},
        {WM_NCPAINT, &TWinSkinForm::WMNCPaint, true},
        {WM_NCHITTEST, &TWinSkinForm::WMNCHitTest, true},
        {WM_NCMOUSEMOVE, &TWinSkinForm::WMNCMouseMove, true},
        {WM_NCLBUTTONDOWN, &TWinSkinForm::WMNCLButtonDown, true},
        {WM_NCLBUTTONUP, &TWinSkinForm::WMNCLButtonUp, true},
        {WM_NCLBUTTONDBLCLK, &TWinSkinForm::WMNCLButtonDblClk, true},
        {WM_NCRBUTTONDOWN, &TWinSkinForm::WMNCRButtonDown, true},
        {WM_NCACTIVATE, &TWinSkinForm::WMNCActivate, false},
        {WM_SIZE, &TWinSkinForm::WMSize, false},
        {WM_GETMINMAXINFO, &TWinSkinForm::WMGetMinMaxInfo, false},
        {WM_SYSCOMMAND, &TWinSkinForm::WMSysCommand, false},
        {WM_SKINSTART, &TWinSkinForm::WMSkinStart, false},
        {CM_MENUCHANGED, &TWinSkinForm::CMMenuChanged, false},
        {WM_MENUSELECT, &TWinSkinForm::WMMenuSelect, false},
    };
    for (const TEntry& e : table)
        if (e.msg == m.Msg) {
            if (e.nonClient && !HandlesNonClient())
                CallPrevious(m);
            else
                (this->*e.handler)(m);
            return;
        }
    if (OnCommandMessage(m)) return;
    CallPrevious(m);
}

// Messages answered without a handler of their own.
TSkinnedWindow TWinSkinForm::SkinnedWindow() const {
    return {Handle, Form, SkinData, HadMenuBar, MenuBar ? MenuBar->MenuHandle : nullptr};
}

bool TWinSkinForm::OnCommandMessage(TMessage& m) {
    switch (m.Msg) {
    case WM_SKINQUERY:
        m.Result = 1;
        return true;
    case WM_SKINREPAINT:
        if (HandlesNonClient()) PaintFrame();
        return true;
    case WM_SKINRELOAD:
        SkinChanged();
        return true;
    case WM_SETTEXT:
        CallPrevious(m);
        if (HandlesNonClient()) PaintFrame();
        return true;
    case WM_ACTIVATE:
        IsActive = LOWORD(m.WParam) != WA_INACTIVE;
        CallPrevious(m);
        return true;
    case WM_WINDOWPOSCHANGED:
        CallPrevious(m);
        RefreshWindowState();
        return true;
    case WM_COMMAND:
        return FrameSkinned && SystemCommandMessage(Handle, m);
    case CM_DIALOGCHAR:
        if (!FrameSkinned || (!MenuBar && MdiKind != TMdiKind::MdiChild)) return false;
        MenuAccelerator(m);
        return true;
    case WM_MEASUREITEM:
        return HandlesNonClient() && MeasureItemMessage(SkinnedWindow(), m);
    case WM_DRAWITEM:
        return HandlesNonClient() && DrawItemMessage(SkinnedWindow(), m);
    case WM_INITMENUPOPUP:
        // The bar posted the top-level item's command already: its drop-down
        // opening is no second click.
        if (menuTracking_ && reinterpret_cast<HMENU>(m.WParam) == OpenDropDown) {
            if (SkinManage) SkinManage->SetMenuKind(mkMainMenu);
            m.Result = 0;
            return true;
        }
        if (SkinManage)
            SkinManage->SetMenuKind(reinterpret_cast<HMENU>(m.WParam) == NativeSystemMenu ? mkSystemMenu
                                                                                          : mkMainMenu);
        return false;
    case WM_ERASEBKGND: {
        if (Form) return false;
        RECT client{};
        GetClientRect(Handle, &client);
        FillRect(reinterpret_cast<HDC>(m.WParam), &client, SkinData->ButtonFaceBrush());
        m.Result = 1;
        return true;
    }
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORDLG:
        if (Form || !SkinData->ButtonFaceBrush()) return false;
        SetBkMode(reinterpret_cast<HDC>(m.WParam), TRANSPARENT);
        m.Result = reinterpret_cast<LRESULT>(SkinData->ButtonFaceBrush());
        return true;
    case WM_DESTROY:
        State = TSkinFormState::Unskinning;
        return false;
    case WM_NCDESTROY:
        State = TSkinFormState::Destroyed;
        if (hoverTimer_) hoverTimer_->SetEnabled(false);
        HotObject = nullptr;
        return false;
    default:
        return false;
    }
}

void TWinSkinForm::WMNCCalcSize(TMessage& m) {
    if (!m.WParam) {
        CallPrevious(m);
        return;
    }
    auto* params = reinterpret_cast<NCCALCSIZE_PARAMS*>(m.LParam);
    const RECT proposed = params->rgrc[0];
    CallPrevious(m);
    if (FrameKind == TFrameKind::NoCaption) return;
    RECT client{proposed.left + BorderLeft, proposed.top + BorderTop + MenuHeight,
                proposed.right - BorderRight, proposed.bottom - BorderBottom};
    if (client.right < client.left) client.right = client.left;
    if (client.bottom < client.top) client.bottom = client.top;
    params->rgrc[0] = client;
    params->rgrc[1] = client;
    m.Result = WVR_REDRAW;
}

bool TWinSkinForm::FrameSuppressed() const {
    return FrameKind == TFrameKind::NoCaption ||
           (State != TSkinFormState::Skinned && State != TSkinFormState::Changing);
}

void TWinSkinForm::WMNCPaint(TMessage& m) {
    if (FrameKind == TFrameKind::NoCaption) {
        CallPrevious(m);
        return;
    }
    m.Result = 0;
    if (FrameSuppressed() || !SkinData->FramePaintEnabled) return;
    PaintFrame();
}

void TWinSkinForm::WMNCActivate(TMessage& m) {
    IsActive = m.WParam != 0;
    if (hoverTimer_) hoverTimer_->SetEnabled(IsActive && State == TSkinFormState::Skinned);
    if (!IsActive) ResetHotButton(true);
    if (!HandlesNonClient()) {
        CallPrevious(m);
        return;
    }
    if (!FrameSuppressed()) PaintFrame();
    m.Result = 1;
}

void TWinSkinForm::WMNCHitTest(TMessage& m) {
    CallPrevious(m);
    if (m.Result != HTNOWHERE && m.Result != HTCAPTION) return;
    const POINT p = WindowPoint(m.LParam);
    if (p.y > BorderTop && p.y <= BorderTop + MenuHeight)
        m.Result = HTMENU;
    else if (p.y > kCaptionTopEdge && p.y <= BorderTop)
        m.Result = HTCAPTION;
}

void TWinSkinForm::WMNCMouseMove(TMessage& m) {
    m.Result = 0;
    if (!IsActive) return;
    if (TNCObject* object = ObjectAt(WindowPoint(m.LParam))) {
        object->MouseEnter();
        return;
    }
    if (HotObject) HotObject->MouseLeave();
    CallPrevious(m);
}

void TWinSkinForm::WMNCLButtonDown(TMessage& m) {
    if (TNCObject* object = ObjectAt(WindowPoint(m.LParam))) {
        m.Result = 0;
        // A press dispatched while a drop-down tracks is the menu's.
        if (!menuTracking_) PressObject(object);
        return;
    }
    // A maximised window stays where it is.
    if (IsZoomed(Handle) && IsActive && m.WParam == HTCAPTION) {
        m.Result = 0;
        return;
    }
    CallPrevious(m);
}

void TWinSkinForm::WMNCLButtonUp(TMessage& m) {
    TNCObject* object = ObjectAt(WindowPoint(m.LParam));
    if (!object) {
        CallPrevious(m);
        return;
    }
    m.Result = 0;
    auto* button = dynamic_cast<TWinSysButton*>(object);
    if (!button || object != HotObject) return;
    object->MouseUp();
    PerformAction(button->SkinButton.Action);
}

void TWinSkinForm::WMNCLButtonDblClk(TMessage& m) {
    if (ObjectAt(WindowPoint(m.LParam)) || m.WParam != HTCAPTION) {
        // Quick clicks on a caption button are clicks; on the menu bar the
        // second one closed the drop-down the first opened.
        if (auto* button = dynamic_cast<TWinSysButton*>(ObjectAt(WindowPoint(m.LParam)))) button->MouseDown();
        m.Result = 0;
        return;
    }
    m.Result = 0;
    if (IsZoomed(Handle) || IsIconic(Handle))
        Restore();
    else if (CaptionButtons & cbMaximize)
        Maximize();
}

void TWinSkinForm::WMNCRButtonDown(TMessage& m) {
    if (m.WParam != HTCAPTION || MdiKind == TMdiKind::MdiChild) {
        CallPrevious(m);
        return;
    }
    m.Result = 0;
    ShowSystemMenu({GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam)});
}

void TWinSkinForm::WMSize(TMessage& m) {
    CallPrevious(m);
    if (!FrameSkinned) return;
    // The frame's menu bar shows a maximised child's buttons.
    if (MdiKind == TMdiKind::MdiChild)
        if (HWND client = GetParent(Handle)) PostMessageW(GetParent(client), WM_SKINREPAINT, 0, 0);
    WindowState = m.WParam == SIZE_MINIMIZED   ? TSkinWindowState::Minimized
                  : m.WParam == SIZE_MAXIMIZED ? TSkinWindowState::Maximized
                                               : TSkinWindowState::Normal;
    if (WindowState == TSkinWindowState::Minimized) return;
    if (MdiKind == TMdiKind::MdiChild &&
        (m.WParam != SIZE_RESTORED || (SkinManage && SkinManage->MdiMaximized)))
        return;
    if (State == TSkinFormState::Skinned || State == TSkinFormState::Changing) UpdateRegion();
}

void TWinSkinForm::WMGetMinMaxInfo(TMessage& m) {
    CallPrevious(m);
    if (!FrameSkinned || State == TSkinFormState::Created) return;
    RefreshWindowState();
    const bool mdiZoomed = MdiKind == TMdiKind::MdiChild && IsZoomed(Handle);
    SetCaptionStyles(Minimized() || mdiZoomed);
    if (FrameKind == TFrameKind::Sizeable) {
        auto* info = reinterpret_cast<MINMAXINFO*>(m.LParam);
        info->ptMaxTrackSize = {GetSystemMetrics(SM_CXMAXIMIZED), GetSystemMetrics(SM_CYMAXIMIZED)};
    }
}

void TWinSkinForm::WMSysCommand(TMessage& m) {
    if (KeyMenuFilter(m)) return;
    switch (m.WParam & 0xFFF0) {
    case SC_MINIMIZE:
        WindowState = TSkinWindowState::Minimized;
        if (MdiKind == TMdiKind::MdiChild) SetCaptionStyles(true);
        break;
    case SC_MAXIMIZE:
        WindowState = TSkinWindowState::Maximized;
        if (MdiKind == TMdiKind::MdiChild && SkinManage) SkinManage->SetMdiMaximized(true);
        break;
    case SC_RESTORE:
        WindowState = TSkinWindowState::Normal;
        break;
    default:
        break;
    }
    CallPrevious(m);
    if ((m.WParam & 0xFFF0) != SC_RESTORE || MdiKind != TMdiKind::MdiChild) return;
    if (SkinManage && SkinManage->MdiMaximized && !IsZoomed(Handle)) SkinManage->SetMdiMaximized(false);
    SetCaptionStyles(false);
}

void TWinSkinForm::WMSkinStart(TMessage& m) {
    m.Result = 0;
    SkinControls();
    if (!started_) {
        started_ = true;
        if (MdiKind == TMdiKind::MdiChild && SkinManage && SkinManage->MdiMaximized) {
            SetCaptionStyles(true);
            SetWindowPos(Handle, nullptr, 0, 0, 0, 0,
                         SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
        } else if (FrameSkinned && !IsIconic(Handle) && FrameKind != TFrameKind::NoCaption) {
            State = TSkinFormState::FirstResize;
            FirstResize();
            State = TSkinFormState::Skinned;
            UpdateRegion();
        }
    }
    State = TSkinFormState::Skinned;
    IsActive = GetActiveWindow() == Handle;
    hoverTimer_->SetEnabled(true);
    if (HandlesNonClient()) PaintFrame();
}

} // namespace yq
