#include "Lzh.h"

#include "LzhTree.h"

#include <array>
#include <memory>
#include <new>

namespace yq {

namespace {

using namespace lzh;

// One decompression run: the model, the window and the bit reader.
class TDecoder {
public:
    TDecoder(std::span<const std::uint8_t> input, std::size_t offset) : input_(input), next_(offset) {
        ring_.fill(0x20);
    }

    void Run(std::int64_t length, TByteStream& output) {
        std::int64_t count = 0;
        int r = kRingStart;
        while (count < length) {
            const int symbol = DecodeSymbol();
            if (symbol < 256) {
                Put(output, r, std::uint8_t(symbol));
                ++count;
                continue;
            }
            const int distance = DecodeDistance();
            const int matchLength = symbol - kMatchBias;
            int source = (r - distance - 1) & (kRingSize - 1);
            for (int k = 0; k < matchLength; ++k) {
                Put(output, r, ring_[source]);
                source = (source + 1) & (kRingSize - 1);
            }
            count += matchLength;
        }
    }

private:
    void Put(TByteStream& output, int& r, std::uint8_t byte) {
        output.WriteByte(byte);
        ring_[r] = byte;
        r = (r + 1) & (kRingSize - 1);
    }

    void Fill() {
        while (bitCount_ <= 8) {
            const unsigned byte = next_ < input_.size() ? input_[next_++] : 0u;
            bitBuffer_ = std::uint16_t(bitBuffer_ | (byte << (8 - bitCount_)));
            bitCount_ = std::uint8_t(bitCount_ + 8);
        }
    }

    int GetBit() {
        Fill();
        const int bit = bitBuffer_ >> 15;
        bitBuffer_ = std::uint16_t(bitBuffer_ << 1);
        --bitCount_;
        return bit;
    }

    int GetByte() {
        Fill();
        const int byte = bitBuffer_ >> 8;
        bitBuffer_ = std::uint16_t(bitBuffer_ << 8);
        bitCount_ = std::uint8_t(bitCount_ - 8);
        return byte;
    }

    int DecodeSymbol() {
        int x = tree_.Child(kRoot);
        while (x < kNodes)
            x = tree_.Child(x + GetBit());
        const int symbol = x - kNodes;
        tree_.Update(symbol);
        return symbol;
    }

    int DecodeDistance() {
        const TDistanceCode& code = DistanceCode();
        int b = GetByte();
        const int upper = code.upper[b];
        for (int extra = code.length[b] - 2; extra > 0; --extra)
            b = (b << 1) + GetBit();
        return (upper << 6) | (b & 0x3F);
    }

    std::span<const std::uint8_t> input_;
    std::size_t next_;
    std::uint16_t bitBuffer_ = 0;
    std::uint8_t bitCount_ = 0;
    TLzhTree tree_;
    std::array<std::uint8_t, kRingSize + kLongestMatch - 1> ring_{};
};

} // namespace

void TLZH::Decompress(TByteStream& input, TByteStream& output) {
    output.Clear();
    input.SetPosition(0);
    const std::int64_t length = input.ReadInt32();
    if (length < 0 || length > maxLength_) throw ElzhException(kLzhBadLength);
    if (length == 0) return;

    std::unique_ptr<TDecoder> decoder;
    try {
        decoder = std::make_unique<TDecoder>(input.Bytes(), std::size_t(input.Position()));
    } catch (const std::bad_alloc&) {
        throw ElzhException(kLzhNoMemory);
    }
    decoder->Run(length, output);
    input.SetPosition(input.Size());
}

} // namespace yq
