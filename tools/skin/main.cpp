// yq_skinart OUTPUT-FOLDER: draws our skin and writes, into the folder,
//   pictures/*.bmp   every picture, for looking at,
//   skin.ini         the description,
//   skin.archive     the archive (version 20000, names, sizes, data),
//   skin.blob        the archive compressed with our LZHUF encoder,
//   skin.stream      the blob framed as the SkinStream property,
//   morvanmenu.bmp   the system menu glyph strip.
// The blob is decoded again before anything is written.
// yq_skinart --fuzz-seeds FOLDER writes the skin fuzzers' seeds instead.
#include "Bmp.h"
#include "FuzzSeeds.h"
#include "Lzh.h"
#include "LzhEncoder.h"
#include "SkinArchive.h"
#include "SkinArt.h"

#include <algorithm>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <fstream>
#include <string_view>

namespace {

using Bytes = std::vector<std::uint8_t>;

void WriteFile(const std::filesystem::path& path, const Bytes& bytes) {
    std::ofstream file(path, std::ios::binary);
    file.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    if (!file) throw std::runtime_error("cannot write " + path.string());
}

std::vector<yq::art::TPicture> AllPictures() {
    using namespace yq::art;
    std::vector<TPicture> pictures;
    for (auto part : {DrawFramePictures, DrawControlPictures, DrawScrollPictures, DrawMenuPictures}) {
        for (auto& p : part())
            pictures.push_back(std::move(p));
    }
    return pictures;
}

int WriteSeeds(const std::filesystem::path& folder) {
    const auto pictures = AllPictures();
    const auto small =
        std::find_if(pictures.begin(), pictures.end(), [](auto& p) { return p.name == "checkbox.bmp"; });
    for (const auto& seed : yq::art::FuzzSeeds(small->image, yq::art::SkinDescription())) {
        const auto path = folder / seed.name;
        std::filesystem::create_directories(path.parent_path());
        WriteFile(path, seed.bytes);
    }
    return 0;
}

int Run(const std::filesystem::path& folder) {
    using namespace yq;
    const std::vector<art::TPicture> pictures = AllPictures();

    std::vector<TSkinArchiveEntry> entries;
    for (const auto& p : pictures)
        entries.push_back({p.name, EncodeBmp(p.image)});
    const std::string ini = art::SkinDescription();
    entries.push_back({"skin.ini", Bytes(ini.begin(), ini.end())});

    const Bytes archive = PackSkinArchive(entries);
    const Bytes blob = LzhCompress(archive);
    TByteStream in(blob), check;
    TLZH().Decompress(in, check);
    if (!std::equal(archive.begin(), archive.end(), check.Bytes().begin(), check.Bytes().end())) {
        throw std::runtime_error("the compressed skin does not decode to its archive");
    }

    std::filesystem::create_directories(folder / "pictures");
    for (const auto& e : entries)
        WriteFile(folder / "pictures" / e.name, e.data);
    WriteFile(folder / "skin.ini", Bytes(ini.begin(), ini.end()));
    WriteFile(folder / "skin.archive", archive);
    WriteFile(folder / "skin.blob", blob);
    WriteFile(folder / "skin.stream", FrameSkinStream(blob));
    WriteFile(folder / "morvanmenu.bmp", EncodeBmp(art::DrawMenuGlyphs()));
    std::printf("skin: %zu entries, archive %zu bytes, blob %zu bytes\n", entries.size(), archive.size(),
                blob.size());
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    const bool seeds = argc == 3 && std::string_view(argv[1]) == "--fuzz-seeds";
    if (argc != 2 && !seeds) {
        std::fprintf(stderr, "usage: %s [--fuzz-seeds] OUTPUT-FOLDER\n", argv[0]);
        return 2;
    }
    try {
        return seeds ? WriteSeeds(argv[2]) : Run(argv[1]);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "yq_skinart: %s\n", e.what());
        return 1;
    }
}
