#include "Canvas.h"

#include "Picture.h"

namespace yq {

YQ_PUBLISHED(TCanvas, TPersistent) {
    r.Object("Font", &TCanvas::FontPtr);
    r.Object("Pen", &TCanvas::PenPtr);
    r.Object("Brush", &TCanvas::BrushPtr);
}

TCanvas::TCanvas() {
    font_.OnChange = [this] { Deselect(nFont); };
    pen_.OnChange = [this] { Deselect(nPen); };
    brush_.OnChange = [this] { Deselect(nBrush); };
}

TCanvas::~TCanvas() {
    Deselect(nFont | nPen | nBrush);
}

HDC TCanvas::Handle() {
    if (!dc_) CreateHandle();
    return dc_;
}

void TCanvas::SetHandle(HDC dc) {
    if (dc == dc_) return;
    DetachHandle();
    dc_ = dc;
}

void TCanvas::DetachHandle() {
    Deselect(nFont | nPen | nBrush);
    dc_ = nullptr;
}

void TCanvas::Deselect(unsigned which) {
    which &= selected_;
    if (!which || !dc_) {
        selected_ &= ~which;
        return;
    }
    if (which & nFont) SelectObject(dc_, oldFont_);
    if (which & nPen) SelectObject(dc_, oldPen_);
    if (which & nBrush) SelectObject(dc_, oldBrush_);
    selected_ &= ~which;
}

HDC TCanvas::Prepare(unsigned need) {
    HDC dc = Handle();
    if (!dc) return nullptr;
    // Reselect every time: a system colour may have changed the handle.
    if (need & nFont) {
        HGDIOBJ old = SelectObject(dc, font_.Handle());
        if (!(selected_ & nFont)) oldFont_ = old;
        SetTextColor(dc, ColorToRGB(font_.Color()));
    }
    if (need & nPen) {
        HGDIOBJ old = SelectObject(dc, pen_.Handle());
        if (!(selected_ & nPen)) oldPen_ = old;
    }
    if (need & nBrush) {
        HGDIOBJ old = SelectObject(dc, brush_.Handle());
        if (!(selected_ & nBrush)) oldBrush_ = old;
    }
    selected_ |= need;
    return dc;
}

void TCanvas::PrepareText() {
    HDC dc = Prepare(nFont | nBrush);
    if (!dc) return;
    if (brush_.Style() == TBrushStyle::bsClear) {
        SetBkMode(dc, TRANSPARENT);
    } else {
        SetBkMode(dc, OPAQUE);
        SetBkColor(dc, ColorToRGB(brush_.Color()));
    }
}

void TCanvas::MoveTo(int x, int y) {
    if (HDC dc = Handle()) MoveToEx(dc, x, y, nullptr);
    penPos_ = {x, y};
}

void TCanvas::LineTo(int x, int y) {
    if (HDC dc = Prepare(nPen | nBrush)) {
        MoveToEx(dc, penPos_.x, penPos_.y, nullptr);
        ::LineTo(dc, x, y);
    }
    penPos_ = {x, y};
}

void TCanvas::Polyline(const POINT* points, int count) {
    if (HDC dc = Prepare(nPen | nBrush); dc && count > 0) ::Polyline(dc, points, count);
}

void TCanvas::Rectangle(int left, int top, int right, int bottom) {
    if (HDC dc = Prepare(nPen | nBrush)) ::Rectangle(dc, left, top, right, bottom);
}

void TCanvas::Ellipse(const RECT& r) {
    if (HDC dc = Prepare(nPen | nBrush)) ::Ellipse(dc, r.left, r.top, r.right, r.bottom);
}

void TCanvas::FillRect(const RECT& r) {
    if (HDC dc = Prepare(nBrush)) ::FillRect(dc, &r, brush_.Handle());
}

void TCanvas::FrameRect(const RECT& r) {
    if (HDC dc = Prepare(nBrush)) ::FrameRect(dc, &r, brush_.Handle());
}

void TCanvas::DrawFocusRect(const RECT& r) {
    if (HDC dc = Prepare(nBrush)) {
        // The focus rectangle XORs: fixed colours give the usual dotted look.
        SetTextColor(dc, RGB(0, 0, 0));
        SetBkColor(dc, RGB(255, 255, 255));
        ::DrawFocusRect(dc, &r);
    }
}

void TCanvas::TextOut(int x, int y, const std::wstring& text) {
    PrepareText();
    if (dc_) ExtTextOutW(dc_, x, y, 0, nullptr, text.c_str(), UINT(text.size()), nullptr);
    penPos_ = {x + TextWidth(text), y};
}

void TCanvas::TextRect(const RECT& r, int x, int y, const std::wstring& text) {
    PrepareText();
    UINT options = ETO_CLIPPED;
    if (brush_.Style() != TBrushStyle::bsClear) options |= ETO_OPAQUE;
    if (dc_) ExtTextOutW(dc_, x, y, options, &r, text.c_str(), UINT(text.size()), nullptr);
}

int TCanvas::DrawText(const std::wstring& text, RECT& r, UINT format) {
    PrepareText();
    if (!dc_) return 0;
    return ::DrawTextW(dc_, text.c_str(), int(text.size()), &r, format);
}

SIZE TCanvas::TextExtent(const std::wstring& text) {
    SIZE size{0, 0};
    if (HDC dc = Prepare(nFont)) GetTextExtentPoint32W(dc, text.c_str(), int(text.size()), &size);
    return size;
}

void TCanvas::Draw(int x, int y, const TGraphic& graphic) {
    if (graphic.Empty()) return;
    RECT r{x, y, x + graphic.Width(), y + graphic.Height()};
    graphic.Draw(*this, r);
}

void TCanvas::StretchDraw(const RECT& r, const TGraphic& graphic) {
    if (!graphic.Empty()) graphic.Draw(*this, r);
}

void TCanvas::CopyRect(const RECT& dest, TCanvas& source, const RECT& sourceRect) {
    HDC dc = Prepare(nBrush);
    HDC src = source.Handle();
    if (!dc || !src) return;
    int dw = dest.right - dest.left, dh = dest.bottom - dest.top;
    int sw = sourceRect.right - sourceRect.left, sh = sourceRect.bottom - sourceRect.top;
    if (dw == sw && dh == sh) {
        BitBlt(dc, dest.left, dest.top, dw, dh, src, sourceRect.left, sourceRect.top, CopyMode);
    } else {
        SetStretchBltMode(dc, COLORONCOLOR);
        StretchBlt(dc, dest.left, dest.top, dw, dh, src, sourceRect.left, sourceRect.top, sw, sh, CopyMode);
    }
}

TColor TCanvas::Pixel(int x, int y) {
    HDC dc = Handle();
    return dc ? TColor(GetPixel(dc, x, y)) : clNone;
}

void TCanvas::SetPixel(int x, int y, TColor color) {
    if (HDC dc = Handle()) SetPixelV(dc, x, y, ColorToRGB(color));
}

RECT TCanvas::ClipRect() {
    RECT r{0, 0, 0, 0};
    if (HDC dc = Handle()) GetClipBox(dc, &r);
    return r;
}

} // namespace yq
