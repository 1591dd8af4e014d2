#include "Graphics.h"

namespace yq {

TColor ColorToRGB(TColor color) {
    if (IsSysColor(color)) return TColor(GetSysColor(int(color & 0xFF)));
    if (color == clNone) return clBlack;
    return color & 0x00FFFFFFu;
}

YQ_CLASS_INFO(TGraphicsObject, TPersistent)

void TGraphicsObject::Changed() {
    TGdiObject<HGDIOBJ> retired(ReleaseHandle());
    if (OnChange) OnChange();
}

// ---- TFont ------------------------------------------------------------------

YQ_PUBLISHED(TFont, TGraphicsObject) {
    r.WStr("Name", &TFont::Name, &TFont::SetName);
    r.Int("Height", &TFont::Height, &TFont::SetHeight);
    r.Int("Size", &TFont::Size, &TFont::SetSize);
    r.Int("Color", &TFont::Color, &TFont::SetColor);
    r.Int("Style", &TFont::Style, &TFont::SetStyle);
    r.Int("Charset", &TFont::Charset, &TFont::SetCharset);
}

void TFont::CopyFrom(const TFont& o) {
    name_ = o.name_;
    height_ = o.height_;
    style_ = o.style_;
    color_ = o.color_;
    charset_ = o.charset_;
}

TFont& TFont::operator=(const TFont& other) {
    if (this != &other && !(*this == other)) {
        CopyFrom(other);
        Changed();
    }
    return *this;
}

bool TFont::operator==(const TFont& o) const {
    return name_ == o.name_ && height_ == o.height_ && style_ == o.style_ && color_ == o.color_ &&
           charset_ == o.charset_;
}

void TFont::SetName(const std::wstring& name) {
    if (name == name_) return;
    name_ = name;
    Changed();
}

void TFont::SetHeight(int height) {
    if (height == height_) return;
    height_ = height;
    Changed();
}

int TFont::Size() const {
    return -MulDiv(height_, 72, 96);
}

void TFont::SetSize(int points) {
    SetHeight(-MulDiv(points, 96, 72));
}

void TFont::SetStyle(unsigned style) {
    if (style == style_) return;
    style_ = style;
    Changed();
}

void TFont::SetColor(TColor color) {
    if (color == color_) return;
    color_ = color;
    // The colour is not part of the GDI font: keep the handle.
    if (OnChange) OnChange();
}

void TFont::SetCharset(int charset) {
    if (charset == charset_) return;
    charset_ = charset;
    Changed();
}

HFONT TFont::Handle() const {
    if (!handle_) {
        LOGFONTW lf{};
        lf.lfHeight = height_;
        lf.lfWeight = (style_ & fsBold) ? FW_BOLD : FW_NORMAL;
        lf.lfItalic = (style_ & fsItalic) ? TRUE : FALSE;
        lf.lfUnderline = (style_ & fsUnderline) ? TRUE : FALSE;
        lf.lfStrikeOut = (style_ & fsStrikeOut) ? TRUE : FALSE;
        lf.lfCharSet = BYTE(charset_);
        lf.lfOutPrecision = OUT_DEFAULT_PRECIS;
        lf.lfClipPrecision = CLIP_DEFAULT_PRECIS;
        lf.lfQuality = DEFAULT_QUALITY;
        lf.lfPitchAndFamily = DEFAULT_PITCH;
        lstrcpynW(lf.lfFaceName, name_.c_str(), LF_FACESIZE);
        handle_.Reset(CreateFontIndirectW(&lf));
    }
    return handle_.Get();
}

// ---- TPen -------------------------------------------------------------------

YQ_PUBLISHED(TPen, TGraphicsObject) {
    r.Int("Color", &TPen::Color, &TPen::SetColor);
    r.Int("Width", &TPen::Width, &TPen::SetWidth);
    r.Enum("Style", &TPen::Style, &TPen::SetStyle,
           {"psSolid", "psDash", "psDot", "psDashDot", "psDashDotDot", "psClear"});
}

void TPen::SetColor(TColor color) {
    if (color == color_) return;
    color_ = color;
    Changed();
}

void TPen::SetStyle(TPenStyle style) {
    if (style == style_) return;
    style_ = style;
    Changed();
}

void TPen::SetWidth(int width) {
    if (width < 1) width = 1;
    if (width == width_) return;
    width_ = width;
    Changed();
}

HPEN TPen::Handle() const {
    TColor rgb = ColorToRGB(color_);
    if (handle_ && rgb != madeFor_) handle_.Reset();
    if (!handle_) {
        static constexpr int styles[] = {PS_SOLID, PS_DASH, PS_DOT, PS_DASHDOT, PS_DASHDOTDOT, PS_NULL};
        handle_.Reset(CreatePen(styles[int(style_)], width_, rgb));
        madeFor_ = rgb;
    }
    return handle_.Get();
}

// ---- TBrush -----------------------------------------------------------------

YQ_PUBLISHED(TBrush, TGraphicsObject) {
    r.Int("Color", &TBrush::Color, &TBrush::SetColor);
    r.Enum("Style", &TBrush::Style, &TBrush::SetStyle, {"bsSolid", "bsClear"});
}

void TBrush::SetColor(TColor color) {
    if (color == color_ && style_ == TBrushStyle::bsSolid) return;
    color_ = color;
    // Choosing a colour makes the brush solid again.
    style_ = TBrushStyle::bsSolid;
    Changed();
}

void TBrush::SetStyle(TBrushStyle style) {
    if (style == style_) return;
    style_ = style;
    Changed();
}

HBRUSH TBrush::Handle() const {
    if (style_ == TBrushStyle::bsClear) return HBRUSH(GetStockObject(HOLLOW_BRUSH));
    TColor rgb = ColorToRGB(color_);
    if (handle_ && rgb != madeFor_) handle_.Reset();
    if (!handle_) {
        handle_.Reset(CreateSolidBrush(rgb));
        madeFor_ = rgb;
    }
    return handle_.Get();
}

} // namespace yq
