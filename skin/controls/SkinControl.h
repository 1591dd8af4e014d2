#pragma once
// TSkinControl: the base of every control skinner.  A skinner takes one
// control's messages over and paints it, wholly or in part, from the skin.
// It serves one of three kinds of control:
//   - a framework windowed control (AttachControl): a message hook on the
//     control's message method; the control owns the skinner;
//   - a bare window no framework object owns (AttachWindow): a subclass of
//     its window procedure; the form skinner frees the skinner;
//   - a windowless framework control (AttachGraphicControl): a message hook
//     as for a windowed one, without a window handle.
// Every message passes SkinWndProc: BeforeMessage decides whether the
// control sees it, AfterMessage reacts to what the control did.  Freeing
// the skinner gives the control its message handling back.
#include "Component.h"
#include "GdiObjects.h"
#include "Graphics.h"
#include "MessageHook.h"
#include "Subclass.h"

#include <cstdint>
#include <memory>
#include <string>

#include <windows.h>

namespace yq {

class TCanvas;
class TControl;
class TWinControl;
class TSkinData;
class TWinSkinForm;
class TDataSkinObject;

// MouseState bits.
enum TSkinMouseBits : std::uint8_t { msHot = 1, msPressed = 2 };

// State of a skinner.
enum class TSkinControlState : int { scNew = 0, scAttached = 1, scUnskinned = 2, scWindowDestroyed = 6 };

class TSkinControl : public TComponent {
    YQ_CLASS(TSkinControl, TComponent)
public:
    explicit TSkinControl(TComponent* owner = nullptr);
    ~TSkinControl() override;

    // The owner is the framework windowed control served.
    virtual void AttachControl(TWinSkinForm* form, TSkinData* skin, bool useSkinColour, TCanvas* canvas);
    virtual void AttachWindow(HWND window, TSkinData* skin, TWinSkinForm* form, TCanvas* canvas);
    // The owner is the windowless control served.  True when the form had
    // the skinner registered already.
    bool AttachGraphicControl(TWinSkinForm* form, TSkinData* skin, TCanvas* canvas);
    virtual void Unskin();
    // True: the control gets the message, then AfterMessage; false: handled.
    virtual bool BeforeMessage(TMessage& message);
    virtual void AfterMessage(TMessage& message);
    // Paints now on dc, or on the window's whole-window DC when dc is null.
    virtual void PaintWindow(HDC dc);
    virtual void PaintSkin(HDC dc, const RECT& rect);
    virtual void UpdateSkin();
    virtual bool IsSkinnable() { return true; }

    // The message pipeline; public for the form skinner's own calls.
    void SkinWndProc(TMessage& message);
    // What the control would do with a message it has not seen.
    void CallPrevious(TMessage& message);
    // Invalidates the control (or the window, erasing, updated at once).
    void Redraw();

    std::uint8_t MouseState = 0;
    TCanvas* SharedCanvas = nullptr;
    bool Enabled = true;
    bool Focused = false;
    std::wstring Caption;
    bool SkinEnabled = true;
    TSkinData* SkinData = nullptr;
    HWND Handle = nullptr;
    TWinControl* Control = nullptr;
    RECT WindowRect{};
    TControl* GraphicControl = nullptr;
    bool UseSkinColour = false;
    TColor SavedColour = 0;
    bool Attached = false;
    TSkinControlState State = TSkinControlState::scNew;
    TWinSkinForm* Form = nullptr;

    bool Hot() const { return (MouseState & msHot) != 0; }
    bool Pressed() const { return (MouseState & msPressed) != 0; }
    // The framework control served, windowed or not (nullptr for a bare window).
    TControl* Served() const;
    // A message method or window procedure is taken over.
    bool Intercepting() const { return hook_ || subclass_; }

protected:
    // WM_PAINT taken over: paint on wParam's DC or in a paint of our own.
    void HandlePaint(TMessage& message);
    void FillFace(HDC dc, const RECT& rect) const;
    void FillParentColour(HDC dc, const RECT& rect) const;
    void SetMouseBit(std::uint8_t bit, bool on);
    // Takes the owner's message method over and registers with the form;
    // true when the form had this skinner already.
    bool HookServed(TControl& control, TWinSkinForm* form);
    // Serves a framework windowed control: the skin, the shared canvas, the
    // control and its window kept, its messages taken over.
    void HookControl(TWinControl& control, TSkinData* skin, TWinSkinForm* form, TCanvas* canvas);
    // The skin colour on the served control (the saved one back on Unskin).
    void ApplySkinColour();
    void RestoreColour();
    // Gives the control its message handling back.
    void ReleaseHooks();

private:
    // False once the skinner is freed: a message it passed on may run a
    // modal loop (the platform's scroll tracking) in which it is freed.
    std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
    std::unique_ptr<TMessageHook> hook_;
    std::unique_ptr<TWindowSubclass> subclass_;
    bool savedParentColour_ = false;
    bool savedDoubleBuffered_ = false;
};

// Frame k of n of a skin object (horizontal frames) nine-sliced into r,
// its centre tiled when the object's Tile is 1, transparent when its Trans
// is 1.  Nothing for an inverted rectangle.
void DrawSkinPart(HDC dc, const RECT& r, int n, int k, const TDataSkinObject& object);
// "||" becomes a line break; word-wrapped text in the DC's font and text
// colour, centred (DT_CENTER) or placed by `alignment` and moved up one pixel.
void DrawButtonCaption(HDC dc, const RECT& r, UINT alignment, const std::wstring& text);
// The text with every "||" replaced by CR LF.
std::wstring ButtonCaptionText(const std::wstring& text);
// The colour of a skin or framework colour value as GDI takes it.
COLORREF SkinRGB(TColor colour);

// The one off-screen picture the status bar, the chunked progress bar and
// the menu bar share, only within one paint.
class TBitmap;
TBitmap& ScratchBitmap();

} // namespace yq
