#include "Gbk.h"

#include <gtest/gtest.h>

using namespace yq;

TEST(Gbk, RoundTripsChineseAndAscii) {
    const std::string gbk = "\xD4\xC6\xE9\xD4 V1"; // 云樵 V1
    EXPECT_EQ(GbkToUtf8(gbk), "云樵 V1");
    bool lossless = false;
    EXPECT_EQ(Utf8ToGbk("云樵 V1", &lossless), gbk);
    EXPECT_TRUE(lossless);
}

TEST(Gbk, ReportsWhatCannotBeConverted) {
    bool lossless = true;
    EXPECT_EQ(Utf8ToGbk("aกb", &lossless), "a?b"); // Thai has no GBK form
    EXPECT_FALSE(lossless);
    // A byte that starts no GBK character still leaves its neighbours intact.
    std::string odd = GbkToUtf8("a\xFF"
                                "b");
    EXPECT_GT(odd.size(), 2u);
    EXPECT_EQ(odd.front(), 'a');
    EXPECT_EQ(odd.back(), 'b');
}

// What a file holds comes back byte for byte, whatever is not GBK in it.
TEST(Gbk, EveryByteSequenceRoundTrips) {
    struct Case {
        const char* name;
        std::string bytes;
    } cases[] = {
        {"invalid lead bytes before spaces", "\x81 \xD2 b"},
        {"lead byte at the end", "\xD4\xC6\xE9"},
        {"lead byte before a line break", "\xD4\r\n\xC6\n"},
        {"stray 0x80 and 0xFF", "\x80\xFF\xFF"},
        {"lead before a lead", "\x81\x81\x40"},
        {"valid pairs beside invalid bytes", "\xD4\xC6\xFF\xE9\xD4"},
        {"trail range 0x40-0x7E", "\x81\x40\x81\x7E"},
        {"0x7F is no trail", "\x81\x7F"},
        {"control bytes", std::string("a\0b\x1F", 4)},
    };
    for (const Case& c : cases) {
        bool lossless = false;
        EXPECT_EQ(Utf8ToGbk(GbkToUtf8(c.bytes), &lossless), c.bytes) << c.name;
        EXPECT_TRUE(lossless) << c.name;
    }
    // Every pair of bytes, each byte alone and before a space.
    for (int a = 0x80; a <= 0xFF; ++a) {
        std::string single{char(a), ' ', 'x'};
        ASSERT_EQ(Utf8ToGbk(GbkToUtf8(single)), single) << std::hex << a;
        for (int b = 0x20; b <= 0xFF; ++b) {
            std::string pair{char(a), char(b)};
            ASSERT_EQ(Utf8ToGbk(GbkToUtf8(pair)), pair) << std::hex << a << ' ' << b;
        }
    }
}

TEST(Gbk, InvalidByteNeverSwallowsItsNeighbour) {
    // 81 20 D2 20 62: both spaces survive as spaces.
    std::string text = GbkToUtf8("\x81 \xD2 b");
    EXPECT_EQ(text, "\xEF\x9E\x81 \xEF\x9F\x92 b");
}
