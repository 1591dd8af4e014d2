// Edits, combo boxes, up-down buttons and tabs skinned: the frames,
// buttons and tabs the skin draws, what the controls still do under the
// skin (typing, choosing from the list, stepping, turning pages), and
// what unskinning gives back.
#include "ComboBox.h"
#include "CustomControl.h"
#include "Edit.h"
#include "Form.h"
#include "PageControl.h"
#include "SkinComBox.h"
#include "SkinDraw.h"
#include "SkinEdit.h"
#include "SkinTab.h"
#include "SkinTransform.h"
#include "SkinUpDown.h"
#include "TabControl.h"
#include "UpDown.h"
#include "message_sequence.h"
#include "pictures.h"
#include "skin_fixture.h"

#include <commctrl.h>

#include <functional>

namespace yq {
namespace {

using testing::LoadSkinData;
using testing::Pump;
using testing::TSkinnedFormTest;

// The older tab set as the tab-set skinner reads it: its layout in
// published properties, its scroll buttons the first component it owns.
class TTabSet : public TCustomControl {
    YQ_CLASS(TTabSet, TCustomControl)
public:
    using TCustomControl::TCustomControl;
    int StartMargin() const { return startMargin; }
    int EndMargin() const { return endMargin; }
    int FirstIndex() const { return firstIndex; }
    int TabIndex() const { return tabIndex; }
    std::wstring Tabs() const { return tabs; }
    int startMargin = 0, endMargin = 0, firstIndex = 0, tabIndex = -1;
    std::wstring tabs;
};

YQ_PUBLISHED(TTabSet, TCustomControl) {
    r.Int("StartMargin", &TTabSet::StartMargin);
    r.Int("EndMargin", &TTabSet::EndMargin);
    r.Int("FirstIndex", &TTabSet::FirstIndex);
    r.Int("TabIndex", &TTabSet::TabIndex);
    r.WStr("Tabs", &TTabSet::Tabs);
}

// What a window shows now, non-client area included.
void Shot(HWND window, TBitmap& into) {
    RECT r{};
    GetWindowRect(window, &r);
    into.SetSize(r.right - r.left, r.bottom - r.top);
    RedrawWindow(window, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW | RDW_ALLCHILDREN);
    Pump();
    HDC dc = GetWindowDC(window);
    BitBlt(into.Canvas().Handle(), 0, 0, into.Width(), into.Height(), dc, 0, 0, SRCCOPY);
    ReleaseDC(window, dc);
}

TColor Rgb(TColor skinColour) {
    return TColor(ColorToRGB(skinColour));
}

class SkinEdits : public TSkinnedFormTest {
protected:
    SkinEdits() : TSkinnedFormTest(520, 360) {}
};

// The border is a ButtonShadow line with a white line inside, in every
// state of the box; a box without a border is left as it paints itself.
TEST_F(SkinEdits, EditBorderInEveryState) {
    auto* edit = Place<TEdit>(10, 10, 160, 22);
    edit->SetText(L"灯谜");
    Skin<TSkinEdit>(edit);
    const TColor shadow = Rgb(skin_->ButtonShadow), white = 0xFFFFFF;
    struct State {
        const char* what;
        std::function<void()> set;
    } states[] = {
        {"normal", [] {}},
        {"focused", [&] { edit->SetFocus(); }},
        {"read-only", [&] { edit->SetReadOnly(true); }},
        {"disabled", [&] { edit->SetEnabled(false); }},
    };
    TBitmap shot;
    for (const State& s : states) {
        s.set();
        Pump();
        Shot(edit->Handle(), shot);
        for (POINT p : {POINT{0, 11}, POINT{80, 0}, POINT{159, 11}, POINT{80, 21}})
            EXPECT_EQ(shot.Pixel(p.x, p.y), shadow) << s.what << " outer " << p.x << "," << p.y;
        for (POINT p : {POINT{1, 11}, POINT{80, 1}, POINT{158, 11}, POINT{80, 20}})
            EXPECT_EQ(shot.Pixel(p.x, p.y), white) << s.what << " inner " << p.x << "," << p.y;
    }

    // Printed into a DC (WM_PRINT): the same border, the inner line in the
    // DC's brush (a fresh DC's is white).
    TBitmap printed(160, 22);
    SendMessageW(edit->Handle(), WM_PRINT, reinterpret_cast<WPARAM>(printed.Canvas().Handle()),
                 PRF_NONCLIENT | PRF_CLIENT | PRF_ERASEBKGND);
    EXPECT_EQ(printed.Pixel(0, 11), shadow) << "printed, outer";
    EXPECT_EQ(printed.Pixel(1, 11), white) << "printed, inner";

    auto* bare = Place<TEdit>(10, 50, 160, 22);
    bare->SetBorderStyle(TBorderStyle::bsNone);
    bare->SetColor(0x00336699);
    Skin<TSkinEdit>(bare);
    Shot(bare->Handle(), shot);
    EXPECT_EQ(shot.Pixel(0, 11), TColor(0x00336699)) << "no border, no frame";
}

// An up-down control inside an edit (a spin edit's buttons) is found at
// the first paint, skinned and drawn one pixel inset.
TEST_F(SkinEdits, EditFindsTheUpDownInsideIt) {
    auto* edit = Place<TEdit>(10, 10, 120, 24);
    for (const wchar_t* cls : {UPDOWN_CLASSW, L"MySpinButton"}) {
        if (std::wstring(cls) != UPDOWN_CLASSW) {
            WNDCLASSW wc{};
            wc.lpfnWndProc = DefWindowProcW;
            wc.hInstance = GetModuleHandleW(nullptr);
            wc.lpszClassName = cls;
            RegisterClassW(&wc);
        }
        HWND spin = CreateWindowExW(0, cls, L"", WS_CHILD | WS_VISIBLE, 98, 0, 18, 20, edit->Handle(),
                                    nullptr, GetModuleHandleW(nullptr), nullptr);
        ASSERT_NE(spin, nullptr);
        auto* skinner = Skin<TSkinEdit>(edit);
        EXPECT_EQ(skinner->UpDown, nullptr) << "found at the first paint";
        TBitmap shot;
        Shot(edit->Handle(), shot);
        ASSERT_NE(skinner->UpDown, nullptr);
        EXPECT_EQ(skinner->UpDown->Handle, spin);
        EXPECT_TRUE(skinner->UpDown->Embedded);
        EXPECT_EQ(registry_.FindSkinControlByHandle(spin), skinner->UpDown);
        TBitmap buttons;
        Shot(spin, buttons);
        EXPECT_EQ(buttons.Pixel(0, 0), Rgb(skin_->ButtonFace)) << "inset by one";
        const int w = buttons.Width(), h = buttons.Height(), half = (h - 2) / 2;
        TBitmap expected(w, h);
        const RECT all{0, 0, w, h};
        TBrushHandle face(CreateSolidBrush(ColorToRGB(skin_->ButtonFace)));
        FillRect(expected.Canvas().Handle(), &all, face.Get());
        DrawUpDownButton(expected.Canvas().Handle(), RECT{1, 1, w - 1, 1 + half}, TUpDownArrow::udaUp,
                         udsNormal, *skin_);
        DrawUpDownButton(expected.Canvas().Handle(), RECT{1, 1 + half, w - 1, h - 1}, TUpDownArrow::udaDown,
                         udsNormal, *skin_);
        EXPECT_EQ(test::Pixels(buttons), test::Pixels(expected)) << "both buttons from the skin";
        registry_.ReleaseSkinControls();
        DestroyWindow(spin);
    }
}

// The button under the cursor shows the pressed frame, the other one its
// normal frame; disabled both show the disabled frame.  Each frame is the
// skin's: up 1-4, down 5-8 of UpDown.Vert.
TEST_F(SkinEdits, UpDownButtonFramesFollowPressAndCursor) {
    auto* edit = Place<TEdit>(10, 10, 80, 21);
    auto* spin = Place<TUpDown>(90, 10, 17, 21);
    spin->SetMax(99);
    spin->SetAssociate(edit);
    spin->SetPosition(42);
    auto* skinner = Skin<TSkinUpDown>(spin);
    const TDataSkinBorder& vert = *skin_->UpDownVert();
    ASSERT_EQ(vert.FrameCount, 8);
    const RECT client = [&] {
        RECT r{};
        GetClientRect(spin->Handle(), &r);
        return r;
    }();
    const int half = client.bottom / 2;
    const RECT up{0, 0, client.right, half}, down{0, half, client.right, client.bottom};
    // The strip's frame f stretched, as the button's rectangle shows it.
    auto frameOf = [&](const TBitmap& shot, const RECT& r) {
        for (int f = 1; f <= 8; ++f) {
            TBitmap expected(client.right, client.bottom);
            BitBlt(expected.Canvas().Handle(), 0, 0, client.right, client.bottom, shot.Canvas().Handle(), 0,
                   0, SRCCOPY);
            DrawSkinFrame(expected.Canvas().Handle(), r, vert.Image, true, 8, f);
            DrawSkinGlyph(expected.Canvas().Handle(), r, vert.Image2, true, 8, f);
            if (test::Pixels(expected) == test::Pixels(shot)) return f;
        }
        return 0;
    };
    POINT lower{client.right / 2, half + 4};
    ClientToScreen(spin->Handle(), &lower);
    SetCursorPos(lower.x, lower.y);
    SendMessageW(spin->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(client.right / 2, half + 4));
    EXPECT_TRUE(skinner->Pressed());
    TBitmap shot;
    Shot(spin->Handle(), shot);
    EXPECT_EQ(frameOf(shot, up), 1);
    EXPECT_EQ(frameOf(shot, down), 6);
    SendMessageW(spin->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(client.right / 2, half + 4));
    EXPECT_FALSE(skinner->Pressed());
    EXPECT_EQ(spin->Position(), 41) << "the press still stepped the control";
    EXPECT_EQ(edit->Text(), L"41");

    spin->SetEnabled(false);
    Shot(spin->Handle(), shot);
    EXPECT_EQ(frameOf(shot, up), 3);
    EXPECT_EQ(frameOf(shot, down), 7);
}

// The up button still steps the associated edit, pressed by the mouse.
TEST_F(SkinEdits, SkinnedUpDownStillChangesItsEdit) {
    auto* edit = Place<TEdit>(10, 10, 80, 21);
    auto* spin = Place<TUpDown>(90, 10, 17, 21);
    spin->SetMax(99);
    spin->SetAssociate(edit);
    spin->SetPosition(42);
    Skin<TSkinUpDown>(spin);
    for (int i = 0; i < 3; ++i) {
        SendMessageW(spin->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 3));
        SendMessageW(spin->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(5, 3));
    }
    Pump();
    EXPECT_EQ(spin->Position(), 45);
    EXPECT_EQ(edit->Text(), L"45");
}

// Which frame k of n (a horizontal strip) the shot shows stretched into r:
// the one whose stretched column `column` (left of any glyph drawn over
// it) the shot has there.
int FrameShownIn(const TBitmap& shot, const RECT& r, const TBitmap& strip, int n, int column = 1) {
    const int w = r.right - r.left, h = r.bottom - r.top;
    for (int k = 1; k <= n; ++k) {
        TBitmap frame(w, h);
        BitBlt(frame.Canvas().Handle(), 0, 0, w, h, shot.Canvas().Handle(), r.left, r.top, SRCCOPY);
        DrawSkinFrame(frame.Canvas().Handle(), RECT{0, 0, w, h}, strip, true, n, k);
        bool same = true;
        for (int y = 0; y < h && same; ++y)
            same = frame.Pixel(column, y) == shot.Pixel(r.left + column, r.top + y);
        if (same) return k;
    }
    return 0;
}

// The sunken edge and the button of a drop-down list box in each state:
// normal, disabled, focused, pressed; the button at the right.
TEST_F(SkinEdits, ComboButtonAndEdgeFollowTheState) {
    auto* combo = Place<TComboBox>(10, 10, 160, 21);
    combo->SetStyle(TComboBoxStyle::csDropDownList);
    combo->Items().Assign({L"春", L"夏", L"秋"});
    combo->SetItemIndex(0);
    auto* other = Place<TEdit>(10, 60, 80, 21);
    auto* skinner = Skin<TSkinComBox>(combo);
    const TDataSkinBorder& button = *skin_->ComboButton();
    const TDataSkinObject& edge = *skin_->SunkEdge();
    const int a = GetSystemMetrics(SM_CXHSCROLL);
    struct State {
        const char* what;
        std::function<void()> set;
        int frame;
    } states[] = {
        {"normal", [&] { other->SetFocus(); }, 1},
        {"disabled", [&] { combo->SetEnabled(false); }, 3},
        {"focused",
         [&] {
             combo->SetEnabled(true);
             combo->SetFocus();
         },
         4},
        {"pressed", [&] { combo->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(150, 10)); }, 2},
    };
    TBitmap shot;
    for (const State& s : states) {
        s.set();
        Pump();
        EXPECT_EQ(skinner->ButtonFrame(), s.frame) << s.what;
        Shot(combo->Handle(), shot);
        const int w = shot.Width(), h = shot.Height();
        EXPECT_EQ(FrameShownIn(shot, RECT{w - a - 2, 0, w, h}, button.Image, 4), s.frame) << s.what;
        auto ring = BuildSkinImage(RECT{0, 0, w, h}, edge.Image, edge.Margins, false, false, 4, s.frame);
        EXPECT_EQ(shot.Pixel(0, h / 2), ring->Pixel(0, h / 2)) << s.what << " sunken edge";
    }
    combo->Perform(WM_LBUTTONUP, 0, MAKELPARAM(150, 10));
    combo->SetDroppedDown(false);
}

