#include "CustomControl.h"

#include "Scope.h"

#include <algorithm>
#include <vector>

namespace yq {

namespace {
// Control canvases that hold a DC taken outside painting, freed at idle.
// Never destroyed: canvases of forms freed at exit still sign off.
std::vector<TControlCanvas*>& HeldCanvases() {
    static auto* held = new std::vector<TControlCanvas*>;
    return *held;
}
} // namespace

TControlCanvas::~TControlCanvas() {
    FreeHandle();
}

void TControlCanvas::CreateHandle() {
    TWinControl* window = nullptr;
    POINT offset{0, 0};
    if (auto* w = dynamic_cast<TWinControl*>(&control_)) {
        window = w;
    } else if (control_.Parent()) {
        window = control_.Parent();
        offset = {control_.Left(), control_.Top()};
    }
    if (!window || window->Destroying()) return;
    HWND hwnd = window->Handle();
    HDC dc = GetDCEx(hwnd, nullptr, DCX_CACHE | DCX_CLIPSIBLINGS);
    if (!dc) return;
    if (offset.x || offset.y) {
        SetWindowOrgEx(dc, -offset.x, -offset.y, nullptr);
        IntersectClipRect(dc, 0, 0, control_.Width(), control_.Height());
    }
    window_ = hwnd;
    own_ = dc;
    SetHandle(dc);
    HeldCanvases().push_back(this);
}

void TControlCanvas::FreeHandle() {
    if (!own_) return;
    HDC dc = own_;
    own_ = nullptr;
    if (Handle() == dc) DetachHandle();
    SetWindowOrgEx(dc, 0, 0, nullptr);
    ReleaseDC(window_, dc);
    window_ = nullptr;
    auto& held = HeldCanvases();
    held.erase(std::remove(held.begin(), held.end(), this), held.end());
}

void TControlCanvas::FreeDeviceContexts() {
    for (TControlCanvas* c : std::vector<TControlCanvas*>(HeldCanvases()))
        c->FreeHandle();
}

// ---- TCustomControl ---------------------------------------------------------

YQ_PUBLISHED(TCustomControl, TWinControl) {
    r.Object("Canvas", &TCustomControl::CanvasPtr);
}

TCustomControl::TCustomControl(TComponent* owner) : TWinControl(owner), canvas_(*this) {}

void TCustomControl::Paint() {}

void TCustomControl::PaintWindow(HDC dc) {
    // A DC held from outside painting is given back; the paint DC is used.
    canvas_.FreeHandle();
    canvas_.SetHandle(dc);
    TScopeExit detach([this] { canvas_.SetHandle(nullptr); });
    canvas_.Font().Assign(font_);
    canvas_.Brush().SetColor(color_);
    Paint();
}

// ---- TGraphicControl --------------------------------------------------------

YQ_PUBLISHED(TGraphicControl, TControl) {
    r.Object("Canvas", &TGraphicControl::CanvasPtr);
}

TGraphicControl::TGraphicControl(TComponent* owner) : TControl(owner), canvas_(*this) {}

TGraphicControl::~TGraphicControl() {
    MarkDestroying();
    DestroyComponents();
    canvas_.FreeHandle();
}

void TGraphicControl::Paint() {}

void TGraphicControl::WndProc(TMessage& message) {
    if (message.Msg != WM_PAINT || !message.WParam) {
        TControl::WndProc(message);
        return;
    }
    canvas_.FreeHandle();
    canvas_.SetHandle(reinterpret_cast<HDC>(message.WParam));
    TScopeExit detach([this] { canvas_.SetHandle(nullptr); });
    canvas_.Font().Assign(font_);
    canvas_.Brush().SetColor(color_);
    Paint();
}

void DrawParentImage(TControl& control, HDC dc) {
    TWinControl* parent = control.Parent();
    if (!parent || !parent->HandleAllocated()) return;
    TSavedDC saved(dc);
    POINT org;
    GetWindowOrgEx(dc, &org);
    SetWindowOrgEx(dc, org.x + control.Left(), org.y + control.Top(), nullptr);
    RECT c = parent->ClientRect();
    IntersectClipRect(dc, 0, 0, c.right, c.bottom);
    parent->Perform(WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc));
    parent->Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc));
}

} // namespace yq
