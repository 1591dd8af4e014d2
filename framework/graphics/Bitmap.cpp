#include "Bitmap.h"

#include "BmpFormat.h"

#include <cstring>
#include <fstream>

namespace yq {

YQ_PUBLISHED(TBitmap, TGraphic) {
    r.Int("Width", &TBitmap::Width, &TBitmap::SetWidth);
    r.Int("Height", &TBitmap::Height, &TBitmap::SetHeight);
    r.Bool("Transparent", &TBitmap::GetTransparent, &TBitmap::SetTransparent);
    r.Int("TransparentColor", &TBitmap::TransparentColor, &TBitmap::SetTransparentColor);
    r.Bool("Monochrome", &TBitmap::Monochrome, &TBitmap::SetMonochrome);
    r.Object("Canvas", &TBitmap::CanvasPtr);
}

// The canvas of a bitmap: a memory DC with the bitmap selected, made on
// first use and freed with the bitmap (or when the bitmap is replaced).
class TBitmap::TBitmapCanvas : public TCanvas {
public:
    explicit TBitmapCanvas(const TBitmap& owner) : owner_(owner) {}
    ~TBitmapCanvas() override { Free(); }
    void Free() {
        if (!dc_) return;
        DetachHandle();
        SelectObject(dc_, oldBitmap_);
        DeleteDC(dc_);
        dc_ = nullptr;
    }

protected:
    void CreateHandle() override {
        if (!owner_.Handle()) return;
        dc_ = CreateCompatibleDC(nullptr);
        oldBitmap_ = SelectObject(dc_, owner_.Handle());
        SetHandle(dc_);
    }

private:
    const TBitmap& owner_;
    HDC dc_ = nullptr;
    HGDIOBJ oldBitmap_ = nullptr;
};

TBitmap::TBitmap() = default;

TBitmap::TBitmap(int width, int height) {
    SetSize(width, height);
}

TBitmap::~TBitmap() {
    FreeCanvas();
}

void TBitmap::FreeCanvas() {
    if (canvas_) canvas_->Free();
}

TCanvas& TBitmap::Canvas() const {
    if (!canvas_) canvas_ = std::make_unique<TBitmapCanvas>(*this);
    return *canvas_;
}

void TBitmap::Create(int width, int height, int bpp) {
    FreeCanvas();
    bitmap_.Reset();
    bits_ = nullptr;
    width_ = height_ = 0;
    bpp_ = bpp;
    if (width <= 0 || height <= 0) return;
    struct {
        BITMAPINFOHEADER h;
        RGBQUAD colors[2];
    } info{};
    info.h.biSize = sizeof(BITMAPINFOHEADER);
    info.h.biWidth = width;
    info.h.biHeight = -height;
    info.h.biPlanes = 1;
    info.h.biBitCount = WORD(bpp);
    info.h.biCompression = BI_RGB;
    info.colors[1] = {255, 255, 255, 0};
    HBITMAP bmp =
        CreateDIBSection(nullptr, reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS, &bits_, nullptr, 0);
    if (!bmp) {
        bits_ = nullptr;
        throw EInvalidGraphic("Out of system resources");
    }
    bitmap_.Reset(bmp);
    width_ = width;
    height_ = height;
}

std::uint8_t* TBitmap::Row(int y) const {
    return static_cast<std::uint8_t*>(bits_) + size_t(y) * size_t(Stride());
}

void TBitmap::SetSize(int width, int height) {
    if (width < 0) width = 0;
    if (height < 0) height = 0;
    if (width == width_ && height == height_) return;
    TBitmapHandle old(bitmap_.Release());
    int oldW = width_, oldH = height_;
    FreeCanvas();
    Create(width, height, bpp_);
    if (bits_) {
        std::memset(bits_, 0xFF, size_t(Stride()) * size_t(height_));
        if (old) {
            TMemoryDC src, dst;
            TSelectObject s(src.Get(), old.Get()), d(dst.Get(), bitmap_.Get());
            BitBlt(dst.Get(), 0, 0, std::min(oldW, width_), std::min(oldH, height_), src.Get(), 0, 0,
                   SRCCOPY);
        }
    }
    Changed();
}

void TBitmap::Assign(const TBitmap& other) {
    if (&other == this) return;
    Create(other.width_, other.height_, other.bpp_);
    if (bits_ && other.bits_) {
        GdiFlush();
        std::memcpy(bits_, other.bits_, size_t(Stride()) * size_t(height_));
    }
    transparent_ = other.transparent_;
    transparentColor_ = other.transparentColor_;
    Changed();
}

std::unique_ptr<TGraphic> TBitmap::Clone() const {
    auto copy = std::make_unique<TBitmap>();
    copy->Assign(*this);
    return copy;
}

void TBitmap::LoadFromBytes(const std::uint8_t* data, std::size_t size) {
    TBmpLayout layout;
    std::string error;
    if (!ParseBmpFile(data, size, layout, error)) throw EInvalidGraphic("Bitmap image is not valid");
    TBitmap fresh;
    fresh.Create(layout.Width, layout.Height, 24);
    {
        TMemoryDC dc;
        TSelectObject s(dc.Get(), fresh.Handle());
        // GDI wants the header and colour table contiguous and aligned.
        std::vector<std::uint8_t> info(data + layout.InfoOffset, data + layout.InfoOffset + layout.InfoSize);
        std::vector<std::uint8_t> bits(data + layout.BitsOffset, data + layout.BitsOffset + layout.BitsSize);
        int rows = SetDIBitsToDevice(dc.Get(), 0, 0, DWORD(layout.Width), DWORD(layout.Height), 0, 0, 0,
                                     UINT(layout.Height), bits.data(),
                                     reinterpret_cast<BITMAPINFO*>(info.data()), DIB_RGB_COLORS);
        if (rows == 0) throw EInvalidGraphic("Bitmap image is not valid");
    }
    FreeCanvas();
    bitmap_ = std::move(fresh.bitmap_);
    bits_ = std::exchange(fresh.bits_, nullptr);
    width_ = layout.Width;
    height_ = layout.Height;
    bpp_ = 24;
    Changed();
}

bool TBitmap::LoadFromResourceName(HINSTANCE instance, const wchar_t* name) {
    HRSRC res = FindResourceW(instance, name, MAKEINTRESOURCEW(2) /* RT_BITMAP */);
    if (!res) return false;
    HGLOBAL mem = LoadResource(instance, res);
    auto* dib = static_cast<const std::uint8_t*>(LockResource(mem));
    DWORD size = SizeofResource(instance, res);
    TBmpLayout layout;
    std::string error;
    if (!dib || !ParsePackedDib(dib, size, layout, error)) return false;
    // Give it a file header and load it like a file.
    std::vector<std::uint8_t> file(14 + size_t(size));
    file[0] = 'B';
    file[1] = 'M';
    std::uint32_t total = std::uint32_t(file.size()), bits = std::uint32_t(14 + layout.BitsOffset);
    std::memcpy(&file[2], &total, 4);
    std::memcpy(&file[10], &bits, 4);
    std::memcpy(&file[14], dib, size);
    LoadFromBytes(file.data(), file.size());
    return true;
}

std::vector<std::uint8_t> TBitmap::SaveToBytes() const {
    GdiFlush();
    int colors = bpp_ == 1 ? 2 : 0;
    std::uint32_t infoSize = sizeof(BITMAPINFOHEADER) + colors * 4;
    std::uint32_t stride = std::uint32_t(Stride());
    std::uint32_t bitsSize = stride * std::uint32_t(height_);
    std::vector<std::uint8_t> out(14 + infoSize + bitsSize);
    std::uint32_t total = std::uint32_t(out.size()), offset = 14 + infoSize;
    out[0] = 'B';
    out[1] = 'M';
    std::memcpy(&out[2], &total, 4);
    std::memcpy(&out[10], &offset, 4);
    BITMAPINFOHEADER h{};
    h.biSize = sizeof(h);
    h.biWidth = width_;
    h.biHeight = height_; // bottom-up, as most readers expect
    h.biPlanes = 1;
    h.biBitCount = WORD(bpp_);
    h.biCompression = BI_RGB;
    h.biSizeImage = bitsSize;
    std::memcpy(&out[14], &h, sizeof(h));
    if (colors) {
        const std::uint8_t table[8] = {0, 0, 0, 0, 255, 255, 255, 0};
        std::memcpy(&out[14 + sizeof(h)], table, 8);
    }
    for (int y = 0; y < height_; ++y)
        std::memcpy(&out[offset + size_t(height_ - 1 - y) * stride], Row(y), stride);
    return out;
}

void TBitmap::SaveToFile(const std::wstring& path) const {
    std::vector<std::uint8_t> bytes = SaveToBytes();
    HANDLE file =
        CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) throw EInvalidGraphic("Cannot create file");
    DWORD written = 0;
    BOOL ok = WriteFile(file, bytes.data(), DWORD(bytes.size()), &written, nullptr);
    CloseHandle(file);
    if (!ok || written != bytes.size()) throw EInvalidGraphic("Cannot write file");
}

