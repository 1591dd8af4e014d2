#pragma once
// Seed inputs for the skin fuzzers (fuzz/corpus/skin_*), made from our own
// skin and a few small hand-built pictures in the other BMP formats.
#include "SkinArt.h"

#include <string>
#include <vector>

namespace yq::art {

struct TSeed {
    std::string name; // fuzzer/file
    std::vector<std::uint8_t> bytes;
};

// `picture` is one small picture of the skin, `description` its INI text.
std::vector<TSeed> FuzzSeeds(const TRgbImage& picture, const std::string& description);

} // namespace yq::art
