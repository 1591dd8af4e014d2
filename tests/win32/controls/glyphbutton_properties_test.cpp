// The glyph button's settings: published properties and their defaults,
// image counting, margin colours and the placement arithmetic.
#include "VelaLayout.h"
#include "glyphbutton_fixture.h"

#include <stdexcept>
#include <string>

namespace yq::test {
namespace {

TEST_F(GlyphButtonTest, PublishedPropertiesStartAtTheirDefaults) {
    auto* fresh = new TVelaButton(form);
    struct IntCase {
        const char* name;
        long long value;
    } ints[] = {
        {"RepeatInterval", 50},
        {"RepeatStartInterval", 50},
        {"ColorMarginLeftTop", 0xFF000014},
        {"ColorMarginRightBottom", 0xFF000010},
        {"PopupMenuMarkGap", 5},
        {"HotTrackColor", 0xFF0000},
        {"Spacing", 4},
        {"SpacingLayout", 3},
        {"NumGlyphs", 2},
        {"NumGlyphsHot", 2},
        {"Width", 75},
        {"Height", 25},
        {"HelpContext", 0},
    };
    for (const IntCase& c : ints)
        EXPECT_EQ(GetIntPropByName(fresh, c.name), c.value) << c.name;
    struct EnumCase {
        const char* name;
        const char* value;
    } enums[] = {
        {"RepeatAction", "False"},
        {"ShowFocused", "True"},
        {"CursorHandCustom", "True"},
        {"ButtonKind", "skCustom"},
        {"ColorMarginStyle", "cmDefault"},
        {"PopupMenuMark", "False"},
        {"PositionPopup", "puDown"},
        {"PlayMusic", "False"},
        {"HotTrack", "True"},
        {"Layout", "blGlyphLeft"},
        {"ButtonStyle", "stFlat"},
        {"Cancel", "False"},
        {"Default", "False"},
        {"TabStop", "False"},
        {"Enabled", "True"},
        {"ParentColor", "True"},
    };
    for (const EnumCase& c : enums)
        EXPECT_EQ(GetEnumPropName(fresh, c.name), c.value) << c.name;
    EXPECT_EQ(GetWidePropByName(fresh, "HintSecondLine"), L"");
    EXPECT_FALSE(GetWidePropByName(fresh, "Version").empty());
    EXPECT_EQ(GetObjectPropByName(fresh, "Glyph", "TBitmap"), fresh->Glyph());
    EXPECT_EQ(GetObjectPropByName(fresh, "GlyphHot", "TBitmap"), fresh->GlyphHot());
    EXPECT_EQ(GetObjectPropByName(fresh, "PopupMenu", "TPopupMenu"), nullptr);
    EXPECT_NE(GetObjectPropByName(fresh, "Font", "TFont"), nullptr);
    EXPECT_TRUE(fresh->InheritsFrom("TVelaCustomButton"));
    EXPECT_STREQ(fresh->ClassName(), "TVelaButton");
}

TEST_F(GlyphButtonTest, PropertiesSetByNameAndBadValuesAreRefused) {
    TVelaButton* b = AddButton(0, 0, 75, 25);
    SetPropByName(b, "Layout", L"blGlyphTop");
    SetPropByName(b, "Caption", L"朗读");
    SetPropByName(b, "RepeatInterval", L"120");
    EXPECT_EQ(b->Layout(), TLayout::blGlyphTop);
    EXPECT_EQ(b->Caption(), L"朗读");
    auto* timer = dynamic_cast<TTimer*>(b->FindComponent("RepeatTimer"));
    ASSERT_NE(timer, nullptr);
    EXPECT_EQ(timer->Interval(), 120);

    std::wstring version = b->Version();
    SetPropByName(b, "Version", L"9.9");
    EXPECT_EQ(b->Version(), version);

    // Out of range: a clear error, the old value kept.
    const std::pair<const char*, const wchar_t*> bad[] = {
        {"Spacing", L"0"},          {"Spacing", L"6"},   {"SpacingLayout", L"-6"},
        {"PopupMenuMarkGap", L"9"}, {"NumGlyphs", L"0"}, {"NumGlyphsHot", L"5"},
    };
    for (const auto& [name, value] : bad) {
        long long before = GetIntPropByName(b, name);
        EXPECT_THROW(SetPropByName(b, name, value), std::invalid_argument) << name;
        EXPECT_EQ(GetIntPropByName(b, name), before) << name;
    }

    b->SetHint(L"朗读谜面");
    b->SetHintSecondLine(L"和谜目");
    EXPECT_EQ(b->Hint(), L"朗读谜面\r和谜目");
    b->SetHintSecondLine(L"");
    EXPECT_EQ(b->Hint(), L"朗读谜面\r和谜目");
}

TEST_F(GlyphButtonTest, AGlyphStripCountsItsImages) {
    struct Case {
        int w, h, expected;
    } cases[] = {
        {64, 32, 2}, {32, 32, 1}, {160, 32, 1}, {40, 32, 1}, {96, 32, 3}, {128, 32, 4}, {20, 32, 1},
    };
    TVelaButton* b = AddButton(0, 0, 75, 25);
    for (const Case& c : cases) {
        b->SetNumGlyphs(2);
        b->SetGlyph(TBitmap(c.w, c.h));
        EXPECT_EQ(b->NumGlyphs(), c.expected) << c.w << " x " << c.h;
        b->SetGlyphHot(TBitmap(c.w, c.h));
        EXPECT_EQ(b->NumGlyphsHot(), c.expected) << c.w << " x " << c.h;
    }
    // A width that is no multiple of the height (but twice it or more)
    // leaves the count as it was; an empty strip too.
    b->SetNumGlyphs(3);
    b->SetGlyph(TBitmap(70, 32));
    EXPECT_EQ(b->NumGlyphs(), 3);
    b->SetGlyph(TBitmap());
    EXPECT_EQ(b->NumGlyphs(), 3);
    // Loading into the owned strip counts as well.
    b->Glyph()->SetSize(64, 32);
    EXPECT_EQ(b->NumGlyphs(), 2);
}

TEST_F(GlyphButtonTest, MarginColoursSwitchToCustomOnlyWhenTheyLeaveTheStyleDefault) {
    struct Case {
        TStyle style;
        bool leftTop; // which edge is set
        TColor value;
        TColorMarginDefault expected;
    } cases[] = {
        {TStyle::stFlat, true, clWhite, TColorMarginDefault::cmCustom},
        {TStyle::stFlat, true, clBtnHighlight, TColorMarginDefault::cmDefault},
        {TStyle::stFlat, false, clBtnShadow, TColorMarginDefault::cmDefault},
        {TStyle::stFlat, false, clRed, TColorMarginDefault::cmCustom},
        {TStyle::stDefault, false, clBlack, TColorMarginDefault::cmDefault},
        {TStyle::stDefault, false, clBtnShadow, TColorMarginDefault::cmCustom},
        {TStyle::stFrameLowered, true, clBtnShadow, TColorMarginDefault::cmDefault},
        {TStyle::stNone, true, clWhite, TColorMarginDefault::cmDefault},
    };
    for (const Case& c : cases) {
        auto* b = AddButton(0, 0, 75, 25);
        b->SetButtonStyle(c.style);
        if (c.leftTop)
            b->SetColorMarginLeftTop(c.value);
        else
            b->SetColorMarginRightBottom(c.value);
        EXPECT_EQ(b->ColorMarginStyle(), c.expected) << int(c.style) << " " << c.value;
        EXPECT_EQ(c.leftTop ? b->ColorMarginLeftTop() : b->ColorMarginRightBottom(), c.value);
    }

    // Custom colours survive a style change; cmDefault brings the style's back.
    auto* b = AddButton(0, 0, 75, 25);
    b->SetColorMarginStyle(TColorMarginDefault::cmCustom);
    b->SetColorMarginLeftTop(clWhite);
    b->SetColorMarginRightBottom(clWhite);
    b->SetButtonStyle(TStyle::stRaised);
    EXPECT_EQ(b->ColorMarginLeftTop(), clWhite);
    b->SetColorMarginStyle(TColorMarginDefault::cmDefault);
    EXPECT_EQ(b->ColorMarginLeftTop(), clBtnHighlight);
    EXPECT_EQ(b->ColorMarginRightBottom(), clBtnShadow);
}

TEST_F(GlyphButtonTest, ThreeDStylesKeepTheButtonFaceColour) {
    auto* b = AddButton(0, 0, 75, 25);
    b->SetColor(clRed);
    b->SetButtonStyle(TStyle::stFrameLowered);
    EXPECT_EQ(b->Color(), clBtnFace);
    EXPECT_FALSE(b->ParentColor());
    b->SetColor(clYellow);
    EXPECT_EQ(b->Color(), clBtnFace);
    b->SetParentColor(true);
    EXPECT_EQ(b->Color(), clBtnFace);
    b->SetButtonStyle(TStyle::stFlat);
    b->SetColor(clYellow);
    EXPECT_EQ(b->Color(), clYellow);
}

struct PlaceCase {
    const char* what;
    TLayout layout;
    bool glyph, caption, mark;
    int offset;
    RECT face, g, t;
};

TEST(GlyphButtonLayout, GlyphAndCaptionRectanglesFollowTheIntegerArithmetic) {
    // A 57 x 49 button, a 32 x 32 glyph, a caption 52 wide and 16 high,
    // Spacing 4, SpacingLayout 3.
    const RECT face{0, 0, 57, 49}, hotFace{1, 1, 56, 48};
    const PlaceCase cases[] = {
        // (49 - 32) div 2 - 16 div 2 - 3 = -3; the caption at 29 + Spacing.
        {"top", TLayout::blGlyphTop, true, true, false, 0, face, {12, -3, 44, 29}, {2, 33, 54, 49}},
        {"top, hot frame",
         TLayout::blGlyphTop,
         true,
         true,
         false,
         0,
         hotFace,
         {12, -3, 44, 29},
         {2, 33, 54, 49}},
        {"top, pressed", TLayout::blGlyphTop, true, true, false, 1, face, {13, -2, 45, 30}, {3, 34, 55, 50}},
        {"bottom", TLayout::blGlyphBottom, true, true, false, 0, face, {12, 19, 44, 51}, {2, -1, 54, 15}},
        // (57 - 32 - 52) div 2 truncates toward zero: -13.
        {"left", TLayout::blGlyphLeft, true, true, false, 0, face, {-16, 8, 16, 40}, {20, 16, 72, 32}},
        {"right", TLayout::blGlyphRight, true, true, false, 0, face, {41, 8, 73, 40}, {-15, 16, 37, 32}},
        {"glyph only", TLayout::blGlyphTop, true, false, false, 0, face, {12, 8, 44, 40}, {}},
        {"glyph only with arrow", TLayout::blGlyphLeft, true, false, true, 0, face, {7, 8, 39, 40}, {}},
        {"caption only", TLayout::blGlyphTop, false, true, false, 0, face, {}, {2, 16, 54, 32}},
        {"caption only, pressed", TLayout::blGlyphLeft, false, true, false, 1, face, {}, {3, 17, 55, 33}},
    };
    for (const PlaceCase& c : cases) {
        SCOPED_TRACE(c.what);
        TVelaPlacement p;
        p.Face = c.face;
        p.HasGlyph = c.glyph;
        p.Glyph = c.glyph ? SIZE{32, 32} : SIZE{0, 0};
        p.HasCaption = c.caption;
        p.Text = c.caption ? SIZE{52, 16} : SIZE{0, 0};
        p.Layout = c.layout;
        p.PopupMenuMark = c.mark;
        p.Offset = c.offset;
        RECT g = VelaGlyphRect(p);
        if (c.glyph) {
            EXPECT_EQ(g.left, c.g.left);
            EXPECT_EQ(g.top, c.g.top);
            EXPECT_EQ(g.right, c.g.right);
            EXPECT_EQ(g.bottom, c.g.bottom);
        }
        if (c.caption) {
            RECT t = VelaCaptionRect(p, g);
            EXPECT_EQ(t.left, c.t.left);
            EXPECT_EQ(t.top, c.t.top);
            EXPECT_EQ(t.right, c.t.right);
            EXPECT_EQ(t.bottom, c.t.bottom);
        }
    }
    // The popup arrow: PopupMenuMarkGap right of the glyph, centred on it.
    POINT a = VelaArrowPos({12, 8, 44, 40}, SIZE{7, 4}, 5);
    EXPECT_EQ(a.x, 49);
    EXPECT_EQ(a.y, 22);
}

} // namespace
} // namespace yq::test
