#pragma once
// Direct access to the pixels of a 24-bit TBitmap (a DIB section), for the
// skin's picture transforms and regions.
#include "Bitmap.h"

#include <cstdint>

#include <windows.h>

namespace yq {

class TDibAccess {
public:
    // Makes the picture 24-bit first when it is monochrome.
    explicit TDibAccess(TBitmap& picture);
    explicit TDibAccess(const TBitmap& picture);

    int Width() const { return width_; }
    int Height() const { return height_; }
    // 0x00BBGGRR, as TColor.
    TColor Get(int x, int y) const {
        const std::uint8_t* p = At(x, y);
        return TColor(p[2]) | TColor(p[1]) << 8 | TColor(p[0]) << 16;
    }
    void Set(int x, int y, TColor c) {
        std::uint8_t* p = At(x, y);
        p[0] = std::uint8_t(c >> 16);
        p[1] = std::uint8_t(c >> 8);
        p[2] = std::uint8_t(c);
    }

private:
    void Open(const TBitmap& picture);
    std::uint8_t* At(int x, int y) const { return rows_ + std::ptrdiff_t(y) * step_ + x * 3; }

    std::uint8_t* rows_ = nullptr; // row 0 is the top row
    std::ptrdiff_t step_ = 0;
    int width_ = 0, height_ = 0;
};

} // namespace yq
