#include "WinControl.h"

#include "Form.h"

#include <iterator>

namespace yq {

YQ_PUBLISHED(TControl, TComponent) {
    r.Int("Left", &TControl::Left, &TControl::SetLeft);
    r.Int("Top", &TControl::Top, &TControl::SetTop);
    r.Int("Width", &TControl::Width, &TControl::SetWidth);
    r.Int("Height", &TControl::Height, &TControl::SetHeight);
    r.Enum("Align", &TControl::Align, &TControl::SetAlign,
           {"alNone", "alTop", "alBottom", "alLeft", "alRight", "alClient"});
    r.Bool("Visible", &TControl::Visible, &TControl::SetVisible);
    r.Bool("Enabled", &TControl::Enabled, &TControl::SetEnabled);
    r.Int("Color", &TControl::Color, &TControl::SetColor);
    r.Bool("ParentColor", &TControl::ParentColor, &TControl::SetParentColor);
    r.Object("Font", &TControl::FontPtr);
    r.Bool("ParentFont", &TControl::ParentFont, &TControl::SetParentFont);
    r.Int("Cursor", &TControl::Cursor, &TControl::SetCursor);
    r.WStr("Hint", &TControl::Hint, &TControl::SetHint);
    r.Bool("ShowHint", &TControl::ShowHint, &TControl::SetShowHint);
    r.Int("HelpContext", &TControl::HelpContext, &TControl::SetHelpContext);
    r.WStr("Caption", &TControl::Caption, &TControl::SetCaption);
    r.WStr("Text", &TControl::Text, &TControl::SetText);
}

TShiftState MouseShiftState(WPARAM keys) {
    TShiftState s = 0;
    if (keys & MK_SHIFT) s |= ssShift;
    if (keys & MK_CONTROL) s |= ssCtrl;
    if (keys & MK_LBUTTON) s |= ssLeft;
    if (keys & MK_RBUTTON) s |= ssRight;
    if (keys & MK_MBUTTON) s |= ssMiddle;
    if (GetKeyState(VK_MENU) < 0) s |= ssAlt;
    return s;
}

TShiftState KeyboardShiftState() {
    TShiftState s = 0;
    if (GetKeyState(VK_SHIFT) < 0) s |= ssShift;
    if (GetKeyState(VK_CONTROL) < 0) s |= ssCtrl;
    if (GetKeyState(VK_MENU) < 0) s |= ssAlt;
    return s;
}

TControl::TControl(TComponent* owner) : TComponent(owner), hooks_([this](TMessage& m) { WndProc(m); }) {
    WindowProc = [this](TMessage& m) { hooks_.Dispatch(m); };
    font_.OnChange = [this] { FontChanged(); };
}

TControl::~TControl() {
    MarkDestroying();
    DestroyComponents();
    SetParent(nullptr);
}

TForm* TControl::ParentForm() const {
    const TControl* c = this;
    while (c->parent_)
        c = c->parent_;
    return dynamic_cast<TForm*>(const_cast<TControl*>(c));
}

void TControl::SetParent(TWinControl* parent) {
    if (parent == parent_) return;
    if (parent == this) throw std::invalid_argument("A control cannot be its own parent");
    if (parent_) parent_->RemoveControl(this);
    if (parent) parent->InsertControl(this);
}

void TControl::SetBounds(int left, int top, int width, int height) {
    if (width < 0) width = 0;
    if (height < 0) height = 0;
    if (left == left_ && top == top_ && width == width_ && height == height_) return;
    bool resized = width != width_ || height != height_;
    if (parent_ && !windowed_) parent_->Invalidate(); // old place
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
    if (!windowed_) Invalidate(); // new place
    RequestAlign();
    if (resized) Resize();
}

void TControl::SetClientSize(int width, int height) {
    RECT c = ClientRect();
    SetBounds(left_, top_, width_ + width - c.right, height_ + height - c.bottom);
}

POINT TControl::ClientOrigin() const {
    if (!parent_) return {left_, top_};
    POINT p = parent_->ClientOrigin();
    return {p.x + left_, p.y + top_};
}

POINT TControl::ClientToScreen(POINT p) const {
    POINT o = ClientOrigin();
    return {p.x + o.x, p.y + o.y};
}

POINT TControl::ScreenToClient(POINT p) const {
    POINT o = ClientOrigin();
    return {p.x - o.x, p.y - o.y};
}

void TControl::RequestAlign() {
    if (parent_ && align_ != TAlign::alNone && !Destroying()) parent_->Realign();
}

void TControl::SetAlign(TAlign align) {
    if (align == align_) return;
    TAlign old = align_;
    align_ = align;
    if (old != TAlign::alNone && align == TAlign::alNone) return;
    RequestAlign();
}

void TControl::SetVisible(bool visible) {
    if (visible == visible_) return;
    if (!visible && !windowed_) Invalidate(); // area it leaves
    visible_ = visible;
    Perform(CM_VISIBLECHANGED, visible ? 1 : 0);
    if (parent_ && align_ != TAlign::alNone) parent_->Realign();
}

bool TControl::Showing() const {
    return visible_ && parent_ && parent_->Showing();
}

void TControl::SetEnabled(bool enabled) {
    if (enabled == enabled_) return;
    enabled_ = enabled;
    Perform(CM_ENABLEDCHANGED);
}

void TControl::SetColor(TColor color) {
    if (color == color_) {
        parentColor_ = false;
        return;
    }
    color_ = color;
    parentColor_ = false;
    Perform(CM_COLORCHANGED);
}

void TControl::SetParentColor(bool parentColor) {
    if (parentColor == parentColor_) return;
    parentColor_ = parentColor;
    if (parentColor_ && parent_) Perform(CM_PARENTCOLORCHANGED);
}

void TControl::SetParentFont(bool parentFont) {
    if (parentFont == parentFont_) return;
    parentFont_ = parentFont;
    if (parentFont_ && parent_) Perform(CM_PARENTFONTCHANGED);
}

void TControl::FontChanged() {
    if (!syncingParentFont_) parentFont_ = false;
    Perform(CM_FONTCHANGED);
}

void TControl::SetCursor(TCursor cursor) {
    if (cursor == cursor_) return;
    cursor_ = cursor;
    Perform(CM_CURSORCHANGED);
}

void TControl::SetCaption(const std::wstring& caption) {
    if (caption == caption_) return;
    Perform(WM_SETTEXT, 0, reinterpret_cast<LPARAM>(caption.c_str()));
    Perform(CM_TEXTCHANGED);
}

bool TControl::MouseCapture() const {
    if (windowed_) {
        auto* self = static_cast<const TWinControl*>(this);
        return self->HandleAllocated() && GetCapture() == self->hwnd_;
    }
    return parent_ && parent_->captureControl_ == this && parent_->MouseCapture();
}

void TControl::SetMouseCapture(bool capture) {
    if (capture == MouseCapture()) return;
    if (windowed_) {
        auto* self = static_cast<TWinControl*>(this);
        if (capture)
            SetCapture(self->Handle());
        else
            ReleaseCapture();
        return;
    }
    if (!parent_) return;
    if (capture) {
        parent_->captureControl_ = this;
        SetCapture(parent_->Handle());
    } else {
        parent_->captureControl_ = nullptr;
        ReleaseCapture();
    }
}

LRESULT TControl::Perform(UINT msg, WPARAM wp, LPARAM lp) {
    TMessage m{msg, wp, lp, 0};
    WindowProc(m);
    return m.Result;
}

void TControl::Invalidate() {
    if (!parent_ || !visible_ || !parent_->HandleAllocated() || Destroying()) return;
    RECT r = BoundsRect();
    InvalidateRect(parent_->hwnd_, &r, !(ControlStyle & csOpaque));
}

void TControl::Update() {
    if (parent_) parent_->Update();
}

void TControl::Repaint() {
    Invalidate();
    Update();
}

void TControl::PaintTo(HDC dc, int x, int y) {
    TSavedDC saved(dc);
    POINT org;
    GetWindowOrgEx(dc, &org);
    SetWindowOrgEx(dc, org.x - x, org.y - y, nullptr);
    IntersectClipRect(dc, 0, 0, width_, height_);
    Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc));
}

