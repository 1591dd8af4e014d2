#include "SkinButtonLayout.h"

#include "Bitmap.h"
#include "SkinDraw.h"
#include "SkinTransform.h"

#include <algorithm>
#include <cstring>

namespace yq {

TGlyphLayout GlyphLayoutFromName(const char* name) {
    if (std::strcmp(name, "blGlyphRight") == 0) return TGlyphLayout::glRight;
    if (std::strcmp(name, "blGlyphTop") == 0) return TGlyphLayout::glTop;
    if (std::strcmp(name, "blGlyphBottom") == 0) return TGlyphLayout::glBottom;
    return TGlyphLayout::glLeft;
}

TGlyphTextPlacement LayoutGlyphAndText(SIZE client, SIZE glyph, SIZE text, TGlyphLayout layout, int margin,
                                       int spacing, int extraMargin) {
    TGlyphTextPlacement p;
    const bool across = layout == TGlyphLayout::glLeft || layout == TGlyphLayout::glRight;
    const int W = int(client.cx), H = int(client.cy);
    const int gw = int(glyph.cx), gh = int(glyph.cy), tw = int(text.cx), th = int(text.cy);
    if (across) {
        p.Glyph.y = (H - gh + 1) / 2;
        p.Text.y = (H - th + 1) / 2;
    } else {
        p.Glyph.x = (W - gw + 1) / 2;
        p.Text.x = (W - tw + 1) / 2;
    }
    if (tw == 0 || gw == 0) spacing = 0;
    const int room = across ? W : H;
    const int g = across ? gw : gh, t = across ? tw : th;
    if (margin == -1) {
        if (spacing == -1) {
            margin = (room - (g + t)) / 3;
            spacing = margin;
        } else {
            margin = (room - (g + spacing + t)) / 2 + extraMargin;
        }
    } else if (spacing == -1) {
        spacing = ((room - margin - g) - t) / 2;
    }
    switch (layout) {
    case TGlyphLayout::glLeft:
        p.Glyph.x = margin;
        p.Text.x = p.Glyph.x + gw + spacing;
        break;
    case TGlyphLayout::glRight:
        p.Glyph.x = W - margin - gw;
        p.Text.x = p.Glyph.x - spacing - tw;
        break;
    case TGlyphLayout::glTop:
        p.Glyph.y = margin;
        p.Text.y = p.Glyph.y + gh + spacing;
        break;
    case TGlyphLayout::glBottom:
        p.Glyph.y = H - margin - gh;
        p.Text.y = p.Glyph.y - spacing - th;
        break;
    }
    return p;
}

void DrawButtonGlyph(HDC dc, POINT at, const TBitmap& glyph, int numGlyphs, int glyphState) {
    const int cells = std::max(1, numGlyphs);
    const int cw = glyph.Width() / cells, ch = glyph.Height();
    if (cw <= 0 || ch <= 0) return;
    const int cell = cells == 4 ? std::clamp(glyphState, 1, 3) - 1 : 0;
    TBitmap cut(cw, ch);
    BitBlt(cut.Canvas().Handle(), 0, 0, cw, ch, glyph.Canvas().Handle(), cell * cw, 0, SRCCOPY);
    if (glyphState == 2) GrayscaleBitmap(cut);
    const TColor key = cut.Pixel(0, ch - 1);
    DrawTransparent(dc, RECT{at.x, at.y, at.x + cw, at.y + ch}, cut, key);
}

} // namespace yq
