#pragma once
// A small anti-aliased painter for the skin artwork.  Shapes are signed
// distance functions (negative inside, in pixels); a pixel's coverage is
// taken at its centre.  Each frame is painted over the colour it will be
// shown on, so soft edges blend into that colour; pixels that no solid shape
// covers by half become the magenta key when the picture is keyed.
#include "Bmp.h"

#include <cstdint>
#include <functional>
#include <vector>

namespace yq::art {

struct TRgb {
    float r = 0, g = 0, b = 0;
    static TRgb Hex(std::uint32_t rrggbb) {
        return {float(rrggbb >> 16 & 0xFF), float(rrggbb >> 8 & 0xFF), float(rrggbb & 0xFF)};
    }
    std::uint32_t Packed() const;
};
TRgb Mix(TRgb a, TRgb b, float t);

inline constexpr std::uint32_t kKey = 0xFF00FF;

using TDistance = std::function<float(float x, float y)>;
using TPaint = std::function<TRgb(float x, float y)>;

// Shapes (rectangles are left, top, right, bottom in pixel edges).
TDistance RoundRect(float left, float top, float right, float bottom, float radius);
TDistance Circle(float cx, float cy, float radius);
TDistance Segment(float x0, float y0, float x1, float y1, float halfWidth);
// A convex polygon given clockwise in screen coordinates.
TDistance Polygon(std::vector<std::pair<float, float>> points);
TDistance Union(TDistance a, TDistance b);
TDistance Subtract(TDistance a, TDistance b);
// A band of `width` pixels just inside the shape's edge.
TDistance Inner(TDistance shape, float width);

TPaint Solid(TRgb colour);
TPaint VerticalGradient(float top, float bottom, TRgb from, TRgb to);

class TFrame {
public:
    TFrame(int width, int height, TPaint backdrop);

    int Width() const { return width_; }
    int Height() const { return height_; }
    // Blends `paint` in by coverage (times `alpha`); solid shapes also count
    // for the silhouette.
    void Fill(const TDistance& shape, const TPaint& paint, float alpha = 1, bool solid = true);
    void FillRect(int left, int top, int right, int bottom, TRgb colour);
    // Everything is solid: for pictures drawn opaquely.
    void MakeOpaque();
    void Set(int x, int y, TRgb colour);

    TRgbImage Image(bool keyed) const;

private:
    int width_, height_;
    std::vector<TRgb> pixels_;
    std::vector<float> solid_;
};

// Frames side by side (horizontal strip) or stacked (vertical).
TRgbImage Strip(const std::vector<TRgbImage>& frames, bool vertical = false);

} // namespace yq::art
