// The skin gallery: its command line, every kind of control on its pages,
// the platform dialog it opens, and no GDI or USER objects left behind by
// making and freeing its main form or by switching its skin off and on.
#include "Application.h"
#include "ComboBox.h"
#include "GalleryDialogs.h"
#include "GalleryForm.h"
#include "GalleryMdi.h"
#include "GalleryOptions.h"
#include "MainMenu.h"
#include "PageControl.h"
#include "SkinManage.h"
#include "StatusBar.h"
#include "TrackBar.h"
#include "WinSkinData.h"
#include "WinSkinForm.h"
#include "WinSkinMenu.h"
#include "gui_counts.h"
#include "skin_fixture.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <set>
#include <string>

using namespace yq;
using namespace yq::gallery;

namespace {

TEST(GalleryOptionsTest, CommandLinesAreUnderstoodOrRefusedWithAReason) {
    struct Case {
        std::vector<std::wstring> args;
        std::wstring skinFile;
        int page;
        bool unskinned, error;
    } cases[] = {
        {{}, L"", 1, false, false},
        {{L"my.skn"}, L"my.skn", 1, false, false},
        {{L"--page", L"3", L"--unskinned"}, L"", 3, true, false},
        {{L"--unskinned", L"C:\\skins\\蓝色.skn", L"--page", L"8"}, L"C:\\skins\\蓝色.skn", 8, true, false},
        {{L"--page"}, L"", 1, false, true},
        {{L"--page", L"0"}, L"", 1, false, true},
        {{L"--page", L"x"}, L"", 1, false, true},
        {{L"--colour"}, L"", 1, false, true},
        {{L"a.skn", L"b.skn"}, L"a.skn", 1, false, true},
    };
    for (const Case& c : cases) {
        TGalleryOptions o = ParseGalleryOptions(c.args);
        EXPECT_EQ(!o.error.empty(), c.error) << c.args.size();
        if (c.error) continue;
        EXPECT_EQ(o.skinFile, c.skinFile);
        EXPECT_EQ(o.page, c.page);
        EXPECT_EQ(o.unskinned, c.unskinned);
    }
}

// Components of the form by class name.
std::multimap<std::string, TComponent*> ByClass(TComponent& form) {
    std::multimap<std::string, TComponent*> m;
    for (int i = 0; i < form.ComponentCount(); ++i)
        m.emplace(form.Components(i)->ClassName(), form.Components(i));
    return m;
}

TEST(GalleryFormTest, EveryControlKindIsOnAPageAndTheSkinIsTheBuiltInOne) {
    TGalleryForm form;
    form.Handle();
    auto controls = ByClass(form);
    for (const char* cls : {"TButton",      "TBitBtn",      "TSpeedButton", "TCheckBox", "TRadioButton",
                            "TGroupBox",    "TRadioGroup",  "TComboBox",    "TListBox",  "TListView",
                            "TPageControl", "TTabSheet",    "TTabControl",  "TToolBar",  "TToolButton",
                            "TStatusBar",   "TProgressBar", "TTrackBar",    "TUpDown",   "TScrollBar",
                            "TEdit",        "TMemo",        "TDBGrid",      "TDBEdit",   "TPopupMenu"})
        EXPECT_TRUE(controls.count(cls)) << cls;
    // Combo boxes of the three styles, track bars of both orientations.
    std::set<std::string> styles, orientations;
    for (auto [it, end] = controls.equal_range("TComboBox"); it != end; ++it)
        styles.insert(GetEnumPropName(it->second, "Style"));
    for (auto [it, end] = controls.equal_range("TTrackBar"); it != end; ++it)
        orientations.insert(GetEnumPropName(it->second, "Orientation"));
    EXPECT_EQ(styles, (std::set<std::string>{"csDropDown", "csSimple", "csDropDownList"}));
    EXPECT_EQ(orientations, (std::set<std::string>{"trHorizontal", "trVertical"}));
    EXPECT_TRUE(GetWindowLongW(form.StatusBar()->Handle(), GWL_STYLE) & SBARS_SIZEGRIP);

    TSkinData* skin = form.SkinData1();
    EXPECT_EQ(skin->Name(), "SkinData1");
    EXPECT_EQ(skin->SkinFormtype(), sfMainform);
    EXPECT_FALSE(skin->SkinEmpty());
    EXPECT_TRUE(skin->Active());

    // The command line's choices.
    TGalleryOptions options;
    options.page = 4;
    options.unskinned = true;
    EXPECT_EQ(form.Apply(options), L"");
    EXPECT_EQ(form.Pages()->ActivePageIndex(), 3);
    EXPECT_FALSE(skin->Active());
    options.page = 99; // no such page: the first
    options.skinFile = L"Z:\\no\\such\\skin.skn";
    EXPECT_NE(form.Apply(options), L"");
    EXPECT_EQ(form.Pages()->ActivePageIndex(), 0);
    EXPECT_NE(form.StatusBar()->Panels()[0]->Text().find(L"有误"), std::wstring::npos);
    form.NextPage(false); // wraps to the last page
    EXPECT_EQ(form.Pages()->ActivePageIndex(), form.Pages()->PageCount() - 1);
}

TEST(GalleryFormTest, TheMenuBarTurnsPagesAndItsWindowMenuDrivesTheMdiFrame) {
    TGalleryForm form;
    form.Show();
    // Skinned, the window keeps no platform menu bar: its skinner draws it.
    EXPECT_EQ(GetMenu(form.Handle()), nullptr);
    TWinSkinForm* skinner = SkinManage->FindSkinForm(form.Handle());
    ASSERT_TRUE(skinner && skinner->MenuBar);
    EXPECT_EQ(skinner->MenuBar->MenuHandle, form.MainMenu()->Handle());
    TMenuItem* bar = form.MainMenu()->Items();
    std::vector<std::wstring> captions;
    for (int i = 0; i < bar->Count(); ++i)
        captions.push_back(bar->Items(i)->Caption());
    EXPECT_EQ(captions, (std::vector<std::wstring>{L"文件(&F)", L"页面(&P)", L"窗口(&W)", L"帮助(&H)"}));
    bar->Items(1)->Items(4)->Click(); // 页面 -> the fifth page
    EXPECT_EQ(form.Pages()->ActivePageIndex(), 4);
    EXPECT_TRUE(bar->Items(1)->Items(4)->Checked());
    bar->Items(0)->Items(2)->Click(); // 文件 -> 启用皮肤 switches the skin off
    EXPECT_FALSE(form.SkinData1()->Active());
    EXPECT_FALSE(bar->Items(0)->Items(2)->Checked());

    TMenuItem* window = bar->Items(2);
    window->Items(0)->Click(); // a new child opens the frame with its three, and one more
    TMdiFrame* frame = form.MdiFrame();
    EXPECT_EQ(frame->MDIChildCount(), 4);
    window->Items(1)->Click(); // tile: side by side, none overlapping
    RECT a, b;
    GetWindowRect(frame->MDIChildren(0)->Handle(), &a);
    GetWindowRect(frame->MDIChildren(1)->Handle(), &b);
    RECT overlap;
    EXPECT_FALSE(IntersectRect(&overlap, &a, &b));
    delete frame; // the form forgets a freed frame and opens a new one
    EXPECT_EQ(form.MdiFrame()->MDIChildCount(), 3);
    delete form.MdiFrame();

    // The menu's F5 works while the gallery is the active window.
    SetActiveWindow(form.Handle());
    MSG f5{form.Handle(), WM_KEYDOWN, VK_F5, 0};
    bool handled = false;
    Application().OnMessage(f5, handled);
    EXPECT_TRUE(handled);
    EXPECT_EQ(form.StatusBar()->Panels()[2]->Text(), L"内置皮肤不用重新载入");
}

void PumpFor(int milliseconds) {
    const DWORD end = GetTickCount() + DWORD(milliseconds);
    do {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
        Sleep(5);
    } while (GetTickCount() < end);
}

TEST(GalleryFormTest, OpeningTheInkGoldSkinFileChangesTheFrameAndKeepsTheClientArea) {
    wchar_t exe[MAX_PATH]{};
    GetModuleFileNameW(nullptr, exe, MAX_PATH);
    const std::wstring file = (std::filesystem::path(exe).parent_path() / L"ink-gold.skn").wstring();
    TGalleryForm form;
    form.Show();
    SetActiveWindow(form.Handle());
    PumpFor(100);
    ASSERT_NE(SkinManage, nullptr);
    SkinManage->LoopState = 1; // as once the gallery's message loop runs
    TWinSkinForm* frame = SkinManage->FindSkinForm(form.Handle());
    ASSERT_NE(frame, nullptr) << "the gallery wears the built-in skin";
    EXPECT_EQ(frame->BorderTop, 27);
    const int clientWidth = form.ClientWidth(), clientHeight = form.ClientHeight();
    RECT window{};
    GetWindowRect(form.Handle(), &window);
    EXPECT_EQ(window.right - window.left, clientWidth + 14);

    EXPECT_EQ(form.LoadSkinFile(file), L"");
    PumpFor(400);
    frame = SkinManage->FindSkinForm(form.Handle());
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(frame->BorderTop, 30);
    EXPECT_EQ(frame->BorderLeft, 5);
    EXPECT_EQ(frame->BorderBottom, 5);
    EXPECT_EQ(form.ClientWidth(), clientWidth);
    EXPECT_EQ(form.ClientHeight(), clientHeight);
    GetWindowRect(form.Handle(), &window);
    EXPECT_EQ(window.right - window.left, clientWidth + 10);
    EXPECT_NE(form.StatusBar()->Panels()[0]->Text().find(L"ink-gold.skn"), std::wstring::npos);

    form.ReloadSkin(); // F5: the same file again, the same frame
    PumpFor(400);
    EXPECT_EQ(SkinManage->FindSkinForm(form.Handle())->BorderTop, 30);
    EXPECT_EQ(form.ClientWidth(), clientWidth);
}

TEST(GalleryFormTest, ThePlatformDialogIsADialogBoxOfPlatformControls) {
    HWND dialog = CreatePlatformDialog(nullptr);
    ASSERT_NE(dialog, nullptr);
    wchar_t cls[32];
    GetClassNameW(dialog, cls, 32);
    EXPECT_STREQ(cls, L"#32770");
    std::set<std::wstring> classes;
    int children = 0;
    for (HWND c = GetWindow(dialog, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT), ++children) {
        GetClassNameW(c, cls, 32);
        classes.insert(cls);
    }
    EXPECT_EQ(children, 13);
    for (const wchar_t* expected : {L"Button", L"Edit", L"Static", L"ComboBox", L"ListBox", L"ScrollBar"})
        EXPECT_TRUE(classes.count(expected)) << std::string(expected, expected + wcslen(expected)).size();
    EXPECT_EQ(SendDlgItemMessageW(dialog, 101, CB_GETCOUNT, 0, 0), 3);
    DestroyWindow(dialog);
}

TEST(GalleryFormTest, MakingAndFreeingTheFormWithAllItsPagesAndItsMdiFrameLeavesNoGdiOrUserObjects) {
    auto cycle = [] {
        TGalleryForm form;
        form.Handle();
        for (int page = 1; page <= form.Pages()->PageCount(); ++page)
            form.ShowPage(page);
        form.MdiFrame()->NewChild();
    };
    cycle(); // first-use caches (fonts, classes, stock objects)
    yq::test::GuiCounts before = yq::test::Counts();
    for (int i = 0; i < 100; ++i)
        cycle();
    EXPECT_EQ(yq::test::Counts(), before);
}

// Skinners of the frame and of every control are made and freed each time.
TEST(GalleryFormTest, SwitchingTheSkinOffAndOnAHundredTimesLeavesNoGdiOrUserObjects) {
    TGalleryForm form;
    form.Show();
    yq::testing::Pump(300);
    auto skinners = [&form] {
        TWinSkinForm* skinner = SkinManage->FindSkinForm(form.Handle());
        return skinner ? int(skinner->SkinControlList.size()) : -1;
    };
    const int skinned = skinners();
    ASSERT_GT(skinned, 20) << "the gallery's controls are skinned";
    auto cycle = [&form] {
        SkinManage->LoopState = 1;
        form.SetSkinActive(false);
        SkinManage->DoPendingAction();
        yq::testing::Pump();
        form.SetSkinActive(true);
        SkinManage->DoPendingAction();
        yq::testing::Pump();
    };
    cycle(); // first-use caches
    yq::test::GuiCounts before = yq::test::Counts();
    for (int i = 0; i < 100; ++i)
        cycle();
    EXPECT_EQ(skinners(), skinned);
    EXPECT_EQ(yq::test::Counts(), before);
}

} // namespace
