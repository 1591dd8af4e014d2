#include "SkinMenuItem.h"

#include "Bitmap.h"
#include "Menus.h"
#include "SkinManage.h"
#include "SkinObjectDraw.h"
#include "WinSkinData.h"
#include "WinSkinPopMenu.h"

#include <algorithm>

namespace yq {

namespace {

// Extra width of skinned items beside the framework's measure.
constexpr int kPopupExtra = 12, kPopupNoImagesExtra = 23;
constexpr int kMainExtra = 10, kMainNoImagesExtra = 25;
constexpr int kFrameAtRest = 1, kFrameSeparator = 2, kFrameSelected = 4, kItemFrames = 5;
constexpr int kMaxItemText = 80;

const TDataSkinObject* ItemPicture(const TSkinData* skin) {
    if (!skin || skin->SkinEmpty()) return nullptr;
    const TDataSkinObject* picture = skin->MenuItem();
    return picture && picture->Image.Width() >= kItemFrames && picture->Image.Height() > 0 ? picture
                                                                                           : nullptr;
}

int LeftIndent(const TSkinData* skin) {
    return skin && skin->MenuItem() ? skin->MenuItem()->Margins.Left : 0;
}

bool MenuHasImages(const TMenuItem& item) {
    const TMenu* menu = item.GetParentMenu();
    return menu && menu->Images();
}

TWinSkinPopMenu* WindowShowing(HMENU menu) {
    return dynamic_cast<TWinSkinPopMenu*>(SkinManage ? SkinManage->FindPopupMenu(menu) : nullptr);
}

// Fills an item-sized picture with the item's part of its menu window's
// background (Menu colour where there is none) and gives it the canvas's
// font.
void PrepareItemPicture(TBitmap& picture, const TSkinData* skin, const TWinSkinPopMenu* window,
                        TCanvas& canvas, const RECT& rect) {
    TCanvas& c = picture.Canvas();
    // A new font is made and looked up at its first text: not per item.
    if (!(c.Font() == canvas.Font())) c.Font().Assign(canvas.Font());
    const int w = picture.Width(), h = picture.Height();
    if (window && window->BackgroundPicture()) {
        const POINT origin = window->ClientOrigin();
        BitBlt(c.Handle(), 0, 0, w, h, window->BackgroundPicture()->Canvas().Handle(), rect.left + origin.x,
               rect.top + origin.y, SRCCOPY);
    } else {
        c.Brush().SetStyle(TBrushStyle::bsSolid);
        c.Brush().SetColor(skin ? skin->Menu : clMenu);
        c.FillRect({0, 0, w, h});
    }
}

void CopyTo(TCanvas& canvas, const RECT& rect, const TBitmap& picture) {
    BitBlt(canvas.Handle(), rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
           picture.Canvas().Handle(), 0, 0, SRCCOPY);
}

void DrawFramedItem(const TSkinData* skin, HMENU menu, const TMenuItem& item, TCanvas& canvas,
                    const RECT& rect, bool selected, bool separators) {
    const int w = rect.right - rect.left, h = rect.bottom - rect.top;
    if (w <= 0 || h <= 0) return;
    const TDataSkinObject& frames = *ItemPicture(skin);
    TWinSkinPopMenu* window = WindowShowing(menu);
    // A menu window keeps the pictures its items are drawn with.
    std::unique_ptr<TBitmap> own;
    TBitmap& picture = window ? window->ItemFrames().Scratch(w, h) : *(own = std::make_unique<TBitmap>(w, h));
    PrepareItemPicture(picture, skin, window, canvas, rect);
    if (separators && item.IsLine()) {
        CopyTo(canvas, rect, picture);
        DrawMenuSeparator(skin, canvas, rect);
        return;
    }
    const int k = selected ? kFrameSelected : kFrameAtRest;
    HDC dc = picture.Canvas().Handle();
    if (window)
        window->ItemFrames().Frame(frames, w, h, k).Draw(dc, 0, 0);
    else
        DrawSkinImage(dc, {0, 0, w, h}, frames.Image, false, frames.Tile != 0, frames.Trans != 0, kItemFrames,
                      k, frames.Margins);
    DrawItemContent(skin, item, picture.Canvas(), {0, 0, w, h}, selected);

    CopyTo(canvas, rect, picture);
}

} // namespace

void MeasurePopupItem(const TSkinData* skin, const TMenuItem& item, int& width, int& /*height*/) {
    if (!skin) return;
    width += LeftIndent(skin) + kPopupExtra;
    if (!MenuHasImages(item)) width += kPopupNoImagesExtra;
}

void MeasureMainItem(const TSkinData* skin, const TMenuItem& item, TCanvas& canvas, int& width, int& height) {
    item.DefaultMeasure(canvas, width, height);
    width += LeftIndent(skin) + kMainExtra;
    if (!MenuHasImages(item)) width += kMainNoImagesExtra;
}

void DrawMenuItem(const TSkinData* skin, const TMenuItem& item, TCanvas& canvas, const RECT& rect,
                  bool selected) {
    if (!ItemPicture(skin)) {
        DrawPlainItem(skin, item, canvas, rect, selected);
        return;
    }
    AssociatePendingPopMenu(item.MenuHandle());
    DrawFramedItem(skin, item.MenuHandle(), item, canvas, rect, selected, true);
}

void DrawHandleItem(const TSkinData* skin, HMENU menu, const TMenuItem& item, bool selected, const RECT& rect,
                    TCanvas& canvas) {
    if (!ItemPicture(skin)) {
        DrawPlainItem(skin, item, canvas, rect, selected);
        return;
    }
    DrawFramedItem(skin, menu, item, canvas, rect, selected, false);
}

void DrawPlainItem(const TSkinData* skin, const TMenuItem& item, TCanvas& canvas, const RECT& rect,
                   bool selected) {
    const int w = rect.right - rect.left, h = rect.bottom - rect.top;
    if (w <= 0 || h <= 0) return;
    TBitmap picture(w, h);
    TCanvas& c = picture.Canvas();
    c.Font().Assign(canvas.Font());
    c.Brush().SetStyle(TBrushStyle::bsSolid);
    c.Brush().SetColor(selected ? (skin ? skin->Hilight : clHighlight) : (skin ? skin->Menu : clMenu));
    c.FillRect({0, 0, w, h});
    DrawItemContent(skin, item, c, {0, 0, w, h}, selected);
    CopyTo(canvas, rect, picture);
}

void DrawMenuSeparator(const TSkinData* skin, TCanvas& canvas, const RECT& rect) {
    const TDataSkinObject* frames = ItemPicture(skin);
    const int w = rect.right - rect.left, h = rect.bottom - rect.top;
    if (!frames || w <= 0 || h <= 0) return;
    const int fw = frames->Image.Width() / kItemFrames, ph = frames->Image.Height();
    // A low item shows the frame's bottom rows unscaled; a tall one the
    // whole frame stretched.
    const int rows = std::min(h, ph);
    TBitmap strip(fw, rows);
    BitBlt(strip.Canvas().Handle(), 0, 0, fw, rows, frames->Image.Canvas().Handle(),
           fw * (kFrameSeparator - 1), ph - rows, SRCCOPY);
    const TSkinMargins ends{frames->Margins.Left, 0, frames->Margins.Right, 0};
    DrawSkinImage(canvas.Handle(), rect, strip, false, false, true, 1, 1, ends);
}

std::unique_ptr<TMenuItem> ItemFromHandle(HMENU menu, UINT id) {
    auto item = std::make_unique<TMenuItem>();
    wchar_t text[kMaxItemText] = {};
    MENUITEMINFOW info{sizeof(info)};
    info.fMask = MIIM_STRING | MIIM_STATE;
    info.dwTypeData = text;
    info.cch = kMaxItemText - 1;
    if (!GetMenuItemInfoW(menu, id, FALSE, &info)) {
        info.fState = 0;
        text[0] = 0;
    }
    item->SetCaption(text[0] ? text : L"-");
    item->SetEnabled(!(info.fState & (MFS_GRAYED | MFS_DISABLED)));
    item->SetChecked((info.fState & MFS_CHECKED) != 0);
    return item;
}

} // namespace yq
