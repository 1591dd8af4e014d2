#include "UserRiddleFile.h"

#include "Gbk.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <vector>

using namespace yq;
namespace fs = std::filesystem;

namespace {

// A scratch folder with a Chinese name: wide paths must work on Windows
// whatever the system code page.
class UserRiddleFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        dir_ = fs::temp_directory_path() / fs::path(u8"谜库测试") / info->name();
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    void TearDown() override {
        std::error_code ignored;
        for (const auto& entry : fs::recursive_directory_iterator(dir_, ignored))
            fs::permissions(entry.path(), fs::perms::owner_all, fs::perm_options::add, ignored);
        fs::remove_all(dir_, ignored);
    }

    fs::path File() const { return dir_ / fs::path(u8"dm.txt"); }
    void WriteBytes(const std::string& bytes) const { std::ofstream(File(), std::ios::binary) << bytes; }
    std::string ReadBytes() const {
        std::ifstream in(File(), std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    static std::string Utf8(const fs::path& path) {
        std::u8string s = path.u8string();
        return std::string(s.begin(), s.end());
    }
    // The message of the error the call throws ("" when it throws none).
    template <class F> static std::string ErrorOf(F&& call) {
        try {
            call();
        } catch (const std::runtime_error& e) {
            return e.what();
        }
        return {};
    }

    fs::path dir_;
};

TEST_F(UserRiddleFileTest, LoadDecodesGbkAndMakesEveryBreakCrLf) {
    struct Case {
        const char* name;
        std::string fileUtf8;
        std::string text;
    } cases[] = {
        {"empty file", "", ""},
        {"one line, no break", "一口咬掉牛尾巴 打一字 告", "一口咬掉牛尾巴 打一字 告"},
        {"lone LF", "甲 乙 丙\n丁 戊 己\n", "甲 乙 丙\r\n丁 戊 己\r\n"},
        {"lone CR", "甲\r乙", "甲\r\n乙"},
        {"mixed, CR LF kept as one", "a\r\nb\nc\rd\n\re", "a\r\nb\r\nc\r\nd\r\n\r\ne"},
        {"LF CR is two breaks", "a\n\rb", "a\r\n\r\nb"},
        {"trailing break kept", "甲\r\n", "甲\r\n"},
        {"full-width space is text", "明月　打一成语", "明月　打一成语"},
    };
    for (const Case& c : cases) {
        WriteBytes(Utf8ToGbk(c.fileUtf8));
        EXPECT_EQ(LoadUserRiddleFile(File()), c.text) << c.name;
    }
}

TEST_F(UserRiddleFileTest, SaveWritesGbkExactlyAsGiven) {
    struct Case {
        const char* name;
        std::string text;
    } cases[] = {
        {"no break added at the end", "甲 乙 丙\r\n丁 戊 己"},
        {"trailing break kept", "甲 乙 丙\r\n"},
        {"empty text gives an empty file", ""},
        {"blank lines kept", "\r\n\r\n甲"},
    };
    for (const Case& c : cases) {
        SaveUserRiddleFile(File(), c.text);
        EXPECT_EQ(ReadBytes(), Utf8ToGbk(c.text)) << c.name;
        EXPECT_EQ(LoadUserRiddleFile(File()), c.text) << c.name;
    }
    // Replacing a longer file leaves nothing of it behind.
    WriteBytes(std::string(100, 'x'));
    SaveUserRiddleFile(File(), "短");
    EXPECT_EQ(ReadBytes(), "\xB6\xCC");
}

TEST_F(UserRiddleFileTest, GbkBytesRoundTrip) {
    // 谜 灯 〖 〗 and an ASCII word, as GBK bytes.
    const std::string gbk = "\xC3\xD5 \xB5\xC6 \xA1\xBC\xA1\xBD abc\r\n";
    WriteBytes(gbk);
    std::string text = LoadUserRiddleFile(File());
    EXPECT_EQ(text, "谜 灯 〖〗 abc\r\n");
    SaveUserRiddleFile(File(), text);
    EXPECT_EQ(ReadBytes(), gbk);
}

// A save cut short at any step leaves the old file or the new one, byte for
// byte, and no temporary file behind.
TEST_F(UserRiddleFileTest, InterruptedSaveLeavesOldOrNewText) {
    struct Interrupted {};
    const std::string oldText = "旧 谜 一\r\n旧 谜 二\r\n";
    const std::string newText = "新谜 打一字 新";
    struct Case {
        TSaveStep step;
        bool newTextStays;
    } cases[] = {
        {TSaveStep::ssWritten, false},
        {TSaveStep::ssFlushed, false},
        {TSaveStep::ssReplaced, true},
    };
    for (const Case& c : cases) {
        WriteBytes(Utf8ToGbk(oldText));
        EXPECT_THROW(SaveUserRiddleFile(File(), newText,
                                        [&](TSaveStep step) {
                                            if (step == c.step) throw Interrupted{};
                                        }),
                     Interrupted);
        EXPECT_EQ(ReadBytes(), Utf8ToGbk(c.newTextStays ? newText : oldText)) << int(c.step);
        int entries = 0;
        for ([[maybe_unused]] const auto& entry : fs::directory_iterator(dir_))
            ++entries;
        EXPECT_EQ(entries, 1) << "only dm.txt is left, step " << int(c.step);
    }
    // And a save that runs through creates the file where there was none.
    fs::remove(File());
    SaveUserRiddleFile(File(), newText);
    EXPECT_EQ(ReadBytes(), Utf8ToGbk(newText));
}

// Bytes that are not GBK survive a load and save unchanged.
TEST_F(UserRiddleFileTest, InvalidGbkBytesSurviveLoadAndSave) {
    const std::string files[] = {
        "\x81 \xD2 b",             // invalid lead bytes before spaces
        "\xC3\xD5 \xB5",           // a lead byte at the end of the file
        "a\x81\r\n\xFE\r\nb \xFF", // next to line breaks
        "\xD4\xC6\x80\xE9\xD4",    // among valid characters
    };
    for (const std::string& bytes : files) {
        WriteBytes(bytes);
        SaveUserRiddleFile(File(), LoadUserRiddleFile(File()));
        EXPECT_EQ(ReadBytes(), bytes);
    }
}

TEST_F(UserRiddleFileTest, LogicalLines) {
    struct Case {
        std::string text;
        int count;
        std::vector<std::string> lines; // lines 0.. then one past the end
    } cases[] = {
        {"", 0, {""}},
        {"甲", 1, {"甲", ""}},
        {"甲\r\n", 1, {"甲", ""}},
        {"甲\r\n乙", 2, {"甲", "乙", ""}},
        {"甲\r\n\r\n", 2, {"甲", "", ""}},
        {"\r\n", 1, {"", ""}},
        {"a\nb\rc", 3, {"a", "b", "c", ""}},
        {"甲\r\n\r\n乙 丙", 3, {"甲", "", "乙 丙", ""}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(UserRiddleLineCount(c.text), c.count) << c.text;
        for (size_t i = 0; i < c.lines.size(); ++i)
            EXPECT_EQ(UserRiddleLine(c.text, int(i)), c.lines[i]) << c.text << " line " << i;
        EXPECT_EQ(UserRiddleLine(c.text, c.count + 5), "") << c.text;
        EXPECT_EQ(UserRiddleLine(c.text, -1), "") << c.text;
    }
}

TEST_F(UserRiddleFileTest, FailuresReadLikeThePlatformsFileErrors) {
    const fs::path missing = dir_ / fs::path(u8"无此文件.txt");
    EXPECT_EQ(ErrorOf([&] { LoadUserRiddleFile(missing); }),
              "Cannot open file \"" + Utf8(missing) + "\". " + std::generic_category().message(ENOENT));

    const fs::path noFolder = dir_ / fs::path(u8"无此目录") / fs::path(u8"dm.txt");
    EXPECT_EQ(ErrorOf([&] { SaveUserRiddleFile(noFolder, "甲"); }),
              "Cannot create file \"" + Utf8(noFolder) + "\". " + std::generic_category().message(ENOENT));

    // A folder in the file's place cannot be replaced, not even by root.
    fs::create_directory(File());
    EXPECT_EQ(ErrorOf([&] {
                  SaveUserRiddleFile(File(), "甲");
              }).rfind("Cannot create file \"" + Utf8(File()) + "\". ", 0),
              0u);
}

TEST_F(UserRiddleFileTest, ReadOnlyFileIsNotReplaced) {
    WriteBytes("old");
    fs::permissions(File(), fs::perms::owner_read);
    if (std::ofstream(File(), std::ios::app))
        GTEST_SKIP() << "running with rights that ignore read-only files";
    EXPECT_EQ(ErrorOf([&] { SaveUserRiddleFile(File(), "new"); }),
              "Cannot create file \"" + Utf8(File()) + "\". " + std::generic_category().message(EACCES));
    EXPECT_EQ(ReadBytes(), "old");
}

} // namespace
