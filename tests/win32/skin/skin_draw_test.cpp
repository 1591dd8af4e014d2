// The skin drawing primitives and picture transforms, checked at the pixels
// that show the rules: frame selection, margins, tiling, centring, the key
// colour, regions and turns.
#include "SkinDraw.h"
#include "SkinTransform.h"

#include <gtest/gtest.h>

#include <functional>
#include <set>

namespace yq {
namespace {

constexpr TColor kKey = 0xFF00FF;

// Pixel (x, y) of a test picture names its own position.
TColor At(int x, int y) {
    return RGB(x, y, 100);
}

std::unique_ptr<TBitmap> Picture(int w, int h, const std::function<TColor(int, int)>& colour = At) {
    auto p = std::make_unique<TBitmap>(w, h);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x)
            p->SetPixel(x, y, colour(x, y));
    }
    return p;
}

int SourceX(TColor c) {
    return int(c & 0xFF);
}
int SourceY(TColor c) {
    return int(c >> 8 & 0xFF);
}

TEST(SkinDraw, MarginsThatDoNotFitAreDropped) {
    // 10 x 10 with margins 6: the whole 5 x 5 frame is stretched (each
    // source pixel doubled).
    const auto picture = Picture(5, 5);
    const auto built = BuildSkinImage({0, 0, 10, 10}, *picture, {6, 6, 6, 6}, false, false, 1, 1);
    ASSERT_EQ(built->Width(), 10);
    for (int y = 0; y < 10; ++y) {
        for (int x = 0; x < 10; ++x)
            ASSERT_EQ(built->Pixel(x, y), At(x / 2, y / 2)) << x << "," << y;
    }
    // Only the axis that is too small loses its margins: 10 wide (halved:
    // one of each pair of columns), 40 high (margins kept, unscaled).
    const auto tall = Picture(20, 20);
    const auto kept = BuildSkinImage({0, 0, 10, 40}, *tall, {6, 6, 6, 6}, false, false, 1, 1);
    for (int x = 0; x < 10; ++x) {
        EXPECT_EQ(SourceX(kept->Pixel(x, 0)) / 2, x);
        for (int y : {0, 5, 34, 39})
            EXPECT_EQ(SourceY(kept->Pixel(x, y)), y < 6 ? y : y - 20) << x << "," << y;
    }
}

TEST(SkinDraw, FrameTwoOfAFiveFrameStripWithUnscaledCorners) {
    const auto strip = Picture(100, 20);
    const auto built = BuildSkinImage({0, 0, 40, 20}, *strip, {3, 3, 3, 3}, false, false, 5, 2);
    std::set<int> used;
    for (int y = 0; y < 20; ++y) {
        for (int x = 0; x < 40; ++x) {
            const TColor c = built->Pixel(x, y);
            ASSERT_GE(SourceX(c), 20);
            ASSERT_LE(SourceX(c), 39);
            ASSERT_EQ(SourceY(c), y) << "no vertical scaling at the frame's own height";
            used.insert(SourceX(c));
        }
    }
    EXPECT_EQ(used.size(), 20u) << "every column of the frame appears";
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(built->Pixel(i, 0), At(20 + i, 0));
        EXPECT_EQ(built->Pixel(37 + i, 19), At(37 + i, 19));
    }
}

TEST(SkinDraw, TiledCentreRepeatsFromItsLeftAndTheEdgeCoversTheOverrun) {
    // Frame 11 wide: margins 2, centre source 7 wide, into a centre 20 wide.
    const auto frame = Picture(11, 6);
    const auto built = BuildSkinImage({0, 0, 24, 6}, *frame, {2, 0, 2, 0}, false, true, 1, 1);
    for (int offset : {0, 7, 14}) {
        for (int i = 0; i < 7 && 2 + offset + i < 22; ++i) {
            EXPECT_EQ(built->Pixel(2 + offset + i, 3), At(2 + i, 3)) << "tile at " << offset;
        }
    }
    EXPECT_EQ(built->Pixel(22, 3), At(9, 3)) << "the right edge covers the last tile's overrun";
    EXPECT_EQ(built->Pixel(23, 3), At(10, 3));

    // A centre without width draws nothing; the edges still do.
    const auto edgesOnly = BuildSkinImage({0, 0, 24, 6}, *Picture(4, 6), {2, 0, 2, 0}, false, true, 1, 1);
    EXPECT_EQ(edgesOnly->Pixel(10, 3), clWhite);
    EXPECT_EQ(edgesOnly->Pixel(23, 3), At(3, 3));
}

