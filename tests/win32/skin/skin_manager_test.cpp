// The skin manager: its hand-over from TSkinData, which windows it skins
// and with which skin data, and its deferred switches.
#include "Application.h"
#include "Form.h"
#include "SkinMessages.h"
#include "skin_fixture.h"

namespace yq {
namespace {

using testing::LoadSkinData;
using testing::Pump;
using testing::TBareWindow;

constexpr DWORD kFrameStyle = WS_OVERLAPPEDWINDOW | WS_VISIBLE;

class SkinManager : public ::testing::Test {
protected:
    void TearDown() override {
        Pump();
        ASSERT_EQ(SkinManage, nullptr) << "the manager goes with the last skin data";
    }
};

TEST_F(SkinManager, LoadedMakesTheManagerAndSwitchesOnAtOnceBeforeTheLoop) {
    std::unique_ptr<TSkinData> skin(LoadSkinData());
    ASSERT_NE(SkinManage, nullptr);
    EXPECT_TRUE(SkinManage->HookInstalled());
    EXPECT_EQ(SkinManage->MainSkinData, skin.get());
    // Before any window was activated nothing waits for the timer.
    EXPECT_TRUE(SkinManage->Active);
    EXPECT_FALSE(SkinManage->TimerEnabled());
    EXPECT_FALSE(InSet(skin->SkinControls(), xcMenuItem));

    TBareWindow window(L"YqSkinStartup", kFrameStyle, 300, 200);
    SetForegroundWindow(window.Get());
    Pump();
    EXPECT_NE(SkinManage->LoopState, 0) << "an activation starts the loop";
    EXPECT_NE(SkinManage->FindSkinForm(window.Get()), nullptr) << "skinned at its activation";
    EXPECT_EQ(SendMessageW(window.Get(), WM_SKINQUERY, 0, 0), 1);
}

TEST_F(SkinManager, ActiveAfterTheLoopStartedWaitsForTheTimer) {
    std::unique_ptr<TSkinData> skin(LoadSkinData());
    TBareWindow window(L"YqSkinLater", kFrameStyle, 300, 200);
    SetForegroundWindow(window.Get());
    Pump();
    ASSERT_NE(SkinManage->FindSkinForm(window.Get()), nullptr);

    skin->SetActive(false);
    EXPECT_TRUE(SkinManage->Active) << "deferred";
    EXPECT_TRUE(SkinManage->TimerEnabled());
    EXPECT_EQ(SkinManage->PendingAction, saSkinOff);
    int changed = 0;
    skin->OnSkinChanged = [&](TComponent*) { ++changed; };
    Pump(400);
    EXPECT_FALSE(SkinManage->Active);
    EXPECT_EQ(SkinManage->FindSkinForm(window.Get()), nullptr);
    EXPECT_NE(SendMessageW(window.Get(), WM_SKINQUERY, 0, 0), 1);
    EXPECT_EQ(changed, 1);
    EXPECT_EQ(SkinManage->PendingSkinData, nullptr);

    skin->SetActive(true);
    Pump(400);
    EXPECT_TRUE(SkinManage->Active);
    // Action 1 skins the framework's forms; a bare window waits for its
    // next activation.
    SetForegroundWindow(GetDesktopWindow());
    SetActiveWindow(nullptr);
    SetForegroundWindow(window.Get());
    Pump();
    EXPECT_NE(SkinManage->FindSkinForm(window.Get()), nullptr);
}

TEST_F(SkinManager, WindowsItNeverSkins) {
    std::unique_ptr<TSkinData> skin(LoadSkinData());
    SkinManage->LoopState = 1;

    TForm tagged;
    tagged.Tag = 99;
    tagged.Show();
    Pump();
    EXPECT_FALSE(SkinManage->SkinWindow(tagged.Handle())) << "Tag 99, whatever DisableTag says";
    EXPECT_EQ(SkinManage->FindSkinForm(tagged.Handle()), nullptr);

    EXPECT_FALSE(SkinManage->SkinWindow(Application().Handle())) << "TApplication";
    TBareWindow preview(L"TQRStandardPreview", kFrameStyle, 300, 200);
    EXPECT_FALSE(SkinManage->SkinWindow(preview.Get()));
    TBareWindow calendar(L"SysMonthCal32", kFrameStyle, 300, 200);
    EXPECT_FALSE(SkinManage->SkinWindow(calendar.Get())) << "ShouldSkinWindow";

    TBareWindow parent(L"YqSkinParent", kFrameStyle, 300, 200);
    HWND child = CreateWindowExW(0, L"YqSkinParent", L"", WS_CHILD | WS_VISIBLE | WS_CAPTION, 0, 0, 100, 80,
                                 parent.Get(), nullptr, GetModuleHandleW(nullptr), nullptr);
    EXPECT_FALSE(SkinManage->SkinWindow(child)) << "embedded child";
}

TEST_F(SkinManager, ZeroSizedWindowIsSkinnedOnceItHasASizeAndOnlyOnce) {
    std::unique_ptr<TSkinData> skin(LoadSkinData());
    TBareWindow window(L"YqSkinZero", WS_POPUP, 0, 0);
    RECT r{};
    GetWindowRect(window.Get(), &r);
    ASSERT_EQ((r.right - r.left) * (r.bottom - r.top), 0);
    EXPECT_FALSE(SkinManage->SkinWindow(window.Get()));
    SetWindowPos(window.Get(), nullptr, 0, 0, 240, 160, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_TRUE(SkinManage->SkinWindow(window.Get()));
    EXPECT_FALSE(SkinManage->SkinWindow(window.Get())) << "a second activation";
    EXPECT_EQ(std::count_if(SkinManage->SkinForms().begin(), SkinManage->SkinForms().end(),
                            [&](TWinSkinForm* f) { return f->Handle == window.Get(); }),
              1);
}

TEST_F(SkinManager, ChoosesTheLaterOfOneTypeAndTheDialogSkinForDialogs) {
    std::unique_ptr<TSkinData> first(LoadSkinData());
    std::unique_ptr<TSkinData> second(LoadSkinData());
    TBareWindow plain(L"YqSkinPlain", kFrameStyle, 300, 200);
    EXPECT_EQ(SkinManage->MainSkinData, first.get()) << "its filter serves the process";
    EXPECT_EQ(SkinManage->ChooseSkinData(plain.Get()), second.get()) << "the later one skins";

    HWND box = CreateWindowExW(0, L"#32770", L"", WS_POPUP | WS_CAPTION, 0, 0, 200, 100, nullptr, nullptr,
                               GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(SkinManage->ChooseSkinData(box), second.get()) << "no dialog skin: the main one";
    std::unique_ptr<TSkinData> dialog(LoadSkinData(nullptr, sfDialog));
    EXPECT_EQ(SkinManage->ChooseSkinData(box), dialog.get());
    EXPECT_EQ(SkinManage->ChooseSkinData(plain.Get()), second.get());
    DestroyWindow(box);

    // The main skin data passes on when it goes.
    first.reset();
    EXPECT_EQ(SkinManage->MainSkinData, second.get());
    second.reset();
    EXPECT_EQ(SkinManage->MainSkinData, nullptr);
    EXPECT_EQ(SkinManage->ChooseSkinData(plain.Get()), dialog.get()) << "the only one left";
}

TEST_F(SkinManager, WindowCreatedEventSeesTopLevelWindowsAndItsExceptionsAreDropped) {
    std::unique_ptr<TSkinData> skin(LoadSkinData());
    std::vector<std::string> seen;
    skin->OnWindowCreated = [&](TSkinData*, HWND, const std::string& className) {
        seen.push_back(className);
        throw std::runtime_error("handler fails");
    };
    TBareWindow window(L"YqSkinCreated", kFrameStyle, 300, 200);
    EXPECT_NE(window.Get(), nullptr) << "still created";
    HWND child = CreateWindowExW(0, L"YqSkinCreated", L"", WS_CHILD, 0, 0, 10, 10, window.Get(), nullptr,
                                 GetModuleHandleW(nullptr), nullptr);
    EXPECT_NE(child, nullptr);
    EXPECT_EQ(std::count(seen.begin(), seen.end(), "YqSkinCreated"), 1) << "the top-level one only";
}

TEST_F(SkinManager, AnEmptySkinSwitchesItselfOffAtLoad) {
    auto* skin = new TSkinData();
    skin->BeginLoading();
    skin->SetActive(true);
    skin->EndLoading();
    std::unique_ptr<TSkinData> owned(skin);
    EXPECT_FALSE(skin->Active());
    EXPECT_FALSE(SkinManage->Active);
    TBareWindow window(L"YqSkinEmpty", kFrameStyle, 300, 200);
    EXPECT_FALSE(SkinManage->SkinWindow(window.Get()));
}

} // namespace
} // namespace yq
