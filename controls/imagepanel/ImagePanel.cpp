#include "ImagePanel.h"

#include "Paint.h"

namespace yq {

namespace {
const std::vector<std::string> kDrawStyleNames{"suiNormal", "suiStretch", "suiTile"};
} // namespace

// Registered on the base, so every image panel answers them by name.
YQ_PUBLISHED(TsuiCustomPanel, TCustomPanel) {
    r.Object("Picture", &TsuiCustomPanel::PicturePtr);
    r.Bool("Transparent", &TsuiCustomPanel::Transparent, &TsuiCustomPanel::SetTransparent);
    r.Bool("AutoSize", &TsuiCustomPanel::AutoSize, &TsuiCustomPanel::SetAutoSize);
    r.Enum("DrawStyle", &TsuiCustomPanel::DrawStyle, &TsuiCustomPanel::SetDrawStyle, kDrawStyleNames);
}

YQ_CLASS_INFO(TsuiImagePanel, TsuiCustomPanel)

std::wstring TrimCaption(const std::wstring& caption) {
    const auto blank = [](wchar_t ch) { return ch <= L' '; };
    size_t first = 0, last = caption.size();
    while (first < last && blank(caption[first]))
        ++first;
    while (last > first && blank(caption[last - 1]))
        --last;
    return caption.substr(first, last - first);
}

TsuiCustomPanel::TsuiCustomPanel(TComponent* owner) : TCustomPanel(owner) {
    SetBevelInner(TBevelCut::bvNone);
    SetBevelOuter(TBevelCut::bvNone);
    ControlStyle |= csOpaque;
    picture_.OnChange = [this] { PictureChanged(); };
}

void TsuiCustomPanel::SetPicture(const TPicture& picture) {
    picture_.Assign(picture);
    RefreshBackground();
    Repaint();
}

void TsuiCustomPanel::SetDrawStyle(TsuiDrawStyle style) {
    drawStyle_ = style;
    RefreshBackground();
    Repaint();
}

void TsuiCustomPanel::SetTransparent(bool transparent) {
    transparent_ = transparent;
    if (HasImage()) CopyTransparency();
    Repaint();
}

void TsuiCustomPanel::SetAutoSize(bool autoSize) {
    autoSize_ = autoSize;
    if (HasImage()) SizeToPicture();
}

void TsuiCustomPanel::PictureChanged() {
    if (HasImage()) {
        if (autoSize_) SizeToPicture();
        CopyTransparency();
    }
    RefreshBackground();
    Repaint();
}

void TsuiCustomPanel::CopyTransparency() {
    TGraphic* g = picture_.Graphic();
    if (g && g->Transparent() != transparent_) g->SetTransparent(transparent_);
}

// A dimension the alignment stretches stays the alignment's.
void TsuiCustomPanel::SizeToPicture() {
    if (!autoSize_) return;
    const bool fixedWidth =
        align_ == TAlign::alTop || align_ == TAlign::alBottom || align_ == TAlign::alClient;
    const bool fixedHeight =
        align_ == TAlign::alLeft || align_ == TAlign::alRight || align_ == TAlign::alClient;
    SetBounds(left_, top_, fixedWidth ? width_ : picture_.Width(), fixedHeight ? height_ : picture_.Height());
}

void TsuiCustomPanel::RefreshBackground() {
    if (parent_ || !HandleAllocated()) return;
    HWND host = GetParent(Handle());
    if (!host || TWinControl::FromHandle(host)) return;
    TCanvas& c = Canvas();
    c.Brush().SetStyle(TBrushStyle::bsSolid);
    c.Brush().SetColor(color_);
    c.FillRect(ClientRect());
}

void TsuiCustomPanel::Resize() {
    TCustomPanel::Resize();
    Repaint();
}

void TsuiCustomPanel::WndProc(TMessage& message) {
    if (message.Msg == WM_ERASEBKGND) {
        message.Result = 1;
        return;
    }
    TCustomPanel::WndProc(message);
}

void TsuiCustomPanel::CMTextChanged(TMessage& message) {
    TCustomControl::CMTextChanged(message);
    CaptionHook();
    Repaint();
}

std::vector<RECT> TsuiCustomPanel::PicturePlacements() const {
    std::vector<RECT> placements;
    if (!HasImage()) return placements;
    const RECT client = ClientRect();
    const int w = picture_.Width(), h = picture_.Height();
    if (drawStyle_ == TsuiDrawStyle::suiStretch) return {client};
    if (drawStyle_ == TsuiDrawStyle::suiNormal) return {{0, 0, w, h}};
    for (int y = 0; y < client.bottom + h; y += h)
        for (int x = 0; x < client.right + w; x += w)
            placements.push_back({x, y, x + w, y + h});
    return placements;
}

void TsuiCustomPanel::Paint() {
    const RECT client = ClientRect();
    if (client.right <= 0 || client.bottom <= 0) return;
    TOffscreen buffer(client.right, client.bottom);
    TCanvas& c = buffer.Canvas();
    // What a small unstretched picture leaves uncovered shows the colour.
    if (!transparent_) {
        c.Brush().SetColor(color_);
        c.FillRect(client);
    }
    if (transparent_) DrawParentImage(*this, c.Handle());
    for (const RECT& place : PicturePlacements())
        c.StretchDraw(place, *picture_.Graphic());
    PaintCaption(c, client);
    buffer.CopyTo(Canvas().Handle());
}

void TsuiCustomPanel::PaintCaption(TCanvas& canvas, const RECT& client) {
    if (TrimCaption(caption_).empty()) return;
    canvas.Font().Assign(font_);
    canvas.Brush().SetStyle(TBrushStyle::bsClear);
    const TAlignment alignment = Alignment();
    UINT format = DT_SINGLELINE | DT_VCENTER;
    format |= alignment == TAlignment::taCenter         ? DT_CENTER
              : alignment == TAlignment::taRightJustify ? DT_RIGHT
                                                        : DT_LEFT;
    RECT r = client;
    canvas.DrawText(caption_, r, format);
}

} // namespace yq
