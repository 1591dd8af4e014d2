#include "SkinTab.h"

#include "SkinDispatch.h"
#include "SkinDraw.h"
#include "SkinIconText.h"
#include "SkinStatusBar.h"
#include "SkinText.h"
#include "SkinTransform.h"
#include "SkinUpDown.h"
#include "WinControl.h"
#include "WinSkinData.h"

#include <algorithm>
#include <vector>

#include <commctrl.h>

namespace yq {

YQ_CLASS_INFO(TSkinTab, TSkinControl)
YQ_CLASS_INFO(TSkinTab31, TSkinControl)

namespace {

constexpr int kPageInflate = 4;
// The page border's fixed margins: the eight pieces around the page.
constexpr TSkinMargins kBorderMargins{4, 5, 4, 4};
constexpr int kTabTextLength = 80; // read buffer: at most 79 characters shown
// The tab set's tab is its text plus this; with visible scroll buttons a
// tab must leave this much room at the end.
constexpr int kTab31Padding = 9;
constexpr int kTab31ScrollerRoom = 21;
enum TTabFrame { tfRest = 1, tfSelected = 2 };

HFONT FontOf(const TSkinControl& s) {
    if (s.Control) return s.Control->Font().Handle();
    return reinterpret_cast<HFONT>(SendMessageW(s.Handle, WM_GETFONT, 0, 0));
}

// A window's rectangle in another window's window coordinates.
RECT WindowRectIn(HWND window, HWND in) {
    RECT r{}, origin{};
    GetWindowRect(window, &r);
    GetWindowRect(in, &origin);
    OffsetRect(&r, -origin.left, -origin.top);
    return r;
}

} // namespace

// ---- tab and page controls ------------------------------------------------------------

TSkinTab::~TSkinTab() {
    if (!UpDown) return;
    UpDown->RemoveFreeNotification(this);
    if (!Form && !UpDown->Owner()) delete UpDown;
}

void TSkinTab::Notification(TComponent* component, TOperation operation) {
    TSkinControl::Notification(component, operation);
    if (operation == TOperation::opRemove && component == UpDown) UpDown = nullptr;
}

void TSkinTab::AttachControl(TWinSkinForm* form, TSkinData* skin, bool useSkinColour, TCanvas* canvas) {
    if (Attached) return;
    TSkinControl::AttachControl(form, skin, useSkinColour, canvas);
    if (Attached) AttachParts();
}

void TSkinTab::AttachWindow(HWND window, TSkinData* skin, TWinSkinForm* form, TCanvas* canvas) {
    if (Attached) return;
    TSkinControl::AttachWindow(window, skin, form, canvas);
    if (Attached) AttachParts();
}

void TSkinTab::AttachParts() {
    Focused = GetFocus() == Handle;
    Enabled = (GetWindowLongW(Handle, GWL_STYLE) & WS_DISABLED) == 0;
    PrepareTabImages();
    FindUpDown();
}

void TSkinTab::UpdateSkin() {
    TSkinControl::UpdateSkin();
    PrepareTabImages();
}

void TSkinTab::PrepareTabImages() {
    const LONG style = GetWindowLongW(Handle, GWL_STYLE);
    const bool bottom = style & TCS_BOTTOM, vertical = style & TCS_VERTICAL;
    if (bottom && vertical)
        Orientation = TTabOrientation::toRight;
    else if (bottom)
        Orientation = TTabOrientation::toBottom;
    else if (vertical)
        Orientation = TTabOrientation::toLeft;
    else
        Orientation = TTabOrientation::toTop;
    const TDataSkinBorder* tabs = SkinData ? SkinData->Tabs() : nullptr;
    if (!tabs || tabs->Image.Empty() || tabs->Image2.Empty()) return;
    TabImage.Assign(tabs->Image);
    BorderImage.Assign(tabs->Image2);
    switch (Orientation) {
    case TTabOrientation::toBottom:
        FlipBitmap(TabImage);
        FlipBitmap(BorderImage);
        break;
    case TTabOrientation::toLeft:
        RotateBitmapLeft(BorderImage);
        break;
    case TTabOrientation::toRight:
        RotateBitmapRight(BorderImage);
        break;
    case TTabOrientation::toTop:
        break;
    }
}

bool TSkinTab::FindUpDown() {
    HWND child = FindWindowExW(Handle, nullptr, UPDOWN_CLASSW, nullptr);
    if (!child) return false;
    if (!UpDown || UpDown->Handle != child) {
        if (UpDown) UpDown->RemoveFreeNotification(this);
        UpDown = new TSkinUpDown(Owner());
        UpDown->FreeNotification(this);
        UpDown->AttachWindow(child, SkinData, Form, SharedCanvas);
    }
    return (GetWindowLongW(child, GWL_STYLE) & WS_VISIBLE) != 0;
}

RECT TSkinTab::PageRect(const RECT& rect) const {
    RECT page = rect;
    SendMessageW(Handle, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&page));
    InflateRect(&page, kPageInflate, kPageInflate);
    switch (Orientation) {
    case TTabOrientation::toTop:
        ++page.top;
        break;
    case TTabOrientation::toBottom:
        --page.bottom;
        break;
    case TTabOrientation::toLeft:
        ++page.left;
        break;
    case TTabOrientation::toRight:
        --page.right;
        break;
    }
    return page;
}

