#include "VelaPainter.h"

#include "Paint.h"

namespace yq {

namespace {

// Where the mask is black the brush is painted, where it is white the
// destination stays (PSDPxax).
constexpr DWORD kRopBrushThroughMask = 0x00B8074A;
constexpr int kFocusInset = 3;

// A frame of dotted lines, one pixel in two, in the same places Frame3D
// fills; r shrinks by the width.
void DottedFrame(TCanvas& canvas, RECT& r, TColor topLeft, TColor bottomRight, int width) {
    auto dot = [&](int x, int y, TColor c) {
        if ((x + y) % 2 == 0) canvas.SetPixel(x, y, c);
    };
    for (int i = 0; i < width && r.right > r.left && r.bottom > r.top; ++i) {
        for (int x = r.left; x < r.right - 1; ++x)
            dot(x, r.top, topLeft);
        for (int y = r.top; y < r.bottom - 1; ++y)
            dot(r.left, y, topLeft);
        for (int y = r.top; y < r.bottom; ++y)
            dot(r.right - 1, y, bottomRight);
        for (int x = r.left; x < r.right; ++x)
            dot(x, r.bottom - 1, bottomRight);
        InflateRect(&r, -1, -1);
    }
}

// Cuts the image out of its strip into `work`; false when there is none.
bool CutImage(const TVelaImageRef& image, TBitmap& work) {
    SIZE size = VelaImageSize(image);
    if (size.cx <= 0 || size.cy <= 0) return false;
    work.SetSize(size.cx, size.cy);
    HDC dst = work.Canvas().Handle(), src = image.Strip->Canvas().Handle();
    if (!dst || !src) return false;
    BitBlt(dst, 0, 0, size.cx, size.cy, src, image.Index * size.cx, 0, SRCCOPY);
    return true;
}

// The disabled look: the image's dark pixels (everything but white and its
// transparent colour) stamped in the highlight colour one pixel down and
// right, then in the shadow colour in place.
void StampDisabled(TCanvas& canvas, int x, int y, const TBitmap& work, TBitmap& mono) {
    int w = work.Width(), h = work.Height();
    TColor key = work.TransparentColor();
    mono.SetMonochrome(true);
    mono.SetSize(w, h);
    for (int py = 0; py < h; ++py)
        for (int px = 0; px < w; ++px) {
            TColor c = work.Pixel(px, py);
            mono.SetPixel(px, py, c == key || c == clWhite ? clWhite : clBlack);
        }
    HDC dst = canvas.Handle(), src = mono.Canvas().Handle();
    if (!dst || !src) return;
    TBrushHandle highlight(CreateSolidBrush(ColorToRGB(clBtnHighlight)));
    TBrushHandle shadow(CreateSolidBrush(ColorToRGB(clBtnShadow)));
    TSavedDC saved(dst);
    SetTextColor(dst, RGB(0, 0, 0));
    SetBkColor(dst, RGB(255, 255, 255));
    SelectObject(dst, highlight.Get());
    BitBlt(dst, x + 1, y + 1, w, h, src, 0, 0, kRopBrushThroughMask);
    SelectObject(dst, shadow.Get());
    BitBlt(dst, x, y, w, h, src, 0, 0, kRopBrushThroughMask);
}

void DrawImage(TCanvas& canvas, int x, int y, const TVelaImageRef& image, TBitmap& work, TBitmap& mono) {
    if (!CutImage(image, work)) return;
    if (image.Disabled) {
        StampDisabled(canvas, x, y, work, mono);
        return;
    }
    work.SetTransparent(true);
    canvas.Draw(x, y, work);
}

void DrawCaption(TCanvas& canvas, const TVelaPaintJob& job, const RECT& t) {
    constexpr UINT kFormat = DT_CENTER | DT_EXPANDTABS;
    canvas.Brush().SetStyle(TBrushStyle::bsClear);
    auto draw = [&](TColor colour, int dx) {
        canvas.Font().SetColor(colour);
        RECT r = t;
        OffsetRect(&r, dx, dx);
        canvas.DrawText(job.Caption, r, kFormat);
    };
    if (job.Enabled) {
        draw(job.Look.CaptionColor, 0);
        return;
    }
    draw(job.Font->Color(), 0);
    draw(clBtnHighlight, 1);
    draw(clBtnShadow, 0);
}

} // namespace

SIZE VelaImageSize(const TVelaImageRef& image) {
    if (!image.Strip || image.Strip->Empty() || image.Count <= 0) return {0, 0};
    return {image.Strip->Width() / image.Count, image.Strip->Height()};
}

TVelaPainted PaintVelaButton(TCanvas& canvas, const TVelaPaintJob& job) {
    const TVelaLook& look = job.Look;
    RECT c = job.Client;
    canvas.Brush().SetStyle(TBrushStyle::bsSolid);
    canvas.Brush().SetColor(job.Face);
    canvas.FillRect(c);
    if (job.Dotted)
        DottedFrame(canvas, c, look.TopLeft, look.BottomRight, look.FrameWidth);
    else
        Frame3D(canvas, c, look.TopLeft, look.BottomRight, look.FrameWidth);
    if (job.FrameRaised) InflateRect(&c, -1, -1);
    if (job.Is3D) {
        RECT edge = c;
        DrawEdge(canvas, edge, look.Sunken ? BDR_SUNKENOUTER : BDR_RAISEDINNER, BF_RECT | BF_MIDDLE);
    }

    if (job.Font) canvas.Font().Assign(*job.Font);
    TVelaPlacement place;
    place.Face = c;
    place.Glyph = VelaImageSize(job.Glyph);
    place.HasGlyph = job.Glyph.Strip && !job.Glyph.Strip->Empty();
    place.HasCaption = !job.Caption.empty();
    place.Text = place.HasCaption ? canvas.TextExtent(job.Caption) : SIZE{0, 0};
    place.Layout = job.Layout;
    place.Spacing = job.Spacing;
    place.SpacingLayout = job.SpacingLayout;
    place.PopupMenuMark = job.PopupMenuMark;
    place.Offset = job.Offset;

    TVelaPainted out;
    out.Glyph = VelaGlyphRect(place);
    out.Caption = VelaCaptionRect(place, out.Glyph);
    if (job.Work && job.Mono) {
        if (place.HasGlyph) DrawImage(canvas, out.Glyph.left, out.Glyph.top, job.Glyph, *job.Work, *job.Mono);
        if (job.Arrow.Strip) {
            POINT a = VelaArrowPos(out.Glyph, VelaImageSize(job.Arrow), job.ArrowGap);
            DrawImage(canvas, a.x, a.y, job.Arrow, *job.Work, *job.Mono);
        }
    }
    if (job.FocusRect) {
        RECT f = c;
        InflateRect(&f, -kFocusInset, -kFocusInset);
        canvas.DrawFocusRect(f);
    }
    if (place.HasCaption && job.Font) DrawCaption(canvas, job, out.Caption);
    return out;
}

} // namespace yq
