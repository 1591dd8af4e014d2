// Any bytes as a profile file: parsing must not crash, every listed key must
// be readable by its listed name, and no value may exceed the byte limit.
#include "IniParser.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    yq::TIniDocument doc(std::string_view(reinterpret_cast<const char*>(data), size));
    for (const std::string& section : doc.Sections()) {
        for (const std::string& key : doc.Keys(section)) {
            auto value = doc.Value(section, key);
            if (!value || value->size() > yq::kIniMaxValueBytes) abort();
        }
    }
    return 0;
}
