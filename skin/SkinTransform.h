#pragma once
// Picture transforms of the skin engine (in place, 24-bit results) and the
// window region made from a picture's non-key pixels.
#include "Bitmap.h"
#include "GdiObjects.h"

#include <vector>

#include <windows.h>

namespace yq {

// Each pixel's components become (R + G + B) div 3.
void GrayscaleBitmap(TBitmap& picture);
// Left and right exchanged.
void MirrorBitmap(TBitmap& picture);
// Each of the n frames of a horizontal strip mirrored in its place, so
// that frame k still shows state k.
void MirrorBitmapFrames(TBitmap& picture, int n);
// Top and bottom exchanged.
void FlipBitmap(TBitmap& picture);
// Turned 90 degrees anticlockwise / clockwise; width and height exchange.
void RotateBitmapLeft(TBitmap& picture);
void RotateBitmapRight(TBitmap& picture);

// The rectangles of a region: per row, one for each maximal run of pixels
// outside the key range (key's red r0 .. min(255, r0 + tr), and so on for
// green and blue), moved by (dx, dy).
std::vector<RECT> BitmapRuns(const TBitmap& picture, int dx, int dy, int tb, int tg, int tr, TColor key);

// Unites rectangles into a region in batches: storage grows by 500
// rectangles, and every 2000 the batch becomes a region of its own that is
// united with the result.
class TRegionBuilder {
public:
    static constexpr std::size_t kGrowth = 500;
    static constexpr std::size_t kBatch = 2000;

    void Add(const RECT& r);
    // The union so far (empty when nothing was added); the builder starts over.
    TRegionHandle Finish();
    int Batches() const { return batches_; }

private:
    void Flush();
    std::vector<RECT> batch_;
    TRegionHandle result_;
    int batches_ = 0;
};

// The region of BitmapRuns; empty when every pixel is in the key range.
TRegionHandle CreateRegionFromBitmap(const TBitmap& picture, int dx, int dy, int tb, int tg, int tr,
                                     TColor key);

} // namespace yq
