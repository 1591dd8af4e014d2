#include "SkinControl.h"

#include "Bitmap.h"
#include "Guard.h"
#include "SkinDraw.h"
#include "SkinMessages.h"
#include "SkinObjectDraw.h"
#include "SkinText.h"
#include "WinControl.h"
#include "WinSkinData.h"
#include "WinSkinForm.h"

#include <algorithm>

namespace yq {

YQ_CLASS_INFO(TSkinControl, TComponent)

namespace {

// The whole-window DC of a window, released at scope end.
class TWholeWindowDC {
public:
    explicit TWholeWindowDC(HWND window) : window_(window), dc_(GetWindowDC(window)) {}
    ~TWholeWindowDC() {
        if (dc_) ReleaseDC(window_, dc_);
    }
    TWholeWindowDC(const TWholeWindowDC&) = delete;
    TWholeWindowDC& operator=(const TWholeWindowDC&) = delete;
    HDC Get() const { return dc_; }

private:
    HWND window_;
    HDC dc_;
};

} // namespace

COLORREF SkinRGB(TColor colour) {
    return COLORREF(ColorToRGB(colour));
}

TBitmap& ScratchBitmap() {
    static TBitmap scratch;
    return scratch;
}

TSkinControl::TSkinControl(TComponent* owner) : TComponent(owner) {}

TSkinControl::~TSkinControl() {
    *alive_ = false;
    ReleaseHooks();
    if (Form) Form->RemoveSkinControl(this);
}

TControl* TSkinControl::Served() const {
    if (Control) return Control;
    return GraphicControl;
}

void TSkinControl::ReleaseHooks() {
    hook_.reset();
    subclass_.reset();
}

bool TSkinControl::HookServed(TControl& control, TWinSkinForm* form) {
    if (!hook_)
        hook_ =
            std::make_unique<TMessageHook>(control.MessageHooks(), [this](TMessage& m) { SkinWndProc(m); });
    Form = form;
    return form ? form->AddSkinControl(this) : false;
}

void TSkinControl::ApplySkinColour() {
    TControl* c = Served();
    if (!UseSkinColour || !c || !SkinData) return;
    SavedColour = c->Color();
    savedParentColour_ = c->ParentColor();
    c->SetColor(SkinData->ButtonFace);
}

void TSkinControl::RestoreColour() {
    TControl* c = Served();
    if (!UseSkinColour || !c || c->Destroying()) return;
    c->SetColor(SavedColour);
    if (savedParentColour_) c->SetParentColor(true);
}

void TSkinControl::AttachControl(TWinSkinForm* form, TSkinData* skin, bool useSkinColour, TCanvas* canvas) {
    if (Attached) return;
    auto* control = dynamic_cast<TWinControl*>(Owner());
    if (!control) return;
    UseSkinColour = useSkinColour;
    HookControl(*control, skin, form, canvas);
    savedDoubleBuffered_ = control->DoubleBuffered();
    control->SetDoubleBuffered(true);
    Focused = GetFocus() == Handle;
    Enabled = (GetWindowLongW(Handle, GWL_STYLE) & WS_DISABLED) == 0;
    Caption = GetWindowTextWide(Handle);
    ApplySkinColour();
    control->Invalidate();
    Attached = true;
    State = TSkinControlState::scAttached;
}

void TSkinControl::HookControl(TWinControl& control, TSkinData* skin, TWinSkinForm* form, TCanvas* canvas) {
    SkinData = skin;
    SharedCanvas = canvas;
    Control = &control;
    Handle = control.Handle();
    HookServed(control, form);
}

void TSkinControl::AttachWindow(HWND window, TSkinData* skin, TWinSkinForm* form, TCanvas* canvas) {
    if (Attached) return;
    Handle = window;
    SkinData = skin;
    Form = form;
    SharedCanvas = canvas;
    Enabled = true;
    if (form) form->AddSkinControl(this);
    Caption = GetWindowTextWide(window);
    subclass_ = std::make_unique<TWindowSubclass>(
        window, [this](TMessage& m) { SkinWndProc(m); }, TGuardPolicy::gpDrop);
    InvalidateRect(window, nullptr, TRUE);
    Attached = true;
    State = TSkinControlState::scAttached;
}

bool TSkinControl::AttachGraphicControl(TWinSkinForm* form, TSkinData* skin, TCanvas* canvas) {
    auto* control = dynamic_cast<TControl*>(Owner());
    if (!control) return false;
    SkinData = skin;
    SharedCanvas = canvas;
    GraphicControl = control;
    const bool known = HookServed(*control, form);
    Attached = true;
    State = TSkinControlState::scAttached;
    control->Invalidate();
    return known;
}

void TSkinControl::SkinWndProc(TMessage& m) {
    if (Control && Control->HandleAllocated()) Handle = Control->Handle();
    if (!SkinEnabled) {
        if (m.Msg != WM_SKINENABLE) {
            CallPrevious(m);
            return;
        }
        if (m.WParam > 0) {
            SkinEnabled = true;
            Redraw();
        }
        m.Result = 0;
        return;
    }
    if (BeforeMessage(m)) {
        const std::shared_ptr<bool> alive = alive_;
        CallPrevious(m);
        if (*alive) AfterMessage(m);
    }
}

void TSkinControl::CallPrevious(TMessage& m) {
    if (hook_) {
        hook_->CallPrevious(m);
    } else if (subclass_) {
        subclass_->CallPrevious(m);
    } else if (Handle) {
        m.Result = DefWindowProcW(Handle, m.Msg, m.WParam, m.LParam);
    }
}

bool TSkinControl::BeforeMessage(TMessage& m) {
    if (m.Msg != WM_NCDESTROY) return true;
    CallPrevious(m);
    State = TSkinControlState::scWindowDestroyed;
    Unskin();
    return false;
}

void TSkinControl::AfterMessage(TMessage& m) {
    switch (m.Msg) {
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_ENABLE:
    case CM_ENABLEDCHANGED:
        Redraw();
        break;
    case WM_SETTEXT:
        if (m.LParam) Caption = reinterpret_cast<const wchar_t*>(m.LParam);
        Redraw();
        break;
    case WM_PAINT:
        PaintWindow(reinterpret_cast<HDC>(m.WParam));
        break;
    case WM_SKINENABLE:
        SkinEnabled = m.WParam > 0;
        // Shown at once as the control paints itself.
        if (!SkinEnabled) Redraw();
        break;
    default:
        break;
    }
}

void TSkinControl::Redraw() {
    if (Control) {
        Control->Invalidate();
    } else if (GraphicControl) {
        GraphicControl->Invalidate();
    } else if (Handle && IsWindow(Handle)) {
        RedrawWindow(Handle, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    }
}

void TSkinControl::PaintWindow(HDC dc) {
    if (!Handle || !GetWindowRect(Handle, &WindowRect)) return;
    const RECT r{0, 0, WindowRect.right - WindowRect.left, WindowRect.bottom - WindowRect.top};
    Guarded(
        [&] {
            if (dc) {
                PaintSkin(dc, r);
                return;
            }
            TWholeWindowDC window(Handle);
            if (window.Get()) PaintSkin(window.Get(), r);
        },
        TGuardPolicy::gpDrop);
}

void TSkinControl::PaintSkin(HDC, const RECT&) {}

void TSkinControl::HandlePaint(TMessage& m) {
    HDC dc = reinterpret_cast<HDC>(m.WParam);
    PAINTSTRUCT ps{};
    const bool began = !dc;
    if (began) dc = BeginPaint(Handle, &ps);
    if (dc && GetWindowRect(Handle, &WindowRect)) {
        const RECT r{0, 0, WindowRect.right - WindowRect.left, WindowRect.bottom - WindowRect.top};
        Guarded([&] { PaintSkin(dc, r); }, TGuardPolicy::gpDrop);
    }
    if (began) EndPaint(Handle, &ps);
    m.Result = 0;
}

void TSkinControl::FillFace(HDC dc, const RECT& r) const {
    TBrushHandle brush(CreateSolidBrush(SkinRGB(SkinData ? SkinData->ButtonFace : clBtnFace)));
    FillRect(dc, &r, brush.Get());
}

void TSkinControl::FillParentColour(HDC dc, const RECT& r) const {
    TControl* c = Served();
    if (c && c->Parent()) {
        TBrushHandle brush(CreateSolidBrush(SkinRGB(c->Parent()->Color())));
        FillRect(dc, &r, brush.Get());
        return;
    }
    FillFace(dc, r);
}

void TSkinControl::SetMouseBit(std::uint8_t bit, bool on) {
    MouseState = on ? std::uint8_t(MouseState | bit) : std::uint8_t(MouseState & ~bit);
}

void TSkinControl::Unskin() {
    if (!Served()) return;
    RestoreColour();
    // Double buffering was ours too.
    if (Control && Attached && !Control->Destroying()) Control->SetDoubleBuffered(savedDoubleBuffered_);
}

void TSkinControl::UpdateSkin() {
    TControl* c = Served();
    if (UseSkinColour && c && SkinData) c->SetColor(SkinData->ButtonFace);
    Redraw();
}

// ---- drawing helpers ---------------------------------------------------------

void DrawSkinPart(HDC dc, const RECT& r, int n, int k, const TDataSkinObject& object) {
    if (r.right <= r.left || r.bottom <= r.top || object.Image.Empty()) return;
    const TSkinPiece piece{false, object.Tile == 1, object.Trans == 1};
    if (n == std::max(1, object.FrameCount)) {
        DrawSkinObject(dc, r, object, k, piece);
        return;
    }
    DrawSkinImage(dc, r, object.Image, piece.Vertical, piece.Tile, piece.Transparent, n, k, object.Margins);
}

std::wstring ButtonCaptionText(const std::wstring& text) {
    std::wstring out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == L'|' && i + 1 < text.size() && text[i + 1] == L'|') {
            out += L"\r\n";
            ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

void DrawButtonCaption(HDC dc, const RECT& r, UINT alignment, const std::wstring& text) {
    const std::wstring shown = ButtonCaptionText(text);
    const UINT format = alignment | DT_EXPANDTABS | DT_WORDBREAK;
    const int oldMode = SetBkMode(dc, TRANSPARENT);
    RECT measured = r;
    DrawTextWide(dc, shown, measured, format | DT_CALCRECT | DT_NOCLIP);
    const int w = measured.right - measured.left, h = measured.bottom - measured.top;
    const int dy = ((r.bottom - r.top) - h) / 2 - 1;
    if (alignment == DT_CENTER) {
        OffsetRect(&measured, ((r.right - r.left) - w) / 2, dy);
    } else {
        OffsetRect(&measured, 0, dy);
        measured.left = r.left;
        measured.right = r.right;
    }
    DrawTextWide(dc, shown, measured, format);
    SetBkMode(dc, oldMode);
}

} // namespace yq
