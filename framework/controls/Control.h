#pragma once
// TControl: position and size within the parent's client area, alignment,
// visibility, enabled state, colour and font (each optionally taken from
// the parent), cursor, hint, caption, mouse and click events.  A control's
// messages all pass its message method WindowProc, which by default runs
// them through the ordered hooks of MessageHooks() (MessageHook.h; the way
// for several parties to take the method over and give it back in any
// order) and then WndProc.  WndProc hands each to a named handler, the
// rest to DefaultHandler.  Replacing WindowProc itself (save, replace, put
// the saved value back) works for a single party.  Setters tell the control what
// changed through CM_* notifications (Messages.h) that derived controls
// react to by overriding the matching virtual handler.
#include "Canvas.h"
#include "Component.h"
#include "DragDrop.h"
#include "MessageHook.h"
#include "Messages.h"

#include <functional>
#include <string>
#include <vector>

namespace yq {

using TWndMethod = std::function<void(TMessage&)>;
using TNotifyEvent = std::function<void(TComponent* sender)>;

enum class TMouseButton { mbLeft, mbRight, mbMiddle };
enum TShiftStateBits : unsigned {
    ssShift = 1,
    ssAlt = 2,
    ssCtrl = 4,
    ssLeft = 8,
    ssRight = 16,
    ssMiddle = 32,
    ssDouble = 64
};
using TShiftState = unsigned;
using TMouseEvent =
    std::function<void(TComponent* sender, TMouseButton button, TShiftState shift, int x, int y)>;
using TMouseMoveEvent = std::function<void(TComponent* sender, TShiftState shift, int x, int y)>;
using TKeyEvent = std::function<void(TComponent* sender, WORD& key, TShiftState shift)>;
using TKeyPressEvent = std::function<void(TComponent* sender, wchar_t& key)>;
// mousePos: client coordinates, (-1, -1) from the keyboard; handled starts
// false, true stops the request from going on to the parent.
using TContextPopupEvent = std::function<void(TComponent* sender, POINT mousePos, bool& handled)>;

// Shift state of a mouse message's WParam, and of the keyboard now.
TShiftState MouseShiftState(WPARAM keys);
TShiftState KeyboardShiftState();

enum class TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient };
enum class TAlignment { taLeftJustify, taRightJustify, taCenter };

// Cursor numbers: negative ones are the system cursors, positive ones are
// registered by the program in Screen().SetCursors.
using TCursor = int;
constexpr TCursor crDefault = 0, crNone = -1, crArrow = -2, crCross = -3, crIBeam = -4, crSizeNESW = -6,
                  crSizeNS = -7, crSizeNWSE = -8, crSizeWE = -9, crUpArrow = -10, crHourGlass = -11,
                  crDrag = -12, crNoDrop = -13, crHSplit = -14, crVSplit = -15, crNo = -18, crAppStart = -19,
                  crHelp = -20, crHandPoint = -21, crSizeAll = -22;

// ControlStyle bits.
enum TControlStyleBits : unsigned {
    csAcceptsControls = 1,   // may be a parent
    csCaptureMouse = 2,      // captures the mouse while a button is held on it
    csClickEvents = 4,       // a press and release on it is a click
    csOpaque = 8,            // paints its whole area: no background erase
    csDoubleClicks = 16,     // its window class asks for double clicks
    csSetCaption = 32,       // a designer would give it its name as caption
    csParentBackground = 64, // shows the parent's background
};

class TWinControl;
class TForm;

class TControl : public TComponent {
    YQ_CLASS(TControl, TComponent)
public:
    explicit TControl(TComponent* owner = nullptr);
    ~TControl() override;

    TWinControl* Parent() const { return parent_; }
    virtual void SetParent(TWinControl* parent);
    // The form the control lies on (walking up the parents); may be itself.
    TForm* ParentForm() const;