// Right to left (the scroll bar on the left): the button at the left, from
// the mirrored picture.
TEST_F(SkinEdits, LeftScrollBarComboHasItsButtonAtTheLeft) {
    HWND combo =
        CreateWindowExW(WS_EX_LEFTSCROLLBAR, L"COMBOBOX", L"", WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST, 10,
                        10, 160, 200, form_->Handle(), nullptr, GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(combo, nullptr);
    auto* skinner = new TSkinComBox(nullptr);
    skinner->AttachWindow(combo, skin_.get(), &registry_, &registry_.SharedCanvas);
    TBitmap shot;
    Shot(combo, shot);
    const int a = GetSystemMetrics(SM_CXHSCROLL), h = shot.Height();
    const TDataSkinBorder& button = *skin_->ComboButton();
    EXPECT_EQ(FrameShownIn(shot, RECT{0, 0, a + 2, h}, button.Image2, 4, a), 1) << "the mirrored picture";
    registry_.ReleaseSkinControls();
    DestroyWindow(combo);
}

// A click on the button opens the list, a click on an item chooses it and
// closes the list; the button's pressed look comes and goes with the press.
TEST_F(SkinEdits, SkinnedComboOpensAndChoosesWithClicks) {
    auto* combo = Place<TComboBox>(10, 10, 160, 21);
    combo->SetStyle(TComboBoxStyle::csDropDownList);
    for (int i = 1; i <= 6; ++i)
        combo->Items().Add(L"选项 " + std::to_wstring(i));
    combo->SetItemIndex(0);
    int selected = 0;
    combo->OnSelect = [&](TComponent*) { ++selected; };
    auto* skinner = Skin<TSkinComBox>(combo);
    combo->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(150, 10));
    EXPECT_TRUE(skinner->Pressed());
    combo->Perform(WM_LBUTTONUP, 0, MAKELPARAM(150, 10));
    EXPECT_FALSE(skinner->Pressed());
    ASSERT_TRUE(combo->DroppedDown());
    COMBOBOXINFO info{};
    info.cbSize = sizeof info;
    ASSERT_TRUE(GetComboBoxInfo(combo->Handle(), &info));
    RECT item{};
    SendMessageW(info.hwndList, LB_GETITEMRECT, 4, reinterpret_cast<LPARAM>(&item));
    const LPARAM at = MAKELPARAM((item.left + item.right) / 2, (item.top + item.bottom) / 2);
    SendMessageW(info.hwndList, WM_MOUSEMOVE, 0, at);
    SendMessageW(info.hwndList, WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageW(info.hwndList, WM_LBUTTONUP, 0, at);
    Pump();
    EXPECT_FALSE(combo->DroppedDown());
    EXPECT_EQ(combo->ItemIndex(), 4);
    EXPECT_EQ(combo->Text(), L"选项 5");
    EXPECT_EQ(selected, 1);
}

// A simple combo box has no button: it keeps its own look; its list is
// the one its list skinner takes.
TEST_F(SkinEdits, SimpleComboKeepsItsOwnLook) {
    auto* combo = Place<TComboBox>(10, 10, 160, 90);
    combo->SetStyle(TComboBoxStyle::csSimple);
    combo->Items().Assign({L"春", L"夏", L"秋"});
    TBitmap before, after;
    Shot(combo->Handle(), before);
    auto* skinner = Skin<TSkinComBox>(combo);
    Shot(combo->Handle(), after);
    COMBOBOXINFO info{};
    info.cbSize = sizeof info;
    GetComboBoxInfo(combo->Handle(), &info);
    EXPECT_EQ(skinner->ListWindow, info.hwndList);
    EXPECT_EQ(skinner->EditWindow, nullptr);
    // The edit field and the top of the list (scroll bars are another skinner's).
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 120; ++x)
            ASSERT_EQ(after.Pixel(x, y), before.Pixel(x, y)) << x << "," << y;
}

