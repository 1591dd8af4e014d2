#pragma once
// TWinSkinForm: the skinner of one top-level window (a framework form or a
// bare window such as a message box).  It takes the window's messages over
// (a message hook on a framework form, a subclass on a bare window), gives
// the window a non-client area of the skin's border sizes, paints borders,
// caption text and caption buttons from the skin, tracks the mouse over
// the caption buttons, opens its own system menu and cuts the window to
// the shape of its transparent border pixels.  UnskinWindow gives the
// window back its procedure, styles, frame and rectangle.
//
// On WM_SKINSTART it gives the window's controls their skinners (the
// dispatch, skin/dispatch/); unskinning frees them again.
//
// State: 0 created, 1 skinned, 3 skin change running, 4 unskinning,
// 5 first resize running, 6 window destroyed (the manager frees it).
#include "Bitmap.h"
#include "Canvas.h"
#include "CaptionButtons.h"
#include "Component.h"
#include "GdiObjects.h"
#include "NCObject.h"

#include <memory>
#include <string>
#include <vector>

#include <windows.h>

namespace yq {

class TForm;
class TSkinData;
class TDataSkinObject;
class TDataSkinBorder;
class TTimer;
class TPopupMenu;
class TMessageHook;
class TWindowSubclass;
class TSkinControl;
class TControl;
class TToolBar;
class TToolButton;
class TWinSkinMenu;
class TMenuBtn;
struct TMessage;
struct TSkinnedWindow;

enum class TSkinFormState : std::uint8_t {
    Created = 0,
    Skinned = 1,
    Changing = 3,
    Unskinning = 4,
    FirstResize = 5,
    Destroyed = 6
};
enum class TFrameKind : std::uint8_t { Sizeable = 0, Fixed = 1, NoCaption = 2, DialogFrame = 3 };
enum class TMdiKind : std::uint8_t { Ordinary = 0, MdiFrame = 1, MdiChild = 2 };
enum class TSkinWindowState : std::uint8_t { Normal = 0, Maximized = 1, Minimized = 2 };

// Bits of CaptionButtons.
enum TCaptionButtonBits : unsigned {
    cbMaximize = 1,
    cbMinimize = 2,
    cbSystemMenu = 8,
    cbCaptionRemoved = 16
};

class TWinSkinForm : public TComponent {
    YQ_CLASS(TWinSkinForm, TComponent)
public:
    explicit TWinSkinForm(TComponent* owner = nullptr);
    ~TWinSkinForm() override;

    // Framework forms: takes the form's message method over, then SkinWindow.
    void SkinForm(TSkinData* skin, TForm* form);
    // Attaches to Handle (set by the manager first).
    void SkinWindow(TSkinData* skin);
    void UnskinWindow();
    void ClearSysButtons();
    void BuildSysButtons();
    void SkinChanged();
    void SetCaptionStyles(bool on);
    void UpdateRegion();
    void DropRegion();
    static void Repaint(HWND window);

    HWND Handle = nullptr;
    TForm* Form = nullptr;
    TSkinData* SkinData = nullptr;
    TSkinFormState State = TSkinFormState::Created;
    TFrameKind FrameKind = TFrameKind::Fixed;
    TMdiKind MdiKind = TMdiKind::Ordinary;
    TSkinWindowState WindowState = TSkinWindowState::Normal;
    bool IsActive = false;
    unsigned CaptionButtons = 0;
    bool FrameSkinned = false;
    bool RightToLeft = false;
    bool UnicodeWindow = true;
    bool IsDialogClass = false;
    DWORD OriginalStyle = 0;
    int BorderLeft = 0, BorderTop = 0, BorderRight = 0, BorderBottom = 0;
    int MenuHeight = 0;
    int OriginalNcWidth = 0, OriginalNcHeight = 0;
    RECT SavedClientRect{};
    std::vector<std::unique_ptr<TWinSysButton>> SysButtons;
    TNCObject* HotObject = nullptr;
    HMENU NativeSystemMenu = nullptr;
    bool HadMenuBar = false; // a menu bar when attached: its items are measured and drawn here
    TBitmap IconPicture;
    TBitmap CaptionBuffer;
    RECT CaptionTextRect{};
    HRGN Region() const { return region_.Get(); }
    TPopupMenu* SystemMenu() const { return systemMenu_; }
    bool HoverTimerEnabled() const;

    // Painting, for the frame's objects and tests.
    void PaintFrame();
    void PaintCaption();
    // The whole frame drawn into `dc` as it appears at window size w x h.
    void PaintFrameTo(HDC dc, int w, int h);
    // What the caption buttons' visibility rules see now.
    TCaptionFacts Facts() const;
    bool ButtonVisible(const TWinSysButton& button) const;
    void ShowSystemMenu(POINT screen);
    void PerformAction(int action);

    // The menu bar (skin/menus/): made at attach when the window has a
    // platform menu bar and xcMainMenu is set; the window keeps no platform
    // menu while it exists.  MenuTracking: a drop-down of the bar is open.
    std::unique_ptr<TWinSkinMenu> MenuBar;
    HMENU OpenDropDown = nullptr;
    bool MenuTracking() const { return menuTracking_; }
    // Opens the button's drop-down and returns once no drop-down of the bar
    // is open any more (moving along the bar included); true when one was.
    bool OpenMenuButton(TMenuBtn* button);
    // Asks for the button's drop-down through a press on it.
    void SwitchToButton(const TMenuBtn* button);
    TMenuBtn* FindAccelButton(wchar_t character) const;
    void MenuAccelerator(TMessage& m);
    void EndMenuTracking() { menuTracking_ = false; }
    // An MDI frame's active child when it is maximised, else null.
    HWND MaximizedMdiChild() const;

