#pragma once
// Registers the common-control window classes a control superclasses
// (ICC_* flags); cheap to repeat.
#include <windows.h>

#include <commctrl.h>

namespace yq {

inline void InitCommonControl(DWORD classes) {
    INITCOMMONCONTROLSEX init{sizeof(init), classes};
    InitCommonControlsEx(&init);
}

} // namespace yq
