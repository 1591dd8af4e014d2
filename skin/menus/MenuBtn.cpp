#include "MenuBtn.h"

#include "WinSkinForm.h"
#include "WinSkinMenu.h"

namespace yq {

void TMenuBtn::Paint() {
    if (Owner.MenuBar) Owner.MenuBar->PaintButton(*this);
}

} // namespace yq
