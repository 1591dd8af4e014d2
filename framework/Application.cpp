#include "Application.h"

#include "Text.h"

#include <stdexcept>

namespace yq {

TApplication& Application() {
    static TApplication app;
    return app;
}

TApplication::TApplication() {
    MessageBoxFunc = [](const std::wstring& text, const std::wstring& caption, UINT flags) {
        return ::MessageBoxW(GetActiveWindow(), text.c_str(), caption.c_str(), flags);
    };
}

void TApplication::AdoptForm(TForm* form) {
    if (!mainForm_) mainForm_ = form;
    try {
        form->DoCreate();
    } catch (...) {
        HandleException(std::current_exception());
    }
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
    ShowMessageBox(ExceptionText(error), Title, MB_OK | MB_ICONERROR);
}

bool TApplication::ProcessMessage(MSG& msg) {
    if (!PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) return false;
    if (msg.message == WM_QUIT) {
        terminated_ = true;
        return true;
    }
    bool handled = false;
    if (OnMessage) {
        try {
            OnMessage(msg, handled);
        } catch (...) {
            HandleException(std::current_exception());
        }
    }
    if (!handled) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return true;
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
        if (!ProcessMessage(msg)) WaitMessage();
    }
}

void TApplication::Terminate() {
    terminated_ = true;
    PostQuitMessage(0);
}

} // namespace yq
