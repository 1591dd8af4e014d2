// TApplication's window: the program's task-bar button and the owner of
// every form; minimising and restoring the program; MDI keys.
#include "Application.h"

#include "Guard.h"
#include "Screen.h"

#include <stdexcept>

namespace yq {

namespace {
constexpr const wchar_t* kAppClass = L"TApplication";
// Off the screen and empty: a task-bar button with nothing on the desktop.
constexpr int kOffScreen = -32000;
} // namespace

void TApplication::SetTitle(const std::wstring& title) {
    Title = title;
    if (handle_) SetWindowTextW(handle_, Title.c_str());
}

HWND TApplication::Handle() {
    if (handle_) return handle_;
    HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSEXW wc{sizeof(wc)};
    if (!GetClassInfoExW(instance, kAppClass, &wc)) {
        wc = WNDCLASSEXW{sizeof(wc)};
        wc.lpfnWndProc = &AppWndProc;
        wc.hInstance = instance;
        wc.hIcon = LoadIconW(instance, L"MAINICON");
        wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        wc.lpszClassName = kAppClass;
        if (!RegisterClassExW(&wc)) throw std::runtime_error("Cannot register window class");
    }
    handle_ = CreateWindowExW(0, kAppClass, Title.c_str(),
                              WS_POPUP | WS_CAPTION | WS_CLIPSIBLINGS | WS_SYSMENU | WS_MINIMIZEBOX,
                              kOffScreen, kOffScreen, 0, 0, nullptr, nullptr, instance, this);
    if (!handle_) throw std::runtime_error("Error creating window");
    return handle_;
}

void TApplication::ShowTaskBarButton() {
    HWND h = Handle();
    SetWindowTextW(h, Title.c_str());
    if (!IsWindowVisible(h)) ShowWindow(h, SW_SHOWNOACTIVATE);
}

void TApplication::Minimize() {
    HWND h = Handle();
    if (IsIconic(h)) return;
    ShowWindow(h, SW_MINIMIZE);
    if (OnMinimize) OnMinimize(this);
}

void TApplication::Restore() {
    HWND h = Handle();
    if (!IsIconic(h)) return;
    ShowWindow(h, SW_RESTORE);
}

LRESULT CALLBACK TApplication::AppWndProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_NCCREATE)
        SetWindowLongPtrW(hwnd, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTW*>(lp)->lpCreateParams));
    auto* self = reinterpret_cast<TApplication*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (!self) return DefWindowProcW(hwnd, msg, wp, lp);
    LRESULT result = 0;
    if (!Guarded([&] { result = self->AppMessage(hwnd, msg, wp, lp); }))
        return DefWindowProcW(hwnd, msg, wp, lp);
    return result;
}

LRESULT TApplication::AppMessage(HWND h, UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_SIZE:
        // The forms go and come back with their owner (from Minimize and
        // Restore or from the task bar).
        if (wp == SIZE_MINIMIZED) HideForms(h);
        if (wp == SIZE_RESTORED && !hiddenForms_.empty()) {
            ShowHiddenForms();
            if (OnRestore) OnRestore(this);
        }
        break;
    case WM_SETFOCUS:
        // The task-bar button activated the program: the main form takes
        // over, or the form a modal loop runs for.
        if (HWND form = FormToActivate()) {
            SetActiveWindow(form);
            return 0;
        }
        break;
    case WM_CLOSE:
        // Closing the task-bar button closes the main form.
        if (mainForm_) {
            mainForm_->Close();
            return 0;
        }
        break;
    case WM_NCDESTROY:
        handle_ = nullptr;
        break;
    default:
        break;
    }
    return DefWindowProcW(h, msg, wp, lp);
}

HWND TApplication::FormToActivate() const {
    auto usable = [](TForm* f) {
        return f && f->HandleAllocated() && IsWindowVisible(f->Handle()) && IsWindowEnabled(f->Handle());
    };
    if (usable(mainForm_)) return mainForm_->Handle();
    for (int i = Screen().FormCount() - 1; i >= 0; --i)
        if (TForm* f = Screen().Forms(i); usable(f) && f->FormStyle != TFormStyle::fsMDIChild)
            return f->Handle();
    return nullptr;
}

void TApplication::HideForms(HWND app) {
    for (int i = 0; i < Screen().FormCount(); ++i) {
        TForm* f = Screen().Forms(i);
        if (!f->HandleAllocated()) continue;
        HWND h = f->Handle();
        if (GetWindow(h, GW_OWNER) != app || !IsWindowVisible(h)) continue;
        hiddenForms_.push_back(h);
        ShowWindow(h, SW_HIDE);
    }
}

void TApplication::ShowHiddenForms() {
    std::vector<HWND> forms;
    forms.swap(hiddenForms_);
    for (HWND h : forms)
        if (IsWindow(h)) ShowWindow(h, SW_SHOWNA);
    if (HWND form = FormToActivate()) SetActiveWindow(form);
}

// Ctrl+F4, Ctrl+F6 and the Alt+- system menu of MDI children.
bool TApplication::IsMDIMsg(MSG& msg) {
    if (msg.message != WM_KEYDOWN && msg.message != WM_SYSKEYDOWN) return false;
    wchar_t cls[16];
    for (HWND h = msg.hwnd; h; h = GetParent(h)) {
        HWND parent = GetParent(h);
        if (parent && GetClassNameW(parent, cls, 16) && lstrcmpiW(cls, L"MDIClient") == 0)
            return TranslateMDISysAccel(parent, &msg) != FALSE;
    }
    return false;
}

} // namespace yq
