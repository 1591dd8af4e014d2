#pragma once
// What one menu window's items are drawn with again and again: the
// MenuItem frame at each item size, built once with its see-through part
// resolved into a mask (two raster operations per item instead of a
// stretch and a transparent copy), and an item-sized picture to compose on.
#include "Bitmap.h"
#include "GdiObjects.h"

#include <memory>
#include <vector>

#include <windows.h>

namespace yq {

class TDataSkinObject;

// A picture whose key-coloured (magenta) pixels, when transparent, leave
// the destination as it was: kept with an alpha channel (0 where the key
// was) and drawn in one blend.
class TKeyedPicture {
public:
    TKeyedPicture(const TBitmap& picture, bool transparent);
    ~TKeyedPicture();
    TKeyedPicture(const TKeyedPicture&) = delete;
    TKeyedPicture& operator=(const TKeyedPicture&) = delete;
    void Draw(HDC dc, int x, int y) const;
    int Width() const { return w_; }
    int Height() const { return h_; }

private:
    int w_, h_;
    TBitmapHandle bitmap_;
    HDC dc_ = nullptr;
    HGDIOBJ previous_ = nullptr;
    RECT opaque_{};      // the pixels that are not see-through
    bool blend_ = false; // some of them inside opaque_ are
};

class TItemFrames {
public:
    // Frame k of `frames` (5 side by side) nine-sliced to w x h.
    const TKeyedPicture& Frame(const TDataSkinObject& frames, int w, int h, int k);
    // A w x h picture, the same one for every item of that size.
    TBitmap& Scratch(int w, int h);
    void Clear();

private:
    struct TEntry {
        const TDataSkinObject* object;
        int w, h, k;
        std::unique_ptr<TKeyedPicture> picture;
    };
    std::vector<TEntry> entries_;
    std::unique_ptr<TBitmap> scratch_;
};

} // namespace yq
