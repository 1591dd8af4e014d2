// Status bar, progress bar, track bar, up-down buttons and scroll bar:
// properties by name, the platform's notifications turned into events,
// and the status bar's panels.
#include "Bitmap.h"
#include "Edit.h"
#include "ProgressBar.h"
#include "ScrollBar.h"
#include "StatusBar.h"
#include "Strings.h"
#include "TrackBar.h"
#include "UpDown.h"
#include "form_fixture.h"
#include "pictures.h"

#include <commctrl.h>

#include <functional>
#include <string>

using namespace yq;
using namespace yq::test;

namespace {

class BarsTest : public FormFixture {};

TEST_F(BarsTest, PublishedPropertiesAreWrittenAndReadByNameAndReachTheWindow) {
    auto* status = Add<TStatusBar>(0, 0, 0, 20);
    auto* progress = Add<TProgressBar>(10, 10, 200, 16);
    auto* track = Add<TTrackBar>(10, 40, 200, 40);
    auto* edit = Add<TEdit>(10, 90, 80, 21);
    auto* updown = Add<TUpDown>(90, 90, 17, 21);
    updown->SetAssociate(edit);
    auto* scroll = Add<TScrollBar>(10, 120, 200, 17);
    struct Case {
        TPersistent* object;
        const char* prop;
        const wchar_t* value;
        std::string enumName; // expected GetEnumPropName, or "" for integers
        long long intValue;
        std::function<bool()> window;
    } cases[] = {
        {status, "SimpleText", L"就绪", "", 0,
         [&] {
             wchar_t text[32] = {};
             // A simple bar reads its one text as part 0.
             SendMessageW(status->Handle(), SB_GETTEXTW, 0, LPARAM(text));
             return std::wstring(text) == L"就绪" && GetWidePropByName(status, "simpletext") == L"就绪";
         }},
        {status, "SizeGrip", L"False", "False", 0, [&] { return !(StyleOf(*status) & SBARS_SIZEGRIP); }},
        {progress, "Max", L"200", "", 200,
         [&] { return SendMessageW(progress->Handle(), PBM_GETRANGE, FALSE, 0) == 200; }},
        {progress, "Position", L"50", "", 50,
         [&] { return SendMessageW(progress->Handle(), PBM_GETPOS, 0, 0) == 50; }},
        {progress, "Orientation", L"pbVertical", "pbVertical", 0,
         [&] { return (StyleOf(*progress) & PBS_VERTICAL) && progress->Position() == 50; }},
        {track, "Max", L"20", "", 20,
         [&] { return SendMessageW(track->Handle(), TBM_GETRANGEMAX, 0, 0) == 20; }},
        {track, "Position", L"7", "", 7,
         [&] { return SendMessageW(track->Handle(), TBM_GETPOS, 0, 0) == 7; }},
        {track, "Orientation", L"trVertical", "trVertical", 0,
         [&] { return (StyleOf(*track) & TBS_VERT) && track->Height() == 200; }},
        {updown, "Max", L"10", "", 10, [&] { return true; }},
        {updown, "Position", L"4", "", 4,
         [&] {
             wchar_t text[16] = {};
             GetWindowTextW(edit->Handle(), text, 16);
             return std::wstring(text) == L"4";
         }},
        {updown, "Orientation", L"udHorizontal", "udHorizontal", 0,
         [&] { return (StyleOf(*updown) & UDS_HORZ) && updown->Position() == 4; }},
        {scroll, "Kind", L"sbVertical", "sbVertical", 0, [&] { return (StyleOf(*scroll) & SBS_VERT) != 0; }},
        {scroll, "PageSize", L"10", "", 10, [&] { return true; }},
        {scroll, "Position", L"95", "", 91, [&] { return GetScrollPos(scroll->Handle(), SB_CTL) == 91; }},
    };
    for (const Case& c : cases) {
        SetPropByName(c.object, c.prop, c.value);
        if (c.enumName.empty())
            EXPECT_EQ(GetIntPropByName(c.object, c.prop), c.intValue) << c.prop;
        else
            EXPECT_EQ(GetEnumPropName(c.object, c.prop), c.enumName) << c.prop;
        EXPECT_TRUE(c.window()) << c.prop;
    }
    EXPECT_EQ(GetObjectPropByName(updown, "Associate", "TWinControl"), edit);
    for (TControl* c : std::initializer_list<TControl*>{status, progress, track, updown, scroll})
        EXPECT_TRUE(c->InheritsFrom(c->ClassName())); // the dispatch tests names
    EXPECT_STREQ(track->ClassName(), "TTrackBar");
    EXPECT_STREQ(updown->ClassName(), "TUpDown");
}

TEST_F(BarsTest, UserChangesArriveAsEvents) {
    auto* track = Add<TTrackBar>(10, 10, 200, 40);
    auto* scroll = Add<TScrollBar>(10, 60, 200, 17);
    scroll->SetLargeChange(25);
    int trackChanges = 0, scrollChanges = 0;
    track->OnChange = [&](TComponent*) { ++trackChanges; };
    scroll->OnChange = [&](TComponent*) { ++scrollChanges; };
    std::vector<TScrollCode> codes;
    scroll->OnScroll = [&](TComponent*, TScrollCode code, int& pos) {
        codes.push_back(code);
        if (code == TScrollCode::scBottom) pos = 60; // a handler may choose the position
    };

    // Keys on the track bar: it moves its thumb and tells its parent.
    SendMessageW(track->Handle(), WM_KEYDOWN, VK_RIGHT, 0);
    SendMessageW(track->Handle(), WM_KEYDOWN, VK_END, 0);
    EXPECT_EQ(track->Position(), 10);
    EXPECT_EQ(trackChanges, 2);

    // The platform's scroll requests, as its scroll bar sends them.
    auto request = [&](int code) {
        SendMessageW(form->Handle(), WM_HSCROLL, code, LPARAM(scroll->Handle()));
    };
    request(SB_LINEDOWN);
    EXPECT_EQ(scroll->Position(), 1);
    request(SB_PAGEDOWN);
    EXPECT_EQ(scroll->Position(), 26);
    request(SB_BOTTOM);
    EXPECT_EQ(scroll->Position(), 60);
    request(SB_ENDSCROLL);
    EXPECT_EQ(scroll->Position(), 60);
    EXPECT_EQ(scrollChanges, 3);
    EXPECT_EQ(codes, (std::vector<TScrollCode>{TScrollCode::scLineDown, TScrollCode::scPageDown,
                                               TScrollCode::scBottom, TScrollCode::scEndScroll}));
    EXPECT_EQ(GetScrollPos(scroll->Handle(), SB_CTL), 60);
}

TEST_F(BarsTest, UpDownStepsItsEditAndMayBeRefused) {
    form->Show();
    auto* edit = Add<TEdit>(10, 10, 80, 21);
    auto* updown = Add<TUpDown>(0, 0, 17, 21);
    updown->SetMax(3);
    updown->SetAssociate(edit);
    // The buttons sit at the edit's right edge.
    EXPECT_EQ(updown->Left(), edit->Left() + edit->Width());
    std::vector<TUDBtnType> clicks;
    updown->OnUDClick = [&](TComponent*, TUDBtnType b) { clicks.push_back(b); };
    bool allow = true;
    updown->OnChanging = [&](TComponent*, bool& a) { a = allow; };
    auto press = [&](bool up) {
        LPARAM at = MAKELPARAM(8, up ? 3 : updown->Height() - 3);
        SendMessageW(updown->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, at);
        SendMessageW(updown->Handle(), WM_LBUTTONUP, 0, at);
    };
    press(true);
    press(true);
    EXPECT_EQ(updown->Position(), 2);
    EXPECT_EQ(edit->Text(), L"2");
    press(false);
    EXPECT_EQ(updown->Position(), 1);
    EXPECT_EQ(clicks, (std::vector<TUDBtnType>{TUDBtnType::btNext, TUDBtnType::btNext, TUDBtnType::btPrev}));
    allow = false;
    press(true);
    EXPECT_EQ(updown->Position(), 1);
    EXPECT_EQ(edit->Text(), L"1");
    // Freeing the edit leaves the buttons alone.
    delete edit;
    press(false);
}

TEST_F(BarsTest, StatusBarPanelsTakeTheirWidthsAndOwnerDrawnOnesArePaintedByTheEvent) {
    auto* bar = Add<TStatusBar>(0, 0, 0, 22);
    EXPECT_EQ(bar->Top() + bar->Height(), form->ClientHeight()); // aligned at the bottom
    EXPECT_TRUE(StyleOf(*bar) & SBARS_SIZEGRIP);
    const wchar_t* texts[] = {L"第一格", L"第二格", L""};
    for (const wchar_t* t : texts) {
        TStatusPanel* p = bar->Panels().Add();
        p->SetText(t);
        p->SetWidth(120);
    }
    bar->Panels()[1]->SetStyle(TStatusPanelStyle::psOwnerDraw);
    EXPECT_EQ(SendMessageW(bar->Handle(), SB_GETPARTS, 0, 0), 3);
    EXPECT_GE(bar->PanelRect(1).left, bar->PanelRect(0).right);
    EXPECT_GT(bar->PanelRect(2).right, 400); // the last panel takes the rest
    wchar_t text[32] = {};
    SendMessageW(bar->Handle(), SB_GETTEXTW, 0, LPARAM(text));
    EXPECT_STREQ(text, L"第一格");
    EXPECT_EQ(GetWidePropByName(bar->Panels()[0], "Text"), L"第一格");
    SetPropByName(bar->Panels()[0], "Bevel", L"pbRaised");
    EXPECT_TRUE(HIWORD(SendMessageW(bar->Handle(), SB_GETTEXTLENGTHW, 0, 0)) & SBT_POPOUT);
    EXPECT_THROW(bar->Panels()[3], EListError);

    std::vector<int> drawn;
    bar->OnDrawPanel = [&](TCustomStatusBar* sender, TStatusPanel* panel, const RECT& r) {
        drawn.push_back(panel->Index());
        sender->Canvas().Brush().SetColor(0x000000FF);
        sender->Canvas().FillRect(r);
    };
    form->Show();
    bar->Repaint();
    TBitmap bmp(form->ClientWidth(), bar->Height());
    CaptureWindow(bar->Handle(), bmp);
    EXPECT_EQ(drawn, std::vector<int>{1});
    RECT r1 = bar->PanelRect(1);
    EXPECT_EQ(bmp.Pixel((r1.left + r1.right) / 2, (r1.top + r1.bottom) / 2), TColor(0x000000FF));

    // Simple mode shows one text over the whole bar.
    bar->SetSimplePanel(true);
    bar->SetSimpleText(L"简单");
    EXPECT_TRUE(SendMessageW(bar->Handle(), SB_ISSIMPLE, 0, 0));
}

TEST_F(BarsTest, ProgressStepsWrapAtTheEndAndStaysInRange) {
    auto* progress = Add<TProgressBar>(10, 10, 200, 16);
    progress->SetStep(40);
    progress->StepIt();
    progress->StepIt();
    EXPECT_EQ(progress->Position(), 80);
    progress->StepIt(); // past the end: starts again
    EXPECT_EQ(progress->Position(), 20);
    progress->SetPosition(500);
    EXPECT_EQ(progress->Position(), 100);
    progress->SetMin(30);
    progress->SetPosition(0);
    EXPECT_EQ(progress->Position(), 30);
    EXPECT_EQ(SendMessageW(progress->Handle(), PBM_GETRANGE, TRUE, 0), 30);
}

} // namespace