TEST(SkinDraw, VerticalFramesStackTopToBottom) {
    const auto stack = Picture(8, 30);
    const auto built = BuildSkinImage({0, 0, 8, 10}, *stack, {}, true, false, 3, 3);
    EXPECT_EQ(built->Pixel(0, 0), At(0, 20));
    EXPECT_EQ(built->Pixel(7, 9), At(7, 29));
}

TEST(SkinDraw, GlyphsAreCentredUnscaled) {
    // A 16-wide frame in a 10-wide rectangle starts at left - 3.
    const auto glyphs = Picture(32, 4);
    TBitmap target(40, 10);
    DrawSkinGlyph(target.Canvas().Handle(), {10, 0, 20, 10}, *glyphs, false, 2, 2);
    EXPECT_EQ(target.Pixel(6, 3), clWhite);
    EXPECT_EQ(target.Pixel(7, 3), At(16, 0));
    EXPECT_EQ(target.Pixel(22, 6), At(31, 3));
    EXPECT_EQ(target.Pixel(23, 6), clWhite);
}

TEST(SkinDraw, KeyColourLeavesTheDestination) {
    // Frame 2 holds a magenta column; drawn stretched and transparent.
    const auto strip = Picture(8, 2, [](int x, int y) { return x == 5 ? kKey : At(x, y); });
    TBitmap target(8, 2);
    DrawSkinFrame(target.Canvas().Handle(), {0, 0, 8, 2}, *strip, true, 2, 2);
    EXPECT_EQ(target.Pixel(0, 0), At(4, 0));
    EXPECT_EQ(target.Pixel(2, 1), clWhite) << "magenta doubled to columns 2 and 3";
    EXPECT_EQ(target.Pixel(3, 1), clWhite);
    EXPECT_EQ(target.Pixel(7, 1), At(7, 1));

    TBitmap opaque(8, 2);
    DrawSkinFrame(opaque.Canvas().Handle(), {0, 0, 8, 2}, *strip, false, 2, 2);
    EXPECT_EQ(opaque.Pixel(2, 1), kKey);

    TBitmap small(3, 3);
    DrawTransparent(small.Canvas().Handle(), {1, 1, 9, 9}, *strip, kKey);
    EXPECT_EQ(small.Pixel(0, 0), clWhite);
    EXPECT_EQ(small.Pixel(1, 1), At(0, 0));
    EXPECT_EQ(small.Pixel(2, 2), At(1, 1));
}

TEST(SkinDraw, BarsAndBorderPieces) {
    // A bar: caps of 2 from a 6-wide frame, the middle (2 wide) tiled, the
    // 3 rows stretched to 6.
    const auto frame = Picture(6, 3);
    TBitmap bar(11, 6);
    DrawSkinBar(bar.Canvas().Handle(), {0, 0, 11, 6}, *frame, false, false, 1, 1, {2, 0, 2, 0});
    EXPECT_EQ(bar.Pixel(1, 5), At(1, 2));
    EXPECT_EQ(bar.Pixel(2, 0), At(2, 0));
    EXPECT_EQ(bar.Pixel(5, 0), At(3, 0));
    EXPECT_EQ(bar.Pixel(6, 2), At(2, 1)) << "the middle repeats every 2 columns";
    EXPECT_EQ(bar.Pixel(9, 0), At(4, 0)) << "right cap";
    EXPECT_EQ(bar.Pixel(10, 4), At(5, 2));

    // Border pieces only: the centre keeps what was there.
    TBitmap page(20, 20);
    DrawSkinImageDirect(page.Canvas().Handle(), {2, 2, 18, 18}, *Picture(12, 12), false, 1, 1, {4, 5, 4, 4});
    EXPECT_EQ(page.Pixel(1, 1), clWhite);
    EXPECT_EQ(page.Pixel(2, 2), At(0, 0));
    EXPECT_EQ(page.Pixel(17, 17), At(11, 11));
    EXPECT_EQ(page.Pixel(10, 10), clWhite) << "no centre";
    EXPECT_EQ(page.Pixel(10, 3), At(SourceX(page.Pixel(10, 3)), 1)) << "top edge, second row";

    // Inverted rectangles draw nothing.
    TBitmap untouched(4, 4);
    DrawSkinImage(untouched.Canvas().Handle(), {3, 0, 1, 4}, *frame, false, false, false, 1, 1, {});
    DrawSkinFrame(untouched.Canvas().Handle(), {0, 3, 4, 1}, *frame, false, 1, 1);
    EXPECT_EQ(untouched.Pixel(2, 2), clWhite);
}

