#include "Gbk.h"
#include "IniFile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

using namespace yq;

namespace {

// A profile file in a temporary folder, removed afterwards.
class IniFileTest : public ::testing::Test {
protected:
    void TearDown() override { std::filesystem::remove(path_); }

    TIniFile Load(const std::string& bytes) {
        std::ofstream(path_, std::ios::binary) << bytes;
        return TIniFile(path_);
    }

    std::filesystem::path path_ =
        std::filesystem::temp_directory_path() /
        (std::string("yq_ini_") + ::testing::UnitTest::GetInstance()->current_test_info()->name() + ".ini");
};

std::string Repeat(const std::string& unit, int count) {
    std::string s;
    for (int i = 0; i < count; ++i)
        s += unit;
    return s;
}

// 丄 is GBK 81 41 and 乤 is 81 61: the same bytes apart from the case of an
// ASCII letter in the second byte.  乚 is 81 5D, whose second byte is ']'.
TEST_F(IniFileTest, ReadsValuesByThePlatformRules) {
    TIniFile ini = Load("first=before any section\r\n"
                        "[SetUp]\r\n"
                        "  ZiCi =  \xD7\xD6 \xB4\xCA  \r\n" // 字 词
                        "wenhua=\t x \n"
                        "renmin=\r"
                        "yishu\r\n"
                        ";dimin=commented out\r\n"
                        "daige=\" quoted \"\r\n"
                        "half='a\r\n"
                        "zici=second one loses\r\n"
                        "[ other ]\n"
                        "key = in other\n"
                        "[setup]\n"
                        "late=in a repeated section\n"
                        "[\x81\x41]\nk=shang\n"
                        "[x\x81\x5D\nk2=no section header above\n"
                        "[\x81\x5D]\nk=\x81\x5D\n"
                        "[\xA3\xC1]\nk=fullwidth\n"); // Ａ
    struct Case {
        std::string section, key, expected;
    } cases[] = {
        {"setup", "zici", "字 词"},
        {"SETUP", "ZICI", "字 词"},
        {" setup ", " zici ", "字 词"},
        {"setup", "wenhua", "x"},
        {"setup", "renmin", ""},        // present and empty: not the default
        {"setup", "yishu", ""},         // a key line without '='
        {"setup", "dimin", "default"},  // a comment is no key
        {"setup", "daige", " quoted "}, // quotes removed, blanks inside kept
        {"setup", "half", "'a"},        // an unmatched quote stays
        {"setup", "late", "default"},   // only the first of equal sections counts
        {"setup", "first", "default"},  // lines before any section are nobody's
        {"Other", "KEY", "in other"},
        {"nosuch", "zici", "default"},
        {"setup", "nosuch", "default"},
        {"丄", "k", "shang"},
        {"丄", "k2", "no section header above"},
        {"乤", "k", "default"},               // differs from 丄 only in a second byte
        {"乚", "k", "乚"},                    // a ']' second byte does not end the name
        {"ａ", "k", "fullwidth"},             // full-width letters ignore case too
        {"\xF0\x9F\x98\x80", "k", "default"}, // a name GBK cannot hold
    };
    for (const Case& c : cases)
        EXPECT_EQ(ini.ReadString(c.section, c.key, "default"), c.expected) << c.section << "/" << c.key;
}

TEST_F(IniFileTest, CutsLongValuesAt2047BytesWithoutSplittingACharacter) {
    const std::string chinese = "\xD6\xD0"; // 中
    struct Case {
        std::string value;
        size_t expectedBytes;
    } cases[] = {
        {std::string(3000, 'x'), 2047},
        {std::string(2047, 'x'), 2047},
        {Repeat(chinese, 1500), 2046}, // 1023 characters; the 1024th would not fit
        {"a" + Repeat(chinese, 1500), 2047},
    };
    for (const Case& c : cases) {
        TIniFile ini = Load("[s]\r\nk=" + c.value + "\r\n");
        std::string value = ini.ReadString("s", "k", "");
        EXPECT_EQ(Utf8ToGbk(value).size(), c.expectedBytes);
        EXPECT_EQ(value.find("\xEF\xBF\xBD"), std::string::npos) << "a character was split";
    }
}

TEST_F(IniFileTest, MissingFileReadsAsEmpty) {
    TIniFile ini(path_);
    EXPECT_EQ(ini.ReadString("setup", "zici", "d"), "d");
    EXPECT_EQ(ini.ReadInteger("setup", "zici", 5), 5);
    EXPECT_TRUE(ini.ReadSections().empty());
    EXPECT_TRUE(ini.ReadSection("setup").empty());
}

TEST_F(IniFileTest, ListsSectionsAndKeysOnceInFileOrder) {
    TIniFile ini =
        Load("[setup]\nzici=1\n;c=2\nWenHua=3\nZICI=4\n[\xC6\xE4\xCB\xFB]\n[SETUP]\nlate=5\n"); // 其他
    EXPECT_EQ(ini.ReadSections(), (std::vector<std::string>{"setup", "其他"}));
    EXPECT_EQ(ini.ReadSection("Setup"), (std::vector<std::string>{"zici", "WenHua"}));
    EXPECT_TRUE(ini.ReadSection("nosuch").empty());
}

TEST_F(IniFileTest, ReadsIntegers) {
    TIniFile ini = Load("[n]\na=12\nb= -7 \nc=0x1F\nd=$10\ne=abc\nf=\ng=99999999999\nh=$FFFFFFFF\n"
                        "i=-2147483648\nj=12abc\nk=0x\n");
    struct Case {
        const char* key;
        int expected;
    } cases[] = {{"a", 12}, {"b", -7}, {"c", 31},        {"d", 16}, {"e", 77}, {"f", 77},
                 {"g", 77}, {"h", -1}, {"i", INT32_MIN}, {"j", 77}, {"k", 77}, {"missing", 77}};
    for (const Case& c : cases)
        EXPECT_EQ(ini.ReadInteger("n", c.key, 77), c.expected) << c.key;
}

} // namespace
