#include "SkinValues.h"

#include "QuickIni.h"

namespace yq {

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

} // namespace

std::uint32_t ParseColour(std::string_view text) {
    text = TrimBlanks(text);
    std::int32_t values[3] = {0, 0, 0};
    int stored = 0;
    std::string pending;
    const auto store = [&] {
        std::int32_t v;
        if (!ParseSkinInteger(pending, v)) return; // too large: stays pending
        if (stored < 3) values[stored++] = v;
        pending.clear();
    };
    for (const char c : text) {
        if (IsDigit(c)) {
            pending += c;
        } else if (!pending.empty()) {
            store();
        }
    }
    if (!pending.empty() && stored == 2) store();
    return std::uint32_t(values[0] % 256) | std::uint32_t(values[1] % 256) << 8 |
           std::uint32_t(values[2] % 256) << 16;
}

std::uint32_t ReadColour(std::string_view text, std::uint32_t defaultColour) {
    return text.empty() ? defaultColour : ParseColour(text);
}

std::string SkinImageEntryName(std::string_view reference) {
    const std::size_t cut = reference.find_last_of("\\:");
    const std::string_view name = cut == std::string_view::npos ? reference : reference.substr(cut + 1);
    const std::size_t dot = name.rfind('.');
    if (name.empty() || dot == std::string_view::npos || name.substr(dot) != ".bmp") return {};
    return std::string(name);
}

} // namespace yq
