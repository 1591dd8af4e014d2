#pragma once
// Writing a file so that it is never half-written: the new bytes go to a
// temporary file in the same folder, are flushed to the disk, and replace
// the file in one step.  Whatever happens on the way (an error, a crash, a
// kill, a full disk) the file holds either its old bytes or the new ones.
//
// A file that cannot be written in place (read-only, locked by another
// program) is refused before anything is written, with the same error as
// opening it for writing: `Cannot create file "<path>". <reason>`.  Later
// failures read `Cannot write file "<path>". <reason>`.  Errors are
// std::runtime_error.  No <windows.h> here.
#include <filesystem>
#include <functional>
#include <string_view>

namespace yq {

enum class TSaveStep { ssWritten, ssFlushed, ssReplaced };

// `onStep`, when given, is called after each step; what it throws ends the
// save there (tests use it to interrupt a save) and the temporary file is
// removed.
void WriteFileSafely(const std::filesystem::path& path, std::string_view bytes,
                     const std::function<void(TSaveStep)>& onStep = {});

} // namespace yq
