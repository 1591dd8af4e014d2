#pragma once
// Writing the skin format: the archive (version, name list, sizes, data),
// the blob (length + LZHUF stream) and the SkinStream framing (blob length +
// blob).  Used by the skin packer tool and by tests.
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace yq {

inline constexpr std::uint32_t kSkinArchiveVersion = 20000;

struct TSkinArchiveEntry {
    std::string name;
    std::vector<std::uint8_t> data;
};

// Names are written as given, each followed by CR LF.
std::vector<std::uint8_t> PackSkinArchive(std::span<const TSkinArchiveEntry> entries,
                                          std::uint32_t version = kSkinArchiveVersion);

// The SkinStream property's bytes: the blob's length N, then the blob.
std::vector<std::uint8_t> FrameSkinStream(std::span<const std::uint8_t> blob);

} // namespace yq
