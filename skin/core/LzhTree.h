#pragma once
// The adaptive Huffman tree of the LZHUF scheme, shared by the decoder and
// our encoder so that both keep exactly the same model: 314 symbols (256
// literals and the match lengths 3..60), 627 nodes kept sorted by count with
// the root last, rebuilt with halved counts once the root count reaches
// 0x8000.
#include <array>
#include <cstdint>

namespace yq::lzh {

inline constexpr int kRingSize = 4096;                                    // N
inline constexpr int kLongestMatch = 60;                                  // F
inline constexpr int kShortestMatch = 3;                                  // M
inline constexpr int kSymbols = 256 + kLongestMatch - kShortestMatch + 1; // A = 314
inline constexpr int kNodes = 2 * kSymbols - 1;                           // T = 627
inline constexpr int kRoot = kNodes - 1;                                  // R = 626
inline constexpr int kRebuildCount = 0x8000;                              // K
inline constexpr int kRingStart = kRingSize - kLongestMatch;              // first write position, 4036
// A match symbol s stands for the length s - kMatchBias.
inline constexpr int kMatchBias = 256 - kShortestMatch;

class TLzhTree {
public:
    TLzhTree();

    // Node k's child link: a leaf code (>= kNodes) or the left child of an
    // internal node, whose right child is the next index.
    int Child(int node) const { return child_[node]; }
    int Parent(int node) const { return parent_[node]; }
    unsigned Count(int node) const { return counts_[node]; }

    // Counts one more occurrence of `symbol`, rebuilding first when the root
    // count has reached kRebuildCount.
    void Update(int symbol);

    // The code of `symbol` in the current tree, first bit in the most
    // significant of `length` bits.
    struct Code {
        std::uint32_t bits;
        int length;
    };
    Code CodeOf(int symbol) const;

private:
    void Rebuild();

    std::array<std::uint16_t, kNodes + 1> counts_{}; // counts_[kNodes] is a 0xFFFF sentinel
    std::array<std::int16_t, kNodes + kSymbols> parent_{};
    std::array<std::int16_t, kNodes> child_{};
};

// The fixed prefix code of a distance's upper six bits: the first byte of a
// distance names the upper value and how many bits (kDistanceBits[b] - 2)
// follow it.
struct TDistanceCode {
    std::array<std::uint8_t, 256> upper;  // CODE
    std::array<std::uint8_t, 256> length; // LEN
};
const TDistanceCode& DistanceCode();

} // namespace yq::lzh
