#pragma once
// TCustomImageList / TImageList: a row of equally sized images kept by the
// platform's image list, drawn by index.  Controls that show images hold a
// pointer and ask for free-notification, so a destroyed list is dropped.
#include "Bitmap.h"
#include "Component.h"

#include <commctrl.h>

namespace yq {

class TCustomImageList : public TComponent {
    YQ_CLASS(TCustomImageList, TComponent)
public:
    explicit TCustomImageList(TComponent* owner = nullptr);
    ~TCustomImageList() override;

    int Width() const { return width_; }
    int Height() const { return height_; }
    // Changing the size empties the list.
    void SetSize(int width, int height);
    int Count() const;

    // Appends the images of a strip (its width a multiple of Width); the
    // pixels of `maskColor` become transparent.  Returns the first index.
    int AddMasked(const TBitmap& strip, TColor maskColor);
    void Clear();

    // Draws image `index` with its top-left corner at (x, y); an index out
    // of range draws nothing.  A disabled image is drawn greyed (embossed).
    void Draw(TCanvas& canvas, int x, int y, int index, bool enabled = true) const;
    HIMAGELIST Handle() const { return handle_; }

private:
    void Recreate();
    int width_ = 16, height_ = 16;
    HIMAGELIST handle_ = nullptr;
};

class TImageList : public TCustomImageList {
    YQ_CLASS(TImageList, TCustomImageList)
public:
    explicit TImageList(TComponent* owner = nullptr) : TCustomImageList(owner) {}
};

} // namespace yq
