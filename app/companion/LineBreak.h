#pragma once
// Line breaking for Chinese text mixed with a little Latin: any two Chinese
// characters may be parted, but a line never starts with closing
// punctuation (，。、；：？！）》” ...) nor ends with opening punctuation
// (（《“ ...), and a run of Latin letters or digits stays whole unless it is
// longer than a line.  A single closing mark that does not fit hangs past
// the edge, as in Chinese typesetting.  A '\n' always ends a line.
// Portable.
#include <functional>
#include <string_view>
#include <vector>

namespace yq {

// Cumulative widths: result[i] is the width of the first i + 1 characters.
using TPrefixWidths = std::function<std::vector<int>(std::wstring_view text)>;

// The lines of `text` no wider than `width` (a single character wider than
// the line still gets a line of its own).  Lines are views into `text`.
std::vector<std::wstring_view> BreakLines(std::wstring_view text, int width, const TPrefixWidths& measure);

} // namespace yq
