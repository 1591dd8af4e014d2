#include "FileReplace.h"

#include <cerrno>
#include <cstdio>
#include <unistd.h>

namespace yq {

int ReplaceFileWith(const std::filesystem::path& target, const std::filesystem::path& replacement) {
    return std::rename(replacement.c_str(), target.c_str()) == 0 ? 0 : errno;
}

int FlushToDisk(int fileDescriptor) {
    return fsync(fileDescriptor) == 0 ? 0 : errno;
}

} // namespace yq
