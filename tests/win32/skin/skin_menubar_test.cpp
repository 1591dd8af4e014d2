// The menu bar a skinned window draws in its frame: its buttons laid out
// from the items' texts in the menu font, the client area below it, hot
// looks, rebuilding after menu changes, moving along the bar while a
// drop-down is open, accelerators, a maximised MDI child's buttons in the
// bar, and the platform menu bar back after unskinning.
#include "Form.h"
#include "MainMenu.h"
#include "MenuTrack.h"
#include "Menus.h"
#include "SkinControl.h"
#include "WinSkinMenu.h"
#include "skin_fixture.h"

#include <string>
#include <vector>

namespace yq {
namespace {

using testing::ClientSize;
using testing::LoadSkinData;
using testing::Pump;
using testing::WindowSize;

constexpr int kButtonPadding = 10; // a button is its caption's width and this
constexpr int kStartAfterMargin = 4;

struct MenuForm {
    TForm form;
    TMainMenu* menu;
    std::vector<int> opened; // top-level items clicked, in order
    explicit MenuForm(bool mdi = false) {
        if (mdi) form.FormStyle = TFormStyle::fsMDIForm;
        menu = new TMainMenu(&form);
        const wchar_t* captions[] = {L"文件(&F)", L"编辑(&E)", L"停用", L"帮助(&H)"};
        for (int i = 0; i < 4; ++i) {
            auto* top = new TMenuItem(menu);
            top->SetCaption(captions[i]);
            top->OnClick = [this, i](TComponent*) { opened.push_back(i); };
            menu->Items()->Add(top);
            for (const wchar_t* sub : {L"一", L"二"}) {
                auto* item = new TMenuItem(menu);
                item->SetCaption(sub);
                top->Add(item);
            }
        }
        menu->Items()->Items(2)->SetEnabled(false);
        if (mdi) form.WindowMenu = menu->Items()->Items(1);
        form.SetMenu(menu);
        form.SetBounds(40, 30, 520, 360);
        form.Show();
        Pump();
    }
};

class SkinMenuBar : public ::testing::Test {
protected:
    void Skin(TForm& form) { Skin(form.Handle()); }
    void Skin(HWND window) {
        skin_.reset(LoadSkinData());
        SkinManage->SkinWindow(window);
        Pump();
        skinner_ = SkinManage->FindSkinForm(window);
        ASSERT_NE(skinner_, nullptr);
        ASSERT_NE(skinner_->MenuBar, nullptr);
    }
    void TearDown() override {
        skin_.reset();
        Pump();
    }
    TWinSkinMenu& Bar() { return *skinner_->MenuBar; }
    POINT ScreenCentre(const RECT& r) {
        RECT window{};
        GetWindowRect(skinner_->Handle, &window);
        return {window.left + (r.left + r.right) / 2, window.top + (r.top + r.bottom) / 2};
    }
    void Press(const RECT& r) {
        const POINT at = ScreenCentre(r);
        SendMessageW(skinner_->Handle, WM_NCLBUTTONDOWN, HTMENU, MAKELPARAM(at.x, at.y));
        SendMessageW(skinner_->Handle, WM_NCLBUTTONUP, HTMENU, MAKELPARAM(at.x, at.y));
        Pump();
    }
    // The window as it shows, frame included.
    void Capture(TBitmap& into) {
        const SIZE size = WindowSize(skinner_->Handle);
        into.SetSize(size.cx, size.cy);
        HDC dc = GetWindowDC(skinner_->Handle);
        BitBlt(into.Canvas().Handle(), 0, 0, size.cx, size.cy, dc, 0, 0, SRCCOPY);
        ReleaseDC(skinner_->Handle, dc);
    }
    std::unique_ptr<TSkinData> skin_;
    TWinSkinForm* skinner_ = nullptr;
};

int CaptionWidth(HFONT font, const std::wstring& text) {
    HDC dc = GetDC(nullptr);
    HGDIOBJ old = SelectObject(dc, font);
    RECT r{};
    DrawTextW(dc, text.c_str(), int(text.size()), &r, DT_SINGLELINE | DT_EXPANDTABS | DT_CALCRECT);
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    return r.right - r.left;
}

TEST_F(SkinMenuBar, ButtonsAreLaidOutFromTheCaptionsAndTheClientAreaLiesBelowTheBar) {
    MenuForm f;
    f.menu->Items()->Items(3)->SetVisible(false);
    Pump();
    const SIZE client = ClientSize(f.form.Handle());
    Skin(f.form);
    EXPECT_EQ(GetMenu(f.form.Handle()), nullptr) << "no platform menu bar while skinned";
    const int barHeight = GetSystemMetrics(SM_CYMENU);
    EXPECT_EQ(skinner_->MenuHeight, barHeight);
    EXPECT_EQ(ClientSize(f.form.Handle()).cx, client.cx);
    EXPECT_EQ(ClientSize(f.form.Handle()).cy, client.cy);
    EXPECT_EQ(WindowSize(f.form.Handle()).cy - client.cy,
              skinner_->BorderTop + barHeight + skinner_->BorderBottom);

    ASSERT_EQ(Bar().Buttons.size(), 4u);
    int x = skinner_->BorderLeft + skin_->MenuBar()->Margins.Left + kStartAfterMargin;
    for (int i = 0; i < 3; ++i) {
        const TMenuBtn& b = *Bar().Buttons[std::size_t(i)];
        const int w = CaptionWidth(Bar().MenuFont(), b.Caption) + kButtonPadding;
        const RECT expected{x, skinner_->BorderTop, x + w, skinner_->BorderTop + barHeight - 1};
        EXPECT_TRUE(EqualRect(&b.Bounds, &expected)) << i << ": " << b.Bounds.left << "," << b.Bounds.right;
        x += w;
    }
    EXPECT_TRUE(IsRectEmpty(&Bar().Buttons[3]->Bounds)) << "a hidden item takes no room";
    EXPECT_FALSE(Bar().Buttons[2]->Enabled);
    EXPECT_EQ(Bar().ButtonAt({Bar().Buttons[1]->Bounds.left + 1, skinner_->BorderTop + 2}),
              Bar().Buttons[1].get());
}

TEST_F(SkinMenuBar, HotButtonsAreOutlinedAndDisabledCaptionsGrey) {
    MenuForm f;
    Skin(f.form);
    SetActiveWindow(f.form.Handle());
    Pump();
    ASSERT_TRUE(skinner_->IsActive) << "an inactive window shows no hot button";
    const TMenuBtn& first = *Bar().Buttons[0];
    const COLORREF outline = SkinRGB(skin_->ButtonHilight);
    auto outlined = [&] {
        TBitmap shot;
        Capture(shot);
        int n = 0;
        for (int y = first.Bounds.top; y < first.Bounds.bottom; ++y)
            n += shot.Pixel(first.Bounds.left, y) == outline;
        return n == first.Bounds.bottom - first.Bounds.top;
    };
    EXPECT_FALSE(outlined());
    const POINT at = ScreenCentre(first.Bounds);
    SendMessageW(f.form.Handle(), WM_NCMOUSEMOVE, HTMENU, MAKELPARAM(at.x, at.y));
    EXPECT_EQ(first.ButtonState, TNCButtonState::bsHot);
    EXPECT_TRUE(outlined());
    // Leaving it (the hover check) takes the outline away again.
    SendMessageW(f.form.Handle(), WM_NCMOUSEMOVE, HTCAPTION, MAKELPARAM(at.x, at.y - 20));
    EXPECT_EQ(first.ButtonState, TNCButtonState::bsNormal);
    EXPECT_FALSE(outlined());

    TBitmap shot;
    Capture(shot);
    auto count = [&](const RECT& r, COLORREF colour) {
        int n = 0;
        for (int y = r.top; y < r.bottom; ++y)
            for (int x = r.left; x < r.right; ++x)
                n += shot.Pixel(x, y) == colour;
        return n;
    };
    const COLORREF shadow = GetSysColor(COLOR_BTNSHADOW), text = SkinRGB(skin_->MenuBarText);
    EXPECT_GT(count(Bar().Buttons[2]->Bounds, shadow), 0);
    EXPECT_EQ(count(Bar().Buttons[2]->Bounds, text), 0);
    EXPECT_GT(count(Bar().Buttons[1]->Bounds, text), 0);
}

TEST_F(SkinMenuBar, MenuChangesRebuildTheBar) {
    MenuForm f;
    Skin(f.form);
    f.menu->Items()->Items(1)->SetCaption(L"视图(&V)");
    auto* added = new TMenuItem(f.menu);
    added->SetCaption(L"工具(&T)");
    f.menu->Items()->Add(added);
    Pump();
    EXPECT_EQ(GetMenu(f.form.Handle()), nullptr);
    ASSERT_EQ(Bar().Buttons.size(), 5u);
    EXPECT_EQ(Bar().Buttons[1]->Caption, L"视图(&V)");
    EXPECT_EQ(Bar().Buttons[4]->Caption, L"工具(&T)");
    EXPECT_EQ(Bar().Buttons[4]->SubMenu, nullptr) << "an item without sub-items drops nothing down";
    EXPECT_TRUE(IsMenu(Bar().Buttons[0]->SubMenu)) << "drop-downs of the new platform menu";
    EXPECT_GT(Bar().Buttons[4]->Bounds.left, Bar().Buttons[3]->Bounds.left) << "laid out when painted";
}

TEST_F(SkinMenuBar, RightAndLeftMoveAlongTheBarWhileADropDownIsOpen) {
    MenuForm f;
    Skin(f.form);
    // One key each time the open menu waits for input: Right from the first
    // drop-down, Left back, Left again wraps to the last, Escape closes.
    std::vector<WPARAM> keys{VK_RIGHT, VK_LEFT, VK_LEFT, VK_ESCAPE};
    TMessageHook idle(f.form.MessageHooks(), [&](TMessage& m) {
        if (m.Msg == WM_ENTERIDLE && m.WParam == MSGF_MENU && !keys.empty()) {
            PostMessageW(f.form.Handle(), WM_KEYDOWN, keys.front(), 0);
            keys.erase(keys.begin());
        }
        idle.CallPrevious(m);
    });
    EXPECT_TRUE(skinner_->OpenMenuButton(Bar().Buttons[0].get()));
    Pump();
    EXPECT_EQ(f.opened, (std::vector<int>{0, 1, 0, 3}));
    EXPECT_FALSE(skinner_->MenuTracking());
    EXPECT_EQ(MenuTrack().TrackHook, nullptr) << "the hook lives only while a drop-down is open";
}

TEST_F(SkinMenuBar, AltWithAButtonsLetterOpensItsDropDown) {
    MenuForm f;
    Skin(f.form);
    BYTE keys[256] = {};
    GetKeyboardState(keys);
    keys[VK_MENU] = 0x80;
    SetKeyboardState(keys);
    EXPECT_EQ(f.form.Perform(CM_DIALOGCHAR, 'e', 0), 1);
    EXPECT_EQ(f.form.Perform(CM_DIALOGCHAR, 'x', 0), 0) << "no button has that letter";
    keys[VK_MENU] = 0;
    SetKeyboardState(keys);
    EXPECT_EQ(f.form.Perform(CM_DIALOGCHAR, 'f', 0), 0) << "without Alt the letter is the form's";
    PostMessageW(f.form.Handle(), WM_KEYDOWN, VK_ESCAPE, 0);
    Pump();
    EXPECT_EQ(f.opened, (std::vector<int>{1}));
}

TEST_F(SkinMenuBar, AltAloneLetsTheArrowsAndEnterOpenADropDown) {
    MenuForm f;
    Skin(f.form);
    bool menuOpen = false;
    TMessageHook idle(f.form.MessageHooks(), [&](TMessage& m) {
        if (m.Msg == WM_ENTERIDLE && m.WParam == MSGF_MENU && !menuOpen) {
            menuOpen = true;
            PostMessageW(f.form.Handle(), WM_KEYDOWN, VK_ESCAPE, 0);
        }
        idle.CallPrevious(m);
    });
    // From the first title Right twice and Left once: the second; Enter
    // opens it (its first item selected), Escape closes it.
    for (WPARAM key : {VK_RIGHT, VK_RIGHT, VK_LEFT, VK_RETURN})
        PostMessageW(f.form.Handle(), WM_KEYDOWN, key, 0);
    SendMessageW(f.form.Handle(), WM_SYSCOMMAND, SC_KEYMENU, 0);
    Pump();
    EXPECT_TRUE(menuOpen);
    EXPECT_EQ(f.opened, (std::vector<int>{1}));
    for (const auto& b : Bar().Buttons)
        EXPECT_EQ(b->ButtonState, TNCButtonState::bsNormal);
}

TEST_F(SkinMenuBar, ABareWindowsMenuIsReadFromThePlatformAndRightToLeftBarsStartAtTheRight) {
    for (bool rightToLeft : {false, true}) {
        SCOPED_TRACE(rightToLeft);
        testing::TBareWindow window(L"YqBareMenuWindow", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 480, 300, nullptr,
                                    rightToLeft ? WS_EX_LEFTSCROLLBAR : 0);
        HMENU menu = CreateMenu();
        HMENU drop = CreatePopupMenu();
        AppendMenuW(drop, MF_STRING, 101, L"打开");
        AppendMenuW(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(drop), L"文件(&F)");
        AppendMenuW(menu, MF_STRING | MF_GRAYED, 102, L"停用");
        SetMenu(window.Get(), menu);
        Skin(window.Get());
        EXPECT_EQ(GetMenu(window.Get()), nullptr);
        ASSERT_EQ(Bar().Buttons.size(), 2u);
        const TMenuBtn& first = *Bar().Buttons[0];
        EXPECT_EQ(first.Caption, L"文件(&F)");
        EXPECT_EQ(first.SubMenu, drop);
        EXPECT_FALSE(Bar().Buttons[1]->Enabled);
        const TSkinMargins& m = skin_->MenuBar()->Margins;
        const int w = WindowSize(window.Get()).cx;
        if (rightToLeft) {
            EXPECT_EQ(first.Bounds.right, w - skinner_->BorderRight - (m.Right + 8));
            EXPECT_LT(Bar().Buttons[1]->Bounds.right, first.Bounds.left + 1);
        } else {
            EXPECT_EQ(first.Bounds.left, skinner_->BorderLeft + m.Left + kStartAfterMargin);
            EXPECT_GE(Bar().Buttons[1]->Bounds.left, first.Bounds.right);
        }
        skin_.reset();
        Pump();
        EXPECT_EQ(GetMenu(window.Get()), menu) << "given back";
        DestroyWindow(window.Get());
        DestroyMenu(menu);
    }
}

TEST(SkinMenuSeparators, LeadingDoubledAndTrailingSeparatorsGoBeforeTheDropDownOpens) {
    struct Case {
        const wchar_t* items; // "-" a separator, a letter an item
        const wchar_t* left;
    };
    for (const Case& c :
         {Case{L"-a--b-", L"a-b"}, Case{L"--", L""}, Case{L"a-b", L"a-b"}, Case{L"a---", L"a"}}) {
        HMENU menu = CreatePopupMenu();
        for (const wchar_t* p = c.items; *p; ++p) {
            const wchar_t text[2] = {*p, 0};
            AppendMenuW(menu, *p == L'-' ? MF_SEPARATOR : MF_STRING, 1, text);
        }
        TidySeparators(menu);
        std::wstring left;
        for (int i = 0; i < GetMenuItemCount(menu); ++i) {
            wchar_t text[4] = {};
            left += GetMenuStringW(menu, UINT(i), text, 4, MF_BYPOSITION) ? text : L"-";
        }
        EXPECT_EQ(left, c.left) << c.items;
        DestroyMenu(menu);
    }
}

TEST_F(SkinMenuBar, UnskinningGivesThePlatformMenuBarBack) {
    MenuForm f;
    const SIZE client = ClientSize(f.form.Handle());
    Skin(f.form);
    skin_.reset();
    Pump();
    EXPECT_EQ(GetMenu(f.form.Handle()), f.menu->Handle());
    EXPECT_EQ(ClientSize(f.form.Handle()).cx, client.cx);
    EXPECT_EQ(ClientSize(f.form.Handle()).cy, client.cy);
}

TEST_F(SkinMenuBar, AMaximisedMdiChildsButtonsInTheBarRestoreAndCloseIt) {
    MenuForm f(true);
    Skin(f.form);
    auto newChild = [&] {
        auto* child = new TForm(&f.form);
        child->FormStyle = TFormStyle::fsMDIChild;
        child->SetClientSize(200, 120);
        child->Show();
        Pump();
        return child;
    };
    TForm* child = newChild();
    auto maximise = [&] {
        SendMessageW(f.form.ClientHandle(), WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(child->Handle()), 0);
        Pump();
        skinner_->PaintFrame();
        ASSERT_TRUE(IsZoomed(child->Handle()));
        EXPECT_EQ(skinner_->MaximizedMdiChild(), child->Handle());
        EXPECT_TRUE(Bar().MdiIcon.Visible) << "the child's icon leads the bar";
    };
    auto stripButton = [&](int action) -> const TWinSysButton* {
        for (const auto& b : skinner_->SysButtons)
            if (b->SkinButton.Action == action) return b.get();
        return nullptr;
    };
    maximise();
    const RECT strip{skinner_->BorderLeft, skinner_->BorderTop, WindowSize(f.form.Handle()).cx,
                     skinner_->BorderTop + skinner_->MenuHeight};
    for (int action : {7, 8, 9}) {
        const TWinSysButton* b = stripButton(action);
        ASSERT_NE(b, nullptr);
        EXPECT_TRUE(b->Visible) << action;
        RECT inside{};
        EXPECT_TRUE(IntersectRect(&inside, &b->Bounds, &strip) && EqualRect(&inside, &b->Bounds)) << action;
    }
    Press(stripButton(8)->Bounds);
    EXPECT_FALSE(IsZoomed(child->Handle())) << "restored";
    skinner_->PaintFrame();
    EXPECT_FALSE(stripButton(8)->Visible);
    EXPECT_FALSE(Bar().MdiIcon.Visible);

    maximise();
    bool closed = false;
    child->OnClose = [&](TComponent*, TCloseAction& action) {
        closed = true;
        action = TCloseAction::caHide;
    };
    Press(stripButton(9)->Bounds);
    EXPECT_TRUE(closed);
}

} // namespace
} // namespace yq
