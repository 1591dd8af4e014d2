#include "SkinTransform.h"

#include "DibAccess.h"

#include <algorithm>
#include <cstring>

namespace yq {

void GrayscaleBitmap(TBitmap& picture) {
    TDibAccess px(picture);
    for (int y = 0; y < px.Height(); ++y) {
        for (int x = 0; x < px.Width(); ++x) {
            const TColor c = px.Get(x, y);
            const TColor grey = ((c & 0xFF) + (c >> 8 & 0xFF) + (c >> 16 & 0xFF)) / 3;
            px.Set(x, y, grey | grey << 8 | grey << 16);
        }
    }
}

void MirrorBitmap(TBitmap& picture) {
    MirrorBitmapFrames(picture, 1);
}

void MirrorBitmapFrames(TBitmap& picture, int n) {
    TDibAccess px(picture);
    const int frameWidth = px.Width() / std::max(n, 1);
    if (frameWidth <= 0) return;
    for (int y = 0; y < px.Height(); ++y) {
        for (int start = 0; start + frameWidth <= px.Width(); start += frameWidth) {
            for (int x = start, other = start + frameWidth - 1; x < other; ++x, --other) {
                const TColor c = px.Get(x, y);
                px.Set(x, y, px.Get(other, y));
                px.Set(other, y, c);
            }
        }
    }
}

void FlipBitmap(TBitmap& picture) {
    TDibAccess px(picture);
    for (int y = 0, other = px.Height() - 1; y < other; ++y, --other) {
        for (int x = 0; x < px.Width(); ++x) {
            const TColor c = px.Get(x, y);
            px.Set(x, y, px.Get(x, other));
            px.Set(x, other, c);
        }
    }
}

namespace {

// new(x', y') = old(source(x', y')), the new picture being h wide, w high.
template <class Source> void Rotate(TBitmap& picture, Source source) {
    TDibAccess old(picture);
    const int w = old.Width(), h = old.Height();
    TBitmap turned(h, w);
    TDibAccess now(turned);
    for (int y = 0; y < w; ++y) {
        for (int x = 0; x < h; ++x) {
            const auto [sx, sy] = source(x, y, w, h);
            now.Set(x, y, old.Get(sx, sy));
        }
    }
    picture.Assign(turned);
}

} // namespace

void RotateBitmapLeft(TBitmap& picture) {
    Rotate(picture, [](int x, int y, int w, int) { return std::pair{w - 1 - y, x}; });
}

void RotateBitmapRight(TBitmap& picture) {
    Rotate(picture, [](int x, int y, int, int h) { return std::pair{y, h - 1 - x}; });
}

std::vector<RECT> BitmapRuns(const TBitmap& picture, int dx, int dy, int tb, int tg, int tr, TColor key) {
    const int r0 = int(key & 0xFF), g0 = int(key >> 8 & 0xFF), b0 = int(key >> 16 & 0xFF);
    const int r1 = std::min(255, r0 + tr), g1 = std::min(255, g0 + tg), b1 = std::min(255, b0 + tb);
    const auto keyed = [&](TColor c) {
        const int r = int(c & 0xFF), g = int(c >> 8 & 0xFF), b = int(c >> 16 & 0xFF);
        return r >= r0 && r <= r1 && g >= g0 && g <= g1 && b >= b0 && b <= b1;
    };
    std::vector<RECT> runs;
    if (picture.Empty()) return runs;
    TBitmap colour; // a monochrome picture is read from a 24-bit copy
    if (picture.Monochrome()) {
        colour.Assign(picture);
        colour.SetMonochrome(false);
    }
    const TDibAccess px(picture.Monochrome() ? colour : picture);
    for (int y = 0; y < px.Height(); ++y) {
        int x = 0;
        while (x < px.Width()) {
            while (x < px.Width() && keyed(px.Get(x, y)))
                ++x;
            const int start = x;
            while (x < px.Width() && !keyed(px.Get(x, y)))
                ++x;
            if (x > start) runs.push_back(RECT{start + dx, y + dy, x + dx, y + dy + 1});
        }
    }
    return runs;
}

void TRegionBuilder::Add(const RECT& r) {
    if (batch_.size() == batch_.capacity()) batch_.reserve(batch_.capacity() + kGrowth);
    batch_.push_back(r);
    if (batch_.size() == kBatch) Flush();
}

void TRegionBuilder::Flush() {
    if (batch_.empty()) return;
    RECT bound = batch_.front();
    for (const RECT& r : batch_) {
        bound.left = std::min(bound.left, r.left);
        bound.top = std::min(bound.top, r.top);
        bound.right = std::max(bound.right, r.right);
        bound.bottom = std::max(bound.bottom, r.bottom);
    }
    std::vector<std::uint8_t> data(sizeof(RGNDATAHEADER) + batch_.size() * sizeof(RECT));
    auto* header = reinterpret_cast<RGNDATAHEADER*>(data.data());
    header->dwSize = sizeof(RGNDATAHEADER);
    header->iType = RDH_RECTANGLES;
    header->nCount = DWORD(batch_.size());
    header->nRgnSize = DWORD(batch_.size() * sizeof(RECT));
    header->rcBound = bound;
    std::memcpy(data.data() + sizeof(RGNDATAHEADER), batch_.data(), batch_.size() * sizeof(RECT));
    TRegionHandle part(ExtCreateRegion(nullptr, DWORD(data.size()), reinterpret_cast<RGNDATA*>(data.data())));
    if (!result_) {
        result_ = std::move(part);
    } else if (part) {
        CombineRgn(result_.Get(), result_.Get(), part.Get(), RGN_OR);
    }
    ++batches_;
    batch_.clear();
}

TRegionHandle TRegionBuilder::Finish() {
    Flush();
    TRegionHandle result = std::move(result_);
    if (!result) result.Reset(CreateRectRgn(0, 0, 0, 0));
    batch_ = {};
    return result;
}

TRegionHandle CreateRegionFromBitmap(const TBitmap& picture, int dx, int dy, int tb, int tg, int tr,
                                     TColor key) {
    TRegionBuilder builder;
    for (const RECT& r : BitmapRuns(picture, dx, dy, tb, tg, tr, key))
        builder.Add(r);
    return builder.Finish();
}

} // namespace yq
