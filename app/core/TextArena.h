#pragma once
// Append-only storage for many short texts: one allocation per few MiB
// instead of one per text, and no copying as it grows.  A text is named by
// a 32-bit handle (chunk number and offset) and stored behind its length
// (a variable-length number: one byte up to 127 bytes of text), so a
// handle takes four bytes.
#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

namespace yq {

class TTextArena {
public:
    struct TRef {
        static constexpr std::uint32_t kEmpty = ~std::uint32_t(0);
        std::uint32_t at = kEmpty; // the empty text
    };

    // Throws EDatabaseError when the arena is full (4 GiB of text or more).
    TRef Add(std::string_view text);
    std::string_view Get(TRef ref) const {
        if (ref.at == TRef::kEmpty) return {};
        const auto* p = reinterpret_cast<const unsigned char*>(chunks_[ref.at >> kOffsetBits].get() +
                                                               (ref.at & kOffsetMask));
        size_t size = 0;
        for (unsigned shift = 0;; shift += 7) {
            size |= size_t(*p & 0x7F) << shift;
            if (!(*p++ & 0x80)) break;
        }
        return {reinterpret_cast<const char*>(p), size};
    }
    void Clear();

private:
    static constexpr unsigned kOffsetBits = 22;
    static constexpr std::uint32_t kChunkSize = std::uint32_t(1) << kOffsetBits;
    static constexpr std::uint32_t kOffsetMask = kChunkSize - 1;
    // The last chunk number is left out: its first handle would be kEmpty.
    static constexpr size_t kMaxChunks = (size_t(1) << (32 - kOffsetBits)) - 1;

    void NewChunk(size_t size);

    std::vector<std::unique_ptr<char[]>> chunks_;
    std::uint32_t used_ = kChunkSize; // bytes used in the last chunk
};

} // namespace yq
