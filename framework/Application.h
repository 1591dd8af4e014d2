#pragma once
// TApplication: the title, the forms in creation order (the first is the
// main form), the event loop with its application-wide message filter, and
// the one place where exceptions escaping handlers are shown.
#include "Form.h"

#include <exception>
#include <functional>
#include <memory>
#include <string>

namespace yq {

using TMessageEvent = std::function<void(MSG& msg, bool& handled)>;
// Shows a message box; tests replace it to answer boxes without a window.
using TMessageBoxFunc = std::function<int(const std::wstring& text, const std::wstring& caption, UINT flags)>;

class TApplication : public TComponent {
public:
    TApplication();
    const char* ClassName() const override { return "TApplication"; }

    std::wstring Title;
    TMessageEvent OnMessage;
    TMessageBoxFunc MessageBoxFunc;

    TForm* MainForm() const { return mainForm_; }

    // Constructs the form, owned by the application, and runs its creation
    // step; an exception there is shown and start-up goes on.
    template <class T> T* CreateForm() {
        T* form = new T(this);
        AdoptForm(form);
        return form;
    }

    int ShowMessageBox(const std::wstring& text, const std::wstring& caption, UINT flags);
    void HandleException(std::exception_ptr error);
    // Text of an exception as shown in the error box.
    static std::wstring ExceptionText(std::exception_ptr error);

    bool ProcessMessage(MSG& msg);
    void ProcessMessages();
    void Run();
    void Terminate();
    bool Terminated() const { return terminated_; }

private:
    void AdoptForm(TForm* form);
    TForm* mainForm_ = nullptr;
    bool terminated_ = false;
};

TApplication& Application();

} // namespace yq
