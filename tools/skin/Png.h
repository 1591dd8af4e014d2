#pragma once
// Writes a picture as a PNG file (RGB, uncompressed deflate blocks): enough
// for contact sheets that people look at, with no library behind it.
#include "Bmp.h"

#include <cstdint>
#include <vector>

namespace yq {

std::vector<std::uint8_t> EncodePng(const TRgbImage& image);

} // namespace yq
