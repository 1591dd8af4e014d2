#pragma once
// TCustomPanel / TPanel: a windowed container with optional 3-D bevels and a
// one-line caption; TImage: a windowless control showing a TPicture.
#include "CustomControl.h"
#include "Picture.h"

namespace yq {

enum class TBevelCut { bvNone, bvLowered, bvRaised, bvSpace };

class TCustomPanel : public TCustomControl {
    YQ_CLASS(TCustomPanel, TCustomControl)
public:
    explicit TCustomPanel(TComponent* owner = nullptr);

    TBevelCut BevelInner() const { return bevelInner_; }
    void SetBevelInner(TBevelCut cut);
    TBevelCut BevelOuter() const { return bevelOuter_; }
    void SetBevelOuter(TBevelCut cut);
    int BevelWidth() const { return bevelWidth_; }
    void SetBevelWidth(int width);
    int BorderWidth() const { return borderWidth_; }
    void SetBorderWidth(int width);
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment alignment);

protected:
    void Paint() override;
    void AdjustClientRect(RECT& rect) const override;
    void CMTextChanged(TMessage& message) override;

private:
    void Changed();
    TBevelCut bevelInner_ = TBevelCut::bvNone;
    TBevelCut bevelOuter_ = TBevelCut::bvRaised;
    int bevelWidth_ = 1;
    int borderWidth_ = 0;
    TAlignment alignment_ = TAlignment::taCenter;
};

class TPanel : public TCustomPanel {
    YQ_CLASS(TPanel, TCustomPanel)
public:
    using TCustomPanel::TCustomPanel;
};

class TImage : public TGraphicControl {
    YQ_CLASS(TImage, TGraphicControl)
public:
    explicit TImage(TComponent* owner = nullptr);

    TPicture& Picture() { return picture_; }
    TPicture* PicturePtr() const { return const_cast<TPicture*>(&picture_); }
    void SetPicture(const TPicture& picture) { picture_.Assign(picture); }
    // Scale the picture to the control (proportions not kept).
    bool Stretch() const { return stretch_; }
    void SetStretch(bool stretch);
    // Centre an unstretched picture.
    bool Center() const { return center_; }
    void SetCenter(bool center);
    // Passed to the picture's graphic (bitmaps honour it, JPEGs do not).
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool transparent);
    // Size the control to the picture.
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool autoSize);

protected:
    void Paint() override;

private:
    void PictureChanged();
    RECT DestRect() const;
    TPicture picture_;
    bool stretch_ = false, center_ = false, transparent_ = false, autoSize_ = false;
};

} // namespace yq
