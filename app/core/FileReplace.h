#pragma once
// Replacing a file in one step, the one platform-specific piece of writing
// files safely (SafeFile.h).  No <windows.h> here.
#include <filesystem>

namespace yq {

// Puts `replacement` in the place of `target` in one step: on Windows the
// platform's replace-file call when the target exists (it keeps the
// target's attributes), else a move; elsewhere rename().  On failure
// returns an errno value and leaves both files as they were.
int ReplaceFileWith(const std::filesystem::path& target, const std::filesystem::path& replacement);

// Writes a file's buffered bytes through to the disk; an errno value or 0.
int FlushToDisk(int fileDescriptor);

} // namespace yq
