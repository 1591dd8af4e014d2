#include "SkinCheckBox.h"

#include "Bitmap.h"
#include "SkinDispatch.h"
#include "SkinDraw.h"
#include "WinControl.h"
#include "WinSkinData.h"
#include "WinSkinForm.h"

#include <algorithm>

namespace yq {

YQ_CLASS_INFO(TSkinCheckBox, TSkinControl)
YQ_CLASS_INFO(TSkinRadioButton, TSkinCheckBox)
YQ_CLASS_INFO(TSkinObjImage, TSkinControl)

namespace {

constexpr int kBoxWidth = 15;
constexpr int kWideCheckFrames = 12;
constexpr int kWideRadioFrames = 8;

bool HasProp(const TPersistent* object, const char* name) {
    TPropKind kind;
    return object && GetPropKind(object, name, kind);
}

// The frame of a 4-frame state in the wide pictures.
int WideFrame(int d) {
    switch (d) {
    case 2:
        return 5;
    case 3:
        return 4;
    case 4:
        return 8;
    default:
        return d;
    }
}

} // namespace

TBoxGlyphPlace PlaceBoxGlyph(const RECT& rect, int fw, int fh, bool boxOnRight, bool radio) {
    TBoxGlyphPlace p{};
    const int top = int(rect.top) + (int(rect.bottom - rect.top) - fh) / 2;
    p.Glyph.top = top;
    p.Glyph.bottom = top + fh;
    if (boxOnRight) {
        const int room = radio ? 14 : kBoxWidth;
        p.Glyph.right = fw > room ? rect.right - 1 : rect.right - (room - fw) / 2;
        p.Glyph.left = p.Glyph.right - fw;
        p.Background = {rect.right - kBoxWidth - 3, rect.top, rect.right, rect.bottom};
    } else {
        if (radio)
            p.Glyph.left = fw > 14 ? rect.left : rect.left + (14 - fw) / 2;
        else
            p.Glyph.left = fw > 14 ? rect.left + 2 : rect.left + (14 - fw) / 2 + 1;
        p.Glyph.right = p.Glyph.left + fw;
        p.Background = {rect.left, rect.top, rect.left + kBoxWidth + 1, rect.bottom};
    }
    return p;
}

void TSkinCheckBox::AfterMessage(TMessage& m) {
    switch (m.Msg) {
    case BM_SETCHECK:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
    case CM_EXIT:
    case CM_CHECKSTATECHANGED:
        Redraw();
        break;
    default:
        TSkinControl::AfterMessage(m);
        break;
    }
}

int TSkinCheckBox::FrameNow() const {
    const TDataSkinButton* b = SkinData ? SkinData->Buttons() : nullptr;
    if (!b || b->CheckImage.Empty() || !Handle) return 0;
    const int n = std::max(1, b->CheckFrameCount);
    const LRESULT state = SendMessageW(Handle, BM_GETSTATE, 0, 0);
    int c = (state & BST_CHECKED) ? 2 : 1;
    if (Control && HasProp(Control, "State")) {
        const std::string v = Lowered(GetEnumPropName(Control, "State"));
        if (v.find("uncheck") != std::string::npos)
            c = 1;
        else if (v.find("check") != std::string::npos)
            c = 2;
        else if (v.find("gray") != std::string::npos)
            c = 4;
    } else if (Control && HasProp(Control, "Checked")) {
        c = Lowered(GetEnumPropName(Control, "Checked")) == "true" ? 2 : 1;
    }
    const bool disabled = (GetWindowLongW(Handle, GWL_STYLE) & WS_DISABLED) != 0;
    const bool mixed = (state & BST_INDETERMINATE) != 0;
    int d = c + (disabled ? 2 : 0);
    if (mixed) d = 4;
    if (n == kWideCheckFrames) {
        d = WideFrame(d);
        if (mixed) d = disabled ? 12 : 9;
    }
    return std::clamp(d, 1, n);
}

void TSkinCheckBox::PaintSkin(HDC dc, const RECT& rect) {
    const int d = FrameNow();
    if (!d) return;
    const TDataSkinButton& b = *SkinData->Buttons();
    const int n = std::max(1, b.CheckFrameCount);
    const int fw = b.CheckImage.Width() / n, fh = b.CheckImage.Height();
    const bool onRight = (GetWindowLongW(Handle, GWL_STYLE) & BS_LEFTTEXT) != 0;
    const TBoxGlyphPlace p = PlaceBoxGlyph(rect, fw, fh, onRight, false);
    FillParentColour(dc, p.Background);
    DrawSkinFrame(dc, p.Glyph, b.CheckImage, true, n, d);
}

int TSkinRadioButton::FrameNow() const {
    const TDataSkinButton* b = SkinData ? SkinData->Buttons() : nullptr;
    if (!b || b->RadioImage.Empty() || !Handle) return 0;
    const int n = std::max(1, b->RadioFrameCount);
    int c = SendMessageW(Handle, BM_GETCHECK, 0, 0) == BST_CHECKED ? 2 : 1;
    if (Control && HasProp(Control, "Checked"))
        c = Lowered(GetEnumPropName(Control, "Checked")) == "true" ? 2 : 1;
    int d = c + ((GetWindowLongW(Handle, GWL_STYLE) & WS_DISABLED) ? 2 : 0);
    if (n == kWideRadioFrames) d = WideFrame(d);
    return std::clamp(d, 1, n);
}

void TSkinRadioButton::PaintSkin(HDC dc, const RECT& rect) {
    const int d = FrameNow();
    if (!d) return;
    const TDataSkinButton& b = *SkinData->Buttons();
    const int n = std::max(1, b.RadioFrameCount);
    const int fw = b.RadioImage.Width() / n, fh = b.RadioImage.Height();
    const bool onRight = (GetWindowLongW(Handle, GWL_STYLE) & BS_LEFTTEXT) != 0;
    const TBoxGlyphPlace p = PlaceBoxGlyph(rect, fw, fh, onRight, true);
    FillParentColour(dc, p.Background);
    DrawSkinFrame(dc, p.Glyph, b.RadioImage, true, n, d);
}

// ---- custom glyphs -------------------------------------------------------------

void TSkinObjImage::AttachControl(TWinSkinForm* form, TSkinData* skin, bool useSkinColour, TCanvas* canvas) {
    if (Attached) return;
    auto* control = dynamic_cast<TWinControl*>(Owner());
    if (!control) return;
    SkinData = skin;
    Form = form;
    SharedCanvas = canvas;
    UseSkinColour = useSkinColour;
    Control = control;
    Handle = control->Handle();
    if (form) form->AddSkinControl(this);
    ApplySkinColour();
    BuildGlyphs();
    Attached = true;
    State = TSkinControlState::scAttached;
}

void TSkinObjImage::Unskin() {
    TSkinControl::Unskin();
    if (CustomGlyphMode == 1 && Control && !Control->Destroying())
        SetPropByName(Control, "UseCustomGlyphs", L"False");
}

void TSkinObjImage::UpdateSkin() {
    BuildGlyphs();
}

void TSkinObjImage::BuildGlyphs() {
    const TDataSkinButton* b = SkinData ? SkinData->Buttons() : nullptr;
    if (CustomGlyphMode != 1 || !b || b->CheckImage.Empty() || !Control) return;
    const int n = std::max(1, b->CheckFrameCount);
    const int w = b->CheckImage.Width() / n, h = b->CheckImage.Height();
    // Cell i shows frame kCells[i]; 0: only with a five-frame picture.
    constexpr int kCells[9] = {1, 2, 5, 1, 2, 5, 3, 4, 5};
    TBitmap glyphs(9 * w, h);
    for (int cell = 0; cell < 9; ++cell) {
        const int frame = kCells[cell];
        if (frame == 5 && n != 5) continue;
        BitBlt(glyphs.Canvas().Handle(), cell * w, 0, w, h, b->CheckImage.Canvas().Handle(), (frame - 1) * w,
               0, SRCCOPY);
    }
    if (auto* target = static_cast<TBitmap*>(GetObjectPropByName(Control, "CustomGlyphs", "TBitmap")))
        target->Assign(glyphs);
    SetPropByName(Control, "transparentcolor", std::to_wstring(ColorToRGB(kSkinKeyColour)));
    SetPropByName(Control, "UseCustomGlyphs", L"False");
    SetPropByName(Control, "UseCustomGlyphs", L"True");
}

} // namespace yq
