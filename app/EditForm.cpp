#include "EditForm.h"

#include "Forms.h"

namespace yq {

TForm3::TForm3(TComponent* owner) : TForm(owner) {
    SetName("Form3");
    SetCaption(L"修改");
    BorderStyle = TFormBorderStyle::bsSingle;
    BorderIcons = int(TBorderIcon::biSystemMenu);
    Position = TPosition::poMainFormCenter;
    SetBounds(0, 0, 402, 207);
    Form3 = this;
}

} // namespace yq
