#include "Raster.h"

#include <algorithm>
#include <cmath>

namespace yq::art {

std::uint32_t TRgb::Packed() const {
    const auto c = [](float v) { return std::uint32_t(std::lround(std::clamp(v, 0.f, 255.f))); };
    std::uint32_t p = c(r) << 16 | c(g) << 8 | c(b);
    // Artwork must never hit the key colour by accident.
    if (p == kKey) p = 0xFE00FF;
    return p;
}

TRgb Mix(TRgb a, TRgb b, float t) {
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

TDistance RoundRect(float left, float top, float right, float bottom, float radius) {
    const float cx = (left + right) / 2, cy = (top + bottom) / 2;
    const float hx = (right - left) / 2 - radius, hy = (bottom - top) / 2 - radius;
    return [=](float x, float y) {
        const float qx = std::abs(x - cx) - hx, qy = std::abs(y - cy) - hy;
        const float outside = std::hypot(std::max(qx, 0.f), std::max(qy, 0.f));
        return outside + std::min(std::max(qx, qy), 0.f) - radius;
    };
}

TDistance Circle(float cx, float cy, float radius) {
    return [=](float x, float y) { return std::hypot(x - cx, y - cy) - radius; };
}

TDistance Segment(float x0, float y0, float x1, float y1, float halfWidth) {
    return [=](float x, float y) {
        const float dx = x1 - x0, dy = y1 - y0;
        const float len2 = dx * dx + dy * dy;
        const float t = len2 > 0 ? std::clamp(((x - x0) * dx + (y - y0) * dy) / len2, 0.f, 1.f) : 0.f;
        return std::hypot(x - (x0 + t * dx), y - (y0 + t * dy)) - halfWidth;
    };
}

TDistance Polygon(std::vector<std::pair<float, float>> points) {
    return [points = std::move(points)](float x, float y) {
        float d = -1e9f;
        for (std::size_t i = 0; i < points.size(); ++i) {
            const auto [ax, ay] = points[i];
            const auto [bx, by] = points[(i + 1) % points.size()];
            const float ex = bx - ax, ey = by - ay;
            const float len = std::hypot(ex, ey);
            // Outward normal of a clockwise edge (y grows downwards).
            d = std::max(d, ((x - ax) * ey - (y - ay) * ex) / len);
        }
        return d;
    };
}

TDistance Union(TDistance a, TDistance b) {
    return [=](float x, float y) { return std::min(a(x, y), b(x, y)); };
}

TDistance Subtract(TDistance a, TDistance b) {
    return [=](float x, float y) { return std::max(a(x, y), -b(x, y)); };
}

TDistance Inner(TDistance shape, float width) {
    return [=](float x, float y) {
        const float d = shape(x, y);
        return std::max(d, -(d + width));
    };
}

TPaint Solid(TRgb colour) {
    return [=](float, float) { return colour; };
}

TPaint VerticalGradient(float top, float bottom, TRgb from, TRgb to) {
    return [=](float, float y) { return Mix(from, to, std::clamp((y - top) / (bottom - top), 0.f, 1.f)); };
}

TFrame::TFrame(int width, int height, TPaint backdrop)
    : width_(width), height_(height), pixels_(std::size_t(width) * std::size_t(height)),
      solid_(pixels_.size(), 0.f) {
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x)
            pixels_[std::size_t(y * width + x)] = backdrop(x + 0.5f, y + 0.5f);
    }
}

void TFrame::Fill(const TDistance& shape, const TPaint& paint, float alpha, bool solid) {
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x) {
            const float px = x + 0.5f, py = y + 0.5f;
            const float coverage = std::clamp(0.5f - shape(px, py), 0.f, 1.f);
            if (coverage <= 0) continue;
            const auto i = std::size_t(y * width_ + x);
            pixels_[i] = Mix(pixels_[i], paint(px, py), coverage * alpha);
            if (solid) solid_[i] = std::max(solid_[i], coverage);
        }
    }
}

void TFrame::FillRect(int left, int top, int right, int bottom, TRgb colour) {
    for (int y = std::max(top, 0); y < std::min(bottom, height_); ++y) {
        for (int x = std::max(left, 0); x < std::min(right, width_); ++x) {
            pixels_[std::size_t(y * width_ + x)] = colour;
            solid_[std::size_t(y * width_ + x)] = 1;
        }
    }
}

void TFrame::MakeOpaque() {
    std::fill(solid_.begin(), solid_.end(), 1.f);
}

void TFrame::Set(int x, int y, TRgb colour) {
    pixels_[std::size_t(y * width_ + x)] = colour;
    solid_[std::size_t(y * width_ + x)] = 1;
}

TRgbImage TFrame::Image(bool keyed) const {
    TRgbImage image{width_, height_, {}};
    image.Pixels.reserve(pixels_.size());
    for (std::size_t i = 0; i < pixels_.size(); ++i) {
        image.Pixels.push_back(keyed && solid_[i] < 0.5f ? kKey : pixels_[i].Packed());
    }
    return image;
}

TRgbImage Strip(const std::vector<TRgbImage>& frames, bool vertical) {
    TRgbImage out;
    for (const auto& f : frames) {
        out.Width = vertical ? std::max(out.Width, f.Width) : out.Width + f.Width;
        out.Height = vertical ? out.Height + f.Height : std::max(out.Height, f.Height);
    }
    out.Pixels.assign(std::size_t(out.Width) * std::size_t(out.Height), kKey);
    int at = 0;
    for (const auto& f : frames) {
        for (int y = 0; y < f.Height; ++y) {
            for (int x = 0; x < f.Width; ++x) {
                if (vertical) {
                    out.At(x, at + y) = f.At(x, y);
                } else {
                    out.At(at + x, y) = f.At(x, y);
                }
            }
        }
        at += vertical ? f.Height : f.Width;
    }
    return out;
}

} // namespace yq::art
