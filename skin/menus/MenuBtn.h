#pragma once
// TMenuBtn: one top-level item of a skinned menu bar, a frame object that
// turns hot under the mouse and pressed while its drop-down is open.  Its
// Bounds are in window coordinates; the bar lays it out on every paint.
// TMdiIconBtn: a maximised MDI child's icon in its frame's bar.
#include "NCObject.h"

#include <string>

#include <windows.h>

namespace yq {

class TMenuItem;
class TSkinData;

class TMenuBtn : public TNCObject {
public:
    using TNCObject::TNCObject;
    // Repaints this button alone, from the bar's last background.
    void Paint() override;

    TMenuItem* MenuItem = nullptr;
    TSkinData* SkinData = nullptr;
    int Index = 0;
    std::wstring Caption;
    bool Enabled = true;
    HMENU SubMenu = nullptr;
    UINT Command = 0;
};

// The icon of a maximised MDI child at the head of its frame's menu bar;
// a press opens that child's system menu.
class TMdiIconBtn : public TNCObject {
public:
    using TNCObject::TNCObject;
    HWND Child = nullptr;
};

} // namespace yq
