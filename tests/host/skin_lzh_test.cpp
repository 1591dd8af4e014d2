// The skin decompressor against our encoder and against hand-made streams
// that reach the corners of the scheme.
#include "Lzh.h"
#include "LzhEncoder.h"
#include "LzhTree.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <random>
#include <string>

namespace yq {
namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes Decode(const Bytes& blob) {
    TByteStream in(blob), out;
    TLZH().Decompress(in, out);
    EXPECT_EQ(out.Position(), out.Size());
    return out.TakeBytes();
}

Bytes MixedMegabyte() {
    std::mt19937 random(7);
    Bytes data;
    const std::string words[] = {"灯谜", "lantern ", "riddle", "\r\n", "[Buttons]", "    "};
    while (data.size() < (1u << 20)) {
        switch (random() % 4) {
        case 0: { // text
            const std::string& w = words[random() % std::size(words)];
            data.insert(data.end(), w.begin(), w.end());
            break;
        }
        case 1: // noise
            for (int i = 0; i < 50; ++i)
                data.push_back(std::uint8_t(random()));
            break;
        case 2: // a run
            data.insert(data.end(), random() % 300, std::uint8_t(random()));
            break;
        default: // a repeat from far back
            if (data.size() > 5000) {
                const std::size_t from = data.size() - 4000 - random() % 1000;
                const std::size_t n = 10 + random() % 100;
                for (std::size_t i = 0; i < n; ++i)
                    data.push_back(data[from + i]);
            }
        }
    }
    data.resize(1u << 20);
    return data;
}

Bytes ReadFile(const char* path) {
    std::ifstream f(path, std::ios::binary);
    return Bytes((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
}

struct RoundTrip {
    const char* name;
    Bytes data;
};

TEST(SkinLzh, RoundTripsEncoderToDecoder) {
    Bytes all256(256);
    for (int i = 0; i < 256; ++i)
        all256[std::size_t(i)] = std::uint8_t(i);
    Bytes runs;
    for (int v : {0x20, 0x00, 0xFF, int('a')})
        runs.insert(runs.end(), 100000, std::uint8_t(v));
    Bytes noise(40000); // enough symbols to rebuild the tree once
    std::mt19937 random(1);
    for (auto& b : noise)
        b = std::uint8_t(random());

    const RoundTrip cases[] = {
        {"empty", {}},
        {"one byte", {0x41}},
        {"all 256 byte values", all256},
        {"long runs", runs},
        {"noise past the tree rebuild", noise},
        {"1 MB mixed", MixedMegabyte()},
        {"our skin archive", ReadFile(YQ_SKIN_ARCHIVE)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const Bytes blob = LzhCompress(c.data);
        EXPECT_EQ(Decode(blob), c.data);
    }
    EXPECT_GT(cases[6].data.size(), 10000u) << "the skin archive was not generated";
    EXPECT_LT(LzhCompress(runs).size(), runs.size() / 40) << "long runs must compress";
}

// Writes symbols and distances in the decoder's model, to build streams the
// encoder would never produce.
class StreamBuilder {
public:
    explicit StreamBuilder(std::int32_t length) {
        for (int i = 0; i < 4; ++i)
            blob_.push_back(std::uint8_t(std::uint32_t(length) >> (8 * i)));
    }
    void Symbol(int s) {
        const auto code = tree_.CodeOf(s);
        Bits(code.bits, code.length);
        tree_.Update(s);
    }
    void Match(int length, int distance) {
        Symbol(length + lzh::kMatchBias);
        ASSERT_LT(distance, 64) << "only upper value 0 (code 000) is written here";
        Bits(0, 3);
        Bits(std::uint32_t(distance), 6);
    }
    Bytes Finish() {
        if (used_) blob_.push_back(std::uint8_t(current_ << (8 - used_)));
        return blob_;
    }

private:
    void Bits(std::uint32_t bits, int n) {
        for (int i = n - 1; i >= 0; --i) {
            current_ = std::uint8_t(current_ << 1 | ((bits >> i) & 1));
            if (++used_ == 8) {
                blob_.push_back(current_);
                used_ = 0;
            }
        }
    }
    Bytes blob_;
    lzh::TLzhTree tree_;
    std::uint8_t current_ = 0;
    int used_ = 0;
};

TEST(SkinLzh, FirstMatchCopiesTheInitialSpacesAndCrossesTheLengthWhole) {
    StreamBuilder five(5);
    five.Match(5, 0);
    EXPECT_EQ(Decode(five.Finish()), Bytes(5, 0x20));

    // L = 3, but the match of 5 is copied whole.
    StreamBuilder crossing(3);
    crossing.Match(5, 0);
    EXPECT_EQ(Decode(crossing.Finish()), Bytes(5, 0x20));

    // An overlapping match repeats what it has just written.
    StreamBuilder overlap(7);
    overlap.Symbol('x');
    overlap.Symbol('y');
    overlap.Match(5, 1);
    const Bytes expected = {'x', 'y', 'x', 'y', 'x', 'y', 'x'};
    EXPECT_EQ(Decode(overlap.Finish()), expected);
}

TEST(SkinLzh, LengthZeroIsEmptyAndBadLengthsAreErrors) {
    EXPECT_TRUE(Decode({0, 0, 0, 0, 0xAB, 0xCD}).empty());

    for (std::int64_t length : {std::int64_t(-1), std::int64_t(INT32_MIN), TLZH::kMaxLength + 1}) {
        SCOPED_TRACE(length);
        const auto u = std::uint32_t(length);
        TByteStream in(
            Bytes{std::uint8_t(u), std::uint8_t(u >> 8), std::uint8_t(u >> 16), std::uint8_t(u >> 24)});
        TByteStream out(Bytes{1, 2, 3});
        try {
            TLZH().Decompress(in, out);
            ADD_FAILURE() << "no exception";
        } catch (const ElzhException& e) {
            EXPECT_STREQ(e.what(), kLzhBadLength);
        }
        EXPECT_EQ(out.Size(), 0);
    }
}

TEST(SkinLzh, TruncatedStreamDecodesZeroBitsUntilTheLength) {
    for (const Bytes& blob : {Bytes{0x10, 0x27, 0, 0}, Bytes{0x10, 0x27, 0, 0, 0xFF, 0x13}}) {
        const Bytes out = Decode(blob);
        EXPECT_GE(out.size(), 10000u);
        EXPECT_LT(out.size(), 10000u + lzh::kLongestMatch);
    }
}

// The tree's invariants: counts sorted with the root last, every internal
// count the sum of its children, parent and child links agreeing.
void ExpectConsistent(const lzh::TLzhTree& tree) {
    using namespace lzh;
    for (int k = 0; k + 1 < kNodes; ++k)
        ASSERT_LE(tree.Count(k), tree.Count(k + 1)) << k;
    int leaves = 0;
    for (int k = 0; k < kNodes; ++k) {
        const int c = tree.Child(k);
        if (c >= kNodes) {
            ++leaves;
            ASSERT_EQ(tree.Parent(c), k);
        } else {
            ASSERT_EQ(tree.Parent(c), k);
            ASSERT_EQ(tree.Parent(c + 1), k);
            ASSERT_EQ(tree.Count(k), tree.Count(c) + tree.Count(c + 1)) << k;
        }
    }
    EXPECT_EQ(leaves, kSymbols);
}

TEST(SkinLzh, TreeRebuildsWithHalvedCountsWhenTheRootReaches0x8000) {
    using namespace lzh;
    TLzhTree tree;
    EXPECT_EQ(tree.Count(kRoot), unsigned(kSymbols));
    std::mt19937 random(3);
    int updates = 0;
    while (tree.Count(kRoot) < unsigned(kRebuildCount)) {
        // Skewed symbols, so the halving changes the shape.
        tree.Update(random() % 4 == 0 ? int(random() % kSymbols) : 'e');
        ++updates;
    }
    EXPECT_EQ(updates, kRebuildCount - kSymbols);
    ExpectConsistent(tree);
    const unsigned before = tree.Count(tree.Parent('e' + kNodes));

    tree.Update('e');
    EXPECT_LT(tree.Count(kRoot), unsigned(kRebuildCount) / 2 + kSymbols);
    EXPECT_EQ(tree.Count(tree.Parent('e' + kNodes)), (before + 1) / 2 + 1);
    ExpectConsistent(tree);
}

} // namespace
} // namespace yq
