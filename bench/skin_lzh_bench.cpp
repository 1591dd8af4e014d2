// Reading our skin on the host: decoding the blob the program embeds, and
// opening the archive with its description.
#include "Lzh.h"
#include "QuickIni.h"
#include "SkinReader.h"

#include <benchmark/benchmark.h>

#include <stdexcept>

namespace {

yq::TByteStream SkinBlob() {
    yq::TByteStream blob;
    blob.LoadFromFile(YQ_SKIN_BLOB);
    return blob;
}

void BM_DecodeSkinBlob(benchmark::State& state) {
    yq::TByteStream blob = SkinBlob();
    std::int64_t bytes = 0;
    for (auto _ : state) {
        yq::TByteStream archive;
        yq::TLZH().Decompress(blob, archive);
        bytes = archive.Size();
        benchmark::DoNotOptimize(archive.Bytes().data());
    }
    state.SetBytesProcessed(state.iterations() * bytes);
}
BENCHMARK(BM_DecodeSkinBlob)->Unit(benchmark::kMillisecond);

void BM_OpenSkinArchiveAndDescription(benchmark::State& state) {
    yq::TByteStream blob = SkinBlob();
    for (auto _ : state) {
        yq::TSkinReader reader;
        if (!reader.LoadArchive(blob)) throw std::runtime_error("not a skin");
        yq::TByteStream ini;
        std::string name;
        reader.FindEntry(".ini", ini, name);
        yq::TQuickIni description;
        description.LoadFromStream(ini);
        benchmark::DoNotOptimize(description.ReadInteger("Personality", "TextShift", 0));
    }
}
BENCHMARK(BM_OpenSkinArchiveAndDescription)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