// Tabs from the skin: the focused tab frame 2, the others frame 1, each
// one pixel down from the control's own tab rectangle; the page border
// from the border picture.  Tabs at the bottom use both pictures flipped.
TEST_F(SkinEdits, TabStripAndPageBorderFromTheSkin) {
    const TDataSkinBorder& tabs = *skin_->Tabs();
    for (TTabPosition position : {TTabPosition::tpTop, TTabPosition::tpBottom}) {
        const bool bottom = position == TTabPosition::tpBottom;
        auto* control = Place<TTabControl>(10, 10, 300, 120);
        control->SetTabPosition(position);
        // Blank captions: the rows checked are the pictures' alone.
        control->Tabs().Assign({L"      ", L"      ", L"      "});
        control->SetTabIndex(1);
        auto* skinner = Skin<TSkinTab>(control);
        EXPECT_EQ(skinner->Orientation, bottom ? TTabOrientation::toBottom : TTabOrientation::toTop);
        TBitmap picture, border;
        picture.Assign(tabs.Image);
        border.Assign(tabs.Image2);
        if (bottom) {
            FlipBitmap(picture);
            FlipBitmap(border);
        }
        TBitmap shot;
        Shot(control->Handle(), shot);
        const RECT page = skinner->PageRect(RECT{0, 0, shot.Width(), shot.Height()});
        for (int i = 0; i < 3; ++i) {
            RECT item{};
            SendMessageW(control->Handle(), TCM_GETITEMRECT, WPARAM(i), reinterpret_cast<LPARAM>(&item));
            const int dy = bottom ? -1 : 1;
            const int w = item.right - item.left, h = item.bottom - item.top;
            auto tab =
                BuildSkinImage(RECT{0, 0, w, h}, picture, tabs.Margins, false, false, 5, i == 1 ? 2 : 1);
            const int y = bottom ? h - 3 : 2; // the outer edge, clear of the text
            int compared = 0;
            for (int x = 0; x < w; ++x) {
                const TColor c = tab->Pixel(x, y);
                if (c == kSkinKeyColour) continue;
                ++compared;
                EXPECT_EQ(shot.Pixel(item.left + x, item.top + dy + y), c)
                    << (bottom ? "bottom" : "top") << " tab " << i << " x " << x << " of " << w;
            }
            EXPECT_GT(compared, w / 2) << "tab " << i;
        }
        const int mid = (page.top + page.bottom) / 2;
        EXPECT_EQ(shot.Pixel(page.left, mid), border.Pixel(0, border.Height() / 2)) << "page border, left";
        EXPECT_EQ(shot.Pixel(page.right - 1, mid), border.Pixel(border.Width() - 1, border.Height() / 2));
        registry_.ReleaseSkinControls();
        delete control;
    }
}

