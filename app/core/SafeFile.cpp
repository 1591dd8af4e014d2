#include "SafeFile.h"

#include "FileIo.h"
#include "FileReplace.h"

#include <cerrno>
#include <cstdio>
#include <random>
#include <string>

namespace yq {

namespace {

int Descriptor(std::FILE* file) {
#ifdef _WIN32
    return _fileno(file);
#else
    return fileno(file);
#endif
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
    if (!probe) ThrowFileError("Cannot create file", path, errno);
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
    if (!file) ThrowFileError("Cannot create file", path, errno);
    if (std::fwrite(bytes.data(), 1, bytes.size(), file.get()) != bytes.size())
        ThrowFileError("Cannot write file", path, errno);
    step(TSaveStep::ssWritten);
    if (std::fflush(file.get()) != 0) ThrowFileError("Cannot write file", path, errno);
    if (int error = FlushToDisk(Descriptor(file.get()))) ThrowFileError("Cannot write file", path, error);
    // Buffered bytes reach the disk only at close: a full disk shows here.
    if (std::fclose(file.release()) != 0) ThrowFileError("Cannot write file", path, errno);
    step(TSaveStep::ssFlushed);
    if (int error = ReplaceFileWith(path, temp.Path())) ThrowFileError("Cannot create file", path, error);
    temp.Keep();
    step(TSaveStep::ssReplaced);
}

} // namespace yq