TColor TBitmap::Pixel(int x, int y) const {
    if (!bits_ || x < 0 || y < 0 || x >= width_ || y >= height_) return clNone;
    GdiFlush();
    const std::uint8_t* row = Row(y);
    if (bpp_ == 1) return (row[x / 8] & (0x80 >> (x % 8))) ? clWhite : clBlack;
    const std::uint8_t* p = row + x * 3;
    return TColor(p[2]) | TColor(p[1]) << 8 | TColor(p[0]) << 16;
}

void TBitmap::SetPixel(int x, int y, TColor color) {
    if (!bits_ || x < 0 || y < 0 || x >= width_ || y >= height_) return;
    GdiFlush();
    TColor rgb = ColorToRGB(color);
    std::uint8_t* row = Row(y);
    if (bpp_ == 1) {
        std::uint8_t bit = std::uint8_t(0x80 >> (x % 8));
        if (rgb == clWhite)
            row[x / 8] |= bit;
        else
            row[x / 8] &= std::uint8_t(~bit);
        return;
    }
    std::uint8_t* p = row + x * 3;
    p[0] = std::uint8_t(rgb >> 16);
    p[1] = std::uint8_t(rgb >> 8);
    p[2] = std::uint8_t(rgb);
}

TColor TBitmap::TransparentColor() const {
    if (transparentColor_ != clDefaultTransparent) return transparentColor_;
    return height_ > 0 ? Pixel(0, height_ - 1) : clNone;
}

