// The skin description parser and the value syntaxes it feeds.
#include "QuickIni.h"
#include "SkinValues.h"

#include <gtest/gtest.h>

namespace yq {
namespace {

TQuickIni Ini(std::string_view text) {
    TQuickIni ini;
    TByteStream s(std::vector<std::uint8_t>(text.begin(), text.end()));
    ini.LoadFromStream(s);
    return ini;
}

TEST(SkinQuickIni, ReadsStringsByTheLookupRules) {
    const TQuickIni ini = Ini("Orphan=before any section\r\n"
                              "[MENUBACKGROUND]\r\n"
                              "IMAGE=menuborder.bmp\r\n"
                              "; Image=commented.bmp\r\n"
                              "Twice = first\r\n"
                              "twice=second\r\n"
                              "Blank=\n"
                              "blank=later\r"
                              "  Spaced Key  =\t Mixed Case Value \x01\r\n"
                              "NoEquals\n"
                              "a=b=c\n"
                              "[Other]\n"
                              "Image=other.bmp\n"
                              "[menubackground]\n"
                              "Late=second section of the same name\n");
    struct Case {
        const char* section;
        const char* key;
        const char* expected;
    };
    const Case cases[] = {
        {"MenuBackground", "Image", "menuborder.bmp"},
        {"menubackground", "TWICE", "first"},
        {"MenuBackground", "Blank", "default"}, // an empty value stops the scan
        {"MenuBackground", "spaced key", "Mixed Case Value"},
        {"MenuBackground", "a", "b=c"},
        {"MenuBackground", "Late", "default"}, // the first header wins
        {"MenuBackground", "Orphan", "default"},
        {"Other", "Image", "other.bmp"},
        {"Missing", "Image", "default"},
        {"[Other]", "Image", "default"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.section) + "/" + c.key);
        EXPECT_EQ(ini.ReadString(c.section, c.key, "default"), c.expected);
    }
    EXPECT_EQ(ini.Lines().size(), 14u) << "the comment line is dropped, the orphan kept";
    EXPECT_EQ(ini.SectionIndex("menuBackground"), 1);
    EXPECT_EQ(ini.SectionIndex("other"), 10);
    EXPECT_EQ(ini.SectionIndex("none"), -1);
}

TEST(SkinQuickIni, SplitsLinesAndListsSections) {
    static const char text[] = "\xEF\xBB[a]\r\r\n[ b ]\nk=1\x01\x02\n[c]\0[hidden]\n";
    const TQuickIni ini = Ini(std::string_view(text, sizeof text - 1));
    std::vector<std::string> sections;
    ini.ReadSections(sections);
    EXPECT_EQ(sections, (std::vector<std::string>{"b", "c"})) << "a line with a leading byte is no header";
    EXPECT_EQ(ini.ReadString(" b ", "k", ""), "1");
    EXPECT_EQ(ini.SectionIndex("b"), -1) << "headers are looked up as written";
    EXPECT_EQ(ini.SectionIndex("hidden"), -1) << "the text ends at a zero byte";

    TQuickIni empty;
    empty.LoadFromText("");
    EXPECT_EQ(empty.ReadString("a", "b", "d"), "d");
    EXPECT_EQ(empty.ReadInteger("a", "b", 7), 7);
}

TEST(SkinQuickIni, ReadsIntegers) {
    const TQuickIni ini = Ini("[n]\n"
                              "hex=0x1F\nHEX=0X1f\ndollar=$1F\nneg=-3\nplus=+7\nletters=12ab\n"
                              "bare0x=0x\nmax=2147483647\nover=2147483648\nmin=-2147483648\n"
                              "allbits=$FFFFFFFF\nspaces= 42 \nnegx=-0x10\nfloat=1.5\nempty=\n");
    const std::pair<const char*, std::int32_t> cases[] = {
        {"hex", 31},  {"HEX", 31},        {"dollar", 31},  {"neg", -3},
        {"plus", 7},  {"letters", 99},    {"bare0x", 99},  {"max", INT32_MAX},
        {"over", 99}, {"min", INT32_MIN}, {"allbits", -1}, {"spaces", 42},
        {"negx", 99}, {"float", 99},      {"empty", 99},   {"missing", 99},
    };
    for (const auto& [key, expected] : cases)
        EXPECT_EQ(ini.ReadInteger("n", key, 99), expected) << key;
}

TEST(SkinValues, ParsesColours) {
    const std::pair<const char*, std::uint32_t> cases[] = {
        {"255 201 12", 0x0CC9FF},
        {"169 215 255", 0xFFD7A9},
        {"  169,215,255  ", 0xFFD7A9},
        {"1;2;3;", 0x030201},
        {"5", 0},                  // a lone number gives black
        {"1 2", 0x000001},         // the last number needs two before it
        {"1 2 3 4", 0x030201},     // only the first three
        {"300 256 511", 0xFF002C}, // modulo 256
        {"r=10 g=20 b=30", 0x1E140A},
        {"99999999999 1 2 3", 0}, // too large: pending, so all later values are 0
        {"1 99999999999 2 3", 0x000001},
        {"", 0},
    };
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(ParseColour(text), expected) << text;
    EXPECT_EQ(ReadColour("", 0xFF00000F), 0xFF00000Fu);
    EXPECT_EQ(ReadColour("0 0 0 ", 0xFF00000F), 0u);
}

TEST(SkinValues, NamesPictureEntries) {
    const std::pair<const char*, const char*> cases[] = {
        {"left.bmp", "left.bmp"},
        {"C:\\skins\\blue\\Combo-Arrows.bmp", "Combo-Arrows.bmp"},
        {"d:top.bmp", "top.bmp"},
        {"pictures/top.bmp", "pictures/top.bmp"},
        {"picture.tga", ""},
        {"PICTURE.BMP", ""},
        {"0", ""},
        {"", ""},
        {"skins\\", ""},
        {"a.bmp.txt", ""},
    };
    for (const auto& [reference, expected] : cases)
        EXPECT_EQ(SkinImageEntryName(reference), expected) << reference;
}

} // namespace
} // namespace yq
