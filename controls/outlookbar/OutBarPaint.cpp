#include "OutBarPaint.h"

#include <algorithm>
#include <cstdlib>

namespace yq {

namespace {

// A solid fill without making a brush per band: an opaque empty text run
// fills its rectangle with the background colour.
void FillSolid(HDC dc, const RECT& r, COLORREF color) {
    SetBkColor(dc, color);
    ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &r, nullptr, 0, nullptr);
}

} // namespace

void DrawGradient(TCanvas& canvas, int width, int height, TColor beginColor, TColor endColor, bool vertical) {
    const int length = vertical ? height : width;
    if (length <= 0) return;
    HDC dc = canvas.Handle();
    if (!dc) return;
    const TColor from = ColorToRGB(beginColor), to = ColorToRGB(endColor);
    const int base[3] = {GetRValue(from), GetGValue(from), GetBValue(from)};
    const int delta[3] = {GetRValue(to) - base[0], GetGValue(to) - base[1], GetBValue(to) - base[2]};
    const int bands = Max3(std::abs(delta[0]), std::abs(delta[1]), std::abs(delta[2])) + 1;
    const int thickness = length / bands + 1;

    const COLORREF oldBk = GetBkColor(dc);
    RECT band = vertical ? RECT{0, 0, width, thickness} : RECT{0, 0, thickness, height};
    for (int k = 0; k < bands; ++k) {
        BYTE channel[3];
        for (int c = 0; c < 3; ++c)
            channel[c] = BYTE(base[c] + (k * (thickness * delta[c])) / length);
        FillSolid(dc, band, RGB(channel[0], channel[1], channel[2]));
        if (vertical)
            OffsetRect(&band, 0, thickness);
        else
            OffsetRect(&band, thickness, 0);
        if ((vertical ? band.top : band.left) > length) break;
    }
    SetBkColor(dc, oldBk);
}

int Max3(int a, int b, int c) {
    return std::max(a, std::max(b, c));
}

void CenterHorizontally(RECT& r, const RECT& bounds) {
    const int w = r.right - r.left;
    r.left = (bounds.left + bounds.right - w) / 2;
    r.right = r.left + w;
}

} // namespace yq