void TBitmap::SetTransparentColor(TColor color) {
    if (color == transparentColor_) return;
    transparentColor_ = color;
    Changed();
}

void TBitmap::SetTransparent(bool transparent) {
    TGraphic::SetTransparent(transparent);
}

void TBitmap::SetMonochrome(bool monochrome) {
    if (monochrome == Monochrome()) return;
    if (!bits_) {
        bpp_ = monochrome ? 1 : 24;
        return;
    }
    TBitmap converted;
    converted.Create(width_, height_, monochrome ? 1 : 24);
    GdiFlush();
    for (int y = 0; y < height_; ++y)
        for (int x = 0; x < width_; ++x)
            converted.SetPixel(x, y, Pixel(x, y) == clWhite ? clWhite : clBlack);
    FreeCanvas();
    bitmap_ = std::move(converted.bitmap_);
    bits_ = std::exchange(converted.bits_, nullptr);
    bpp_ = converted.bpp_;
    Changed();
}

void TBitmap::Draw(TCanvas& canvas, const RECT& r) const {
    HDC src = Canvas().Handle();
    HDC dst = canvas.Handle();
    if (!src || !dst) return;
    int w = r.right - r.left, h = r.bottom - r.top;
    if (transparent_) {
        TransparentBlt(dst, r.left, r.top, w, h, src, 0, 0, width_, height_,
                       UINT(ColorToRGB(TransparentColor())));
    } else if (w == width_ && h == height_) {
        BitBlt(dst, r.left, r.top, w, h, src, 0, 0, canvas.CopyMode);
    } else {
        int oldMode = SetStretchBltMode(dst, w < width_ || h < height_ ? HALFTONE : COLORONCOLOR);
        POINT org;
        SetBrushOrgEx(dst, 0, 0, &org);
        StretchBlt(dst, r.left, r.top, w, h, src, 0, 0, width_, height_, canvas.CopyMode);
        SetBrushOrgEx(dst, org.x, org.y, nullptr);
        SetStretchBltMode(dst, oldMode);
    }
}

} // namespace yq
