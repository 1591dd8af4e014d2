// Controls: alignment, windowless children, mouse routing, notifications,
// painting into memory.
#include "Application.h"
#include "Bitmap.h"
#include "CustomControl.h"
#include "Form.h"
#include "Hint.h"
#include "Paint.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace yq;

namespace {

// A windowed container that paints itself in its colour and shrinks the
// alignment area by 2 pixels, like a framed panel.
class TFramed : public TCustomControl {
public:
    using TCustomControl::TCustomControl;
    int inset = 2;

protected:
    void AdjustClientRect(RECT& r) const override { InflateRect(&r, -inset, -inset); }
    void Paint() override {
        RECT r = ClientRect();
        Canvas().Brush().SetColor(color_);
        Canvas().FillRect(r);
        Canvas().Brush().SetColor(clBlack);
        Canvas().FrameRect(r);
    }
};

// A windowless box that records what it is told.
class TProbe : public TGraphicControl {
public:
    using TGraphicControl::TGraphicControl;
    std::vector<std::string> log;

protected:
    void Paint() override {
        Canvas().Brush().SetColor(color_);
        RECT r = ClientRect();
        Canvas().FillRect(r);
    }
    void CMMouseEnter(TMessage& m) override {
        log.push_back("enter");
        TGraphicControl::CMMouseEnter(m);
    }
    void CMMouseLeave(TMessage& m) override {
        log.push_back("leave");
        TGraphicControl::CMMouseLeave(m);
    }
    void CMEnabledChanged(TMessage& m) override {
        log.push_back("enabled");
        TGraphicControl::CMEnabledChanged(m);
    }
    void CMTextChanged(TMessage& m) override {
        log.push_back("text");
        TGraphicControl::CMTextChanged(m);
    }
    void CMColorChanged(TMessage& m) override {
        log.push_back("color");
        TGraphicControl::CMColorChanged(m);
    }
    void CMFontChanged(TMessage& m) override {
        log.push_back("font");
        TGraphicControl::CMFontChanged(m);
    }
    void CMVisibleChanged(TMessage& m) override {
        log.push_back("visible");
        TGraphicControl::CMVisibleChanged(m);
    }
};

class ControlsTest : public ::testing::Test {
protected:
    void SetUp() override {
        form = new TForm(nullptr);
        form->BorderStyle = TFormBorderStyle::bsNone;
        form->SetBounds(0, 0, 300, 200);
    }
    void TearDown() override { delete form; }
    TForm* form = nullptr;
};

LPARAM At(int x, int y) {
    return MAKELPARAM(x, y);
}

TEST_F(ControlsTest, ChildrenAlignInTheParentsAdjustedClientRectangle) {
    auto* panel = new TFramed(form);
    panel->SetParent(form);
    panel->SetBounds(10, 10, 200, 150);
    auto make = [&](TAlign align, int size) {
        auto* c = new TProbe(form);
        c->SetBounds(0, 0, size, size);
        c->SetAlign(align);
        c->SetParent(panel);
        return c;
    };
    TProbe* top = make(TAlign::alTop, 20);
    TProbe* bottom = make(TAlign::alBottom, 30);
    TProbe* left = make(TAlign::alLeft, 40);
    TProbe* right = make(TAlign::alRight, 50);
    TProbe* client = make(TAlign::alClient, 5);
    struct Case {
        TControl* c;
        RECT expected;
    } cases[] = {
        {top, {2, 2, 198, 22}},       {bottom, {2, 118, 198, 148}}, {left, {2, 22, 42, 118}},
        {right, {148, 22, 198, 118}}, {client, {42, 22, 148, 118}},
    };
    for (const Case& c : cases) {
        RECT r = c.c->BoundsRect();
        EXPECT_EQ(r.left, c.expected.left);
        EXPECT_EQ(r.top, c.expected.top);
        EXPECT_EQ(r.right, c.expected.right);
        EXPECT_EQ(r.bottom, c.expected.bottom);
    }
    // Resizing the parent realigns; hiding a child gives its room away.
    panel->SetBounds(10, 10, 100, 150);
    EXPECT_EQ(top->Width(), 96);
    top->Hide();
    EXPECT_EQ(left->Top(), 2);
    EXPECT_EQ(client->BoundsRect().top, 2);
}

TEST_F(ControlsTest, WindowlessChildrenGetMouseMessagesInTheirCoordinates) {
    auto* panel = new TFramed(form);
    panel->SetParent(form);
    panel->SetBounds(0, 0, 200, 100);
    auto* probe = new TProbe(form);
    probe->SetParent(panel);
    probe->SetBounds(50, 20, 40, 30);
    std::vector<POINT> downs;
    int clicks = 0;
    probe->OnMouseDown = [&](TComponent* sender, TMouseButton, TShiftState, int x, int y) {
        EXPECT_EQ(sender, probe);
        downs.push_back({x, y});
    };
    probe->OnClick = [&](TComponent*) { ++clicks; };
    HWND h = panel->Handle();
    SendMessageW(h, WM_MOUSEMOVE, 0, At(55, 25));
    SendMessageW(h, WM_LBUTTONDOWN, MK_LBUTTON, At(55, 25));
    SendMessageW(h, WM_LBUTTONUP, 0, At(60, 30));
    ASSERT_EQ(downs.size(), 1u);
    EXPECT_EQ(downs[0].x, 5);
    EXPECT_EQ(downs[0].y, 5);
    EXPECT_EQ(clicks, 1);
    // Press inside, release outside: no click, but the release still goes
    // to the control that took the press.
    int ups = 0;
    probe->OnMouseUp = [&](TComponent*, TMouseButton, TShiftState, int x, int) {
        ++ups;
        EXPECT_EQ(x, 150);
    };
    SendMessageW(h, WM_LBUTTONDOWN, MK_LBUTTON, At(55, 25));
    SendMessageW(h, WM_LBUTTONUP, 0, At(200, 25));
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(ups, 1);
    // Moving off it: leave.
    probe->log.clear();
    SendMessageW(h, WM_MOUSEMOVE, 0, At(55, 25));
    SendMessageW(h, WM_MOUSEMOVE, 0, At(5, 5));
    EXPECT_EQ(probe->log, (std::vector<std::string>{"enter", "leave"}));
}

TEST_F(ControlsTest, SettersSendTheirNotificationsThroughTheMessageMethod) {
    auto* probe = new TProbe(form);
    probe->SetParent(form);
    std::vector<UINT> seen;
    TWndMethod saved = probe->WindowProc;
    probe->WindowProc = [&](TMessage& m) {
        seen.push_back(m.Msg);
        saved(m);
    };
    probe->SetEnabled(false);
    probe->SetCaption(L"x");
    probe->SetColor(clRed);
    probe->Font().SetHeight(-20);
    probe->SetVisible(false);
    probe->SetEnabled(false); // unchanged: nothing
    probe->WindowProc = saved;
    EXPECT_EQ(seen, (std::vector<UINT>{CM_ENABLEDCHANGED, WM_SETTEXT, CM_TEXTCHANGED, CM_COLORCHANGED,
                                       CM_FONTCHANGED, CM_VISIBLECHANGED}));
    EXPECT_EQ(probe->Caption(), L"x");
    EXPECT_FALSE(probe->ParentFont());
}

TEST_F(ControlsTest, ParentColourAndFontFollowTheParent) {
    auto* panel = new TFramed(form);
    panel->SetParent(form);
    auto* probe = new TProbe(form);
    probe->SetParentColor(true);
    probe->SetParent(panel);
    panel->SetColor(0x123456);
    EXPECT_EQ(probe->Color(), 0x123456u);
    EXPECT_TRUE(probe->ParentColor());
    panel->Font().SetName(L"黑体");
    EXPECT_EQ(probe->Font().Name(), L"黑体");
    EXPECT_TRUE(probe->ParentFont());
    probe->SetColor(clRed);
    panel->SetColor(clBlue);
    EXPECT_EQ(probe->Color(), clRed);
}

TEST_F(ControlsTest, PaintToDrawsTheControlAndItsChildrenIntoABitmap) {
    auto* panel = new TFramed(form);
    panel->SetParent(form);
    panel->SetBounds(5, 5, 100, 60);
    panel->SetColor(clWhite);
    auto* probe = new TProbe(form);
    probe->SetParent(panel);
    probe->SetBounds(10, 10, 20, 20);
    probe->SetColor(clRed);
    auto* inner = new TFramed(form);
    inner->SetParent(panel);
    inner->SetBounds(50, 10, 30, 30);
    inner->SetColor(clBlue);
    TBitmap bmp(120, 80);
    form->Show();
    form->PaintTo(bmp.Canvas().Handle(), 0, 0);
    EXPECT_EQ(bmp.Pixel(5, 5), clBlack);                  // panel frame
    EXPECT_EQ(bmp.Pixel(7, 7), clWhite);                  // panel face
    EXPECT_EQ(bmp.Pixel(20, 20), clRed);                  // windowless child
    EXPECT_EQ(bmp.Pixel(55, 15), clBlack);                // windowed child's frame
    EXPECT_EQ(bmp.Pixel(65, 25), clBlue);                 // windowed child's face
    EXPECT_EQ(bmp.Pixel(110, 70), ColorToRGB(clBtnFace)); // the form
}

} // namespace

