#include "Form.h"

#include "Application.h"

namespace yq {

TForm::TForm(TComponent* owner) : TWinControl(owner) { visible_ = false; }

void TForm::CreateParamsFor(CreateParams& params) {
    params.style = WS_CAPTION | WS_CLIPCHILDREN;
    switch (BorderStyle) {
    case TFormBorderStyle::bsSizeable: params.style |= WS_THICKFRAME; break;
    case TFormBorderStyle::bsSingle: params.style |= WS_BORDER; break;
    case TFormBorderStyle::bsDialog: params.exStyle |= WS_EX_DLGMODALFRAME; break;
    }
    if (BorderIcons & int(TBorderIcon::biSystemMenu)) {
        params.style |= WS_SYSMENU;
        if (BorderStyle != TFormBorderStyle::bsDialog) {
            if (BorderIcons & int(TBorderIcon::biMinimize)) params.style |= WS_MINIMIZEBOX;
            if (BorderIcons & int(TBorderIcon::biMaximize)) params.style |= WS_MAXIMIZEBOX;
        }
    }
    params.exStyle |= WS_EX_APPWINDOW;
}

void TForm::SetClientSize(int width, int height) {
    RECT r{0, 0, width, height};
    CreateParams params;
    CreateParamsFor(params);
    AdjustWindowRectEx(&r, params.style, FALSE, params.exStyle);
    SetBounds(left_, top_, r.right - r.left, r.bottom - r.top);
}

int TForm::ClientWidth() {
    RECT r;
    GetClientRect(Handle(), &r);
    return r.right;
}

int TForm::ClientHeight() {
    RECT r;
    GetClientRect(Handle(), &r);
    return r.bottom;
}

void TForm::PlaceForShow() {
    RECT area{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    if (Position == TPosition::poMainFormCenter) {
        TForm* main = Application().MainForm();
        if (main && main != this && main->HandleAllocated()) GetWindowRect(main->Handle(), &area);
    } else if (Position != TPosition::poDesktopCenter) {
        return;
    }
    SetBounds(area.left + (area.right - area.left - width_) / 2, area.top + (area.bottom - area.top - height_) / 2,
              width_, height_);
}

void TForm::Show() {
    if (!placed_ || Position == TPosition::poMainFormCenter) PlaceForShow();
    placed_ = true;
    Handle();
    SetVisible(true);
    SetForegroundWindow(Handle());
}

void TForm::Hide() { SetVisible(false); }

void TForm::Close() { Perform(WM_CLOSE); }

void TForm::DoCreate() {
    if (OnCreate) OnCreate(this);
}

void TForm::WndProc(TMessage& message) {
    if (message.Msg != WM_CLOSE) {
        TWinControl::WndProc(message);
        return;
    }
    bool isMain = Application().MainForm() == this;
    TCloseAction action = isMain ? TCloseAction::caFree : TCloseAction::caHide;
    if (OnClose) OnClose(this, action);
    switch (action) {
    case TCloseAction::caHide: Hide(); break;
    case TCloseAction::caMinimize: ShowWindow(Handle(), SW_MINIMIZE); break;
    case TCloseAction::caFree:
        if (isMain) Application().Terminate();
        else Hide();
        break;
    case TCloseAction::caNone: break;
    }
    message.Result = 0;
}

} // namespace yq