// ---- messages ---------------------------------------------------------------

TControl::Handler TControl::FindHandler(UINT msg) {
    struct Entry {
        UINT msg;
        Handler handler;
    };
    static constexpr Entry table[] = {
        {WM_LBUTTONDOWN, &TControl::WMMouseDown},
        {WM_RBUTTONDOWN, &TControl::WMMouseDown},
        {WM_MBUTTONDOWN, &TControl::WMMouseDown},
        {WM_LBUTTONDBLCLK, &TControl::WMMouseDblClk},
        {WM_RBUTTONDBLCLK, &TControl::WMMouseDblClk},
        {WM_MBUTTONDBLCLK, &TControl::WMMouseDblClk},
        {WM_LBUTTONUP, &TControl::WMMouseUp},
        {WM_RBUTTONUP, &TControl::WMMouseUp},
        {WM_MBUTTONUP, &TControl::WMMouseUp},
        {WM_MOUSEMOVE, &TControl::WMMouseMove},
        {WM_SETTEXT, &TControl::WMSetText},
        {WM_CANCELMODE, &TControl::WMCancelMode},
        {CM_MOUSEENTER, &TControl::CMMouseEnter},
        {CM_MOUSELEAVE, &TControl::CMMouseLeave},
        {CM_ENABLEDCHANGED, &TControl::CMEnabledChanged},
        {CM_VISIBLECHANGED, &TControl::CMVisibleChanged},
        {CM_TEXTCHANGED, &TControl::CMTextChanged},
        {CM_FONTCHANGED, &TControl::CMFontChanged},
        {CM_COLORCHANGED, &TControl::CMColorChanged},
        {CM_PARENTCOLORCHANGED, &TControl::CMParentColorChanged},
        {CM_PARENTFONTCHANGED, &TControl::CMParentFontChanged},
        {CM_SYSCOLORCHANGE, &TControl::CMSysColorChange},
        {CM_CURSORCHANGED, &TControl::CMCursorChanged},
        {CM_FOCUSCHANGED, &TControl::CMFocusChanged},
        {CM_DIALOGKEY, &TControl::CMDialogKey},
        {CM_DIALOGCHAR, &TControl::CMDialogChar},
        {CM_HITTEST, &TControl::CMHitTest},
    };
    for (const Entry& e : table)
        if (e.msg == msg) return e.handler;
    return nullptr;
}

