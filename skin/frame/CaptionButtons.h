#pragma once
// The caption buttons' vocabulary: what a button does (its Action in the
// skin description), when it shows (its Visibility and Visibility1 codes)
// and where it sits (its Align code), with the rules that decide the last
// two from the facts about a window.
#include <functional>

#include <windows.h>

namespace yq {

class TDataSkinSysButton;

// Actions of caption buttons.  Several codes mean the same action.
namespace CaptionAction {
inline constexpr int Close = 0;
inline constexpr int Maximize = 1;
inline constexpr int Minimize = 2;
inline constexpr int SystemMenu = 3;
inline constexpr int MdiMinimize = 7;
inline constexpr int MdiRestore = 8;
inline constexpr int MdiClose = 9;
inline constexpr int Icon = 11;
inline constexpr int SystemMenuAlt = 12;
inline constexpr int MaximizeAlt = 22;
inline constexpr int MinimizeAlt = 23;
inline constexpr int MdiMinimizeAlt = 60;
inline constexpr int MdiRestoreAlt = 61;
inline constexpr int MdiCloseAlt = 62;
} // namespace CaptionAction

enum class TCaptionCommand {
    Close,
    MaximizeToggle,
    MinimizeToggle,
    SystemMenu,
    MdiMinimize,
    MdiRestore,
    MdiClose,
    Custom
};
TCaptionCommand CommandOfAction(int action);
// The button that shows the window's icon (and opens the system menu).
inline bool IsIconAction(int action) {
    return action == CaptionAction::SystemMenu || action == CaptionAction::Icon;
}

// Visibility codes (Visibility; Visibility1 reads the same codes without
// the system-menu conditions).
namespace CaptionVisibility {
inline constexpr int Shown = 0;
inline constexpr int WhenMaximized = 1;
inline constexpr int WhenNotMaximized = 2;
inline constexpr int WhenActive = 3;
inline constexpr int WhenInactive = 4;
inline constexpr int Never = 5;
inline constexpr int WithMaximizeBox = 6;
inline constexpr int WithoutMaximizeBox = 7;
inline constexpr int WithMinimizeBox = 8;
inline constexpr int WithoutMinimizeBox = 9;
inline constexpr int MdiControls = 100;
inline constexpr int DialogFrame = 200;
inline constexpr int AlwaysFirst = 201;
inline constexpr int AlwaysLast = 999;
inline constexpr int AskFirst = 1000;
inline constexpr int AskLast = 2000;
} // namespace CaptionVisibility

// Align codes: where a button's bounds are measured from.
namespace CaptionAlign {
inline constexpr int Left = 0;
inline constexpr int Right = 1;
inline constexpr int BeforeText = 2;
inline constexpr int AfterText = 3;
inline constexpr int BeforeTextAlt = 8;
inline constexpr int AfterTextAlt = 9;
inline constexpr int MdiControls = 100;
} // namespace CaptionAlign

// What the visibility rules ask about a window.
struct TCaptionFacts {
    bool Maximized = false;
    bool Active = true;
    bool MaximizeBox = false;
    bool MinimizeBox = false;
    bool SystemMenu = false;
    bool DialogFrame = false;       // FrameKind 3
    bool DialogClass = false;       // "#32770", "TMessageForm"
    bool MdiChildMaximized = false; // the MDI frame's active child, with a menu bar strip
    // WM_SKINBUTTONVISIBLE for a button index; > 0 shows it.
    std::function<LRESULT(int index)> Ask;
};

bool CaptionButtonVisible(int action, int visibility, int visibility1, int index, const TCaptionFacts& facts);

// Where a button of `size` goes in a window `width` wide.
struct TCaptionPlace {
    int Width = 0; // window width
    int BorderLeft = 0, BorderTop = 0, BorderRight = 0;
    int MenuHeight = 0;
    int MenuBarLeftMargin = 0; // the MenuBar object's left margin, 0 without one
    bool RightToLeft = false;
    RECT TextRect{}; // CaptionTextRect
};
RECT CaptionButtonBounds(int align, int xCoord, int yCoord, SIZE size, const TCaptionPlace& place);

} // namespace yq
