// The riddle collection and the files shipped beside it, checked from their
// sources in data/: riddles.tsv (made into sk5.skn), categories.ini (made
// into sk2.skn) and dm.txt.  The category file and dm.txt are taken apart
// the way the program does: GBK text, TIniFile, the token helpers.
#include "Gbk.h"
#include "IniFile.h"
#include "Tokens.h"

#include <gtest/gtest.h>

#include <array>
#include <cstddef>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

using namespace yq;

namespace {

const std::filesystem::path kDataDir = YQ_DATA_DIR;

struct Riddle {
    int line = 0;
    std::string text;   // 谜面
    std::string target; // 谜目
    std::string answer; // 谜底
};

struct Group {
    std::string key;
    std::vector<std::string> items;
};

// The keys of sk2.skn in the order of the category bar; the last one holds
// the riddle formats (谜格), which also carry an answer type of another group.
constexpr std::array<std::string_view, 6> kGroupKeys = {"zici",  "wenhua", "yishu",
                                                        "dimin", "renmin", "daige"};
constexpr std::string_view kFormatGroup = "daige";
constexpr std::size_t kMinRiddles = 1000;
constexpr int kMinPerItem = 5;
// The platform's INI reader gives at most this many bytes of a value.
constexpr std::size_t kMaxValueBytes = 2047;

std::vector<std::string> ReadLines(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    EXPECT_TRUE(in) << "cannot open " << path;
    std::vector<std::string> lines;
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

std::vector<std::string> Split(std::string_view text, char separator) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (;;) {
        std::size_t end = text.find(separator, start);
        parts.emplace_back(text.substr(start, end - start));
        if (end == std::string_view::npos) return parts;
        start = end + 1;
    }
}

// The words of a space-separated GBK list, as the browser window fills a
// category group: normalise, count the separators, take that many tokens.
std::vector<std::string> Words(const std::string& gbk) {
    std::string rest = NormalizeSeparators(gbk, ' ');
    std::vector<std::string> words;
    for (int n = CountChar(rest, ' '); n > 0; --n)
        words.push_back(GbkToUtf8(TakeToken(rest, ' ')));
    return words;
}

bool IsTrimmed(std::string_view s) {
    auto blank = [](char c) { return c == ' ' || c == '\t'; };
    return !s.empty() && !blank(s.front()) && !blank(s.back());
}

// The same reading as tools/riddledb.py: '#' lines and blank lines are
// skipped, every other line is 谜面<TAB>谜目<TAB>谜底.
std::vector<Riddle> LoadRiddles() {
    std::vector<Riddle> riddles;
    auto lines = ReadLines(kDataDir / "riddles.tsv");
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string& line = lines[i];
        if (line.find_first_not_of(" \t") == std::string::npos || line.front() == '#') continue;
        auto fields = Split(line, '\t');
        int number = static_cast<int>(i) + 1;
        EXPECT_EQ(fields.size(), 3u) << "riddles.tsv:" << number << ": " << line;
        if (fields.size() != 3) continue;
        riddles.push_back({number, fields[0], fields[1], fields[2]});
    }
    return riddles;
}

// categories.ini as the program sees sk2.skn: GBK text read by TIniFile.
std::vector<Group> LoadGroups() {
    std::ifstream in(kDataDir / "categories.ini", std::ios::binary);
    std::stringstream utf8;
    utf8 << in.rdbuf();
    bool lossless = false;
    std::string gbk = Utf8ToGbk(utf8.str(), &lossless);
    EXPECT_TRUE(lossless) << "categories.ini holds characters GBK cannot hold";

    auto skn = std::filesystem::temp_directory_path() / "yq_collection_sk2.skn";
    std::ofstream(skn, std::ios::binary) << gbk;
    TIniFile ini(skn);
    std::vector<Group> groups;
    for (auto key : kGroupKeys) {
        std::string value = Utf8ToGbk(ini.ReadString("setup", key, ""));
        EXPECT_LE(value.size(), kMaxValueBytes) << key << " is longer than the INI reader reads";
        groups.push_back({std::string(key), Words(value)});
    }
    std::filesystem::remove(skn);
    return groups;
}

