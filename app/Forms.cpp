#include "Forms.h"

namespace yq {

TForm4* Form4 = nullptr;
TForm1* Form1 = nullptr;
TForm3* Form3 = nullptr;
TForm5* Form5 = nullptr;

TForm4::TForm4(TComponent* owner) : TForm(owner) {
    SetName("Form4");
    SetCaption(L"云樵 V2016.08.15");
    BorderStyle = TFormBorderStyle::bsSizeable;
    BorderIcons = int(TBorderIcon::biSystemMenu) | int(TBorderIcon::biMinimize);
    Position = TPosition::poDesktopCenter;
    SetBounds(0, 0, 800, 600);
    Form4 = this;
}

TForm1::TForm1(TComponent* owner) : TForm(owner) {
    SetName("Form1");
    SetCaption(L"云樵雅集");
    BorderStyle = TFormBorderStyle::bsSingle;
    Position = TPosition::poMainFormCenter;
    SetClientSize(784, 561);
    Form1 = this;
}

TForm3::TForm3(TComponent* owner) : TForm(owner) {
    SetName("Form3");
    SetCaption(L"修改");
    BorderStyle = TFormBorderStyle::bsSingle;
    BorderIcons = int(TBorderIcon::biSystemMenu);
    Position = TPosition::poMainFormCenter;
    SetBounds(0, 0, 402, 207);
    Form3 = this;
}

TForm5::TForm5(TComponent* owner) : TForm(owner) {
    SetName("Form5");
    SetCaption(L"灯谜批量添加");
    BorderStyle = TFormBorderStyle::bsSingle;
    BorderIcons = int(TBorderIcon::biSystemMenu);
    Position = TPosition::poMainFormCenter;
    SetBounds(0, 0, 494, 399);
    Form5 = this;
}

} // namespace yq
