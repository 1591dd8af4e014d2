#include "VelaLayout.h"

namespace yq {

namespace {
// A glyph-only button with a popup arrow moves its glyph left to make room.
constexpr int kArrowRoom = 5;
// The caption of a glyph-below button sits this much higher still.
constexpr int kBottomCaptionLift = 8;
} // namespace

RECT VelaGlyphRect(const TVelaPlacement& p) {
    const RECT& c = p.Face;
    int w = c.right - c.left, h = c.bottom - c.top;
    int gw = p.Glyph.cx, gh = p.Glyph.cy, tw = p.Text.cx, th = p.Text.cy;
    int x = c.left + (w - gw) / 2;
    int y = c.top + (h - gh) / 2;
    if (!p.HasCaption) {
        if (p.PopupMenuMark) x -= kArrowRoom;
    } else {
        switch (p.Layout) {
        case TLayout::blGlyphLeft:
            x = c.left + (w - gw - tw) / 2 - p.SpacingLayout;
            break;
        case TLayout::blGlyphRight:
            x = c.left + (w - gw + tw) / 2 + p.SpacingLayout;
            break;
        case TLayout::blGlyphTop:
            y = c.top + (h - gh) / 2 - th / 2 - p.SpacingLayout;
            break;
        case TLayout::blGlyphBottom:
            y = c.top + (h - gh) / 2 + th / 2 + p.SpacingLayout;
            break;
        }
    }
    return {x + p.Offset, y + p.Offset, x + gw + p.Offset, y + gh + p.Offset};
}

RECT VelaCaptionRect(const TVelaPlacement& p, const RECT& g) {
    const RECT& c = p.Face;
    int tw = p.Text.cx, th = p.Text.cy;
    int left = 0, top = 0;
    if (!p.HasGlyph) {
        left = c.left + (c.right - c.left - tw) / 2 + p.Offset;
        top = c.top + (c.bottom - c.top - th) / 2 + p.Offset;
    } else {
        int besideTop = g.top + (g.bottom - g.top - th) / 2;
        int aboveBelowLeft = g.left + (g.right - g.left) / 2 - tw / 2;
        switch (p.Layout) {
        case TLayout::blGlyphLeft:
            left = g.right + p.Spacing;
            top = besideTop;
            break;
        case TLayout::blGlyphRight:
            left = g.left - tw - p.Spacing;
            top = besideTop;
            break;
        case TLayout::blGlyphTop:
            left = aboveBelowLeft;
            top = g.bottom + p.Spacing;
            break;
        case TLayout::blGlyphBottom:
            left = aboveBelowLeft;
            top = g.top - p.Spacing - kBottomCaptionLift - th / 2;
            break;
        }
    }
    return {left, top, left + tw, top + th};
}

POINT VelaArrowPos(const RECT& g, SIZE arrow, int gap) {
    return {g.right + gap, g.top + (g.bottom - g.top - arrow.cy) / 2};
}

int VelaCountImages(int width, int height, int current) {
    if (width <= 0 || height <= 0) return current;
    if (width < height || width / height < 2) return 1;
    if (width % height == 0) {
        int n = width / height;
        return n > kNumGlyphsRange.Max ? 1 : n;
    }
    return current;
}

} // namespace yq
