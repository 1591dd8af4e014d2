// The menu bar (TMainMenu on TForm::Menu): the platform menu it builds,
// Alt accelerators, item events, and its owner messages reaching the form's
// message method and the menu's hooks.
#include "Application.h"
#include "Form.h"
#include "MainMenu.h"
#include "message_sequence.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

using namespace yq;
using namespace yq::testing;

namespace {

TMenuItem* AddItem(TMenuItem* parent, const std::wstring& caption, std::function<void()> onClick = nullptr) {
    auto* item = new TMenuItem(parent);
    item->SetCaption(caption);
    if (onClick) item->OnClick = [onClick](TComponent*) { onClick(); };
    parent->Add(item);
    return item;
}

// A form with a bar: 文件(&F) [打开(&O), -, 退出(&X) disabled],
// 编辑(&E) [复制(&C) checked, 粘贴(&P) with a sub-menu 纯文本(&T)].
struct MenuForm {
    TForm form;
    TMainMenu* menu = new TMainMenu(&form);
    std::vector<std::string> clicks;
    TMenuItem* file = AddItem(menu->Items(), L"文件(&F)");
    TMenuItem* open = AddItem(file, L"打开(&O)", [this] { clicks.push_back("open"); });
    TMenuItem* line = AddItem(file, L"-");
    TMenuItem* exit = AddItem(file, L"退出(&X)", [this] { clicks.push_back("exit"); });
    TMenuItem* edit = AddItem(menu->Items(), L"编辑(&E)");
    TMenuItem* copy = AddItem(edit, L"复制(&C)", [this] { clicks.push_back("copy"); });
    TMenuItem* paste = AddItem(edit, L"粘贴(&P)");
    TMenuItem* plain = AddItem(paste, L"纯文本(&T)", [this] { clicks.push_back("plain"); });
    MenuForm() {
        exit->SetEnabled(false);
        copy->SetChecked(true);
        form.SetMenu(menu);
        form.SetBounds(100, 100, 400, 300);
    }
};

// Runs the event loop, doing one step per timer tick (the menu's own loop
// dispatches timers too), until `done` or a timeout.
class Script {
public:
    explicit Script(std::vector<std::function<void()>> steps) : steps_(std::move(steps)) {
        Current() = this;
        timer_ = SetTimer(nullptr, 0, 40, &Tick);
    }
    ~Script() {
        KillTimer(nullptr, timer_);
        Current() = nullptr;
    }
    bool RunUntil(const std::function<bool()>& done) {
        DWORD start = GetTickCount();
        while (!done() && GetTickCount() - start < 5000) {
            MSG msg;
            if (!Application().ProcessMessage(msg)) Sleep(5);
        }
        return done();
    }

private:
    static Script*& Current() {
        static Script* script = nullptr;
        return script;
    }
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
        Script* s = Current();
        if (s && s->next_ < s->steps_.size()) s->steps_[s->next_++]();
    }
    std::vector<std::function<void()>> steps_;
    size_t next_ = 0;
    UINT_PTR timer_;
};

void PostKey(HWND h, WPARAM key) {
    PostMessageW(h, WM_KEYDOWN, key, 1);
    PostMessageW(h, WM_KEYUP, key, 0xC0000001);
}

// Alt+character as the keyboard sends it after translation.
void PostAltChar(HWND h, wchar_t c) {
    PostMessageW(h, WM_SYSCHAR, c, LPARAM(1) | (LPARAM(KF_ALTDOWN) << 16));
}

