// TSkinData: loading our embedded skin, the reading rules on small skins
// made here, the older-skin message and the SkinStream property.
#include "Application.h"
#include "Bmp.h"
#include "LzhEncoder.h"
#include "SkinArchive.h"
#include "WinSkinData.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <map>

namespace yq {
namespace {

using Bytes = std::vector<std::uint8_t>;

// A SkinStream holding a skin made of `ini` and pictures of the given sizes.
TByteStream SkinStream(const std::string& ini,
                       const std::map<std::string, std::pair<int, int>>& pictures = {},
                       std::uint32_t version = kSkinArchiveVersion) {
    std::vector<TSkinArchiveEntry> entries;
    for (const auto& [name, size] : pictures) {
        TRgbImage image{size.first, size.second, {}};
        image.Pixels.assign(std::size_t(size.first * size.second), 0x336699);
        entries.push_back({name, EncodeBmp(image)});
    }
    entries.push_back({"skin.ini", Bytes(ini.begin(), ini.end())});
    return TByteStream(FrameSkinStream(LzhCompress(PackSkinArchive(entries, version))));
}

// Message boxes are answered without a window; their texts are kept.
class SkinData : public ::testing::Test {
protected:
    void SetUp() override {
        saved_ = Application().MessageBoxFunc;
        Application().MessageBoxFunc = [this](const std::wstring& text, const std::wstring&, UINT) {
            messages_.push_back(text);
            return IDOK;
        };
    }
    void TearDown() override { Application().MessageBoxFunc = saved_; }