TEST(SkinRegion, RunsOfNonKeyPixels) {
    const auto allKey = Picture(5, 4, [](int, int) { return kKey; });
    EXPECT_TRUE(BitmapRuns(*allKey, 0, 0, 0, 0, 0, kKey).empty());
    auto empty = CreateRegionFromBitmap(*allKey, 0, 0, 0, 0, 0, kKey);
    RECT box;
    EXPECT_EQ(GetRgnBox(empty.Get(), &box), NULLREGION);

    const auto noKey = Picture(5, 4);
    const auto rows = BitmapRuns(*noKey, 10, 20, 0, 0, 0, kKey);
    ASSERT_EQ(rows.size(), 4u) << "one rectangle per row";
    EXPECT_EQ(rows[3].left, 10);
    EXPECT_EQ(rows[3].top, 23);
    EXPECT_EQ(rows[3].right, 15);
    EXPECT_EQ(rows[3].bottom, 24);
    auto whole = CreateRegionFromBitmap(*noKey, 10, 20, 0, 0, 0, kKey);
    EXPECT_EQ(GetRgnBox(whole.Get(), &box), SIMPLEREGION);
    EXPECT_EQ(box.left, 10);
    EXPECT_EQ(box.bottom, 24);

    // Tolerance 1 on each component keys (255, 1, 255) but not (254, 0, 255).
    const TColor row[] = {RGB(255, 1, 255), RGB(254, 0, 255), kKey, RGB(0, 0, 0), RGB(255, 0, 255)};
    const auto mixed = Picture(5, 1, [&](int x, int) { return row[x]; });
    const auto runs = BitmapRuns(*mixed, 0, 0, 1, 1, 1, kKey);
    ASSERT_EQ(runs.size(), 2u);
    EXPECT_EQ(runs[0].left, 1);
    EXPECT_EQ(runs[0].right, 2);
    EXPECT_EQ(runs[1].left, 3);
    EXPECT_EQ(runs[1].right, 4);
}

TEST(SkinRegion, LargeRegionsAreUnitedInBatches) {
    // Every other pixel keyed: 4 runs a row, 4500 rectangles in all.
    const auto stripes = Picture(8, 1125, [](int x, int y) { return x % 2 ? kKey : At(x, y % 200); });
    TRegionBuilder builder;
    for (const RECT& r : BitmapRuns(*stripes, 0, 0, 0, 0, 0, kKey))
        builder.Add(r);
    auto region = builder.Finish();
    EXPECT_EQ(builder.Batches(), 3);
    for (int y : {0, 1999 / 4, 2000 / 4, 1124}) {
        for (int x = 0; x < 8; ++x)
            EXPECT_EQ(PtInRegion(region.Get(), x, y) != 0, x % 2 == 0) << x << "," << y;
    }
}

TEST(SkinTransform, TurnsFlipsAndGreys) {
    const TColor a = RGB(10, 20, 30), b = RGB(200, 100, 0);
    const auto two = [&] { return Picture(2, 1, [&](int x, int) { return x == 0 ? a : b; }); };

    auto right = two();
    RotateBitmapRight(*right);
    ASSERT_EQ(right->Width(), 1);
    ASSERT_EQ(right->Height(), 2);
    EXPECT_EQ(right->Pixel(0, 0), a);
    EXPECT_EQ(right->Pixel(0, 1), b);

    auto left = two();
    RotateBitmapLeft(*left);
    EXPECT_EQ(left->Pixel(0, 0), b);
    EXPECT_EQ(left->Pixel(0, 1), a);

    auto mirrored = two();
    MirrorBitmap(*mirrored);
    EXPECT_EQ(mirrored->Pixel(0, 0), b);

    auto frames = Picture(6, 1); // three frames of 2: each mirrored in place
    MirrorBitmapFrames(*frames, 3);
    for (int x = 0; x < 6; ++x)
        EXPECT_EQ(frames->Pixel(x, 0), At(x ^ 1, 0)) << x;

    auto flipped = Picture(3, 3);
    FlipBitmap(*flipped);
    EXPECT_EQ(flipped->Pixel(1, 0), At(1, 2));
    EXPECT_EQ(flipped->Pixel(1, 1), At(1, 1));

    auto grey = two();
    GrayscaleBitmap(*grey);
    EXPECT_EQ(grey->Pixel(0, 0), RGB(20, 20, 20));
    EXPECT_EQ(grey->Pixel(1, 0), RGB(100, 100, 100));
}

} // namespace
} // namespace yq