// Tabs at the left are drawn lying down and turned anticlockwise: the
// selected tab's coloured band lies along its outer (left) side.
TEST_F(SkinEdits, LeftTabsAreTurned) {
    auto* pages = Place<TPageControl>(10, 10, 300, 160);
    pages->SetTabPosition(TTabPosition::tpLeft);
    for (int i = 1; i <= 2; ++i) {
        auto* sheet = new TTabSheet(form_.get());
        sheet->SetCaption(L"第" + std::to_wstring(i) + L"页");
        sheet->SetPageControl(pages);
    }
    pages->SetActivePageIndex(0);
    auto* skinner = Skin<TSkinTab>(pages);
    EXPECT_EQ(skinner->Orientation, TTabOrientation::toLeft);
    TBitmap shot;
    Shot(pages->Handle(), shot);
    RECT item{};
    SendMessageW(pages->Handle(), TCM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&item));
    const TBitmap& strip = skin_->Tabs()->Image;
    const int fw = strip.Width() / 5;
    const TColor band = strip.Pixel(fw + fw / 2, 2); // frame 2, row 2
    EXPECT_EQ(shot.Pixel(item.left + 2, (item.top + item.bottom) / 2), band);
    EXPECT_NE(shot.Pixel(item.right - 3, (item.top + item.bottom) / 2), band) << "not on the page side";
}

