#pragma once
// Append-only storage for many short texts: one allocation per few MiB
// instead of one per text, and no copying as it grows.  A text is named by
// a 32-bit handle (chunk number and offset).
#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

namespace yq {

class TTextArena {
public:
    struct TRef {
        std::uint32_t at = 0;
        std::uint32_t size = 0;
    };

    // Throws EDatabaseError when the arena is full (4 GiB of text or more).
    TRef Add(std::string_view text);
    std::string_view Get(TRef ref) const {
        if (ref.size == 0) return {};
        return {chunks_[ref.at >> kOffsetBits].get() + (ref.at & kOffsetMask), ref.size};
    }
    void Clear();

private:
    static constexpr unsigned kOffsetBits = 22;
    static constexpr std::uint32_t kChunkSize = std::uint32_t(1) << kOffsetBits;
    static constexpr std::uint32_t kOffsetMask = kChunkSize - 1;
    static constexpr size_t kMaxChunks = size_t(1) << (32 - kOffsetBits);

    void NewChunk(size_t size);

    std::vector<std::unique_ptr<char[]>> chunks_;
    std::uint32_t used_ = kChunkSize; // bytes used in the last chunk
};

} // namespace yq
