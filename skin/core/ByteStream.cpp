#include "ByteStream.h"

#include <algorithm>
#include <cstring>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace yq {

void TByteStream::SetPosition(std::int64_t position) {
    position_ = std::clamp<std::int64_t>(position, 0, Size());
}

std::size_t TByteStream::Read(void* buffer, std::size_t count) {
    const auto available = std::size_t(Size() - position_);
    const std::size_t n = std::min(count, available);
    if (n > 0) std::memcpy(buffer, bytes_.data() + position_, n);
    position_ += std::int64_t(n);
    return n;
}

std::int32_t TByteStream::ReadInt32() {
    std::uint8_t b[4] = {};
    Read(b, 4);
    return std::int32_t(std::uint32_t(b[0]) | std::uint32_t(b[1]) << 8 | std::uint32_t(b[2]) << 16 |
                        std::uint32_t(b[3]) << 24);
}

void TByteStream::Write(const void* buffer, std::size_t count) {
    if (count == 0) return;
    const auto end = std::size_t(position_) + count;
    if (end > bytes_.size()) bytes_.resize(end);
    std::memcpy(bytes_.data() + position_, buffer, count);
    position_ = std::int64_t(end);
}

void TByteStream::WriteByte(std::uint8_t value) {
    if (position_ == Size()) {
        bytes_.push_back(value);
        ++position_;
    } else {
        Write(&value, 1);
    }
}

void TByteStream::WriteInt32(std::int32_t value) {
    const auto u = std::uint32_t(value);
    const std::uint8_t b[4] = {std::uint8_t(u), std::uint8_t(u >> 8), std::uint8_t(u >> 16),
                               std::uint8_t(u >> 24)};
    Write(b, 4);
}

void TByteStream::Clear() {
    bytes_.clear();
    position_ = 0;
}

void TByteStream::LoadFromFile(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) throw std::runtime_error("Cannot open file \"" + path.string() + "\"");
    std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    if (file.bad()) throw std::runtime_error("Cannot read file \"" + path.string() + "\"");
    bytes_ = std::move(bytes);
    position_ = 0;
}

std::vector<std::uint8_t> TByteStream::TakeBytes() {
    std::vector<std::uint8_t> bytes;
    bytes.swap(bytes_);
    position_ = 0;
    return bytes;
}

} // namespace yq
