#include "ListForm.h"

#include "Forms.h"

namespace yq {

TForm5::TForm5(TComponent* owner) : TForm(owner) {
    SetName("Form5");
    SetCaption(L"灯谜批量添加");
    BorderStyle = TFormBorderStyle::bsSingle;
    BorderIcons = int(TBorderIcon::biSystemMenu);
    Position = TPosition::poMainFormCenter;
    SetBounds(0, 0, 494, 399);
    Form5 = this;
}

std::wstring TForm5::ListText() const {
    return {};
}

int TForm5::LineCount() const {
    return 0;
}

std::wstring TForm5::Line(int) const {
    return {};
}

} // namespace yq
