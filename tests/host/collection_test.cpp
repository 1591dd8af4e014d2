// The riddle collection and the files shipped beside it, checked from their
// sources in data/: riddles.tsv (made into sk5.skn; a fourth column holds
// each riddle's 扣合 note, which stays out of the database), categories.ini (made
// into sk2.skn) and dm.txt.  The category file and dm.txt are taken apart
// the way the program does: GBK text, profile-file rules, token helpers.
#include "Gbk.h"
#include "IniParser.h"
#include "Tokens.h"

#include <gtest/gtest.h>

#include <array>
#include <cstddef>
#include <filesystem>
#include <fstream>
#include <map>
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
constexpr std::size_t kMinRiddles = 3000;
constexpr int kMinPerItem = 15;

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

// What the build ships, read once.
struct Shipped {
    std::vector<Riddle> riddles;
    std::vector<std::string> malformed; // riddles.tsv lines that are no riddle
    std::vector<Group> groups;          // categories as the program reads sk2.skn
    std::vector<Group> written;         // categories as written in categories.ini
    bool categoriesFitGbk = false;
};

// The same reading as tools/riddledb.py: '#' lines and blank lines are
// skipped, every other line is 谜面<TAB>谜目<TAB>谜底<TAB>扣合.
void LoadRiddles(Shipped& shipped) {
    auto lines = ReadLines(kDataDir / "riddles.tsv");
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string& line = lines[i];
        if (line.find_first_not_of(" \t") == std::string::npos || line.front() == '#') continue;
        auto fields = Split(line, '\t');
        int number = static_cast<int>(i) + 1;
        if (fields.size() == 4 && !fields[3].empty())
            shipped.riddles.push_back({number, fields[0], fields[1], fields[2]});
        else
            shipped.malformed.push_back("riddles.tsv:" + std::to_string(number) + ": " + line);
    }
}

// The items written for a key in categories.ini (UTF-8), split at spaces.
std::vector<std::string> WrittenItems(const std::vector<std::string>& lines, std::string_view key) {
    for (const auto& line : lines) {
        if (line.size() > key.size() && line.compare(0, key.size(), key) == 0 && line[key.size()] == '=') {
            std::vector<std::string> items;
            for (auto& part : Split(std::string_view(line).substr(key.size() + 1), ' '))
                if (!part.empty()) items.push_back(part);
            return items;
        }
    }
    return {};
}

// categories.ini as the program sees sk2.skn: GBK bytes read with the
// platform's profile-file rules (which cut a value after 2047 bytes) and
// split with the token helpers.
void LoadGroups(Shipped& shipped) {
    auto lines = ReadLines(kDataDir / "categories.ini");
    std::string utf8;
    for (const auto& line : lines)
        utf8 += line + "\r\n";
    TIniDocument sk2(Utf8ToGbk(utf8, &shipped.categoriesFitGbk));
    for (auto key : kGroupKeys) {
        shipped.groups.push_back({std::string(key), Words(sk2.Value("setup", key).value_or(""))});
        shipped.written.push_back({std::string(key), WrittenItems(lines, key)});
    }
}

const Shipped& Data() {
    static const Shipped shipped = [] {
        Shipped s;
        LoadRiddles(s);
        LoadGroups(s);
        return s;
    }();
    return shipped;
}

TEST(Collection, HoldsThreeThousandCompleteRiddles) {
    EXPECT_EQ(Data().malformed, std::vector<std::string>{})
        << "lines that are not 谜面<TAB>谜目<TAB>谜底<TAB>扣合";
    EXPECT_GE(Data().riddles.size(), kMinRiddles);
    for (const auto& r : Data().riddles) {
        EXPECT_TRUE(IsTrimmed(r.text) && IsTrimmed(r.target) && IsTrimmed(r.answer))
            << "riddles.tsv:" << r.line << ": an empty field or one with blanks around it";
    }
}

TEST(Collection, NoRiddleTextTwice) {
    std::map<std::string, int> firstLine;
    for (const auto& r : Data().riddles) {
        auto [it, inserted] = firstLine.emplace(r.text, r.line);
        EXPECT_TRUE(inserted) << "riddles.tsv:" << r.line << ": " << r.text << " is already on line "
                              << it->second;
    }
}

TEST(Collection, EveryTextSurvivesGbk) {
    for (const auto& r : Data().riddles) {
        for (const std::string* field : {&r.text, &r.target, &r.answer}) {
            bool lossless = false;
            Utf8ToGbk(*field, &lossless);
            EXPECT_TRUE(lossless) << "riddles.tsv:" << r.line << ": " << *field;
        }
    }
}

TEST(Collection, ProgramSeesTheCategoryItemsWritten) {
    EXPECT_TRUE(Data().categoriesFitGbk) << "categories.ini holds characters GBK cannot hold";
    for (std::size_t i = 0; i < kGroupKeys.size(); ++i)
        EXPECT_EQ(Data().groups[i].items, Data().written[i].items) << kGroupKeys[i];
}

TEST(Collection, EveryCategoryItemFindsFifteenRiddles) {
    for (const auto& group : Data().groups) {
        EXPECT_FALSE(group.items.empty()) << "no items for " << group.key;
        for (const auto& item : group.items) {
            int matches = 0;
            for (const auto& r : Data().riddles)
                if (r.target.find(item) != std::string::npos) ++matches;
            EXPECT_GE(matches, kMinPerItem) << group.key << ": " << item;
        }
    }
}

// A click on an item shows the riddles whose 谜目 contains it: every riddle
// can be reached from the category bar, and no two items catch the same
// riddle.  Only the riddle-format group shares its riddles, with the item of
// their answer type.
TEST(Collection, EveryRiddleHasOneHomeInTheCategoryBar) {
    for (const auto& r : Data().riddles) {
        std::vector<std::string> homes;
        bool hasFormat = false;
        for (const auto& group : Data().groups) {
            for (const auto& item : group.items) {
                if (r.target.find(item) == std::string::npos) continue;
                if (group.key == kFormatGroup)
                    hasFormat = true;
                else
                    homes.push_back(group.key + ":" + item);
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