TEST(MenuBar, ThePlatformBarHoldsTheItemsWithTheirStates) {
    MenuForm f;
    HWND h = f.form.Handle();
    HMENU bar = GetMenu(h);
    ASSERT_EQ(bar, f.menu->Handle());
    ASSERT_EQ(GetMenuItemCount(bar), 2);
    wchar_t text[32];
    GetMenuStringW(bar, 1, text, 32, MF_BYPOSITION);
    EXPECT_STREQ(text, L"编辑(&E)");
    HMENU fileMenu = GetSubMenu(bar, 0);
    ASSERT_EQ(fileMenu, f.file->Handle());
    EXPECT_EQ(GetMenuItemCount(fileMenu), 3);
    EXPECT_TRUE(GetMenuState(fileMenu, 1, MF_BYPOSITION) & MF_SEPARATOR);
    EXPECT_TRUE(GetMenuState(fileMenu, f.exit->Command(), MF_BYCOMMAND) & (MF_GRAYED | MF_DISABLED));
    EXPECT_TRUE(GetMenuState(f.edit->Handle(), f.copy->Command(), MF_BYCOMMAND) & MF_CHECKED);
    EXPECT_EQ(GetSubMenu(f.edit->Handle(), 1), f.paste->Handle());
    EXPECT_EQ(GetMenuItemID(f.paste->Handle(), 0), f.plain->Command());
    EXPECT_EQ(GetObjectPropByName(&f.form, "Menu", "TMainMenu"), f.menu);
    EXPECT_EQ(GetObjectPropByName(&f.form, "Menu", "TMenu"), f.menu);
    EXPECT_EQ(GetEnumPropName(&f.form, "FormStyle"), "fsNormal");
}

TEST(MenuBar, ChangedItemsRebuildTheBarAndTellTheForm) {
    MenuForm f;
    HWND h = f.form.Handle();
    MessageRecorder rec;
    rec.Watch(f.form);
    f.copy->SetChecked(false);
    f.exit->SetEnabled(true);
    AddItem(f.menu->Items(), L"帮助(&H)");
    f.open->SetVisible(false);
    HMENU bar = GetMenu(h);
    EXPECT_EQ(bar, f.menu->Handle());
    EXPECT_EQ(GetMenuItemCount(bar), 3);
    EXPECT_FALSE(GetMenuState(f.edit->Handle(), f.copy->Command(), MF_BYCOMMAND) & MF_CHECKED);
    EXPECT_FALSE(GetMenuState(f.file->Handle(), f.exit->Command(), MF_BYCOMMAND) & (MF_GRAYED | MF_DISABLED));
    EXPECT_EQ(GetMenuItemCount(f.file->Handle()), 2) << "a hidden item leaves the menu";
    EXPECT_EQ(Only(rec.Take(), {CM_MENUCHANGED}).size(), 4u);
}

TEST(MenuBar, ACommandFromTheBarRunsTheItemsClickAndADisabledItemStaysQuiet) {
    MenuForm f;
    HWND h = f.form.Handle();
    SendMessageW(h, WM_COMMAND, MAKEWPARAM(f.plain->Command(), 0), 0);
    SendMessageW(h, WM_COMMAND, MAKEWPARAM(f.exit->Command(), 0), 0);
    EXPECT_EQ(f.clicks, (std::vector<std::string>{"plain"}));
}

struct AltCase {
    const char* name;
    bool ownerDraw;
};

class AltKeys : public ::testing::TestWithParam<AltCase> {};

TEST_P(AltKeys, AltAndTheAcceleratorOpenTheDropDownAndEnterChoosesItsFirstItem) {
    MenuForm f;
    f.menu->SetOwnerDraw(GetParam().ownerDraw);
    f.form.Show();
    HWND h = f.form.Handle();
    // What reaches the menu's own hooks: the drop-down that opened.
    std::vector<HMENU> opened;
    std::unique_ptr<TMessageHook> hook;
    hook = std::make_unique<TMessageHook>(f.menu->MessageHooks(), [&](TMessage& m) {
        if (m.Msg == WM_INITMENUPOPUP) opened.push_back(reinterpret_cast<HMENU>(m.WParam));
        hook->CallPrevious(m);
    });
    f.edit->OnClick = [&](TComponent*) { f.clicks.push_back("edit opens"); };
    Script script({[&] { PostKey(h, VK_RETURN); }});
    PostAltChar(h, L'e');
    EXPECT_TRUE(script.RunUntil([&] { return f.clicks.size() == 2; }));
    EXPECT_EQ(f.clicks, (std::vector<std::string>{"edit opens", "copy"}));
    ASSERT_FALSE(opened.empty());
    EXPECT_EQ(opened.front(), f.edit->Handle());
    f.form.Hide();
}

