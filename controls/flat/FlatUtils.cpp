#include "FlatUtils.h"

#include <algorithm>
#include <cmath>

namespace yq {

namespace {

int Channel(TColor c, int shift) {
    return int((c >> shift) & 0xFF);
}

TColor MakeColor(int r, int g, int b) {
    return TColor(r) | (TColor(g) << 8) | (TColor(b) << 16);
}

void Fill(TCanvas& canvas, const RECT& r, TColor color) {
    if (r.right <= r.left || r.bottom <= r.top) return;
    canvas.Brush().SetStyle(TBrushStyle::bsSolid);
    canvas.Brush().SetColor(color);
    canvas.FillRect(r);
}

// One of the four directions drawn band by band.
void FillLinear(TCanvas& canvas, const RECT& r, TColor a, TColor b, TFillDirection direction, int count) {
    const bool vertical =
        direction == TFillDirection::fdTopToBottom || direction == TFillDirection::fdBottomToTop;
    const bool forward =
        direction == TFillDirection::fdTopToBottom || direction == TFillDirection::fdLeftToRight;
    const TColor from = forward ? a : b, to = forward ? b : a;
    const int size = vertical ? r.bottom - r.top : r.right - r.left;
    const TGradientBands g = GradientBands(size, count);
    auto span = [&](int offset, int length) {
        return vertical ? RECT{r.left, r.top + offset, r.right, r.top + offset + length}
                        : RECT{r.left + offset, r.top, r.left + offset + length, r.bottom};
    };
    for (int n = 0; n < g.bands; ++n)
        Fill(canvas, span(n * g.band, g.band), GradientColor(from, to, n, g.bands));
    if (g.rest > 0) Fill(canvas, span(size - g.rest, g.rest), to);
}

// Each row of a corner takes the colour of the strip pixel beside it.
void FillCornerRows(TCanvas& canvas, const RECT& corner, int sourceX) {
    for (int y = corner.top; y < corner.bottom; ++y)
        Fill(canvas, {corner.left, y, corner.right, y + 1}, canvas.Pixel(sourceX, y));
}

} // namespace

TGradientBands GradientBands(int size, int count) {
    TGradientBands g;
    if (size <= 0) return g;
    g.bands = std::max(2, std::min(count, size));
    g.band = size / g.bands;
    g.rest = size % g.bands;
    return g;
}

TColor GradientColor(TColor from, TColor to, int n, int bands) {
    from = ColorToRGB(from);
    to = ColorToRGB(to);
    auto mix = [&](int shift) {
        const int f = Channel(from, shift), t = Channel(to, shift);
        return int(std::lround(f + double(n) * (t - f) / (bands - 1)));
    };
    return MakeColor(mix(0), mix(8), mix(16));
}

TColor LightenColor(TColor a, int amount) {
    a = ColorToRGB(a);
    auto up = [&](int shift) { return std::clamp(Channel(a, shift) + amount, 0, 255); };
    return MakeColor(up(0), up(8), up(16));
}

void FillGradient(TCanvas& canvas, const RECT& r, TColor a, TColor b, TFillDirection direction, int count) {
    if (r.right <= r.left || r.bottom <= r.top) return;
    if (count < 2) return Fill(canvas, r, a);
    switch (direction) {
    case TFillDirection::fdCenterToVerti: {
        const int mid = r.top + (r.bottom - r.top) / 2;
        FillLinear(canvas, {r.left, r.top, r.right, mid}, a, b, TFillDirection::fdTopToBottom, count);
        FillLinear(canvas, {r.left, mid, r.right, r.bottom}, a, b, TFillDirection::fdBottomToTop, count);
        return;
    }
    case TFillDirection::fdCenterToHoriz: {
        const int mid = r.left + (r.right - r.left) / 2;
        FillLinear(canvas, {r.left, r.top, mid, r.bottom}, a, b, TFillDirection::fdLeftToRight, count);
        FillLinear(canvas, {mid, r.top, r.right, r.bottom}, a, b, TFillDirection::fdRightToLeft, count);
        return;
    }
    case TFillDirection::fdXPFace:
        return DrawXPFace(canvas, r, a, b, count);
    default:
        return FillLinear(canvas, r, a, b, direction, count);
    }
}

void DrawXPFace(TCanvas& canvas, const RECT& r, TColor a, TColor b, int count) {
    if (r.right <= r.left || r.bottom <= r.top) return;
    const TColor light = LightenColor(a, 30);
    canvas.Brush().SetStyle(TBrushStyle::bsSolid);
    canvas.Brush().SetColor(b);
    canvas.FrameRect(r);
    RECT in{r.left + 1, r.top + 1, r.right - 1, r.bottom - 1};
    if (in.right <= in.left || in.bottom <= in.top) return;
    FillLinear(canvas, in, light, a, TFillDirection::fdTopToBottom, count);
    constexpr int kStrip = 6;
    if (in.right - in.left < 2 * kStrip + 1 || in.bottom - in.top < 2 * kStrip + 1) return;
    const int l = in.left, t = in.top, rr = in.right, bb = in.bottom;
    FillLinear(canvas, {l + kStrip, t, rr - kStrip, t + kStrip}, light, a, TFillDirection::fdTopToBottom,
               count);
    FillLinear(canvas, {l + kStrip, bb - kStrip, rr - kStrip, bb}, a, b, TFillDirection::fdTopToBottom,
               count);
    FillLinear(canvas, {l, t + kStrip, l + kStrip, bb - kStrip}, light, a, TFillDirection::fdLeftToRight,
               count);
    FillLinear(canvas, {rr - kStrip, t + kStrip, rr, bb - kStrip}, a, b, TFillDirection::fdLeftToRight,
               count);
    FillCornerRows(canvas, {l, t, l + kStrip, t + kStrip}, l + kStrip);
    FillCornerRows(canvas, {rr - kStrip, t, rr, t + kStrip}, rr - kStrip - 1);
    FillCornerRows(canvas, {l, bb - kStrip, l + kStrip, bb}, l + kStrip);
    FillCornerRows(canvas, {rr - kStrip, bb - kStrip, rr, bb}, rr - kStrip - 1);
}

} // namespace yq
