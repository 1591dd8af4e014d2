#pragma once
// TForm: a top-level window.  Closing a form runs OnClose; the main form
// closes by default (ending the program), any other form only hides and
// keeps its state.
#include "Control.h"

namespace yq {

enum class TPosition { poDesigned, poDesktopCenter, poMainFormCenter };
enum class TFormBorderStyle { bsSizeable, bsSingle, bsDialog };
enum class TBorderIcon { biSystemMenu = 1, biMinimize = 2, biMaximize = 4 };
enum class TCloseAction { caNone, caHide, caFree, caMinimize };

using TCloseEvent = std::function<void(TComponent* sender, TCloseAction& action)>;

class TForm : public TWinControl {
public:
    explicit TForm(TComponent* owner = nullptr);
    const char* ClassName() const override { return "TForm"; }

    TPosition Position = TPosition::poDesigned;
    TFormBorderStyle BorderStyle = TFormBorderStyle::bsSizeable;
    int BorderIcons = int(TBorderIcon::biSystemMenu) | int(TBorderIcon::biMinimize) | int(TBorderIcon::biMaximize);

    TNotifyEvent OnCreate;
    TCloseEvent OnClose;

    void SetClientSize(int width, int height);
    int ClientWidth();
    int ClientHeight();

    void Show();
    void Hide();
    void Close();

    // The creation step, run by the application right after construction.
    virtual void DoCreate();

protected:
    void CreateParamsFor(CreateParams& params) override;
    void WndProc(TMessage& message) override;

private:
    void PlaceForShow();
    bool placed_ = false;
};

} // namespace yq
