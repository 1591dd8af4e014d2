// Our skins' pictures agree with their descriptions: the skin engine takes
// border sizes from the pictures and the unstretched corner parts from the
// description, so a style whose numbers disagree draws a broken frame.
#include "QuickIni.h"
#include "SkinArt.h"

#include <gtest/gtest.h>

#include <map>

namespace yq::art {
namespace {

std::map<std::string, TRgbImage> PicturesOf(const TArtStyle& style) {
    std::map<std::string, TRgbImage> pictures;
    for (auto part : {DrawFramePictures, DrawControlPictures, DrawScrollPictures, DrawMenuPictures})
        for (auto& p : part(style))
            pictures[p.name] = std::move(p.image);
    return pictures;
}

TEST(SkinArt, FramePicturesMatchTheDescriptionAndCutTheirCorners) {
    struct Case {
        const char* name;
        const TArtStyle& style;
        int caption, border, topEnd, bottomEnd;
    } cases[] = {
        {"stored", ClassicStyle(), 27, 7, 0, 0},
        {"ink-gold", InkGoldStyle(), 30, 5, 8, 5},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto pictures = PicturesOf(c.style);
        TQuickIni ini;
        ini.LoadFromText(SkinDescription(c.style));
        const TRgbImage& left = pictures["left.bmp"];
        const TRgbImage& top = pictures["top.bmp"];
        const TRgbImage& bottom = pictures["bottom.bmp"];
        // Two frames each: side by side for the sides, stacked for the others.
        EXPECT_EQ(left.Width, 2 * c.border);
        EXPECT_EQ(top.Height, 2 * c.caption);
        EXPECT_EQ(bottom.Height, 2 * c.border);
        EXPECT_EQ(pictures["right.bmp"].Width, left.Width);

        const int leftTop = ini.ReadInteger("Personality", "LeftTopHeight", 0);
        const int leftBottom = ini.ReadInteger("Personality", "LeftBotHeight", 0);
        EXPECT_EQ(leftTop, c.caption);
        EXPECT_LT(leftTop + leftBottom, left.Height) << "a middle to stretch";
        EXPECT_GE(leftBottom, c.style.BottomRadius) << "the bottom corner is not stretched";
        EXPECT_EQ(ini.ReadInteger("Personality", "TopTopHeight", -1), c.topEnd);
        EXPECT_EQ(ini.ReadInteger("Personality", "BottomBotHeight", -1), c.bottomEnd);
        EXPECT_EQ(top.Width, 16 + 2 * c.topEnd);
        EXPECT_EQ(bottom.Width, 16 + 2 * c.bottomEnd);

        // The outermost corner pixels are the transparent key; where the
        // corner is wider than the side border, the top and bottom ends
        // carry the rest of it.
        EXPECT_EQ(left.At(0, 0), kKey);
        EXPECT_EQ(left.At(0, left.Height - 1), kKey);
        EXPECT_EQ(top.At(0, 0) == kKey, c.topEnd > 0);
        EXPECT_EQ(bottom.At(0, c.border - 1) == kKey, c.bottomEnd > 0);
        EXPECT_NE(top.At(top.Width / 2, 0), kKey);

        const int buttonTop = ini.ReadInteger("ButtonClose", "Ycoord", 0);
        EXPECT_LE(buttonTop + pictures["close.bmp"].Height, c.caption) << "caption buttons fit the caption";
    }
}

} // namespace
} // namespace yq::art
