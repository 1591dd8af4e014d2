#pragma once
// The category file sk2.skn: section `setup`, one key per group of the
// browser's category bar, each value a space-separated list of the group's
// sub-categories.  Read with the profile-file rules (GBK, names without
// regard to case, blanks trimmed, values cut at 2047 bytes); a missing file,
// section or key is an empty group.  No <windows.h> here.
#include <array>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace yq {

inline constexpr std::array<std::string_view, 6> kCategoryKeys = {"zici",  "wenhua", "yishu",
                                                                  "dimin", "renmin", "daige"};

// Item captions (UTF-8) of each group, in the order of kCategoryKeys.
using TCategoryGroups = std::array<std::vector<std::string>, kCategoryKeys.size()>;

// The words of one value (GBK bytes), in order, as GBK bytes: runs of
// spaces count as one separator; a value of spaces only has none.
std::vector<std::string> CategoryItems(std::string_view gbkValue);

TCategoryGroups ReadCategoryFile(const std::filesystem::path& path);

} // namespace yq
