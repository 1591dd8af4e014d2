#pragma once
// The item drag's pointers, loaded from the program's resources at
// start-up: "OUTDRAGMOVE" as cursor number crOutDragMove, "OUTDRAGCOPY" as
// crOutDragCopy and "OUTNODROP" in place of the system's crNoDrop.
#include "Control.h"

namespace yq {

constexpr TCursor crOutDragMove = 100;
constexpr TCursor crOutDragCopy = 101;

// Registers the three cursors in Screen()'s table; a cursor missing from
// the resources fails with "Error loading cursor".
void RegisterOutBarCursors();

} // namespace yq
