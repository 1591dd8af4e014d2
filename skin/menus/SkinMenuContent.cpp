// The content of a skinned menu item: glyph box, caption, short cut and
// sub-menu arrow.
#include "Bitmap.h"
#include "GdiObjects.h"
#include "Menus.h"
#include "SkinDraw.h"
#include "SkinMenuItem.h"
#include "SkinText.h"
#include "WinSkinData.h"

#include <algorithm>

namespace yq {

namespace {

constexpr int kGlyphSize = 16;
constexpr int kTextGap = 3;        // between the glyph box and the caption
constexpr int kShortCutRight = 11; // short cut's right end from the item's
constexpr int kArrowRight = 2;     // sub-menu arrow's right end from the item's
constexpr int kSeparatorDrop = 4;  // the plain separator line below the top

// One of the platform's menu marks (check, bullet, arrow) in `colour`,
// centred in box and moved by `shift`.
void DrawMark(HDC dc, const RECT& box, UINT kind, TColor colour, int shift) {
    const int w = GetSystemMetrics(SM_CXMENUCHECK), h = GetSystemMetrics(SM_CYMENUCHECK);
    if (w <= 0 || h <= 0) return;
    // The platform draws the mark black on white; the brush's colour goes
    // where it is black, the rest keeps what is there.
    constexpr DWORD kBrushWhereSourceBlack = 0x00B8074A;
    TBitmap shape(w, h);
    RECT all{0, 0, w, h};
    FillRect(shape.Canvas().Handle(), &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    DrawFrameControl(shape.Canvas().Handle(), &all, DFC_MENU, kind);
    const int left = box.left + (box.right - box.left - w) / 2 + shift;
    const int top = box.top + (box.bottom - box.top - h) / 2 + shift;
    TBrushHandle ink(CreateSolidBrush(COLORREF(ColorToRGB(colour))));
    TSelectObject brush(dc, ink.Get());
    BitBlt(dc, left, top, w, h, shape.Canvas().Handle(), 0, 0, kBrushWhereSourceBlack);
}

// The checked image's square: a dither of button face and highlight,
// sunken.
void DrawCheckedSquare(HDC dc, const RECT& box) {
    const int w = box.right - box.left, h = box.bottom - box.top;
    TBitmap dither(w, h);
    const TColor face = ColorToRGB(clBtnFace), light = ColorToRGB(clBtnHighlight);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            dither.SetPixel(x, y, (x + y) % 2 ? light : face);
    BitBlt(dc, box.left, box.top, w, h, dither.Canvas().Handle(), 0, 0, SRCCOPY);
    RECT edge = box;
    DrawEdge(dc, &edge, BDR_SUNKENOUTER, BF_RECT);
}

TColor CaptionColour(const TSkinData* skin, const TMenuItem& item, bool selected) {
    if (!skin) return !item.Enabled() ? clGrayText : selected ? clHighlightText : clMenuText;
    if (!item.Enabled()) return skin->ButtonShadow == skin->MenuText ? clBtnShadow : skin->ButtonShadow;
    return selected ? skin->HilightText : skin->MenuText;
}

} // namespace

void DrawMenuText(const TSkinData* skin, const TMenuItem& item, TCanvas& canvas, UINT flags, bool selected,
                  RECT& rect, std::wstring text) {
    const bool measuring = (flags & DT_CALCRECT) != 0;
    if (measuring && (text.empty() || text == L"&")) text += L" ";
    if (text == L"-") {
        if (measuring) return;
        RECT line = rect;
        OffsetRect(&line, 0, kSeparatorDrop);
        DrawEdge(canvas.Handle(), &line, EDGE_ETCHED, BF_TOP);
        return;
    }
    canvas.Brush().SetStyle(TBrushStyle::bsClear);
    const unsigned style = canvas.Font().Style();
    canvas.Font().SetStyle(item.Default() ? style | fsBold : style & ~unsigned(fsBold));
    canvas.Font().SetColor(CaptionColour(skin, item, selected));
    canvas.DrawText(text, rect, flags);
}

void DrawItemContent(const TSkinData* skin, const TMenuItem& item, TCanvas& canvas, const RECT& rect,
                     bool selected) {
    const TMenu* menu = item.GetParentMenu();
    const TCustomImageList* images = menu ? menu->Images() : nullptr;
    int g = images ? images->Width() : kGlyphSize;
    if (item.Checked()) g = std::max(g, kGlyphSize);
    const int indent = skin && skin->MenuItem() ? skin->MenuItem()->Margins.Left : 0;
    RECT box{rect.left + 1 + indent, rect.top + 1, rect.left + 1 + indent + g, rect.top + 1 + g};
    HDC dc = canvas.Handle();
    if (item.IsLine()) {
        box = {0, rect.top, 0, rect.top};
    } else if (images && item.ImageIndex() >= 0 && item.ImageIndex() < images->Count()) {
        if (item.Checked()) DrawCheckedSquare(dc, box);
        images->Draw(canvas, box.left, box.top, item.ImageIndex(), item.Enabled());
    } else if (item.Checked()) {
        DrawMark(dc, box, item.RadioItem() ? DFCS_MENUBULLET : DFCS_MENUCHECK, clBtnText, 1);
    }

    // The caption centred vertically in the item; measured only when the
    // short cut has to start where it ends.
    RECT text{box.right + kTextGap, rect.top, rect.right - 1, rect.bottom};
    DrawMenuText(skin, item, canvas, DT_EXPANDTABS | DT_SINGLELINE | DT_VCENTER, selected, text,
                 item.Caption());
    if (item.IsLine()) return;

    if (item.ShortCut()) {
        RECT measured = text;
        DrawMenuText(skin, item, canvas, DT_CALCRECT | DT_NOCLIP | DT_EXPANDTABS | DT_SINGLELINE, selected,
                     measured, item.Caption());
        RECT shortCut{measured.right, rect.top, rect.right - kShortCutRight, rect.bottom};
        DrawMenuText(skin, item, canvas, DT_RIGHT | DT_SINGLELINE | DT_VCENTER, selected, shortCut,
                     ShortCutToText(item.ShortCut()));
    }
    if (item.Count() > 0) {
        const int w = GetSystemMetrics(SM_CXMENUCHECK);
        const RECT arrow{rect.right - kArrowRight - w, rect.top, rect.right - kArrowRight, rect.bottom};
        DrawMark(dc, arrow, DFCS_MENUARROW, CaptionColour(skin, item, selected), 0);
    }
}

} // namespace yq
