// Any bytes as a skin blob: decoding must stay in bounds, end, and give
// between L and L + 59 bytes (a final match may cross L), or refuse L.
#include "Lzh.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // A small limit keeps each run short; it still lets the tree rebuild.
    constexpr std::int64_t kLimit = 1 << 16;
    yq::TByteStream in(std::vector<std::uint8_t>(data, data + size)), out;
    const std::int64_t length = in.ReadInt32();
    try {
        yq::TLZH(kLimit).Decompress(in, out);
    } catch (const yq::ElzhException&) {
        if (length >= 0 && length <= kLimit) abort();
        return 0;
    }
    if (length < 0 || length > kLimit) abort();
    if (out.Size() < length || out.Size() > length + 59) abort();
    if (length == 0 && out.Size() != 0) abort();
    return 0;
}
