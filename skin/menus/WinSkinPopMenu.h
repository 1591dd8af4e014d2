#pragma once
// TWinSkinPopMenu: the skinner of one popup-menu window ("#32768"), made
// by the manager when the window is created and freed when it goes.  It
// takes the window's procedure over and gives the window its border and
// background from the skin's MenuBackground picture, stretched once per
// frame paint and kept (Background) so that every owner-drawn item copies
// its own part of it.  Without that picture the window keeps the
// platform's look.
//
// A menu window learns which menu it shows when it paints (the platform
// answers MN_GETHMENU) or, failing that, when its first owner-drawn item is
// drawn: the window that painted last without knowing its menu is
// PendingPopMenu, and the item's menu becomes its MenuHandle.
//
// Some platforms give the menu window a non-client border, others draw the
// border ring inside the client area; the skinner paints the ring in both
// (WM_NCPAINT, and WM_PAINT composed off-screen through WM_PRINTCLIENT).
#include "Bitmap.h"
#include "MenuItemFrames.h"
#include "SkinManage.h"
#include "Subclass.h"

#include <memory>

#include <windows.h>

namespace yq {

class TSkinData;

class TWinSkinPopMenu : public TPopupMenuSkinner {
public:
    // The width of the border ring taken from the background picture.
    static constexpr int kRing = 3;

    TWinSkinPopMenu() = default;
    ~TWinSkinPopMenu() override;
    TWinSkinPopMenu(const TWinSkinPopMenu&) = delete;
    TWinSkinPopMenu& operator=(const TWinSkinPopMenu&) = delete;

    void Attach(HWND window, TSkinData* skin);
    // Gives the window its procedure back; nothing when detached.
    void Detach();
    bool Attached() const { return subclass_ != nullptr; }

    HWND Handle() const override { return window_; }
    HMENU Menu() const override { return MenuHandle; }
    HBITMAP Background() const override;
    POINT ClientOrigin() const override;
    const TBitmap* BackgroundPicture() const { return background_.get(); }
    // What this window's items are drawn with, kept while it is open.
    TItemFrames& ItemFrames() const { return frames_; }

    TSkinData* SkinData = nullptr;
    HMENU MenuHandle = nullptr;

private:
    void PopMenuProc(TMessage& m);
    bool HasPicture() const;
    void BuildBackground();
    // Learns the menu, or waits as PendingPopMenu for the first item.
    void FindMenu();
    void PaintBorder(TMessage& m);
    void PaintClient(TMessage& m);
    void PrintMenu(TMessage& m);
    // The window rectangle inset by the ring, in client coordinates.
    RECT ItemsArea() const;

    HWND window_ = nullptr;
    std::unique_ptr<TWindowSubclass> subclass_;
    std::unique_ptr<TBitmap> background_;
    mutable TItemFrames frames_;
    POINT origin_{};
    bool originKnown_ = false;
};

// The newest menu window that painted before it knew its menu, or nullptr.
extern TWinSkinPopMenu* PendingPopMenu;
// An owner-drawn item of `menu` is being drawn: the pending window shows it.
void AssociatePendingPopMenu(HMENU menu);
// The manager's factory of popup-menu skinners.
std::unique_ptr<TPopupMenuSkinner> MakePopMenuSkinner(HWND window, TSkinData* skin);

} // namespace yq
