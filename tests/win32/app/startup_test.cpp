#include "StartOptions.h"
#include "app_fixture.h"

using namespace yq;

namespace {

class StartupTest : public ::testing::Test {};

TEST_F(StartupTest, FirstCreatedFormIsTheMainWindow) {
    EXPECT_EQ(Application().MainForm(), Form4);
    EXPECT_EQ(Form4->Caption(), L"云樵 V2016.08.15");
    EXPECT_EQ(Form4->Width(), 800);
    EXPECT_EQ(Form4->Height(), 600);
}

TEST_F(StartupTest, OtherWindowsHaveTheirCaptionsAndStayHidden) {
    struct Case {
        TForm* form;
        const wchar_t* caption;
    } cases[] = {{Form1, L"云樵雅集"}, {Form3, L"修改"}, {Form5, L"灯谜批量添加"}};
    for (const Case& c : cases) {
        EXPECT_EQ(c.form->Caption(), c.caption);
        EXPECT_FALSE(c.form->HandleAllocated() && IsWindowVisible(c.form->Handle()));
    }
    EXPECT_EQ(Form1->ClientWidth(), 784);
    EXPECT_EQ(Form1->ClientHeight(), 561);
}

TEST_F(StartupTest, ClosingAnotherWindowOnlyHidesItAndKeepsItsState) {
    for (TForm* form : {static_cast<TForm*>(Form1), static_cast<TForm*>(Form3), static_cast<TForm*>(Form5)}) {
        form->Show();
        HWND before = form->Handle();
        ASSERT_TRUE(IsWindowVisible(before));
        form->SetCaption(form->Caption() + L"*");
        SendMessageW(before, WM_CLOSE, 0, 0);
        EXPECT_FALSE(IsWindowVisible(before));
        EXPECT_FALSE(Application().Terminated());
        form->Show();
        EXPECT_EQ(form->Handle(), before);
        wchar_t text[64];
        GetWindowTextW(before, text, 64);
        EXPECT_EQ(std::wstring(text), form->Caption());
        form->Hide();
    }
}

TEST_F(StartupTest, TheFourWindowsShowOneTaskBarButtonCaptionedWithTheTitle) {
    for (TForm* form : {static_cast<TForm*>(Form4), static_cast<TForm*>(Form1), static_cast<TForm*>(Form3),
                        static_cast<TForm*>(Form5)})
        form->Show();
    Form4->Show(); // the main window comes back to the front
    HWND app = Application().Handle();
    std::vector<HWND> buttons;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND h, LPARAM lp) -> BOOL {
            LONG ex = GetWindowLongW(h, GWL_EXSTYLE);
            if (IsWindowVisible(h) &&
                ((!GetWindow(h, GW_OWNER) && !(ex & WS_EX_TOOLWINDOW)) || (ex & WS_EX_APPWINDOW)))
                reinterpret_cast<std::vector<HWND>*>(lp)->push_back(h);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&buttons));
    EXPECT_EQ(buttons, std::vector<HWND>{app});
    wchar_t text[16] = {};
    GetWindowTextW(app, text, 16);
    EXPECT_STREQ(text, L"云樵");
    for (TForm* form : {static_cast<TForm*>(Form4), static_cast<TForm*>(Form1), static_cast<TForm*>(Form3),
                        static_cast<TForm*>(Form5)})
        EXPECT_EQ(GetWindow(form->Handle(), GW_OWNER), app);
    EXPECT_EQ(GetActiveWindow(), Form4->Handle());
    for (TForm* form : {static_cast<TForm*>(Form1), static_cast<TForm*>(Form3), static_cast<TForm*>(Form5)})
        form->Hide();
}

TEST_F(StartupTest, SecondaryWindowsAreCentredOnTheMainWindow) {
    Form4->Show();
    Form3->Show();
    RECT main, edit;
    GetWindowRect(Form4->Handle(), &main);
    GetWindowRect(Form3->Handle(), &edit);
    EXPECT_NEAR((main.left + main.right) / 2, (edit.left + edit.right) / 2, 1);
    EXPECT_NEAR((main.top + main.bottom) / 2, (edit.top + edit.bottom) / 2, 1);
    Form3->Hide();
}

TEST(StartOptions, OnlyUnskinnedIsUnderstoodAndAnythingElseIsIgnored) {
    struct Case {
        std::vector<std::wstring> args;
        bool unskinned;
    } cases[] = {
        {{}, false},
        {{L"--unskinned"}, true},
        {{L"C:\\riddles\\dm.txt", L"--unskinned"}, true},
        {{L"--unskinned=no"}, false},
        {{L"/unskinned", L"-u"}, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ParseStartOptions(c.args).unskinned, c.unskinned) << c.args.size();
}

TEST_F(StartupTest, ClosingTheMainWindowEndsTheEventLoop) {
    Form4->Show();
    SendMessageW(Form4->Handle(), WM_CLOSE, 0, 0);
    EXPECT_TRUE(Application().Terminated());
}

} // namespace
