#pragma once
// TGraphic, the interface of drawable images (TBitmap, TJPEGImage), and
// TPicture, which holds one of them.
#include "Graphics.h"

#include <cstddef>
#include <cstdint>
#include <istream>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace yq {

class TCanvas;
class TBitmap;

// Raised for image data that cannot be read; the text is for the error box.
class EInvalidGraphic : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class TGraphic : public TPersistent {
    YQ_CLASS(TGraphic, TPersistent)
public:
    virtual int Width() const = 0;
    virtual int Height() const = 0;
    bool Empty() const { return Width() <= 0 || Height() <= 0; }
    // Draws the whole image into r (stretched when the sizes differ).
    virtual void Draw(TCanvas& canvas, const RECT& r) const = 0;
    virtual std::unique_ptr<TGraphic> Clone() const = 0;
    // Replaces the image; bad data raises EInvalidGraphic and keeps the old one.
    virtual void LoadFromBytes(const std::uint8_t* data, std::size_t size) = 0;
    void LoadFromStream(std::istream& in);
    void LoadFromFile(const std::wstring& path);

    bool Transparent() const { return transparent_; }
    virtual void SetTransparent(bool transparent);

    TChangeEvent OnChange;

protected:
    void Changed() {
        if (OnChange) OnChange();
    }
    bool transparent_ = false;
};

// All bytes of a file; EInvalidGraphic when it cannot be read.
std::vector<std::uint8_t> ReadWholeFile(const std::wstring& path);

class TPicture : public TPersistent {
    YQ_CLASS(TPicture, TPersistent)
public:
    TPicture() = default;
    TPicture(const TPicture&) = delete;
    TPicture& operator=(const TPicture&) = delete;

    TGraphic* Graphic() const { return graphic_.get(); }
    // Takes a copy of `graphic` (nullptr empties the picture).
    void SetGraphic(const TGraphic* graphic);
    // The held bitmap; a picture holding something else (or nothing) is
    // first replaced by an empty bitmap.
    TBitmap* Bitmap();
    void Assign(const TPicture& other) { SetGraphic(other.Graphic()); }

    int Width() const { return graphic_ ? graphic_->Width() : 0; }
    int Height() const { return graphic_ ? graphic_->Height() : 0; }
    bool Empty() const { return !graphic_ || graphic_->Empty(); }

    // Picks the format by its first bytes: "BM" bitmap, FF D8 JPEG.
    void LoadFromBytes(const std::uint8_t* data, std::size_t size);
    void LoadFromStream(std::istream& in);
    void LoadFromFile(const std::wstring& path);
    // RT_BITMAP resources load as bitmaps; RT_RCDATA ones by their bytes.
    void LoadFromResourceName(HINSTANCE instance, const wchar_t* name, const wchar_t* type = RT_RCDATA);

    TChangeEvent OnChange;

private:
    void Adopt(std::unique_ptr<TGraphic> graphic);
    void Changed() {
        if (OnChange) OnChange();
    }
    std::unique_ptr<TGraphic> graphic_;
};

} // namespace yq
