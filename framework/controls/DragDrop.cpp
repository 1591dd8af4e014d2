// Drag and drop: the target search and the standard target and source
// operations of every control.
#include "DragDrop.h"

#include "WinControl.h"

namespace yq {

TWinControl* FindDragTarget(POINT screenPos) {
    DWORD ownProcess = GetCurrentProcessId();
    for (HWND h = WindowFromPoint(screenPos); h; h = GetParent(h)) {
        DWORD process = 0;
        GetWindowThreadProcessId(h, &process);
        if (process != ownProcess) return nullptr;
        if (TWinControl* control = TWinControl::FromHandle(h)) return control;
    }
    return nullptr;
}

bool DragOverAt(TControl& target, TComponent* source, POINT screenPos, TDragState state) {
    const POINT p = target.ScreenToClient(screenPos);
    bool accept = true;
    target.DragOver(source, p.x, p.y, state, accept);
    return accept;
}

void TControl::DragOver(TComponent* source, int x, int y, TDragState state, bool& accept) {
    accept = bool(OnDragOver);
    if (OnDragOver) OnDragOver(this, source, x, y, state, accept);
}

void TControl::DragDrop(TComponent* source, int x, int y) {
    if (OnDragDrop) OnDragDrop(this, source, x, y);
}

void TControl::DoEndDrag(TComponent* target, int x, int y) {
    if (OnEndDrag) OnEndDrag(this, target, x, y);
}

} // namespace yq