TEST_P(AltKeys, InsideAnOpenDropDownTheItemsAcceleratorChoosesIt) {
    MenuForm f;
    f.menu->SetOwnerDraw(GetParam().ownerDraw);
    f.form.Show();
    HWND h = f.form.Handle();
    Script script({[&] { PostMessageW(h, WM_CHAR, L'p', 1); }, [&] { PostMessageW(h, WM_CHAR, L't', 1); }});
    PostAltChar(h, L'e');
    EXPECT_TRUE(script.RunUntil([&] { return !f.clicks.empty(); }));
    EXPECT_EQ(f.clicks, (std::vector<std::string>{"plain"}));
    f.form.Hide();
}

INSTANTIATE_TEST_SUITE_P(MenuBar, AltKeys,
                         ::testing::Values(AltCase{"text", false}, AltCase{"ownerDrawn", true}),
                         [](const ::testing::TestParamInfo<AltCase>& p) { return p.param.name; });

TEST(MenuBar, OwnerDrawnItemsAreMeasuredAndDrawnThroughTheFormAndTheMenu) {
    MenuForm f;
    f.menu->SetOwnerDraw(true);
    int measured = 0, drawn = 0, formSaw = 0;
    f.file->OnMeasureItem = [&](TComponent*, TCanvas&, int& w, int& hgt) {
        ++measured;
        w = 77;
        hgt = 30;
    };
    f.file->OnAdvancedDrawItem = [&](TComponent*, TCanvas&, const RECT&, TOwnerDrawState) { ++drawn; };
    std::unique_ptr<TMessageHook> formHook;
    formHook = std::make_unique<TMessageHook>(f.form.MessageHooks(), [&](TMessage& m) {
        if (m.Msg == WM_MEASUREITEM || m.Msg == WM_DRAWITEM) ++formSaw;
        formHook->CallPrevious(m);
    });
    f.form.Show();
    HWND h = f.form.Handle();
    RedrawWindow(h, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
    RECT item{};
    ASSERT_TRUE(GetMenuItemRect(h, GetMenu(h), 0, &item));
    EXPECT_GE(item.right - item.left, 77) << "as wide as the handler measured, plus the bar's spacing";
    EXPECT_LT(item.right - item.left, 77 + 20);
    EXPECT_GT(measured, 0);
    EXPECT_GT(drawn, 0);
    EXPECT_GT(formSaw, 0);
    f.form.Hide();
}

TEST(PopupMenu, ItsOwnerMessagesPassTheMenusHooksAndAnOwnerDrawnItemsAcceleratorChoosesIt) {
    TPopupMenu menu;
    menu.SetOwnerDraw(true);
    std::vector<std::string> clicks;
    AddItem(menu.Items(), L"甲(&A)", [&] { clicks.push_back("a"); });
    AddItem(menu.Items(), L"-");
    AddItem(menu.Items(), L"乙(&B)", [&] { clicks.push_back("b"); });
    std::vector<UINT> seen;
    std::unique_ptr<TMessageHook> hook;
    hook = std::make_unique<TMessageHook>(menu.MessageHooks(), [&](TMessage& m) {
        seen.push_back(m.Msg);
        hook->CallPrevious(m);
    });
    HWND owner = menu.WindowHandle();
    Script script({[&] { PostKey(owner, VK_DOWN); }, [&] { PostMessageW(owner, WM_CHAR, L'b', 1); }});
    menu.Popup(200, 200);
    EXPECT_EQ(clicks, (std::vector<std::string>{"b"}));
    for (UINT msg : {WM_INITMENUPOPUP, WM_MEASUREITEM, WM_DRAWITEM, WM_MENUSELECT, WM_MENUCHAR})
        EXPECT_NE(std::find(seen.begin(), seen.end(), msg), seen.end()) << MessageName(msg);
}

TEST(MenuBar, FreeingTheMenuTakesTheBarOffTheForm) {
    TForm form;
    auto* menu = new TMainMenu(&form);
    AddItem(menu->Items(), L"文件(&F)");
    form.SetMenu(menu);
    HWND h = form.Handle();
    ASSERT_NE(GetMenu(h), nullptr);
    delete menu;
    EXPECT_EQ(form.Menu(), nullptr);
    EXPECT_EQ(GetMenu(h), nullptr);
}

} // namespace
