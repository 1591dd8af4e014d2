#pragma once
// TsuiCustomPanel / TsuiImagePanel: a container showing a picture (bitmap
// or JPEG) at its natural size, stretched or tiled, with a one-line caption
// over it, optionally over what lies behind the panel.  Everything is
// composed off screen and the background is never erased separately.
#include "ExtCtrls.h"
#include "Picture.h"

#include <string>

namespace yq {

enum class TsuiDrawStyle { suiNormal, suiStretch, suiTile };

class TsuiCustomPanel : public TCustomPanel {
    YQ_CLASS(TsuiCustomPanel, TCustomPanel)
public:
    explicit TsuiCustomPanel(TComponent* owner = nullptr);

    TPicture& Picture() { return picture_; }
    TPicture* PicturePtr() const { return const_cast<TPicture*>(&picture_); }
    // Copies `picture`.
    void SetPicture(const TPicture& picture);
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool transparent);
    // Sizes the panel to the picture along the dimensions its alignment
    // leaves free.
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool autoSize);
    TsuiDrawStyle DrawStyle() const { return drawStyle_; }
    void SetDrawStyle(TsuiDrawStyle style);

    // Where the picture is drawn for each style, in client coordinates
    // (tiling lists every copy; a zero-sized picture has none).
    std::vector<RECT> PicturePlacements() const;

protected:
    // Fills the panel with Color when its parent is not one of this
    // program's windows.
    virtual void RefreshBackground();
    // Called before the repaint that follows a caption change.
    virtual void CaptionHook() {}
    virtual void PictureChanged();

    void Paint() override;
    void Resize() override;
    void WndProc(TMessage& message) override;
    void CMTextChanged(TMessage& message) override;

private:
    bool HasImage() const { return !picture_.Empty(); }
    void SizeToPicture();
    void CopyTransparency();
    void PaintCaption(TCanvas& canvas, const RECT& client);

    TPicture picture_;
    bool transparent_ = false;
    bool autoSize_ = false;
    TsuiDrawStyle drawStyle_ = TsuiDrawStyle::suiNormal;
};

class TsuiImagePanel : public TsuiCustomPanel {
    YQ_CLASS(TsuiImagePanel, TsuiCustomPanel)
public:
    using TsuiCustomPanel::TsuiCustomPanel;
};

// The caption without its leading and trailing spaces and control
// characters; a caption that trims to nothing is not drawn.
std::wstring TrimCaption(const std::wstring& caption);

} // namespace yq
