#include "SkinEdit.h"

#include "Guard.h"
#include "SkinDispatch.h"
#include "SkinText.h"
#include "SkinUpDown.h"
#include "WinSkinData.h"

namespace yq {

YQ_CLASS_INFO(TSkinEdit, TSkinControl)

namespace {

// A border of `width` pixels all round, in window coordinates.
bool HasBorder(HWND window, int width) {
    RECT w{}, c{};
    if (!GetWindowRect(window, &w) || !GetClientRect(window, &c)) return false;
    return c.right + width < w.right - w.left && c.bottom + width < w.bottom - w.top;
}

} // namespace

HWND FindUpDownChild(HWND parent) {
    for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        const std::string name = Lowered(GetWindowClassName(child));
        if (name == "msctls_updown32" || name.find("spin") != std::string::npos ||
            name.find("updown") != std::string::npos)
            return child;
    }
    return nullptr;
}

TSkinEdit::~TSkinEdit() {
    if (!UpDown) return;
    UpDown->RemoveFreeNotification(this);
    // Without a form the up-down skinner is ours; with one, the form frees it.
    if (!Form && !UpDown->Owner()) delete UpDown;
}

void TSkinEdit::Notification(TComponent* component, TOperation operation) {
    TSkinControl::Notification(component, operation);
    if (operation == TOperation::opRemove && component == UpDown) UpDown = nullptr;
}

void TSkinEdit::FindUpDown() {
    HWND child = FindUpDownChild(Handle);
    if (!child) return;
    auto* skinner = new TSkinUpDown(Owner());
    skinner->Embedded = true;
    skinner->AttachWindow(child, SkinData, Form, SharedCanvas);
    UpDown = skinner;
    UpDown->FreeNotification(this);
}

bool TSkinEdit::BeforeMessage(TMessage& m) {
    if (m.Msg != WM_PRINT || !m.WParam) return TSkinControl::BeforeMessage(m);
    // The edit leaves its clipping on the DC it printed into: the border is
    // drawn on the DC as the caller gave it.
    HDC dc = reinterpret_cast<HDC>(m.WParam);
    const int saved = SaveDC(dc);
    CallPrevious(m);
    RestoreDC(dc, saved);
    PrintBorder(dc);
    return false;
}

void TSkinEdit::AfterMessage(TMessage& m) {
    switch (m.Msg) {
    case WM_PAINT:
        // A paint into a given DC (a print of the client area) has no border.
        if (!m.WParam) PaintWindow(nullptr);
        break;
    case WM_NCPAINT:
        // The platform has just drawn its own border again.
        PaintWindow(nullptr);
        break;
    default:
        TSkinControl::AfterMessage(m);
        break;
    }
}

void TSkinEdit::PaintSkin(HDC dc, const RECT& rect) {
    if (!UpDown) FindUpDown();
    if (!HasBorder(Handle, 0)) return;
    TBrushHandle shadow(CreateSolidBrush(SkinRGB(SkinData ? SkinData->ButtonShadow : clBtnShadow)));
    RECT r = rect;
    FrameRect(dc, &r, shadow.Get());
    InflateRect(&r, -1, -1);
    FrameRect(dc, &r, HBRUSH(GetStockObject(WHITE_BRUSH)));
}

void TSkinEdit::PrintBorder(HDC dc) {
    if (!dc || !Handle || !HasBorder(Handle, 2)) return;
    Guarded(
        [&] {
            RECT w{};
            GetWindowRect(Handle, &w);
            RECT r{0, 0, w.right - w.left, w.bottom - w.top};
            TBrushHandle shadow(CreateSolidBrush(SkinRGB(SkinData ? SkinData->ButtonShadow : clBtnShadow)));
            RECT inner = r;
            InflateRect(&inner, -1, -1);
            FrameRect(dc, &inner, HBRUSH(GetCurrentObject(dc, OBJ_BRUSH)));
            FrameRect(dc, &r, shadow.Get());
        },
        TGuardPolicy::gpDrop);
}

} // namespace yq
