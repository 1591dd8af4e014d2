#include "SkinManage.h"

#include "Form.h"
#include "Guard.h"
#include "Screen.h"
#include "SkinMessages.h"
#include "SkinText.h"
#include "ThreadHook.h"
#include "Timer.h"
#include "WinSkinForm.h"
#include "WinSkinPopMenu.h"

#include <algorithm>
#include <cctype>

namespace yq {

TSkinManage* SkinManage = nullptr;
bool UseWideApi = (GetVersion() & 0x80000000u) == 0;
DWORD WinVersion = 0;

namespace {

// Tag of a form the manager never skins, whatever DisableTag says.
constexpr long long kNeverSkinTag = 99;

std::string Lower(std::string text) {
    for (char& c : text)
        c = char(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

bool IsDialogClassName(const std::string& className) {
    const std::string lower = Lower(className);
    return lower == "tmessageform" || lower == "#32770";
}

TForm* FindFrameworkForm(HWND window) {
    for (int i = 0; i < Screen().FormCount(); ++i) {
        TForm* form = Screen().Forms(i);
        if (form->HandleAllocated() && form->Handle() == window) return form;
    }
    return nullptr;
}

// A window inside another one (an MDI child's parent is the MDI client).
bool IsEmbeddedChild(HWND window) {
    if (!(GetWindowLongW(window, GWL_STYLE) & WS_CHILD)) return false;
    return Lower(GetWindowClassName(GetParent(window))) != "mdiclient";
}

} // namespace

TSkinManage& EnsureSkinManage() {
    if (!SkinManage) SkinManage = new TSkinManage();
    return *SkinManage;
}

void FinalizeSkinManage() {
    delete std::exchange(SkinManage, nullptr);
}

TSkinManage::TSkinManage()
    : PopupMenuSkinnerFactory(MakePopMenuSkinner), timer_(std::make_unique<TTimer>(nullptr, false)) {
    timer_->SetInterval(kPendingActionInterval);
    timer_->OnTimer = [this](TComponent*) { Guarded([this] { DoPendingAction(); }, TGuardPolicy::gpDrop); };
}

TSkinManage::~TSkinManage() {
    LoopState = 4;
    timer_.reset();
    hook_.reset();
    // Framework forms keep their skinners (they own them); bare windows get
    // their own look back.
    for (TWinSkinForm* form : std::vector<TWinSkinForm*>(skinForms_))
        if (!form->Owner()) FreeSkinForm(form, true);
    skinForms_.clear();
    popMenus_.clear();
    skinDatas_.clear();
}

void TSkinManage::AddSkinData(TSkinData* skin) {
    if (Registered(skin)) return;
    skinDatas_.push_back(skin);
    if (!MainSkinData && skin->SkinFormtype() == sfMainform) MainSkinData = skin;
}

void TSkinManage::RemoveSkinData(TSkinData* skin) {
    auto it = std::find(skinDatas_.begin(), skinDatas_.end(), skin);
    if (it == skinDatas_.end()) return;
    skinDatas_.erase(it);
    UnskinWindowsOf(skin);
    if (PendingSkinData == skin) PendingSkinData = nullptr;
    if (MainSkinData == skin) {
        MainSkinData = nullptr;
        for (TSkinData* other : skinDatas_)
            if (other->SkinFormtype() == sfMainform) {
                MainSkinData = other;
                break;
            }
    }
}

void TSkinManage::UnskinWindowsOf(TSkinData* skin) {
    for (TWinSkinForm* form : std::vector<TWinSkinForm*>(skinForms_))
        if (form->SkinData == skin) FreeSkinForm(form, true);
}

bool TSkinManage::Registered(const TSkinData* skin) const {
    return std::find(skinDatas_.begin(), skinDatas_.end(), skin) != skinDatas_.end();
}

void TSkinManage::InstallHook() {
    if (hook_) return;
    WinVersion = GetVersion();
    hook_ = std::make_unique<TThreadHook>(
        WH_CBT,
        [this](const TThreadHook::TCall& call) {
            Guarded([&] { CbtHookProc(call.code, call.wParam, call.lParam); }, TGuardPolicy::gpDrop);
            return hook_->CallNext(call);
        },
        TGuardPolicy::gpDrop);
}

LRESULT TSkinManage::CbtHookProc(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_ACTIVATE && LoopState == 0) LoopState = 1;
    if (code < 0 || !Active) return 0;
    const HWND window = reinterpret_cast<HWND>(wParam);
    switch (code) {
    case HCBT_CREATEWND:
        WindowCreated(window, *reinterpret_cast<const CBT_CREATEWNDW*>(lParam));
        break;
    case HCBT_DESTROYWND:
        ReleasePopupMenu(window);
        break;
    case HCBT_ACTIVATE:
        SkinWindow(window);
        break;
    default:
        break;
    }
    return 0;
}

void TSkinManage::WindowCreated(HWND window, const CBT_CREATEWNDW& create) {
    const std::string className = GetWindowClassName(window);
    const LONG style = create.lpcs->style;
    if (className == "ScrollBar" && (style & SBS_SIZEGRIP)) {
        // Size grips get their skinner from the form's skinner.
        if (TWinSkinForm* form = FindSkinForm(create.lpcs->hwndParent)) form->SkinChildWindow(window);
    }
    if (style & WS_CHILD) return;
    if (className == "#32768") SkinPopupMenu(window);
    if (MainSkinData && MainSkinData->OnWindowCreated)
        Guarded([&] { MainSkinData->OnWindowCreated(MainSkinData, window, className); },
                TGuardPolicy::gpDrop);
}

void TSkinManage::PurgeDeadForms() {
    for (TWinSkinForm* form : std::vector<TWinSkinForm*>(skinForms_))
        if (form->State == TSkinFormState::Destroyed) FreeSkinForm(form, false);
}

void TSkinManage::FreeSkinForm(TWinSkinForm* form, bool unskin) {
    skinForms_.erase(std::remove(skinForms_.begin(), skinForms_.end(), form), skinForms_.end());
    const HWND window = form->Handle;
    if (unskin && form->State != TSkinFormState::Destroyed) form->UnskinWindow();
    delete form;
    if (unskin && IsWindow(window)) TWinSkinForm::Repaint(window);
}

bool TSkinManage::SkinWindow(HWND window) {
    if (!Active) return false;
    PurgeDeadForms();
    if (!IsWindow(window) || SendMessageW(window, WM_SKINQUERY, 0, 0) == 1 || FindSkinForm(window))
        return false;
    TForm* form = FindFrameworkForm(window);
    if (!SkinAllPass && IsEmbeddedChild(window)) return false;
    RECT r{};
    GetWindowRect(window, &r);
    if ((r.right - r.left) * (r.bottom - r.top) == 0) return false;
    if (form && form->Tag == kNeverSkinTag) return false;
    const std::string className = GetWindowClassName(window);
    if (className == "TApplication" || className == "TQRStandardPreview") return false;
    if (MainSkinData) {
        bool doSkin = true;
        MainSkinData->ShouldSkinWindow(className, doSkin);
        if (!doSkin) return false;
    }
    TSkinData* skin = ChooseSkinData(window);
    if (!skin || skin->SkinEmpty()) return false;

    auto* skinner = new TWinSkinForm(form);
    skinner->Handle = window;
    skinForms_.push_back(skinner);
    const bool attached = Guarded(
        [&] {
            if (form)
                skinner->SkinForm(skin, form);
            else
                skinner->SkinWindow(skin);
        },
        TGuardPolicy::gpDrop);
    if (!attached) {
        FreeSkinForm(skinner, true);
        return false;
    }
    PostMessageW(window, WM_SKINSTART, 0, kSkinStartParam);
    return true;
}

TWinSkinForm* TSkinManage::FindSkinForm(HWND window) const {
    for (TWinSkinForm* form : skinForms_)
        if (form->Handle == window) return form;
    return nullptr;
}

void TSkinManage::RemoveSkinForm(HWND window) {
    skinForms_.erase(std::remove_if(skinForms_.begin(), skinForms_.end(),
                                    [window](TWinSkinForm* f) { return f->Handle == window; }),
                     skinForms_.end());
}

TSkinData* TSkinManage::ChooseSkinData(HWND window) const {
    auto lastOf = [this](auto&& match) {
        TSkinData* found = nullptr;
        for (TSkinData* skin : skinDatas_)
            if (match(skin)) found = skin;
        return found;
    };
    TSkinData* skin = lastOf([window](TSkinData* s) {
        auto* owner = dynamic_cast<TWinControl*>(s->Owner());
        return s->SkinFormtype() == sfOnlyThisForm && owner && owner->HandleAllocated() &&
               owner->Handle() == window;
    });
    if (!skin && IsDialogClassName(GetWindowClassName(window)))
        skin = lastOf([](TSkinData* s) { return s->SkinFormtype() == sfDialog; });
    if (!skin) skin = lastOf([](TSkinData* s) { return s->SkinFormtype() == sfMainform; });
    if (!skin && !skinDatas_.empty()) skin = skinDatas_.front();
    return skin;
}

void TSkinManage::SkinPopupMenu(HWND window) {
    if (!Active || SendMessageW(window, WM_SKINQUERY, 0, 0) == 1 || IsPopupMenuSkinned(window)) return;
    TSkinData* skin = ChooseSkinData(window);
    if (!skin || skin->SkinEmpty()) return;
    const TSkinControlTypes controls = skin->SkinControls();
    const bool enabled = MenuKind == mkPopup      ? InSet(controls, xcPopupMenu)
                         : MenuKind == mkMainMenu ? InSet(controls, xcMainMenu) || InSet(controls, xcMenuItem)
                                                  : InSet(controls, xcSystemMenu);
    if (!enabled || !PopupMenuSkinnerFactory) return;
    if (auto skinner = PopupMenuSkinnerFactory(window, skin)) popMenus_.push_back(std::move(skinner));
}

bool TSkinManage::ReleasePopupMenu(HWND window) {
    auto it = std::find_if(popMenus_.begin(), popMenus_.end(),
                           [window](const auto& p) { return p->Handle() == window; });
    const bool found = it != popMenus_.end();
    if (found) popMenus_.erase(it);
    if (popMenus_.empty()) MenuKind = mkPopup;
    return found;
}

bool TSkinManage::IsPopupMenuSkinned(HWND window) const {
    return std::any_of(popMenus_.begin(), popMenus_.end(),
                       [window](const auto& p) { return p->Handle() == window; });
}

TPopupMenuSkinner* TSkinManage::FindPopupMenu(HMENU menu) const {
    if (!menu) return nullptr;
    for (const auto& p : popMenus_)
        if (p->Menu() == menu) return p.get();
    return nullptr;
}

HBITMAP TSkinManage::GetPopupMenuBackground(HMENU menu) const {
    for (const auto& p : popMenus_)
        if (p->Menu() == menu) return p->Background();
    return nullptr;
}

void TSkinManage::SetMdiMaximized(bool value) {
    if (value == MdiMaximized) return;
    MdiMaximized = value;
    for (TWinSkinForm* form : skinForms_) {
        if (form->MdiKind != TMdiKind::MdiChild) continue;
        if (value) {
            if (form->Region()) form->DropRegion();
            form->SetCaptionStyles(true);
        } else if (IsZoomed(form->Handle)) {
            form->SetCaptionStyles(true);
        } else {
            form->WindowState = TSkinWindowState::Normal;
            form->UpdateRegion();
            form->SetCaptionStyles(false);
            if (!form->Region())
                SetWindowPos(form->Handle, nullptr, 0, 0, 0, 0,
                             SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
        }
    }
}

void TSkinManage::RequestAction(int action, int interval) {
    PendingAction = action;
    timer_->SetInterval(interval);
    if (LoopState != 0) {
        timer_->SetEnabled(true);
        return;
    }
    // Before the message loop runs nothing is deferred.
    if (action == saSkinOn) Active = true;
    if (action == saSkinOff) Active = false;
}

bool TSkinManage::TimerEnabled() const {
    return timer_->Enabled();
}

void TSkinManage::ClearSysButtonsOfPending() {
    for (TWinSkinForm* form : skinForms_)
        if (form->SkinData == PendingSkinData) form->ClearSysButtons();
}

void TSkinManage::SkinFrameworkForm(TForm* form) {
    if (!form->Showing()) return;
    const bool child = (GetWindowLongW(form->Handle(), GWL_STYLE) & WS_CHILD) != 0;
    if (child && form->FormStyle != TFormStyle::fsMDIChild) return;
    SkinWindow(form->Handle());
}

void TSkinManage::DoPendingAction() {
    if (!PendingSkinData) return;
    timer_->SetEnabled(false);
    TSkinData* skin = PendingSkinData;
    if (skin->SkinFormtype() == sfOnlyThisForm)
        SwitchOneForm(skin, PendingAction);
    else
        SwitchProcess(skin, PendingAction);
    skin->DoSkinChanged();
    PendingSkinData = nullptr;
}

void TSkinManage::SwitchOneForm(TSkinData* skin, int action) {
    switch (action) {
    case saSkinOn:
        Active = SkinAllPass = true;
        for (int i = Screen().FormCount() - 1; i >= 0; --i)
            if (Screen().Forms(i) == skin->Owner()) {
                SkinFrameworkForm(Screen().Forms(i));
                break;
            }
        SkinAllPass = false;
        break;
    case saSkinOff:
        Active = false;
        PurgeDeadForms();
        for (auto it = skinForms_.rbegin(); it != skinForms_.rend(); ++it)
            if ((*it)->SkinData == skin) {
                FreeSkinForm(*it, true);
                break;
            }
        break;
    case saSkinChanged:
        PurgeDeadForms();
        for (TWinSkinForm* form : skinForms_)
            if (form->SkinData == skin) {
                form->ClearSysButtons();
                form->BuildSysButtons();
                form->SkinChanged();
                break;
            }
        break;
    default:
        break;
    }
}

void TSkinManage::SwitchProcess(TSkinData* skin, int action) {
    switch (action) {
    case saSkinOn:
        Active = SkinAllPass = true;
        PurgeDeadForms();
        for (int i = Screen().FormCount() - 1; i >= 0; --i)
            SkinFrameworkForm(Screen().Forms(i));
        SkinAllPass = false;
        break;
    case saSkinOff:
        Active = false;
        PurgeDeadForms();
        while (!skinForms_.empty())
            FreeSkinForm(skinForms_.back(), true);
        break;
    case saSkinChanged: {
        PurgeDeadForms();
        const std::vector<TWinSkinForm*> forms(skinForms_);
        for (TWinSkinForm* form : forms)
            if (form->SkinData == skin) {
                form->ClearSysButtons();
                form->BuildSysButtons();
            }
        for (TWinSkinForm* form : forms)
            if (form->SkinData == skin) form->SkinChanged();
        break;
    }
    default:
        break;
    }
}

} // namespace yq