// A skinned page control still turns its pages by a click on a tab and by
// the arrow keys.
TEST_F(SkinEdits, SkinnedPagesTurnByClickAndKeyboard) {
    auto* pages = Place<TPageControl>(10, 10, 300, 160);
    for (int i = 1; i <= 3; ++i) {
        auto* sheet = new TTabSheet(form_.get());
        sheet->SetCaption(L"第" + std::to_wstring(i) + L"页");
        sheet->SetPageControl(pages);
    }
    pages->SetActivePageIndex(0);
    int changes = 0;
    pages->OnChange = [&](TComponent*) { ++changes; };
    Skin<TSkinTab>(pages);
    RECT third{};
    SendMessageW(pages->Handle(), TCM_GETITEMRECT, 2, reinterpret_cast<LPARAM>(&third));
    const LPARAM at = MAKELPARAM((third.left + third.right) / 2, (third.top + third.bottom) / 2);
    SendMessageW(pages->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageW(pages->Handle(), WM_LBUTTONUP, 0, at);
    Pump();
    EXPECT_EQ(pages->ActivePageIndex(), 2);
    SetFocus(pages->Handle());
    SendMessageW(pages->Handle(), WM_KEYDOWN, VK_LEFT, 0);
    Pump();
    EXPECT_EQ(pages->ActivePageIndex(), 1);
    EXPECT_EQ(changes, 2);
}

// A recording without what changes from run to run: the device contexts
// of colour messages, the windows focus comes from or goes to, and the
// paints (how many the platform merges depends on timing; the look is
// compared separately).
std::vector<testing::RecordedMessage> Steady(const std::vector<testing::RecordedMessage>& log) {
    std::vector<testing::RecordedMessage> out;
    for (testing::RecordedMessage r : log) {
        if (r.msg == WM_PAINT || (r.msg == WM_ERASEBKGND && r.wParam)) continue;
        const UINT msg = r.msg >= CN_BASE ? r.msg - CN_BASE : r.msg;
        if ((msg >= WM_CTLCOLORMSGBOX && msg <= WM_CTLCOLORSTATIC) || msg == WM_SETFOCUS ||
            msg == WM_KILLFOCUS)
            r.wParam = 0;
        out.push_back(r);
    }
    return out;
}

// Every kind, skinned and unskinned again: the control hears what it heard
// before and looks as before.
TEST_F(SkinEdits, UnskinnedControlsHaveTheirSequenceAndLookBack) {
    struct Kind {
        const char* name;
        std::function<TWinControl*()> make;
        std::function<void(TWinControl*)> skin;
    } kinds[] = {
        {"edit",
         [&] {
             auto* e = Place<TEdit>(10, 10, 120, 22);
             e->SetText(L"文字");
             return e;
         },
         [&](TWinControl* c) { Skin<TSkinEdit>(c); }},
        {"combo box",
         [&] {
             auto* c = Place<TComboBox>(10, 40, 160, 21);
             c->Items().Assign({L"春", L"夏"});
             c->SetItemIndex(1);
             return c;
         },
         [&](TWinControl* c) { Skin<TSkinComBox>(c); }},
        {"up-down", [&] { return Place<TUpDown>(200, 10, 17, 24); },
         [&](TWinControl* c) { Skin<TSkinUpDown>(c); }},
        {"tab control",
         [&] {
             auto* t = Place<TTabControl>(10, 80, 300, 100);
             t->Tabs().Assign({L"春", L"夏", L"秋"});
             return t;
         },
         [&](TWinControl* c) { Skin<TSkinTab>(c); }},
    };
    for (const Kind& k : kinds) {
        TWinControl* c = k.make();
        // Paints still due are made before and at the end of a recording.
        auto settle = [&] {
            Pump(50);
            RedrawWindow(form_->Handle(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
        };
        auto script = [&] {
            settle();
            testing::MessageRecorder rec;
            rec.Watch(*c);
            c->Perform(WM_MOUSEMOVE, 0, MAKELPARAM(4, 4));
            c->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(4, 4));
            c->Perform(WM_LBUTTONUP, 0, MAKELPARAM(4, 4));
            // Up and down again on an up-down control.
            c->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(4, 18));
            c->Perform(WM_LBUTTONUP, 0, MAKELPARAM(4, 18));
            c->Perform(WM_ERASEBKGND, 0, 0);
            // The focus back on the form, which stays the active window.
            SetFocus(form_->Handle());
            settle();
            return Steady(rec.Take());
        };
        // Other programs on the same display can take the focus for a
        // moment: a recording counts once it comes out the same twice.
        auto steadyRecording = [&] {
            auto last = script();
            for (int i = 0; i < 4; ++i) {
                auto next = script();
                if (testing::SameSequence(next, last)) break;
                last = std::move(next);
            }
            return last;
        };
        const auto platform = steadyRecording();
        TBitmap before, skinned, after;
        Shot(c->Handle(), before);
        k.skin(c);
        Pump();
        Shot(c->Handle(), skinned);
        EXPECT_NE(test::Pixels(skinned), test::Pixels(before)) << k.name << " looks skinned";
        registry_.ReleaseSkinControls();
        Pump();
        EXPECT_TRUE(testing::SameSequence(steadyRecording(), platform)) << k.name;
        Shot(c->Handle(), after);
        EXPECT_EQ(test::Pixels(after), test::Pixels(before)) << k.name;
    }
}

// More tabs than fit: the control's scroll arrows get their own up-down
// skinner, and the strip leaves their rectangle to it.
TEST_F(SkinEdits, TabScrollArrowsKeepTheirOwnSkinner) {
    auto* control = Place<TTabControl>(10, 10, 200, 100);
    for (int i = 1; i <= 12; ++i)
        control->Tabs().Add(L"标签 " + std::to_wstring(i));
    auto* skinner = Skin<TSkinTab>(control);
    HWND arrows = FindWindowExW(control->Handle(), nullptr, UPDOWN_CLASSW, nullptr);
    ASSERT_NE(arrows, nullptr);
    ASSERT_NE(skinner->UpDown, nullptr);
    EXPECT_EQ(skinner->UpDown->Handle, arrows);
    EXPECT_TRUE(skinner->UpDown->Horizontal());
    TBitmap shot, buttons;
    Shot(control->Handle(), shot);
    Shot(arrows, buttons);
    RECT at{}, origin{};
    GetWindowRect(arrows, &at);
    GetWindowRect(control->Handle(), &origin);
    for (int y = 0; y < buttons.Height(); ++y)
        for (int x = 0; x < buttons.Width(); ++x)
            ASSERT_EQ(shot.Pixel(at.left - origin.left + x, at.top - origin.top + y), buttons.Pixel(x, y))
                << x << "," << y;
    const TDataSkinBorder& horz = *skin_->UpDownHorz();
    TBitmap expected;
    expected.Assign(buttons);
    DrawUpDownButton(expected.Canvas().Handle(), RECT{0, 0, buttons.Width() / 2, buttons.Height()},
                     TUpDownArrow::udaLeft, udsNormal, *skin_);
    EXPECT_EQ(test::Pixels(expected), test::Pixels(buttons)) << "the left arrow from " << horz.Name;
}

// The tab set: each tab its text's width plus 9, from the Tabs picture
// turned upside down (frame 2 the selected tab) on the face colour; a tab
// that does not fit before the end margin is skipped and a narrower one
// after it still drawn.  Visible scroll buttons (skinned left and right)
// want 12 pixels more room after a tab.
TEST_F(SkinEdits, TabSetTabsFromTheUpsideDownPicture) {
    const std::wstring narrow = L"    ", wide(60, L' ');
    const TDataSkinBorder& tabs = *skin_->Tabs();
    TBitmap upsideDown;
    upsideDown.Assign(tabs.Image);
    FlipBitmap(upsideDown);
    const TColor face = Rgb(skin_->ButtonFace);
    for (bool scrolling : {false, true}) {
        auto* set = Place<TTabSet>(10, 10, 200, 22);
        set->tabs = narrow + L"\r\n" + narrow + L"\r\n" + wide + L"\r\n" + narrow;
        set->tabIndex = 1;
        set->startMargin = 4;
        TBitmap measure(1, 1);
        TSelectObject font(measure.Canvas().Handle(), set->Font().Handle());
        SIZE size{};
        GetTextExtentPoint32W(measure.Canvas().Handle(), narrow.c_str(), int(narrow.size()), &size);
        const int tw = int(size.cx) + 9;
        // Room for three narrow tabs and a little more, not for the wide one.
        set->endMargin = 200 - (4 + 3 * tw + 5);
        if (scrolling) {
            auto* scroller = new TUpDown(set);
            scroller->SetParent(set);
            scroller->SetBounds(166, 0, 34, 22);
        }
        auto* skinner = Skin<TSkinTab31>(set);
        ASSERT_TRUE(skinner->Attached);
        EXPECT_EQ(skinner->Scroller != nullptr, scrolling);
        if (scrolling) {
            ASSERT_NE(skinner->UpDown, nullptr);
            EXPECT_TRUE(skinner->UpDown->Horizontal());
        }
        TBitmap shot;
        Shot(set->Handle(), shot);
        const int drawn = scrolling ? 2 : 3;
        for (int i = 0; i < drawn; ++i) {
            const int left = 4 + i * tw, frame = i == 1 ? 2 : 1;
            auto tab = BuildSkinImage(RECT{0, 0, tw, 22}, upsideDown, tabs.Margins, false, false, 5, frame);
            for (int y = 0; y < 22; ++y)
                for (int x = 0; x < tw; ++x) {
                    const TColor c = tab->Pixel(x, y);
                    ASSERT_EQ(shot.Pixel(left + x, y), c == kSkinKeyColour ? face : c)
                        << "tab " << i << " at " << x << "," << y << (scrolling ? " scrolling" : "");
                }
        }
        EXPECT_EQ(shot.Pixel(4 + drawn * tw + 2, 11), face) << "nothing after the last tab that fits";
        registry_.ReleaseSkinControls();
        delete set;
    }
}

// A skin without the pictures: up-down buttons are drawn plainly (a box in
// the dark shadow colour on the face colour, the pressed one filled with
// the shadow colour); combo boxes and tabs keep their own look.
TEST_F(SkinEdits, WithoutPicturesUpDownsArePlainAndTheRestTheirOwn) {
    auto* spin = Place<TUpDown>(10, 10, 17, 24);
    auto* combo = Place<TComboBox>(40, 10, 160, 21);
    combo->SetStyle(TComboBoxStyle::csDropDownList);
    auto* tabs = Place<TTabControl>(10, 60, 300, 100);
    tabs->Tabs().Assign({L"春", L"夏"});
    TBitmap comboBefore, tabsBefore;
    Shot(combo->Handle(), comboBefore);
    Shot(tabs->Handle(), tabsBefore);
    skin_->UpDownVert()->Image.SetSize(0, 0);
    skin_->ComboButton()->Image.SetSize(0, 0);
    skin_->Tabs()->Image.SetSize(0, 0);
    Skin<TSkinUpDown>(spin);
    Skin<TSkinComBox>(combo);
    Skin<TSkinTab>(tabs);

    RECT client{};
    GetClientRect(spin->Handle(), &client);
    POINT lower{client.right / 2, client.bottom - 4};
    ClientToScreen(spin->Handle(), &lower);
    SetCursorPos(lower.x, lower.y);
    SendMessageW(spin->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(client.right / 2, client.bottom - 4));
    TBitmap shot;
    Shot(spin->Handle(), shot);
    SendMessageW(spin->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(client.right / 2, client.bottom - 4));
    const int half = client.bottom / 2;
    EXPECT_EQ(shot.Pixel(0, 0), Rgb(skin_->ButtonDkShadow)) << "outline";
    EXPECT_EQ(shot.Pixel(0, half), Rgb(skin_->ButtonDkShadow)) << "the down button's outline";
    EXPECT_EQ(shot.Pixel(2, 2), Rgb(skin_->ButtonFace)) << "the up button at rest";
    EXPECT_EQ(shot.Pixel(2, half + 2), Rgb(skin_->ButtonShadow)) << "the down button pressed";

    TBitmap comboAfter, tabsAfter;
    Shot(combo->Handle(), comboAfter);
    Shot(tabs->Handle(), tabsAfter);
    EXPECT_EQ(test::Pixels(comboAfter), test::Pixels(comboBefore));
    EXPECT_EQ(test::Pixels(tabsAfter), test::Pixels(tabsBefore));
}

} // namespace
} // namespace yq
