// Any bytes as a skin description: every section and key found must be
// readable, and the value syntaxes must take whatever the values hold.
#include "QuickIni.h"
#include "SkinValues.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    yq::TQuickIni ini;
    ini.LoadFromText(std::string_view(reinterpret_cast<const char*>(data), size));
    std::vector<std::string> sections;
    ini.ReadSections(sections);
    for (const auto& line : ini.Lines()) {
        if (line.empty() || line.size() > size) abort();
    }
    for (const auto& section : sections) {
        const int header = ini.SectionIndex(section);
        if (header >= int(ini.Lines().size())) abort();
        for (const char* key : {"Image", "Bitmap", "Action", "ButtonFace", "frame"}) {
            const std::string value = ini.ReadString(section, key, "");
            ini.ReadInteger(section, key, -1);
            yq::ReadColour(value, 0xFF00000F);
            yq::SkinImageEntryName(value);
        }
    }
    return 0;
}
