#pragma once
// TForm: a top-level window.  Border style, title-bar buttons and Position
// take effect when the window is made (or through their setters).  Closing
// a form runs OnClose; the main form closes by default (ending the
// program), any other form only hides and keeps its state.  The form keeps
// its active control (the one that has, or last had, the focus) and hands
// Tab and arrow dialog keys to the tab order.
//
// Every form is owned by the application's window (Application.h), which
// is the program's one task-bar button.  Menu: the form's menu bar
// (MainMenu.h); the menu's owner messages pass the form's message method
// and then the menu.  FormStyle fsMDIForm makes the form an MDI frame with
// the platform's "MDIClient" window in the client area left by aligned
// controls; fsMDIChild makes it a child in the MDI frame it is owned by (or
// else the main form, or else the first MDI frame of Screen()).  Closing
// an MDI child frees it.
#include "CustomControl.h"

namespace yq {

class TMainMenu;
class TMenuItem;

enum class TPosition { poDesigned, poDesktopCenter, poMainFormCenter };
enum class TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
enum class TBorderIcon { biSystemMenu = 1, biMinimize = 2, biMaximize = 4 };
enum class TCloseAction { caNone, caHide, caFree, caMinimize };
enum class TFormStyle { fsNormal, fsMDIChild, fsMDIForm, fsStayOnTop };
enum class TTileMode { tbHorizontal, tbVertical };

// Modal results.
constexpr int mrNone = 0, mrOk = 1, mrCancel = 2, mrAbort = 3, mrRetry = 4, mrIgnore = 5, mrYes = 6, mrNo = 7,
              mrAll = 8;

using TCloseEvent = std::function<void(TComponent* sender, TCloseAction& action)>;

class TForm : public TWinControl {
    YQ_CLASS(TForm, TWinControl)
public:
    explicit TForm(TComponent* owner = nullptr);
    ~TForm() override;

    // Read when the window is made; the setters also change a made window.
    TPosition Position = TPosition::poDesigned;
    TFormBorderStyle BorderStyle = TFormBorderStyle::bsSizeable;
    int BorderIcons =
        int(TBorderIcon::biSystemMenu) | int(TBorderIcon::biMinimize) | int(TBorderIcon::biMaximize);
    TPosition GetPosition() const { return Position; }
    void SetPosition(TPosition position) { Position = position; }
    TFormBorderStyle GetBorderStyle() const { return BorderStyle; }
    void SetBorderStyle(TFormBorderStyle style);
    int GetBorderIcons() const { return BorderIcons; }
    void SetBorderIcons(int icons);

    // The menu bar (not owned: its owner frees it).
    TMainMenu* Menu() const { return menu_; }
    void SetMenu(TMainMenu* menu);

    // Read when the window is made.
    TFormStyle FormStyle = TFormStyle::fsNormal;
    TFormStyle GetFormStyle() const { return FormStyle; }
    void SetFormStyle(TFormStyle style);
    // MDI frame: the item whose sub-menu lists the children.
    TMenuItem* WindowMenu = nullptr;
    // MDI frame: the client window, the children, the active one.
    HWND ClientHandle() const { return clientHandle_; }
    int MDIChildCount() const;
    TForm* MDIChildren(int index) const;
    TForm* ActiveMDIChild() const;
    TTileMode TileMode = TTileMode::tbHorizontal;
    void Tile();
    void Cascade();
    void Next();
    void Previous();

    TNotifyEvent OnCreate;
    TNotifyEvent OnShow;
    TNotifyEvent OnHide;
    TNotifyEvent OnDestroy;
    TCloseEvent OnClose;

    void SetClientSize(int width, int height) override;
    RECT ClientRect() const override;
    POINT ClientOrigin() const override;
    bool Showing() const override;

    void Show();
    void Hide();
    void Close();
    // Frees the form once the messages now queued are handled.
    void Release();

    // Shows the form with the other forms disabled until ModalResult is
    // set (or the form closes, mrCancel); returns ModalResult.
    int ShowModal();
    int ModalResult() const { return modalResult_; }
    void SetModalResult(int result) { modalResult_ = result; }
    bool Modal() const { return modal_; }

    TWinControl* ActiveControl() const { return activeControl_; }
    // Focuses the control when the form is showing; otherwise it gets the
    // focus when the form is activated.
    void SetActiveControl(TWinControl* control);
    // Called when a control of the form receives the focus: records it and
    // tells every control (CM_FOCUSCHANGED).
    void SetFocusedControl(TWinControl* control);

    // The creation step, run by the application right after construction.
    virtual void DoCreate();

protected:
    void CreateParamsFor(CreateParams& params) override;
    HWND CreateWindowHandle(const CreateParams& params, const std::wstring& windowClass) override;
    void DestroyWindowHandle(HWND window) override;
    void HandleCreated() override;
    void AlignControls(RECT& rect) override;
    void DefaultHandler(TMessage& message) override;
    void WndProc(TMessage& message) override;
    void CMDialogKey(TMessage& message) override;
    void Notification(TComponent* component, TOperation operation) override;

private:
    friend class TMainMenu;
    // The menu bar's platform menu was made anew.
    void MenuRebuilt();
    bool MenuMessage(TMessage& m);
    void WMSysCommand(TMessage& m);
    void WMMDIActivate(TMessage& m);
    TForm* MDIFrame() const;
    void CreateMDIClient();
    void PlaceForShow();
    void WMClose(TMessage& m);
    void WMActivate(TMessage& m);
    void WMShowWindow(TMessage& m);
    void WMInspect(TMessage& m);
    void ApplyFrame();
    bool placed_ = false;
    bool modal_ = false;
    int modalResult_ = mrNone;
    TWinControl* activeControl_ = nullptr;
    TMainMenu* menu_ = nullptr;
    HWND clientHandle_ = nullptr;
};

} // namespace yq
