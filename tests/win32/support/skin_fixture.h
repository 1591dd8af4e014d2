#pragma once
// Our embedded skin in a TSkinData loaded as stored settings are, bare
// test windows, and a message pump.
#include "Form.h"
#include "SkinManage.h"
#include "WinSkinData.h"
#include "WinSkinForm.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <memory>

namespace yq::testing {

// Settings in, then Loaded: as the quiz window's SkinData1 is made.
inline TSkinData* LoadSkinData(TComponent* owner = nullptr, TSkinFormType type = sfMainform,
                               bool active = true) {
    auto* skin = new TSkinData(owner);
    skin->BeginLoading();
    skin->SetSkinFormtype(type);
    TByteStream stored = ResourceStream(kEmbeddedSkinResource);
    skin->ReadSkinStream(stored);
    skin->SetActive(active);
    skin->EndLoading();
    return skin;
}

inline void Pump(int milliseconds = 0) {
    const DWORD end = GetTickCount() + DWORD(milliseconds);
    do {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
        if (milliseconds) Sleep(5);
    } while (GetTickCount() < end);
}

// A top-level window of a plain class of our own (DefWindowProcW).
class TBareWindow {
public:
    TBareWindow(const wchar_t* className, DWORD style, int w, int h, HWND owner = nullptr,
                DWORD exStyle = 0) {
        WNDCLASSW wc{};
        wc.lpfnWndProc = DefWindowProcW;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = className;
        RegisterClassW(&wc);
        hwnd_ = CreateWindowExW(exStyle, className, L"测试窗口", style, 50, 40, w, h, owner, nullptr,
                                GetModuleHandleW(nullptr), nullptr);
    }
    ~TBareWindow() {
        if (IsWindow(hwnd_)) DestroyWindow(hwnd_);
        Pump();
    }
    TBareWindow(const TBareWindow&) = delete;
    TBareWindow& operator=(const TBareWindow&) = delete;
    HWND Get() const { return hwnd_; }

private:
    HWND hwnd_;
};

// A shown form, our skin loaded inactive (the manager leaves the form to
// the test) and a form skinner that only keeps the control skinners the
// test attaches, released at the end.
class TSkinnedFormTest : public ::testing::Test {
protected:
    TSkinnedFormTest(int width, int height) : width_(width), height_(height) {}
    void SetUp() override {
        skin_.reset(LoadSkinData(nullptr, sfMainform, false));
        form_ = std::make_unique<TForm>();
        form_->SetBounds(0, 0, width_, height_);
        form_->Show();
        Pump();
        registry_.Handle = form_->Handle();
        registry_.Form = form_.get();
        registry_.SkinData = skin_.get();
    }
    void TearDown() override {
        registry_.ReleaseSkinControls();
        form_.reset();
        skin_.reset();
        Pump();
    }
    // A control of the form, its window made.
    template <class T> T* Place(int left, int top, int width, int height, TWinControl* parent = nullptr) {
        auto* c = new T(form_.get());
        c->SetBounds(left, top, width, height);
        c->SetParent(parent ? parent : form_.get());
        c->Handle();
        return c;
    }
    template <class TSkinner> TSkinner* Skin(TWinControl* control, bool colour = false) {
        auto* s = new TSkinner(control);
        s->AttachControl(&registry_, skin_.get(), colour, &registry_.SharedCanvas);
        return s;
    }
    std::unique_ptr<TSkinData> skin_;
    std::unique_ptr<TForm> form_;
    TWinSkinForm registry_;

private:
    int width_, height_;
};

inline SIZE WindowSize(HWND h) {
    RECT r{};
    GetWindowRect(h, &r);
    return {r.right - r.left, r.bottom - r.top};
}
inline SIZE ClientSize(HWND h) {
    RECT r{};
    GetClientRect(h, &r);
    return {r.right, r.bottom};
}

} // namespace yq::testing
