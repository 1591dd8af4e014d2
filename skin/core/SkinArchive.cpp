#include "SkinArchive.h"

#include <stdexcept>

namespace yq {

namespace {

void PutInt32(std::vector<std::uint8_t>& out, std::uint32_t v) {
    out.insert(out.end(),
               {std::uint8_t(v), std::uint8_t(v >> 8), std::uint8_t(v >> 16), std::uint8_t(v >> 24)});
}

void CheckSize(std::size_t size) {
    if (size > std::size_t(INT32_MAX)) throw std::length_error("Skin archive part too large");
}

} // namespace

std::vector<std::uint8_t> PackSkinArchive(std::span<const TSkinArchiveEntry> entries, std::uint32_t version) {
    std::string names;
    for (const auto& e : entries)
        names += e.name + "\r\n";
    CheckSize(names.size());

    std::vector<std::uint8_t> out;
    PutInt32(out, version);
    PutInt32(out, std::uint32_t(names.size()));
    out.resize(out.size() + 8, 0);
    out.insert(out.end(), names.begin(), names.end());
    for (const auto& e : entries) {
        CheckSize(e.data.size());
        PutInt32(out, std::uint32_t(e.data.size()));
    }
    for (const auto& e : entries)
        out.insert(out.end(), e.data.begin(), e.data.end());
    return out;
}

std::vector<std::uint8_t> FrameSkinStream(std::span<const std::uint8_t> blob) {
    CheckSize(blob.size());
    std::vector<std::uint8_t> out;
    PutInt32(out, std::uint32_t(blob.size()));
    out.insert(out.end(), blob.begin(), blob.end());
    return out;
}

} // namespace yq
