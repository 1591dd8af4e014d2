#pragma once
// The tracking of a menu bar's drop-down: one drop-down of one bar is open
// at a time, so the state is process-wide.  While it is open a thread
// message-filter hook watches the menu's input: the first message selects
// the drop-down's first item; the mouse over another bar button and Left or
// Right past the drop-down's edge ask for the neighbouring drop-down, which
// the form skinner opens once this one has closed.
#include <windows.h>

namespace yq {

class TWinSkinForm;

struct TMenuTrackState {
    HHOOK TrackHook = nullptr;
    TWinSkinForm* TrackForm = nullptr;
    int TrackIndex = -1;
    // The menu holding the item selected last, and whether that item opens
    // a sub-menu (from WM_MENUSELECT); null before the first selection.
    HMENU TrackMenu = nullptr;
    bool TrackPopup = false;
    bool FirstMessageDone = false;
    bool Switching = false;
    POINT LastMousePoint{};
    // The button whose drop-down opens next, -1 for none.
    int SwitchIndex = -1;
};

TMenuTrackState& MenuTrack();

void InstallTrackHook();
void RemoveTrackHook();
// WM_MENUSELECT of the window owning the tracked drop-down.
void NoteMenuSelect(WPARAM wParam, LPARAM lParam);

// Hides (removes from the platform menu) leading, doubled and trailing
// separators of the menu and its sub-menus.
void TidySeparators(HMENU menu);

} // namespace yq
