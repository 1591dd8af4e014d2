// TCustomDCGroupBar: the mouse on the captions, hover and pressed looks,
// the hand cursor, drags resting on a caption, the caption editor.
#include "GroupBar.h"

#include "Application.h"
#include "OutBarGroup.h"
#include "OutBarGroupEdit.h"
#include "Screen.h"

namespace yq {

POINT TCustomDCGroupBar::PointerInClient() const {
    POINT p{-1, -1};
    if (GetCursorPos(&p)) p = ScreenToClient(p);
    return p;
}

void TCustomDCGroupBar::WndProc(TMessage& message) {
    switch (message.Msg) {
    case WM_ERASEBKGND:
        for (TDCOutBarGroup* g : groups_)
            if (g->Visible()) {
                message.Result = 1;
                return;
            }
        break;
    case WM_SETCURSOR:
        if (HWND(message.WParam) == Handle() && LOWORD(message.LParam) == HTCLIENT &&
            SetCursorOverCaption()) {
            message.Result = TRUE;
            return;
        }
        break;
    case WM_RBUTTONDOWN:
        HideCaptionEditor();
        break;
    case WM_CANCELMODE:
        CancelCaptionPress();
        break;
    case WM_CAPTURECHANGED:
        // Another window took the mouse during a press on a caption.
        if (message.LParam && HWND(message.LParam) != Handle()) CancelCaptionPress();
        break;
    }
    TCustomControl::WndProc(message);
}

bool TCustomDCGroupBar::SetCursorOverCaption() {
    const POINT p = PointerInClient();
    const int g = GetGroupAt(p.x, p.y);
    if (g < 0 || (CaptionEditorVisible() && editor_->GroupIndex() == g)) return false;
    ::SetCursor(Screen().Cursors(crHandPoint));
    return true;
}

void TCustomDCGroupBar::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    if (button == TMouseButton::mbLeft) {
        const int g = GetGroupAt(x, y);
        if (g >= 0 && groups_[size_t(g)]->Enabled()) {
            pressedIndex_ = g;
            pressedLook_ = true;
            RedrawCaption(g);
        } else {
            pressedLook_ = false;
        }
    }
    TCustomControl::MouseDown(button, shift, x, y);
}

void TCustomDCGroupBar::MouseMove(TShiftState shift, int x, int y) {
    TCustomControl::MouseMove(shift, x, y);
    const int g = GetGroupAt(x, y);
    const bool underEdit = CaptionEditorVisible() && g == editor_->GroupIndex();
    if (underEdit || (g >= 0 && !groups_[size_t(g)]->Enabled())) return;
    if (MouseCapture()) {
        if (pressedIndex_ >= 0 && (pressedLook_ ? g != pressedIndex_ : g == pressedIndex_)) {
            pressedLook_ = !pressedLook_;
            hotIndex_ = g;
            RedrawCaption(pressedIndex_);
        }
        return;
    }
    if (g < 0 || g == hotIndex_) return;
    Application().CancelHint();
    const int previous = hotIndex_;
    hotIndex_ = g;
    if (!hoverTimer_->Enabled()) hoverTimer_->SetEnabled(true);
    if (!(CaptionEditorVisible() && previous == editor_->GroupIndex())) RedrawCaption(previous);
    RedrawCaption(g);
    SetHint(groups_[size_t(g)]->Hint());
}

void TCustomDCGroupBar::HoverTick() {
    const POINT p = PointerInClient();
    if (GetGroupAt(p.x, p.y) >= 0) return;
    hoverTimer_->SetEnabled(false);
    const int previous = hotIndex_;
    hotIndex_ = -1;
    RedrawCaption(previous);
}

void TCustomDCGroupBar::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    if (button == TMouseButton::mbLeft) LeftRelease(x, y);
    TCustomControl::MouseUp(button, shift, x, y);
}

// A caption opens when the button comes up on the caption it went down on.
void TCustomDCGroupBar::LeftRelease(int x, int y) {
    const int p = pressedIndex_;
    pressedLook_ = false;
    pressedIndex_ = -1;
    if (p < 0) return;
    if (GetGroupAt(x, y) != p) {
        RedrawCaption(p);
        return;
    }
    hotIndex_ = -1;
    RedrawCaption(p);
    SetActiveGroupIndex(p);
    const POINT now = PointerInClient();
    Perform(WM_MOUSEMOVE, 0, MAKELPARAM(now.x, now.y));
}

void TCustomDCGroupBar::CancelCaptionPress() {
    if (pressedIndex_ < 0) return;
    const POINT p = PointerInClient();
    LeftRelease(p.x, p.y);
}

// ---- drags ------------------------------------------------------------------

void TCustomDCGroupBar::DragOver(TComponent*, int x, int y, TDragState state, bool& accept) {
    accept = x < ClientWidth() - 1 && y < ClientHeight() - 1;
    if (state == TDragState::dsDragLeave) {
        dragOverTimer_->SetEnabled(false);
        dragOverIndex_ = -1;
        return;
    }
    const int g = GetGroupAt(x, y);
    if (dragOverTimer_->Enabled()) {
        if (g == dragOverIndex_) return;
        dragOverTimer_->SetEnabled(false);
        dragOverIndex_ = g;
    }
    if (g < 0) return;
    dragOverIndex_ = g;
    dragOverTimer_->SetEnabled(true);
}

void TCustomDCGroupBar::DragOverTick() {
    dragOverTimer_->SetEnabled(false);
    const POINT p = PointerInClient();
    const int index = dragOverIndex_;
    dragOverIndex_ = -1;
    if (index >= 0 && GetGroupAt(p.x, p.y) == index) SetActiveGroupIndex(index);
}

// ---- caption editor ---------------------------------------------------------

bool TCustomDCGroupBar::CaptionEditorVisible() const {
    return editor_ && editor_->Visible();
}

void TCustomDCGroupBar::ShowCaptionEditor(int index) {
    const RECT r = CaptionRect(index);
    HideCaptionEditor();
    editor_->StartEdit(index, groups_[size_t(index)]->Caption(), r);
}

void TCustomDCGroupBar::HideCaptionEditor() {
    if (!CaptionEditorVisible()) return;
    if (editor_->Focused()) editor_->Commit();
    editor_->Hide();
}

} // namespace yq
