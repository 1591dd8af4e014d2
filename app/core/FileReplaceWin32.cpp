#include "FileReplace.h"

#include <windows.h>

#include <cerrno>
#include <io.h>

namespace yq {

namespace {
int ErrnoOf(DWORD error) {
    switch (error) {
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
    case ERROR_UNABLE_TO_REMOVE_REPLACED:
    case ERROR_UNABLE_TO_MOVE_REPLACEMENT:
    case ERROR_UNABLE_TO_MOVE_REPLACEMENT_2:
        return EACCES;
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
        return ENOENT;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
        return ENOSPC;
    default:
        return EIO;
    }
}
} // namespace

int ReplaceFileWith(const std::filesystem::path& target, const std::filesystem::path& replacement) {
    BOOL ok = GetFileAttributesW(target.c_str()) != INVALID_FILE_ATTRIBUTES
                  ? ReplaceFileW(target.c_str(), replacement.c_str(), nullptr,
                                 REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr)
                  : MoveFileExW(replacement.c_str(), target.c_str(), MOVEFILE_WRITE_THROUGH);
    return ok ? 0 : ErrnoOf(GetLastError());
}

int FlushToDisk(int fileDescriptor) {
    return _commit(fileDescriptor) == 0 ? 0 : errno;
}

} // namespace yq
