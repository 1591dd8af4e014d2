#pragma once
// Drawing tools: TFont, TPen, TBrush.  Each keeps its settings and makes
// its GDI handle on demand (recreated after a change, freed with the
// object).  OnChange runs after every change; the owner (a control or a
// canvas) reacts there.
#include "Colors.h"
#include "GdiObjects.h"
#include "TypeInfo.h"

#include <functional>
#include <string>

namespace yq {

using TChangeEvent = std::function<void()>;

enum TFontStyle : unsigned { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };

class TGraphicsObject : public TPersistent {
    YQ_CLASS(TGraphicsObject, TPersistent)
public:
    TChangeEvent OnChange;

protected:
    // Runs OnChange; the old handle stays alive until OnChange returns, so
    // that owners can deselect it (canvas) or replace it (WM_SETFONT) first.
    void Changed();
    virtual HGDIOBJ ReleaseHandle() = 0;
};

class TFont : public TGraphicsObject {
    YQ_CLASS(TFont, TGraphicsObject)
public:
    static constexpr int kDefaultCharset = GB2312_CHARSET;

    TFont() = default;
    TFont(const TFont& other) { CopyFrom(other); }
    TFont& operator=(const TFont& other);
    void Assign(const TFont& other) { *this = other; }

    const std::wstring& Name() const { return name_; }
    void SetName(const std::wstring& name);
    // Pixels; negative is the character height (as LOGFONT), positive the cell.
    int Height() const { return height_; }
    void SetHeight(int height);
    // Points at 96 dpi.
    int Size() const;
    void SetSize(int points);
    unsigned Style() const { return style_; }
    void SetStyle(unsigned style);
    bool Bold() const { return (style_ & fsBold) != 0; }
    TColor Color() const { return color_; }
    void SetColor(TColor color);
    int Charset() const { return charset_; }
    void SetCharset(int charset);

    bool operator==(const TFont& o) const;
    HFONT Handle() const;

protected:
    HGDIOBJ ReleaseHandle() override { return handle_.Release(); }

private:
    void CopyFrom(const TFont& o);
    std::wstring name_ = L"宋体";
    int height_ = -12;
    unsigned style_ = 0;
    TColor color_ = clWindowText;
    int charset_ = kDefaultCharset;
    mutable TFontHandle handle_;
};

enum class TPenStyle { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear };

class TPen : public TGraphicsObject {
    YQ_CLASS(TPen, TGraphicsObject)
public:
    TColor Color() const { return color_; }
    void SetColor(TColor color);
    TPenStyle Style() const { return style_; }
    void SetStyle(TPenStyle style);
    int Width() const { return width_; }
    void SetWidth(int width);
    HPEN Handle() const;

protected:
    HGDIOBJ ReleaseHandle() override { return handle_.Release(); }

private:
    TColor color_ = clBlack;
    TPenStyle style_ = TPenStyle::psSolid;
    int width_ = 1;
    mutable TPenHandle handle_;
    mutable TColor madeFor_ = 0;
};

enum class TBrushStyle { bsSolid, bsClear };

class TBrush : public TGraphicsObject {
    YQ_CLASS(TBrush, TGraphicsObject)
public:
    TColor Color() const { return color_; }
    void SetColor(TColor color);
    TBrushStyle Style() const { return style_; }
    void SetStyle(TBrushStyle style);
    // The hollow stock brush for bsClear.
    HBRUSH Handle() const;

protected:
    HGDIOBJ ReleaseHandle() override { return handle_.Release(); }

private:
    TColor color_ = clWhite;
    TBrushStyle style_ = TBrushStyle::bsSolid;
    mutable TBrushHandle handle_;
    mutable TColor madeFor_ = 0;
};

} // namespace yq
