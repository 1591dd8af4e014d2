#include "SkinStatusBar.h"

#include "Bitmap.h"
#include "SkinDraw.h"
#include "SkinText.h"
#include "StatusBar.h"
#include "WinSkinData.h"

#include <algorithm>

#include <commctrl.h>

namespace yq {

YQ_CLASS_INFO(TSkinStatusBar, TSkinControl)

namespace {

constexpr int kEdgeFrames = 3;
constexpr int kGripFrame = 5;
enum TEdgeFrame { efLowered = 1, efRaised = 2, efNone = 3 };

int EdgeOf(const std::string& bevel) {
    if (bevel == "pbLowered") return efLowered;
    if (bevel == "pbRaised") return efRaised;
    return efNone;
}

UINT AlignmentOf(const std::string& alignment, bool rightToLeft) {
    if (alignment == "taCenter") return DT_CENTER;
    const bool right = alignment == "taRightJustify";
    return right != rightToLeft ? DT_RIGHT : DT_LEFT;
}

} // namespace

void DrawPanelText(HDC dc, const RECT& r, UINT alignment, const std::wstring& text) {
    const UINT format = alignment | DT_EXPANDTABS;
    const int oldMode = SetBkMode(dc, TRANSPARENT);
    RECT m = r;
    DrawTextWide(dc, text, m, format | DT_CALCRECT | DT_NOCLIP);
    const int w = m.right - m.left, h = m.bottom - m.top;
    const int dy = (int(r.bottom - r.top) - h) / 2 - 1;
    if (alignment == DT_CENTER) {
        OffsetRect(&m, (int(r.right - r.left) - w) / 2, dy);
    } else {
        OffsetRect(&m, 0, dy);
        m.left = r.left;
        m.right = r.right;
    }
    DrawTextWide(dc, text, m, format);
    SetBkMode(dc, oldMode);
}

void TSkinStatusBar::AttachControl(TWinSkinForm* form, TSkinData* skin, bool useSkinColour, TCanvas* canvas) {
    if (Attached) return;
    if (GetEnumPropName(Owner(), "SizeGrip") == "True") {
        gripWasOn_ = true;
        SetPropByName(Owner(), "SizeGrip", L"False");
    }
    TSkinControl::AttachControl(form, skin, useSkinColour, canvas);
}

void TSkinStatusBar::Unskin() {
    TSkinControl::Unskin();
    // Not from inside the window's destruction: giving the grip back makes a new window.
    if (!gripWasOn_ || !Control || Control->Destroying() || State == TSkinControlState::scWindowDestroyed)
        return;
    gripWasOn_ = false;
    SetPropByName(Control, "SizeGrip", L"True");
}

void TSkinStatusBar::DrawEdge(HDC dc, const RECT& r, int frame) const {
    if (const TDataSkinObject* edges = SkinData->StatusBarEdges(); edges && !edges->Image.Empty()) {
        DrawSkinImage(dc, r, edges->Image, false, edges->Tile == 1, false, kEdgeFrames, frame,
                      edges->Margins);
        return;
    }
    if (frame == efNone) return;
    const COLORREF shadow = SkinRGB(clBtnShadow), light = SkinRGB(clBtnHighlight);
    const COLORREF topLeft = frame == efLowered ? shadow : light;
    const COLORREF bottomRight = frame == efLowered ? light : shadow;
    TBrushHandle a(CreateSolidBrush(topLeft)), b(CreateSolidBrush(bottomRight));
    const RECT top{r.left, r.top, r.right, r.top + 1}, left{r.left, r.top, r.left + 1, r.bottom};
    const RECT bottom{r.left, r.bottom - 1, r.right, r.bottom}, right{r.right - 1, r.top, r.right, r.bottom};
    FillRect(dc, &top, a.Get());
    FillRect(dc, &left, a.Get());
    FillRect(dc, &bottom, b.Get());
    FillRect(dc, &right, b.Get());
}

void TSkinStatusBar::PaintSkin(HDC dc, const RECT& rect) {
    auto* bar = dynamic_cast<TCustomStatusBar*>(Control);
    if (!bar) return;
    const int w = rect.right - rect.left, h = rect.bottom - rect.top;
    if (w <= 0 || h <= 0) return;
    TBitmap& scratch = ScratchBitmap();
    scratch.SetSize(w, h);
    HDC buffer = scratch.Canvas().Handle();
    const RECT all{0, 0, w, h};
    FillFace(buffer, all);
    TFont plain(bar->Font());
    plain.SetStyle(0);
    TSelectObject font(buffer, plain.Handle());
    const TDataSkinObject* edges = SkinData->StatusBarEdges();
    SetTextColor(buffer, SkinRGB(edges ? edges->NormalColour2 : bar->Font().Color()));

    TStatusPanels& panels = bar->Panels();
    if (GetEnumPropName(bar, "SimplePanel") == "True" || panels.Count() == 0) {
        DrawEdge(buffer, all, efLowered);
        std::wstring text = GetWidePropByName(bar, "simpletext");
        if (text.empty()) text = L" ";
        DrawPanelText(buffer, RECT{2, 0, w - 2, h}, DT_LEFT, text);
    } else {
        for (int i = 0; i < panels.Count(); ++i) {
            RECT r{};
            if (!SendMessageW(Handle, SB_GETRECT, WPARAM(i), reinterpret_cast<LPARAM>(&r))) continue;
            const TStatusPanel* panel = panels.Items(i);
            const bool rtl = GetEnumPropName(panel, "BiDiMode") == "bdRightToLeft";
            const UINT alignment = AlignmentOf(GetEnumPropName(panel, "Alignment"), rtl);
            r.right += 2;
            if (i == panels.Count() - 1) r.right = w;
            DrawEdge(buffer, r, EdgeOf(GetEnumPropName(panel, "Bevel")));
            if (GetEnumPropName(panel, "Style") == "psOwnerDraw") continue;
            std::wstring text = GetWidePropByName(panel, "Text");
            if (text.empty()) text = L" ";
            DrawPanelText(buffer, RECT{r.left + 2, r.top, r.right - 2, r.bottom}, alignment, text);
        }
    }
    const TDataSkinObject* extra = SkinData->ExtraImages();
    if ((GetWindowLongW(Handle, GWL_STYLE) & SBARS_SIZEGRIP) && extra && !extra->Image.Empty()) {
        const int frames = std::max(1, extra->FrameCount);
        const int gw = extra->Image.Width() / frames, gh = extra->Image.Height();
        const RECT grip{w - 1 - gw, h - 1 - gh, w - 1, h - 1};
        DrawSkinFrame(buffer, grip, extra->Image, true, frames, kGripFrame);
    }
    BitBlt(dc, rect.left, rect.top, w, h, buffer, 0, 0, SRCCOPY);

    if (!bar->OnDrawPanel || panels.Count() == 0) return;
    bar->Canvas().SetHandle(dc);
    struct TDetach {
        TCanvas& canvas;
        ~TDetach() { canvas.SetHandle(nullptr); }
    } detach{bar->Canvas()};
    for (int i = 0; i < panels.Count(); ++i) {
        RECT r{};
        if (!SendMessageW(Handle, SB_GETRECT, WPARAM(i), reinterpret_cast<LPARAM>(&r))) continue;
        InflateRect(&r, -1, -1);
        bar->OnDrawPanel(bar, panels.Items(i), r);
    }
}

} // namespace yq
