#pragma once
// Files opened by their wide names (folders named in Chinese open whatever
// the system code page) and the errors that read like the platform's file
// errors: `<what> "<path>". <reason>`.  No <windows.h> here.
#include <cstdio>
#include <filesystem>
#include <memory>

namespace yq {

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};
using FilePtr = std::unique_ptr<std::FILE, FileCloser>;

// fopen with a mode such as "rb", "wb" or "r+b".
std::FILE* OpenFile(const std::filesystem::path& path, const char* mode);

// Throws std::runtime_error `<what> "<path>". <reason of errno error>` (EIO
// when error is 0).
[[noreturn]] void ThrowFileError(const char* what, const std::filesystem::path& path, int error);

} // namespace yq
