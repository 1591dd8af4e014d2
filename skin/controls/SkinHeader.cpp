#include "SkinHeader.h"

#include "SkinIconText.h"
#include "WinSkinData.h"

#include <algorithm>

#include <commctrl.h>

namespace yq {

YQ_CLASS_INFO(TSkinHeader, TSkinControl)

namespace {

constexpr int kHeaderFrames = 5;
// A section's text is read into 201 characters: at most 200 are shown.
constexpr int kTextBuffer = 201;

TIconTextAlign AlignmentOf(int format) {
    if (format & HDF_RIGHT) return TIconTextAlign::itRight;
    if (format & HDF_CENTER) return TIconTextAlign::itCenter;
    return TIconTextAlign::itLeft;
}

} // namespace

bool TSkinHeader::HasPicture() const {
    const TDataSkinObject* bar = SkinData ? SkinData->Headerbar() : nullptr;
    return bar && !bar->Image.Empty();
}

bool TSkinHeader::BeforeMessage(TMessage& m) {
    if (m.Msg == WM_ERASEBKGND && HasPicture()) {
        m.Result = 1;
        return false;
    }
    // Composed off-screen and copied once, so the header never flickers
    // through its own look.
    if (m.Msg == WM_PAINT && HasPicture()) {
        HandlePaint(m);
        return false;
    }
    return TSkinControl::BeforeMessage(m);
}

void TSkinHeader::AfterMessage(TMessage& m) {
    switch (m.Msg) {
    case WM_MOUSEMOVE:
        MouseMoved(m.LParam);
        break;
    case WM_MOUSELEAVE:
        leaveTracked_ = false;
        SetHot(-1);
        break;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        SetPressed(SectionAt(m.LParam));
        break;
    case WM_LBUTTONUP:
    case WM_CAPTURECHANGED:
        SetPressed(-1);
        break;
    default:
        TSkinControl::AfterMessage(m);
    }
}

int TSkinHeader::SectionAt(LPARAM lp) const {
    HDHITTESTINFO hit{};
    hit.pt = {short(LOWORD(lp)), short(HIWORD(lp))};
    const int item = int(SendMessageW(Handle, HDM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
    return (hit.flags & HHT_ONHEADER) ? item : -1;
}

void TSkinHeader::MouseMoved(LPARAM lp) {
    if (!leaveTracked_) {
        TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, Handle, 0};
        leaveTracked_ = TrackMouseEvent(&track) != FALSE;
    }
    SetHot(SectionAt(lp));
}

void TSkinHeader::SetHot(int item) {
    if (item == HotItem) return;
    HotItem = item;
    if (HasPicture()) InvalidateRect(Handle, nullptr, FALSE);
}

void TSkinHeader::SetPressed(int item) {
    // Only a header with button sections has a pressed look.
    if (!(GetWindowLongW(Handle, GWL_STYLE) & HDS_BUTTONS)) item = -1;
    if (item == PressedItem) return;
    PressedItem = item;
    if (HasPicture()) InvalidateRect(Handle, nullptr, FALSE);
}

int TSkinHeader::FrameOf(int item) const {
    if (item >= 0 && item == PressedItem) return hbPressed;
    if (item >= 0 && item == HotItem && PressedItem < 0) return hbHot;
    return hbNormal;
}

void TSkinHeader::PaintSkin(HDC dc, const RECT& rect) {
    if (!HasPicture()) return;
    const TDataSkinObject& bar = *SkinData->Headerbar();
    const int w = rect.right - rect.left, h = rect.bottom - rect.top;
    if (w <= 0 || h <= 0) return;
    buffer_.SetSize(w, h);
    HDC b = buffer_.Canvas().Handle();
    TSelectObject font(b, reinterpret_cast<HGDIOBJ>(SendMessageW(Handle, WM_GETFONT, 0, 0)));
    SetBkMode(b, TRANSPARENT);
    SetTextColor(b, SkinRGB(SkinData->ButtonText));
    Enabled = IsWindowEnabled(Handle) != FALSE;
    auto images = reinterpret_cast<HIMAGELIST>(SendMessageW(Handle, HDM_GETIMAGELIST, 0, 0));
    int right = 0;
    const int count = int(SendMessageW(Handle, HDM_GETITEMCOUNT, 0, 0));
    for (int i = 0; i < count; ++i)
        PaintSection(b, i, right, images);
    if (right < w) {
        const int frames = bar.FrameCount > 0 ? bar.FrameCount : kHeaderFrames;
        DrawSkinImage(b, RECT{right, 0, w, h}, bar.Image, false, bar.Tile == 1, false, frames, hbNormal,
                      bar.Margins);
    }
    BitBlt(dc, rect.left, rect.top, w, h, b, 0, 0, SRCCOPY);
}

void TSkinHeader::PaintSection(HDC b, int index, int& right, HIMAGELIST images) {
    RECT r{};
    if (!SendMessageW(Handle, HDM_GETITEMRECT, WPARAM(index), reinterpret_cast<LPARAM>(&r))) return;
    wchar_t text[kTextBuffer] = {};
    HDITEMW item{};
    item.mask = HDI_TEXT | HDI_FORMAT | HDI_IMAGE;
    item.pszText = text;
    item.cchTextMax = kTextBuffer;
    SendMessageW(Handle, HDM_GETITEMW, WPARAM(index), reinterpret_cast<LPARAM>(&item));
    const TDataSkinObject& bar = *SkinData->Headerbar();
    const int frames = bar.FrameCount > 0 ? bar.FrameCount : kHeaderFrames;
    DrawSkinImage(b, r, bar.Image, false, bar.Tile == 1, false, frames, FrameOf(index), bar.Margins);
    const std::wstring caption(text);
    if (!caption.empty()) {
        const bool image = (item.fmt & (HDF_IMAGE | HDF_OWNERDRAW)) != 0;
        DrawIconText(b, r, AlignmentOf(item.fmt), caption, image ? item.iImage : -1, images, Enabled);
    }
    right = std::max<int>(right, r.right);
}

} // namespace yq
