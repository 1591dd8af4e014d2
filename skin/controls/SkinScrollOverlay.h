#pragma once
// TWScrollbar: a small window laid exactly over one of the platform's
// scroll bars and painted from the skin.  The platform draws a window's
// scroll bars in its non-client area, where a skinner cannot paint
// reliably; the overlay sits above the control as a sibling instead and
// hands every press on to the platform's bar underneath, whose own modal
// tracking (auto-repeat included) then scrolls the control.
//
// Kinds: 0 the horizontal and 1 the vertical window scroll bar of Target;
// 2 Target is itself a scroll bar control, whose position, maximum and
// page size give the thumb.
//
// The overlay is owned by its skinner, which repositions it on the
// control's non-client paints and size changes and frees it when the
// control is unskinned.
#include "Bitmap.h"
#include "CustomControl.h"

#include <cstdint>
#include <memory>

#include <windows.h>

namespace yq {

class TSkinControl;

enum TWScrollbarKind : std::uint8_t { wkHorizontal = 0, wkVertical = 1, wkControl = 2 };

// Scroll codes the overlay keeps (the low word of WM_HSCROLL/WM_VSCROLL,
// or the part of a stand-alone bar that was pressed).
enum TWScrollCode : int {
    wcLineUp = SB_LINEUP,
    wcLineDown = SB_LINEDOWN,
    wcPageUp = SB_PAGEUP,
    wcPageDown = SB_PAGEDOWN,
    wcThumbTrack = SB_THUMBTRACK,
    wcNone = -1
};

class TWScrollbar : public TCustomControl {
    YQ_CLASS(TWScrollbar, TCustomControl)
public:
    explicit TWScrollbar(TComponent* owner = nullptr);
    ~TWScrollbar() override;

    // Kind 2 reads the control's "Kind" property.  Both make the overlay a
    // child of Target's parent and place it.
    void AttachToControl(TSkinControl* skinner, TWinControl* control, int kind);
    void AttachToWindow(TSkinControl* skinner, HWND window, int kind);
    void HideBar();
    // Follows the platform's bar of `window`: hidden while the bar is,
    // otherwise laid over it and repainted.
    void Reposition(HWND window);
    // Kind 2: which part of the bar a point (overlay coordinates) is on.
    int HitTest(POINT point) const;
    // The platform's bar, or for kind 2 the one worked out from the control.
    bool GetBarInfo(SCROLLBARINFO& info) const;
    // The whole bar composed off-screen and copied onto dc at (0, 0).
    void DrawBar(HDC dc);
    // Repaints when the platform's thumb or state differs from what was
    // drawn last (a control may scroll without telling anyone).
    void InvalidateIfChanged();

    std::uint8_t Kind = wkVertical;
    int Vertical = 1;
    int ArrowSize = 0;
    int Length = 0;
    int ThumbStart = 0, ThumbEnd = 0;
    POINT ScreenOrigin{};
    POINT ClientTopLeft{}, ClientBottomRight{};
    HWND Target = nullptr;
    TWinControl* TargetControl = nullptr;
    TSkinControl* Skinner = nullptr;
    bool Tracking = false;
    POINT DownCursor{};
    int DownThumbStart = 0;
    int ScrollCode = wcNone;
    bool Shown = false;

protected:
    void CreateParamsFor(CreateParams& params) override;
    void WndProc(TMessage& message) override;
    void Paint() override;

private:
    void Attach(TSkinControl* skinner, HWND window, int kind);
    void ShowAt(const RECT& inParent);
    // Directly above Target, or above the other overlay that is.
    bool InPlace(HWND above) const;
    void Press(TMessage& message);
    void Release(TMessage& message);
    POINT ScreenPoint(LPARAM lp) const;
    void TrackThumb();
    void ComputeControlBar(SCROLLBARINFO& info) const;

    HWND parentWindow_ = nullptr;
    // What the last paint showed of the platform's bar.
    int drawnTop_ = -1, drawnBottom_ = -1;
    DWORD drawnState_ = 0;
    RECT drawnBar_{};
    // False once the overlay is freed: a press may outlive it.
    std::shared_ptr<bool> alive_;
    TBitmap buffer_;
};

} // namespace yq
