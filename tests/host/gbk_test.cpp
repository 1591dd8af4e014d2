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
    std::string odd = GbkToUtf8("a\xFF" "b");
    EXPECT_GT(odd.size(), 2u);
    EXPECT_EQ(odd.front(), 'a');
    EXPECT_EQ(odd.back(), 'b');
}
