// TForm as an MDI frame or child on the platform's MDI client window.
#include "Form.h"

#include "Application.h"
#include "MainMenu.h"
#include "Screen.h"

#include <stdexcept>

namespace yq {

namespace {
// Identifiers of the children in the frame's window menu: above every menu
// command (Menus.cpp) and below the system commands' use of the low bits.
constexpr UINT kFirstMDIChild = 0xFF00;
constexpr UINT_PTR kClientId = 0xCAC;
} // namespace

void TForm::SetFormStyle(TFormStyle style) {
    if (style == FormStyle) return;
    if (HandleAllocated() && (style == TFormStyle::fsMDIChild || style == TFormStyle::fsMDIForm ||
                              FormStyle == TFormStyle::fsMDIChild || FormStyle == TFormStyle::fsMDIForm))
        throw std::runtime_error("Cannot change the MDI style of a form that has a window");
    FormStyle = style;
    if (HandleAllocated())
        SetWindowPos(Handle(), style == TFormStyle::fsStayOnTop ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

TForm* TForm::MDIFrame() const {
    auto isFrame = [](const TComponent* c) {
        auto* f = dynamic_cast<const TForm*>(c);
        return f && f->FormStyle == TFormStyle::fsMDIForm ? const_cast<TForm*>(f) : nullptr;
    };
    if (TForm* f = isFrame(Owner())) return f->Handle() ? f : nullptr;
    if (TForm* f = isFrame(Application().MainForm())) return f->Handle() ? f : nullptr;
    for (int i = 0; i < Screen().FormCount(); ++i)
        if (TForm* f = isFrame(Screen().Forms(i)); f && f->HandleAllocated()) return f;
    return nullptr;
}

HWND TForm::CreateWindowHandle(const CreateParams& params, const std::wstring& windowClass) {
    if (FormStyle != TFormStyle::fsMDIChild) return TWinControl::CreateWindowHandle(params, windowClass);
    // Made by the client, so that it lists, tiles and merges the child.
    MDICREATESTRUCTW mcs{};
    mcs.szClass = windowClass.c_str();
    mcs.szTitle = Caption().c_str();
    mcs.hOwner = GetModuleHandleW(nullptr);
    mcs.x = left_;
    mcs.y = top_;
    mcs.cx = width_;
    mcs.cy = height_;
    mcs.style = params.style;
    mcs.lParam = reinterpret_cast<LPARAM>(static_cast<TWinControl*>(this));
    return reinterpret_cast<HWND>(
        SendMessageW(params.parentWnd, WM_MDICREATE, 0, reinterpret_cast<LPARAM>(&mcs)));
}

void TForm::DestroyWindowHandle(HWND window) {
    HWND client = GetParent(window);
    if (FormStyle == TFormStyle::fsMDIChild && client)
        SendMessageW(client, WM_MDIDESTROY, reinterpret_cast<WPARAM>(window), 0);
    else
        TWinControl::DestroyWindowHandle(window);
    if (FormStyle == TFormStyle::fsMDIForm) clientHandle_ = nullptr; // went with the frame
}

void TForm::HandleCreated() {
    TWinControl::HandleCreated();
    if (FormStyle == TFormStyle::fsMDIForm) CreateMDIClient();
}

void TForm::CreateMDIClient() {
    CLIENTCREATESTRUCT ccs{};
    ccs.hWindowMenu = WindowMenu ? WindowMenu->Handle() : nullptr;
    ccs.idFirstChild = kFirstMDIChild;
    RECT r = ClientRect();
    clientHandle_ = CreateWindowExW(
        WS_EX_CLIENTEDGE, L"MDICLIENT", nullptr,
        WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS | WS_VSCROLL | WS_HSCROLL, 0, 0, r.right,
        r.bottom, Handle(), reinterpret_cast<HMENU>(kClientId), GetModuleHandleW(nullptr), &ccs);
    if (!clientHandle_) throw std::runtime_error("Error creating window");
}

void TForm::AlignControls(RECT& rect) {
    TWinControl::AlignControls(rect);
    // The client takes what the aligned controls leave.
    if (clientHandle_)
        SetWindowPos(clientHandle_, HWND_BOTTOM, rect.left, rect.top, std::max(0L, rect.right - rect.left),
                     std::max(0L, rect.bottom - rect.top), SWP_NOACTIVATE);
}

void TForm::DefaultHandler(TMessage& m) {
    if (!HandleAllocated()) {
        TWinControl::DefaultHandler(m);
        return;
    }
    HWND h = Handle();
    if (FormStyle == TFormStyle::fsMDIForm && clientHandle_ && m.Msg != WM_SIZE)
        m.Result = DefFrameProcW(h, clientHandle_, m.Msg, m.WParam, m.LParam);
    else if (FormStyle == TFormStyle::fsMDIChild)
        m.Result = DefMDIChildProcW(h, m.Msg, m.WParam, m.LParam);
    else
        TWinControl::DefaultHandler(m);
}

// An MDI child gets no WM_ACTIVATE: the focus goes back to its active
// control here.
void TForm::WMMDIActivate(TMessage& m) {
    DefaultHandler(m);
    if (!HandleAllocated() || reinterpret_cast<HWND>(m.LParam) != Handle()) return;
    TWinControl* control = activeControl_ ? activeControl_ : FindNextControl(nullptr, true, true);
    if (control && control->CanFocus() && control->HandleAllocated()) ::SetFocus(control->Handle());
}

int TForm::MDIChildCount() const {
    int n = 0;
    for (int i = 0; i < Screen().FormCount(); ++i) {
        TForm* f = Screen().Forms(i);
        if (f->FormStyle == TFormStyle::fsMDIChild && f->HandleAllocated() && clientHandle_ &&
            GetParent(f->Handle()) == clientHandle_)
            ++n;
    }
    return n;
}

TForm* TForm::MDIChildren(int index) const {
    int n = 0;
    for (int i = 0; i < Screen().FormCount(); ++i) {
        TForm* f = Screen().Forms(i);
        if (f->FormStyle == TFormStyle::fsMDIChild && f->HandleAllocated() && clientHandle_ &&
            GetParent(f->Handle()) == clientHandle_ && n++ == index)
            return f;
    }
    throw std::out_of_range("List index out of bounds (" + std::to_string(index) + ")");
}

TForm* TForm::ActiveMDIChild() const {
    if (!clientHandle_) return nullptr;
    auto* h = reinterpret_cast<HWND>(SendMessageW(clientHandle_, WM_MDIGETACTIVE, 0, 0));
    return dynamic_cast<TForm*>(FromHandle(h));
}

void TForm::Tile() {
    if (clientHandle_)
        SendMessageW(clientHandle_, WM_MDITILE,
                     TileMode == TTileMode::tbHorizontal ? MDITILE_HORIZONTAL : MDITILE_VERTICAL, 0);
}

void TForm::Cascade() {
    if (clientHandle_) SendMessageW(clientHandle_, WM_MDICASCADE, 0, 0);
}

void TForm::Next() {
    if (clientHandle_) SendMessageW(clientHandle_, WM_MDINEXT, 0, FALSE);
}

void TForm::Previous() {
    if (clientHandle_) SendMessageW(clientHandle_, WM_MDINEXT, 0, TRUE);
}

} // namespace yq
