#pragma once
// Sorting a result in place: "谜面 ASC", "谜目 DESC", "谜底" (ascending);
// the empty text means the engine's order.  Texts compare in GBK byte order
// (GbkSortKey.h); equal texts keep their order in the result.
#include "RiddleTable.h"

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace yq {

struct TSortOrder {
    int field = -1; // index into kRiddleFields; -1 for the engine's order
    bool descending = false;
};

std::optional<TSortOrder> ParseSortText(std::string_view text);

// Reorders `rows` (indices into `table`) by `order.field`, which must be set.
void SortRows(std::vector<std::uint32_t>& rows, const TRiddleTable& table, TSortOrder order);

} // namespace yq
