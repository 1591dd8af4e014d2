// Any bytes as a BMP file or packed DIB: the layout reader must not read
// outside the bytes, and every layout it accepts must lie inside them.
// Besides the raw input, the bytes are also tried behind a well-formed
// "BM" header so that the fuzzer reaches the header checks without seeds.
#include "BmpFormat.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

void Check(const std::uint8_t* data, std::size_t size, bool file) {
    yq::TBmpLayout layout;
    std::string error;
    bool ok =
        file ? yq::ParseBmpFile(data, size, layout, error) : yq::ParsePackedDib(data, size, layout, error);
    if (!ok) {
        if (error.empty()) abort();
        return;
    }
    if (layout.Width <= 0 || layout.Height <= 0) abort();
    if (std::int64_t(layout.Width) * layout.Height > yq::kMaxBmpPixels) abort();
    if (layout.InfoOffset + layout.InfoSize > size) abort();
    if (layout.BitsOffset > size || layout.BitsSize > size - layout.BitsOffset) abort();
    if (layout.Compression == 0 || layout.Compression == 3) {
        std::uint64_t stride = ((std::uint64_t(layout.Width) * std::uint64_t(layout.BitCount) + 31) / 32) * 4;
        if (stride * std::uint64_t(layout.Height) > layout.BitsSize) abort();
    }
    // Touch every byte the layout claims, so that ASan sees a bad claim.
    volatile std::uint8_t sum = 0;
    for (std::size_t i = 0; i < layout.InfoSize; ++i)
        sum = std::uint8_t(sum + data[layout.InfoOffset + i]);
    for (std::size_t i = 0; i < layout.BitsSize; ++i)
        sum = std::uint8_t(sum + data[layout.BitsOffset + i]);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Check(data, size, true);
    Check(data, size, false);
    // The same bytes behind a file header pointing just past a 40-byte info
    // header whose fields are the first 36 input bytes.
    std::vector<std::uint8_t> file(14 + 4 + size);
    file[0] = 'B';
    file[1] = 'M';
    std::uint32_t total = std::uint32_t(file.size()), bits = 14 + 40;
    std::memcpy(&file[2], &total, 4);
    std::memcpy(&file[10], &bits, 4);
    const std::uint32_t header = 40;
    std::memcpy(&file[14], &header, 4);
    if (size) std::memcpy(&file[18], data, size);
    Check(file.data(), file.size(), true);
    return 0;
}
