#pragma once
// Owner drawing of menus while a window is skinned: the framework's menus
// of a form get the skin's item painters as their measure and draw
// handlers (and lose them again when the form is unskinned, so that the
// platform draws them), platform menus are marked owner-drawn, and the
// menu messages a skinned window receives are measured and drawn here.
#include <windows.h>

namespace yq {

class TForm;
class TMenuItem;
class TPopupMenu;
class TSkinData;
struct TMessage;

// Every framework popup menu of the form (unless its Tag mod 100 is the
// skin's DisableTag, or xcPopupMenu is off): OwnerDraw and the handlers on
// every item, or both off.
void SetPopupMenusOwnerDraw(TForm* form, TSkinData* skin, bool on);
// The form's menu bars: OwnerDraw, and the items below the top level that
// have no draw handler yet get the skin's (on); off removes every item's.
void SetMainMenuOwnerDraw(TForm* form, TSkinData* skin, bool on);
// The item and all its sub-items, with the drop-down item measure.
void SetItemOwnerDraw(TMenuItem* item, TSkinData* skin, bool on);
// One popup menu of the skinner's own (the system menu): popup measure.
void SetMenuOwnerDraw(TPopupMenu* menu, TSkinData* skin, bool on);
// Every item of the platform menu and its sub-menus becomes owner-drawn.
void MarkOwnerDrawn(HMENU menu);
// NT 4.0 draws an MDI frame's menus itself.
bool IsNt4();

// The menu messages of a skinned window; false when they are passed on.
// `hadMenuBar`: the window had a menu bar when it was skinned.
struct TSkinnedWindow {
    HWND Handle = nullptr;
    TForm* Form = nullptr;
    TSkinData* Skin = nullptr;
    bool HadMenuBar = false;
    HMENU BarMenu = nullptr; // the menu the skinned menu bar shows, if any
};
bool MeasureItemMessage(const TSkinnedWindow& window, TMessage& m);
bool DrawItemMessage(const TSkinnedWindow& window, TMessage& m);
// A system command chosen as a menu command comes back as WM_SYSCOMMAND.
bool SystemCommandMessage(HWND window, TMessage& m);

} // namespace yq
