#include "MenuItemFrames.h"

#include "SkinDraw.h"
#include "SkinObjects.h"

#include <algorithm>
#include <cstdint>

namespace yq {

namespace {
constexpr int kItemFrames = 5;
// Sizes kept at once: a menu's items share a width and have few heights.
constexpr std::size_t kMaxFrames = 8;

} // namespace

TKeyedPicture::TKeyedPicture(const TBitmap& picture, bool transparent)
    : w_(picture.Width()), h_(picture.Height()) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = w_;
    info.bmiHeader.biHeight = -h_;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    bitmap_.Reset(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!bitmap_ || !bits) return;
    GetDIBits(picture.Canvas().Handle(), picture.Handle(), 0, UINT(h_), bits, &info, DIB_RGB_COLORS);
    // Opaque pixels get alpha 255; see-through ones are all zero
    // (premultiplied).
    const std::uint32_t key = 0x00FF00FF; // magenta as BGRA bytes
    auto* pixel = static_cast<std::uint32_t*>(bits);
    RECT opaque{w_, h_, 0, 0};
    bool holes = false;
    for (int y = 0; y < h_; ++y)
        for (int x = 0; x < w_; ++x) {
            std::uint32_t& p = pixel[y * w_ + x];
            if (transparent && (p & 0x00FFFFFF) == key) {
                p = 0;
                holes = true;
                continue;
            }
            p |= 0xFF000000u;
            opaque = {std::min<LONG>(opaque.left, x), std::min<LONG>(opaque.top, y),
                      std::max<LONG>(opaque.right, x + 1), std::max<LONG>(opaque.bottom, y + 1)};
        }
    // Only the part with opaque pixels is drawn, blended where it has holes.
    opaque_ = opaque;
    blend_ = holes;
    dc_ = CreateCompatibleDC(nullptr);
    previous_ = SelectObject(dc_, bitmap_.Get());
}

TKeyedPicture::~TKeyedPicture() {
    if (!dc_) return;
    SelectObject(dc_, previous_);
    DeleteDC(dc_);
}

void TKeyedPicture::Draw(HDC dc, int x, int y) const {
    const int w = opaque_.right - opaque_.left, h = opaque_.bottom - opaque_.top;
    if (!dc_ || w <= 0 || h <= 0) return;
    const int dx = x + opaque_.left, dy = y + opaque_.top;
    if (!blend_) {
        BitBlt(dc, dx, dy, w, h, dc_, opaque_.left, opaque_.top, SRCCOPY);
        return;
    }
    const BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    AlphaBlend(dc, dx, dy, w, h, dc_, opaque_.left, opaque_.top, w, h, blend);
}

const TKeyedPicture& TItemFrames::Frame(const TDataSkinObject& frames, int w, int h, int k) {
    for (const TEntry& e : entries_)
        if (e.object == &frames && e.w == w && e.h == h && e.k == k) return *e.picture;
    if (entries_.size() >= kMaxFrames) entries_.erase(entries_.begin());
    const auto built =
        BuildSkinImage({0, 0, w, h}, frames.Image, frames.Margins, false, frames.Tile != 0, kItemFrames, k);
    entries_.push_back({&frames, w, h, k, std::make_unique<TKeyedPicture>(*built, frames.Trans != 0)});
    return *entries_.back().picture;
}

TBitmap& TItemFrames::Scratch(int w, int h) {
    if (!scratch_) scratch_ = std::make_unique<TBitmap>(w, h);
    if (scratch_->Width() != w || scratch_->Height() != h) scratch_->SetSize(w, h);
    return *scratch_;
}

void TItemFrames::Clear() {
    entries_.clear();
}

} // namespace yq
