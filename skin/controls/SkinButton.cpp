#include "SkinButton.h"

#include "CustomControl.h"
#include "ImgList.h"
#include "SkinButtonLayout.h"
#include "SkinDraw.h"
#include "SkinText.h"
#include "SkinTransform.h"
#include "WinControl.h"
#include "WinSkinData.h"
#include "WinSkinForm.h"

#include <algorithm>

namespace yq {

YQ_CLASS_INFO(TSkinButton, TSkinControl)
YQ_CLASS_INFO(TSkinBitButton, TSkinButton)
YQ_CLASS_INFO(TSkinSpeedButton, TSkinBitButton)

namespace {

constexpr int kButtonFrames = 5;
enum TButtonFrame { bfNormal = 1, bfPressed = 2, bfDisabled = 3, bfHot = 4, bfDefault = 5 };
constexpr COLORREF kBareDisabledText = RGB(0x80, 0x80, 0x80);
// The key colour after greying: (0xFF + 0x00 + 0xFF) div 3 in every component.
constexpr TColor kGreyKeyColour = 0x00AAAAAA;

// Glyph state of a face frame: pressed shows the down glyph, disabled the grey one.
int GlyphStateOf(int frame) {
    return frame == bfPressed ? 3 : frame == bfDisabled ? 2 : 1;
}

TFont* FontOf(const TPersistent* control) {
    return static_cast<TFont*>(GetObjectPropByName(control, "Font", "TFont"));
}

// Selects a font into a DC for the scope.
class TFontScope {
public:
    TFontScope(HDC dc, HFONT font) : dc_(dc), old_(font ? SelectObject(dc, font) : nullptr) {}
    ~TFontScope() {
        if (old_) SelectObject(dc_, old_);
    }
    TFontScope(const TFontScope&) = delete;
    TFontScope& operator=(const TFontScope&) = delete;

private:
    HDC dc_;
    HGDIOBJ old_;
};

SIZE TextSize(HDC dc, const std::wstring& text, const RECT& r, UINT format) {
    if (text.empty()) return {0, 0};
    RECT m = r;
    DrawTextWide(dc, text, m, format | DT_CALCRECT);
    return {m.right - m.left, m.bottom - m.top};
}

} // namespace

TSkinButton::TSkinButton(TComponent* owner) : TSkinControl(owner) {}

const TDataSkinButton* TSkinButton::Buttons() const {
    const TDataSkinButton* b = SkinData ? SkinData->Buttons() : nullptr;
    return b && !b->Image.Empty() ? b : nullptr;
}

void TSkinButton::RefreshFromWindow() {
    if (!Handle) return;
    Focused = GetFocus() == Handle;
    Enabled = (GetWindowLongW(Handle, GWL_STYLE) & WS_DISABLED) == 0;
}

bool TSkinButton::BeforeMessage(TMessage& m) {
    switch (m.Msg) {
    case WM_PAINT:
        HandlePaint(m);
        return false;
    case WM_ERASEBKGND:
        m.Result = 1;
        return false;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        if (!Focused && Handle) SetFocus(Handle);
        SetMouseBit(msPressed, true);
        PaintWindow(nullptr);
        m.Result = 0;
        return false;
    default:
        return TSkinControl::BeforeMessage(m);
    }
}

void TSkinButton::AfterMessage(TMessage& m) {
    switch (m.Msg) {
    case WM_KEYDOWN:
    case WM_KEYUP:
        if (m.WParam != VK_SPACE) break;
        SetMouseBit(msPressed, m.Msg == WM_KEYDOWN);
        Redraw();
        break;
    case WM_MOUSEMOVE:
        OnMouseMove();
        break;
    case WM_LBUTTONUP:
        OnButtonUp();
        break;
    case CM_MOUSEENTER:
        OnMouseEnter();
        break;
    case CM_MOUSELEAVE:
        if (Enabled) MouseLeft();
        break;
    default:
        TSkinControl::AfterMessage(m);
        break;
    }
}

void TSkinButton::BecomeHot() {
    if (Form) Form->HotButton = this;
}

void TSkinButton::OnMouseMove() {
    if (Hot()) return;
    SetMouseBit(msHot, true);
    if (!Form) return;
    if (Form->HotButton && Form->HotButton != this) {
        TSkinControl* other = Form->HotButton;
        if (TControl* c = other->Served())
            c->Perform(CM_MOUSELEAVE);
        else if (other->Handle)
            SendMessageW(other->Handle, CM_MOUSELEAVE, 0, 0);
        if (Form->HotButton == other) Form->HotButton = nullptr;
    }
    if (Form->HotButton != this) {
        Redraw();
        BecomeHot();
    }
}

void TSkinButton::OnButtonUp() {
    if (!Pressed()) return;
    SetMouseBit(msPressed, false);
    Redraw();
    if (Control) {
        Control->Click();
        return;
    }
    if (!Handle) return;
    const int id = GetDlgCtrlID(Handle);
    PostMessageW(GetParent(Handle), WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(Handle));
}

void TSkinButton::OnMouseEnter() {
    if (!Enabled) return;
    SetMouseBit(msHot, true);
    Redraw();
    BecomeHot();
}

void TSkinButton::MouseLeft() {
    SetMouseBit(msHot, false);
    SetMouseBit(msPressed, false);
    Redraw();
    if (Form && Form->HotButton == this) Form->HotButton = nullptr;
}

int TSkinButton::FrameNow(bool isDefault) const {
    int frame = bfNormal;
    if (Pressed())
        frame = bfPressed;
    else if (Hot())
        frame = bfHot;
    else if (isDefault)
        frame = bfDefault;
    else if (Focused)
        frame = bfHot;
    return Enabled ? frame : int(bfDisabled);
}

COLORREF TSkinButton::FrameTextColour(int frame, TColor fontColour) const {
    const TDataSkinButton* b = SkinData->Buttons();
    if (!Enabled) return SkinRGB(clBtnShadow);
    if (frame == bfNormal && b->HasNormalColour2) return SkinRGB(b->NormalColour2);
    if (frame == bfHot && b->HasMouseOverColour2) return SkinRGB(b->MouseOverColour2);
    if (frame == bfPressed && b->HasPressedColour2) return SkinRGB(b->PressedColour2);
    return SkinRGB(fontColour);
}

void TSkinButton::PaintSkin(HDC dc, const RECT& rect) {
    const TDataSkinButton* b = Buttons();
    if (!b) return;
    const bool isDefault = Handle && (GetWindowLongW(Handle, GWL_STYLE) & BS_TYPEMASK) == BS_DEFPUSHBUTTON;
    RefreshFromWindow();
    Caption = Control ? GetWidePropByName(Control, "Caption") : GetWindowTextWide(Handle);
    const int frame = FrameNow(isDefault);

    const int w = rect.right - rect.left, h = rect.bottom - rect.top;
    Buffer.SetSize(w, h);
    HDC buffer = Buffer.Canvas().Handle();
    const RECT all{0, 0, w, h};
    FillFace(buffer, all);
    DrawSkinPart(buffer, all, kButtonFrames, frame, *b);

    HFONT font = nullptr;
    COLORREF colour = 0;
    if (Control) {
        TFont* f = FontOf(Control);
        font = f ? f->Handle() : nullptr;
        colour = FrameTextColour(frame, f ? f->Color() : clBtnText);
    } else {
        font = reinterpret_cast<HFONT>(SendMessageW(Handle, WM_GETFONT, 0, 0));
        colour = SkinRGB(frame == bfNormal    ? b->NormalColour2
                         : frame == bfHot     ? b->MouseOverColour2
                         : frame == bfPressed ? b->PressedColour2
                                              : SkinData->ButtonText);
        if (!Enabled) colour = kBareDisabledText;
    }
    TFontScope selected(buffer, font);
    SetTextColor(buffer, colour);
    DrawButtonCaption(buffer, all, DT_CENTER, Caption);
    BitBlt(dc, rect.left, rect.top, w, h, buffer, 0, 0, SRCCOPY);
}

// ---- bitmap buttons ------------------------------------------------------------

void TSkinBitButton::PaintSkin(HDC dc, const RECT& rect) {
    const TDataSkinButton* b = Buttons();
    if (!b) return;
    RefreshFromWindow();
    TControl* c = Served();
    Caption = c ? GetWidePropByName(c, "Caption") : GetWindowTextWide(Handle);
    const bool isDefault = GetEnumPropName(c, "Default") == "True";
    int frame = bfNormal;
    if (Pressed())
        frame = bfPressed;
    else if (Focused || Hot())
        frame = bfHot;
    else if (isDefault)
        frame = bfDefault;
    if (!Enabled) frame = bfDisabled;

    const int w = rect.right - rect.left, h = rect.bottom - rect.top;
    Buffer.SetSize(w, h);
    HDC buffer = Buffer.Canvas().Handle();
    const RECT all{0, 0, w, h};
    TFont* font = FontOf(c);
    TFontScope selected(buffer, font ? font->Handle()
                                     : reinterpret_cast<HFONT>(SendMessageW(Handle, WM_GETFONT, 0, 0)));
    FillFace(buffer, all);
    DrawSkinPart(buffer, all, std::max(1, b->FrameCount), frame, *b);

    auto* glyph = static_cast<TBitmap*>(GetObjectPropByName(c, "Glyph", "TBitmap"));
    auto* images = static_cast<TCustomImageList*>(GetObjectPropByName(c, "Images", "TCustomImageList"));
    const int numGlyphs = std::max(1, int(GetIntPropByName(c, "NumGlyphs")));
    const int imageIndex = int(GetIntPropByName(c, "ImageIndex"));
    const int disabledIndex = int(GetIntPropByName(c, "DisabledIndex"));
    const int margin = int(GetIntPropByName(c, "Margin"));
    const int spacing = int(GetIntPropByName(c, "Spacing"));
    const TGlyphLayout layout = GlyphLayoutFromName(GetEnumPropName(c, "Layout").c_str());
    const bool centred = GetEnumPropName(c, "Alignment") == "taCenter";

    SIZE glyphSize{0, 0};
    const bool hasGlyph = glyph && !glyph->Empty();
    if (hasGlyph)
        glyphSize = {glyph->Width() / numGlyphs, glyph->Height()};
    else if (images && imageIndex != -1)
        glyphSize = {images->Width(), images->Height()};
    const std::wstring text = ButtonCaptionText(Caption);
    const SIZE textSize = TextSize(buffer, text, all, DT_WORDBREAK);
    const TGlyphTextPlacement p = LayoutGlyphAndText({w, h}, glyphSize, textSize, layout,
                                                     (margin == -1 || centred) ? -1 : margin, spacing, 0);
    if (hasGlyph) {
        DrawButtonGlyph(buffer, p.Glyph, *glyph, numGlyphs, GlyphStateOf(frame));
    } else if (images) {
        const int index = Enabled ? imageIndex : (disabledIndex == -1 ? imageIndex : disabledIndex);
        if (index != -1 && index < images->Count()) {
            TBitmap cell(images->Width(), images->Height());
            TBrushHandle key(CreateSolidBrush(SkinRGB(kSkinKeyColour)));
            const RECT whole{0, 0, images->Width(), images->Height()};
            FillRect(cell.Canvas().Handle(), &whole, key.Get());
            images->Draw(cell.Canvas(), 0, 0, index);
            if (!Enabled) GrayscaleBitmap(cell);
            DrawTransparent(buffer,
                            RECT{p.Glyph.x, p.Glyph.y, p.Glyph.x + cell.Width(), p.Glyph.y + cell.Height()},
                            cell, Enabled ? kSkinKeyColour : kGreyKeyColour);
        }
    }
    UINT format = DT_WORDBREAK;
    if (layout == TGlyphLayout::glRight) format |= DT_RIGHT;
    if (layout == TGlyphLayout::glTop || layout == TGlyphLayout::glBottom) format |= DT_CENTER;
    RECT textRect{p.Text.x, p.Text.y, p.Text.x + textSize.cx, p.Text.y + textSize.cy};
    SetBkMode(buffer, TRANSPARENT);
    SetTextColor(buffer, FrameTextColour(frame, font ? font->Color() : clBtnText));
    if (!text.empty()) DrawTextWide(buffer, text, textRect, format);
    BitBlt(dc, rect.left, rect.top, w, h, buffer, 0, 0, SRCCOPY);
}

// ---- speed buttons ---------------------------------------------------------------

bool TSkinSpeedButton::BeforeMessage(TMessage& m) {
    switch (m.Msg) {
    case WM_PAINT: {
        if (!m.WParam || !GraphicControl) return true;
        PaintSpeedButton(reinterpret_cast<HDC>(m.WParam), GraphicControl->ClientRect());
        m.Result = 1;
        return false;
    }
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        CallPrevious(m);
        SetMouseBit(msPressed, true);
        PaintWindow(nullptr);
        return false;
    default:
        return TSkinButton::BeforeMessage(m);
    }
}

void TSkinSpeedButton::AfterMessage(TMessage& m) {
    switch (m.Msg) {
    case WM_NCDESTROY:
    case CM_RELEASE:
        ReleaseHooks();
        break;
    case WM_KEYDOWN:
    case WM_KEYUP:
        if (m.WParam != VK_SPACE) break;
        SetMouseBit(msPressed, m.Msg == WM_KEYDOWN);
        PaintWindow(nullptr);
        break;
    case WM_LBUTTONUP:
        SetMouseBit(msPressed, false);
        PaintWindow(nullptr);
        break;
    case CM_MOUSEENTER:
        SetMouseBit(msHot, true);
        PaintWindow(nullptr);
        break;
    case CM_MOUSELEAVE:
        SetMouseBit(msHot, false);
        SetMouseBit(msPressed, false);
        if (GraphicControl && GraphicControl->Visible()) PaintWindow(nullptr);
        if (Form && Form->HotButton == this) Form->HotButton = nullptr;
        break;
    default:
        TSkinButton::AfterMessage(m);
        break;
    }
}

void TSkinSpeedButton::PaintWindow(HDC) {
    auto* control = dynamic_cast<TGraphicControl*>(GraphicControl);
    if (!control || !control->Parent() || !control->Parent()->HandleAllocated()) return;
    RECT r = control->ClientRect();
    HDC dc = control->Canvas().Handle();
    if (dc) PaintSpeedButton(dc, r);
}

void TSkinSpeedButton::PaintSpeedButton(HDC dc, const RECT& rect) {
    const TDataSkinButton* b = Buttons();
    TControl* c = GraphicControl;
    if (!b || !c) return;
    const int state = Pressed() ? bfPressed : Hot() ? bfHot : bfNormal;
    Enabled = GetEnumPropName(c, "Enabled") == "True";
    int frame = state;
    if (GetEnumPropName(c, "Down") == "True")
        frame = bfPressed;
    else if (!Enabled)
        frame = bfDisabled;
    const std::wstring caption = GetWidePropByName(c, "Caption");
    TFont* font = FontOf(c);
    auto* glyph = static_cast<TBitmap*>(GetObjectPropByName(c, "Glyph", "TBitmap"));
    const int numGlyphs = std::max(1, int(GetIntPropByName(c, "NumGlyphs")));
    const bool flat = GetEnumPropName(c, "Flat") == "True";
    const int margin = int(GetIntPropByName(c, "Margin"));
    const int spacing = int(GetIntPropByName(c, "Spacing"));
    const TGlyphLayout layout = GlyphLayoutFromName(GetEnumPropName(c, "Layout").c_str());

    const int w = rect.right - rect.left, h = rect.bottom - rect.top;
    if (w <= 0 || h <= 0) return;
    Buffer.SetSize(w, h);
    HDC buffer = Buffer.Canvas().Handle();
    const RECT all{0, 0, w, h};
    TFontScope selected(buffer, font ? font->Handle() : nullptr);
    FillFace(buffer, all);
    if (!(flat && frame == bfNormal)) DrawSkinPart(buffer, all, std::max(1, b->FrameCount), frame, *b);
    const std::wstring text = ButtonCaptionText(caption);
    const SIZE textSize = TextSize(buffer, text, all, 0);
    if (!glyph || glyph->Empty()) {
        SetTextColor(buffer, SkinRGB(font ? font->Color() : clBtnText));
        DrawButtonCaption(buffer, all, DT_CENTER, caption);
    } else {
        const SIZE glyphSize{glyph->Width() / numGlyphs, glyph->Height()};
        const TGlyphTextPlacement p =
            LayoutGlyphAndText({w, h}, glyphSize, textSize, layout, margin, spacing, 1);
        DrawButtonGlyph(buffer, p.Glyph, *glyph, numGlyphs, GlyphStateOf(frame));
        UINT format = 0;
        if (layout == TGlyphLayout::glRight) format = DT_RIGHT;
        if (layout == TGlyphLayout::glTop || layout == TGlyphLayout::glBottom) format = DT_CENTER;
        RECT textRect{p.Text.x, p.Text.y, p.Text.x + textSize.cx, p.Text.y + textSize.cy};
        SetBkMode(buffer, TRANSPARENT);
        SetTextColor(buffer, FrameTextColour(frame, font ? font->Color() : clBtnText));
        if (!text.empty()) DrawTextWide(buffer, text, textRect, format);
    }
    BitBlt(dc, rect.left, rect.top, w, h, buffer, 0, 0, SRCCOPY);
}

} // namespace yq