class Collection : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        riddles_ = LoadRiddles();
        groups_ = LoadGroups();
    }
    static std::vector<Riddle> riddles_;
    static std::vector<Group> groups_;
};

std::vector<Riddle> Collection::riddles_;
std::vector<Group> Collection::groups_;

TEST_F(Collection, HoldsAThousandCompleteRiddles) {
    EXPECT_GE(riddles_.size(), kMinRiddles);
    for (const auto& r : riddles_) {
        EXPECT_TRUE(IsTrimmed(r.text) && IsTrimmed(r.target) && IsTrimmed(r.answer))
            << "riddles.tsv:" << r.line << ": an empty field or one with blanks around it";
    }
}

TEST_F(Collection, NoRiddleTextTwice) {
    std::map<std::string, int> firstLine;
    for (const auto& r : riddles_) {
        auto [it, inserted] = firstLine.emplace(r.text, r.line);
        EXPECT_TRUE(inserted) << "riddles.tsv:" << r.line << ": " << r.text << " is already on line "
                              << it->second;
    }
}

TEST_F(Collection, EveryTextSurvivesGbk) {
    for (const auto& r : riddles_) {
        for (const std::string* field : {&r.text, &r.target, &r.answer}) {
            bool lossless = false;
            Utf8ToGbk(*field, &lossless);
            EXPECT_TRUE(lossless) << "riddles.tsv:" << r.line << ": " << *field;
        }
    }
}

TEST_F(Collection, EveryCategoryItemFindsFiveRiddles) {
    for (const auto& group : groups_) {
        EXPECT_FALSE(group.items.empty()) << "no items for " << group.key;
        for (const auto& item : group.items) {
            int matches = 0;
            for (const auto& r : riddles_)
                if (r.target.find(item) != std::string::npos) ++matches;
            EXPECT_GE(matches, kMinPerItem) << group.key << ": " << item;
        }
    }
}

// A click on an item shows the riddles whose 谜目 contains it: every riddle
// can be reached from the category bar, and the items of one group catch no
// riddle of another.  Only the riddle-format group shares its riddles, with
// the group of their answer type.
TEST_F(Collection, EveryRiddleHasOneHomeInTheCategoryBar) {
    for (const auto& r : riddles_) {
        std::vector<std::string> homes;
        bool hasFormat = false;
        for (const auto& group : groups_) {
            for (const auto& item : group.items) {
                if (r.target.find(item) == std::string::npos) continue;
                if (group.key == kFormatGroup)
                    hasFormat = true;
                else
                    homes.push_back(group.key + ":" + item);
                break;
            }
        }
        EXPECT_TRUE(!homes.empty() || hasFormat)
            << "riddles.tsv:" << r.line << ": " << r.target << " is in no category";
        EXPECT_LE(homes.size(), 1u) << "riddles.tsv:" << r.line << ": " << r.target << " is caught by "
                                    << homes.front() << " and " << homes.back();
    }
}

// dm.txt: one riddle per line, 谜面 谜目 谜底 separated by ASCII spaces; the
// quiz window's user riddle bank takes three tokens of each line.
TEST(UserRiddleFile, EveryLineHasRiddleTargetAndAnswer) {
    auto lines = ReadLines(kDataDir / "dm.txt");
    EXPECT_FALSE(lines.empty());
    for (std::size_t i = 0; i < lines.size(); ++i) {
        bool lossless = false;
        std::string rest = NormalizeSeparators(Utf8ToGbk(lines[i], &lossless), ' ');
        EXPECT_TRUE(lossless) << "dm.txt:" << i + 1;
        for (const char* part : {"riddle", "target", "answer"})
            EXPECT_FALSE(TakeToken(rest, ' ').empty()) << "dm.txt:" << i + 1 << ": no " << part;
        EXPECT_TRUE(rest.empty()) << "dm.txt:" << i + 1 << ": more than three words";
    }
}

} // namespace
