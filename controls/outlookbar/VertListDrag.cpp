// TDCVertListView: dragging items to another place or another list.  The
// source list runs the drag (capture, cursor, keys); every list is also a
// drop target with its marker and its edge scrolling.
#include "VertListView.h"

#include "OutBarCursors.h"
#include "Scope.h"
#include "Screen.h"

#include <algorithm>

namespace yq {

namespace {

TDCVertListView* AsList(TComponent* component) {
    return dynamic_cast<TDCVertListView*>(component);
}

// Half the height of the marker's end triangles.
constexpr int kMarkerHalf = 4;
constexpr int kMarkerHalfThin = 1;
// The triangles stand this far from the sides and reach this far in.
constexpr int kMarkerInset = 2;
constexpr int kMarkerTip = 10;

} // namespace

// ---- source: start, move, end, cancel ---------------------------------------

// The keyboard while the drag runs: Ctrl switches between moving and
// copying; Esc ends the drag (giving the hook back) and goes no further.
LRESULT TDCVertListView::KeyWatch(const TThreadHook::TCall& call) {
    if (call.code == HC_ACTION) {
        const bool down = (call.lParam & (LPARAM(1) << 31)) == 0;
        if (call.wParam == VK_CONTROL) {
            DragCtrlKey(down);
        } else if (call.wParam == VK_ESCAPE && down) {
            CancelPressOrDrag();
            return 1;
        }
    }
    return keyWatch_->CallNext(call);
}

void TDCVertListView::DragStart(TShiftState shift) {
    dragging_ = true;
    copyMode_ = (shift & ssCtrl) != 0;
    SetDragCursor(copyMode_ ? crOutDragCopy : crOutDragMove);
    savedCursor_ = Screen().Cursor();
    clickSwallowed_ = true;
    keyWatch_ = std::make_unique<TThreadHook>(
        WH_KEYBOARD, [this](const TThreadHook::TCall& call) { return KeyWatch(call); });
}

void TDCVertListView::DragCtrlKey(bool down) {
    if (!dragging_) return;
    copyMode_ = down;
    SetDragCursor(copyMode_ ? crOutDragCopy : crOutDragMove);
    if (dragAccepted_) ShowDragCursor();
}

void TDCVertListView::ShowDragCursor() {
    Screen().SetCursor(dragAccepted_ ? DragCursor() : crNoDrop);
}

void TDCVertListView::SetDragTarget(TControl* target) {
    if (target == dragTarget_) return;
    if (dragTarget_ && dragTarget_ != this) RemoveFreeNotification(dragTarget_);
    dragTarget_ = target;
    if (dragTarget_ && dragTarget_ != this) FreeNotification(dragTarget_);
}

// The control under the pointer decides; the one the pointer left hears
// so (a list takes its marker away).
void TDCVertListView::DragMove(int x, int y) {
    try {
        const POINT screen = ClientToScreen(POINT{x, y});
        TControl* now = FindDragTarget(screen);
        TDragState state = TDragState::dsDragMove;
        if (now != dragTarget_) {
            if (TControl* left = dragTarget_) {
                SetDragTarget(nullptr);
                DragOverAt(*left, this, screen, TDragState::dsDragLeave);
            }
            SetDragTarget(now);
            state = TDragState::dsDragEnter;
        }
        dragAccepted_ = dragTarget_ && DragOverAt(*dragTarget_, this, screen, state);
        ShowDragCursor();
    } catch (...) {
        // A failure while following the pointer ends the drag, silently.
        CancelPressOrDrag();
    }
}

// The release of a running drag.  The drop goes to the target at the
// release point in its own client coordinates; the end of the drag is
// reported in this list's.
void TDCVertListView::DragEnd(int x, int y) {
    keyWatch_.reset();
    dragging_ = false;
    if (dragEnabled_) {
        if (dragAccepted_ && dragTarget_) {
            const POINT p = dragTarget_->ScreenToClient(ClientToScreen(POINT{x, y}));
            dragTarget_->DragDrop(this, p.x, p.y);
            DoEndDrag(dragTarget_, x, y); // none when the drop freed the target
        } else {
            DoEndDrag(nullptr, x, y);
        }
    }
    if (TDCVertListView* list = AsList(dragTarget_)) list->EndDropTarget();
    StopDragScroll();
    pressed_ = nullptr;
    SetDragTarget(nullptr);
    dragAccepted_ = false;
    Screen().SetCursor(savedCursor_);
}

void TDCVertListView::CancelPressOrDrag() {
    keyWatch_.reset();
    pressed_ = nullptr;
    armed_ = false;
    if (!dragging_) return;
    dragAccepted_ = false;
    if (TDCVertListView* list = AsList(dragTarget_); list && list != this) list->pressCancelled_ = true;
    // Ends the drag as refused: OnEndDrag without a target, OnMouseUp.
    Perform(WM_LBUTTONUP, 0, MAKELPARAM(0, 0));
    pressCancelled_ = true;
}

void TDCVertListView::DoEndDrag(TComponent* target, int x, int y) {
    TDCVertListItem* dragged = pressed_;
    TCustomDCListViewEx::DoEndDrag(target, x, y);
    StopDragScroll();
    TDCVertListView* list = AsList(target);
    // The handlers may have freed the target or the dragged item.
    if (!list || target != dragTarget_ || !dragged || dragged != pressed_) return;
    MoveDraggedItem(*list, *dragged);
}

// A new item at the target's drop index takes over the dragged one; a move
// then removes the original.
void TDCVertListView::MoveDraggedItem(TDCVertListView& target, TDCVertListItem& item) {
    if (target.dropIndex_ < 0) return;
    const int at = std::min(target.dropIndex_, target.items_.Count());
    TDCVertListItem* copy = nullptr;
    {
        target.items_.BeginUpdate();
        TScopeExit endUpdate([&target] { target.items_.EndUpdate(); });
        {
            TValueScope suppress(target.suppress_, target.suppress_ + 1);
            copy = target.items_.Insert(at);
        }
        copy->SetCaption(item.Caption());
        copy->SetData(item.Data());
        copy->SetImageIndex(item.ImageIndex());
        copy->SetOverlayIndex(item.OverlayIndex());
        copy->SetStateIndex(item.StateIndex());
        copy->SubItems() = item.SubItems();
        copy->SetFileName(item.FileName());
        copy->SetParameters(item.Parameters());
        copy->OnClick = item.OnClick;
        copy->SetSelectedImageIndex(item.SelectedImageIndex());
        if (!copyMode_) {
            RepaintItem(hot_);
            hot_ = nullptr;
            item.Delete();
        }
    }
    target.Arrange();
    if (target.Contains(copy)) target.EnsureVisible(*copy, false);
    if (!copyMode_) Arrange();
}

// ---- target: drag over, drop ------------------------------------------------

void TDCVertListView::DragOver(TComponent* source, int x, int y, TDragState state, bool& accept) {
    accept = true;
    if (OnDragOver) TCustomDCListViewEx::DragOver(source, x, y, state, accept);
    if (!accept || state == TDragState::dsDragLeave) {
        // A refused or left list forgets the place, so that no later paint
        // brings the marker back.
        if (state == TDragState::dsDragLeave) accept = dropIndex_ >= 0;
        EndDropTarget();
        return;
    }
    if (TDCVertListView* from = AsList(source)) {
        if (from != this) UpdateHot(x, y);
        if (!dragEnabled_) accept = false;
    } else if (!OnDragOver) {
        accept = false; // other sources only through OnDragOver
    }
    const RECT client = ClientRect();
    if (accept && !PtInRect(&client, POINT{x, y})) {
        accept = false;
        StopDragScroll();
    } else if (accept) {
        const int ch = client.bottom;
        if (y <= kDragScrollEdge && CanScrollUp())
            StartDragScroll(false, source, POINT{x, y});
        else if (y > ch - kDragScrollEdge && CanScrollDown())
            StartDragScroll(true, source, POINT{x, y});
        else if (y > kDragScrollEdge && y < ch - kDragScrollEdge)
            StopDragScroll();
        const int d = DropIndexAt(x, y);
        accept = d >= 0;
        SetDropIndex(d);
    }
    if (!accept) SetDropIndex(-1);
}

void TDCVertListView::DragDrop(TComponent* source, int x, int y) {
    InvalidateDropMarker();
    TCustomDCListViewEx::DragDrop(source, x, y);
}

int TDCVertListView::DropIndexAt(int x, int y) const {
    const RECT client = ClientRect();
    if (!PtInRect(&client, POINT{x, y})) return -1;
    const int n = items_.Count();
    if (n == 0) return 0;
    for (int i = 0; i < n; ++i) {
        const RECT b = DisplayRect(*items_[i], TDisplayCode::drBounds);
        if (y < b.top) return i;
        if (y < b.bottom) return -1;
    }
    return IsItemVisible(*items_[n - 1], false) ? n : -1;
}

// Ends this list's part in a drag: no marker, no place, no scrolling.
void TDCVertListView::EndDropTarget() {
    SetDropIndex(-1);
    StopDragScroll();
}

// ---- automatic scrolling ----------------------------------------------------

void TDCVertListView::StartDragScroll(bool down, TComponent* source, POINT at) {
    if (dragScrollTimer_->Enabled() && dragScrollDown_ == down) return;
    dragScrollDown_ = down;
    dragScrollSource_ = dynamic_cast<TControl*>(source);
    dragScrollPoint_ = at;
    dragScrollTimer_->SetInterval(downButton_->Frequency());
    dragScrollTimer_->SetEnabled(true);
}

void TDCVertListView::StopDragScroll() {
    if (dragScrollTimer_) dragScrollTimer_->SetEnabled(false);
    dragScrollSource_ = nullptr;
}

// One item further, then the source follows the pointer again at the
// stored point so that the marker moves with the content.
void TDCVertListView::DragScrollTick() {
    if (dragScrollDown_)
        ScrollOneDown();
    else
        ScrollOneUp();
    if (!(dragScrollDown_ ? CanScrollDown() : CanScrollUp())) dragScrollTimer_->SetEnabled(false);
    Update();
    TControl* source = dragScrollSource_;
    if (!source) return;
    if (!dragScrollTimer_->Enabled()) dragScrollSource_ = nullptr;
    const POINT p = source->ScreenToClient(ClientToScreen(dragScrollPoint_));
    WPARAM keys = MK_LBUTTON;
    if (TDCVertListView* list = AsList(source); list && list->copyMode_) keys |= MK_CONTROL;
    source->Perform(WM_MOUSEMOVE, keys, MAKELPARAM(p.x, p.y));
}

// ---- the drop marker --------------------------------------------------------

int TDCVertListView::DropMarkerY(int k) const {
    int y = 0;
    for (int i = 0; i < std::min(k, items_.Count()); ++i)
        y += SlotHeight(*items_[i]);
    y -= scrollOrigin_.y;
    if (k != 0 && y > 0) y -= itemInset_;
    return std::min(y, ClientHeight() - 2);
}

namespace {
int MarkerHalf(TViewStyle view, TSelectionType selection) {
    return view == TViewStyle::vsSmallIcon && selection == TSelectionType::stExpanded ? kMarkerHalfThin
                                                                                      : kMarkerHalf;
}
} // namespace

void TDCVertListView::SetDropIndex(int index) {
    if (index == dropIndex_) return;
    InvalidateDropMarker();
    dropIndex_ = index;
    InvalidateDropMarker();
}

// The marker comes and goes with the next paint, which composes the list
// (items and frames included) over the strip it covers.
void TDCVertListView::InvalidateDropMarker() {
    if (dropIndex_ < 0 || !HandleAllocated() || Destroying()) return;
    const int y = DropMarkerY(dropIndex_), e = MarkerHalf(viewStyle_, selectionType_);
    const RECT r{0, y - e - 1, ClientWidth(), y + e + 2};
    InvalidateRect(Handle(), &r, FALSE);
}

void TDCVertListView::AfterPaint(TCanvas& canvas) {
    TCustomDCListViewEx::AfterPaint(canvas);
    if (dropIndex_ >= 0) DrawDropMarker(canvas);
}

// A line across the list between two triangles pointing inwards; at the
// top of the list only their lower halves, at the end their upper halves.
void TDCVertListView::DrawDropMarker(TCanvas& canvas) {
    HDC dc = canvas.Handle();
    if (!dc) return;
    const int k = dropIndex_, n = items_.Count(), cw = ClientWidth();
    const int y = DropMarkerY(k), e = MarkerHalf(viewStyle_, selectionType_);
    const int l = kMarkerInset, r = cw - kMarkerInset;
    POINT left[3] = {{l, y - e}, {l, y + e}, {kMarkerTip, y}};
    POINT right[3] = {{r, y - e}, {r, y + e}, {cw - kMarkerTip, y}};
    if (k == 0 || n == 0) left[0].y = right[0].y = y;
    if (k == n && n > 0) left[1].y = right[1].y = y;
    const COLORREF color = ColorToRGB(dragPlaceColor_);
    TGdiObject<HPEN> pen(CreatePen(PS_SOLID, 1, color));
    TGdiObject<HBRUSH> brush(CreateSolidBrush(color));
    TSelectObject usePen(dc, pen.Get());
    TSelectObject useBrush(dc, brush.Get());
    Polygon(dc, left, 3);
    Polygon(dc, right, 3);
    MoveToEx(dc, l, y, nullptr);
    LineTo(dc, r, y);
}

} // namespace yq
