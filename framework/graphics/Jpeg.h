#pragma once
// TJPEGImage: a JPEG picture decoded with libjpeg into a 24-bit bitmap.
// Corrupt data raises EInvalidGraphic (the library's error exit is turned
// into a return; it never ends the process).  Always drawn opaque.
#include "Bitmap.h"

namespace yq {

class TJPEGImage : public TGraphic {
    YQ_CLASS(TJPEGImage, TGraphic)
public:
    TJPEGImage() = default;

    int Width() const override { return bitmap_.Width(); }
    int Height() const override { return bitmap_.Height(); }
    void Draw(TCanvas& canvas, const RECT& r) const override;
    std::unique_ptr<TGraphic> Clone() const override;
    void LoadFromBytes(const std::uint8_t* data, std::size_t size) override;
    // JPEGs have no transparency: the flag is kept but changes nothing.
    void SetTransparent(bool transparent) override { transparent_ = transparent; }

    // The decoded pixels.
    const TBitmap& Bitmap() const { return bitmap_; }

private:
    TBitmap bitmap_;
};

} // namespace yq
