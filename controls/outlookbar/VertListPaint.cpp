// TDCVertListView: painting.  A paint composes the background, the items
// and the frames off screen and copies the dirty rectangle in one step.
#include "VertListView.h"

#include "CaptionText.h"

#include <algorithm>

namespace yq {

namespace {

constexpr TColor kSilver = 0x00C0C0C0;

// EndPaint must run even when drawing fails.
class TPaintGuard {
public:
    explicit TPaintGuard(HWND hwnd) : hwnd_(hwnd), dc_(BeginPaint(hwnd, &ps_)) {}
    ~TPaintGuard() { EndPaint(hwnd_, &ps_); }
    TPaintGuard(const TPaintGuard&) = delete;
    TPaintGuard& operator=(const TPaintGuard&) = delete;
    HDC Dc() const { return dc_; }
    const RECT& Dirty() const { return ps_.rcPaint; }

private:
    HWND hwnd_;
    PAINTSTRUCT ps_{};
    HDC dc_;
};

} // namespace

void TDCVertListView::WndProc(TMessage& message) {
    if (message.Msg == WM_PAINT && !message.WParam) {
        WMPaint(message);
        return;
    }
    if (HandleInput(message)) return;
    TCustomDCListViewEx::WndProc(message);
}

void TDCVertListView::WMPaint(TMessage& message) {
    TPaintGuard paint(Handle());
    message.Result = 0;
    RECT dirty = paint.Dirty();
    dirty.bottom = std::min(dirty.bottom, LONG(ClientHeight()));
    const int w = dirty.right - dirty.left, h = dirty.bottom - dirty.top;
    if (!paint.Dc() || w <= 0 || h <= 0) return;
    TBitmap offscreen(w, h);
    HDC dc = offscreen.Canvas().Handle();
    SetWindowOrgEx(dc, dirty.left, dirty.top, nullptr);
    PaintContent(offscreen.Canvas(), dirty);
    SetWindowOrgEx(dc, 0, 0, nullptr);
    BitBlt(paint.Dc(), dirty.left, dirty.top, w, h, dc, 0, 0, SRCCOPY);
}

// A paint that brings its own surface (PaintTo, WM_PRINTCLIENT) draws on it
// directly.
void TDCVertListView::Paint() {
    PaintContent(Canvas(), ClientRect());
}

void TDCVertListView::PaintContent(TCanvas& canvas, const RECT& dirty) {
    PaintBackground(canvas, ClientRect());
    for (int i = 0; i < items_.Count(); ++i) {
        const TDCVertListItem& item = *items_[i];
        // The column runs downwards: nothing after an item below the area.
        if (item.Position().y - itemInset_ - topMargin_ - 2 > dirty.bottom) break;
        if (&item == hot_ && highlightSelection_) continue;
        RECT slot = ItemFrameRect(item);
        const RECT bounds = DisplayRect(item, TDisplayCode::drBounds); // text may reach past the frame
        UnionRect(&slot, &slot, &bounds);
        if (slot.bottom + 1 < dirty.top || slot.top > dirty.bottom) continue;
        DrawItem(canvas, item);
    }
    TDCVertListItem* selected = Selected();
    if (hot_) {
        if (armed_ && !dragging_)
            DrawSunkenFrame(canvas, *hot_);
        else if (!(hot_ == selected && sunkSelected_))
            DrawRaisedFrame(canvas, *hot_);
    }
    if (sunkSelected_ && selected) DrawSunkenFrame(canvas, *selected);
    AfterPaint(canvas);
}

void TDCVertListView::DrawItem(TCanvas& canvas, const TDCVertListItem& item) {
    HDC dc = canvas.Handle();
    if (!dc) return;
    int index = item.imageIndex_;
    if (&item == hot_ && item.hotImageIndex_ >= 0)
        index = item.hotImageIndex_;
    else if (item.selected_ && item.selectedImageIndex_ >= 0)
        index = item.selectedImageIndex_;
    TCustomImageList* images = ViewImages();
    if (index != -1 && images) {
        const RECT icon = DisplayRect(item, TDisplayCode::drIcon);
        images->Draw(canvas, (icon.left + icon.right - images->Width()) / 2,
                     (icon.top + icon.bottom - images->Height()) / 2, index);
    }

    const bool small = viewStyle_ == TViewStyle::vsSmallIcon;
    RECT text = DisplayRect(item, TDisplayCode::drLabel);
    if (small)
        OffsetRect(&text, 3, 0);
    else
        text.left = std::max(text.left, LONG(kTextMargin));
    text.right = std::min(text.right, LONG(ClientWidth() - kTextMargin));

    const bool highlighted = &item == hot_ || (item.selected_ && sunkSelected_);
    const TColor color = selectionType_ == TSelectionType::stExpanded && highlightSelection_ && highlighted
                             ? highlightFontColor_
                             : Font().Color();
    TSelectObject font(dc, Font().Handle());
    const COLORREF oldColor = SetTextColor(dc, ColorToRGB(color));
    DrawWrappedText(dc, item.caption_, text, textHeight_, !small);
    SetTextColor(dc, oldColor);
}

void TDCVertListView::DrawItemFrame(TCanvas& canvas, const TDCVertListItem& item, TColor topLeft,
                                    TColor bottomRight) {
    const RECT f = ItemFrameRect(item);
    canvas.Pen().SetStyle(TPenStyle::psSolid);
    canvas.Pen().SetWidth(1);
    canvas.Pen().SetColor(topLeft);
    canvas.MoveTo(f.left, f.bottom);
    canvas.LineTo(f.left, f.top);
    canvas.LineTo(f.right, f.top);
    canvas.Pen().SetColor(bottomRight);
    canvas.LineTo(f.right, f.bottom);
    canvas.LineTo(f.left - 1, f.bottom);
    if (!highlightSelection_) return;
    canvas.Brush().SetStyle(TBrushStyle::bsSolid);
    canvas.Brush().SetColor(highlightColor_);
    canvas.FillRect(RECT{f.left + 1, f.top + 1, f.right, f.bottom});
    DrawItem(canvas, item);
}

void TDCVertListView::DrawRaisedFrame(TCanvas& canvas, const TDCVertListItem& item) {
    DrawItemFrame(canvas, item, highlightSelection_ ? clWhite : kSilver, clBlack);
}

void TDCVertListView::DrawSunkenFrame(TCanvas& canvas, const TDCVertListItem& item) {
    DrawItemFrame(canvas, item, clBlack, highlightSelection_ ? clWhite : kSilver);
}

void TDCVertListView::RepaintItem(const TDCVertListItem* item) {
    if (!item || !HandleAllocated() || Destroying()) return;
    RECT r = ItemFrameRect(*item);
    r.right += 1; // the frame's right and bottom lines
    r.bottom += 1;
    const RECT bounds = DisplayRect(*item, TDisplayCode::drBounds);
    UnionRect(&r, &r, &bounds);
    InvalidateRect(Handle(), &r, FALSE);
}

void TDCVertListView::RepaintItemSoft(const TDCVertListItem* item) {
    if (item && item == Selected() && sunkSelected_) return;
    RepaintItem(item);
}

} // namespace yq
