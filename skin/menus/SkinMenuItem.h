#pragma once
// Owner-drawn menu items measured and painted from the skin: the MenuItem
// picture (5 frames: 1 at rest, 2 separator, 4 selected; its left margin is
// every item's left indent) over the item's part of its menu window's
// background, and the menu colours (Menu, MenuText, Hilight, HilightText,
// ButtonShadow for disabled captions).  Each painter composes the item
// off-screen and copies it once; none keeps state.
//
// Item content, left to right: a glyph box (the item's image from its
// menu's Images, greyed when disabled, on a dithered sunken square when
// checked; without an image a check mark or, for a radio item, a bullet),
// the caption (bold for the default item), the short-cut text right-aligned
// and, for an item with a sub-menu, an arrow at the right end.
#include <memory>
#include <string>

#include <windows.h>

namespace yq {

class TCanvas;
class TMenuItem;
class TSkinData;

// Width the skin adds to the framework's measure of a popup item: the
// MenuItem left margin + 12, and 23 more when the menu has no images.
void MeasurePopupItem(const TSkinData* skin, const TMenuItem& item, int& width, int& height);
// The framework's measure of an item of a menu bar's drop-down, widened by
// the MenuItem left margin + 10, and 25 more when the menu has no images.
void MeasureMainItem(const TSkinData* skin, const TMenuItem& item, TCanvas& canvas, int& width, int& height);

// The item in rect of canvas (whose font is the menu font).  Without a
// MenuItem picture it is drawn plainly (DrawPlainItem).
void DrawMenuItem(const TSkinData* skin, const TMenuItem& item, TCanvas& canvas, const RECT& rect,
                  bool selected);
// As DrawMenuItem, for an item read from the platform menu `menu`: every
// item gets its MenuItem frame, separators included.
void DrawHandleItem(const TSkinData* skin, HMENU menu, const TMenuItem& item, bool selected, const RECT& rect,
                    TCanvas& canvas);
// Menu (or, selected, Hilight) colour, then the content.
void DrawPlainItem(const TSkinData* skin, const TMenuItem& item, TCanvas& canvas, const RECT& rect,
                   bool selected);
void DrawItemContent(const TSkinData* skin, const TMenuItem& item, TCanvas& canvas, const RECT& rect,
                     bool selected);
// Frame 2 of MenuItem as a three-piece strip; an item lower than the
// picture shows the frame's bottom rows.
void DrawMenuSeparator(const TSkinData* skin, TCanvas& canvas, const RECT& rect);
// The caption (or, for "-", an etched line); with DT_CALCRECT measures it.
void DrawMenuText(const TSkinData* skin, const TMenuItem& item, TCanvas& canvas, UINT flags, bool selected,
                  RECT& rect, std::wstring text);

// A free-standing item made from the platform menu's item `id`: its text
// (at most 79 characters; "-" when empty), enabled and checked states.
std::unique_ptr<TMenuItem> ItemFromHandle(HMENU menu, UINT id);

} // namespace yq
