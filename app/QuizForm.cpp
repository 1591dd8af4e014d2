#include "QuizForm.h"

#include "Forms.h"

namespace yq {

TForm1::TForm1(TComponent* owner) : TForm(owner) {
    SetName("Form1");
    SetCaption(L"云樵雅集");
    BorderStyle = TFormBorderStyle::bsSingle;
    Position = TPosition::poMainFormCenter;
    SetClientSize(784, 561);
    Form1 = this;
}

void TForm1::ReadAloud() {}

void TForm1::EditRiddle() {
    Form3->Show();
}

} // namespace yq
