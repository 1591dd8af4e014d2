#pragma once
// TCanvas: drawing on a device context with a font, a pen and a brush.  The
// tools are selected when an operation needs them; whatever the canvas
// selected is deselected again (the DC's own objects put back) when the
// canvas lets go of the DC.
#include "Graphics.h"

#include <string>

namespace yq {

class TGraphic;

class TCanvas : public TPersistent {
    YQ_CLASS(TCanvas, TPersistent)
public:
    TCanvas();
    ~TCanvas() override;
    TCanvas(const TCanvas&) = delete;
    TCanvas& operator=(const TCanvas&) = delete;

    // The DC, made on demand by CreateHandle (controls, bitmaps).
    HDC Handle();
    bool HandleAllocated() const { return dc_ != nullptr; }
    // Draws on `dc` (which the caller keeps) until SetHandle(nullptr).
    void SetHandle(HDC dc);

    TFont& Font() { return font_; }
    TPen& Pen() { return pen_; }
    TBrush& Brush() { return brush_; }
    TFont* FontPtr() const { return const_cast<TFont*>(&font_); }
    TPen* PenPtr() const { return const_cast<TPen*>(&pen_); }
    TBrush* BrushPtr() const { return const_cast<TBrush*>(&brush_); }

    POINT PenPos() const { return penPos_; }
    void MoveTo(int x, int y);
    void LineTo(int x, int y);
    void Polyline(const POINT* points, int count);
    // Outline with the pen, inside filled with the brush; right and bottom
    // exclusive.
    void Rectangle(int left, int top, int right, int bottom);
    void Rectangle(const RECT& r) { Rectangle(r.left, r.top, r.right, r.bottom); }
    void Ellipse(const RECT& r);
    void FillRect(const RECT& r);
    void FrameRect(const RECT& r);
    void DrawFocusRect(const RECT& r);

    // Text in Font's colour; the background is the brush colour, or left as
    // it is when the brush is clear.
    void TextOut(int x, int y, const std::wstring& text);
    // TextOut clipped to r.
    void TextRect(const RECT& r, int x, int y, const std::wstring& text);
    // DrawTextW with the canvas's font and colours; DT_CALCRECT updates r.
    // Returns the text height.
    int DrawText(const std::wstring& text, RECT& r, UINT format);
    SIZE TextExtent(const std::wstring& text);
    int TextWidth(const std::wstring& text) { return TextExtent(text).cx; }
    int TextHeight(const std::wstring& text) { return TextExtent(text).cy; }

    void Draw(int x, int y, const TGraphic& graphic);
    void StretchDraw(const RECT& r, const TGraphic& graphic);
    // BitBlt/StretchBlt with CopyMode (SRCCOPY by default).
    void CopyRect(const RECT& dest, TCanvas& source, const RECT& sourceRect);
    DWORD CopyMode = SRCCOPY;

    TColor Pixel(int x, int y);
    void SetPixel(int x, int y, TColor color);
    RECT ClipRect();

protected:
    virtual void CreateHandle() {}
    // Deselects the tools and forgets the DC; the caller frees it.
    void DetachHandle();

private:
    enum Need : unsigned { nFont = 1, nPen = 2, nBrush = 4 };
    HDC Prepare(unsigned need);
    void Deselect(unsigned which);
    void PrepareText();

    HDC dc_ = nullptr;
    TFont font_;
    TPen pen_;
    TBrush brush_;
    POINT penPos_{0, 0};
    unsigned selected_ = 0;
    HGDIOBJ oldFont_ = nullptr, oldPen_ = nullptr, oldBrush_ = nullptr;
};

} // namespace yq
