// Graphics: colours, canvas drawing, bitmaps, JPEG pictures, frames.
#include "Bitmap.h"
#include "Jpeg.h"
#include "Paint.h"
#include "Picture.h"
#include "pictures.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <vector>

using namespace yq;
using namespace yq::test;

namespace {

TEST(Colors, SystemColoursAreResolvedWhenDrawn) {
    EXPECT_EQ(ColorToRGB(clBtnFace), TColor(GetSysColor(COLOR_BTNFACE)));
    EXPECT_EQ(ColorToRGB(clBtnShadow), TColor(GetSysColor(COLOR_BTNSHADOW)));
    EXPECT_EQ(ColorToRGB(0x00C86200), 0x00C86200u);
    TBitmap bmp(4, 4);
    bmp.Canvas().Brush().SetColor(clBtnHighlight);
    bmp.Canvas().FillRect({0, 0, 4, 4});
    EXPECT_EQ(bmp.Pixel(1, 1), ColorToRGB(clBtnHighlight));
}

TEST(Canvas, PenBrushAndShapes) {
    TBitmap bmp(40, 40);
    TCanvas& c = bmp.Canvas();
    c.Brush().SetColor(clWhite);
    c.FillRect({0, 0, 40, 40});
    // Clear brush: only the outline.
    c.Pen().SetColor(clRed);
    c.Brush().SetStyle(TBrushStyle::bsClear);
    c.Rectangle(2, 2, 12, 12);
    EXPECT_EQ(bmp.Pixel(2, 2), clRed);
    EXPECT_EQ(bmp.Pixel(11, 11), clRed);
    EXPECT_EQ(bmp.Pixel(6, 6), clWhite);
    EXPECT_EQ(bmp.Pixel(12, 12), clWhite); // right and bottom exclusive
    // Solid line, then a dotted one leaves gaps.
    c.Pen().SetColor(clBlue);
    c.MoveTo(0, 20);
    c.LineTo(40, 20);
    int solid = 0, dotted = 0;
    for (int x = 0; x < 30; ++x)
        solid += bmp.Pixel(x, 20) == clBlue;
    c.Pen().SetStyle(TPenStyle::psDot);
    c.MoveTo(0, 25);
    c.LineTo(40, 25);
    for (int x = 0; x < 30; ++x)
        dotted += bmp.Pixel(x, 25) == clBlue;
    EXPECT_EQ(solid, 30);
    EXPECT_GT(dotted, 5);
    EXPECT_LT(dotted, 25);
    // FrameRect draws the brush colour around.
    c.Brush().SetColor(clGreen);
    c.FrameRect({20, 2, 30, 12});
    EXPECT_EQ(bmp.Pixel(20, 2), clGreen);
    EXPECT_EQ(bmp.Pixel(25, 6), clWhite);
    EXPECT_EQ(c.PenPos().x, 40);
}

TEST(Canvas, TextAlignmentAndClearBackground) {
    TBitmap bmp(200, 60);
    TCanvas& c = bmp.Canvas();
    c.Brush().SetColor(clWhite);
    c.FillRect({0, 0, 200, 60});
    c.Font().SetName(L"宋体");
    c.Font().SetHeight(-14);
    c.Font().SetColor(clBlack);
    SIZE ext = c.TextExtent(L"WWW");
    EXPECT_GT(ext.cx, 10);
    EXPECT_GT(ext.cy, 10);
    c.Brush().SetStyle(TBrushStyle::bsClear);
    RECT r{0, 0, 200, 20};
    c.DrawText(L"WWW", r, DT_SINGLELINE | DT_RIGHT | DT_VCENTER);
    auto inkSpan = [&](int top, int bottom) {
        int first = -1, last = -1;
        for (int x = 0; x < 200; ++x)
            for (int y = top; y < bottom; ++y)
                if (bmp.Pixel(x, y) != clWhite) {
                    if (first < 0) first = x;
                    last = x;
                }
        return std::pair{first, last};
    };
    auto [first, last] = inkSpan(0, 20);
    EXPECT_GT(first, 200 - ext.cx - 3);
    EXPECT_GE(last, 195);
    // Word-breaking text takes two lines where one would not fit.
    RECT wide{0, 0, 200, 0}, narrow{0, 0, ext.cx + 2, 0};
    c.DrawText(L"WWW WWW", wide, DT_CALCRECT | DT_WORDBREAK);
    c.DrawText(L"WWW WWW", narrow, DT_CALCRECT | DT_WORDBREAK);
    EXPECT_EQ(narrow.bottom, 2 * wide.bottom);
    // Opaque brush paints the text background.
    c.Brush().SetColor(clYellow);
    c.TextOut(0, 30, L" ");
    EXPECT_EQ(bmp.Pixel(1, 32), clYellow);
}

TEST(Canvas, PutsBackWhatItSelected) {
    TMemoryDC dc;
    TBitmapHandle target(CreateCompatibleBitmap(TWindowDC(nullptr).Get(), 10, 10));
    TSelectObject sel(dc.Get(), target.Get());
    HGDIOBJ font = GetCurrentObject(dc.Get(), OBJ_FONT), pen = GetCurrentObject(dc.Get(), OBJ_PEN),
            brush = GetCurrentObject(dc.Get(), OBJ_BRUSH);
    {
        TCanvas c;
        c.SetHandle(dc.Get());
        c.Pen().SetColor(clRed);
        c.Rectangle(0, 0, 5, 5);
        c.TextOut(0, 0, L"x");
        c.Font().SetHeight(-20); // changes while selected
        c.TextOut(0, 0, L"y");
        EXPECT_NE(GetCurrentObject(dc.Get(), OBJ_FONT), font);
        c.SetHandle(nullptr);
        EXPECT_EQ(GetCurrentObject(dc.Get(), OBJ_FONT), font);
        EXPECT_EQ(GetCurrentObject(dc.Get(), OBJ_PEN), pen);
        EXPECT_EQ(GetCurrentObject(dc.Get(), OBJ_BRUSH), brush);
    }
}

TEST(Frames, Frame3DAndEdges) {
    TBitmap bmp(20, 20);
    bmp.Canvas().Brush().SetColor(clWhite);
    bmp.Canvas().FillRect({0, 0, 20, 20});
    RECT r{0, 0, 10, 10};
    Frame3D(bmp.Canvas(), r, clRed, clBlue, 2);
    EXPECT_EQ(r.left, 2);
    EXPECT_EQ(r.right, 8);
    struct Case {
        int x, y;
        TColor color;
    } cases[] = {{0, 0, clRed},  {8, 0, clRed}, {9, 0, clBlue}, {0, 8, clRed},   {0, 9, clBlue},
                 {9, 9, clBlue}, {1, 1, clRed}, {8, 8, clBlue}, {2, 2, clWhite}, {5, 5, clWhite}};
    for (const Case& c : cases)
        EXPECT_EQ(bmp.Pixel(c.x, c.y), c.color) << c.x << "," << c.y;
    RECT e{10, 10, 20, 20};
    DrawEdge(bmp.Canvas(), e, BDR_RAISEDINNER, BF_RECT | BF_ADJUST);
    EXPECT_EQ(bmp.Pixel(10, 10), ColorToRGB(clBtnHighlight));
    EXPECT_EQ(bmp.Pixel(19, 19), ColorToRGB(clBtnShadow));
    EXPECT_EQ(e.left, 11);
}

TEST(Bitmaps, SizePixelsAndRoundTripThroughBmp) {
    TBitmap bmp(3, 2);
    EXPECT_EQ(bmp.Pixel(0, 0), clWhite); // new area is white
    bmp.SetPixel(0, 0, clRed);
    bmp.SetPixel(2, 1, 0x123456);
    bmp.SetSize(5, 4); // keeps the overlap
    EXPECT_EQ(bmp.Pixel(0, 0), clRed);
    EXPECT_EQ(bmp.Pixel(2, 1), 0x123456u);
    EXPECT_EQ(bmp.Pixel(4, 3), clWhite);
    EXPECT_EQ(bmp.Pixel(5, 0), clNone);
    std::vector<std::uint8_t> file = bmp.SaveToBytes();
    TBitmap copy;
    copy.LoadFromBytes(file.data(), file.size());
    EXPECT_EQ(copy.Width(), 5);
    EXPECT_EQ(copy.Height(), 4);
    EXPECT_EQ(copy.Pixel(0, 0), clRed);
    EXPECT_EQ(copy.Pixel(2, 1), 0x123456u);
}

TEST(Bitmaps, ReadsPalettedFilesAndRejectsBrokenOnes) {
    // A 2×2 8-bit BMP: palette entry 1 is green, 2 is blue.
    std::vector<std::uint8_t> f(14 + 40 + 3 * 4 + 8, 0);
    auto put32 = [&](size_t at, std::uint32_t v) { std::memcpy(&f[at], &v, 4); };
    auto put16 = [&](size_t at, std::uint16_t v) { std::memcpy(&f[at], &v, 2); };
    f[0] = 'B';
    f[1] = 'M';
    put32(2, std::uint32_t(f.size()));
    put32(10, 14 + 40 + 12);
    put32(14, 40);
    put32(18, 2);
    put32(22, 2);
    put16(26, 1);
    put16(28, 8);
    put32(46, 3); // colours used
    const std::uint8_t palette[] = {0, 0, 0, 0, 0, 255, 0, 0, 255, 0, 0, 0};
    std::memcpy(&f[54], palette, 12);
    f[66] = 1; // bottom row: green, blue
    f[67] = 2;
    f[70] = 2; // top row: blue, green
    f[71] = 1;
    TBitmap bmp;
    bmp.LoadFromBytes(f.data(), f.size());
    EXPECT_EQ(bmp.Pixel(0, 0), clBlue);
    EXPECT_EQ(bmp.Pixel(0, 1), clLime);
    // Truncated pixels, a huge size, a wrong signature: an error, and the
    // bitmap keeps its picture.
    std::vector<std::vector<std::uint8_t>> broken{f, f, f};
    broken[0].resize(f.size() - 4);
    std::memcpy(&broken[1][18], "\xFF\xFF\x00\x00", 4);
    broken[2][0] = 'X';
    for (auto& b : broken) {
        EXPECT_THROW(bmp.LoadFromBytes(b.data(), b.size()), EInvalidGraphic);
        EXPECT_EQ(bmp.Width(), 2);
        EXPECT_EQ(bmp.Pixel(0, 0), clBlue);
    }
}

TEST(Bitmaps, TransparentDrawingSkipsTheBottomLeftColour) {
    TBitmap glyph(4, 4);
    glyph.Canvas().Brush().SetColor(clFuchsia);
    glyph.Canvas().FillRect({0, 0, 4, 4});
    glyph.SetPixel(1, 1, clRed);
    TBitmap target(4, 4);
    target.Canvas().Brush().SetColor(clLime);
    target.Canvas().FillRect({0, 0, 4, 4});
    glyph.SetTransparent(true);
    EXPECT_EQ(glyph.TransparentColor(), clFuchsia);
    target.Canvas().Draw(0, 0, glyph);
    EXPECT_EQ(target.Pixel(1, 1), clRed);
    EXPECT_EQ(target.Pixel(2, 2), clLime);
    glyph.SetTransparent(false);
    target.Canvas().Draw(0, 0, glyph);
    EXPECT_EQ(target.Pixel(2, 2), clFuchsia);
}

TEST(Bitmaps, MonochromeKeepsWhiteAndBlackensTheRest) {
    TBitmap bmp(3, 1);
    bmp.SetPixel(0, 0, clWhite);
    bmp.SetPixel(1, 0, clSilver);
    bmp.SetPixel(2, 0, clNavy);
    bmp.SetMonochrome(true);
    EXPECT_TRUE(bmp.Monochrome());
    EXPECT_EQ(bmp.Pixel(0, 0), clWhite);
    EXPECT_EQ(bmp.Pixel(1, 0), clBlack);
    EXPECT_EQ(bmp.Pixel(2, 0), clBlack);
    std::vector<std::uint8_t> file = bmp.SaveToBytes();
    TBitmap copy;
    copy.LoadFromBytes(file.data(), file.size());
    EXPECT_EQ(copy.Pixel(0, 0), clWhite);
    EXPECT_EQ(copy.Pixel(2, 0), clBlack);
}

TEST(Bitmaps, AMonochromeStampPaintsTheDarkPixelsOnly) {
    TBitmap glyph(3, 3);
    glyph.SetPixel(1, 1, clNavy);
    glyph.SetPixel(2, 2, clBlack);
    TBitmap target(6, 6);
    target.Canvas().Brush().SetColor(clLime);
    target.Canvas().FillRect({0, 0, 6, 6});
    StampMonochrome(target.Canvas(), 1, 1, glyph, clRed); // a colour bitmap
    glyph.SetMonochrome(true);
    StampMonochrome(target.Canvas(), 0, 0, glyph, clBlue); // a monochrome one
    EXPECT_EQ(target.Pixel(1, 1), clBlue);
    EXPECT_EQ(target.Pixel(2, 2), clBlue); // both stamps: the second wins
    EXPECT_EQ(target.Pixel(3, 3), clRed);
    EXPECT_EQ(target.Pixel(0, 0), clLime);
    EXPECT_EQ(target.Pixel(2, 1), clLime);
}

TEST(Bitmaps, MissingResourceGivesNoPicture) {
    TBitmap bmp;
    EXPECT_FALSE(bmp.LoadFromResourceName(GetModuleHandleW(nullptr), L"NO_SUCH_BITMAP"));
    EXPECT_TRUE(bmp.Empty());
}

TEST(Jpeg, DecodesAndIsAlwaysDrawnOpaque) {
    std::vector<std::uint8_t> bytes = MakeJpeg(32, 16, [](int, int) { return Rgb(200, 40, 30); });
    TPicture picture;
    picture.LoadFromBytes(bytes.data(), bytes.size());
    ASSERT_STREQ(picture.Graphic()->ClassName(), "TJPEGImage");
    EXPECT_EQ(picture.Width(), 32);
    EXPECT_EQ(picture.Height(), 16);
    picture.Graphic()->SetTransparent(true);
    TBitmap target(64, 32);
    target.Canvas().StretchDraw({0, 0, 64, 32}, *picture.Graphic());
    EXPECT_TRUE(Near(target.Pixel(0, 31), RGB(200, 40, 30), 6)) << std::hex << target.Pixel(0, 31);
    EXPECT_TRUE(Near(target.Pixel(40, 10), RGB(200, 40, 30), 6));
}

TEST(Jpeg, CorruptDataIsAnErrorNotAnExit) {
    std::vector<std::uint8_t> good = MakeJpeg(16, 16, [](int, int) { return Rgb(10, 20, 30); });
    TJPEGImage jpeg;
    jpeg.LoadFromBytes(good.data(), good.size());
    std::vector<std::vector<std::uint8_t>> broken{
        {0xFF, 0xD8, 0xFF, 0xE0, 0x00},                             // header cut short
        std::vector<std::uint8_t>(good.begin(), good.begin() + 20), // no frame
        {0xFF, 0xD8, 0x00, 0x01, 0x02, 0x03, 0x04, 0x05},           // garbage after SOI
    };
    for (auto& b : broken) {
        EXPECT_THROW(jpeg.LoadFromBytes(b.data(), b.size()), EInvalidGraphic);
        EXPECT_EQ(jpeg.Width(), 16); // the old picture stays
    }
    TPicture picture;
    const std::uint8_t text[] = "hello";
    EXPECT_THROW(picture.LoadFromBytes(text, sizeof text), EInvalidGraphic);
}

TEST(Pictures, AssignCopiesAndNotifies) {
    TPicture a, b;
    int changes = 0;
    b.OnChange = [&] { ++changes; };
    a.Bitmap()->SetSize(3, 3);
    a.Bitmap()->SetPixel(1, 1, clRed);
    b.Assign(a);
    EXPECT_EQ(changes, 1);
    ASSERT_NE(b.Graphic(), a.Graphic());
    a.Bitmap()->SetPixel(1, 1, clBlue);
    EXPECT_EQ(b.Bitmap()->Pixel(1, 1), clRed);
    b.Bitmap()->SetSize(4, 4); // a change of the held graphic reaches the picture
    EXPECT_EQ(changes, 2);
}

TEST(Offscreen, ComposesAndCopiesInOneStep) {
    TOffscreen buffer(10, 10);
    buffer.Canvas().Brush().SetColor(clRed);
    buffer.Canvas().FillRect({0, 0, 10, 10});
    TBitmap target(20, 20);
    buffer.CopyTo(target.Canvas().Handle(), 5, 5);
    EXPECT_EQ(target.Pixel(4, 4), clWhite);
    EXPECT_EQ(target.Pixel(5, 5), clRed);
    EXPECT_EQ(target.Pixel(14, 14), clRed);
    EXPECT_EQ(target.Pixel(15, 15), clWhite);
}

} // namespace