    // Control skinners.  The list holds every skinner of the window's
    // controls; a skinner registers itself when attached and leaves when
    // freed.  HotButton is the button skinner that last became hot.
    std::vector<TSkinControl*> SkinControlList;
    TCanvas SharedCanvas;
    TSkinControl* HotButton = nullptr;
    // True when the skinner was registered already.
    bool AddSkinControl(TSkinControl* skinner);
    void RemoveSkinControl(TSkinControl* skinner);
    TSkinControl* FindSkinControlByHandle(HWND window) const;
    // Unskin, then free every control skinner.
    void ReleaseSkinControls();
    // Frees the skinners whose window is gone.
    void FreeDeadSkinControls();

    // The dispatch (skin/dispatch/).  Each answers the class name of the
    // skinner it chose ("" for none), whether or not that skinner exists yet.
    void SkinChildControls(TComponent* container);
    std::string SkinControl(TControl* control, TComponent* parent);
    std::string SkinChildWindow(HWND window);
    bool IsSkinned(const TControl* control) const;
    static bool IsScrollingHost(TControl* control);
    bool ApplySkin3rd(const std::string& className, TControl* control);

private:
    void ColourOwnedFormsAndGrids();
    friend class TWinSysButton;
    void HandleMessage(TMessage& m);
    void CallPrevious(TMessage& m);
    bool HandlesNonClient() const;
    TSkinnedWindow SkinnedWindow() const; // what the menu messages need of it
    bool Minimized() const { return WindowState == TSkinWindowState::Minimized; }
    bool FrameSuppressed() const;
    void ReadBorderSizes();
    void MakeIconPicture();
    void BuildSystemMenu();
    void FirstResize();
    void LayoutButtons(int w);
    int FrameIndexOf(const TDataSkinObject& border) const;
    using TBorderPiece = std::unique_ptr<TBitmap>;
    TBorderPiece BuildBorder(const TDataSkinBorder* border, const RECT& r, bool vertical) const;
    void BuildCaptionBuffer(int w, int h);
    void BuildCaptionBuffer(int w, const TBitmap* left, const TBitmap* right);
    void ComposeCaption(int w);
    void DrawCaptionText(HDC dc, int w);
    TNCObject* ObjectAt(POINT window) const;
    POINT WindowPoint(LPARAM screen) const;
    void RefreshWindowState();
    void HoverCheck();
    void Maximize();
    void Restore();
    void Minimize();
    void Close();
    bool OnCommandMessage(TMessage& m);

    // Message handlers (WinSkinFormMessages.cpp).
    void WMNCCalcSize(TMessage& m);
    void WMNCPaint(TMessage& m);
    void WMNCActivate(TMessage& m);
    void WMNCHitTest(TMessage& m);
    void WMNCMouseMove(TMessage& m);
    void WMNCLButtonDown(TMessage& m);
    void WMNCLButtonUp(TMessage& m);
    void WMNCLButtonDblClk(TMessage& m);
    void WMNCRButtonDown(TMessage& m);
    void WMSize(TMessage& m);
    void WMGetMinMaxInfo(TMessage& m);
    void WMSysCommand(TMessage& m);
    void WMSkinStart(TMessage& m);
    // The menu bar (WinSkinFormMenu.cpp).
    void CreateMenuBar();
    void FreeMenuBar();
    void CMMenuChanged(TMessage& m);
    void WMMenuSelect(TMessage& m);
    bool KeyMenuFilter(TMessage& m);
    void KeyboardMenuMode();
    void ShowChildSystemMenu(HWND child);
    void PressObject(TNCObject* object);
    void SkinControls();
    void ResetHotButton(bool always);

    // The dispatch's parts (skin/dispatch/).
    std::string ApplySkin3rdKind(const std::string& className, TControl* control, bool& found);
    std::string ApplyKind(const std::string& kind, TControl* control);
    std::string ApplyRules(const std::string& className, TControl* control);
    std::string ApplyFrameworkEvent(const std::string& className, TControl* control, TComponent* parent,
                                    bool& handled);
    // Makes and attaches the named skinner for a framework control (nothing
    // for kinds not built); answers the name.
    std::string Attach(const std::string& skinner, TControl* control, bool colour);
    std::string AttachToWindow(const std::string& skinner, HWND window);
    void PaintToolBars(TToolBar* bar);
    void Notification(TComponent* component, TOperation operation) override;
    std::vector<TToolBar*> paintedToolBars_;

    // The MDI frame's client window (WinSkinFormMdi.cpp).
    void AttachMdiClient();
    void DetachMdiClient();
    void HandleClientMessage(TMessage& m);
    void SkinNewChild();
    void RecheckMdiMaximized();

    std::unique_ptr<TMessageHook> formHook_;
    std::unique_ptr<TWindowSubclass> subclass_;
    std::unique_ptr<TWindowSubclass> mdiClient_;
    HWND newChild_ = nullptr; // made by the MDI client, not yet skinned
    TTimer* hoverTimer_ = nullptr;
    TPopupMenu* systemMenu_ = nullptr;
    TRegionHandle region_;
    SIZE regionSize_{};
    TFontHandle captionFont_;
    TColor savedColour_ = 0;
    int rightButtonsLeft_ = 0;
    DWORD lastMenuTick_ = 0;
    bool started_ = false;
    bool menuTracking_ = false;
    bool menuChangedWhileTracking_ = false;
};

} // namespace yq
