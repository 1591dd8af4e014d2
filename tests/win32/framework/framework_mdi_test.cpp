// MDI: a frame (fsMDIForm) with the platform's client window and children
// (fsMDIChild): create, activate, tile, cascade, maximise, close.
#include "Application.h"
#include "Edit.h"
#include "Form.h"
#include "MainMenu.h"
#include "Screen.h"
#include "gui_counts.h"

#include <memory>

#include <gtest/gtest.h>

#include <string>

using namespace yq;

namespace {

struct Frame {
    TForm frame;
    TMainMenu* menu = new TMainMenu(&frame);
    TMenuItem* windows = new TMenuItem(menu);
    Frame() {
        frame.FormStyle = TFormStyle::fsMDIForm;
        auto* file = new TMenuItem(menu);
        file->SetCaption(L"文件(&F)");
        menu->Items()->Add(file);
        windows->SetCaption(L"窗口(&W)");
        menu->Items()->Add(windows);
        auto* tile = new TMenuItem(menu);
        tile->SetCaption(L"平铺(&T)");
        windows->Add(tile);
        frame.WindowMenu = windows;
        frame.SetMenu(menu);
        frame.SetBounds(0, 0, 640, 480);
        frame.Show();
    }
    TForm* NewChild(const std::wstring& caption) {
        auto* child = new TForm(&frame);
        child->FormStyle = TFormStyle::fsMDIChild;
        child->SetCaption(caption);
        child->SetBounds(0, 0, 200, 150);
        child->Show();
        return child;
    }
};

RECT ClientRectOf(HWND child) {
    RECT r;
    GetWindowRect(child, &r);
    MapWindowPoints(nullptr, GetParent(child), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

TEST(MDI, ChildrenLiveInTheClientAndTheNewestIsActive) {
    Frame f;
    HWND client = f.frame.ClientHandle();
    ASSERT_NE(client, nullptr);
    wchar_t cls[32];
    GetClassNameW(client, cls, 32);
    EXPECT_EQ(lstrcmpiW(cls, L"MDIClient"), 0);
    TForm* a = f.NewChild(L"子窗口一");
    TForm* b = f.NewChild(L"子窗口二");
    EXPECT_EQ(GetParent(a->Handle()), client);
    EXPECT_TRUE(GetWindowLongW(a->Handle(), GWL_EXSTYLE) & WS_EX_MDICHILD);
    EXPECT_EQ(f.frame.MDIChildCount(), 2);
    EXPECT_EQ(f.frame.ActiveMDIChild(), b);
    f.frame.Next();
    EXPECT_EQ(f.frame.ActiveMDIChild(), a);
    // The window menu lists the children after its own items.
    EXPECT_GE(GetMenuItemCount(f.windows->Handle()), 3);
    EXPECT_NE(GetMenuState(f.windows->Handle(), 0xFF00, MF_BYCOMMAND), UINT(-1));
}

TEST(MDI, AnActivatedChildGivesTheFocusToItsActiveControl) {
    Frame f;
    TForm* a = f.NewChild(L"一");
    auto* edit = new TEdit(a);
    edit->SetParent(a);
    f.NewChild(L"二");
    SendMessageW(f.frame.ClientHandle(), WM_MDIACTIVATE, reinterpret_cast<WPARAM>(a->Handle()), 0);
    EXPECT_EQ(f.frame.ActiveMDIChild(), a);
    EXPECT_EQ(GetFocus(), edit->Handle());
}

TEST(MDI, TileLaysTheChildrenSideBySideAndCascadeStaggersThem) {
    Frame f;
    TForm* a = f.NewChild(L"一");
    TForm* b = f.NewChild(L"二");
    RECT area;
    GetClientRect(f.frame.ClientHandle(), &area);
    for (TTileMode mode : {TTileMode::tbHorizontal, TTileMode::tbVertical}) {
        f.frame.TileMode = mode;
        f.frame.Tile();
        RECT ra = ClientRectOf(a->Handle()), rb = ClientRectOf(b->Handle()), overlap;
        EXPECT_FALSE(IntersectRect(&overlap, &ra, &rb));
        long covered =
            (ra.right - ra.left) * (ra.bottom - ra.top) + (rb.right - rb.left) * (rb.bottom - rb.top);
        EXPECT_GE(covered, (area.right * area.bottom) * 9 / 10) << "the two fill the client";
    }
    f.frame.Cascade();
    RECT ra = ClientRectOf(a->Handle()), rb = ClientRectOf(b->Handle());
    EXPECT_NE(ra.left, rb.left);
    EXPECT_EQ(ra.left - rb.left, ra.top - rb.top) << "staggered along the diagonal";
}

TEST(MDI, AMaximisedChildPutsItsCaptionButtonsIntoTheFramesMenuBar) {
    Frame f;
    TForm* a = f.NewChild(L"一");
    f.NewChild(L"二");
    HMENU bar = GetMenu(f.frame.Handle());
    int items = GetMenuItemCount(bar);
    SendMessageW(f.frame.ClientHandle(), WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(a->Handle()), 0);
    EXPECT_TRUE(IsZoomed(a->Handle()));
    EXPECT_EQ(f.frame.ActiveMDIChild(), a);
    EXPECT_GT(GetMenuItemCount(GetMenu(f.frame.Handle())), items);
    EXPECT_TRUE(GetMenuState(GetMenu(f.frame.Handle()), 0, MF_BYPOSITION) & MF_BITMAP)
        << "the child's system menu leads the bar";
    SendMessageW(f.frame.ClientHandle(), WM_MDIRESTORE, reinterpret_cast<WPARAM>(a->Handle()), 0);
    EXPECT_EQ(GetMenuItemCount(GetMenu(f.frame.Handle())), items);
}

TEST(MDI, ClosingAChildFreesItAndActivatesAnother) {
    Frame f;
    TForm* a = f.NewChild(L"一");
    TForm* b = f.NewChild(L"二");
    HWND hb = b->Handle();
    int forms = Screen().FormCount();
    b->Close();
    Application().ProcessMessages();
    EXPECT_FALSE(IsWindow(hb));
    EXPECT_EQ(Screen().FormCount(), forms - 1);
    EXPECT_EQ(f.frame.MDIChildCount(), 1);
    EXPECT_EQ(f.frame.ActiveMDIChild(), a);
}

TEST(MDI, FramesWithMenusAndChildrenLeaveNothingBehind) {
    auto cycle = [] {
        auto f = std::make_unique<Frame>();
        TForm* a = f->NewChild(L"一");
        f->NewChild(L"二");
        SendMessageW(f->frame.ClientHandle(), WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(a->Handle()), 0);
        a->Close();
        Application().ProcessMessages();
        HMENU bar = f->menu->Handle();
        f.reset();
        Application().ProcessMessages();
        return bar;
    };
    cycle(); // warm-up: window classes
    yq::test::GuiCounts start = yq::test::Counts();
    for (int i = 0; i < 50; ++i)
        EXPECT_FALSE(IsMenu(cycle())) << "the menu bar went with its form";
    EXPECT_EQ(yq::test::Counts(), start);
}

TEST(MDI, AChildNeedsAFrame) {
    TForm lone;
    lone.FormStyle = TFormStyle::fsMDIChild;
    EXPECT_THROW(lone.Handle(), std::runtime_error);
}

} // namespace
