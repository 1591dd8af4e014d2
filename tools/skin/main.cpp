// yq_skinart OUTPUT-FOLDER: draws our skins and writes, into the folder,
//   pictures/*.bmp   every picture of the skin the program stores, for looking at,
//   skin.ini         its description,
//   skin.archive     its archive (version 20000, names, sizes, data),
//   skin.blob        the archive compressed with our LZHUF encoder,
//   skin.stream      the blob framed as the SkinStream property,
//   morvanmenu.bmp   the system menu glyph strip,
//   skins/ink-gold.skn  the second skin as a skin file (its blob), with its
//                    pictures, description and archive in skins/ink-gold/.
// Each blob is decoded again before anything is written.
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

std::vector<yq::art::TPicture> AllPictures(const yq::art::TArtStyle& style) {
    using namespace yq::art;
    std::vector<TPicture> pictures;
    for (auto part : {DrawFramePictures, DrawControlPictures, DrawScrollPictures, DrawMenuPictures}) {
        for (auto& p : part(style))
            pictures.push_back(std::move(p));
    }
    return pictures;
}

int WriteSeeds(const std::filesystem::path& folder) {
    const auto pictures = AllPictures(yq::art::ClassicStyle());
    const auto small =
        std::find_if(pictures.begin(), pictures.end(), [](auto& p) { return p.name == "checkbox.bmp"; });
    for (const auto& seed :
         yq::art::FuzzSeeds(small->image, yq::art::SkinDescription(yq::art::ClassicStyle()))) {
        const auto path = folder / seed.name;
        std::filesystem::create_directories(path.parent_path());
        WriteFile(path, seed.bytes);
    }
    return 0;
}

struct TPackedSkin {
    std::vector<yq::TSkinArchiveEntry> entries;
    Bytes archive, blob;
};

TPackedSkin Pack(const yq::art::TArtStyle& style) {
    using namespace yq;
    TPackedSkin skin;
    for (const auto& p : AllPictures(style))
        skin.entries.push_back({p.name, EncodeBmp(p.image)});
    const std::string ini = art::SkinDescription(style);
    skin.entries.push_back({"skin.ini", Bytes(ini.begin(), ini.end())});

    skin.archive = PackSkinArchive(skin.entries);
    skin.blob = LzhCompress(skin.archive);
    TByteStream in(skin.blob), check;
    TLZH().Decompress(in, check);
    if (!std::equal(skin.archive.begin(), skin.archive.end(), check.Bytes().begin(), check.Bytes().end())) {
        throw std::runtime_error("the compressed skin does not decode to its archive");
    }
    std::printf("skin %s: %zu entries, archive %zu bytes, blob %zu bytes\n",
                style.FileName.empty() ? "(stored)" : style.FileName.c_str(), skin.entries.size(),
                skin.archive.size(), skin.blob.size());
    return skin;
}

// Pictures, description and archive of a skin, for looking at.
void WriteParts(const std::filesystem::path& folder, const TPackedSkin& skin) {
    std::filesystem::create_directories(folder / "pictures");
    for (const auto& e : skin.entries) {
        WriteFile(folder / "pictures" / e.name, e.data);
        if (e.name == "skin.ini") WriteFile(folder / "skin.ini", e.data);
    }
    WriteFile(folder / "skin.archive", skin.archive);
}

int Run(const std::filesystem::path& folder) {
    using namespace yq;
    const art::TArtStyle& style = art::InkGoldStyle();
    const TPackedSkin stored = Pack(art::ClassicStyle()), other = Pack(style);
    WriteParts(folder, stored);
    WriteFile(folder / "skin.blob", stored.blob);
    WriteFile(folder / "skin.stream", FrameSkinStream(stored.blob));
    WriteFile(folder / "morvanmenu.bmp", EncodeBmp(art::DrawMenuGlyphs()));

    const std::filesystem::path file = folder / "skins" / style.FileName;
    WriteParts(std::filesystem::path(file).replace_extension(), other);
    WriteFile(file, other.blob);
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
