#include "SkinComBox.h"

#include "SkinDispatch.h"
#include "SkinDraw.h"
#include "WinControl.h"
#include "WinSkinData.h"

namespace yq {

YQ_CLASS_INFO(TSkinComBox, TSkinControl)

namespace {

bool IsSimple(DWORD style) {
    return (style & 3) == CBS_SIMPLE;
}

// A list window inside the box, not a pop-up and not the desktop's child.
bool IsEmbeddedList(HWND list) {
    const LONG style = GetWindowLongW(list, GWL_STYLE);
    return (style & WS_CHILD) && !(style & WS_POPUP) && GetParent(list) != GetDesktopWindow();
}

} // namespace

TSkinComBox::~TSkinComBox() {
    editHook_.reset();
    if (!ListSkinner) return;
    ListSkinner->RemoveFreeNotification(this);
    // With a form, the form frees the list's skinner with its list.
    if (!Form && !ListSkinner->Owner()) delete ListSkinner;
}

void TSkinComBox::Notification(TComponent* component, TOperation operation) {
    TSkinControl::Notification(component, operation);
    if (operation == TOperation::opRemove && component == ListSkinner) ListSkinner = nullptr;
}

void TSkinComBox::AttachControl(TWinSkinForm* form, TSkinData* skin, bool useSkinColour, TCanvas* canvas) {
    if (Attached) return;
    TSkinControl::AttachControl(form, skin, useSkinColour, canvas);
    if (Attached) AttachParts();
}

void TSkinComBox::AttachWindow(HWND window, TSkinData* skin, TWinSkinForm* form, TCanvas* canvas) {
    if (Attached) return;
    TSkinControl::AttachWindow(window, skin, form, canvas);
    if (Attached) AttachParts();
}

void TSkinComBox::AttachParts() {
    ComboStyle = DWORD(GetWindowLongW(Handle, GWL_STYLE));
    ListSkinner = nullptr;
    if (!IsSimple(ComboStyle)) {
        ListWindow = nullptr;
        EditWindow = GetWindow(Handle, GW_CHILD);
        if (EditWindow)
            editHook_ = std::make_unique<TWindowSubclass>(
                EditWindow, [this](TMessage& m) { EditHook(m); }, TGuardPolicy::gpDrop);
        return;
    }
    ReadComboState();
    ListWindow = ComboInfo.hwndList;
    if (!ListWindow || !IsEmbeddedList(ListWindow)) return;
    ListSkinner = MakeSkinner(skinner::kScrollbarH, Owner());
    if (!ListSkinner) return;
    ListSkinner->FreeNotification(this);
    ListSkinner->AttachWindow(ListWindow, SkinData, Form, nullptr);
}

void TSkinComBox::Unskin() {
    TSkinControl::Unskin();
    editHook_.reset();
}

// A press or a release in the box or its edit: the button's look follows.
void TSkinComBox::ShowPress(UINT msg) {
    if (msg != WM_LBUTTONDOWN && msg != WM_LBUTTONDBLCLK && msg != WM_LBUTTONUP) return;
    SetMouseBit(msPressed, msg != WM_LBUTTONUP);
    Redraw();
}

void TSkinComBox::EditHook(TMessage& m) {
    editHook_->CallPrevious(m);
    switch (m.Msg) {
    case WM_PAINT:
        PaintWindow(nullptr);
        break;
    default:
        ShowPress(m.Msg);
        break;
    }
}

void TSkinComBox::AfterMessage(TMessage& m) {
    switch (m.Msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_LBUTTONUP:
        ShowPress(m.Msg);
        break;
    case WM_DRAWITEM:
    case WM_NCPAINT:
        Redraw();
        break;
    case CM_MOUSEENTER:
    case CM_MOUSELEAVE:
        // Shown at the next paint.
        if (Enabled) SetMouseBit(msHot, m.Msg == CM_MOUSEENTER);
        break;
    default:
        TSkinControl::AfterMessage(m);
        break;
    }
}

void TSkinComBox::ReadComboState() {
    ComboStyle = DWORD(GetWindowLongW(Handle, GWL_STYLE));
    ComboExStyle = DWORD(GetWindowLongW(Handle, GWL_EXSTYLE));
    ComboInfo = COMBOBOXINFO{};
    ComboInfo.cbSize = sizeof ComboInfo;
    GetComboBoxInfo(Handle, &ComboInfo);
}

bool TSkinComBox::FocusInside() const {
    HWND focus = GetFocus();
    return focus && (focus == Handle || IsChild(Handle, focus));
}

int TSkinComBox::ButtonFrame() const {
    if (Pressed()) return 2;
    if (FocusInside() || Hot()) return 4;
    return (GetWindowLongW(Handle, GWL_STYLE) & WS_DISABLED) ? 3 : 1;
}

void TSkinComBox::PaintSkin(HDC dc, const RECT& rect) {
    const TDataSkinBorder* button = SkinData ? SkinData->ComboButton() : nullptr;
    if (!button || button->Image.Empty()) return;
    ReadComboState();
    if (ComboInfo.stateButton & STATE_SYSTEM_INVISIBLE) return;
    if (button->Style == cbsSimple) {
        PaintSimpleCombo(dc, rect);
        return;
    }
    const RECT all{0, 0, rect.right - rect.left, rect.bottom - rect.top};
    Focused = FocusInside();
    Enabled = (ComboStyle & WS_DISABLED) == 0;
    const int frame = ButtonFrame();
    if (button->Style == cbsWhole) {
        const bool left = (ComboExStyle & WS_EX_LEFTSCROLLBAR) != 0;
        const TDataSkinObject* o = left ? SkinData->SunkEdge() : button;
        if (o && !o->Image.Empty())
            DrawSkinImage(dc, all, o->Image, false, false, true, o->FrameCount, frame, o->Margins);
        return;
    }
    PaintButtonInEdge(dc, all, frame);
}

void TSkinComBox::PaintButtonInEdge(HDC dc, const RECT& all, int frame) {
    const TDataSkinBorder& button = *SkinData->ComboButton();
    const int a = GetSystemMetrics(SM_CXHSCROLL), w = all.right, h = all.bottom;
    const bool left = (ComboExStyle & WS_EX_LEFTSCROLLBAR) != 0;
    // The text field keeps the box's own painting.
    const RECT field = left ? RECT{a + 4, 2, w - 2, h - 2} : RECT{2, 2, w - a - 4, h - 2};
    const RECT face = left ? RECT{0, 0, a + 2, h} : RECT{w - a - 2, 0, w, h};
    const RECT glyph = left ? RECT{2, 0, a + 2, h} : RECT{w - a - 2, 0, w - 2, h};
    const TBitmap& picture = left ? button.Image2 : button.Image;
    const int saved = SaveDC(dc);
    ExcludeClipRect(dc, field.left, field.top, field.right, field.bottom);
    if (const TDataSkinObject* edge = SkinData->SunkEdge())
        DrawSkinPart(dc, all, edge->FrameCount, frame, *edge);
    if (!picture.Empty()) DrawSkinFrame(dc, face, picture, true, button.FrameCount, frame);
    if (const TDataSkinObject* extra = SkinData->ExtraImages(); extra && !extra->Image.Empty())
        DrawSkinGlyph(dc, glyph, extra->Image, true, extra->FrameCount, frame);
    RestoreDC(dc, saved);
}

void TSkinComBox::PaintSimpleCombo(HDC dc, const RECT& rect) {
    int frame = 1;
    if (Pressed())
        frame = 2;
    else if (FocusInside() || Hot())
        frame = 4;
    else if (GetWindowLongW(Handle, GWL_STYLE) & WS_DISABLED)
        frame = 3;
    const TDataSkinBorder& button = *SkinData->ComboButton();
    HBRUSH brush = HBRUSH(GetCurrentObject(dc, OBJ_BRUSH));
    RECT r = rect;
    InflateRect(&r, -1, -1);
    FrameRect(dc, &r, brush);
    InflateRect(&r, -1, -1);
    const RECT face{r.right - GetSystemMetrics(SM_CYVTHUMB), r.top, r.right, r.bottom};
    FillRect(dc, &face, brush);
    DrawSkinFrame(dc, face, button.Image, false, button.FrameCount, frame);
    TBrushHandle shadow(CreateSolidBrush(SkinRGB(SkinData->ButtonShadow)));
    FrameRect(dc, &rect, shadow.Get());
}

} // namespace yq