void TControl::WndProc(TMessage& message) {
    if (Handler h = FindHandler(message.Msg))
        (this->*h)(message);
    else
        DefaultHandler(message);
}

void TControl::DefaultHandler(TMessage& message) {
    message.Result = 0;
}

namespace {
TMouseButton ButtonOf(UINT msg) {
    switch (msg) {
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_RBUTTONDBLCLK:
        return TMouseButton::mbRight;
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
    case WM_MBUTTONDBLCLK:
        return TMouseButton::mbMiddle;
    default:
        return TMouseButton::mbLeft;
    }
}
int XOf(LPARAM lp) {
    return short(LOWORD(lp));
}
int YOf(LPARAM lp) {
    return short(HIWORD(lp));
}
} // namespace

void TControl::WMMouseDown(TMessage& m) {
    DefaultHandler(m);
    TMouseButton button = ButtonOf(m.Msg);
    if (button == TMouseButton::mbLeft) {
        if (ControlStyle & csCaptureMouse) SetMouseCapture(true);
        if (ControlStyle & csClickEvents) clicked_ = true;
    }
    MouseDown(button, MouseShiftState(m.WParam), XOf(m.LParam), YOf(m.LParam));
}

void TControl::WMMouseDblClk(TMessage& m) {
    DefaultHandler(m);
    TMouseButton button = ButtonOf(m.Msg);
    if (button == TMouseButton::mbLeft) {
        if (ControlStyle & csCaptureMouse) SetMouseCapture(true);
        if (ControlStyle & csClickEvents) DblClick();
    }
    MouseDown(button, MouseShiftState(m.WParam) | ssDouble, XOf(m.LParam), YOf(m.LParam));
}

