#pragma once
// TByteStream: a growable byte buffer with a read/write position, the stream
// the skin decoder and the archive reader work on.  Reads never go past the
// end (they report how much they got); writes at the position grow it.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <span>
#include <vector>

namespace yq {

class TByteStream {
public:
    TByteStream() = default;
    explicit TByteStream(std::vector<std::uint8_t> bytes) : bytes_(std::move(bytes)) {}

    std::int64_t Size() const { return std::int64_t(bytes_.size()); }
    std::int64_t Position() const { return position_; }
    // Positions outside 0..Size are clamped: nothing is ever read there.
    void SetPosition(std::int64_t position);

    // Copies up to `count` bytes from the position; returns how many it got.
    std::size_t Read(void* buffer, std::size_t count);
    // Reads a little-endian 32-bit value; missing bytes read as 0.
    std::int32_t ReadInt32();
    void Write(const void* buffer, std::size_t count);
    void WriteByte(std::uint8_t value);
    void WriteInt32(std::int32_t value);
    void Clear();

    // Replaces the contents with the file's bytes, position 0.  Throws
    // std::runtime_error when the file cannot be read.
    void LoadFromFile(const std::filesystem::path& path);

    std::span<const std::uint8_t> Bytes() const { return bytes_; }
    std::vector<std::uint8_t> TakeBytes();

private:
    std::vector<std::uint8_t> bytes_;
    std::int64_t position_ = 0;
};

} // namespace yq
