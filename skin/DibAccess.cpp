#include "DibAccess.h"

#include <stdexcept>

namespace yq {

TDibAccess::TDibAccess(TBitmap& picture) {
    if (picture.Monochrome()) picture.SetMonochrome(false);
    Open(picture);
}

TDibAccess::TDibAccess(const TBitmap& picture) {
    Open(picture);
}

void TDibAccess::Open(const TBitmap& picture) {
    if (picture.Empty()) return;
    DIBSECTION dib{};
    if (GetObjectW(picture.Handle(), sizeof dib, &dib) != sizeof dib || dib.dsBm.bmBitsPixel != 24 ||
        !dib.dsBm.bmBits) {
        throw std::logic_error("skin pictures are 24-bit DIB sections");
    }
    GdiFlush();
    width_ = dib.dsBm.bmWidth;
    height_ = dib.dsBm.bmHeight;
    // TBitmap makes every DIB section top-down (GetObject does not tell).
    rows_ = static_cast<std::uint8_t*>(dib.dsBm.bmBits);
    step_ = dib.dsBm.bmWidthBytes;
}

} // namespace yq
