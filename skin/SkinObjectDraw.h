#pragma once
// One call that draws frame k of a skin object into a rectangle with the
// object's own margins, so that callers name only what differs: the frame
// layout, tiling and transparency.
#include "SkinObjects.h"

#include <memory>

#include <windows.h>

namespace yq {

struct TSkinPiece {
    bool Vertical = false;    // frames stacked top to bottom
    bool Tile = false;        // centre tiled instead of stretched
    bool Transparent = false; // magenta leaves the destination unchanged
};

// Frame k (1-based; clamped to the object's frames) nine-sliced into r.
// Nothing is drawn for an object without a picture or an empty r.
void DrawSkinObject(HDC dc, const RECT& r, const TDataSkinObject& object, int k, TSkinPiece piece);
// The same picture, built for the caller (nullptr when there is none).
std::unique_ptr<TBitmap> BuildSkinObject(const RECT& r, const TDataSkinObject& object, int k,
                                         TSkinPiece piece);

} // namespace yq
