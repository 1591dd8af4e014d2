#include "EditForm.h"

#include "ArtNames.h"
#include "DBCtrls.h"
#include "Dialogs.h"
#include "FlatPanel.h"
#include "Forms.h"
#include "Label.h"
#include "RiddleQuery.h"
#include "Text.h"
#include "VelaButton.h"
#include "WindowLook.h"

namespace yq {

namespace {

constexpr int kLabelLeft = 112;
constexpr int kBoxLeft = 144, kBoxWidth = 200, kBoxHeight = 24;

} // namespace

TForm3::TForm3(TComponent* owner) : TForm(owner) {
    SetName("Form3");
    SetCaption(L"修改");
    BorderStyle = TFormBorderStyle::bsSingle;
    BorderIcons = int(TBorderIcon::biSystemMenu);
    Position = TPosition::poMainFormCenter;
    SetBounds(0, 0, 402, 207);
    look::SetFontLook(Font(), L"宋体", 13, clBlack);

    Panel = new TFlatPanel(this);
    Panel->SetParent(this);
    Panel->SetBounds(8, 8, 369, 153);
    Panel->SetColor(clWhite);

    AddLabel(L"谜面", 32);
    AddLabel(L"谜目", 72);
    AddLabel(L"谜底", 112);
    RiddleBox = AddBox(L"谜面", 24);
    TargetBox = AddBox(L"谜目", 64);
    AnswerBox = AddBox(L"谜底", 104);
    AddConfirmButton();

    AnswerBox->SetTabOrder(0);
    RiddleBox->SetTabOrder(1);
    TargetBox->SetTabOrder(2);
    ConfirmButton->SetTabOrder(3);
    OnClose = [this](TComponent*, TCloseAction&) { ResetBoxes(); };
    Form3 = this;
}

TLabel* TForm3::AddLabel(const wchar_t* caption, int top) {
    auto* label = new TLabel(this);
    label->SetParent(Panel);
    label->SetLeft(kLabelLeft);
    label->SetTop(top);
    label->SetCaption(caption);
    return label;
}

TDBEdit* TForm3::AddBox(const wchar_t* field, int top) {
    auto* box = new TDBEdit(this);
    box->SetParent(Panel);
    box->SetBounds(kBoxLeft, top, kBoxWidth, kBoxHeight);
    look::SetFontLook(box->Font(), L"宋体", 16, clBlack);
    box->SetDataField(field);
    box->SetBuffered(true);
    if (Form1) box->SetDataSource(Form1->ds1);
    return box;
}

void TForm3::AddConfirmButton() {
    ConfirmButton = new TVelaButton(this);
    ConfirmButton->SetParent(Panel);
    ConfirmButton->SetBounds(24, 23, 73, 72);
    look::SetGlyphButtonLook(*ConfirmButton, clWhite, art::kGlyphEditConfirm);
    ConfirmButton->SetLayout(TLayout::blGlyphTop);
    ConfirmButton->SetCaption(L"确认修改");
    ConfirmButton->SetTabStop(true);
    ConfirmButton->OnClick = [this](TComponent*) { ConfirmEdit(); };
}

void TForm3::ConfirmEdit() {
    if (RiddleBox->Text().empty() || TargetBox->Text().empty()) return;
    TRiddleQuery& store = *Form1->adoquery1;
    std::wstring question = L"当前灯谜〖" + Widen(store.FieldByName("谜面").AsString()) + L"〗确认修改？";
    if (MessageDlg(question, TMsgDlgType::mtWarning, mbYes | mbNo) != mrYes) {
        ResetBoxes();
        return;
    }
    std::string riddle = Narrow(RiddleBox->Text());
    std::string target = Narrow(TargetBox->Text());
    std::string answer = Narrow(AnswerBox->Text());
    try {
        store.Edit();
        store.FieldByName("谜面").SetAsString(riddle);
        store.FieldByName("谜目").SetAsString(target);
        store.FieldByName("谜底").SetAsString(answer);
        store.Post();
    } catch (...) {
        // The boxes keep the typed texts for another try; the store holds
        // nothing unconfirmed that a later move could write or fail on.
        store.Cancel();
        throw;
    }
    ResetBoxes();
}

void TForm3::ResetBoxes() {
    for (TDBEdit* box : {RiddleBox, TargetBox, AnswerBox})
        box->Reset();
}

} // namespace yq
