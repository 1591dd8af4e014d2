// yq_skinart OUTPUT-FOLDER: draws our skin and writes, into the folder,
//   pictures/*.bmp   every picture, for looking at,
//   skin.ini         the description,
//   skin.archive     the archive (version 20000, names, sizes, data),
//   skin.blob        the archive compressed with our LZHUF encoder,
//   skin.stream      the blob framed as the SkinStream property,
//   morvanmenu.bmp   the system menu glyph strip.
// The blob is decoded again before anything is written.
#include "Bmp.h"
#include "Lzh.h"
#include "LzhEncoder.h"
#include "SkinArchive.h"
#include "SkinArt.h"

#include <cstdio>
#include <exception>
#include <filesystem>
#include <fstream>

namespace {

using Bytes = std::vector<std::uint8_t>;

void WriteFile(const std::filesystem::path& path, const Bytes& bytes) {
    std::ofstream file(path, std::ios::binary);
    file.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    if (!file) throw std::runtime_error("cannot write " + path.string());
}

int Run(const std::filesystem::path& folder) {
    using namespace yq;
    std::vector<art::TPicture> pictures;
    for (auto part : {art::DrawFramePictures, art::DrawControlPictures, art::DrawScrollPictures, art::DrawMenuPictures}) {
        for (auto& p : part()) pictures.push_back(std::move(p));
    }

    std::vector<TSkinArchiveEntry> entries;
    for (const auto& p : pictures) entries.push_back({p.name, EncodeBmp(p.image)});
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
    for (const auto& e : entries) WriteFile(folder / "pictures" / e.name, e.data);
    WriteFile(folder / "skin.ini", Bytes(ini.begin(), ini.end()));
    WriteFile(folder / "skin.archive", archive);
    WriteFile(folder / "skin.blob", blob);
    WriteFile(folder / "skin.stream", FrameSkinStream(blob));
    WriteFile(folder / "morvanmenu.bmp", EncodeBmp(art::DrawMenuGlyphs()));
    std::printf("skin: %zu entries, archive %zu bytes, blob %zu bytes\n", entries.size(), archive.size(), blob.size());
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT-FOLDER\n", argv[0]);
        return 2;
    }
    try {
        return Run(argv[1]);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "yq_skinart: %s\n", e.what());
        return 1;
    }
}
