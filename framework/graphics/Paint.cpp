#include "Paint.h"

namespace yq {

void Frame3D(TCanvas& canvas, RECT& r, TColor topLeft, TColor bottomRight, int width) {
    HDC dc = canvas.Handle();
    if (!dc) return;
    TBrushHandle top(CreateSolidBrush(ColorToRGB(topLeft)));
    TBrushHandle bottom(CreateSolidBrush(ColorToRGB(bottomRight)));
    for (int i = 0; i < width; ++i) {
        if (r.right - r.left <= 0 || r.bottom - r.top <= 0) break;
        RECT t{r.left, r.top, r.right - 1, r.top + 1}, l{r.left, r.top, r.left + 1, r.bottom - 1};
        RECT rt{r.right - 1, r.top, r.right, r.bottom}, b{r.left, r.bottom - 1, r.right, r.bottom};
        ::FillRect(dc, &t, top.Get());
        ::FillRect(dc, &l, top.Get());
        ::FillRect(dc, &rt, bottom.Get());
        ::FillRect(dc, &b, bottom.Get());
        InflateRect(&r, -1, -1);
    }
}

void DrawEdge(TCanvas& canvas, RECT& r, UINT edge, UINT flags) {
    if (HDC dc = canvas.Handle()) ::DrawEdge(dc, &r, edge, flags);
}

void StampMonochrome(TCanvas& canvas, int x, int y, const TBitmap& bitmap, TColor color) {
    if (bitmap.Empty()) return;
    TBitmap copy;
    const TBitmap* mono = &bitmap;
    if (!bitmap.Monochrome()) {
        copy.Assign(bitmap);
        copy.SetMonochrome(true);
        mono = &copy;
    }
    HDC dc = canvas.Handle(), src = mono->Canvas().Handle();
    if (!dc || !src) return;
    TBrushHandle brush(CreateSolidBrush(ColorToRGB(color)));
    TSelectObject select(dc, brush.Get());
    // Source bits come from the DIB's black/white colour table; the result
    // is the brush where the source is black, the destination where white.
    constexpr DWORD kPSDPxax = 0x00B8074A;
    BitBlt(dc, x, y, mono->Width(), mono->Height(), src, 0, 0, kPSDPxax);
}

TOffscreen::TOffscreen(int width, int height) : bitmap_(width > 0 ? width : 1, height > 0 ? height : 1) {}

void TOffscreen::CopyTo(HDC dc, int x, int y) {
    BitBlt(dc, x, y, bitmap_.Width(), bitmap_.Height(), Dc(), 0, 0, SRCCOPY);
}

} // namespace yq
