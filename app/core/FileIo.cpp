#include "FileIo.h"

#include <cerrno>
#include <stdexcept>
#include <string>
#include <system_error>

namespace yq {

std::FILE* OpenFile(const std::filesystem::path& path, const char* mode) {
#ifdef _WIN32
    std::wstring wide(mode, mode + std::char_traits<char>::length(mode));
    return _wfopen(path.c_str(), wide.c_str());
#else
    return std::fopen(path.c_str(), mode);
#endif
}

void ThrowFileError(const char* what, const std::filesystem::path& path, int error) {
    std::u8string name = path.u8string();
    throw std::runtime_error(std::string(what) + " \"" + std::string(name.begin(), name.end()) + "\". " +
                             std::generic_category().message(error ? error : EIO));
}

} // namespace yq