RECT TSkinTab::ItemInBuffer(RECT item, const RECT& rect, const RECT& page) const {
    switch (Orientation) {
    case TTabOrientation::toTop:
        OffsetRect(&item, 0, 1);
        return item;
    case TTabOrientation::toBottom:
        OffsetRect(&item, 0, -(page.bottom + 1));
        return item;
    case TTabOrientation::toLeft: {
        const int bw = StripBuffer.Width();
        return RECT{bw - item.bottom, item.left, bw - item.top, item.right};
    }
    case TTabOrientation::toRight:
        return RECT{item.top - 1, rect.right - item.right, item.bottom - 1, rect.right - item.left};
    }
    return item;
}

void TSkinTab::ComposeStrip(const RECT& rect, const RECT& page, const RECT& strip) {
    const TDataSkinBorder& tabs = *SkinData->Tabs();
    const int sw = strip.right - strip.left, sh = strip.bottom - strip.top;
    const bool turned = Orientation == TTabOrientation::toLeft || Orientation == TTabOrientation::toRight;
    StripBuffer.SetSize(turned ? sh : sw, turned ? sw : sh);
    HDC buffer = StripBuffer.Canvas().Handle();
    FillParentColour(buffer, RECT{0, 0, StripBuffer.Width(), StripBuffer.Height()});
    const TBitmap& picture = TabImage.Empty() ? tabs.Image : TabImage;
    const int count = int(SendMessageW(Handle, TCM_GETITEMCOUNT, 0, 0));
    const int focus = int(SendMessageW(Handle, TCM_GETCURFOCUS, 0, 0));
    auto* images = reinterpret_cast<HIMAGELIST>(SendMessageW(Handle, TCM_GETIMAGELIST, 0, 0));
    const COLORREF shadow = SkinRGB(SkinData->ButtonShadow);
    {
        TSelectObject font(buffer, FontOf(*this));
        for (int i = 0; i < count; ++i) {
            RECT item{};
            if (!SendMessageW(Handle, TCM_GETITEMRECT, WPARAM(i), reinterpret_cast<LPARAM>(&item))) continue;
            wchar_t text[kTabTextLength] = {};
            TCITEMW info{};
            info.mask = TCIF_TEXT | TCIF_IMAGE;
            info.pszText = text;
            info.cchTextMax = kTabTextLength;
            info.iImage = -1;
            SendMessageW(Handle, TCM_GETITEMW, WPARAM(i), reinterpret_cast<LPARAM>(&info));
            const RECT r = ItemInBuffer(item, rect, page);
            const int frame = i == focus ? tfSelected : tfRest;
            DrawSkinImage(buffer, r, picture, false, tabs.Tile == 1, tabs.Trans == 1, tabs.FrameCount, frame,
                          tabs.Margins);
            SetTextColor(buffer, SkinRGB(frame == tfRest ? tabs.NormalColour2 : tabs.MouseOverColour2));
            const wchar_t* shown = info.pszText ? info.pszText : text;
            DrawIconText(buffer, r, TIconTextAlign::itCenter,
                         std::wstring(shown, wcsnlen(shown, kTabTextLength - 1)), info.iImage, images,
                         Enabled, shadow);
        }
    }
    if (Orientation == TTabOrientation::toRight) RotateBitmapRight(StripBuffer);
    if (Orientation == TTabOrientation::toLeft) RotateBitmapLeft(StripBuffer);
}

void TSkinTab::PaintSkin(HDC dc, const RECT& rect) {
    const TDataSkinBorder* tabs = SkinData ? SkinData->Tabs() : nullptr;
    if (!tabs || tabs->Image.Empty() || !Handle) return;
    Enabled = (GetWindowLongW(Handle, GWL_STYLE) & WS_DISABLED) == 0;
    const RECT page = PageRect(rect);
    RECT strip = rect;
    switch (Orientation) {
    case TTabOrientation::toTop:
        strip.bottom = page.top;
        break;
    case TTabOrientation::toBottom:
        strip.top = page.bottom;
        break;
    case TTabOrientation::toLeft:
        strip.right = page.left;
        break;
    case TTabOrientation::toRight:
        strip.left = page.right;
        break;
    }
    if (strip.right > strip.left && strip.bottom > strip.top) {
        ComposeStrip(rect, page, strip);
        const int saved = SaveDC(dc);
        if (FindUpDown()) {
            const RECT arrows = WindowRectIn(UpDown->Handle, Handle);
            ExcludeClipRect(dc, arrows.left, arrows.top, arrows.right, arrows.bottom);
        }
        BitBlt(dc, strip.left, strip.top, strip.right - strip.left, strip.bottom - strip.top,
               StripBuffer.Canvas().Handle(), 0, 0, SRCCOPY);
        RestoreDC(dc, saved);
    }
    if (tabs->Image2.Empty()) return;
    const TBitmap& border = BorderImage.Empty() ? tabs->Image2 : BorderImage;
    DrawSkinImageDirect(dc, page, border, false, 1, 1, kBorderMargins);
}

