#include "WinSkinPopMenu.h"

#include "GdiObjects.h"
#include "SkinMessages.h"
#include "SkinObjectDraw.h"
#include "Subclass.h"
#include "WinSkinData.h"

#include <utility>

namespace yq {

TWinSkinPopMenu* PendingPopMenu = nullptr;

void AssociatePendingPopMenu(HMENU menu) {
    if (!PendingPopMenu || !menu) return;
    std::exchange(PendingPopMenu, nullptr)->MenuHandle = menu;
}

std::unique_ptr<TPopupMenuSkinner> MakePopMenuSkinner(HWND window, TSkinData* skin) {
    auto skinner = std::make_unique<TWinSkinPopMenu>();
    skinner->Attach(window, skin);
    return skinner;
}

TWinSkinPopMenu::~TWinSkinPopMenu() {
    Detach();
}

void TWinSkinPopMenu::Attach(HWND window, TSkinData* skin) {
    window_ = window;
    SkinData = skin;
    MenuHandle = nullptr;
    subclass_ = std::make_unique<TWindowSubclass>(
        window, [this](TMessage& m) { PopMenuProc(m); }, TGuardPolicy::gpDrop);
}

void TWinSkinPopMenu::Detach() {
    if (PendingPopMenu == this) PendingPopMenu = nullptr;
    if (!subclass_) return;
    subclass_.reset();
    background_.reset();
}

HBITMAP TWinSkinPopMenu::Background() const {
    return background_ ? background_->Handle() : nullptr;
}

// Asked for every item drawn; a menu window's frame does not change while
// it shows, so the answer is kept from its first paint on.
POINT TWinSkinPopMenu::ClientOrigin() const {
    if (originKnown_) return origin_;
    RECT window{};
    GetWindowRect(window_, &window);
    POINT origin{0, 0};
    ClientToScreen(window_, &origin);
    return {origin.x - window.left, origin.y - window.top};
}

bool TWinSkinPopMenu::HasPicture() const {
    if (!SkinData || SkinData->SkinEmpty()) return false;
    const TDataSkinObject* picture = SkinData->MenuBackground();
    return picture && picture->Image.Width() > 0 && picture->Image.Height() > 0;
}

void TWinSkinPopMenu::PopMenuProc(TMessage& m) {
    if (m.Msg == WM_SKINQUERY) {
        m.Result = 1;
        return;
    }
    if (!SkinManage || !SkinManage->Active) {
        subclass_->CallPrevious(m);
        return;
    }
    switch (m.Msg) {
    case WM_DESTROY:
        subclass_->CallPrevious(m);
        Detach();
        return;
    case WM_NCPAINT:
        PaintBorder(m);
        return;
    case WM_PAINT:
        PaintClient(m);
        return;
    case WM_PRINT:
        PrintMenu(m);
        return;
    default:
        subclass_->CallPrevious(m);
        return;
    }
}

void TWinSkinPopMenu::BuildBackground() {
    RECT window{};
    GetWindowRect(window_, &window);
    const RECT r{0, 0, window.right - window.left, window.bottom - window.top};
    const TDataSkinObject& picture = *SkinData->MenuBackground();
    background_ = BuildSkinImage(r, picture.Image, picture.Margins, false, picture.Tile != 0, 1, 1);
    originKnown_ = false;
    origin_ = ClientOrigin();
    originKnown_ = true;
}

void TWinSkinPopMenu::FindMenu() {
    if (MenuHandle) return;
    MenuHandle = reinterpret_cast<HMENU>(SendMessageW(window_, MN_GETHMENU, 0, 0));
    if (!MenuHandle) PendingPopMenu = this;
}

void TWinSkinPopMenu::PaintBorder(TMessage& m) {
    // Only the NT and the 95 families are known to draw menu borders so.
    if (!UseWideApi && WinVersion < 0x80000000u) return;
    if (!HasPicture()) {
        subclass_->CallPrevious(m);
        return;
    }
    BuildBackground();
    FindMenu();
    if (!background_) return;
    const int w = background_->Width(), h = background_->Height();
    HDC dc = GetWindowDC(window_);
    if (!dc) return;
    HDC source = background_->Canvas().Handle();
    const RECT bands[] = {
        {0, 0, w, kRing}, {0, h - kRing, w, h}, {0, kRing, kRing, h}, {w - kRing, kRing, w, h}};
    for (const RECT& b : bands)
        BitBlt(dc, b.left, b.top, b.right - b.left, b.bottom - b.top, source, b.left, b.top, SRCCOPY);
    ReleaseDC(window_, dc);
    m.Result = 0;
}

RECT TWinSkinPopMenu::ItemsArea() const {
    RECT window{};
    GetWindowRect(window_, &window);
    const POINT origin = ClientOrigin();
    RECT area{kRing - origin.x, kRing - origin.y, window.right - window.left - kRing - origin.x,
              window.bottom - window.top - kRing - origin.y};
    RECT client{};
    GetClientRect(window_, &client);
    IntersectRect(&area, &area, &client);
    return area;
}

// The background and the items composed off-screen and copied once; where
// the platform draws its border ring inside the client area, the skin's
// ring replaces it.
void TWinSkinPopMenu::PaintClient(TMessage& m) {
    if (!HasPicture()) {
        subclass_->CallPrevious(m);
        return;
    }
    if (!background_) BuildBackground();
    FindMenu();
    PAINTSTRUCT ps{};
    HDC dc = BeginPaint(window_, &ps);
    RECT client{};
    GetClientRect(window_, &client);
    if (dc && background_ && client.right > 0 && client.bottom > 0) {
        const POINT origin = ClientOrigin();
        TBitmap buffer(client.right, client.bottom);
        HDC composed = buffer.Canvas().Handle();
        BitBlt(composed, 0, 0, client.right, client.bottom, background_->Canvas().Handle(), origin.x,
               origin.y, SRCCOPY);
        const RECT area = ItemsArea();
        {
            TSavedDC saved(composed);
            IntersectClipRect(composed, area.left, area.top, area.right, area.bottom);
            SetBkMode(composed, TRANSPARENT);
            subclass_->CallPrevious(WM_PRINTCLIENT, reinterpret_cast<WPARAM>(composed), PRF_CLIENT);
        }
        BitBlt(dc, 0, 0, client.right, client.bottom, composed, 0, 0, SRCCOPY);
    }
    EndPaint(window_, &ps);
    m.Result = 0;
}

void TWinSkinPopMenu::PrintMenu(TMessage& m) {
    if (!HasPicture()) {
        subclass_->CallPrevious(m);
        return;
    }
    FindMenu();
    BuildBackground();
    HDC dc = reinterpret_cast<HDC>(m.WParam);
    if (!background_ || !dc) {
        subclass_->CallPrevious(m);
        return;
    }
    const int w = background_->Width(), h = background_->Height();
    BitBlt(dc, 0, 0, w, h, background_->Canvas().Handle(), 0, 0, SRCCOPY);
    TSavedDC saved(dc);
    IntersectClipRect(dc, kRing, kRing, w - kRing, h - kRing);
    SetBkMode(dc, TRANSPARENT);
    subclass_->CallPrevious(m);
}

} // namespace yq
