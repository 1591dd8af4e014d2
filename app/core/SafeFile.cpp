#include "SafeFile.h"

#include "FileReplace.h"

#include <cerrno>
#include <cstdio>
#include <memory>
#include <random>
#include <stdexcept>
#include <string>
#include <system_error>

namespace yq {

namespace {

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};
using FilePtr = std::unique_ptr<std::FILE, FileCloser>;

// Wide names on Windows, so that folders named in Chinese open whatever the
// system code page.
std::FILE* OpenFile(const std::filesystem::path& path, const char* mode) {
#ifdef _WIN32
    std::wstring wide(mode, mode + std::char_traits<char>::length(mode));
    return _wfopen(path.c_str(), wide.c_str());
#else
    return std::fopen(path.c_str(), mode);
#endif
}

int Descriptor(std::FILE* file) {
#ifdef _WIN32
    return _fileno(file);
#else
    return fileno(file);
#endif
}

std::string Utf8Name(const std::filesystem::path& path) {
    std::u8string name = path.u8string();
    return std::string(name.begin(), name.end());
}

[[noreturn]] void FileError(const char* what, const std::filesystem::path& path, int error) {
    throw std::runtime_error(std::string(what) + " \"" + Utf8Name(path) + "\". " +
                             std::generic_category().message(error ? error : EIO));
}

// The temporary file, removed unless it took the target's place.
class TTempFile {
public:
    explicit TTempFile(const std::filesystem::path& target) {
        std::random_device seed;
        path_ = target;
        path_ += "." + std::to_string(seed() % 1000000u) + ".tmp";
    }
    ~TTempFile() {
        if (!kept_) {
            std::error_code ignored;
            std::filesystem::remove(path_, ignored);
        }
    }
    TTempFile(const TTempFile&) = delete;
    TTempFile& operator=(const TTempFile&) = delete;

    const std::filesystem::path& Path() const { return path_; }
    void Keep() { kept_ = true; }

private:
    std::filesystem::path path_;
    bool kept_ = false;
};

// A file that exists must be writable where it is: the temporary file would
// otherwise slip past a read-only flag or another program's lock.
void CheckWritable(const std::filesystem::path& path) {
    std::error_code error;
    if (!std::filesystem::exists(path, error)) return;
    errno = 0;
    FilePtr probe(OpenFile(path, "r+b"));
    if (!probe) FileError("Cannot create file", path, errno);
}

} // namespace

void WriteFileSafely(const std::filesystem::path& path, std::string_view bytes,
                     const std::function<void(TSaveStep)>& onStep) {
    auto step = [&](TSaveStep s) {
        if (onStep) onStep(s);
    };
    CheckWritable(path);
    TTempFile temp(path);
    errno = 0;
    FilePtr file(OpenFile(temp.Path(), "wb"));
    if (!file) FileError("Cannot create file", path, errno);
    if (std::fwrite(bytes.data(), 1, bytes.size(), file.get()) != bytes.size())
        FileError("Cannot write file", path, errno);
    step(TSaveStep::ssWritten);
    if (std::fflush(file.get()) != 0) FileError("Cannot write file", path, errno);
    if (int error = FlushToDisk(Descriptor(file.get()))) FileError("Cannot write file", path, error);
    // Buffered bytes reach the disk only at close: a full disk shows here.
    if (std::fclose(file.release()) != 0) FileError("Cannot write file", path, errno);
    step(TSaveStep::ssFlushed);
    if (int error = ReplaceFileWith(path, temp.Path())) FileError("Cannot create file", path, error);
    temp.Keep();
    step(TSaveStep::ssReplaced);
}

} // namespace yq
