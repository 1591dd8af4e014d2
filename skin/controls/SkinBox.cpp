#include "SkinBox.h"

#include "SkinText.h"
#include "WinControl.h"
#include "WinSkinData.h"
#include "WinSkinForm.h"

namespace yq {

YQ_CLASS_INFO(TSkinGroupBox, TSkinControl)
YQ_CLASS_INFO(TSkinBox, TSkinControl)
YQ_CLASS_INFO(TSkinBoxH, TSkinControl)
YQ_CLASS_INFO(TSkinSizer, TSkinControl)

namespace {
constexpr int kCaptionIndent = 9;
constexpr int kCorner = 5;
} // namespace

void TSkinGroupBox::PaintSkin(HDC dc, const RECT& rect) {
    Caption = GetWindowTextWide(Handle);
    if (Caption.empty() && Control) Caption = GetWidePropByName(Control, "Caption");
    HFONT font =
        Control ? Control->Font().Handle() : reinterpret_cast<HFONT>(SendMessageW(Handle, WM_GETFONT, 0, 0));
    TSelectObject selected(dc, font);
    SIZE zero{};
    GetTextExtentPoint32W(dc, L"0", 1, &zero);
    const int top = int(zero.cy) / 2 - 1;

    TBrushHandle face(CreateSolidBrush(SkinRGB(SkinData->ButtonFace)));
    RECT edge{0, top, rect.right, rect.bottom};
    FrameRect(dc, &edge, face.Get());
    InflateRect(&edge, -1, -1);
    FrameRect(dc, &edge, face.Get());

    TPenHandle pen(CreatePen(PS_SOLID, 1, SkinRGB(SkinData->ButtonShadow)));
    TSelectObject selectedPen(dc, pen.Get());
    TSelectObject hollow(dc, GetStockObject(NULL_BRUSH));
    RoundRect(dc, 1, top, rect.right - 1, rect.bottom - 1, kCorner, kCorner);

    if (Caption.empty()) return;
    RECT text{rect.left + kCaptionIndent, rect.top, rect.right, rect.bottom};
    const int oldMode = SetBkMode(dc, OPAQUE);
    const COLORREF oldBack = SetBkColor(dc, SkinRGB(SkinData->ButtonFace));
    DrawTextWide(dc, Caption, text, DT_EXPANDTABS);
    SetBkColor(dc, oldBack);
    SetBkMode(dc, oldMode);
}

void TSkinBox::AttachControl(TWinSkinForm* form, TSkinData* skin, bool useSkinColour, TCanvas* canvas) {
    if (Attached) return;
    auto* control = dynamic_cast<TWinControl*>(Owner());
    if (!control) return;
    UseSkinColour = useSkinColour;
    SkinData = skin;
    SharedCanvas = canvas;
    Form = form;
    Control = control;
    Handle = control->Handle();
    if (form) form->AddSkinControl(this);
    ApplySkinColour();
    Attached = true;
    State = TSkinControlState::scAttached;
}

void TSkinBox::Unskin() {
    RestoreColour();
    State = TSkinControlState::scUnskinned;
}

bool TSkinBoxH::BeforeMessage(TMessage& m) {
    if (m.Msg != WM_ERASEBKGND) return TSkinControl::BeforeMessage(m);
    RECT r{};
    GetWindowRect(Handle, &r);
    const RECT all{0, 0, r.right - r.left, r.bottom - r.top};
    FillFace(reinterpret_cast<HDC>(m.WParam), all);
    m.Result = 0;
    return false;
}

void TSkinSizer::PaintSkin(HDC dc, const RECT& rect) {
    FillFace(dc, rect);
}

} // namespace yq
