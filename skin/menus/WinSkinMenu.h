#pragma once
// TWinSkinMenu: the menu bar a skinned window draws in its frame between the
// caption and the client area, in place of the platform's menu bar, which
// the window no longer keeps while skinned.  One TMenuBtn per top-level
// item, built from the framework form's main menu or read from a platform
// menu (the MDI frame's merged menu).  While an MDI frame's active child
// is maximised, the bar also shows that child's icon at its head and the
// skin's minimise, restore and close buttons (caption buttons of the
// frame) at its end.
#include "Bitmap.h"
#include "GdiObjects.h"
#include "MenuBtn.h"

#include <memory>
#include <string>
#include <vector>

#include <windows.h>

namespace yq {

class TMainMenu;
class TSkinData;
class TWinSkinForm;
class TWinSysButton;

class TWinSkinMenu {
public:
    TWinSkinMenu(TWinSkinForm& form, TSkinData* skin);
    ~TWinSkinMenu();
    TWinSkinMenu(const TWinSkinMenu&) = delete;
    TWinSkinMenu& operator=(const TWinSkinMenu&) = delete;

    // Each rebuild frees the old buttons and takes the menu off the window.
    void RebuildFromMainMenu();
    // From the window's platform menu (items merged from MDI children).
    void RebuildMerged();
    // From `menu` (null: the one shown last); framework items are matched
    // by command identifier.
    void RebuildFromHandle(HMENU menu);
    // Puts the menu the bar shows back on the window as its platform menu.
    void RestoreWindowMenu();

    // rect: the bar in window coordinates.
    void PaintMenuBar(HDC dc, const RECT& rect);
    // One button over the last painted background, on the window.
    void PaintButton(const TMenuBtn& button);
    // One of the MDI child's caption buttons in the bar, in its state.
    void PaintMdiButton(const TWinSysButton& button);
    // The button with a caption under a point in window coordinates.
    TMenuBtn* ButtonAt(POINT p) const;
    HFONT MenuFont() const { return menuFont_.Get(); }

    std::vector<std::unique_ptr<TMenuBtn>> Buttons;
    int ButtonCount = 0;
    TMainMenu* MainMenu = nullptr;
    HMENU MenuHandle = nullptr;
    TSkinData* SkinData;
    TWinSkinForm& Form;
    RECT BarRect{};
    TBitmap BarPicture;
    TMdiIconBtn MdiIcon;

private:
    void ClearButtons();
    void ReadPlatformMenu(HMENU menu, bool matchByCommand);
    void RemoveWindowMenu();
    int DrawBackground(HDC dc, int w, int h) const;
    void DrawMdiStrip(HDC dc);
    TFontHandle menuFont_;
};

// The text centred both ways in r, single line, "&" marking the accelerator;
// in the DC's text colour, or the platform's button shadow when disabled.
void DrawCentredText(HDC dc, const RECT& r, const std::wstring& text, bool enabled);

} // namespace yq
