#pragma once
// TBitmap: a 24-bit DIB section (or, after SetMonochrome(true), a 1-bit
// one) with a canvas on a memory DC.  Drawn opaque, or with one colour
// transparent: TransparentColor, by default the bottom-left pixel.
#include "Canvas.h"
#include "Picture.h"

#include <memory>

namespace yq {

class TBitmap : public TGraphic {
    YQ_CLASS(TBitmap, TGraphic)
public:
    TBitmap();
    TBitmap(int width, int height);
    ~TBitmap() override;
    TBitmap(const TBitmap&) = delete;
    TBitmap& operator=(const TBitmap&) = delete;

    int Width() const override { return width_; }
    int Height() const override { return height_; }
    // Keeps the overlapping part of the picture; new area is white.
    void SetSize(int width, int height);
    void SetWidth(int width) { SetSize(width, height_); }
    void SetHeight(int height) { SetSize(width_, height); }

    TCanvas& Canvas() const;
    TCanvas* CanvasPtr() const { return &Canvas(); }
    HBITMAP Handle() const { return bitmap_.Get(); }

    void Draw(TCanvas& canvas, const RECT& r) const override;
    std::unique_ptr<TGraphic> Clone() const override;
    void Assign(const TBitmap& other);
    // A BMP file (any depth GDI reads, RLE included); stored as 24 bits.
    void LoadFromBytes(const std::uint8_t* data, std::size_t size) override;
    // A bitmap resource (RT_BITMAP) of `instance`; false when missing.
    bool LoadFromResourceName(HINSTANCE instance, const wchar_t* name);
    // A 24-bit BMP file (1-bit for monochrome bitmaps).
    std::vector<std::uint8_t> SaveToBytes() const;
    void SaveToFile(const std::wstring& path) const;

    // The transparent colour: the fixed one when set, else the bottom-left
    // pixel.
    TColor TransparentColor() const;
    void SetTransparentColor(TColor color);
    void SetTransparent(bool transparent) override;
    bool GetTransparent() const { return Transparent(); }

    // Monochrome: white stays white (1), every other colour becomes black (0).
    bool Monochrome() const { return bpp_ == 1; }
    void SetMonochrome(bool monochrome);

    // Pixel access for painters and tests (0x00BBGGRR).
    TColor Pixel(int x, int y) const;
    void SetPixel(int x, int y, TColor color);

private:
    class TBitmapCanvas;
    void Create(int width, int height, int bpp);
    void FreeCanvas();
    std::uint8_t* Row(int y) const;
    int Stride() const { return ((width_ * bpp_ + 31) / 32) * 4; }

    int width_ = 0, height_ = 0, bpp_ = 24;
    TBitmapHandle bitmap_;
    void* bits_ = nullptr; // top-down rows
    TColor transparentColor_ = clDefaultTransparent;
    mutable std::unique_ptr<TBitmapCanvas> canvas_;
    static constexpr TColor clDefaultTransparent = 0x20000000;
};

} // namespace yq
