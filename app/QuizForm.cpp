#include "QuizForm.h"

#include "DataSource.h"
#include "Forms.h"
#include "RiddleQuery.h"

namespace yq {

TForm1::TForm1(TComponent* owner) : TForm(owner) {
    SetName("Form1");
    SetCaption(L"云樵雅集");
    BorderStyle = TFormBorderStyle::bsSingle;
    Position = TPosition::poMainFormCenter;
    SetClientSize(784, 561);
    adoquery1 = std::make_unique<TRiddleQuery>();
    ds1 = new TDataSource(this);
    ds1->SetName("ds1");
    ds1->SetDataSet(adoquery1.get());
    if (Form4) Form4->BindStore(ds1);
    Form1 = this;
}

TForm1::~TForm1() {
    // The views on every window follow ds1: detach it before the query goes.
    ds1->SetDataSet(nullptr);
}

void TForm1::RunStatement(const std::string& sql) {
    adoquery1->Close();
    adoquery1->SQL.Clear();
    adoquery1->SQL.Add(sql);
    adoquery1->Open();
}

void TForm1::ReadAloud() {}

void TForm1::EditRiddle() {
    Form3->Show();
}

} // namespace yq
