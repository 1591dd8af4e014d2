// The generated artwork as compiled into the program's resources: every
// name the windows load exists, at its stated size and format.
#include "ArtNames.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include <windows.h>

using namespace yq::art;

namespace {

struct GlyphCase {
    const wchar_t* name;
    int width, height;
    COLORREF face;
};

const COLORREF kBrowserFace = RGB(0xFB, 0xFD, 0xFF);
const COLORREF kWhite = RGB(255, 255, 255);

TEST(Art, GlyphsAre24BitAtTheirSizeWithTheFaceColourAsTransparentCorner) {
    const GlyphCase cases[] = {
        {kGlyphBrowserQuiz, 19, 20, kBrowserFace},
        {kGlyphBrowserKnowledge, 19, 20, kBrowserFace},
        {kGlyphBrowserRead, 19, 20, kBrowserFace},
        {kGlyphBrowserAdd, 19, 20, kBrowserFace},
        {kGlyphBrowserSearch, 19, 20, kBrowserFace},
        {kGlyphBrowserEdit, 19, 20, kBrowserFace},
        {kGlyphQuizBrowse, 19, 20, kWhite},
        {kGlyphQuizEdit, 19, 20, kWhite},
        {kGlyphQuizRead, 19, 20, kWhite},
        {kGlyphQuizAdd, 19, 20, kWhite},
        {kGlyphQuizMusic, 19, 20, kWhite},
        {kGlyphQuizAnswer, 32, 32, kWhite},
        {kGlyphQuizSequential, 32, 32, kWhite},
        {kGlyphQuizRandom, 32, 32, kWhite},
        {kGlyphQuizUserBank, 32, 32, kWhite},
        {kGlyphEditConfirm, 39, 40, kWhite},
    };
    HDC dc = CreateCompatibleDC(nullptr);
    for (const GlyphCase& c : cases) {
        SCOPED_TRACE(std::string(c.name, c.name + wcslen(c.name)));
        HBITMAP bitmap =
            HBITMAP(LoadImageW(GetModuleHandleW(nullptr), c.name, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
        ASSERT_NE(bitmap, nullptr);
        DIBSECTION dib{};
        ASSERT_EQ(GetObjectW(bitmap, sizeof dib, &dib), int(sizeof dib));
        EXPECT_EQ(dib.dsBm.bmWidth, c.width);
        EXPECT_EQ(dib.dsBm.bmHeight, c.height);
        EXPECT_EQ(dib.dsBm.bmBitsPixel, 24);
        HGDIOBJ old = SelectObject(dc, bitmap);
        EXPECT_EQ(GetPixel(dc, 0, c.height - 1), c.face);
        // Not a blank picture: the centre holds some drawing.
        int drawn = 0;
        for (int y = 0; y < c.height; ++y)
            for (int x = 0; x < c.width; ++x)
                drawn += GetPixel(dc, x, y) != c.face;
        EXPECT_GT(drawn, c.width * c.height / 5);
        SelectObject(dc, old);
        DeleteObject(bitmap);
    }
    DeleteDC(dc);
}

// Width and height from a JPEG's start-of-frame segment.
bool JpegSize(const unsigned char* p, size_t n, int& width, int& height) {
    if (n < 4 || p[0] != 0xFF || p[1] != 0xD8) return false;
    for (size_t i = 2; i + 9 < n;) {
        if (p[i] != 0xFF) return false;
        unsigned char marker = p[i + 1];
        size_t length = size_t(p[i + 2]) << 8 | p[i + 3];
        if (marker >= 0xC0 && marker <= 0xC2) {
            height = p[i + 5] << 8 | p[i + 6];
            width = p[i + 7] << 8 | p[i + 8];
            return true;
        }
        i += 2 + length;
    }
    return false;
}

TEST(Art, PicturesAreJpegsOfTheStoredSize) {
    struct Case {
        const wchar_t* name;
        int width, height;
    } cases[] = {{kBrowserHeader, 678, 62}, {kQuizBannerTop, 2940, 700}, {kQuizBannerBottom, 2940, 700}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.name, c.name + wcslen(c.name)));
        HRSRC found = FindResourceW(nullptr, c.name, MAKEINTRESOURCEW(10)); // RT_RCDATA
        ASSERT_NE(found, nullptr);
        auto data = static_cast<const unsigned char*>(LockResource(LoadResource(nullptr, found)));
        int width = 0, height = 0;
        ASSERT_TRUE(JpegSize(data, SizeofResource(nullptr, found), width, height));
        EXPECT_EQ(width, c.width);
        EXPECT_EQ(height, c.height);
    }
}

TEST(Art, IconHoldsSixteenThirtyTwoAndFortyEightPixels) {
    HRSRC found = FindResourceW(nullptr, kMainIcon, MAKEINTRESOURCEW(14)); // RT_GROUP_ICON
    ASSERT_NE(found, nullptr);
    auto data = static_cast<const BYTE*>(LockResource(LoadResource(nullptr, found)));
    // GRPICONDIR: reserved, type, count, then 14-byte entries starting with width.
    int count = data[4] | data[5] << 8;
    std::set<int> widths;
    for (int i = 0; i < count; ++i)
        widths.insert(data[6 + 14 * i]);
    EXPECT_EQ(widths, (std::set<int>{16, 32, 48}));
    for (int size : {16, 32, 48}) {
        HICON icon = HICON(LoadImageW(GetModuleHandleW(nullptr), kMainIcon, IMAGE_ICON, size, size, 0));
        EXPECT_NE(icon, nullptr) << size;
        DestroyIcon(icon);
    }
}

} // namespace