// ---- tab sets ---------------------------------------------------------------------------

namespace {

std::vector<std::wstring> Lines(const std::wstring& text) {
    std::vector<std::wstring> out;
    std::wstring line;
    for (wchar_t c : text) {
        if (c == L'\r') continue;
        if (c == L'\n') {
            out.push_back(line);
            line.clear();
        } else {
            line += c;
        }
    }
    if (!line.empty()) out.push_back(line);
    return out;
}

} // namespace

TSkinTab31::~TSkinTab31() {
    if (!UpDown) return;
    UpDown->RemoveFreeNotification(this);
    if (!Form && !UpDown->Owner()) delete UpDown;
}

void TSkinTab31::Notification(TComponent* component, TOperation operation) {
    TSkinControl::Notification(component, operation);
    if (operation != TOperation::opRemove) return;
    if (component == UpDown) UpDown = nullptr;
    if (component == Scroller) Scroller = nullptr;
}

void TSkinTab31::AttachControl(TWinSkinForm* form, TSkinData* skin, bool, TCanvas* canvas) {
    if (Attached) return;
    auto* control = dynamic_cast<TWinControl*>(Owner());
    if (!control) return;
    Control = control;
    Handle = control->Handle();
    TSkinControl::AttachWindow(Handle, skin, form, canvas);
    const TDataSkinBorder* tabs = skin ? skin->Tabs() : nullptr;
    if (tabs && !tabs->Image.Empty()) {
        TabImage.Assign(tabs->Image);
        FlipBitmap(TabImage);
    }
    if (control->ComponentCount() == 0) return;
    // Its scroll buttons: a windowed scroller or up-down control.
    auto* first = dynamic_cast<TWinControl*>(control->Components(0));
    const std::string kind = first ? Lowered(first->ClassName()) : std::string();
    if (kind.find("scroll") == std::string::npos && kind.find("updown") == std::string::npos) return;
    Scroller = first;
    Scroller->FreeNotification(this);
    UpDown = new TSkinUpDown(Owner());
    UpDown->FreeNotification(this);
    UpDown->ForceHorizontal = 1;
    UpDown->AttachWindow(Scroller->Handle(), skin, form, canvas);
}

void TSkinTab31::Unskin() {
    // Attached by its window: the control's double buffering was never ours.
    RestoreColour();
}

bool TSkinTab31::BeforeMessage(TMessage& m) {
    if (m.Msg == WM_PAINT) {
        HandlePaint(m);
        return true;
    }
    if (m.Msg == WM_ERASEBKGND) {
        m.Result = 1;
        return false;
    }
    return TSkinControl::BeforeMessage(m);
}

void TSkinTab31::PaintSkin(HDC dc, const RECT& rect) {
    const TDataSkinBorder* tabs = SkinData ? SkinData->Tabs() : nullptr;
    if (!tabs || tabs->Image.Empty() || !Control) return;
    const int w = rect.right - rect.left, h = rect.bottom - rect.top;
    if (w <= 0 || h <= 0) return;
    TBitmap picture(w, h);
    HDC pdc = picture.Canvas().Handle();
    FillFace(pdc, RECT{0, 0, w, h});
    TSelectObject font(pdc, Control->Font().Handle());
    const TBitmap& image = TabImage.Empty() ? tabs->Image : TabImage;
    const std::vector<std::wstring> captions = Lines(GetWidePropByName(Control, "Tabs"));
    const int selected = int(GetIntPropByName(Control, "TabIndex"));
    const int limit = w - int(GetIntPropByName(Control, "EndMargin"));
    const bool scrolling = Scroller && Scroller->HandleAllocated() && IsWindowVisible(Scroller->Handle());
    const int room = scrolling ? kTab31ScrollerRoom : kTab31Padding;
    int x = int(GetIntPropByName(Control, "StartMargin"));
    for (int i = std::max(0, int(GetIntPropByName(Control, "FirstIndex"))); i < int(captions.size()); ++i) {
        const std::wstring& caption = captions[size_t(i)];
        SIZE size{};
        GetTextExtentPoint32W(pdc, caption.c_str(), int(caption.size()), &size);
        const int tw = int(size.cx);
        if (x + tw + room > limit) continue;
        const RECT tab{x, 0, x + tw + kTab31Padding, h};
        const int frame = i == selected ? tfSelected : tfRest;
        DrawSkinImage(pdc, tab, image, false, tabs->Tile == 1, tabs->Trans == 1, tabs->FrameCount, frame,
                      tabs->Margins);
        SetTextColor(pdc, SkinRGB(frame == tfRest ? tabs->NormalColour2 : tabs->MouseOverColour2));
        DrawPanelText(pdc, tab, DT_CENTER, caption);
        x += tw + kTab31Padding;
    }
    BitBlt(dc, rect.left, rect.top, w, h, pdc, 0, 0, SRCCOPY);
}

} // namespace yq
