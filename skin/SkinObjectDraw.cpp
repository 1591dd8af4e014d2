#include "SkinObjectDraw.h"

#include <algorithm>

namespace yq {

namespace {
bool Drawable(const RECT& r, const TDataSkinObject& object) {
    return object.Image.Width() > 0 && object.Image.Height() > 0 && r.right > r.left && r.bottom > r.top;
}
} // namespace

std::unique_ptr<TBitmap> BuildSkinObject(const RECT& r, const TDataSkinObject& object, int k,
                                         TSkinPiece piece) {
    if (!Drawable(r, object)) return nullptr;
    const int n = std::max(1, object.FrameCount);
    return BuildSkinImage(r, object.Image, object.Margins, piece.Vertical, piece.Tile, n,
                          std::clamp(k, 1, n));
}

void DrawSkinObject(HDC dc, const RECT& r, const TDataSkinObject& object, int k, TSkinPiece piece) {
    if (!Drawable(r, object)) return;
    const int n = std::max(1, object.FrameCount);
    DrawSkinImage(dc, r, object.Image, piece.Vertical, piece.Tile, piece.Transparent, n, std::clamp(k, 1, n),
                  object.Margins);
}

} // namespace yq