namespace {

// A windowed control that shows its parent through, then marks its middle.
class TSeeThrough : public TCustomControl {
public:
    explicit TSeeThrough(TComponent* owner) : TCustomControl(owner) { ControlStyle |= csOpaque; }

protected:
    void Paint() override {
        TOffscreen buffer(width_, height_);
        DrawParentImage(*this, buffer.Dc());
        buffer.Canvas().Brush().SetColor(clYellow);
        buffer.Canvas().FillRect({width_ / 2 - 1, height_ / 2 - 1, width_ / 2 + 1, height_ / 2 + 1});
        buffer.CopyTo(Canvas().Handle());
    }
};

TEST_F(ControlsTest, ATransparentControlDrawsWhatLiesBehindItInItsParent) {
    auto* panel = new TFramed(form);
    panel->SetParent(form);
    panel->SetBounds(0, 0, 100, 100);
    panel->SetColor(clBlue);
    auto* behind = new TProbe(form); // windowless, under the see-through control
    behind->SetParent(panel);
    behind->SetBounds(10, 10, 20, 20);
    behind->SetColor(clRed);
    auto* glass = new TSeeThrough(form);
    glass->SetParent(panel);
    glass->SetBounds(5, 5, 40, 40);
    form->Show();
    TBitmap shot(100, 100);
    panel->PaintTo(shot.Canvas().Handle(), 0, 0);
    EXPECT_EQ(shot.Pixel(6, 6), clBlue);     // the parent's face
    EXPECT_EQ(shot.Pixel(12, 12), clRed);    // the parent's windowless child
    EXPECT_EQ(shot.Pixel(25, 25), clYellow); // its own drawing on top
    EXPECT_EQ(shot.Pixel(0, 0), clBlack);    // the parent's frame, outside it
}

TEST_F(ControlsTest, HintShowsAfterThePauseAndGoesOnAClick) {
    auto* panel = new TFramed(form);
    panel->SetParent(form);
    panel->SetBounds(0, 0, 200, 100);
    auto* probe = new TProbe(form);
    probe->SetParent(panel);
    probe->SetBounds(50, 20, 40, 30);
    probe->SetHint(L"第一行\r\n第二行|状态栏");
    probe->SetShowHint(true);
    form->Show();
    THintController& hints = Application().Hints();
    hints.HintPause = 10;
    auto pump = [](auto done) {
        DWORD start = GetTickCount();
        while (!done() && GetTickCount() - start < 3000) {
            Application().ProcessMessages();
            Sleep(5);
        }
    };
    PostMessageW(panel->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(55, 25));
    pump([&] { return hints.HintShowing(); });
    ASSERT_TRUE(hints.HintShowing());
    EXPECT_EQ(hints.HintControl(), probe);
    EXPECT_EQ(hints.Window()->Caption(), L"第一行\r\n第二行");
    EXPECT_GT(hints.Window()->Height(), 2 * -hints.Window()->Font().Height());
    PostMessageW(panel->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(55, 25));
    Application().ProcessMessages();
    EXPECT_FALSE(hints.HintShowing());
    // A control without ShowHint shows nothing; a freed one is forgotten.
    PostMessageW(panel->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    Application().ProcessMessages();
    EXPECT_EQ(hints.HintControl(), panel);
    PostMessageW(panel->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(55, 25));
    Application().ProcessMessages();
    delete probe;
    EXPECT_EQ(hints.HintControl(), nullptr);
    Sleep(30);
    Application().ProcessMessages();
    EXPECT_FALSE(hints.HintShowing());
    hints.HintPause = 500;
}

TEST_F(ControlsTest, ContextMenuRequestsGoToTheControlUnderThePointerFirst) {
    auto* panel = new TFramed(form);
    panel->SetParent(form);
    panel->SetBounds(0, 0, 200, 100);
    auto* probe = new TProbe(form);
    probe->SetParent(panel);
    probe->SetBounds(50, 20, 40, 30);
    std::vector<std::string> log;
    bool childHandles = false;
    probe->OnContextPopup = [&](TComponent*, POINT p, bool& handled) {
        log.push_back("child " + std::to_string(p.x) + "," + std::to_string(p.y));
        handled = childHandles;
    };
    panel->OnContextPopup = [&](TComponent*, POINT p, bool&) {
        log.push_back("panel " + std::to_string(p.x) + "," + std::to_string(p.y));
    };
    HWND h = panel->Handle();
    POINT at{60, 30};
    ClientToScreen(h, &at);
    SendMessageW(h, WM_CONTEXTMENU, WPARAM(h), MAKELPARAM(at.x, at.y));
    childHandles = true;
    SendMessageW(h, WM_CONTEXTMENU, WPARAM(h), MAKELPARAM(at.x, at.y));
    SendMessageW(h, WM_CONTEXTMENU, WPARAM(h), -1);
    EXPECT_EQ(log, (std::vector<std::string>{"child 10,10", "panel 60,30", "child 10,10", "panel -1,-1"}));
}

} // namespace
