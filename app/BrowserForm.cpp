#include "BrowserForm.h"

#include "Forms.h"

namespace yq {

TForm4::TForm4(TComponent* owner) : TForm(owner) {
    SetName("Form4");
    SetCaption(L"云樵 V2016.08.15");
    BorderStyle = TFormBorderStyle::bsSizeable;
    BorderIcons = int(TBorderIcon::biSystemMenu) | int(TBorderIcon::biMinimize);
    Position = TPosition::poDesktopCenter;
    SetBounds(0, 0, 800, 600);
    Form4 = this;
}

void TForm4::BindStore(TDataSource*) {}

} // namespace yq
