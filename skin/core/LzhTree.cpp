#include "LzhTree.h"

#include <algorithm>

namespace yq::lzh {

TLzhTree::TLzhTree() {
    for (int s = 0; s < kSymbols; ++s) {
        counts_[s] = 1;
        child_[s] = std::int16_t(s + kNodes);
        parent_[s + kNodes] = std::int16_t(s);
    }
    for (int i = 0, j = kSymbols; j <= kRoot; i += 2, ++j) {
        counts_[j] = std::uint16_t(counts_[i] + counts_[i + 1]);
        child_[j] = std::int16_t(i);
        parent_[i] = parent_[i + 1] = std::int16_t(j);
    }
    counts_[kNodes] = 0xFFFF;
    parent_[kRoot] = 0;
}

void TLzhTree::Rebuild() {
    int j = 0;
    for (int i = 0; i < kNodes; ++i) {
        if (child_[i] >= kNodes) {
            counts_[j] = std::uint16_t((counts_[i] + 1) / 2);
            child_[j] = child_[i];
            ++j;
        }
    }
    for (int i = 0, node = kSymbols; node < kNodes; i += 2, ++node) {
        const unsigned f = counts_[i] + counts_[i + 1];
        int k = node - 1;
        while (f < counts_[k])
            --k;
        ++k;
        std::copy_backward(counts_.begin() + k, counts_.begin() + node, counts_.begin() + node + 1);
        std::copy_backward(child_.begin() + k, child_.begin() + node, child_.begin() + node + 1);
        counts_[k] = std::uint16_t(f);
        child_[k] = std::int16_t(i);
    }
    for (int k = 0; k < kNodes; ++k) {
        const int c = child_[k];
        if (c >= kNodes) {
            parent_[c] = std::int16_t(k);
        } else {
            parent_[c] = parent_[c + 1] = std::int16_t(k);
        }
    }
}

void TLzhTree::Update(int symbol) {
    if (counts_[kRoot] == kRebuildCount) Rebuild();
    int n = parent_[symbol + kNodes];
    do {
        const unsigned k = ++counts_[n];
        if (k > counts_[n + 1]) {
            int l = n + 1;
            while (k > counts_[l + 1])
                ++l;
            counts_[n] = counts_[l];
            counts_[l] = std::uint16_t(k);

            const int i = child_[n];
            parent_[i] = std::int16_t(l);
            if (i < kNodes) parent_[i + 1] = std::int16_t(l);
            const int j = child_[l];
            child_[l] = std::int16_t(i);
            parent_[j] = std::int16_t(n);
            if (j < kNodes) parent_[j + 1] = std::int16_t(n);
            child_[n] = std::int16_t(j);
            n = l;
        }
        n = parent_[n];
    } while (n != 0);
}

TLzhTree::Code TLzhTree::CodeOf(int symbol) const {
    Code code{0, 0};
    for (int node = parent_[symbol + kNodes]; node != kRoot; node = parent_[node]) {
        const int bit = node - child_[parent_[node]];
        code.bits |= std::uint32_t(bit) << code.length;
        ++code.length;
    }
    return code;
}

namespace {

TDistanceCode MakeDistanceCode() {
    // Number of upper values coded with 3, 4, ..., 8 bits.
    constexpr int kValuesPerLength[] = {1, 3, 8, 12, 24, 16};
    TDistanceCode table{};
    int entry = 0;
    int upper = 0;
    for (int n = 3; n <= 8; ++n) {
        for (int v = 0; v < kValuesPerLength[n - 3]; ++v, ++upper) {
            for (int e = 0; e < (1 << (8 - n)); ++e, ++entry) {
                table.upper[entry] = std::uint8_t(upper);
                table.length[entry] = std::uint8_t(n);
            }
        }
    }
    return table;
}

} // namespace

const TDistanceCode& DistanceCode() {
    static const TDistanceCode table = MakeDistanceCode();
    return table;
}

} // namespace yq::lzh
