#pragma once
// TBitBtn: a push button with a glyph beside its caption, drawn by the
// framework (the platform's button, owner-drawn).  Kind gives a standard
// button its caption, glyph and modal result (bkOK "确定", bkCancel "取消",
// ...); bkClose closes the form.  Without a Glyph the picture may come
// from Images: ImageIndex, and DisabledIndex while disabled (-1: the
// ImageIndex picture embossed).
#include "Button.h"
#include "ButtonGlyph.h"
#include "ImgList.h"

#include <memory>

namespace yq {

enum class TBitBtnKind {
    bkCustom,
    bkOK,
    bkCancel,
    bkHelp,
    bkYes,
    bkNo,
    bkClose,
    bkAbort,
    bkRetry,
    bkIgnore,
    bkAll
};

class TBitBtn : public TButton {
    YQ_CLASS(TBitBtn, TButton)
public:
    explicit TBitBtn(TComponent* owner = nullptr);

    TBitBtnKind Kind() const { return kind_; }
    void SetKind(TBitBtnKind kind);
    TBitmap* Glyph() const { return glyph_.get(); }
    void SetGlyph(const TBitmap& glyph);
    int NumGlyphs() const { return numGlyphs_; }
    void SetNumGlyphs(int count);
    TButtonLayout Layout() const { return layout_; }
    void SetLayout(TButtonLayout layout);
    int Margin() const { return margin_; }
    void SetMargin(int margin);
    int Spacing() const { return spacing_; }
    void SetSpacing(int spacing);
    TCustomImageList* Images() const { return images_; }
    void SetImages(TCustomImageList* images);
    int ImageIndex() const { return imageIndex_; }
    void SetImageIndex(int index);
    int DisabledIndex() const { return disabledIndex_; }
    void SetDisabledIndex(int index);

    void Click() override;

protected:
    void CreateParamsFor(CreateParams& params) override;
    void WndProc(TMessage& message) override;
    void Notification(TComponent* component, TOperation operation) override;

private:
    void DrawItem(const DRAWITEMSTRUCT& item);
    // The picture to draw: the glyph, or one from Images into `scratch`.
    const TBitmap* Picture(bool disabled, TBitmap& scratch, TButtonState& state) const;
    std::unique_ptr<TBitmap> glyph_;
    TBitBtnKind kind_ = TBitBtnKind::bkCustom;
    int numGlyphs_ = 1;
    TButtonLayout layout_ = TButtonLayout::blGlyphLeft;
    int margin_ = -1, spacing_ = 4;
    TCustomImageList* images_ = nullptr;
    int imageIndex_ = -1, disabledIndex_ = -1;
    bool drawDefault_ = false; // the platform's default-button look
};

// The 18 x 18 glyph of a kind (empty for bkCustom), drawn in code.
void MakeKindGlyph(TBitBtnKind kind, TBitmap& glyph);

} // namespace yq
