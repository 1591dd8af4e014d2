#include "LzhEncoder.h"

#include "LzhTree.h"

#include <algorithm>
#include <stdexcept>

namespace yq {

namespace {

using namespace lzh;

class TBitWriter {
public:
    explicit TBitWriter(std::vector<std::uint8_t>& out) : out_(out) {}

    // Appends the low `length` bits of `bits`, most significant first.
    void Put(std::uint32_t bits, int length) {
        for (int i = length - 1; i >= 0; --i) {
            current_ = std::uint8_t(current_ << 1 | ((bits >> i) & 1u));
            if (++used_ == 8) Flush();
        }
    }
    void Finish() {
        if (used_ > 0) {
            current_ = std::uint8_t(current_ << (8 - used_));
            Flush();
        }
    }

private:
    void Flush() {
        out_.push_back(current_);
        current_ = 0;
        used_ = 0;
    }
    std::vector<std::uint8_t>& out_;
    std::uint8_t current_ = 0;
    int used_ = 0;
};

// Finds the longest earlier match in the decoder's view of the text: the
// window's initial spaces followed by the data.  Hash chains over three-byte
// prefixes, searched to a bounded depth.
class TMatchFinder {
public:
    static constexpr int kHashBits = 15;
    static constexpr int kMaxChain = 256;

    explicit TMatchFinder(const std::vector<std::uint8_t>& text)
        : text_(text), head_(std::size_t(1) << kHashBits, -1), previous_(text.size(), -1) {}

    void Insert(int position) {
        if (position + kShortestMatch > int(text_.size())) return;
        const auto h = Hash(position);
        previous_[std::size_t(position)] = head_[h];
        head_[h] = position;
    }

    struct Match {
        int length = 0;
        int back = 0; // 1..kRingSize
    };

    Match Longest(int position) const {
        Match best;
        const int limit = std::min<int>(kLongestMatch, int(text_.size()) - position);
        if (limit < kShortestMatch) return best;
        int chain = 0;
        for (int q = head_[Hash(position)]; q >= 0 && chain < kMaxChain;
             q = previous_[std::size_t(q)], ++chain) {
            const int back = position - q;
            if (back > kRingSize) break;
            int n = 0;
            while (n < limit && text_[std::size_t(q + n)] == text_[std::size_t(position + n)])
                ++n;
            if (n > best.length) {
                best = {n, back};
                if (n == limit) break;
            }
        }
        return best;
    }

private:
    std::size_t Hash(int position) const {
        const auto* p = text_.data() + position;
        const std::uint32_t v = std::uint32_t(p[0]) << 16 | std::uint32_t(p[1]) << 8 | p[2];
        return (v * 2654435761u) >> (32 - kHashBits);
    }

    const std::vector<std::uint8_t>& text_;
    std::vector<int> head_;
    std::vector<int> previous_;
};

class TEncoder {
public:
    TEncoder(std::vector<std::uint8_t>& out) : bits_(out) {}

    void Literal(std::uint8_t byte) { Symbol(byte); }

    void Match(int length, int back) {
        Symbol(length + kMatchBias);
        const int distance = back - 1;
        const int upper = distance >> 6;
        const TDistanceCode& code = DistanceCode();
        const auto first = std::find(code.upper.begin(), code.upper.end(), std::uint8_t(upper));
        const int n = code.length[std::size_t(first - code.upper.begin())];
        bits_.Put(std::uint32_t(first - code.upper.begin()) >> (8 - n), n);
        bits_.Put(std::uint32_t(distance & 0x3F), 6);
    }

    void Finish() { bits_.Finish(); }

private:
    void Symbol(int symbol) {
        const TLzhTree::Code code = tree_.CodeOf(symbol);
        bits_.Put(code.bits, code.length);
        tree_.Update(symbol);
    }

    TBitWriter bits_;
    TLzhTree tree_;
};

} // namespace

std::vector<std::uint8_t> LzhCompress(std::span<const std::uint8_t> data) {
    if (data.size() > std::size_t(INT32_MAX) - kRingStart) throw std::length_error("LZH : data too long");
    std::vector<std::uint8_t> out;
    const auto length = std::uint32_t(data.size());
    out = {std::uint8_t(length), std::uint8_t(length >> 8), std::uint8_t(length >> 16),
           std::uint8_t(length >> 24)};

    // The decoder's window starts with kRingStart spaces; matches may reach
    // back into them, never before them.
    std::vector<std::uint8_t> text(std::size_t(kRingStart) + data.size(), 0x20);
    std::copy(data.begin(), data.end(), text.begin() + kRingStart);
    TMatchFinder finder(text);
    for (int p = std::max(0, kRingStart - kRingSize); p < kRingStart; ++p)
        finder.Insert(p);

    TEncoder encoder(out);
    int p = kRingStart;
    const int end = int(text.size());
    while (p < end) {
        TMatchFinder::Match match = finder.Longest(p);
        if (match.length >= kShortestMatch && match.length < kLongestMatch && p + 1 < end) {
            // One step of lazy matching: take a literal when the next
            // position starts a longer match.
            finder.Insert(p);
            const TMatchFinder::Match next = finder.Longest(p + 1);
            if (next.length > match.length + 1) {
                encoder.Literal(text[std::size_t(p)]);
                ++p;
                match = next;
            } else {
                encoder.Match(match.length, match.back);
                for (int k = 1; k < match.length; ++k)
                    finder.Insert(p + k);
                p += match.length;
                continue;
            }
        }
        if (match.length >= kShortestMatch) {
            encoder.Match(match.length, match.back);
            for (int k = 0; k < match.length; ++k)
                finder.Insert(p + k);
            p += match.length;
        } else {
            encoder.Literal(text[std::size_t(p)]);
            finder.Insert(p);
            ++p;
        }
    }
    encoder.Finish();
    return out;
}

} // namespace yq
