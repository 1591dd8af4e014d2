// TCustomDCGroupBar: opening another group, with the sliding animation.
#include "GroupBar.h"

#include "Bitmap.h"
#include "OutBarErrors.h"
#include "OutBarGroup.h"
#include "Screen.h"
#include "VertListView.h"

#include <string>

namespace yq {

namespace {

int RectWidth(const RECT& r) {
    return r.right - r.left;
}
int RectHeight(const RECT& r) {
    return r.bottom - r.top;
}

// The bar's surface including what its child windows show: the slide
// draws over the old and the new group alike.
class TSurfaceDC {
public:
    explicit TSurfaceDC(HWND hwnd) : hwnd_(hwnd), dc_(GetDCEx(hwnd, nullptr, DCX_CACHE | DCX_CLIPSIBLINGS)) {}
    ~TSurfaceDC() {
        if (dc_) ReleaseDC(hwnd_, dc_);
    }
    TSurfaceDC(const TSurfaceDC&) = delete;
    TSurfaceDC& operator=(const TSurfaceDC&) = delete;
    HDC Get() const { return dc_; }

private:
    HWND hwnd_;
    HDC dc_;
};

std::string RangeText(int count) {
    return "Invalid ActiveGroupIndex value. Value must be between 0 and " + std::to_string(count - 1);
}

} // namespace

void TCustomDCGroupBar::SetActiveGroupIndex(int index) {
    if (index == activeIndex_ || index < 0) return;
    const bool designing = (ComponentState() & csDesigning) != 0;
    if (index < GroupCount() && !groups_[size_t(index)]->Enabled() && !Loading() && !designing) return;
    if (Loading()) {
        pendingIndex_ = index;
        return;
    }
    if (CaptionEditorVisible()) {
        HideCaptionEditor();
        return;
    }
    TDCOutBarGroup* target = index < GroupCount() ? groups_[size_t(index)] : nullptr;
    if (!fromLoading_ && !DoChanging(target)) return;
    if (index >= GroupCount()) throw EInvalidProperty(RangeText(GroupCount()));

    // The animation starts from what the screen shows: finish pending
    // paints while the old layout stands.
    if (HandleAllocated()) Update();
    TSwitch s{ActiveGroup(), target, ContentArea(), {}, index > activeIndex_};
    activeIndex_ = index;
    s.newArea = ContentArea();
    try {
        if (designing || frequency_ < 2 || !s.oldGroup || !Showing()) {
            s.newGroup->PlaceWindow(s.newArea);
            s.newGroup->Show();
            Invalidate();
            Update();
        } else {
            Animate(s);
        }
    } catch (...) {
        FinishSwitch(s);
        throw;
    }
    FinishSwitch(s);
}

// The captions between the two groups slide, one row offset per frame,
// over an image holding the bar's current picture and the new group's.
void TCustomDCGroupBar::Animate(const TSwitch& s) {
    const RECT& oldArea = s.oldArea;
    const RECT& newArea = s.newArea;
    const int w = RectWidth(newArea), h = RectHeight(newArea);
    const RECT area = newArea.top > oldArea.top
                          ? RECT{oldArea.left, oldArea.top, oldArea.right, newArea.bottom}
                          : RECT{newArea.left, newArea.top, newArea.right, oldArea.bottom};
    const int aw = RectWidth(area), ah = RectHeight(area);

    TBitmap image(aw, ah + h);
    TBitmap groupImage(w, h);
    TCanvas& canvas = image.Canvas();
    HDC imageDc = canvas.Handle();
    TSurfaceDC screen(Handle());

    // Shown outside the visible screen, the new group can paint itself.
    s.newGroup->PlaceWindow(RECT{Screen().Width() + newArea.left, newArea.top,
                                 Screen().Width() + newArea.left + w, newArea.bottom});
    s.newGroup->Show();
    s.newGroup->PaintTo(groupImage.Canvas().Handle(), 0, 0);
    if (s.down) {
        const int ah2 = s.newGroup == groups_.back() ? ah : ah - 1;
        BitBlt(imageDc, 0, ah2, w, h, groupImage.Canvas().Handle(), 0, 0, SRCCOPY);
        BitBlt(imageDc, 0, 0, aw, ah2, screen.Get(), area.left, area.top, SRCCOPY);
    } else {
        BitBlt(imageDc, 0, 0, w, h, groupImage.Canvas().Handle(), 0, 0, SRCCOPY);
        BitBlt(imageDc, 0, h, aw, ah, screen.Get(), area.left, area.top, SRCCOPY);
    }
    s.newGroup->PlaceWindow(newArea);
    s.newGroup->Show();
    DrawFrameNow(area);

    animation_ = {area, oldArea, newArea, h, s.down};
    const double step = double(h) / frequency_;
    for (int k = 0; k < frequency_; ++k)
        AnimationFrame(screen.Get(), canvas, k, int(k * step));

    if (TDCVertListView* list = s.newGroup->List()) list->Invalidate();
    Invalidate();
    Update();
}

void TCustomDCGroupBar::AnimationFrame(HDC screen, TCanvas& image, int, int offset) {
    const TAnimation& a = animation_;
    HDC imageDc = image.Handle();
    const int aw = RectWidth(a.area), ah = RectHeight(a.area);
    if (a.down) {
        // The captions between the groups rise by `offset`; the new content
        // comes into view below them.
        BitBlt(screen, a.area.left, a.oldArea.bottom - offset, aw,
               a.newArea.bottom - a.oldArea.bottom + offset, imageDc, 0, a.height, SRCCOPY);
    } else {
        // The captions and the old content sink by `offset`; the new
        // content comes into view above them.
        BitBlt(screen, a.area.left, a.area.top, aw, offset, imageDc, 0, 0, SRCCOPY);
        BitBlt(screen, a.area.left, a.area.top + offset, aw, ah - offset, imageDc, 0, a.height + 1, SRCCOPY);
    }
}

// Whatever happened, the old group is hidden out of the way and the new
// one stands in the content area.
void TCustomDCGroupBar::FinishSwitch(const TSwitch& s) {
    const int w = RectWidth(s.newArea), h = RectHeight(s.newArea);
    if (s.oldGroup && s.oldGroup != s.newGroup && IndexOfGroup(s.oldGroup) >= 0) {
        s.oldGroup->PlaceWindow(RECT{s.newArea.left, s.newArea.top, s.newArea.left + w, s.newArea.top});
        s.oldGroup->Hide();
    }
    s.newGroup->PlaceWindow(RECT{s.newArea.left, s.newArea.top, s.newArea.left + w, s.newArea.top + h});
    if (HandleAllocated()) Update();
    DrawFrameNow(s.newArea);
    DoChange();
    TDCVertListView* list = s.newGroup->List();
    const bool designing = (ComponentState() & csDesigning) != 0;
    if (list && list->Showing() && !designing && list->CanFocus()) list->SetFocus();
}

} // namespace yq
