// Forms: frames, client size, position, closing, focus and the tab order,
// dialog keys, modal results; and no handle leaks.
#include "Application.h"
#include "Bitmap.h"
#include "ExtCtrls.h"
#include "Screen.h"

#include "gui_counts.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace yq;
using yq::test::Counts;
using yq::test::GuiCounts;

namespace {

class TBox : public TCustomControl {
public:
    explicit TBox(TComponent* owner) : TCustomControl(owner) { SetTabStop(true); }
    std::vector<std::string> log;
    LRESULT dialogResult = 0;

protected:
    void Paint() override {
        RECT r = ClientRect();
        Canvas().Brush().SetColor(color_);
        Canvas().FillRect(r);
        Canvas().Font().SetColor(clBlack);
        Canvas().TextOut(2, 2, caption_);
    }
    void CMFocusChanged(TMessage& m) override {
        log.push_back(reinterpret_cast<TWinControl*>(m.LParam) == this ? "focus: me" : "focus: other");
        TCustomControl::CMFocusChanged(m);
    }
    void CMDialogKey(TMessage& m) override {
        log.push_back("key " + std::to_string(m.WParam));
        m.Result = dialogResult;
    }
    void CMDialogChar(TMessage& m) override {
        log.push_back("char " + std::string(1, char(m.WParam)));
        m.Result = dialogResult;
    }
    void DoEnter() override {
        log.push_back("enter");
        TCustomControl::DoEnter();
    }
    void DoExit() override {
        log.push_back("exit");
        TCustomControl::DoExit();
    }
};

class FormsTest : public ::testing::Test {
protected:
    void SetUp() override {
        Application().MessageBoxFunc = [](const std::wstring&, const std::wstring&, UINT) { return IDOK; };
    }
    // Posts a key as the keyboard would and runs the loop.
    static void Key(HWND h, WPARAM vk) {
        PostMessageW(h, WM_KEYDOWN, vk, 1);
        Application().ProcessMessages();
    }
};

TEST_F(FormsTest, BorderStylesIconsAndClientSize) {
    struct Case {
        TFormBorderStyle border;
        int icons;
        DWORD wanted, unwanted;
    } cases[] = {
        {TFormBorderStyle::bsSizeable, 3, WS_THICKFRAME | WS_SYSMENU | WS_MINIMIZEBOX, WS_MAXIMIZEBOX},
        {TFormBorderStyle::bsSingle, 7, WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX, WS_THICKFRAME},
        {TFormBorderStyle::bsSingle, 1, WS_SYSMENU, WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME},
        {TFormBorderStyle::bsDialog, 7, WS_SYSMENU, WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME},
        {TFormBorderStyle::bsNone, 7, WS_POPUP, WS_CAPTION | WS_SYSMENU},
    };
    for (const Case& c : cases) {
        TForm form;
        form.BorderStyle = c.border;
        form.BorderIcons = c.icons;
        form.SetClientSize(300, 150);
        EXPECT_EQ(form.ClientWidth(), 300); // before the window exists
        EXPECT_EQ(form.ClientHeight(), 150);
        DWORD style = DWORD(GetWindowLongW(form.Handle(), GWL_STYLE));
        EXPECT_EQ(style & c.wanted, c.wanted) << int(c.border);
        EXPECT_EQ(style & c.unwanted, 0u) << int(c.border);
        RECT r;
        GetClientRect(form.Handle(), &r);
        EXPECT_EQ(r.right, 300);
        EXPECT_EQ(r.bottom, 150);
    }
}

TEST_F(FormsTest, PositionCentresOnTheDesktopOrTheMainForm) {
    TForm form;
    form.Position = TPosition::poDesktopCenter;
    form.SetBounds(0, 0, 400, 300);
    form.Show();
    EXPECT_EQ(form.Left(), (Screen().Width() - 400) / 2);
    EXPECT_EQ(form.Top(), (Screen().Height() - 300) / 2);
    form.Hide();
}

TEST_F(FormsTest, FormsAreListedInCreationOrder) {
    int before = Screen().FormCount();
    auto* a = new TForm(nullptr);
    auto* b = new TForm(nullptr);
    EXPECT_EQ(Screen().Forms(before), a);
    EXPECT_EQ(Screen().Forms(before + 1), b);
    delete a;
    EXPECT_EQ(Screen().Forms(before), b);
    delete b;
    EXPECT_EQ(Screen().FormCount(), before);
}

TEST_F(FormsTest, FocusMovesInTabOrderAndEveryControlHearsOfIt) {
    TForm form;
    form.SetBounds(0, 0, 300, 200);
    auto* panel = new TPanel(&form);
    panel->SetParent(&form);
    panel->SetBounds(0, 0, 300, 200);
    auto* a = new TBox(&form);
    auto* b = new TBox(&form);
    auto* c = new TBox(&form);
    for (TBox* box : {a, b, c}) {
        box->SetParent(panel);
        box->SetBounds(10, 10, 40, 20);
    }
    c->SetTabOrder(0); // order now c, a, b
    b->SetTabStop(false);
    form.Show();
    a->SetFocus();
    EXPECT_EQ(form.ActiveControl(), a);
    EXPECT_EQ(a->log, (std::vector<std::string>{"focus: me", "enter"}));
    EXPECT_EQ(c->log, (std::vector<std::string>{"focus: other"}));
    Key(a->Handle(), VK_TAB); // b has no tab stop: back to c
    EXPECT_EQ(form.ActiveControl(), c);
    EXPECT_TRUE(c->Focused());
    EXPECT_EQ(a->log, (std::vector<std::string>{"focus: me", "enter", "exit", "focus: other"}));
    Key(c->Handle(), VK_TAB); // and round again
    EXPECT_EQ(form.ActiveControl(), a);
    // Arrows ignore tab stops.
    Key(a->Handle(), VK_RIGHT);
    EXPECT_EQ(form.ActiveControl(), b);
    form.Hide();
}

TEST_F(FormsTest, DialogKeysAndCharsReachTheControlsUntilOneTakesThem) {
    TForm form;
    auto* a = new TBox(&form);
    auto* b = new TBox(&form);
    a->SetParent(&form);
    b->SetParent(&form);
    form.Show();
    a->SetFocus();
    a->log.clear();
    b->log.clear();
    Key(a->Handle(), VK_RETURN);
    EXPECT_EQ(a->log, (std::vector<std::string>{"key 13"}));
    EXPECT_EQ(b->log, (std::vector<std::string>{"key 13"}));
    a->dialogResult = 1; // a takes it: b does not hear of it
    PostMessageW(a->Handle(), WM_CHAR, 'k', 1);
    Application().ProcessMessages();
    EXPECT_EQ(a->log.back(), "char k");
    EXPECT_EQ(b->log.back(), "key 13");
    form.Hide();
}

TEST_F(FormsTest, CloseHidesOtherFormsAndModalResultEndsShowModal) {
    auto* form = new TForm(nullptr);
    std::vector<TCloseAction> actions;
    form->OnClose = [&](TComponent*, TCloseAction& action) { actions.push_back(action); };
    form->Show();
    form->Close();
    EXPECT_EQ(actions, (std::vector<TCloseAction>{TCloseAction::caHide}));
    EXPECT_FALSE(IsWindowVisible(form->Handle()));
    // ShowModal returns the result set by a handler inside the loop.
    PostMessageW(form->Handle(), WM_USER + 1, 0, 0);
    TWndMethod previous = form->WindowProc;
    form->WindowProc = [&](TMessage& m) {
        if (m.Msg == WM_USER + 1)
            form->SetModalResult(mrYes);
        else
            previous(m);
    };
    EXPECT_EQ(form->ShowModal(), mrYes);
    EXPECT_FALSE(IsWindowVisible(form->Handle()));
    form->WindowProc = previous;
    // caFree releases the form after the current message.
    form->OnClose = [](TComponent*, TCloseAction& action) { action = TCloseAction::caFree; };
    int before = Screen().FormCount();
    form->Show();
    form->Close();
    Application().ProcessMessages();
    EXPECT_EQ(Screen().FormCount(), before - 1);
}

TEST_F(FormsTest, NoHandleLeakAfterRepaintsOrCreatingAndFreeingForms) {
    auto build = [] {
        auto* form = new TForm(nullptr);
        form->SetBounds(0, 0, 200, 150);
        auto* panel = new TPanel(form);
        panel->SetParent(form);
        panel->SetAlign(TAlign::alClient);
        panel->SetCaption(L"面板");
        auto* image = new TImage(form);
        image->SetParent(panel);
        image->Picture().Bitmap()->SetSize(20, 20);
        image->SetStretch(true);
        auto* box = new TBox(form);
        box->SetParent(panel);
        box->SetBounds(40, 40, 60, 20);
        box->SetCaption(L"盒子");
        return form;
    };
    TForm* form = build();
    form->Show();
    TBitmap target(200, 150);
    auto repaint = [&] {
        RedrawWindow(form->Handle(), nullptr, nullptr,
                     RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        form->PaintTo(target.Canvas().Handle(), 0, 0);
        Application().ProcessMessages();
    };
    repaint();
    GuiCounts start = Counts();
    for (int i = 0; i < 1000; ++i)
        repaint();
    EXPECT_EQ(Counts(), start);
    delete form;
    delete build(); // warm-up: window classes, stock objects
    Application().ProcessMessages();
    start = Counts();
    for (int i = 0; i < 100; ++i) {
        TForm* f = build();
        f->Show();
        f->Hide();
        delete f;
    }
    Application().ProcessMessages();
    EXPECT_EQ(Counts(), start);
}

} // namespace
