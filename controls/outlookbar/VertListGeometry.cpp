// TDCVertListView: item rectangles, layout and hit testing.
#include "VertListView.h"

#include "CaptionText.h"
#include "OutBarPaint.h"

#include <algorithm>

namespace yq {

namespace {
// A small-icon item's bounds start this far from the client's left edge.
constexpr int kSmallIconIndent = 7;
// Gap between a small icon and its label, and the margin around a large
// image inside its icon cell.
constexpr int kLabelGap = 2;
constexpr int kIconCellMargin = 2;
} // namespace

TCustomImageList* TDCVertListView::ViewImages() const {
    return viewStyle_ == TViewStyle::vsSmallIcon ? smallImages_ : largeImages_;
}

SIZE TDCVertListView::ImageSize() const {
    TCustomImageList* images = ViewImages();
    return images ? SIZE{images->Width(), images->Height()} : SIZE{0, 0};
}

TDCVertListView::TNativeRects TDCVertListView::NativeRects(const TDCVertListItem& item) const {
    const SIZE image = ImageSize();
    const POINT p = item.position_;
    const int h = textHeight_;
    SIZE text{0, 0};
    {
        TSelectObject font(measureDc_.Get(), Font().Handle());
        GetTextExtentPoint32W(measureDc_.Get(), item.caption_.c_str(), int(item.caption_.size()), &text);
    }
    TNativeRects n;
    if (viewStyle_ == TViewStyle::vsSmallIcon) {
        const int rowHeight = std::max(int(image.cy), h);
        n.icon = {p.x, p.y, p.x + image.cx, p.y + rowHeight};
        n.label = {n.icon.right + kLabelGap, p.y, n.icon.right + kLabelGap + text.cx, p.y + rowHeight};
        n.bounds = {p.x, p.y, n.label.right, p.y + rowHeight};
    } else {
        n.icon = {p.x, p.y, p.x + image.cx + 2 * kIconCellMargin, p.y + image.cy + 2 * kIconCellMargin};
        const int left = n.icon.left + (n.icon.right - n.icon.left - text.cx) / 2;
        n.label = {left, n.icon.bottom + kLabelGap, left + text.cx, n.icon.bottom + kLabelGap + h};
        n.bounds = {std::min(n.icon.left, n.label.left), p.y, std::max(n.icon.right, n.label.right),
                    n.label.bottom};
    }
    return n;
}

// Extends r down to the caption's wrapped lines (at most WrapLineCount)
// and sideways to their width, keeping clear of the side margins.
void TDCVertListView::FitCaption(const TDCVertListItem& item, RECT& r) const {
    const int cw = ClientWidth(), h = textHeight_;
    const bool small = viewStyle_ == TViewStyle::vsSmallIcon;
    const int lines = wrapLineCount_ * h;
    const RECT trial = small ? RECT{r.left, r.top, cw - kTextMargin, r.top + lines}
                             : RECT{kTextMargin, r.bottom, cw - kTextMargin, r.bottom + lines};
    RECT t = trial;
    if (small) {
        OffsetRect(&t, 3, 0);
        t.right = std::min(t.right, LONG(cw - kTextMargin));
    }
    TWrappedSize size;
    {
        TSelectObject font(measureDc_.Get(), Font().Handle());
        size = MeasureWrappedText(measureDc_.Get(), item.caption_, t.right - t.left);
    }
    t.right = t.left + size.width;
    t.bottom = std::min(t.top + size.lines * h, trial.bottom);
    if (!small) CenterHorizontally(t, trial);
    r.bottom = t.bottom;
    if (!small) r.left = std::max(r.left, LONG(kTextMargin));
    r.right = std::min(r.right, LONG(cw - kTextMargin));
    r.left = std::min(r.left, t.left);
    r.right = std::max(r.right, t.right);
}

RECT TDCVertListView::DisplayRect(const TDCVertListItem& item, TDisplayCode code) const {
    const TNativeRects n = NativeRects(item);
    RECT r;
    switch (code) {
    case TDisplayCode::drIcon:
        return n.icon;
    case TDisplayCode::drLabel:
        r = n.label;
        r.bottom = r.top;
        break;
    case TDisplayCode::drBounds:
        r = n.bounds;
        if (viewStyle_ == TViewStyle::vsSmallIcon)
            r.left = n.icon.left + kLabelGap;
        else
            r.bottom = n.icon.bottom + kLabelGap;
        break;
    }
    FitCaption(item, r);
    return r;
}

int TDCVertListView::SlotHeight(const TDCVertListItem& item) const {
    const RECT b = DisplayRect(item, TDisplayCode::drBounds);
    return (b.bottom - b.top) + 2 * itemInset_ + itemSpace_;
}

void TDCVertListView::Arrange() {
    const int cw = ClientWidth();
    if (cw == 0) return;
    int y = topMargin_;
    for (int i = 0; i < items_.Count(); ++i) {
        TDCVertListItem& item = *items_[i];
        const RECT b = DisplayRect(item, TDisplayCode::drBounds);
        const RECT icon = DisplayRect(item, TDisplayCode::drIcon);
        const POINT p = item.position_;
        const int x = viewStyle_ == TViewStyle::vsSmallIcon
                          ? p.x - b.left + kSmallIconIndent
                          : (cw - (icon.right - icon.left)) / 2 + p.x - icon.left;
        itemInset_ = p.y - b.top;
        item.position_ = {x - scrollOrigin_.x, y + itemInset_ - scrollOrigin_.y};
        y += (b.bottom - b.top) + 2 * itemInset_ + itemSpace_;
    }
    PlaceScrollButtons();
    Invalidate();
}

TDCVertListItem* TDCVertListView::GetItemAt(int x, int y) const {
    const bool expanded = selectionType_ == TSelectionType::stExpanded;
    if (x >= ClientWidth() || y < 0 || y >= ClientHeight() || (expanded && x < 0)) return nullptr;
    for (int i = 0; i < items_.Count(); ++i) {
        TDCVertListItem* item = items_[i];
        if (item->Position().y - itemInset_ - topMargin_ > y) break; // the column runs downwards
        RECT icon = DisplayRect(*item, TDisplayCode::drIcon);
        RECT label = DisplayRect(*item, TDisplayCode::drLabel);
        if (expanded && !dragEnabled_) {
            icon.top -= topMargin_;
            label.bottom += topMargin_ + 2 * itemInset_;
        }
        const POINT p{x, y};
        if (expanded) {
            if (icon.top <= y && y < label.bottom) return item;
        } else if (PtInRect(&icon, p) || PtInRect(&label, p) ||
                   (label.left <= x && x < label.right && icon.bottom <= y && y < label.top)) {
            return item;
        }
    }
    return nullptr;
}

RECT TDCVertListView::ItemFrameRect(const TDCVertListItem& item) const {
    const bool expanded = selectionType_ == TSelectionType::stExpanded;
    const bool small = viewStyle_ == TViewStyle::vsSmallIcon;
    RECT f;
    if (expanded) {
        f = DisplayRect(item, TDisplayCode::drBounds);
    } else {
        f = DisplayRect(item, TDisplayCode::drIcon);
        if (!small) {
            const SIZE image = ImageSize();
            const int a = (f.right - f.left - image.cx) / 2 - 1;
            const int b = (f.bottom - f.top - image.cy) / 2 - 1;
            f = {f.left + a, f.top + b, f.right - a, f.bottom - b};
        }
    }
    if (expanded && dragEnabled_ && small) InflateRect(&f, 0, 2);
    if (expanded) {
        if (!dragEnabled_) {
            f.top -= topMargin_;
            f.bottom += 2 * itemInset_ + topMargin_ - 1;
        }
        f.left = 0;
        f.right = ClientWidth() - 1;
    } else if (small) {
        f = {f.left - 2, f.top - 2, f.right + 1, f.bottom + 1};
    }
    return f;
}

// ---- visibility -------------------------------------------------------------

bool TDCVertListView::IsItemVisible(const TDCVertListItem& item, bool partialOK) const {
    const RECT b = DisplayRect(item, TDisplayCode::drBounds);
    const int s = (b.bottom - b.top) + 2 * itemInset_;
    const int ch = ClientHeight();
    if (b.top == topMargin_ && ch <= itemSpace_ + s) return true;
    if (b.top < topMargin_ || b.bottom > ch) return false;
    if (partialOK) return b.bottom < ch;
    return b.bottom + topMargin_ < ch;
}

bool TDCVertListView::CanScrollDown() const {
    return items_.Count() > 0 && !IsItemVisible(*items_[items_.Count() - 1], false);
}

bool TDCVertListView::CanScrollUp() const {
    return items_.Count() > 0 && !IsItemVisible(*items_[0], false);
}

void TDCVertListView::PlaceScrollButtons() {
    if (!downButton_ || !upButton_) return;
    TDCScrollButton& down = *downButton_;
    TDCScrollButton& up = *upButton_;
    const int ch = ClientHeight(), cw = ClientWidth();
    int upTop = 5, downTop = ch - down.Height() - 5;
    switch (scrollButtonsPos_) {
    case TScrollButtonsPos::spTopAndBottom:
        break;
    case TScrollButtonsPos::spTop:
        downTop = up.Height() + 10;
        break;
    case TScrollButtonsPos::spBottom:
        upTop = ch - down.Height() - up.Height() - 10;
        break;
    }
    up.SetBounds(cw - up.Width() - 5, upTop, up.Width(), up.Height());
    down.SetBounds(cw - down.Width() - 5, downTop, down.Width(), down.Height());
    const bool room = ch >= down.Height() + up.Height() + 10;
    down.SetVisible(room && CanScrollDown());
    up.SetVisible(room && CanScrollUp());
}

} // namespace yq
