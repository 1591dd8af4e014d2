#include "TextArena.h"

#include "Sqlite.h"

#include <cstring>

namespace yq {

namespace {
// Writes `size` as a variable-length number; returns the bytes written.
size_t PutLength(char* out, size_t size) {
    size_t n = 0;
    do {
        unsigned char byte = size & 0x7F;
        size >>= 7;
        out[n++] = char(size ? byte | 0x80 : byte);
    } while (size);
    return n;
}

size_t LengthBytes(size_t size) {
    size_t n = 1;
    while (size >>= 7)
        ++n;
    return n;
}
} // namespace

TTextArena::TRef TTextArena::Add(std::string_view text) {
    if (text.empty()) return {};
    if (text.size() > std::uint32_t(-1)) throw EDatabaseError("Text too long to hold");
    const size_t total = LengthBytes(text.size()) + text.size();
    if (total > kChunkSize / 4) {
        // A long text gets a chunk of its own; short texts go on in a new one.
        NewChunk(total);
        char* at = chunks_.back().get();
        std::memcpy(at + PutLength(at, text.size()), text.data(), text.size());
        used_ = kChunkSize;
        return {std::uint32_t((chunks_.size() - 1) << kOffsetBits)};
    }
    if (kChunkSize - used_ < total) NewChunk(kChunkSize);
    TRef ref{std::uint32_t(((chunks_.size() - 1) << kOffsetBits) | used_)};
    char* at = chunks_.back().get() + used_;
    std::memcpy(at + PutLength(at, text.size()), text.data(), text.size());
    used_ += std::uint32_t(total);
    return ref;
}

void TTextArena::NewChunk(size_t size) {
    if (chunks_.size() >= kMaxChunks) throw EDatabaseError("Too much text to hold");
    chunks_.push_back(std::unique_ptr<char[]>(new char[size])); // pages untouched until used
    used_ = 0;
}

void TTextArena::Clear() {
    chunks_.clear();
    used_ = kChunkSize;
}

} // namespace yq