    int Left() const { return left_; }
    int Top() const { return top_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    void SetLeft(int v) { SetBounds(v, top_, width_, height_); }
    void SetTop(int v) { SetBounds(left_, v, width_, height_); }
    void SetWidth(int v) { SetBounds(left_, top_, v, height_); }
    void SetHeight(int v) { SetBounds(left_, top_, width_, v); }
    virtual void SetBounds(int left, int top, int width, int height);
    RECT BoundsRect() const { return {left_, top_, left_ + width_, top_ + height_}; }
    void SetBoundsRect(const RECT& r) { SetBounds(r.left, r.top, r.right - r.left, r.bottom - r.top); }
    // The client area in the control's own coordinates.
    virtual RECT ClientRect() const { return {0, 0, width_, height_}; }
    int ClientWidth() const { return ClientRect().right; }
    int ClientHeight() const { return ClientRect().bottom; }
    virtual void SetClientSize(int width, int height);
    // Screen position of the client area's top-left corner.
    virtual POINT ClientOrigin() const;
    POINT ClientToScreen(POINT p) const;
    POINT ScreenToClient(POINT p) const;

    TAlign Align() const { return align_; }
    void SetAlign(TAlign align);

    bool Visible() const { return visible_; }
    virtual void SetVisible(bool visible);
    void Show() { SetVisible(true); }
    void Hide() { SetVisible(false); }
    // Visible, and every parent showing.
    virtual bool Showing() const;

    bool Enabled() const { return enabled_; }
    virtual void SetEnabled(bool enabled);

    TColor Color() const { return color_; }
    void SetColor(TColor color);
    bool ParentColor() const { return parentColor_; }
    void SetParentColor(bool parentColor);

    TFont& Font() { return font_; }
    const TFont& Font() const { return font_; }
    TFont* FontPtr() const { return const_cast<TFont*>(&font_); }
    void SetFont(const TFont& font) { font_.Assign(font); }
    bool ParentFont() const { return parentFont_; }
    void SetParentFont(bool parentFont);

    TCursor Cursor() const { return cursor_; }
    void SetCursor(TCursor cursor);

    const std::wstring& Hint() const { return hint_; }
    void SetHint(const std::wstring& hint) { hint_ = hint; }
    bool ShowHint() const { return showHint_; }
    void SetShowHint(bool show) { showHint_ = show; }
    // Help context number for context help (0: none); Application().HelpContext
    // shows it.
    int HelpContext() const { return helpContext_; }
    void SetHelpContext(int context) { helpContext_ = context; }

    // The caption (window text of windowed controls); SetCaption sends
    // WM_SETTEXT and then CM_TEXTCHANGED through the message method.
    const std::wstring& Caption() const { return caption_; }
    void SetCaption(const std::wstring& caption);
    const std::wstring& Text() const { return caption_; }
    void SetText(const std::wstring& text) { SetCaption(text); }
    // The text diagnostic tools read (Inspect.h): the caption, unless the
    // control shows something else.
    virtual std::wstring InspectText() const { return caption_; }

    unsigned ControlStyle = csCaptureMouse | csClickEvents | csSetCaption | csDoubleClicks;

    // Windowed: the window's capture; windowless: the parent captures for it.
    bool MouseCapture() const;
    void SetMouseCapture(bool capture);

    TNotifyEvent OnClick;
    TNotifyEvent OnDblClick;
    TMouseEvent OnMouseDown;
    TMouseEvent OnMouseUp;
    TMouseMoveEvent OnMouseMove;
    TNotifyEvent OnMouseEnter;
    TNotifyEvent OnMouseLeave;
    TNotifyEvent OnResize;
    TContextPopupEvent OnContextPopup;

    // Drag and drop (DragDrop.h).  DragCursor: the pointer a drag from this
    // control shows over a target that accepts.
    TCursor DragCursor() const { return dragCursor_; }
    void SetDragCursor(TCursor cursor) { dragCursor_ = cursor; }
    TDragOverEvent OnDragOver;
    TDragDropEvent OnDragDrop;
    TEndDragEvent OnEndDrag;
    // A drag from `source` passes over the control at a client point:
    // accepted only through OnDragOver, whose handler decides.
    virtual void DragOver(TComponent* source, int x, int y, TDragState state, bool& accept);
    // The drop: raises OnDragDrop.
    virtual void DragDrop(TComponent* source, int x, int y);

    TWndMethod WindowProc;
    LRESULT Perform(UINT msg, WPARAM wp = 0, LPARAM lp = 0);
    TMessageHookChain& MessageHooks() { return hooks_; }

    virtual void Invalidate();
    virtual void Update();
    void Repaint();
    void Refresh() { Repaint(); }
    // Draws the control on `dc` with its top-left corner at (x, y) of the
    // DC's current coordinates, children included, without the screen.
    virtual void PaintTo(HDC dc, int x, int y);

    // The click: raises OnClick.  Called for a press and release on the
    // control; callers (skinners, keys) may call it directly.
    virtual void Click();

protected:
    virtual void WndProc(TMessage& message);
    virtual void DefaultHandler(TMessage& message);

    virtual void DblClick();
    virtual void MouseDown(TMouseButton button, TShiftState shift, int x, int y);
    virtual void MouseMove(TShiftState shift, int x, int y);
    virtual void MouseUp(TMouseButton button, TShiftState shift, int x, int y);
    virtual void Resize();
    // A context menu request (right click, menu key); raises OnContextPopup.
    virtual void DoContextPopup(POINT mousePos, bool& handled);
    // A drag from this control ended over `target` (none: refused or
    // cancelled); raises OnEndDrag.
    virtual void DoEndDrag(TComponent* target, int x, int y);

    // Notifications; each default is cheap and most repaint.
    virtual void CMMouseEnter(TMessage& message);
    virtual void CMMouseLeave(TMessage& message);
    virtual void CMEnabledChanged(TMessage& message);
    virtual void CMVisibleChanged(TMessage& message);
    virtual void CMTextChanged(TMessage& message);
    virtual void CMFontChanged(TMessage& message);
    virtual void CMColorChanged(TMessage& message);
    virtual void CMParentColorChanged(TMessage& message);
    virtual void CMParentFontChanged(TMessage& message);
    virtual void CMSysColorChange(TMessage& message);
    virtual void CMCursorChanged(TMessage& message);
    virtual void CMFocusChanged(TMessage& message);
    virtual void CMDialogKey(TMessage& message);
    virtual void CMDialogChar(TMessage& message);
    virtual void CMHitTest(TMessage& message);

    // The parent's alignment must be redone (this control's place or size
    // changed).
    void RequestAlign();
    bool IsWindowed() const { return windowed_; }
    void SetCaptionField(std::wstring caption) { caption_ = std::move(caption); }

    TWinControl* parent_ = nullptr;
    int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
    TAlign align_ = TAlign::alNone;
    bool visible_ = true;
    bool enabled_ = true;
    TColor color_ = clWindow;
    bool parentColor_ = false;
    TFont font_;
    bool parentFont_ = true;
    TCursor cursor_ = crDefault;
    TCursor dragCursor_ = crDrag;
    std::wstring hint_;
    bool showHint_ = false;
    int helpContext_ = 0;
    std::wstring caption_;
    bool windowed_ = false;

private:
    friend class TWinControl;
    using Handler = void (TControl::*)(TMessage&);
    static Handler FindHandler(UINT msg);
    void WMMouseDown(TMessage& m);
    void WMMouseDblClk(TMessage& m);
    void WMMouseUp(TMessage& m);
    void WMMouseMove(TMessage& m);
    void WMSetText(TMessage& m);
    void WMCancelMode(TMessage& m);
    void FontChanged();
    bool clicked_ = false;
    bool syncingParentFont_ = false;
    TMessageHookChain hooks_;
};

} // namespace yq
