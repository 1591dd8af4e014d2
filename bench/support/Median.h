#pragma once
// The median of a benchmark's samples: what the ratio benchmarks compare,
// since a shared machine's load spikes pull a mean far off.
#include <algorithm>
#include <vector>

namespace yq::bench {

inline double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

} // namespace yq::bench
