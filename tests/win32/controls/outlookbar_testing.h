#pragma once
// Helpers of the outlook bar tests: a borderless form at the screen's
// top-left corner, message pumping for timer-driven behaviour, and the
// pointer placed over a control (the controls read it with GetCursorPos).
#include "Application.h"
#include "Form.h"

#include <gtest/gtest.h>

#include <windows.h>

namespace yq::testing {

// Dispatches messages for `ms` milliseconds.
inline void PumpFor(int ms) {
    const DWORD end = GetTickCount() + DWORD(ms);
    MSG msg;
    do {
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
        Sleep(1);
    } while (LONG(GetTickCount() - end) < 0);
}

// Puts the pointer at a client point of `control`.
inline void PointAt(TControl& control, int x, int y) {
    POINT p = control.ClientToScreen(POINT{x, y});
    SetCursorPos(p.x, p.y);
}

inline LPARAM At(int x, int y) {
    return MAKELPARAM(x, y);
}

// Sends a mouse message to `control`'s window at a client point, with the
// pointer moved there first.
inline void Mouse(TWinControl& control, UINT msg, int x, int y, WPARAM keys = 0) {
    PointAt(control, x, y);
    SendMessageW(control.Handle(), msg, keys, At(x, y));
}

class FormTest : public ::testing::Test {
protected:
    void SetUp() override {
        form = new TForm(nullptr);
        form->BorderStyle = TFormBorderStyle::bsNone;
        form->SetBounds(0, 0, 400, 600);
        Application().MessageBoxFunc = [this](const std::wstring& text, const std::wstring&, UINT) {
            boxes.push_back(text);
            return IDOK;
        };
    }
    void TearDown() override {
        delete form;
        SetCursorPos(1000, 700);
    }
    TForm* form = nullptr;
    std::vector<std::wstring> boxes;
};

} // namespace yq::testing
