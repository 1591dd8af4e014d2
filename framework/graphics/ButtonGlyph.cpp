#include "ButtonGlyph.h"

#include "Paint.h"

#include <algorithm>

namespace yq {

namespace {

bool Horizontal(TButtonLayout layout) {
    return layout == TButtonLayout::blGlyphLeft || layout == TButtonLayout::blGlyphRight;
}

// The cell of the state, cut out of the strip.
void CutCell(const TBitmap& strip, int count, int cell, TBitmap& out) {
    int w = strip.Width() / std::max(1, count);
    out.SetSize(w, strip.Height());
    RECT dest{0, 0, w, strip.Height()}, src{cell * w, 0, cell * w + w, strip.Height()};
    out.Canvas().CopyRect(dest, strip.Canvas(), src);
}

void DrawEmbossed(TCanvas& canvas, int x, int y, TBitmap& cell) {
    // Transparent pixels become white so that the stamps leave them out.
    TColor key = cell.TransparentColor();
    for (int j = 0; j < cell.Height(); ++j)
        for (int i = 0; i < cell.Width(); ++i)
            if (cell.Pixel(i, j) == key) cell.SetPixel(i, j, clWhite);
    StampMonochrome(canvas, x + 1, y + 1, cell, clBtnHighlight);
    StampMonochrome(canvas, x, y, cell, clBtnShadow);
}

} // namespace

TFacePlacement LayoutButtonFace(SIZE client, SIZE glyph, SIZE text, TButtonLayout layout, int margin,
                                int spacing) {
    TFacePlacement p;
    bool horizontal = Horizontal(layout);
    int extent = horizontal ? client.cx : client.cy;
    int g = horizontal ? glyph.cx : glyph.cy, t = horizontal ? text.cx : text.cy;
    if (horizontal) {
        p.glyph.y = (client.cy - glyph.cy + 1) / 2;
        p.text.top = (client.cy - text.cy + 1) / 2;
    } else {
        p.glyph.x = (client.cx - glyph.cx + 1) / 2;
        p.text.left = (client.cx - text.cx + 1) / 2;
    }
    if (t == 0 || g == 0) spacing = 0;
    if (margin == -1) {
        if (spacing == -1) {
            margin = (extent - (g + t)) / 3;
            spacing = margin;
        } else {
            margin = (extent - (g + spacing + t)) / 2;
        }
    } else if (spacing == -1) {
        spacing = (extent - margin - g - t) / 2;
    }
    switch (layout) {
    case TButtonLayout::blGlyphLeft:
        p.glyph.x = margin;
        p.text.left = p.glyph.x + g + spacing;
        break;
    case TButtonLayout::blGlyphRight:
        p.glyph.x = extent - margin - g;
        p.text.left = p.glyph.x - spacing - t;
        break;
    case TButtonLayout::blGlyphTop:
        p.glyph.y = margin;
        p.text.top = p.glyph.y + g + spacing;
        break;
    case TButtonLayout::blGlyphBottom:
        p.glyph.y = extent - margin - g;
        p.text.top = p.glyph.y - spacing - t;
        break;
    }
    p.text.right = p.text.left + text.cx;
    p.text.bottom = p.text.top + text.cy;
    return p;
}

void DrawButtonFace(TCanvas& canvas, const RECT& client, const TButtonFace& face) {
    int count = std::clamp(face.numGlyphs, 1, 4);
    bool hasGlyph = face.glyph && !face.glyph->Empty();
    SIZE glyph{0, 0};
    if (hasGlyph) glyph = {face.glyph->Width() / count, face.glyph->Height()};
    RECT measure{0, 0, client.right - client.left, 0};
    SIZE text{0, 0};
    if (!face.caption.empty()) {
        canvas.DrawText(face.caption, measure, DT_CALCRECT | DT_SINGLELINE);
        text = {measure.right, measure.bottom};
    }
    SIZE size{client.right - client.left, client.bottom - client.top};
    TFacePlacement p = LayoutButtonFace(size, glyph, text, face.layout, face.margin, face.spacing);
    if (hasGlyph) {
        int cell = int(face.state);
        bool own = cell < count;
        TBitmap part;
        CutCell(*face.glyph, count, own ? cell : 0, part);
        part.SetTransparentColor(face.glyph->TransparentColor());
        int x = client.left + p.glyph.x, y = client.top + p.glyph.y;
        if (face.state == TButtonState::bsDisabled && !own) {
            DrawEmbossed(canvas, x, y, part);
        } else {
            part.SetTransparent(true);
            canvas.Draw(x, y, part);
        }
    }
    if (face.caption.empty()) return;
    RECT r = p.text;
    OffsetRect(&r, client.left, client.top);
    canvas.Brush().SetStyle(TBrushStyle::bsClear);
    if (face.state == TButtonState::bsDisabled) {
        TColor old = canvas.Font().Color();
        RECT light = r;
        OffsetRect(&light, 1, 1);
        canvas.Font().SetColor(clBtnHighlight);
        canvas.DrawText(face.caption, light, DT_SINGLELINE | DT_NOCLIP);
        canvas.Font().SetColor(clBtnShadow);
        canvas.DrawText(face.caption, r, DT_SINGLELINE | DT_NOCLIP);
        canvas.Font().SetColor(old);
        return;
    }
    canvas.DrawText(face.caption, r, DT_SINGLELINE | DT_NOCLIP);
}

} // namespace yq
