#pragma once
// TControl and TWinControl: position, size, visibility and caption of a
// control; windowed controls own an HWND created on demand.  Every windowed
// control is served by one window procedure, bound to its object on
// WM_NCCREATE.  A control's message method (WindowProc) can be replaced and
// restored; unhandled messages reach DefaultHandler unchanged.
#include "Component.h"

#include <functional>
#include <string>
#include <vector>

#include <windows.h>

namespace yq {

struct TMessage {
    UINT Msg;
    WPARAM WParam;
    LPARAM LParam;
    LRESULT Result;
};

using TWndMethod = std::function<void(TMessage&)>;
using TNotifyEvent = std::function<void(TComponent* sender)>;

class TWinControl;

class TControl : public TComponent {
public:
    explicit TControl(TComponent* owner = nullptr);
    ~TControl() override;
    const char* ClassName() const override { return "TControl"; }

    TWinControl* Parent() const { return parent_; }
    virtual void SetParent(TWinControl* parent);

    int Left() const { return left_; }
    int Top() const { return top_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    virtual void SetBounds(int left, int top, int width, int height);

    bool Visible() const { return visible_; }
    virtual void SetVisible(bool visible);
    const std::wstring& Caption() const { return caption_; }
    virtual void SetCaption(const std::wstring& caption);

    // The message method; replace it to see messages first, restore the
    // saved value to undo.
    TWndMethod WindowProc;
    LRESULT Perform(UINT msg, WPARAM wp = 0, LPARAM lp = 0);

protected:
    virtual void WndProc(TMessage& message);
    virtual void DefaultHandler(TMessage& message);

    TWinControl* parent_ = nullptr;
    int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
    bool visible_ = true;
    std::wstring caption_;
};

class TWinControl : public TControl {
public:
    explicit TWinControl(TComponent* owner = nullptr);
    ~TWinControl() override;
    const char* ClassName() const override { return "TWinControl"; }

    HWND Handle();
    bool HandleAllocated() const { return hwnd_ != nullptr; }
    static TWinControl* FromHandle(HWND hwnd);

    int ControlCount() const { return int(controls_.size()); }
    TControl* Controls(int index) const { return controls_.at(size_t(index)); }

    void SetBounds(int left, int top, int width, int height) override;
    void SetVisible(bool visible) override;
    void SetCaption(const std::wstring& caption) override;

protected:
    struct CreateParams {
        DWORD style = WS_CHILD | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
        DWORD exStyle = 0;
        HWND parentWnd = nullptr;
        HMENU menu = nullptr;
    };
    virtual void CreateParamsFor(CreateParams& params);
    virtual void CreateHandle();
    void DestroyHandle();
    void WndProc(TMessage& message) override;
    void DefaultHandler(TMessage& message) override;

private:
    friend class TControl;
    static LRESULT CALLBACK StdWndProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
    LRESULT Dispatch(UINT msg, WPARAM wp, LPARAM lp);

    HWND hwnd_ = nullptr;
    std::vector<TControl*> controls_;
};

} // namespace yq
