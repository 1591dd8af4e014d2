#pragma once
// TWinControl: a control with a window, created on demand and served by
// one window procedure, bound to the object on WM_NCCREATE.  It holds the
// child controls, aligns them in its client rectangle, routes mouse
// messages to its windowless children, paints them after itself, keeps the
// tab order and tells its form which control has the focus.  No C++
// exception leaves the window procedure: it goes to Application().
#include "Control.h"

#include <vector>

namespace yq {

class TWinControl : public TControl {
    YQ_CLASS(TWinControl, TControl)
public:
    explicit TWinControl(TComponent* owner = nullptr);
    ~TWinControl() override;

    HWND Handle();
    bool HandleAllocated() const { return hwnd_ != nullptr; }
    // The control bound to a window of this program; nullptr for others.
    static TWinControl* FromHandle(HWND hwnd);

    int ControlCount() const { return int(controls_.size()); }
    TControl* Controls(int index) const { return controls_.at(size_t(index)); }
    // The child control under a client point: windowless ones only unless
    // `windowed`; disabled ones only when `allowDisabled`.
    TControl* ControlAtPos(POINT p, bool allowDisabled, bool windowed = false) const;
    // Sends the message to every child until one sets a nonzero Result.
    void Broadcast(TMessage& message);

    void SetBounds(int left, int top, int width, int height) override;
    RECT ClientRect() const override;
    POINT ClientOrigin() const override;
    void SetVisible(bool visible) override;
    bool Showing() const override;
    void SetParent(TWinControl* parent) override;

    // Alignment of the children (also run on every size change).
    void Realign();
    void DisableAlign() { ++alignDisabled_; }
    void EnableAlign();

    int TabOrder() const;
    void SetTabOrder(int order);
    bool TabStop() const { return tabStop_; }
    void SetTabStop(bool tabStop) { tabStop_ = tabStop; }
    bool Focused() const;
    virtual bool CanFocus() const;
    void SetFocus();
    // Windowed descendants in tab order (depth first).
    void GetTabOrderList(std::vector<TWinControl*>& list) const;
    // The next control after `current` that can take the focus.
    TWinControl* FindNextControl(TWinControl* current, bool forward, bool checkTabStop) const;
    void SelectNext(TWinControl* current, bool forward, bool checkTabStop);

    // Paint through an off-screen bitmap (flicker-free).
    bool DoubleBuffered() const { return doubleBuffered_; }
    void SetDoubleBuffered(bool on) { doubleBuffered_ = on; }
    bool GetTabStop() const { return tabStop_; }

    void Invalidate() override;
    void Update() override;
    void PaintTo(HDC dc, int x, int y) override;

    TNotifyEvent OnEnter;
    TNotifyEvent OnExit;
    TKeyEvent OnKeyDown;
    TKeyEvent OnKeyUp;
    TKeyPressEvent OnKeyPress;

protected:
    struct CreateParams {
        DWORD style = WS_CHILD | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
        DWORD exStyle = 0;
        HWND parentWnd = nullptr;
        HMENU menu = nullptr;
        UINT classStyle = CS_DBLCLKS;
        // Window class name; empty means the framework class name.
        std::wstring windowClass;
        // A system class (L"EDIT", L"BUTTON") to superclass: its window
        // procedure becomes DefaultHandler's.
        const wchar_t* superclass = nullptr;
    };
    virtual void CreateParamsFor(CreateParams& params);
    virtual void CreateHandle();
    // Makes the window itself (MDI children are made by their client).
    virtual HWND CreateWindowHandle(const CreateParams& params, const std::wstring& windowClass);
    // Destroys the window, already unbound from the control.
    virtual void DestroyWindowHandle(HWND window) { DestroyWindow(window); }
    // After the window exists (children not yet created): set up the window.
    virtual void HandleCreated() {}
    void DestroyHandle();
    void WndProc(TMessage& message) override;
    void DefaultHandler(TMessage& message) override;

    // Area in which children are aligned; starts as the client rectangle.
    virtual void AdjustClientRect(RECT& rect) const;
    virtual void AlignControls(RECT& rect);

    // Paints the control's own client area on dc (children come after).
    virtual void PaintWindow(HDC dc);
    void PaintHandler(TMessage& message);
    void PaintControls(HDC dc);
    // Draws the non-client frame of a window (PaintTo).
    virtual void PaintNonClient(HDC dc);

    virtual void DoEnter();
    virtual void DoExit();
    virtual void KeyDown(WORD& key, TShiftState shift);
    virtual void KeyUp(WORD& key, TShiftState shift);
    virtual void KeyPress(wchar_t& key);

    void CMEnabledChanged(TMessage& message) override;
    void CMFontChanged(TMessage& message) override;
    void CMColorChanged(TMessage& message) override;
    void CMSysColorChange(TMessage& message) override;
    void CMFocusChanged(TMessage& message) override;
    void CMDialogKey(TMessage& message) override;
    void CMDialogChar(TMessage& message) override;
    void CMVisibleChanged(TMessage& message) override;

    // The brush of Color, for WM_ERASEBKGND and child colour messages.
    TBrush& ColorBrush();

private:
    friend class TControl;
    static LRESULT CALLBACK StdWndProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
    LRESULT Dispatch(UINT msg, WPARAM wp, LPARAM lp);
    using Handler = void (TWinControl::*)(TMessage&);
    static Handler FindHandler(UINT msg);
    bool RouteMouse(TMessage& m);
    void SetHover(TControl* control);
    void InsertControl(TControl* control);
    void RemoveControl(TControl* control);
    void BoundsFromWindow();

    void WMPaint(TMessage& m);
    void WMPrintClient(TMessage& m);
    void WMEraseBkgnd(TMessage& m);
    void WMWindowPosChanged(TMessage& m);
    void WMSetCursor(TMessage& m);
    void WMSetFocus(TMessage& m);
    void WMKillFocus(TMessage& m);
    void WMKeyDown(TMessage& m);
    void WMKeyUp(TMessage& m);
    void WMChar(TMessage& m);
    void WMMouseLeave(TMessage& m);
    void WMSetText(TMessage& m);
    void WMReflect(TMessage& m);
    void WMCtlColor(TMessage& m);
    void WMSysColorChange(TMessage& m);
    void WMCaptureChanged(TMessage& m);
    void WMContextMenu(TMessage& m);
    void WMNCDestroy(TMessage& m);
    void CMEnter(TMessage& m);
    void CMExit(TMessage& m);

    HWND hwnd_ = nullptr;
    WNDPROC defWndProc_ = nullptr;
    bool superclassed_ = false;
    std::vector<TControl*> controls_;
    std::vector<TWinControl*> tabList_;
    bool tabStop_ = false;
    bool doubleBuffered_ = false;
    int alignDisabled_ = 0;
    int aligning_ = 0;
    bool mouseInside_ = false;
    TControl* hover_ = nullptr;          // windowless child under the mouse
    TControl* captureControl_ = nullptr; // windowless child holding the mouse
    TBrush brush_;
};

} // namespace yq
