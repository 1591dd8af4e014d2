#include "Screen.h"

#include "Form.h"

#include <algorithm>

namespace yq {

TScreen& Screen() {
    // Never destroyed: forms the application frees at exit still sign off.
    static TScreen* screen = new TScreen;
    return *screen;
}

void TScreen::RemoveForm(TForm* form) {
    forms_.erase(std::remove(forms_.begin(), forms_.end(), form), forms_.end());
}

TForm* TScreen::ActiveForm() const {
    HWND fg = GetForegroundWindow();
    for (TForm* f : forms_)
        if (f->HandleAllocated() && f->Handle() == fg) return f;
    return nullptr;
}

TWinControl* TScreen::ActiveControl() const {
    TForm* f = ActiveForm();
    return f ? f->ActiveControl() : nullptr;
}

HCURSOR TScreen::Cursors(TCursor index) const {
    if (auto it = cursors_.find(index); it != cursors_.end()) return it->second;
    const wchar_t* id = IDC_ARROW;
    switch (index) {
    case crNone:
        return nullptr;
    case crCross:
        id = IDC_CROSS;
        break;
    case crIBeam:
        id = IDC_IBEAM;
        break;
    case crSizeNESW:
        id = IDC_SIZENESW;
        break;
    case crSizeNS:
    case crVSplit:
        id = IDC_SIZENS;
        break;
    case crSizeNWSE:
        id = IDC_SIZENWSE;
        break;
    case crSizeWE:
    case crHSplit:
        id = IDC_SIZEWE;
        break;
    case crUpArrow:
        id = IDC_UPARROW;
        break;
    case crHourGlass:
        id = IDC_WAIT;
        break;
    case crNo:
    case crNoDrop:
        id = IDC_NO;
        break;
    case crAppStart:
        id = IDC_APPSTARTING;
        break;
    case crHelp:
        id = IDC_HELP;
        break;
    case crHandPoint:
        id = IDC_HAND;
        break;
    case crSizeAll:
        id = IDC_SIZEALL;
        break;
    default:
        break;
    }
    return LoadCursorW(nullptr, id);
}

void TScreen::SetCursors(TCursor index, HCURSOR cursor) {
    if (cursor)
        cursors_[index] = cursor;
    else
        cursors_.erase(index);
}

void TScreen::SetCursor(TCursor cursor) {
    if (cursor == cursor_) return;
    cursor_ = cursor;
    if (cursor != crDefault) {
        ::SetCursor(Cursors(cursor));
        return;
    }
    // Let the window under the pointer choose its cursor again.
    POINT p;
    GetCursorPos(&p);
    if (HWND h = WindowFromPoint(p))
        SendMessageW(h, WM_SETCURSOR, reinterpret_cast<WPARAM>(h), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
}

} // namespace yq
