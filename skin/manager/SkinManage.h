#pragma once
// TSkinManage: the one process-wide object of the skin engine.  A WH_CBT
// hook of the GUI thread shows it every window created, activated and
// destroyed; it decides which windows get a skinner (TWinSkinForm) and
// with which TSkinData, lists the skinners and the registered skin data,
// and carries out the switches TSkinData requests (1 skin on, 2 off,
// 3 skin changed) on a 250 ms timer once the message loop runs.
//
// Lifetime: made by the first TSkinData that is loaded (or switched on),
// freed when the last registered TSkinData goes; freeing removes the hook
// and gives every bare window back its platform look.
#include "WinSkinData.h"

#include <functional>
#include <memory>
#include <vector>

#include <windows.h>

namespace yq {

class TForm;
class TTimer;
class TThreadHook;
class TWinSkinForm;

enum TMenuKind { mkPopup = 0, mkMainMenu = 1, mkSystemMenu = 2 };

enum TSkinAction { saNone = 0, saSkinOn = 1, saSkinOff = 2, saSkinChanged = 3 };
inline constexpr int kPendingActionInterval = 250;

// The skinner of one popup-menu window ("#32768"); made by the menus part
// of the engine through TSkinManage::PopupMenuSkinnerFactory.
class TPopupMenuSkinner {
public:
    virtual ~TPopupMenuSkinner() = default;
    virtual HWND Handle() const = 0;
    // The menu it shows, once known; nullptr before.
    virtual HMENU Menu() const = 0;
    virtual HBITMAP Background() const = 0;
    // Where the window's client area (the items' coordinates) lies in
    // Background.
    virtual POINT ClientOrigin() const = 0;
};
using TPopupMenuSkinnerFactory =
    std::function<std::unique_ptr<TPopupMenuSkinner>(HWND window, TSkinData* skin)>;

class TSkinManage {
public:
    TSkinManage();
    ~TSkinManage();
    TSkinManage(const TSkinManage&) = delete;
    TSkinManage& operator=(const TSkinManage&) = delete;

    void AddSkinData(TSkinData* skin);
    // Unregisters; the windows skinned with it lose their skinner.
    void RemoveSkinData(TSkinData* skin);
    bool Registered(const TSkinData* skin) const;
    // Every window skinned with `skin` gets its platform look back now.
    void UnskinWindowsOf(TSkinData* skin);
    const std::vector<TSkinData*>& SkinDatas() const { return skinDatas_; }
    // One hook per process: later calls do nothing.
    void InstallHook();
    bool HookInstalled() const { return hook_ != nullptr; }

    void RequestAction(int action, int interval);
    void ClearSysButtonsOfPending();
    bool SkinWindow(HWND window);
    TWinSkinForm* FindSkinForm(HWND window) const;
    void RemoveSkinForm(HWND window);
    const std::vector<TWinSkinForm*>& SkinForms() const { return skinForms_; }
    void SkinPopupMenu(HWND window);
    bool ReleasePopupMenu(HWND window);
    bool IsPopupMenuSkinned(HWND window) const;
    HBITMAP GetPopupMenuBackground(HMENU menu) const;
    // The skinner of the window showing `menu`, or nullptr.
    TPopupMenuSkinner* FindPopupMenu(HMENU menu) const;
    int PopupMenuCount() const { return int(popMenus_.size()); }
    void SetMdiMaximized(bool value);
    void SetMenuKind(TMenuKind kind) { MenuKind = kind; }
    TSkinData* ChooseSkinData(HWND window) const;
    void SkinFrameworkForm(TForm* form);
    void PurgeDeadForms();
    // The timer's tick: runs PendingAction for PendingSkinData.
    void DoPendingAction();
    bool TimerEnabled() const;

    bool Active = false;
    bool SkinAllPass = false;
    int LoopState = 0;
    TMenuKind MenuKind = mkPopup;
    bool MdiMaximized = false;
    HWND MdiClient = nullptr;
    TForm* MdiMainForm = nullptr;
    int PendingAction = saNone;
    TSkinData* PendingSkinData = nullptr;
    TSkinData* MainSkinData = nullptr;
    TPopupMenuSkinnerFactory PopupMenuSkinnerFactory;

private:
    LRESULT CbtHookProc(int code, WPARAM wParam, LPARAM lParam);
    void WindowCreated(HWND window, const CBT_CREATEWNDW& create);
    void FreeSkinForm(TWinSkinForm* form, bool unskin);
    void SwitchOneForm(TSkinData* skin, int action);
    void SwitchProcess(TSkinData* skin, int action);

    std::unique_ptr<TTimer> timer_;
    std::unique_ptr<TThreadHook> hook_;
    std::vector<TWinSkinForm*> skinForms_;
    std::vector<std::unique_ptr<TPopupMenuSkinner>> popMenus_;
    std::vector<TSkinData*> skinDatas_;
};

// The manager, nullptr until the first TSkinData makes it.
extern TSkinManage* SkinManage;
// The platform is of the NT family: the text helpers use the wide API.
extern bool UseWideApi;
// GetVersion() when the hook was installed.
extern DWORD WinVersion;

TSkinManage& EnsureSkinManage();
// Frees the manager (when the last TSkinData goes).
void FinalizeSkinManage();

} // namespace yq
