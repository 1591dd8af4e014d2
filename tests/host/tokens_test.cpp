#include "Tokens.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace yq;

namespace {
const std::string kDeng = "\xB5\xC6"; // 灯
const std::string kMi = "\xC3\xD5";   // 谜
// 丂 (0x81 0x40): a GBK character whose second byte is ASCII '@'.
const std::string kTrailAscii = "\x81\x40";

// Normalises, then takes tokens until the text holds no separator.
std::vector<std::string> Words(const std::string& text) {
    std::string rest = NormalizeSeparators(text, ' ');
    std::vector<std::string> words;
    for (int i = CountChar(rest, ' '); i > 0; --i)
        words.push_back(TakeToken(rest, ' '));
    EXPECT_EQ(rest, "");
    return words;
}
} // namespace

TEST(Tokens, NormalizeSeparators) {
    struct Case {
        std::string in, out;
    } cases[] = {
        {"a b", "a b "},  {"  a   b  ", "a b "},
        {"ab", "ab "},    {"a  b", "a b "},
        {"a b ", "a b "}, {"", ""},
        {"   ", ""},      {kDeng + "  " + kMi + kTrailAscii, kDeng + " " + kMi + kTrailAscii + " "},
    };
    for (const Case& c : cases)
        EXPECT_EQ(NormalizeSeparators(c.in, ' '), c.out) << '[' << c.in << ']';
    EXPECT_EQ(NormalizeSeparators(",,a,b", ','), "a,b,");
}

TEST(Tokens, TakeToken) {
    struct Case {
        std::string in, token, rest;
    } cases[] = {
        {"a b ", "a", "b "}, {"b ", "b", ""},
        {"", "", ""},        {"abc", "", "abc"}, // no separator: nothing taken, nothing lost
        {" a", "", "a"},     {kDeng + kMi + " x", kDeng + kMi, "x"},
    };
    for (const Case& c : cases) {
        std::string text = c.in;
        EXPECT_EQ(TakeToken(text, ' '), c.token) << '[' << c.in << ']';
        EXPECT_EQ(text, c.rest) << '[' << c.in << ']';
    }
}

TEST(Tokens, TakingAListApartYieldsItsWordsThenEmptyTokens) {
    std::string list = NormalizeSeparators("a  b", ' ');
    EXPECT_EQ(TakeToken(list, ' '), "a");
    EXPECT_EQ(TakeToken(list, ' '), "b");
    EXPECT_EQ(TakeToken(list, ' '), "");
    EXPECT_EQ(TakeToken(list, ' '), "");
    EXPECT_EQ(Words("  " + kDeng + " x  " + kMi + " "), (std::vector<std::string>{kDeng, "x", kMi}));
    EXPECT_TRUE(Words("    ").empty());
}

TEST(Tokens, CountChar) {
    EXPECT_EQ(CountChar("a  b", ' '), 2);
    EXPECT_EQ(CountChar("", ' '), 0);
    EXPECT_EQ(CountChar(kDeng + kMi, ' '), 0);
}

TEST(Tokens, KeepHighBytes) {
    struct Case {
        std::string in, out;
    } cases[] = {
        {kDeng + "a" + kMi + "1", kDeng + kMi}, {"abc 123!", ""}, {kDeng, kDeng}, {"", ""},
        {kTrailAscii + kDeng, "\x81" + kDeng}, // a trail byte below 0x80 is lost
    };
    for (const Case& c : cases)
        EXPECT_EQ(KeepHighBytes(c.in), c.out);
}

TEST(Tokens, HasMultiByteChar) {
    struct Case {
        std::string in;
        bool multi;
    } cases[] = {
        {"abc", false}, {"", false}, {kDeng, true}, {"a" + kMi + "b", true}, {kTrailAscii, true},
    };
    for (const Case& c : cases)
        EXPECT_EQ(HasMultiByteChar(c.in), c.multi) << '[' << c.in << ']';
}
