// TDCVertListView: scrolling, hot tracking, mouse, wheel and keys.
#include "VertListView.h"

#include "Menus.h"

#include <shellapi.h>

#include <algorithm>

namespace yq {

namespace {
constexpr int kWheelNotch = WHEEL_DELTA;
int XOf(LPARAM lp) {
    return short(LOWORD(lp));
}
int YOf(LPARAM lp) {
    return short(HIWORD(lp));
}
} // namespace

// ---- scrolling --------------------------------------------------------------

void TDCVertListView::ScrollBy(int dx, int dy) {
    if (OnBeforeScroll) OnBeforeScroll(this);
    CancelEdit();
    for (int i = 0; i < items_.Count(); ++i) {
        POINT p = items_[i]->Position();
        items_[i]->SetPosition({p.x - dx, p.y - dy});
    }
    scrollOrigin_.x += dx;
    scrollOrigin_.y += dy;
    Invalidate();
    UpdateHotAtPointer();
    PlaceScrollButtons();
    if (OnAfterScroll) OnAfterScroll(this);
}

// One slot down: the slot of the first item whose top lies below the
// client's top edge.  Without such an item nothing moves.
void TDCVertListView::ScrollOneDown() {
    if (!CanScrollDown()) return;
    for (int i = 0; i < items_.Count(); ++i) {
        if (DisplayRect(*items_[i], TDisplayCode::drBounds).top > 0) {
            ScrollBy(0, SlotHeight(*items_[i]));
            return;
        }
    }
}

// One slot up: the slot of the item before the first one whose top lies
// below the top edge (the last item when none does, the first when that is
// the first), never past the origin.
void TDCVertListView::ScrollOneUp() {
    if (!CanScrollUp()) return;
    int k = 0;
    while (k < items_.Count() && DisplayRect(*items_[k], TDisplayCode::drBounds).top <= 0)
        ++k;
    const TDCVertListItem& before = *items_[std::max(k - 1, 0)];
    const int dy = std::min(int(scrollOrigin_.y), SlotHeight(before));
    if (dy > 0) ScrollBy(0, -dy);
}

bool TDCVertListView::EnsureVisible(const TDCVertListItem& item, bool partialOK) {
    const int ch = ClientHeight();
    if (ch == 0) return false;
    if (redrawLock_ > 0) Arrange();
    if (IsItemVisible(item, partialOK)) return false;
    const RECT b = DisplayRect(item, TDisplayCode::drBounds);
    if (item.Position().y < topMargin_) {
        ScrollBy(0, b.top - topMargin_);
    } else {
        const int slot = SlotHeight(item);
        const int d = topMargin_ + b.bottom - ch;
        ScrollBy(0, slot * ((d + slot - 1) / slot));
    }
    return true;
}

void TDCVertListView::Wheel(TMessage& message) {
    message.Result = 0; // always handled here
    wheelRemainder_ += short(HIWORD(message.WParam));
    if (std::abs(wheelRemainder_) < kWheelNotch) return;
    const int notches = wheelRemainder_ / kWheelNotch;
    wheelRemainder_ -= notches * kWheelNotch;
    UINT lines = 3;
    SystemParametersInfoW(SPI_GETWHEELSCROLLLINES, 0, &lines, 0);
    const int steps = -notches * int(std::min<UINT>(lines, UINT(items_.Count() + 1)));
    for (int i = 0; i < std::abs(steps); ++i) {
        if (steps < 0)
            ScrollOneUp();
        else
            ScrollOneDown();
    }
}

// ---- hot tracking -----------------------------------------------------------

void TDCVertListView::UpdateHot(int x, int y) {
    TDCVertListItem* candidate = nullptr;
    const POINT p{x, y};
    auto onButton = [&](const TDCScrollButton& b) {
        RECT r = b.BoundsRect();
        return b.Visible() && PtInRect(&r, p);
    };
    if (!onButton(*downButton_) && !onButton(*upButton_)) candidate = GetItemAt(x, y);
    if (candidate == hot_) return;
    RepaintItemSoft(hot_);
    SetHotItem(candidate);
}

void TDCVertListView::UpdateHotAtPointer() {
    if (!HandleAllocated() || Destroying()) return;
    POINT p;
    if (!GetCursorPos(&p)) return;
    p = ScreenToClient(p);
    UpdateHot(p.x, p.y);
}

void TDCVertListView::SetHotItem(TDCVertListItem* item) {
    RepaintItemSoft(hot_);
    hot_ = item;
    DoHotTrackItem(item);
    if (hoverTimer_) hoverTimer_->SetEnabled(hot_ != nullptr);
    RepaintItemSoft(hot_);
}

// The pointer left without a message telling so (another window took it).
void TDCVertListView::HoverTick() {
    POINT p;
    if (!GetCursorPos(&p)) return;
    p = ScreenToClient(p);
    RECT c = ClientRect();
    if (!PtInRect(&c, p) && !GetCapture()) SetHotItem(nullptr);
}

void TDCVertListView::CMMouseLeave(TMessage& message) {
    if (!MouseCapture()) SetHotItem(nullptr);
    TCustomDCListViewEx::CMMouseLeave(message);
}

// ---- item events ------------------------------------------------------------

void TDCVertListView::DoButtonClick(TDCVertListItem* item) {
    if (!useDblClick_) DoExecuteItem(item);
    if (!Contains(item)) return;
    if (TNotifyEvent onClick = item->OnClick) onClick(this);
    if (OnButtonClick && Contains(item)) OnButtonClick(this, item);
}

bool TDCVertListView::DoExecuteItem(TDCVertListItem* item) {
    bool processed = false;
    if (OnExecuteItem) OnExecuteItem(this, item, processed);
    if (!processed && Contains(item) && !item->FileName().empty()) {
        const std::wstring& params = item->Parameters();
        // A file the platform cannot open is not reported.
        ShellExecuteW(HandleAllocated() ? Handle() : nullptr, L"open", item->FileName().c_str(),
                      params.empty() ? nullptr : params.c_str(), nullptr, SW_SHOWNORMAL);
    }
    return processed;
}

void TDCVertListView::DoHotTrackItem(TDCVertListItem* item) {
    if (OnHotTrackItem) OnHotTrackItem(this, item);
}

TPopupMenu* TDCVertListView::DoPopupMenu(TDCVertListItem* item) {
    TPopupMenu* menu = popupMenu_;
    if (OnPopupMenu) OnPopupMenu(this, item, menu);
    return menu;
}

void TDCVertListView::DoContextPopup(POINT mousePos, bool& handled) {
    TCustomDCListViewEx::DoContextPopup(mousePos, handled);
    if (handled) return;
    TPopupMenu* menu = DoPopupMenu(hot_);
    if (!menu) return;
    POINT at;
    GetCursorPos(&at);
    if (mousePos.x != -1 || mousePos.y != -1) at = ClientToScreen(mousePos);
    menu->SetPopupComponent(this);
    handled = true;
    menu->Popup(at.x, at.y);
}

// ---- mouse ------------------------------------------------------------------

bool TDCVertListView::HandleInput(TMessage& message) {
    switch (message.Msg) {
    case WM_LBUTTONDOWN:
        LeftPress(message);
        return true;
    case WM_LBUTTONUP:
        LeftRelease(message);
        return true;
    case WM_LBUTTONDBLCLK:
        LeftDoubleClick(message);
        return true;
    case WM_RBUTTONDOWN:
        RightPress(message);
        return true;
    case WM_MOUSEMOVE:
        PointerMove(message);
        return true;
    case WM_MOUSEWHEEL:
        Wheel(message);
        return true;
    case WM_CANCELMODE:
        LoseCapture(message);
        return true;
    case WM_CAPTURECHANGED:
        LoseCapture(message);
        return true;
    case WM_GETDLGCODE:
        message.Result = DLGC_WANTARROWS;
        return true;
    case WM_RBUTTONDBLCLK: {
        TMessage press{WM_RBUTTONDOWN, message.WParam, message.LParam, 0};
        RightPress(press);
        DblClick();
        return false; // the standard handling adds the double-click press
    }
    default:
        return false;
    }
}

void TDCVertListView::LeftPress(TMessage& message) {
    const int x = XOf(message.LParam), y = YOf(message.LParam);
    if (OnBeforeMouseDown) OnBeforeMouseDown(this, x, y);
    const bool editing = IsEditing();
    if (editing) EndEdit(true);
    if (CanFocus()) SetFocus();
    pressCancelled_ = false;
    clickSwallowed_ = false;
    pressed_ = GetItemAt(x, y);
    UpdateHotAtPointer();
    if (pressed_ != hot_) SetHotItem(pressed_);
    armed_ = true;
    if (pressed_) {
        pressPoint_ = {x, y};
        SetMouseCapture(true);
        RepaintItem(pressed_);
    }
    if (!editing) TCustomDCListViewEx::WndProc(message);
}

void TDCVertListView::PointerMove(TMessage& message) {
    TCustomDCListViewEx::WndProc(message); // OnMouseMove
    const int x = XOf(message.LParam), y = YOf(message.LParam);
    if (armed_ && pressed_ && !dragging_ &&
        (std::abs(x - pressPoint_.x) > kDragThreshold || std::abs(y - pressPoint_.y) > kDragThreshold)) {
        DragStart(MouseShiftState(message.WParam));
    } else if (dragging_ && dragEnabled_) {
        DragMove(x, y);
    }
    UpdateHot(x, y);
}

void TDCVertListView::LeftRelease(TMessage& message) {
    const int x = XOf(message.LParam), y = YOf(message.LParam);
    armed_ = false;
    if (MouseCapture()) SetMouseCapture(false);
    if (dragging_) {
        DragEnd(x, y);
    } else if (pressCancelled_) {
        return;
    } else if (TDCVertListItem* item = pressed_) {
        ++suppress_;
        if (!item->Selected()) {
            item->SetSelected(true);
            if (Contains(item)) item->SetFocused(true);
        }
        --suppress_;
        if (Contains(item)) DoButtonClick(item);
        if (Contains(item)) EnsureVisible(*item, false);
    }
    pressed_ = nullptr;
    RepaintItem(hot_);
    if (!pressCancelled_) TCustomDCListViewEx::WndProc(message); // OnClick, OnMouseUp
}

void TDCVertListView::Click() {
    if (clickSwallowed_) return;
    TCustomDCListViewEx::Click();
}

void TDCVertListView::LeftDoubleClick(TMessage& message) {
    if (useDblClick_ && hot_) {
        DoExecuteItem(hot_);
        DblClick();
        return;
    }
    TMessage press{WM_LBUTTONDOWN, message.WParam, message.LParam, 0};
    LeftPress(press);
    TCustomDCListViewEx::WndProc(message); // OnDblClick and the double-click press
}

void TDCVertListView::RightPress(TMessage& message) {
    const bool editing = IsEditing();
    if (editing) EndEdit(true);
    CancelPressOrDrag();
    armed_ = false;
    UpdateHot(XOf(message.LParam), YOf(message.LParam));
    if (!editing) TCustomDCListViewEx::WndProc(message);
}

// Cancel-mode, or the capture taken by another window during a press.
void TDCVertListView::LoseCapture(TMessage& message) {
    const bool lost =
        message.Msg == WM_CANCELMODE ||
        (armed_ && message.LParam && HWND(message.LParam) != (HandleAllocated() ? Handle() : nullptr));
    TCustomDCListViewEx::WndProc(message);
    if (!lost) return;
    CancelPressOrDrag();
    RepaintItem(hot_);
    SetHotItem(nullptr);
}

// ---- keys -------------------------------------------------------------------

namespace {
bool IsNavigationKey(WORD key) {
    switch (key) {
    case VK_PRIOR:
    case VK_NEXT:
    case VK_END:
    case VK_HOME:
    case VK_LEFT:
    case VK_UP:
    case VK_RIGHT:
    case VK_DOWN:
        return true;
    default:
        return false;
    }
}
} // namespace

void TDCVertListView::KeyDown(WORD& key, TShiftState shift) {
    TCustomDCListViewEx::KeyDown(key, shift);
    if (!IsNavigationKey(key) || IsEditing()) return;
    if (sunkSelected_) NavigateKey(key);
    key = 0;
}

// With a permanently sunken selection the keys move it, as in any list:
// arrows by one item, Page keys by the items that fit, Home and End.
bool TDCVertListView::NavigateKey(WORD key) {
    const int n = items_.Count();
    if (n == 0) return false;
    TDCVertListItem* current = ItemFocused();
    if (!current) current = Selected();
    const int at = current ? current->Index() : -1;
    int page = 1;
    if (TDCVertListItem* first = items_[0])
        page = std::max(1, ClientHeight() / std::max(1, SlotHeight(*first)));
    int target = at;
    switch (key) {
    case VK_UP:
    case VK_LEFT:
        target = at < 0 ? 0 : at - 1;
        break;
    case VK_DOWN:
    case VK_RIGHT:
        target = at + 1;
        break;
    case VK_PRIOR:
        target = at - page;
        break;
    case VK_NEXT:
        target = at < 0 ? page - 1 : at + page;
        break;
    case VK_HOME:
        target = 0;
        break;
    case VK_END:
        target = n - 1;
        break;
    default:
        return false;
    }
    target = std::clamp(target, 0, n - 1);
    if (target == at) return false;
    TDCVertListItem* item = items_[target];
    item->SetSelected(true);
    if (Contains(item)) {
        item->SetFocused(true);
        EnsureVisible(*item, false);
    }
    return true;
}

} // namespace yq
