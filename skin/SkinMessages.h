#pragma once
// Private window messages of the skin engine.  Their values are fixed:
// other code in the process may send them.
#include <windows.h>

namespace yq {

inline constexpr UINT WM_SKINRELOAD = 0x3401;  // a framework form's skin changed
inline constexpr UINT WM_SKINREPAINT = 0x3502; // repaint the skinned frame
inline constexpr UINT WM_SKINSTART = 0x3503;   // the window has just been given a skinner
inline constexpr UINT WM_SKINQUERY = 0x3504;   // a skinned window answers 1
inline constexpr UINT WM_SKINENABLE = 0x3506;  // control skinners
inline constexpr UINT WM_SKINBUTTON = 0x3514;  // a caption button with an unlisted action; wParam = action
inline constexpr UINT WM_SKINBUTTONVISIBLE = 0x3515; // does caption button wParam show?  > 0 yes

// lParam of the WM_SKINSTART the manager posts.
inline constexpr LPARAM kSkinStartParam = 1000;

} // namespace yq
