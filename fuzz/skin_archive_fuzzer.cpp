// Any bytes as a skin archive, compressed with our encoder and opened with
// LoadArchive as the skin engine does; then every entry is read back, the
// description parsed and each picture decoded.
#include "Bmp.h"
#include "LzhEncoder.h"
#include "QuickIni.h"
#include "SkinReader.h"
#include "SkinValues.h"

#include <cstdlib>
#include <set>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    yq::TByteStream blob(yq::LzhCompress(std::span<const std::uint8_t>(data, size)));
    yq::TSkinReader reader;
    try {
        if (!reader.LoadArchive(blob)) return 0;
    } catch (const yq::ESkinArchiveError&) {
        return 0;
    }
    // Entries of distinct names lie apart in the data, so together they fit
    // in the input; a repeated name finds its first entry again.
    std::int64_t total = 0;
    std::set<std::string> seen;
    for (const std::string& name : reader.Names()) {
        if (!seen.insert(name).second) continue;
        yq::TByteStream entry;
        reader.GetEntry(name, entry);
        total += entry.Size();
        if (yq::SkinImageEntryName(name) == name && !name.empty()) {
            try {
                yq::DecodeBmp(entry.Bytes());
            } catch (const yq::EBmpFormatError&) {
            }
        }
    }
    if (total > std::int64_t(size)) abort();

    yq::TByteStream description;
    std::string name;
    reader.FindEntry(".ini", description, name);
    yq::TQuickIni ini;
    ini.LoadFromStream(description);
    std::vector<std::string> sections;
    ini.ReadSections(sections);
    for (const auto& s : sections)
        ini.ReadString(s, "Image", "");
    return 0;
}
