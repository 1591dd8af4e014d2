// The glyph button's looks, painted into memory bitmaps and checked at the
// pixels that matter: frames per state and style, the disabled glyph, the
// popup arrow, and the quiz window's glyph-above-caption buttons.
#include "ArtNames.h"
#include "glyphbutton_fixture.h"

namespace yq::test {
namespace {

constexpr TColor kFace = 0x00C0E8FF; // a face colour no system colour matches

TEST_F(GlyphButtonTest, FlatButtonShowsNoFrameAtRestOneWhileHotAndASwappedOneWhilePressed) {
    TVelaButton* b = AddButton(10, 10, 40, 30);
    b->SetColor(kFace);
    form->Show();
    const TColor hi = Rgb(clBtnHighlight), sh = Rgb(clBtnShadow);
    struct Corner {
        int x, y;
    } const corners[] = {{0, 0}, {39, 0}, {0, 29}, {39, 29}, {1, 1}};
    auto expect = [&](const char* state, const TColor(&want)[5]) {
        SCOPED_TRACE(state);
        auto pic = Picture(b);
        for (int i = 0; i < 5; ++i)
            EXPECT_EQ(pic->Pixel(corners[i].x, corners[i].y), want[i]) << i;
    };
    expect("rest", {kFace, kFace, kFace, kFace, kFace});
    Send(b, WM_MOUSEMOVE, 5, 5);
    ASSERT_TRUE(b->Hot());
    expect("hot", {hi, sh, sh, sh, kFace});
    Send(b, WM_LBUTTONDOWN, 5, 5, MK_LBUTTON);
    expect("pressed", {sh, hi, hi, hi, kFace});
    Send(b, WM_LBUTTONUP, 5, 5);
    expect("released", {hi, sh, sh, sh, kFace});
    Send(b, WM_MOUSELEAVE, 0, 0);
    expect("left", {kFace, kFace, kFace, kFace, kFace});
}

TEST_F(GlyphButtonTest, EachStyleDrawsItsFrameAtRest) {
    const TColor hi = Rgb(clBtnHighlight), sh = Rgb(clBtnShadow), face = Rgb(clBtnFace);
    struct Case {
        const char* what;
        TStyle style;
        TColor corner, inner, farCorner, third;
    } cases[] = {
        {"flat", TStyle::stFlat, kFace, kFace, kFace, kFace},
        {"raised, two pixels", TStyle::stRaised, hi, hi, sh, kFace},
        {"default, black bottom right", TStyle::stDefault, hi, hi, clBlack, face},
        {"frame lowered", TStyle::stFrameLowered, sh, hi, hi, face},
        {"frame raised leaves a face pixel", TStyle::stFrameRaised, hi, face, sh, hi},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TVelaButton* b = AddButton(10, 10, 40, 30);
        b->SetColor(kFace);
        b->SetButtonStyle(c.style);
        auto pic = Picture(b);
        EXPECT_EQ(pic->Pixel(0, 0), c.corner);
        EXPECT_EQ(pic->Pixel(1, 1), c.inner);
        EXPECT_EQ(pic->Pixel(39, 29), c.farCorner);
        EXPECT_EQ(pic->Pixel(2, 2), c.third);
        delete b;
    }
}

TEST_F(GlyphButtonTest, DottedStylesDrawEveryOtherFramePixel) {
    TVelaButton* b = AddButton(10, 10, 40, 30);
    b->SetColor(kFace);
    b->SetButtonStyle(TStyle::stFlatDot);
    Send(b, WM_MOUSEMOVE, 5, 5);
    auto pic = Picture(b);
    EXPECT_EQ(pic->Pixel(0, 0), Rgb(clBtnHighlight));
    EXPECT_EQ(pic->Pixel(1, 0), kFace);
    EXPECT_EQ(pic->Pixel(2, 0), Rgb(clBtnHighlight));
    EXPECT_EQ(pic->Pixel(39, 1), Rgb(clBtnShadow));
    EXPECT_EQ(pic->Pixel(39, 2), kFace);
}

// A 10 x 10 image on a teal key with a black 2 x 2 square at (4, 4); the
// second image, when there is one, has a red square there.
std::unique_ptr<TBitmap> SquareGlyph(int images) {
    auto bmp = std::make_unique<TBitmap>(10 * images, 10);
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 10 * images; ++x) {
            bool square = x % 10 >= 4 && x % 10 <= 5 && y >= 4 && y <= 5;
            bmp->SetPixel(x, y, !square ? clTeal : x < 10 ? clBlack : clRed);
        }
    return bmp;
}

TEST_F(GlyphButtonTest, DisabledGlyphIsTheSecondImageOrTheFirstEmbossed) {
    TVelaButton* b = AddButton(10, 10, 40, 30);
    b->SetColor(kFace);
    b->SetGlyph(*SquareGlyph(1));
    ASSERT_EQ(b->NumGlyphs(), 1);
    // Glyph only: centred at ((40 - 10) div 2, (30 - 10) div 2) = (15, 10).
    auto pic = Picture(b);
    EXPECT_EQ(pic->Pixel(19, 14), clBlack);
    EXPECT_EQ(pic->Pixel(15, 10), kFace); // the key colour is transparent

    b->SetEnabled(false);
    pic = Picture(b);
    const TColor hi = Rgb(clBtnHighlight), sh = Rgb(clBtnShadow);
    EXPECT_EQ(pic->Pixel(19, 14), sh);
    EXPECT_EQ(pic->Pixel(20, 15), sh);
    EXPECT_EQ(pic->Pixel(21, 16), hi);
    EXPECT_EQ(pic->Pixel(21, 14), kFace);
    EXPECT_EQ(pic->Pixel(15, 10), kFace); // the key is no dark pixel

    b->SetGlyph(*SquareGlyph(2));
    ASSERT_EQ(b->NumGlyphs(), 2);
    pic = Picture(b);
    EXPECT_EQ(pic->Pixel(19, 14), clRed);
    EXPECT_EQ(pic->Pixel(21, 16), kFace);
}

TEST_F(GlyphButtonTest, HotGlyphShowsWhileHotAndPressedOnly) {
    TVelaButton* b = AddButton(10, 10, 40, 30);
    b->SetGlyph(*SquareGlyph(1));
    auto hot = SquareGlyph(2); // image 1: black square
    for (int y = 4; y <= 5; ++y)
        for (int x = 4; x <= 5; ++x)
            hot->SetPixel(x, y, clLime);
    b->SetGlyphHot(*hot);
    EXPECT_EQ(b->NumGlyphsHot(), 2);
    EXPECT_EQ(Picture(b)->Pixel(19, 14), clBlack);
    Send(b, WM_MOUSEMOVE, 5, 5);
    EXPECT_EQ(Picture(b)->Pixel(19, 14), clLime);
    Send(b, WM_LBUTTONDOWN, 5, 5, MK_LBUTTON);
    EXPECT_EQ(Picture(b)->Pixel(20, 15), clLime); // one pixel down and right
    // Only a hot glyph: no glyph at all.
    b->SetGlyph(TBitmap());
    EXPECT_EQ(Picture(b)->Pixel(20, 15), Rgb(b->Color()));
}

TEST_F(GlyphButtonTest, PopupArrowSitsRightOfTheGlyph) {
    TVelaButton* b = AddButton(10, 10, 40, 30);
    b->SetColor(kFace);
    b->SetGlyph(*SquareGlyph(1));
    b->SetPopupMenuMark(true);
    auto pic = Picture(b);
    RECT g = b->GlyphRect();
    EXPECT_EQ(g.left, 10); // moved 5 pixels left for the arrow
    // The arrow is 7 x 4, black on its white key, 5 pixels right of the glyph.
    int x = g.right + 5, y = g.top + (10 - 4) / 2;
    EXPECT_EQ(pic->Pixel(x, y), clBlack);
    EXPECT_EQ(pic->Pixel(x + 3, y + 3), clBlack);
    EXPECT_EQ(pic->Pixel(x, y + 3), kFace);
    EXPECT_EQ(pic->Pixel(x + 7, y), kFace);
    // A caption beside the glyph leaves the arrow out.
    b->SetCaption(L"搜索");
    pic = Picture(b);
    g = b->GlyphRect();
    EXPECT_NE(pic->Pixel(g.right + 5, g.top + 3), clBlack);
}

// The quiz window's lower buttons: 57 x 49, white, white margins, a 32 x 32
// glyph above a caption in 宋体 13 pixels.
TEST_F(GlyphButtonTest, GlyphAboveCaptionButtonsAsTheQuizWindowHasThem) {
    TBitmap glyph;
    ASSERT_TRUE(glyph.LoadFromResourceName(GetModuleHandleW(nullptr), art::kGlyphQuizAnswer));
    TVelaButton* b = AddButton(10, 10, 57, 49);
    b->SetColor(clWhite);
    b->SetColorMarginStyle(TColorMarginDefault::cmCustom);
    b->SetColorMarginLeftTop(clWhite);
    b->SetColorMarginRightBottom(clWhite);
    b->SetLayout(TLayout::blGlyphTop);
    b->SetGlyph(glyph);
    b->SetNumGlyphs(1);
    b->Font().SetName(L"宋体");
    b->Font().SetHeight(-13);
    b->SetCaption(L"显示答案");
    form->Show();

    TBitmap measure(1, 1);
    measure.Canvas().Font().Assign(b->Font());
    SIZE text = measure.Canvas().TextExtent(b->Caption());

    auto check = [&](const char* state, int p, TColor captionColour) {
        SCOPED_TRACE(state);
        auto pic = Picture(b);
        RECT g = b->GlyphRect(), t = b->CaptionRect();
        EXPECT_EQ(g.left, (57 - 32) / 2 + p);
        EXPECT_EQ(g.top, (49 - 32) / 2 - text.cy / 2 - 3 + p);
        EXPECT_EQ(t.top, g.bottom + 4);
        EXPECT_EQ(t.left, g.left + 16 - text.cx / 2);
        // The glyph where it is opaque, the white face where it is not.
        TColor key = glyph.Pixel(0, 31);
        int wrong = 0;
        for (int y = 0; y < 32; ++y)
            for (int x = 0; x < 32; ++x) {
                if (g.top + y < 0) continue;
                TColor want = glyph.Pixel(x, y) == key ? clWhite : glyph.Pixel(x, y);
                if (pic->Pixel(g.left + x, g.top + y) != want) ++wrong;
            }
        EXPECT_EQ(wrong, 0);
        // The caption's ink (nearer its colour than the face) inside T;
        // elsewhere outside the glyph only the white face, no frame.
        auto nearer = [](TColor c, TColor want, TColor other) {
            auto d = [](TColor x, TColor y) {
                int s = 0;
                for (int shift : {0, 8, 16}) {
                    int k = int((x >> shift) & 0xFF) - int((y >> shift) & 0xFF);
                    s += k * k;
                }
                return s;
            };
            return d(c, want) < d(c, other);
        };
        int ink = 0, stray = 0;
        for (int y = 0; y < 49; ++y)
            for (int x = 0; x < 57; ++x) {
                POINT at{x, y};
                TColor c = pic->Pixel(x, y);
                if (PtInRect(&t, at))
                    ink += nearer(c, Rgb(captionColour), clWhite);
                else if (!PtInRect(&g, at) && c != clWhite)
                    ++stray;
            }
        EXPECT_GT(ink, 20);
        EXPECT_EQ(stray, 0);
    };
    check("rest", 0, clWindowText);
    Send(b, WM_MOUSEMOVE, 20, 20);
    check("hot", 0, clBlue);
    Send(b, WM_LBUTTONDOWN, 20, 20, MK_LBUTTON);
    check("pressed", 1, clBlue);
}

} // namespace
} // namespace yq::test
