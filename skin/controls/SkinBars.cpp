#include "SkinBars.h"

#include "Bitmap.h"
#include "SkinDraw.h"
#include "SkinTransform.h"
#include "WinControl.h"
#include "WinSkinData.h"

namespace yq {

YQ_CLASS_INFO(TSkinProgress, TSkinControl)
YQ_CLASS_INFO(TSkinTrackBar, TSkinControl)

namespace {
constexpr int kProgressChunks = 1; // Style 1: the trough and chunk pictures
constexpr int kThumbFrames = 5;
constexpr int kThumbFrame = 2;
} // namespace

// ---- progress bars ---------------------------------------------------------------

bool TSkinProgress::BeforeMessage(TMessage& m) {
    const TDataSkinBorder* progress = SkinData ? SkinData->Progress() : nullptr;
    if (m.Msg == WM_PAINT && progress && !progress->Image.Empty()) {
        HandlePaint(m);
        return false;
    }
    if (m.Msg == WM_ERASEBKGND) {
        m.Result = 1;
        return false;
    }
    return TSkinControl::BeforeMessage(m);
}

void TSkinProgress::PaintSkin(HDC dc, const RECT& rect) {
    const TDataSkinBorder* progress = SkinData->Progress();
    if (!progress || progress->Image.Empty() || rect.right <= rect.left || rect.bottom <= rect.top) return;
    const int position = int(SendMessageW(Handle, PBM_GETPOS, 0, 0));
    const int maximum = int(SendMessageW(Handle, PBM_GETRANGE, FALSE, 0));
    if (progress->Style == kProgressChunks)
        PaintChunks(dc, rect, position, maximum);
    else
        PaintStretched(dc, rect, position, maximum);
}

void TSkinProgress::PaintChunks(HDC dc, const RECT& rect, int position, int maximum) {
    const TDataSkinBorder& p = *SkinData->Progress();
    if (p.Image2.Empty()) return;
    const int w = rect.right - rect.left, h = rect.bottom - rect.top;
    TBitmap& scratch = ScratchBitmap();
    scratch.SetSize(w, h);
    HDC buffer = scratch.Canvas().Handle();
    const RECT all{0, 0, w, h};
    FillFace(buffer, all);
    DrawSkinImage(buffer, all, p.Image, false, p.Tile == 1, true, 1, 1, p.Margins);
    if (maximum > 0 && position > 0) {
        const int bw = MulDiv(w, position, maximum);
        const int cw = p.Image2.Width(), ch = p.Image2.Height();
        if (bw > 0 && cw > 0) {
            TBitmap bar(bw, ch);
            for (int i = 0; i <= bw / cw; ++i)
                BitBlt(bar.Canvas().Handle(), i * cw, 0, cw, ch, p.Image2.Canvas().Handle(), 0, 0, SRCCOPY);
            const int x = p.Margins.Left, y = (h - ch) / 2;
            DrawTransparent(buffer, RECT{x, y, x + bw, y + ch}, bar, kSkinKeyColour);
        }
    }
    BitBlt(dc, rect.left, rect.top, w, h, buffer, 0, 0, SRCCOPY);
}

void TSkinProgress::PaintStretched(HDC dc, const RECT& rect, int position, int maximum) {
    const TDataSkinBorder& p = *SkinData->Progress();
    const bool vertical = (GetWindowLongW(Handle, GWL_STYLE) & PBS_VERTICAL) != 0;
    const int w = rect.right - rect.left, h = rect.bottom - rect.top;
    // A vertical bar is drawn lying down, then turned.
    const int pw = vertical ? h : w, ph = vertical ? w : h;
    TBitmap picture(pw, ph);
    HDC pdc = picture.Canvas().Handle();
    const RECT all{0, 0, pw, ph};
    FillFace(pdc, all);
    DrawSkinImage(pdc, all, p.Image, false, p.Tile == 1, true, 2, 1, p.Margins);
    if (maximum > 0 && position > 0) {
        const RECT bar{0, 0, MulDiv(pw, position, maximum), ph};
        if (bar.right > 0) DrawSkinImage(pdc, bar, p.Image, false, p.Tile == 1, true, 2, 2, p.Margins);
    }
    if (vertical) RotateBitmapLeft(picture);
    BitBlt(dc, rect.left, rect.top, w, h - 1, picture.Canvas().Handle(), 0, 0, SRCCOPY);
    // The bar never paints its bottom row; with the erase taken away it
    // would keep whatever the screen had there.
    FillParentColour(dc, RECT{rect.left, rect.bottom - 1, rect.right, rect.bottom});
}

// ---- track bars ---------------------------------------------------------------------

bool TSkinTrackBar::BeforeMessage(TMessage& m) {
    if (m.Msg == WM_ERASEBKGND) {
        m.Result = 1;
        return false;
    }
    if ((m.Msg == WM_NOTIFY || m.Msg == CN_NOTIFY) && m.LParam &&
        reinterpret_cast<const NMHDR*>(m.LParam)->code == UINT(NM_CUSTOMDRAW)) {
        m.Result = CustomDraw(*reinterpret_cast<const NMCUSTOMDRAW*>(m.LParam));
        return false;
    }
    return TSkinControl::BeforeMessage(m);
}

LRESULT TSkinTrackBar::CustomDraw(const NMCUSTOMDRAW& draw) {
    if (draw.dwDrawStage == CDDS_PREPAINT) return CDRF_NOTIFYITEMDRAW;
    if (draw.dwDrawStage != CDDS_ITEMPREPAINT || draw.dwItemSpec != TBCD_THUMB) return CDRF_DODEFAULT;
    DrawThumb(draw.hdc);
    return CDRF_SKIPDEFAULT;
}

void TSkinTrackBar::DrawThumb(HDC dc) {
    if (!Handle || !IsWindow(Handle)) return;
    RECT r{};
    SendMessageW(Handle, TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&r));
    const TDataSkinObject* thumb = nullptr;
    if ((GetWindowLongW(Handle, GWL_STYLE) & TBS_VERT) && SkinData->TrackbarThumbVert())
        thumb = SkinData->TrackbarThumbVert();
    else if (SkinData->TrackbarThumbHorz())
        thumb = SkinData->TrackbarThumbHorz();
    if (thumb && !thumb->Image.Empty()) {
        DrawSkinFrame(dc, r, thumb->Image, true, kThumbFrames, kThumbFrame);
        return;
    }
    TPenHandle pen(CreatePen(PS_SOLID, 1, SkinRGB(SkinData->ButtonShadow)));
    TSelectObject selected(dc, pen.Get());
    Rectangle(dc, r.left, r.top, r.right, r.bottom);
}

void TSkinTrackBar::UpdateSkin() {
    if (Control && Control->HandleAllocated() && IsWindowVisible(Control->Handle())) Control->SetFocus();
}

} // namespace yq
