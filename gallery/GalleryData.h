#pragma once
// The gallery's data: a few riddles for the in-memory data set behind the
// data grid and the data-aware edits.
#include "MemoryDataSet.h"

#include <vector>

namespace yq::gallery {

// Riddles to show (UTF-8 fields 谜面, 谜目, 谜底): 40 rows, enough for a
// scroll bar.
std::vector<TMemoryRow> SampleRiddles();

} // namespace yq::gallery
