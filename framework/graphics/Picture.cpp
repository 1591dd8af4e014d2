#include "Picture.h"

#include "Bitmap.h"
#include "Jpeg.h"

#include <iterator>

namespace yq {

YQ_PUBLISHED(TGraphic, TPersistent) {
    r.Int("Width", &TGraphic::Width);
    r.Int("Height", &TGraphic::Height);
}

void TGraphic::SetTransparent(bool transparent) {
    if (transparent == transparent_) return;
    transparent_ = transparent;
    Changed();
}

void TGraphic::LoadFromStream(std::istream& in) {
    std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    LoadFromBytes(bytes.data(), bytes.size());
}

void TGraphic::LoadFromFile(const std::wstring& path) {
    std::vector<std::uint8_t> bytes = ReadWholeFile(path);
    LoadFromBytes(bytes.data(), bytes.size());
}

std::vector<std::uint8_t> ReadWholeFile(const std::wstring& path) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) throw EInvalidGraphic("Cannot open file");
    LARGE_INTEGER size{};
    std::vector<std::uint8_t> bytes;
    bool ok = GetFileSizeEx(file, &size) && size.QuadPart < (1ll << 30);
    if (ok) {
        bytes.resize(size_t(size.QuadPart));
        DWORD read = 0;
        ok = bytes.empty() ||
             (ReadFile(file, bytes.data(), DWORD(bytes.size()), &read, nullptr) && read == bytes.size());
    }
    CloseHandle(file);
    if (!ok) throw EInvalidGraphic("Cannot read file");
    return bytes;
}

// ---- TPicture ---------------------------------------------------------------

YQ_PUBLISHED(TPicture, TPersistent) {
    r.Int("Width", &TPicture::Width);
    r.Int("Height", &TPicture::Height);
    r.Object("Graphic", &TPicture::Graphic);
}

void TPicture::Adopt(std::unique_ptr<TGraphic> graphic) {
    graphic_ = std::move(graphic);
    if (graphic_) graphic_->OnChange = [this] { Changed(); };
    Changed();
}

void TPicture::SetGraphic(const TGraphic* graphic) {
    if (graphic == graphic_.get()) return;
    Adopt(graphic ? graphic->Clone() : nullptr);
}

TBitmap* TPicture::Bitmap() {
    if (auto* bmp = dynamic_cast<TBitmap*>(graphic_.get())) return bmp;
    Adopt(std::make_unique<TBitmap>());
    return static_cast<TBitmap*>(graphic_.get());
}

void TPicture::LoadFromBytes(const std::uint8_t* data, std::size_t size) {
    std::unique_ptr<TGraphic> graphic;
    if (size >= 2 && data[0] == 'B' && data[1] == 'M')
        graphic = std::make_unique<TBitmap>();
    else if (size >= 2 && data[0] == 0xFF && data[1] == 0xD8)
        graphic = std::make_unique<TJPEGImage>();
    else
        throw EInvalidGraphic("Unknown picture file extension");
    graphic->LoadFromBytes(data, size);
    Adopt(std::move(graphic));
}

void TPicture::LoadFromStream(std::istream& in) {
    std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    LoadFromBytes(bytes.data(), bytes.size());
}

void TPicture::LoadFromFile(const std::wstring& path) {
    std::vector<std::uint8_t> bytes = ReadWholeFile(path);
    LoadFromBytes(bytes.data(), bytes.size());
}

void TPicture::LoadFromResourceName(HINSTANCE instance, const wchar_t* name, const wchar_t* type) {
    if (type == RT_BITMAP) {
        auto bmp = std::make_unique<TBitmap>();
        if (!bmp->LoadFromResourceName(instance, name)) throw EInvalidGraphic("Resource not found");
        Adopt(std::move(bmp));
        return;
    }
    HRSRC res = FindResourceW(instance, name, type);
    HGLOBAL mem = res ? LoadResource(instance, res) : nullptr;
    auto* bytes = static_cast<const std::uint8_t*>(mem ? LockResource(mem) : nullptr);
    if (!bytes) throw EInvalidGraphic("Resource not found");
    LoadFromBytes(bytes, SizeofResource(instance, res));
}

} // namespace yq