void TControl::WMMouseUp(TMessage& m) {
    DefaultHandler(m);
    TMouseButton button = ButtonOf(m.Msg);
    int x = XOf(m.LParam), y = YOf(m.LParam);
    if (button == TMouseButton::mbLeft) {
        if (ControlStyle & csCaptureMouse) SetMouseCapture(false);
        if (clicked_) {
            clicked_ = false;
            RECT c = ClientRect();
            POINT p{x, y};
            if (PtInRect(&c, p)) Click();
        }
    }
    MouseUp(button, MouseShiftState(m.WParam), x, y);
}

void TControl::WMMouseMove(TMessage& m) {
    DefaultHandler(m);
    MouseMove(MouseShiftState(m.WParam), XOf(m.LParam), YOf(m.LParam));
}

void TControl::WMSetText(TMessage& m) {
    caption_ = m.LParam ? reinterpret_cast<const wchar_t*>(m.LParam) : L"";
    m.Result = TRUE;
}

void TControl::WMCancelMode(TMessage& m) {
    if (MouseCapture()) SetMouseCapture(false);
    clicked_ = false;
    DefaultHandler(m);
}

void TControl::Click() {
    if (OnClick) OnClick(this);
}

void TControl::DblClick() {
    if (OnDblClick) OnDblClick(this);
}

void TControl::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    if (OnMouseDown) OnMouseDown(this, button, shift, x, y);
}

void TControl::MouseMove(TShiftState shift, int x, int y) {
    if (OnMouseMove) OnMouseMove(this, shift, x, y);
}

void TControl::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    if (OnMouseUp) OnMouseUp(this, button, shift, x, y);
}

void TControl::Resize() {
    if (OnResize) OnResize(this);
}

void TControl::DoContextPopup(POINT mousePos, bool& handled) {
    if (OnContextPopup) OnContextPopup(this, mousePos, handled);
}

void TControl::CMMouseEnter(TMessage&) {
    if (OnMouseEnter) OnMouseEnter(this);
}

void TControl::CMMouseLeave(TMessage&) {
    if (OnMouseLeave) OnMouseLeave(this);
}

void TControl::CMEnabledChanged(TMessage&) {
    Invalidate();
}

void TControl::CMVisibleChanged(TMessage&) {
    if (visible_) Invalidate();
}

void TControl::CMTextChanged(TMessage&) {
    Invalidate();
}

void TControl::CMFontChanged(TMessage&) {
    Invalidate();
}

void TControl::CMColorChanged(TMessage&) {
    Invalidate();
}

void TControl::CMParentColorChanged(TMessage&) {
    if (!parentColor_ || !parent_) return;
    SetColor(parent_->Color());
    parentColor_ = true;
}

void TControl::CMParentFontChanged(TMessage&) {
    if (!parentFont_ || !parent_) return;
    syncingParentFont_ = true;
    font_.Assign(parent_->Font());
    syncingParentFont_ = false;
}

void TControl::CMSysColorChange(TMessage&) {
    Invalidate();
}

void TControl::CMCursorChanged(TMessage&) {}

void TControl::CMFocusChanged(TMessage&) {}

void TControl::CMDialogKey(TMessage&) {}

void TControl::CMDialogChar(TMessage&) {}

void TControl::CMHitTest(TMessage& m) {
    m.Result = HTCLIENT;
}

} // namespace yq
