#include "Form.h"

#include "Application.h"
#include "Guard.h"
#include "Inspect.h"
#include "MainMenu.h"
#include "Screen.h"

namespace yq {

YQ_PUBLISHED(TForm, TWinControl) {
    r.Enum("Position", &TForm::GetPosition, &TForm::SetPosition,
           {"poDesigned", "poDesktopCenter", "poMainFormCenter"});
    r.Enum("BorderStyle", &TForm::GetBorderStyle, &TForm::SetBorderStyle,
           {"bsNone", "bsSingle", "bsSizeable", "bsDialog", "bsToolWindow", "bsSizeToolWin"});
    r.Int("BorderIcons", &TForm::GetBorderIcons, &TForm::SetBorderIcons);
    r.Int("ModalResult", &TForm::ModalResult, &TForm::SetModalResult);
    r.Enum("FormStyle", &TForm::GetFormStyle, &TForm::SetFormStyle,
           {"fsNormal", "fsMDIChild", "fsMDIForm", "fsStayOnTop"});
    r.Object("Menu", &TForm::Menu);
}

TForm::TForm(TComponent* owner) : TWinControl(owner) {
    visible_ = false;
    color_ = clBtnFace;
    parentFont_ = false;
    width_ = 320;
    height_ = 240;
    Screen().AddForm(this);
}

TForm::~TForm() {
    MarkDestroying();
    if (OnDestroy) Guarded([this] { OnDestroy(this); });
    DestroyComponents();
    if (menu_) SetMenu(nullptr);
    // An MDI child leaves through its client (DestroyWindowHandle).
    if (FormStyle == TFormStyle::fsMDIChild) DestroyHandle();
    Screen().RemoveForm(this);
}

void TForm::CreateParamsFor(CreateParams& params) {
    params.style = WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
    params.exStyle = 0;
    switch (BorderStyle) {
    case TFormBorderStyle::bsNone:
        params.style |= WS_POPUP;
        break;
    case TFormBorderStyle::bsSingle:
        params.style |= WS_CAPTION | WS_BORDER;
        break;
    case TFormBorderStyle::bsSizeable:
        params.style |= WS_CAPTION | WS_THICKFRAME;
        break;
    case TFormBorderStyle::bsDialog:
        params.style |= WS_CAPTION | WS_POPUP;
        params.exStyle |= WS_EX_DLGMODALFRAME;
        break;
    case TFormBorderStyle::bsToolWindow:
        params.style |= WS_CAPTION;
        params.exStyle |= WS_EX_TOOLWINDOW;
        break;
    case TFormBorderStyle::bsSizeToolWin:
        params.style |= WS_CAPTION | WS_THICKFRAME;
        params.exStyle |= WS_EX_TOOLWINDOW;
        break;
    }
    if ((BorderIcons & int(TBorderIcon::biSystemMenu)) && BorderStyle != TFormBorderStyle::bsNone) {
        params.style |= WS_SYSMENU;
        if (BorderStyle != TFormBorderStyle::bsDialog && BorderStyle != TFormBorderStyle::bsToolWindow &&
            BorderStyle != TFormBorderStyle::bsSizeToolWin) {
            if (BorderIcons & int(TBorderIcon::biMinimize)) params.style |= WS_MINIMIZEBOX;
            if (BorderIcons & int(TBorderIcon::biMaximize)) params.style |= WS_MAXIMIZEBOX;
        }
    }
    if (!enabled_) params.style |= WS_DISABLED;
    if (FormStyle == TFormStyle::fsStayOnTop) params.exStyle |= WS_EX_TOPMOST;
    if (FormStyle == TFormStyle::fsMDIChild) {
        TForm* frame = MDIFrame();
        if (!frame) throw std::runtime_error("Cannot create form. No MDI forms are currently active");
        params.style = (params.style & ~DWORD(WS_POPUP)) | WS_CHILD | WS_CAPTION | WS_SYSMENU |
                       WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX;
        if (visible_) params.style |= WS_VISIBLE;
        params.parentWnd = frame->ClientHandle();
        return;
    }
    // Every form is owned by the application's window: one task-bar button
    // and one z-order for the program.
    params.parentWnd = Application().Handle();
    if (menu_) params.menu = menu_->Handle();
}

void TForm::ApplyFrame() {
    if (!HandleAllocated()) return;
    CreateParams params;
    CreateParamsFor(params);
    HWND h = Handle();
    DWORD keep = GetWindowLongW(h, GWL_STYLE) & (WS_VISIBLE | WS_MINIMIZE | WS_MAXIMIZE);
    SetWindowLongW(h, GWL_STYLE, LONG(params.style | keep));
    SetWindowLongW(h, GWL_EXSTYLE, LONG(params.exStyle));
    SetWindowPos(h, nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

void TForm::SetBorderStyle(TFormBorderStyle style) {
    if (style == BorderStyle) return;
    BorderStyle = style;
    ApplyFrame();
}

void TForm::SetBorderIcons(int icons) {
    if (icons == BorderIcons) return;
    BorderIcons = icons;
    ApplyFrame();
}

RECT TForm::ClientRect() const {
    if (const_cast<TForm*>(this)->HandleAllocated()) return TWinControl::ClientRect();
    RECT frame{0, 0, 0, 0};
    CreateParams params;
    const_cast<TForm*>(this)->CreateParamsFor(params);
    AdjustWindowRectEx(&frame, params.style, FALSE, params.exStyle);
    return {0, 0, std::max(0L, width_ - (frame.right - frame.left)),
            std::max(0L, height_ - (frame.bottom - frame.top))};
}

POINT TForm::ClientOrigin() const {
    if (const_cast<TForm*>(this)->HandleAllocated()) return TWinControl::ClientOrigin();
    RECT frame{0, 0, 0, 0};
    CreateParams params;
    const_cast<TForm*>(this)->CreateParamsFor(params);
    AdjustWindowRectEx(&frame, params.style, FALSE, params.exStyle);
    return {left_ - frame.left, top_ - frame.top};
}

void TForm::SetClientSize(int width, int height) {
    RECT r{0, 0, width, height};
    CreateParams params;
    CreateParamsFor(params);
    AdjustWindowRectEx(&r, params.style, FALSE, params.exStyle);
    SetBounds(left_, top_, r.right - r.left, r.bottom - r.top);
    // The menu bar or a narrow frame may wrap: correct with the real client.
    if (HandleAllocated()) {
        RECT c = TWinControl::ClientRect();
        if (c.right != width || c.bottom != height)
            SetBounds(left_, top_, width_ + width - c.right, height_ + height - c.bottom);
    }
}

bool TForm::Showing() const {
    return const_cast<TForm*>(this)->HandleAllocated() && visible_;
}

void TForm::PlaceForShow() {
    RECT area{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    if (Position == TPosition::poMainFormCenter) {
        TForm* main = Application().MainForm();
        if (main && main != this && main->HandleAllocated()) GetWindowRect(main->Handle(), &area);
    } else if (Position != TPosition::poDesktopCenter) {
        return;
    }
    SetBounds(area.left + (area.right - area.left - width_) / 2,
              area.top + (area.bottom - area.top - height_) / 2, width_, height_);
}

void TForm::Show() {
    if (!placed_ || Position == TPosition::poMainFormCenter) PlaceForShow();
    placed_ = true;
    Handle();
    if (Application().MainForm() == this) Application().ShowTaskBarButton();
    SetVisible(true);
    if (FormStyle == TFormStyle::fsMDIChild)
        SendMessageW(GetParent(Handle()), WM_MDIACTIVATE, reinterpret_cast<WPARAM>(Handle()), 0);
    else
        SetForegroundWindow(Handle());
}

void TForm::Hide() {
    SetVisible(false);
}

void TForm::Close() {
    Perform(WM_CLOSE);
}

void TForm::Release() {
    if (HandleAllocated()) PostMessageW(Handle(), CM_RELEASE, 0, 0);
}

int TForm::ShowModal() {
    if (modal_ || Showing()) throw std::runtime_error("Cannot make a visible window modal");
    std::vector<HWND> disabled;
    for (int i = 0; i < Screen().FormCount(); ++i) {
        TForm* f = Screen().Forms(i);
        if (f != this && f->HandleAllocated() && IsWindowEnabled(f->Handle())) {
            disabled.push_back(f->Handle());
            EnableWindow(f->Handle(), FALSE);
        }
    }
    modal_ = true;
    modalResult_ = mrNone;
    struct Restore {
        TForm& form;
        std::vector<HWND>& windows;
        ~Restore() {
            form.modal_ = false;
            for (HWND h : windows)
                if (IsWindow(h)) EnableWindow(h, TRUE);
            if (form.HandleAllocated()) form.Hide();
        }
    } restore{*this, disabled};
    Show();
    TApplication& app = Application();
    while (modalResult_ == mrNone && !app.Terminated()) {
        MSG msg;
        if (!app.ProcessMessage(msg)) WaitMessage();
        if (!Showing() && modalResult_ == mrNone) modalResult_ = mrCancel;
    }
    return modalResult_;
}

void TForm::SetActiveControl(TWinControl* control) {
    if (control && control->ParentForm() != this) throw std::invalid_argument("Invalid active control");
    activeControl_ = control;
    if (control && Showing() && control->CanFocus()) control->SetFocus();
}

void TForm::SetFocusedControl(TWinControl* control) {
    activeControl_ = control;
    Perform(CM_FOCUSCHANGED, 0, reinterpret_cast<LPARAM>(control));
}

void TForm::DoCreate() {
    if (OnCreate) OnCreate(this);
}

void TForm::Notification(TComponent* component, TOperation operation) {
    TWinControl::Notification(component, operation);
    if (operation == TOperation::opRemove && component == activeControl_) activeControl_ = nullptr;
    if (operation == TOperation::opRemove && component == menu_) SetMenu(nullptr);
}

// ---- messages ---------------------------------------------------------------

void TForm::WndProc(TMessage& message) {
    if (message.Msg == InspectMessage()) {
        WMInspect(message);
        return;
    }
    switch (message.Msg) {
    case WM_CLOSE:
        WMClose(message);
        return;
    case WM_ACTIVATE:
        WMActivate(message);
        return;
    case WM_SHOWWINDOW:
        WMShowWindow(message);
        return;
    case CM_RELEASE:
        Application().FreeLater(this);
        return;
    case WM_SYSCOMMAND:
        WMSysCommand(message);
        return;
    case WM_MDIACTIVATE:
        WMMDIActivate(message);
        return;
    default:
        if (MenuMessage(message)) return;
        TWinControl::WndProc(message);
        return;
    }
}

void TForm::WMClose(TMessage& m) {
    bool isMain = Application().MainForm() == this;
    TCloseAction action =
        isMain || FormStyle == TFormStyle::fsMDIChild ? TCloseAction::caFree : TCloseAction::caHide;
    if (OnClose) OnClose(this, action);
    m.Result = 0;
    if (modal_ && action != TCloseAction::caNone) {
        if (modalResult_ == mrNone) modalResult_ = mrCancel;
        return;
    }
    switch (action) {
    case TCloseAction::caHide:
        Hide();
        break;
    case TCloseAction::caMinimize:
        ShowWindow(Handle(), SW_MINIMIZE);
        break;
    case TCloseAction::caFree:
        if (isMain)
            Application().Terminate();
        else
            Release();
        break;
    case TCloseAction::caNone:
        break;
    }
}

void TForm::WMActivate(TMessage& m) {
    DefaultHandler(m);
    if (LOWORD(m.WParam) == WA_INACTIVE || HIWORD(m.WParam)) return;
    // Give the focus back to the control that had it.
    if (activeControl_ && activeControl_->CanFocus() && activeControl_->HandleAllocated())
        ::SetFocus(activeControl_->Handle());
}

void TForm::WMShowWindow(TMessage& m) {
    DefaultHandler(m);
    TNotifyEvent& event = m.WParam ? OnShow : OnHide;
    if (event) event(this);
}

void TForm::WMInspect(TMessage& m) {
    m.Result = AnswerInspect(*this, reinterpret_cast<HWND>(m.WParam)) ? 1 : 0;
}

void TForm::CMDialogKey(TMessage& m) {
    if (GetKeyState(VK_MENU) >= 0) {
        switch (m.WParam) {
        case VK_TAB:
            if (GetKeyState(VK_CONTROL) >= 0) {
                SelectNext(activeControl_, GetKeyState(VK_SHIFT) >= 0, true);
                m.Result = 1;
                return;
            }
            break;
        case VK_LEFT:
        case VK_RIGHT:
        case VK_UP:
        case VK_DOWN:
            if (activeControl_ && activeControl_->Parent()) {
                activeControl_->Parent()->SelectNext(activeControl_,
                                                     m.WParam == VK_RIGHT || m.WParam == VK_DOWN, false);
                m.Result = 1;
            }
            return;
        default:
            break;
        }
    }
    TWinControl::CMDialogKey(m);
}

} // namespace yq
