#pragma once
// Drag and drop between controls.
//
// A control that runs a drag holds the mouse capture itself.  On every
// move it finds the control under the pointer (FindDragTarget) and asks it
// through that control's DragOver whether a drop would be taken there;
// the release hands the drop to the target's DragDrop, and the source
// raises its own DoEndDrag with the target (none when the drag was refused
// or cancelled).  Any control takes part as a target: by default it
// accepts only through an OnDragOver handler, and a drop raises its
// OnDragDrop.  Controls with drop places of their own (lists, bars)
// override DragOver and DragDrop.
#include <functional>

#include <windows.h>

namespace yq {

class TComponent;
class TControl;
class TWinControl;

// Where a drag stands relative to a control it passes over.
enum class TDragState { dsDragEnter, dsDragLeave, dsDragMove };

// x, y: the sender's client coordinates; accept starts true.
using TDragOverEvent =
    std::function<void(TComponent* sender, TComponent* source, int x, int y, TDragState state, bool& accept)>;
using TDragDropEvent = std::function<void(TComponent* sender, TComponent* source, int x, int y)>;
// target: none when the drag was refused or cancelled; x, y: the sender's
// client coordinates.
using TEndDragEvent = std::function<void(TComponent* sender, TComponent* target, int x, int y)>;

// The program's windowed control under a screen point: the control of the
// window there or of its nearest ancestor that is one of ours; none over
// other programs' windows and the desktop.
TWinControl* FindDragTarget(POINT screenPos);

// Asks `target` about a drag from `source` at a screen point (converted to
// the target's client coordinates); the answer starts true.
bool DragOverAt(TControl& target, TComponent* source, POINT screenPos, TDragState state);

} // namespace yq
