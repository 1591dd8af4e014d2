#include "OutBarCursors.h"

#include "Screen.h"

#include <stdexcept>

namespace yq {

void RegisterOutBarCursors() {
    struct Entry {
        TCursor number;
        const wchar_t* resource;
    };
    static constexpr Entry kCursors[] = {
        {crOutDragMove, L"OUTDRAGMOVE"}, {crOutDragCopy, L"OUTDRAGCOPY"}, {crNoDrop, L"OUTNODROP"}};
    HINSTANCE module = GetModuleHandleW(nullptr);
    for (const Entry& entry : kCursors) {
        HCURSOR cursor = LoadCursorW(module, entry.resource);
        if (!cursor) throw std::runtime_error("Error loading cursor");
        Screen().SetCursors(entry.number, cursor);
    }
}

} // namespace yq
