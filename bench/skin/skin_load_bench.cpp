// A full LoadSkin of our embedded skin (decoding, archive, description,
// every picture and the combo picture), and decoding alone for comparison.
#include "Lzh.h"
#include "WinSkinData.h"

#include <benchmark/benchmark.h>

#include <stdexcept>

namespace {

void BM_DecodeEmbeddedBlob(benchmark::State& state) {
    yq::TByteStream stored = yq::ResourceStream(yq::kEmbeddedSkinResource);
    yq::TByteStream blob(std::vector<std::uint8_t>(stored.Bytes().begin() + 4, stored.Bytes().end()));
    for (auto _ : state) {
        yq::TByteStream archive;
        yq::TLZH().Decompress(blob, archive);
        benchmark::DoNotOptimize(archive.Bytes().data());
    }
}
BENCHMARK(BM_DecodeEmbeddedBlob)->Unit(benchmark::kMillisecond);

void BM_LoadSkin(benchmark::State& state) {
    yq::TSkinData skin;
    yq::TByteStream stored = yq::ResourceStream(yq::kEmbeddedSkinResource);
    skin.ReadSkinStream(stored);
    for (auto _ : state) {
        if (!skin.LoadSkin()) throw std::runtime_error("the embedded skin did not load");
    }
}
BENCHMARK(BM_LoadSkin)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
