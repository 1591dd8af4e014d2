#pragma once
// Settings shared by several standard controls.
namespace yq {

enum class TBorderStyle { bsNone, bsSingle };
enum class TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };

} // namespace yq
