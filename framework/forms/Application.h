#pragma once
// TApplication: the title, the forms in creation order (the first is the
// main form), the event loop with its application-wide message filter, the
// keyboard's dialog keys, and the one place where exceptions escaping
// handlers are shown.
#include "Form.h"
#include "Hint.h"

#include <exception>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace yq {

using TMessageEvent = std::function<void(MSG& msg, bool& handled)>;
using TExceptionEvent = std::function<void(TComponent* sender, std::exception_ptr error)>;
// Shows the help for a context number.
using THelpEvent = std::function<void(int context)>;
// Shows a message box; tests replace it to answer boxes without a window.
using TMessageBoxFunc = std::function<int(const std::wstring& text, const std::wstring& caption, UINT flags)>;

class TApplication : public TComponent {
    YQ_CLASS(TApplication, TComponent)
public:
    TApplication();
    ~TApplication() override;

    // The caption of every message and error box.
    std::wstring Title;
    const std::wstring& GetTitle() const { return Title; }
    void SetTitle(const std::wstring& title);
    // Sees, and may rewrite, every message taken from the queue before it is
    // dispatched; handled = true drops it.
    TMessageEvent OnMessage;
    // Replaces the error box for exceptions escaping handlers.
    TExceptionEvent OnException;
    TMessageBoxFunc MessageBoxFunc;
    // Context help.  The program has no help file: without a handler a help
    // request shows nothing.
    THelpEvent OnHelp;
    void HelpContext(int context) {
        if (OnHelp) OnHelp(context);
    }

    TForm* MainForm() const { return mainForm_; }

    // The application's window: hidden, of class "TApplication", captioned
    // with Title, made on first use.  It owns every form and is the
    // program's one task-bar button, shown with the main form.
    HWND Handle();
    void ShowTaskBarButton();
    // Minimises the program (the forms hide with their owner) and brings
    // it back.
    void Minimize();
    void Restore();
    TNotifyEvent OnMinimize;
    TNotifyEvent OnRestore;

    // Hints of the controls under the pointer (ShowHint, HintPause,
    // HintHidePause); CancelHint hides a showing one.
    THintController& Hints();
    void CancelHint() { Hints().CancelHint(); }

    // Constructs the form, owned by the application, and runs its creation
    // step; an exception there is shown and start-up goes on.
    template <class T> T* CreateForm() {
        T* form = new T(this);
        AdoptForm(form);
        return form;
    }

    int ShowMessageBox(const std::wstring& text, const std::wstring& caption, UINT flags);
    void HandleException(std::exception_ptr error);
    // For callers that must not open a window now (hooks, menu loops): the
    // event loop shows the error after the current message.
    void HandleExceptionLater(std::exception_ptr error);
    // Text of an exception as shown in the error box.
    static std::wstring ExceptionText(std::exception_ptr error);

    // Takes one message from the queue and handles it; false when none.
    bool ProcessMessage(MSG& msg);
    void ProcessMessages();
    void Run();
    void Terminate();
    bool Terminated() const { return terminated_; }
    // Forms that asked to be freed (TForm::Release) go after the current
    // message.
    void FreeLater(TForm* form);

protected:
    void Notification(TComponent* component, TOperation operation) override;

private:
    void AdoptForm(TForm* form);
    bool IsKeyMsg(MSG& msg);
    void Idle();
    void FreeReleased();
    void ShowLaterExceptions();
    static LRESULT CALLBACK AppWndProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
    LRESULT AppMessage(HWND h, UINT msg, WPARAM wp, LPARAM lp);
    bool IsMDIMsg(MSG& msg);
    void HideForms(HWND app);
    void ShowHiddenForms();
    HWND FormToActivate() const;
    HWND handle_ = nullptr;
    std::vector<HWND> hiddenForms_; // hidden while the program is minimised
    TForm* mainForm_ = nullptr;
    THintController* hints_ = nullptr;
    bool terminated_ = false;
    std::vector<TForm*> released_;
    std::vector<std::exception_ptr> laterErrors_;
};

TApplication& Application();

} // namespace yq
