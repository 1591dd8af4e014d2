#include "Application.h"

#include "CustomControl.h"
#include "Guard.h"
#include "Text.h"

#include <algorithm>
#include <stdexcept>

namespace yq {

YQ_PUBLISHED(TApplication, TComponent) {
    r.WStr("Title", &TApplication::GetTitle, &TApplication::SetTitle);
}

TApplication& Application() {
    static TApplication app;
    return app;
}

TApplication::TApplication() {
    MessageBoxFunc = [](const std::wstring& text, const std::wstring& caption, UINT flags) {
        return ::MessageBoxW(GetActiveWindow(), text.c_str(), caption.c_str(), flags);
    };
}

TApplication::~TApplication() {
    MarkDestroying();
    DestroyComponents();
    if (handle_) {
        SetWindowLongPtrW(handle_, GWLP_USERDATA, 0);
        DestroyWindow(handle_);
    }
}

void TApplication::AdoptForm(TForm* form) {
    if (!mainForm_) mainForm_ = form;
    Guarded([form] { form->DoCreate(); });
}

int TApplication::ShowMessageBox(const std::wstring& text, const std::wstring& caption, UINT flags) {
    return MessageBoxFunc(text, caption, flags);
}

std::wstring TApplication::ExceptionText(std::exception_ptr error) {
    try {
        std::rethrow_exception(error);
    } catch (const std::exception& e) {
        return Widen(e.what());
    } catch (...) {
        return L"Unknown error";
    }
}

void TApplication::HandleException(std::exception_ptr error) {
    try {
        if (OnException)
            OnException(this, error);
        else
            ShowMessageBox(ExceptionText(error), Title, MB_OK | MB_ICONERROR);
    } catch (...) {
        // Showing the error failed too: nothing more can be done here.
    }
}

void TApplication::HandleExceptionLater(std::exception_ptr error) {
    laterErrors_.push_back(std::move(error));
    // Wakes an idle event loop.
    PostThreadMessageW(GetCurrentThreadId(), WM_NULL, 0, 0);
}

void TApplication::ShowLaterExceptions() {
    while (!laterErrors_.empty()) {
        std::exception_ptr error = laterErrors_.front();
        laterErrors_.erase(laterErrors_.begin());
        HandleException(error);
    }
}

// Tab, Enter, Esc and arrows that the focused control does not want go to
// its form as dialog keys; so do Alt+letters and the characters a control
// does not take (mnemonics).
bool TApplication::IsKeyMsg(MSG& msg) {
    if (msg.message != WM_KEYDOWN && msg.message != WM_SYSCHAR && msg.message != WM_CHAR) return false;
    TWinControl* control = nullptr;
    for (HWND h = msg.hwnd; h && !control; h = GetParent(h))
        control = TWinControl::FromHandle(h);
    TForm* form = control ? control->ParentForm() : nullptr;
    if (!form) return false;
    LRESULT code = SendMessageW(msg.hwnd, WM_GETDLGCODE, msg.wParam, reinterpret_cast<LPARAM>(&msg));
    if (msg.message == WM_KEYDOWN) {
        LRESULT mask = 0;
        switch (msg.wParam) {
        case VK_TAB:
            mask = DLGC_WANTTAB;
            break;
        case VK_LEFT:
        case VK_RIGHT:
        case VK_UP:
        case VK_DOWN:
            mask = DLGC_WANTARROWS;
            break;
        case VK_RETURN:
        case VK_ESCAPE:
        case VK_EXECUTE:
        case VK_CANCEL:
            mask = DLGC_WANTALLKEYS;
            break;
        default:
            return false;
        }
        if (code & (mask | DLGC_WANTALLKEYS | DLGC_WANTMESSAGE)) return false;
        return form->Perform(CM_DIALOGKEY, msg.wParam, msg.lParam) != 0;
    }
    if (msg.message == WM_CHAR) {
        if (msg.wParam < 0x20 ||
            (code & (DLGC_WANTCHARS | DLGC_WANTALLKEYS | DLGC_WANTMESSAGE | DLGC_HASSETSEL)))
            return false;
    }
    return form->Perform(CM_DIALOGCHAR, msg.wParam, msg.lParam) != 0;
}

THintController& TApplication::Hints() {
    if (!hints_) hints_ = new THintController(this);
    return *hints_;
}

void TApplication::Notification(TComponent* component, TOperation operation) {
    TComponent::Notification(component, operation);
    if (operation != TOperation::opRemove) return;
    if (component == hints_) hints_ = nullptr;
    if (component == mainForm_) mainForm_ = nullptr;
    released_.erase(std::remove(released_.begin(), released_.end(), component), released_.end());
}

bool TApplication::ProcessMessage(MSG& msg) {
    if (!PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) return false;
    if (msg.message == WM_QUIT) {
        terminated_ = true;
        return true;
    }
    bool handled = false;
    if (!Guarded([&] {
            if (hints_ || msg.message == WM_MOUSEMOVE) Hints().Watch(msg);
            if (OnMessage) OnMessage(msg, handled);
            if (!handled) handled = IsMDIMsg(msg) || IsKeyMsg(msg);
        }))
        handled = true;
    if (!handled) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    FreeReleased();
    ShowLaterExceptions();
    return true;
}

void TApplication::FreeLater(TForm* form) {
    if (std::find(released_.begin(), released_.end(), form) == released_.end()) released_.push_back(form);
}

void TApplication::FreeReleased() {
    while (!released_.empty()) {
        TForm* form = released_.back();
        released_.pop_back();
        if (form == mainForm_) mainForm_ = nullptr;
        delete form;
    }
}

void TApplication::Idle() {
    TControlCanvas::FreeDeviceContexts();
}

void TApplication::ProcessMessages() {
    MSG msg;
    while (ProcessMessage(msg)) {
    }
}

void TApplication::Run() {
    if (mainForm_) mainForm_->Show();
    while (!terminated_) {
        MSG msg;
        if (!ProcessMessage(msg)) {
            Idle();
            WaitMessage();
        }
    }
}

void TApplication::Terminate() {
    terminated_ = true;
    PostQuitMessage(0);
}

} // namespace yq