    std::vector<std::wstring> messages_;

private:
    TMessageBoxFunc saved_;
};

TEST_F(SkinData, DefaultsBeforeAnySkin) {
    TSkinData skin;
    EXPECT_TRUE(skin.SkinEmpty());
    EXPECT_FALSE(skin.Active());
    EXPECT_EQ(skin.DisableTag(), 99);
    EXPECT_FALSE(InSet(skin.SkinControls(), xcMenuItem));
    EXPECT_FALSE(InSet(skin.SkinControls(), xcFastReport));
    EXPECT_TRUE(InSet(skin.SkinControls(), xcMainMenu));
    EXPECT_TRUE(InSet(skin.SkinControls(), xcSystemMenu));
    EXPECT_EQ(skin.Skin3rd().size(), 110u);
    EXPECT_EQ(skin.Skin3rd().front(), "TAdvPanelGroup=embedscrollbar");
    EXPECT_TRUE(skin.MenuUpdate());
    EXPECT_FALSE(skin.MenuMerge());
    ASSERT_NE(skin.MenuGlyphs(), nullptr);
    EXPECT_EQ(skin.MenuGlyphs()->Count(), 4) << "MORVANMENU";
    EXPECT_EQ(skin.MenuGlyphs()->Width(), 16);
    // The close glyph: white is transparent, black drawn.
    TBitmap drawn(16, 16);
    const RECT all{0, 0, 16, 16};
    TBrushHandle red(CreateSolidBrush(RGB(255, 0, 0)));
    FillRect(drawn.Canvas().Handle(), &all, red.Get());
    skin.MenuGlyphs()->Draw(drawn.Canvas(), 0, 0, 3);
    EXPECT_EQ(drawn.Pixel(0, 0), RGB(255, 0, 0));
    EXPECT_EQ(drawn.Pixel(8, 8), RGB(0, 0, 0));
    ASSERT_NE(skin.Buttons(), nullptr);
    ASSERT_NE(skin.Title(), nullptr);
    EXPECT_EQ(skin.MenuBar(), nullptr);

    // By name, as the skinners and the stored settings see it.
    EXPECT_EQ(GetIntPropByName(&skin, "DisableTag"), 99);
    EXPECT_EQ(GetEnumPropName(&skin, "SkinFormtype"), "sfMainform");
    EXPECT_EQ(GetWidePropByName(&skin, "Version"), L"3.02.03.09");
    SetPropByName(&skin, "Version", L"9");
    SetPropByName(&skin, "SkinStore", L"x");
    EXPECT_EQ(skin.Version(), L"3.02.03.09");
    EXPECT_EQ(skin.SkinStore(), L"(none)");
    SetPropByName(&skin, "SkinFormtype", L"sfdialog");
    EXPECT_EQ(skin.SkinFormtype(), sfDialog);
    SetPropByName(&skin, "Skin3rd", L"TFoo=button\r\nTBar=edit\r\n");
    EXPECT_EQ(skin.Skin3rd(), (std::vector<std::string>{"TFoo=button", "TBar=edit"}));
}

TEST_F(SkinData, LoadsOurEmbeddedSkin) {
    TSkinData skin;
    TByteStream stored = ResourceStream(kEmbeddedSkinResource);
    ASSERT_GT(stored.Size(), 1000);
    skin.ReadSkinStream(stored);
    ASSERT_FALSE(skin.SkinEmpty());
    EXPECT_TRUE(messages_.empty());
    EXPECT_EQ(skin.SkinStore(), L"(none)") << "at run time even with a skin stored";

    // Borders: 27 at the top, 7 elsewhere.
    EXPECT_EQ(skin.Top()->Image.Height() / skin.Top()->FrameCount, 27);
    EXPECT_EQ(skin.Left()->Image.Width() / skin.Left()->FrameCount, 7);
    EXPECT_EQ(skin.Right()->Image.Width() / skin.Right()->FrameCount, 7);
    EXPECT_EQ(skin.Bottom()->Image.Height() / skin.Bottom()->FrameCount, 7);
    EXPECT_EQ(skin.Left()->Margins.Top, 27);
    EXPECT_EQ(skin.Left()->Trans, 1);

    // Caption buttons in section order, then the three MDI buttons.
    struct Expected {
        int action, frames;
        bool picture;
    };
    const Expected expected[] = {{3, 3, false}, {0, 4, true}, {1, 4, true}, {1, 4, true}, {2, 4, true},
                                 {-1, 6, true}, {7, 4, true}, {8, 4, true}, {9, 4, true}};
    ASSERT_EQ(skin.SysButtons().size(), std::size(expected));
    for (std::size_t i = 0; i < std::size(expected); ++i) {
        SCOPED_TRACE(i);
        const auto& b = *skin.SysButtons()[i];
        EXPECT_EQ(b.Action, expected[i].action);
        EXPECT_EQ(b.FrameCount, expected[i].frames);
        EXPECT_EQ(!b.Image.Empty(), expected[i].picture);
    }
    EXPECT_EQ(skin.SysButtons()[1]->Name, "BUTTONCLOSE");
    EXPECT_EQ(skin.SysButtons()[5]->Visibility1, -1) << "the ornament never shows";
    const auto& mdiClose = *skin.SysButtons()[8];
    EXPECT_EQ(mdiClose.Align, 100);
    EXPECT_EQ(mdiClose.Image.Width(), 4 * 18);
    EXPECT_EQ(mdiClose.XCoord, 1 * (18 + 4));
    EXPECT_EQ(skin.SysButtons()[6]->XCoord, 3 * (18 + 4));

    // Every object, with its frame count.
    const std::pair<const TDataSkinObject*, int> objects[] = {
        {skin.Buttons(), 5},           {skin.Title(), 2},
        {skin.MenuBar(), 2},           {skin.Progress(), 2},
        {skin.GroupBoxEdge(), 2},      {skin.Tabs(), 5},
        {skin.StatusBarEdges(), 3},    {skin.ComboButton(), 4},
        {skin.SunkEdge(), 4},          {skin.ExtraImages(), 5},
        {skin.Headerbar(), 5},         {skin.MenuItem(), 5},
        {skin.MenuBackground(), 1},    {skin.Scrollbar(), 23},
        {skin.HorzScroll(), 4},        {skin.VertScroll(), 4},
        {skin.HorzScrollThumb(), 3},   {skin.VertScrollThumb(), 3},
        {skin.TrackbarThumbHorz(), 5}, {skin.TrackbarThumbVert(), 5},
        {skin.UpDownHorz(), 8},        {skin.UpDownVert(), 8},
    };
    for (const auto& [object, frames] : objects) {
        ASSERT_NE(object, nullptr);
        SCOPED_TRACE(object->Name);
        EXPECT_EQ(object->FrameCount, frames);
        EXPECT_FALSE(object->Image.Empty());
        EXPECT_EQ(object->Image.Width() % frames, 0) << "whole frames";
    }
    EXPECT_EQ(skin.Buttons()->CheckFrameCount, 4) << "52 x 13: 13 a frame";
    EXPECT_EQ(skin.Buttons()->RadioFrameCount, 4);
    EXPECT_FALSE(skin.Tabs()->Image2.Empty());
    EXPECT_FALSE(skin.UpDownVert()->Image2.Empty());
    EXPECT_FALSE(skin.Progress()->Image2.Empty());

    // The combo picture: 4 states of 50 x 21, the text field keyed out;
    // mirrored as the sunken edge.
    const int b = GetSystemMetrics(SM_CXHSCROLL) + 2;
    const TDataSkinBorder& combo = *skin.ComboButton();
    EXPECT_EQ(combo.Style, 2);
    EXPECT_EQ(combo.Image.Width(), 200);
    EXPECT_EQ(combo.Image.Height(), 21);
    EXPECT_EQ(combo.Margins.Left, 2);
    EXPECT_EQ(combo.Margins.Right, b + 2);
    EXPECT_EQ(combo.Image.Pixel(10, 10), kSkinKeyColour);
    EXPECT_NE(combo.Image.Pixel(50 - b / 2, 10), kSkinKeyColour) << "the button";
    EXPECT_EQ(combo.Image2.Width(), 68) << "the button's own picture, mirrored";
    const TDataSkinObject& sunk = *skin.SunkEdge();
    EXPECT_EQ(sunk.Margins.Left, b + 2);
    EXPECT_EQ(sunk.Margins.Right, 2);
    // Each state frame mirrored in its place: frame 2 shows state 2.
    for (int x : {0, 3, 40, 49})
        EXPECT_EQ(sunk.Image.Pixel(50 + x, 10), combo.Image.Pixel(50 + 49 - x, 10)) << x;

    // Colours and the face brush.
    EXPECT_EQ(skin.ButtonFace, RGB(246, 241, 231));
    EXPECT_EQ(skin.TitleTextActive, RGB(255, 248, 235));
    EXPECT_EQ(skin.Buttons()->MouseOverColour2, RGB(142, 28, 32));
    EXPECT_TRUE(skin.Buttons()->HasPressedColour2);
    LOGBRUSH brush{};
    ASSERT_EQ(GetObjectW(skin.ButtonFaceBrush(), sizeof brush, &brush), int(sizeof brush));
    EXPECT_EQ(brush.lbColor, RGB(246, 241, 231));
}

TEST_F(SkinData, OlderSkinShowsTheMessageAndStaysEmpty) {
    TSkinData skin;
    TByteStream older = SkinStream("[Colours]\nButtonFace=1 2 3\n", {}, 19999);
    skin.ReadSkinStream(older);
    ASSERT_EQ(messages_.size(), 1u);
    EXPECT_EQ(messages_[0], L"This is Older Skin File\rPlease update to new version !");
    EXPECT_TRUE(skin.SkinEmpty());
    EXPECT_EQ(skin.ButtonFace, clBtnFace);
}

TEST_F(SkinData, CaptionButtonSectionsAndFrameCounts) {
    TSkinData skin;
    TByteStream stream = SkinStream(
        "[Buttons]\nRadioButton=r16.bmp\nCheckButton=c13.bmp\n"
        "[Button.Radio]\nAction=5\n[BUTTON]\nAction=5\n"
        "[ButtonSkipped]\nAction=-1\nButtonImage=wide.bmp\n"
        "[ButtonKept]\nAction=-1\nVisibility=0\nButtonImage=square.bmp\n"
        "[buttonSquare]\nAction=2\nButtonImage=square.bmp\n"
        "[ButtonWide]\nAction=0\nButtonImage=wide.bmp\n"
        "[ButtonIcon]\nAction=11\nButtonImage=square.bmp\n"
        "[ButtonGiven]\nAction=3\nframe=2\nButtonImage=square.bmp\n"
        "[ButtonNoPicture]\nAction=1\n",
        {{"square.bmp", {48, 16}}, {"wide.bmp", {100, 16}}, {"r16.bmp", {32, 16}}, {"c13.bmp", {65, 13}}});
    skin.ReadSkinStream(stream);
    ASSERT_FALSE(skin.SkinEmpty());
    struct Expected {
        const char* name;
        int frames;
        bool picture;
    };
    const Expected expected[] = {{"BUTTONKEPT", 6, true},  {"BUTTONSQUARE", 3, true},
                                 {"BUTTONWIDE", 6, true},  {"BUTTONICON", 3, false},
                                 {"BUTTONGIVEN", 2, true}, {"BUTTONNOPICTURE", 6, false}};
    ASSERT_EQ(skin.SysButtons().size(), std::size(expected) + 3);
    for (std::size_t i = 0; i < std::size(expected); ++i) {
        SCOPED_TRACE(expected[i].name);
        EXPECT_EQ(skin.SysButtons()[i]->Name, expected[i].name);
        EXPECT_EQ(skin.SysButtons()[i]->FrameCount, expected[i].frames);
        EXPECT_EQ(!skin.SysButtons()[i]->Image.Empty(), expected[i].picture);
    }
    EXPECT_EQ(skin.SysButtons()[0]->Visibility1, -1);
    EXPECT_TRUE(skin.SysButtons()[6]->Image.Empty()) << "no [MDICONTROLS]";
    EXPECT_EQ(skin.Buttons()->RadioFrameCount, 4) << "32 / 16 = 2, raised to 4";
    EXPECT_EQ(skin.Buttons()->CheckFrameCount, 5);

    // Only what the description names exists; the borders always do.
    EXPECT_EQ(skin.SunkEdge(), nullptr);
    EXPECT_EQ(skin.Progress(), nullptr);
    ASSERT_NE(skin.Left(), nullptr);
    EXPECT_TRUE(skin.Left()->Image.Empty());
    EXPECT_EQ(skin.Left()->FrameCount, 1);
    EXPECT_EQ(skin.Menubar, clBtnFace) << "Menubar defaults to the ButtonFace read";
}

TEST_F(SkinData, ComboButtonWithoutSunkenEdgeKeepsItsPicture) {
    TSkinData skin;
    TByteStream stream =
        SkinStream("[ComboButton]\nImage=combo.bmp\nStyle=1\nTile=5\n[ExtraImages]\nImage=x.bmp\n",
                   {{"combo.bmp", {68, 21}}, {"x.bmp", {60, 12}}});
    skin.ReadSkinStream(stream);
    const TDataSkinBorder* combo = skin.ComboButton();
    ASSERT_NE(combo, nullptr);
    EXPECT_EQ(combo->Image.Width(), 68);
    EXPECT_EQ(combo->Image2.Width(), 68);
    EXPECT_EQ(combo->Style, 0) << "Style is not read for ComboButton";
    EXPECT_EQ(combo->Tile, 0) << "a Tile above 1 counts as 0";
}

TEST_F(SkinData, BadSkinsLeaveTheSkinEmpty) {
    TSkinData skin;
    TByteStream noDescription(
        FrameSkinStream(LzhCompress(PackSkinArchive(std::vector<TSkinArchiveEntry>{{"a.bmp", {}}}))));
    skin.ReadSkinStream(noDescription);
    EXPECT_TRUE(skin.SkinEmpty());

    TSkinArchiveEntry broken[] = {{"left.bmp", Bytes{'B', 'M', 1, 2, 3}}, {"skin.ini", Bytes()}};
    const std::string ini = "[Personality]\nLeft=left.bmp\n";
    broken[1].data.assign(ini.begin(), ini.end());
    TByteStream badPicture(FrameSkinStream(LzhCompress(PackSkinArchive(broken))));
    try {
        skin.ReadSkinStream(badPicture);
        ADD_FAILURE() << "no error";
    } catch (const EInvalidGraphic& e) {
        EXPECT_STREQ(e.what(), "Bitmap image is not valid (left.bmp)");
    }
    EXPECT_TRUE(skin.SkinEmpty());

    TByteStream truncated;
    truncated.WriteInt32(500);
    truncated.WriteInt32(1);
    truncated.SetPosition(0);
    EXPECT_THROW(skin.ReadSkinStream(truncated), std::runtime_error);
    EXPECT_TRUE(messages_.empty());
}

TEST_F(SkinData, SkinStreamAndSkinFile) {
    TSkinData skin;
    TByteStream empty;
    skin.WriteSkinStream(empty);
    EXPECT_EQ(empty.Size(), 4) << "only the length";

    TByteStream stored = ResourceStream(kEmbeddedSkinResource);
    skin.ReadSkinStream(stored);
    TByteStream written;
    skin.WriteSkinStream(written);
    EXPECT_TRUE(std::equal(written.Bytes().begin(), written.Bytes().end(), stored.Bytes().begin(),
                           stored.Bytes().end()));

    TByteStream none;
    none.WriteInt32(0);
    none.SetPosition(0);
    skin.ReadSkinStream(none);
    EXPECT_FALSE(skin.SkinEmpty()) << "no skin stored: the loaded one stays";

    skin.SetSkinFile(L"missing-skin-file.skn");
    EXPECT_TRUE(skin.SkinEmpty());
    {
        std::ofstream file("test-skin-file.skn", std::ios::binary);
        file.write(reinterpret_cast<const char*>(stored.Bytes().data()) + 4, stored.Size() - 4);
    }
    TSkinData fromFile;
    fromFile.SetSkinFile(L"test-skin-file.skn");
    std::remove("test-skin-file.skn");
    EXPECT_FALSE(fromFile.SkinEmpty());
    EXPECT_EQ(fromFile.SysButtons().size(), 9u);
}

TEST_F(SkinData, WhichWindowsAreSkinned) {
    TSkinData skin;
    const auto decide = [&](const char* name) {
        bool doSkin = true;
        skin.ShouldSkinWindow(name, doSkin);
        return doSkin;
    };
    EXPECT_FALSE(decide("SysMonthCal32"));
    EXPECT_TRUE(decide("TfrPreview"));
    skin.SetSkinControls(skin.SkinControls() | SetOf(xcFastReport));
    EXPECT_FALSE(decide("TfrPreview"));
    EXPECT_TRUE(decide("TForm1"));
    skin.OnFormSkin = [](TComponent*, const std::string& name, bool& doSkin) {
        doSkin = name == "SysMonthCal32";
    };
    EXPECT_TRUE(decide("SysMonthCal32"));
    EXPECT_FALSE(decide("TForm1"));
}

} // namespace
} // namespace yq
