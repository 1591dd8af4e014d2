#include "Dialogs.h"

#include "Application.h"
#include "Button.h"
#include "Edit.h"
#include "Label.h"

namespace yq {

void ShowMessage(const std::wstring& text) {
    MessageDlg(text, TMsgDlgType::mtCustom, mbOK);
}

int MessageDlg(const std::wstring& text, TMsgDlgType type, TMsgDlgButtons buttons) {
    UINT flags = MB_OK;
    if ((buttons & (mbYes | mbNo)) && (buttons & mbCancel))
        flags = MB_YESNOCANCEL;
    else if (buttons & (mbYes | mbNo))
        flags = MB_YESNO;
    else if (buttons & mbCancel)
        flags = MB_OKCANCEL;
    switch (type) {
    case TMsgDlgType::mtWarning:
        flags |= MB_ICONWARNING;
        break;
    case TMsgDlgType::mtError:
        flags |= MB_ICONERROR;
        break;
    case TMsgDlgType::mtInformation:
        flags |= MB_ICONINFORMATION;
        break;
    case TMsgDlgType::mtConfirmation:
        flags |= MB_ICONQUESTION;
        break;
    case TMsgDlgType::mtCustom:
        break;
    }
    TApplication& app = Application();
    int answer = app.ShowMessageBox(text, app.Title, flags);
    switch (answer) {
    case IDOK:
        return mrOk;
    case IDYES:
        return mrYes;
    case IDNO:
        return mrNo;
    default:
        return (flags & 0xF) == MB_YESNO ? mrNo : mrCancel;
    }
}

namespace {

// Layout of the input box, in pixels.
constexpr int kMargin = 12;
constexpr int kBoxWidth = 320;
constexpr int kEditHeight = 21;
constexpr int kButtonWidth = 75;
constexpr int kButtonHeight = 25;
constexpr int kGap = 8;

class TInputQueryForm : public TForm {
public:
    TInputQueryForm(const std::wstring& caption, const std::wstring& prompt, const std::wstring& value,
                    int maxBytes) {
        BorderStyle = TFormBorderStyle::bsDialog;
        BorderIcons = int(TBorderIcon::biSystemMenu);
        Position = Application().MainForm() ? TPosition::poMainFormCenter : TPosition::poDesktopCenter;
        SetCaption(caption);

        prompt_ = new TLabel(this);
        prompt_->SetParent(this);
        prompt_->SetCaption(prompt);
        prompt_->SetLeft(kMargin);
        prompt_->SetTop(kMargin);

        int editTop = prompt_->Top() + prompt_->Height() + kGap / 2;
        edit_ = new TEdit(this);
        edit_->SetParent(this);
        edit_->SetBounds(kMargin, editTop, kBoxWidth - 2 * kMargin, kEditHeight);
        edit_->SetMaxLength(maxBytes);
        edit_->SetText(value);

        int buttonTop = editTop + kEditHeight + kGap * 2;
        int right = kBoxWidth - kMargin;
        ok_ = AddButton(L"确定", mrOk, right - 2 * kButtonWidth - kGap, buttonTop);
        ok_->SetDefault(true);
        cancel_ = AddButton(L"取消", mrCancel, right - kButtonWidth, buttonTop);
        cancel_->SetCancel(true);

        SetClientSize(kBoxWidth, buttonTop + kButtonHeight + kMargin);
        SetActiveControl(edit_);
    }

    TEdit& Edit() { return *edit_; }

private:
    TButton* AddButton(const wchar_t* caption, int result, int left, int top) {
        auto* b = new TButton(this);
        b->SetParent(this);
        b->SetCaption(caption);
        b->SetModalResult(result);
        b->SetBounds(left, top, kButtonWidth, kButtonHeight);
        return b;
    }

    TLabel* prompt_ = nullptr;
    TEdit* edit_ = nullptr;
    TButton* ok_ = nullptr;
    TButton* cancel_ = nullptr;
};

} // namespace

bool InputQuery(const std::wstring& caption, const std::wstring& prompt, std::wstring& value, int maxBytes) {
    TInputQueryForm form(caption, prompt, value, maxBytes);
    form.Edit().SelectAll();
    if (form.ShowModal() != mrOk) return false;
    value = form.Edit().Text();
    return true;
}

} // namespace yq
