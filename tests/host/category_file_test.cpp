#include "CategoryFile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

using namespace yq;
namespace fs = std::filesystem;

namespace {

// GBK bytes of the names used below.
const std::string kDengMi = "\xB5\xC6\xC3\xD5"; // 灯谜
const std::string kZi = "\xD7\xD6";             // 字

using Items = std::vector<std::string>;

class CategoryFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        path_ = fs::temp_directory_path() / (std::string("yq_category_") + info->name() + ".skn");
        fs::remove(path_);
    }
    void TearDown() override { fs::remove(path_); }

    TCategoryGroups Read(const std::string& gbkText) {
        std::ofstream(path_, std::ios::binary) << gbkText;
        return ReadCategoryFile(path_);
    }

    fs::path path_;
};

TEST_F(CategoryFileTest, MissingFileSectionOrKeyGivesEmptyGroups) {
    for (const Items& group : ReadCategoryFile(path_))
        EXPECT_TRUE(group.empty());
    // Keys of another section count for nothing.
    for (const Items& group : Read("[other]\r\nzici=a b\r\n"))
        EXPECT_TRUE(group.empty());
    TCategoryGroups groups = Read("[setup]\r\nwenhua=x\r\n");
    EXPECT_EQ(groups[1], Items{"x"});
    for (size_t i : {0u, 2u, 3u, 4u, 5u})
        EXPECT_TRUE(groups[i].empty()) << kCategoryKeys[i];
}

TEST_F(CategoryFileTest, EachKeyFillsItsGroupWordByWordInOrder) {
    TCategoryGroups groups = Read("; categories\r\n"
                                  "[other]\r\nzici=wrong\r\n"
                                  "[SeTuP]\r\n"
                                  "ZICI=" +
                                  kDengMi + "  " + kZi +
                                  "\r\n"                  // two spaces: still two items
                                  "wenhua=   \r\n"        // spaces only: no item
                                  "yishu=  c   b a  \r\n" // order as written
                                  "dimin=\r\n"
                                  "renmin=one\r\n"
                                  "Daige=p q\r\n");
    EXPECT_EQ(groups[0], (Items{"灯谜", "字"}));
    EXPECT_TRUE(groups[1].empty());
    EXPECT_EQ(groups[2], (Items{"c", "b", "a"}));
    EXPECT_TRUE(groups[3].empty());
    EXPECT_EQ(groups[4], Items{"one"});
    EXPECT_EQ(groups[5], (Items{"p", "q"}));
}

TEST_F(CategoryFileTest, ValueIsCutWhereTheReaderCutsIt) {
    // 2040 bytes, a space, then ten more: the reader keeps 2047 bytes.
    TCategoryGroups groups = Read("[setup]\nzici=" + std::string(2040, 'a') + " bcdefghijk\n");
    EXPECT_EQ(groups[0], (Items{std::string(2040, 'a'), "bcdefg"}));
}

TEST(CategoryItems, SplitsOnRunsOfSpaces) {
    struct Case {
        std::string value;
        Items items;
    } cases[] = {
        {"", {}}, {"    ", {}}, {"a", {"a"}}, {"  a  b ", {"a", "b"}}, {kDengMi + " " + kZi, {kDengMi, kZi}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CategoryItems(c.value), c.items) << '[' << c.value << ']';
}

} // namespace
