#include "ImgList.h"

#include <stdexcept>

namespace yq {

YQ_PUBLISHED(TCustomImageList, TComponent) {
    r.Int("Width", &TCustomImageList::Width);
    r.Int("Height", &TCustomImageList::Height);
}

YQ_CLASS_INFO(TImageList, TCustomImageList)

TCustomImageList::TCustomImageList(TComponent* owner) : TComponent(owner) {
    Recreate();
}

TCustomImageList::~TCustomImageList() {
    if (handle_) ImageList_Destroy(handle_);
}

void TCustomImageList::Recreate() {
    HIMAGELIST fresh = ImageList_Create(width_, height_, ILC_COLOR24 | ILC_MASK, 4, 4);
    if (!fresh) throw std::runtime_error("Error creating image list");
    if (handle_) ImageList_Destroy(handle_);
    handle_ = fresh;
}

void TCustomImageList::SetSize(int width, int height) {
    if (width <= 0 || height <= 0) throw std::invalid_argument("Invalid image size");
    if (width == width_ && height == height_) return;
    width_ = width;
    height_ = height;
    Recreate();
}

int TCustomImageList::Count() const {
    return ImageList_GetImageCount(handle_);
}

int TCustomImageList::AddMasked(const TBitmap& strip, TColor maskColor) {
    if (strip.Empty() || strip.Height() != height_ || strip.Width() % width_ != 0)
        throw std::invalid_argument("Invalid image size");
    // The image list copies the pixels; the bitmap must not be selected
    // into a DC meanwhile, so draw a copy.
    TBitmap copy;
    copy.Assign(strip);
    HBITMAP image = copy.Handle();
    int first = ImageList_AddMasked(handle_, image, COLORREF(ColorToRGB(maskColor)));
    if (first < 0) throw std::runtime_error("Error adding image");
    return first;
}

void TCustomImageList::Clear() {
    ImageList_RemoveAll(handle_);
}

void TCustomImageList::Draw(TCanvas& canvas, int x, int y, int index, bool enabled) const {
    if (index < 0 || index >= Count()) return;
    HDC dc = canvas.Handle();
    if (!dc) return;
    if (enabled) {
        ImageList_Draw(handle_, index, dc, x, y, ILD_TRANSPARENT);
        return;
    }
    HICON icon = ImageList_GetIcon(handle_, index, ILD_TRANSPARENT);
    if (!icon) return;
    DrawStateW(dc, nullptr, nullptr, reinterpret_cast<LPARAM>(icon), 0, x, y, width_, height_,
               DST_ICON | DSS_DISABLED);
    DestroyIcon(icon);
}

} // namespace yq
