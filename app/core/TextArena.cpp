#include "TextArena.h"

#include "Sqlite.h"

#include <cstring>

namespace yq {

TTextArena::TRef TTextArena::Add(std::string_view text) {
    if (text.empty()) return {};
    if (text.size() > std::uint32_t(-1)) throw EDatabaseError("Text too long to hold");
    if (text.size() > kChunkSize / 4) {
        // A long text gets a chunk of its own; short texts go on in a new one.
        NewChunk(text.size());
        std::memcpy(chunks_.back().get(), text.data(), text.size());
        used_ = kChunkSize;
        return {std::uint32_t((chunks_.size() - 1) << kOffsetBits), std::uint32_t(text.size())};
    }
    if (kChunkSize - used_ < text.size()) NewChunk(kChunkSize);
    TRef ref{std::uint32_t(((chunks_.size() - 1) << kOffsetBits) | used_), std::uint32_t(text.size())};
    std::memcpy(chunks_.back().get() + used_, text.data(), text.size());
    used_ += std::uint32_t(text.size());
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
