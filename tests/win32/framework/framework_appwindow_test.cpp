// The application's window: the program's one task-bar button, captioned
// with the title, owner of every form; minimising the main form minimises
// the program.
#include "Application.h"
#include "Form.h"

#include <gtest/gtest.h>

#include <vector>

using namespace yq;

namespace {

// Windows the shell gives a task-bar button: visible top-level windows that
// are unowned and not tool windows, or that ask for one.
std::vector<HWND> TaskBarWindows() {
    std::vector<HWND> found;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND h, LPARAM lp) -> BOOL {
            LONG ex = GetWindowLongW(h, GWL_EXSTYLE);
            bool button = (!GetWindow(h, GW_OWNER) && !(ex & WS_EX_TOOLWINDOW)) || (ex & WS_EX_APPWINDOW);
            if (IsWindowVisible(h) && button) reinterpret_cast<std::vector<HWND>*>(lp)->push_back(h);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&found));
    return found;
}

std::wstring TextOf(HWND h) {
    wchar_t text[64] = {};
    GetWindowTextW(h, text, 64);
    return text;
}

class ApplicationWindow : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        TApplication& app = Application();
        app.Title = L"云樵";
        main = app.CreateForm<TForm>();
        main->SetCaption(L"主窗口");
        for (const wchar_t* caption : {L"二", L"三", L"四"}) {
            TForm* f = app.CreateForm<TForm>();
            f->SetCaption(caption);
            others.push_back(f);
        }
        main->Show();
        for (TForm* f : others)
            f->Show();
        main->Show();
    }
    static inline TForm* main = nullptr;
    static inline std::vector<TForm*> others;
};

TEST_F(ApplicationWindow, IsTheOneTaskBarButtonCaptionedWithTheTitleAndOwnsTheForms) {
    HWND app = Application().Handle();
    wchar_t cls[32];
    GetClassNameW(app, cls, 32);
    EXPECT_STREQ(cls, L"TApplication");
    EXPECT_EQ(TaskBarWindows(), std::vector<HWND>{app});
    EXPECT_EQ(TextOf(app), L"云樵");
    RECT r;
    GetWindowRect(app, &r);
    EXPECT_TRUE(IsRectEmpty(&r)) << "nothing of it shows on the desktop";
    EXPECT_EQ(GetWindow(main->Handle(), GW_OWNER), app);
    for (TForm* f : others)
        EXPECT_EQ(GetWindow(f->Handle(), GW_OWNER), app);
    Application().SetTitle(L"云樵二");
    EXPECT_EQ(TextOf(app), L"云樵二");
    Application().SetTitle(L"云樵");
}

TEST_F(ApplicationWindow, TheMainFormIsTheActiveOneAfterItShows) {
    EXPECT_EQ(GetActiveWindow(), main->Handle());
}

TEST_F(ApplicationWindow, ActivatedFromTheTaskBarItHandsOverToTheMainFormOrTheModalOne) {
    HWND app = Application().Handle();
    SetActiveWindow(app);
    EXPECT_EQ(GetActiveWindow(), main->Handle());
    // While a modal form runs, the others are disabled.
    TForm* modal = others[1];
    for (TForm* f : {main, others[0], others[2]})
        EnableWindow(f->Handle(), FALSE);
    SetActiveWindow(app);
    EXPECT_EQ(GetActiveWindow(), modal->Handle());
    for (TForm* f : {main, others[0], others[2]})
        EnableWindow(f->Handle(), TRUE);
    main->Show();
}

TEST_F(ApplicationWindow, MinimisingTheMainFormMinimisesTheProgramAndRestoringBringsEveryFormBack) {
    HWND app = Application().Handle();
    int minimized = 0, restored = 0;
    Application().OnMinimize = [&](TComponent*) { ++minimized; };
    Application().OnRestore = [&](TComponent*) { ++restored; };
    SendMessageW(main->Handle(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
    EXPECT_TRUE(IsIconic(app));
    EXPECT_FALSE(IsWindowVisible(main->Handle()));
    for (TForm* f : others)
        EXPECT_FALSE(IsWindowVisible(f->Handle()));
    EXPECT_EQ(TaskBarWindows(), std::vector<HWND>{app});
    Application().Restore();
    EXPECT_FALSE(IsIconic(app));
    EXPECT_TRUE(IsWindowVisible(main->Handle()));
    for (TForm* f : others)
        EXPECT_TRUE(IsWindowVisible(f->Handle()));
    EXPECT_EQ(minimized, 1);
    EXPECT_EQ(restored, 1);
    Application().OnMinimize = nullptr;
    Application().OnRestore = nullptr;
}

} // namespace
