// An MDI frame in the skin: its children wear the skin from creation, the
// manager's MDI-maximised mode follows maximising, tiling, cascading and
// closing, the client keeps no scroll bars, and unskinning gives all back.
#include "Form.h"
#include "MainMenu.h"
#include "Menus.h"
#include "skin_fixture.h"

namespace yq {
namespace {

using testing::ClientSize;
using testing::LoadSkinData;
using testing::Pump;
using testing::WindowSize;

struct MdiFrame {
    TForm frame;
    MdiFrame() {
        frame.FormStyle = TFormStyle::fsMDIForm;
        auto* menu = new TMainMenu(&frame);
        auto* windows = new TMenuItem(menu);
        windows->SetCaption(L"窗口(&W)");
        menu->Items()->Add(windows);
        frame.WindowMenu = windows;
        frame.SetMenu(menu);
        frame.SetBounds(0, 0, 640, 480);
        frame.Show();
        Pump();
    }
    TForm* NewChild(const wchar_t* caption) {
        auto* child = new TForm(&frame);
        child->FormStyle = TFormStyle::fsMDIChild;
        child->SetCaption(caption);
        child->SetClientSize(200, 120);
        child->Show();
        Pump();
        return child;
    }
    HWND Client() { return frame.ClientHandle(); }
};

class SkinMdi : public ::testing::Test {
protected:
    void SetUp() override {
        skin_.reset(LoadSkinData());
        SkinManage->SkinWindow(mdi.frame.Handle());
        Pump();
    }
    void TearDown() override {
        skin_.reset();
        Pump();
    }
    std::unique_ptr<TSkinData> skin_;
    MdiFrame mdi;
};

TEST_F(SkinMdi, ChildrenWearTheSkinFromCreationAndKeepTheirClientArea) {
    ASSERT_NE(SkinManage->FindSkinForm(mdi.frame.Handle()), nullptr);
    EXPECT_EQ(SkinManage->MdiClient, mdi.Client());
    EXPECT_EQ(SkinManage->MdiMainForm, &mdi.frame);
    TForm* a = mdi.NewChild(L"甲");
    TForm* b = mdi.NewChild(L"乙");
    for (TForm* child : {a, b}) {
        TWinSkinForm* skinner = SkinManage->FindSkinForm(child->Handle());
        ASSERT_NE(skinner, nullptr);
        EXPECT_EQ(skinner->MdiKind, TMdiKind::MdiChild);
        EXPECT_EQ(ClientSize(child->Handle()).cx, 200);
        EXPECT_EQ(ClientSize(child->Handle()).cy, 120);
        EXPECT_EQ(WindowSize(child->Handle()).cx, 214);
        EXPECT_EQ(WindowSize(child->Handle()).cy, 154);
        EXPECT_NE(skinner->Region(), nullptr) << "rounded corners cut";
    }
}

TEST_F(SkinMdi, MaximisedModeFollowsMaximiseCascadeAndClose) {
    TForm* a = mdi.NewChild(L"甲");
    TForm* b = mdi.NewChild(L"乙");
    SendMessageW(mdi.Client(), WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(b->Handle()), 0);
    Pump();
    EXPECT_TRUE(SkinManage->MdiMaximized);
    EXPECT_EQ(SkinManage->FindSkinForm(b->Handle())->Region(), nullptr) << "a maximised child has no shape";

    mdi.frame.Cascade();
    Pump();
    EXPECT_FALSE(SkinManage->MdiMaximized);
    EXPECT_FALSE(IsZoomed(b->Handle()));
    EXPECT_NE(SkinManage->FindSkinForm(a->Handle())->Region(), nullptr) << "shapes come back";

    SendMessageW(mdi.Client(), WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(b->Handle()), 0);
    Pump();
    ASSERT_TRUE(SkinManage->MdiMaximized);
    SendMessageW(mdi.Client(), WM_MDIDESTROY, reinterpret_cast<WPARAM>(b->Handle()), 0);
    Pump();
    EXPECT_EQ(SkinManage->MdiMaximized, bool(IsZoomed(a->Handle()))) << "recomputed from the child left";
}

TEST_F(SkinMdi, TheClientKeepsNoScrollBarsUnlessTheSkinAsks) {
    for (bool scrollBars : {false, true}) {
        skin_->SetOptions(scrollBars ? SetOf(xoMDIScrollbar) : 0u);
        const LONG style = GetWindowLongW(mdi.Client(), GWL_STYLE);
        SetWindowLongW(mdi.Client(), GWL_STYLE, style | WS_VSCROLL);
        SetWindowPos(mdi.Client(), nullptr, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
        EXPECT_EQ((GetWindowLongW(mdi.Client(), GWL_STYLE) & WS_VSCROLL) != 0, scrollBars);
    }
}

TEST_F(SkinMdi, UnskinningGivesTheClientAndTheChildrenBack) {
    TForm* a = mdi.NewChild(L"甲");
    skin_.reset();
    Pump();
    EXPECT_EQ(SkinManage, nullptr);
    EXPECT_EQ(ClientSize(a->Handle()).cx, 200);
    EXPECT_EQ(ClientSize(a->Handle()).cy, 120);
    // The platform's frame again, as a child made after it has.
    TForm* b = mdi.NewChild(L"乙");
    EXPECT_EQ(SkinManage, nullptr);
    for (auto frame : {&SIZE::cx, &SIZE::cy})
        EXPECT_EQ(WindowSize(a->Handle()).*frame - ClientSize(a->Handle()).*frame,
                  WindowSize(b->Handle()).*frame - ClientSize(b->Handle()).*frame);
}

} // namespace
} // namespace yq
