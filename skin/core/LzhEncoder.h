#pragma once
// Our LZHUF encoder, the counterpart of TLZH: it makes the skin blobs the
// program embeds and the streams the tests decode.  The blob is the signed
// 32-bit length followed by the bit stream, zero-padded to a whole byte.
#include <cstdint>
#include <span>
#include <vector>

namespace yq {

std::vector<std::uint8_t> LzhCompress(std::span<const std::uint8_t> data);

} // namespace yq
