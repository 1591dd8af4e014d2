#include "ListForm.h"

#include "Application.h"
#include "Edit.h"
#include "ExeFolder.h"
#include "FlatPanel.h"
#include "Forms.h"
#include "Text.h"
#include "UserRiddleFile.h"
#include "VelaButton.h"
#include "WindowLook.h"

namespace yq {

namespace {

constexpr TColor kListBorder = look::Rgb(0x0000BF);
constexpr wchar_t kHintText[] = L"按格式输入即可，输入内容自动保存，在用户谜库中可进行预览";

} // namespace

TForm5::TForm5(TComponent* owner) : TForm(owner), DataFile(ExeFolder() + L"dm.txt") {
    SetName("Form5");
    SetCaption(L"灯谜批量添加");
    BorderStyle = TFormBorderStyle::bsSingle;
    BorderIcons = int(TBorderIcon::biSystemMenu);
    Position = TPosition::poMainFormCenter;
    SetBounds(0, 0, 494, 399);
    look::SetFontLook(Font(), L"宋体", 13, clBlack);

    Panel = new TFlatPanel(this);
    Panel->SetParent(this);
    Panel->SetBounds(8, 8, 460, 305);
    Panel->SetColorBorder(kListBorder);

    Memo1 = new TMemo(this);
    Memo1->SetName("Memo1");
    Memo1->SetParent(Panel);
    Memo1->SetAlign(TAlign::alClient);
    look::SetFontLook(Memo1->Font(), L"楷体", 19, clBlack);
    Memo1->SetWordWrap(true);
    Memo1->SetScrollBars(TScrollStyle::ssNone);

    HintStrip = new TVelaButton(this);
    HintStrip->SetParent(this);
    HintStrip->SetBounds(8, 320, 460, 33);
    HintStrip->SetButtonStyle(TStyle::stFrameLowered);
    HintStrip->SetColorMarginStyle(TColorMarginDefault::cmCustom);
    HintStrip->SetColorMarginLeftTop(clBtnShadow);
    HintStrip->SetColorMarginRightBottom(clBtnHighlight);
    HintStrip->SetHotTrackColor(clRed);
    HintStrip->SetColor(clBtnFace);
    look::SetFontLook(HintStrip->Font(), L"黑体", 16, clPurple);
    HintStrip->SetCaption(kHintText);

    OnClose = [this](TComponent*, TCloseAction& action) { SaveOnClose(action); };
    Form5 = this;
}

// A missing or unreadable dm.txt leaves the list empty (the error is shown
// by start-up): nothing that is not the user's gets into the list, and so
// into dm.txt at the next close.
void TForm5::DoCreate() {
    TForm::DoCreate();
    Memo1->SetText(Widen(LoadUserRiddleFile(DataFile)));
}

void TForm5::SaveOnClose(TCloseAction& action) {
    try {
        SaveUserRiddleFile(DataFile, Narrow(Memo1->Text()));
    } catch (...) {
        action = TCloseAction::caNone;
        Application().HandleException(std::current_exception());
    }
}

std::wstring TForm5::ListText() const {
    return Memo1->Text();
}

int TForm5::LineCount() const {
    return UserRiddleLineCount(Narrow(Memo1->Text()));
}

std::wstring TForm5::Line(int index) const {
    return Widen(UserRiddleLine(Narrow(Memo1->Text()), index));
}

} // namespace yq
