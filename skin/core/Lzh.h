#pragma once
// TLZH: the skin blob decompressor (LZHUF: LZSS over a 4096-byte window with
// an adaptive Huffman code for literals and lengths).  A blob is a signed
// 32-bit length L followed by the bit stream.  A truncated stream reads as
// zero bits until L bytes are out; a match that crosses L is still copied
// whole, so the output may be up to 59 bytes longer than L.
#include "ByteStream.h"

#include <cstdint>
#include <stdexcept>
#include <string>

namespace yq {

class ElzhException : public std::runtime_error {
public:
    explicit ElzhException(const std::string& message) : std::runtime_error(message) {}
};

inline constexpr const char* kLzhNoMemory = "LZH : Cannot get memory for dictionary tables";
inline constexpr const char* kLzhBadLength = "LZH : Invalid length of the decompressed data";

class TLZH {
public:
    // Archives longer than this are refused rather than allocated.
    static constexpr std::int64_t kMaxLength = std::int64_t(64) << 20;

    explicit TLZH(std::int64_t maxLength = kMaxLength) : maxLength_(maxLength) {}

    // Decodes the blob in `input` (read from position 0) into `output`, which
    // is emptied first and left positioned at its end.  L = 0 gives empty
    // output; a negative L or one above the limit raises ElzhException.
    void Decompress(TByteStream& input, TByteStream& output);

private:
    std::int64_t maxLength_;
};

} // namespace yq
