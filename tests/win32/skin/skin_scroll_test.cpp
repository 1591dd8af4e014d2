// Scroll-bar overlays: laid exactly over the platform's bars, following
// them, handing presses to them, hidden and freed with their control; the
// bar drawn from the skin; list views and their headers.
#include "DBGrid.h"
#include "Edit.h"
#include "Form.h"
#include "ListView.h"
#include "MemoryDataSet.h"
#include "ScrollBar.h"
#include "SkinDispatch.h"
#include "SkinDraw.h"
#include "SkinHeader.h"
#include "SkinIconText.h"
#include "SkinScrollOverlay.h"
#include "SkinScrollbar.h"
#include "gui_counts.h"
#include "pictures.h"
#include "skin_fixture.h"

#include <commctrl.h>

#include <functional>
#include <string>

namespace yq {
namespace {

using testing::LoadSkinData;
using testing::Pump;
using testing::TSkinnedFormTest;

constexpr wchar_t kScrolledClass[] = L"YqScrolledChild";

// A bare window that scrolls as a window with scroll bars does: lines by
// 1, pages by the page size, the thumb to its track position.
LRESULT CALLBACK ScrolledProc(HWND h, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg != WM_VSCROLL && msg != WM_HSCROLL) return DefWindowProcW(h, msg, wp, lp);
    const int bar = msg == WM_VSCROLL ? SB_VERT : SB_HORZ;
    SCROLLINFO si{sizeof(si), SIF_ALL};
    GetScrollInfo(h, bar, &si);
    int pos = si.nPos;
    switch (LOWORD(wp)) {
    case SB_LINEUP:
        pos -= 1;
        break;
    case SB_LINEDOWN:
        pos += 1;
        break;
    case SB_PAGEUP:
        pos -= int(si.nPage);
        break;
    case SB_PAGEDOWN:
        pos += int(si.nPage);
        break;
    case SB_THUMBTRACK:
        pos = si.nTrackPos;
        break;
    default:
        break;
    }
    SetScrollPos(h, bar, pos, TRUE);
    return 0;
}

RECT WindowRectOf(HWND h) {
    RECT r{};
    GetWindowRect(h, &r);
    return r;
}

bool SameRect(const RECT& a, const RECT& b) {
    return EqualRect(&a, &b) != FALSE;
}

std::string Describe(const RECT& r) {
    return std::to_string(r.left) + "," + std::to_string(r.top) + "-" + std::to_string(r.right) + "," +
           std::to_string(r.bottom);
}

class SkinScroll : public TSkinnedFormTest {
protected:
    SkinScroll() : TSkinnedFormTest(520, 420) {}
    void SetUp() override {
        WNDCLASSW wc{};
        wc.lpfnWndProc = ScrolledProc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = kScrolledClass;
        wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        RegisterClassW(&wc);
        TSkinnedFormTest::SetUp();
        ASSERT_NE(skin_->Scrollbar(), nullptr);
    }
    // A bare child of the form with scroll bars over 0..100, page 10.
    HWND Scrolled(DWORD style, DWORD exStyle = 0, RECT r = {20, 20, 220, 170}) {
        HWND h = CreateWindowExW(
            exStyle, kScrolledClass, L"", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | style, r.left, r.top,
            r.right - r.left, r.bottom - r.top, form_->Handle(), nullptr, GetModuleHandleW(nullptr), nullptr);
        SCROLLINFO si{sizeof(si), SIF_RANGE | SIF_PAGE | SIF_POS, 0, 100, 10, 0};
        if (style & WS_VSCROLL) SetScrollInfo(h, SB_VERT, &si, TRUE);
        if (style & WS_HSCROLL) SetScrollInfo(h, SB_HORZ, &si, TRUE);
        return h;
    }
    TSkinScrollbarH* SkinWindow(HWND h) {
        auto* s = new TSkinScrollbarH(nullptr);
        s->AttachWindow(h, skin_.get(), &registry_, &registry_.SharedCanvas);
        Pump();
        return s;
    }
    template <class TSkinner> TSkinner* Skin(TWinControl* control) {
        auto* s = TSkinnedFormTest::Skin<TSkinner>(control);
        Pump();
        return s;
    }

    // The overlay lies exactly on the platform's bar, directly above its
    // window, or is hidden with it.
    static ::testing::AssertionResult Covers(TWScrollbar* overlay, HWND target, LONG object) {
        SCROLLBARINFO info{sizeof(info)};
        if (!GetScrollBarInfo(target, object, &info))
            return ::testing::AssertionFailure() << "no scroll-bar information";
        const bool barShown = !(info.rgstate[0] & STATE_SYSTEM_INVISIBLE);
        const bool overlayShown = overlay->HandleAllocated() && IsWindowVisible(overlay->Handle());
        if (barShown != overlayShown)
            return ::testing::AssertionFailure()
                   << "bar shown " << barShown << ", overlay shown " << overlayShown;
        if (!barShown) return ::testing::AssertionSuccess();
        const RECT r = WindowRectOf(overlay->Handle());
        if (!SameRect(r, info.rcScrollBar))
            return ::testing::AssertionFailure()
                   << "overlay " << Describe(r) << ", bar " << Describe(info.rcScrollBar);
        HWND above = GetWindow(target, GW_HWNDPREV);
        if (above != overlay->Handle() && GetWindow(above, GW_HWNDPREV) != overlay->Handle())
            return ::testing::AssertionFailure() << "not directly above its window";
        return ::testing::AssertionSuccess();
    }
};

TEST_F(SkinScroll, OverlaysLieExactlyOnThePlatformsBars) {
    struct Case {
        const char* what;
        DWORD style, exStyle;
        std::function<void(HWND)> change;
    } cases[] = {
        {"vertical", WS_VSCROLL, 0, nullptr},
        {"horizontal", WS_HSCROLL, 0, nullptr},
        {"both, with the size box", WS_VSCROLL | WS_HSCROLL, 0, nullptr},
        {"bordered", WS_VSCROLL | WS_HSCROLL | WS_BORDER, WS_EX_CLIENTEDGE, nullptr},
        {"right to left: the vertical bar on the left", WS_VSCROLL | WS_HSCROLL, WS_EX_LEFTSCROLLBAR,
         nullptr},
        {"right to left: a mirrored window", WS_VSCROLL | WS_HSCROLL, WS_EX_LAYOUTRTL, nullptr},
        {"after a resize", WS_VSCROLL | WS_HSCROLL, 0,
         [](HWND h) { SetWindowPos(h, nullptr, 0, 0, 150, 240, SWP_NOMOVE | SWP_NOZORDER); }},
        {"after a move", WS_VSCROLL | WS_HSCROLL, 0,
         [](HWND h) { SetWindowPos(h, nullptr, 140, 90, 0, 0, SWP_NOSIZE | SWP_NOZORDER); }},
        {"after a scroll", WS_VSCROLL | WS_HSCROLL, 0,
         [](HWND h) { SendMessageW(h, WM_VSCROLL, SB_PAGEDOWN, 0); }},
        {"the horizontal bar taken away", WS_VSCROLL | WS_HSCROLL, 0,
         [](HWND h) { ShowScrollBar(h, SB_HORZ, FALSE); }},
        {"nothing left to scroll", WS_VSCROLL | WS_HSCROLL, 0,
         [](HWND h) {
             SCROLLINFO none{sizeof(none), SIF_RANGE | SIF_PAGE | SIF_POS, 0, 0, 0, 0};
             SetScrollInfo(h, SB_VERT, &none, TRUE);
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        HWND h = Scrolled(c.style, c.exStyle);
        auto* s = SkinWindow(h);
        if (c.change) c.change(h);
        Pump();
        EXPECT_TRUE(Covers(s->HorzBar, h, OBJID_HSCROLL)) << "horizontal";
        EXPECT_TRUE(Covers(s->VertBar, h, OBJID_VSCROLL)) << "vertical";
        SCROLLBARINFO info{sizeof(info)};
        GetScrollBarInfo(h, OBJID_VSCROLL, &info);
        if (s->VertBar->Shown) {
            TBitmap painted(1, 1);
            s->VertBar->DrawBar(painted.Canvas().Handle());
            EXPECT_EQ(s->VertBar->ThumbStart, info.xyThumbTop) << "the thumb where the platform has it";
            EXPECT_EQ(s->VertBar->ThumbEnd, info.xyThumbBottom);
        }
        delete s;
        DestroyWindow(h);
    }
}

// A framework control's overlays follow it: hidden and shown with it,
// moved with it, freed with it.
TEST_F(SkinScroll, OverlaysFollowTheirControlAndGoWithIt) {
    auto* memo = Place<TMemo>(20, 20, 200, 150);
    memo->SetScrollBars(TScrollStyle::ssBoth);
    memo->SetWordWrap(false);
    for (int i = 0; i < 60; ++i)
        memo->Lines().Add(std::wstring(80, L'字'));
    auto* s = Skin<TSkinScrollbar>(memo);
    HWND horz = s->HorzBar->Handle(), vert = s->VertBar->Handle();
    EXPECT_TRUE(IsWindowVisible(horz) && IsWindowVisible(vert));
    EXPECT_TRUE(Covers(s->VertBar, memo->Handle(), OBJID_VSCROLL));

    memo->SetVisible(false);
    EXPECT_FALSE(IsWindowVisible(horz) || IsWindowVisible(vert)) << "hidden with the memo";
    memo->SetVisible(true);
    Pump();
    EXPECT_TRUE(Covers(s->VertBar, memo->Handle(), OBJID_VSCROLL)) << "shown again";
    memo->SetBounds(60, 40, 260, 200);
    Pump();
    EXPECT_TRUE(Covers(s->VertBar, memo->Handle(), OBJID_VSCROLL)) << "moved and sized";
    EXPECT_TRUE(Covers(s->HorzBar, memo->Handle(), OBJID_HSCROLL));

    delete memo;
    Pump();
    EXPECT_FALSE(IsWindow(horz) || IsWindow(vert)) << "gone with the memo";
}

// A bare window destroyed hides its overlays at once; the form frees the
// skinner and its overlays later.  An invisible bare window hides both.
TEST_F(SkinScroll, BareWindowOverlaysHideWithTheWindowAndGoWithTheSkinner) {
    HWND h = Scrolled(WS_VSCROLL | WS_HSCROLL);
    auto* s = SkinWindow(h);
    HWND horz = s->HorzBar->Handle(), vert = s->VertBar->Handle();
    ShowWindow(h, SW_HIDE);
    EXPECT_FALSE(IsWindowVisible(horz) || IsWindowVisible(vert));
    ShowWindow(h, SW_SHOW);
    Pump();
    EXPECT_TRUE(IsWindowVisible(horz) && IsWindowVisible(vert));
    DestroyWindow(h);
    EXPECT_EQ(s->State, TSkinControlState::scWindowDestroyed);
    EXPECT_FALSE(IsWindowVisible(horz) || IsWindowVisible(vert));
    registry_.FreeDeadSkinControls();
    EXPECT_FALSE(IsWindow(horz) || IsWindow(vert));
}

TEST_F(SkinScroll, UnskinningLeavesNoOverlayBehind) {
    auto* memo = Place<TMemo>(20, 20, 200, 150);
    memo->SetScrollBars(TScrollStyle::ssVertical);
    auto* bar = Place<TScrollBar>(20, 200, 200, 17);
    HWND bare = Scrolled(WS_VSCROLL, 0, {250, 20, 400, 170});
    const long before = test::CountWindows(form_->Handle());
    Skin<TSkinScrollbar>(memo);
    Skin<TSkinScControl>(bar);
    SkinWindow(bare);
    EXPECT_EQ(test::CountWindows(form_->Handle()), before + 5);
    registry_.ReleaseSkinControls();
    EXPECT_EQ(test::CountWindows(form_->Handle()), before);
}

// A press on the overlay does what the same press on the platform's bar
// does: the platform tracks it and the window scrolls the same way.
TEST_F(SkinScroll, PressesAreHandedToThePlatformsBar) {
    HWND h = Scrolled(WS_VSCROLL | WS_HSCROLL);
    auto* s = SkinWindow(h);
    SCROLLBARINFO info{sizeof(info)};
    GetScrollBarInfo(h, OBJID_VSCROLL, &info);
    const int a = GetSystemMetrics(SM_CXHSCROLL), length = info.rcScrollBar.bottom - info.rcScrollBar.top;
    struct Case {
        const char* what;
        POINT at; // in the vertical bar
    } cases[] = {
        {"up arrow", {5, a / 2}},
        {"down arrow", {5, length - a / 2}},
        {"track above the thumb", {5, a + 2}},
        {"track below the thumb", {5, length - a - 2}},
    };
    auto pressOverlay = [&](POINT at) {
        POINT screen{info.rcScrollBar.left + at.x, info.rcScrollBar.top + at.y};
        PostMessageW(h, WM_LBUTTONUP, 0, 0);
        SendMessageW(s->VertBar->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(at.x, at.y));
        (void)screen;
    };
    auto pressPlatform = [&](POINT at) {
        POINT screen{info.rcScrollBar.left + at.x, info.rcScrollBar.top + at.y};
        PostMessageW(h, WM_LBUTTONUP, 0, 0);
        SendMessageW(h, WM_NCLBUTTONDOWN, HTVSCROLL, MAKELPARAM(screen.x, screen.y));
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        SetScrollPos(h, SB_VERT, 50, TRUE);
        Pump();
        pressPlatform(c.at);
        Pump();
        const int platform = GetScrollPos(h, SB_VERT);
        SetScrollPos(h, SB_VERT, 50, TRUE);
        Pump();
        GetScrollBarInfo(h, OBJID_VSCROLL, &info);
        pressOverlay(c.at);
        Pump();
        EXPECT_NE(platform, 50) << "the platform's own press scrolls";
        EXPECT_EQ(GetScrollPos(h, SB_VERT), platform);
        EXPECT_FALSE(s->VertBar->Tracking);
    }
}

// The skin may go while the platform tracks a press on an overlay (the
// manager's timer runs inside the tracking loop): the overlay is freed
// under its own press, which then ends quietly.
TWinSkinForm* gReleasing = nullptr;
HWND gPressed = nullptr;
void CALLBACK ReleaseDuringPress(HWND, UINT, UINT_PTR id, DWORD) {
    KillTimer(nullptr, id);
    gReleasing->ReleaseSkinControls();
    PostMessageW(gPressed, WM_LBUTTONUP, 0, 0);
}

TEST_F(SkinScroll, UnskinnedDuringAPressTheOverlayGoesQuietly) {
    HWND h = Scrolled(WS_VSCROLL);
    auto* s = SkinWindow(h);
    HWND overlay = s->VertBar->Handle();
    gReleasing = &registry_;
    gPressed = h;
    SetTimer(nullptr, 0, 1, ReleaseDuringPress);
    SendMessageW(overlay, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 40));
    Pump();
    EXPECT_FALSE(IsWindow(overlay));
    EXPECT_TRUE(registry_.SkinControlList.empty());
    EXPECT_GT(GetScrollPos(h, SB_VERT), 0) << "the press still scrolled";
}

// A stand-alone scroll bar: the overlay covers the control, its thumb
// comes from the control's position, maximum and page size, and a press
// goes to the control.
TEST_F(SkinScroll, StandAloneScrollBarTakesItsThumbFromTheControl) {
    auto* bar = Place<TScrollBar>(20, 300, 300, 17);
    bar->SetMax(100);
    bar->SetLargeChange(10);
    auto* s = Skin<TSkinScControl>(bar);
    TWScrollbar& o = *s->Bar;
    EXPECT_EQ(o.Vertical, 0);
    EXPECT_TRUE(SameRect(WindowRectOf(o.Handle()), WindowRectOf(bar->Handle())));
    const int a = o.ArrowSize, l = 300;
    struct Case {
        int position, page, start, end;
    } cases[] = {
        {0, 0, a, 2 * a},
        {50, 0, a + MulDiv(l - 3 * a, 50, 100), a + MulDiv(l - 3 * a, 50, 100) + a},
        {0, 20, a, a + MulDiv(l - 2 * a, 19, 100)},
        {40, 20, a + MulDiv(l - 2 * a, 40, 100), a + MulDiv(l - 2 * a, 40, 100) + MulDiv(l - 2 * a, 19, 100)},
    };
    for (const Case& c : cases) {
        bar->SetPageSize(c.page);
        bar->SetPosition(c.position);
        SCROLLBARINFO info;
        ASSERT_TRUE(o.GetBarInfo(info));
        EXPECT_EQ(info.xyThumbTop, c.start) << c.position << " page " << c.page;
        EXPECT_EQ(info.xyThumbBottom, c.end) << c.position << " page " << c.page;
    }
    // Hit parts along the bar.
    bar->SetPageSize(0);
    bar->SetPosition(50);
    TBitmap painted(1, 1);
    o.DrawBar(painted.Canvas().Handle());
    EXPECT_EQ(o.HitTest({a / 2, 5}), SB_LINEUP);
    EXPECT_EQ(o.HitTest({a + 1, 5}), SB_PAGEUP);
    EXPECT_EQ(o.HitTest({o.ThumbStart, 5}), SB_THUMBTRACK);
    EXPECT_EQ(o.HitTest({o.ThumbEnd, 5}), SB_PAGEDOWN);
    EXPECT_EQ(o.HitTest({l - 1, 5}), SB_LINEDOWN);

    // A press on the right arrow moves the position as the control's own press.
    PostMessageW(bar->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(l - 3, 5));
    SendMessageW(bar->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(l - 3, 5));
    Pump();
    const int platform = bar->Position();
    bar->SetPosition(50);
    PostMessageW(bar->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(l - 3, 5));
    SendMessageW(o.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(l - 3, 5));
    Pump();
    EXPECT_EQ(platform, 51);
    EXPECT_EQ(bar->Position(), platform);

    bar->SetVisible(false);
    EXPECT_FALSE(IsWindowVisible(o.Handle()));
}

// What the overlay draws: the arrows at the bar's ends, the track between
// them, the thumb where the platform has it, nothing of it when disabled.
class SkinScrollPaint : public SkinScroll {
protected:
    TBitmap arrows_;
    // Frame k of the arrows' strip stretched to w x h.
    std::unique_ptr<TBitmap> ArrowFrame(int k, int w, int h) {
        const TBitmap& strip = skin_->Scrollbar()->Image;
        auto made = std::make_unique<TBitmap>(w, h);
        TBitmap& out = *made;
        TBrushHandle face(CreateSolidBrush(SkinRGB(skin_->ButtonFace)));
        const RECT all{0, 0, w, h};
        FillRect(out.Canvas().Handle(), &all, face.Get());
        DrawSkinFrame(out.Canvas().Handle(), all, strip, true, 23, k);
        return made;
    }
    static bool Shows(const TBitmap& painted, POINT at, const std::unique_ptr<TBitmap>& made) {
        const TBitmap& part = *made;
        for (int y = 0; y < part.Height(); ++y)
            for (int x = 0; x < part.Width(); ++x)
                if (painted.Pixel(at.x + x, at.y + y) != part.Pixel(x, y)) return false;
        return true;
    }
};

TEST_F(SkinScrollPaint, BarDrawnFromTheSkin) {
    HWND h = Scrolled(WS_VSCROLL, 0, {20, 20, 220, 220});
    auto* s = SkinWindow(h);
    TWScrollbar& o = *s->VertBar;
    const RECT r = WindowRectOf(o.Handle());
    const int w = r.right - r.left, len = r.bottom - r.top, a = o.ArrowSize;
    TBitmap painted(w, len);
    o.DrawBar(painted.Canvas().Handle());
    EXPECT_TRUE(Shows(painted, {0, 0}, ArrowFrame(9, w, a))) << "up arrow";
    EXPECT_TRUE(Shows(painted, {0, len - a}, ArrowFrame(13, w, a))) << "down arrow";
    const TColor trackEnabled = painted.Pixel(w / 2, len - a - 2);
    const int thumbMiddle = (o.ThumbStart + o.ThumbEnd) / 2;
    const TColor thumb = painted.Pixel(w / 2, thumbMiddle);
    EXPECT_NE(thumb, trackEnabled);

    EnableScrollBar(h, SB_VERT, ESB_DISABLE_BOTH);
    o.DrawBar(painted.Canvas().Handle());
    EXPECT_NE(painted.Pixel(w / 2, len - a - 2), trackEnabled) << "the disabled track frame";
    EXPECT_EQ(painted.Pixel(w / 2, thumbMiddle), painted.Pixel(w / 2, len - a - 2)) << "no thumb";
    delete s;
    DestroyWindow(h);
}

// A bar shorter than two arrows gets two arrows of half its length each.
TEST_F(SkinScrollPaint, ShortBarHalvesItsArrows) {
    auto* bar = Place<TScrollBar>(20, 300, 20, 17);
    auto* s = Skin<TSkinScControl>(bar);
    TBitmap painted(20, 17);
    s->Bar->DrawBar(painted.Canvas().Handle());
    EXPECT_TRUE(Shows(painted, {0, 0}, ArrowFrame(1, 10, 17)));
    EXPECT_TRUE(Shows(painted, {10, 0}, ArrowFrame(5, 10, 17)));
}

// The bar's thickness is the arrow picture's height, unless that is more
// than 3 pixels short of the arrows: the thumb and track fill it, the rest
// of the bar's width keeps the face colour.
TEST_F(SkinScrollPaint, ArrowPictureHeightSetsTheBarThickness) {
    HWND h = Scrolled(WS_VSCROLL, 0, {20, 20, 220, 220});
    auto* s = SkinWindow(h);
    TWScrollbar& o = *s->VertBar;
    TBitmap& arrows = skin_->Scrollbar()->Image;
    TBitmap saved;
    saved.Assign(arrows);
    const int a = o.ArrowSize, w = a;
    const TColor face = SkinRGB(skin_->ButtonFace);
    struct Case {
        int pictureHeight, thickness;
    } cases[] = {{a - 2, a - 2}, {a - 7, a}};
    for (const Case& c : cases) {
        arrows.SetSize(saved.Width(), c.pictureHeight);
        TBitmap painted(w, o.Length);
        o.DrawBar(painted.Canvas().Handle());
        const int y = (o.ThumbStart + o.ThumbEnd) / 2;
        EXPECT_NE(painted.Pixel(c.thickness - 1, a + 1), face) << c.pictureHeight << ": track to the edge";
        if (c.thickness < w) {
            EXPECT_EQ(painted.Pixel(c.thickness, y), face) << c.pictureHeight << ": beside the thumb";
            EXPECT_EQ(painted.Pixel(c.thickness, a + 1), face) << c.pictureHeight << ": beside the track";
        }
    }
    arrows.Assign(saved);
    delete s;
    DestroyWindow(h);
}

// While dragged, the thumb follows the cursor before the window scrolls,
// and stops an arrow's length from either end.
TEST_F(SkinScrollPaint, DraggedThumbFollowsTheCursorWithinTheTrack) {
    HWND h = Scrolled(WS_VSCROLL, 0, {20, 20, 220, 220});
    auto* s = SkinWindow(h);
    TWScrollbar& o = *s->VertBar;
    TBitmap painted(1, 1);
    o.DrawBar(painted.Canvas().Handle());
    const int size = o.ThumbEnd - o.ThumbStart, a = o.ArrowSize;
    GetCursorPos(&o.DownCursor);
    o.Tracking = true;
    o.ScrollCode = SB_THUMBTRACK;
    struct Case {
        int downThumb, expected;
    } cases[] = {{a + 30, a + 30}, {-500, a}, {5000, o.Length - a - size}};
    for (const Case& c : cases) {
        o.DownThumbStart = c.downThumb;
        o.DrawBar(painted.Canvas().Handle());
        EXPECT_EQ(o.ThumbStart, c.expected);
        EXPECT_EQ(o.ThumbEnd, c.expected + size);
    }
    o.Tracking = false;
    delete s;
    DestroyWindow(h);
}

// The column header: every section and the empty area right of the last
// in frame 1, the hot section in frame 2, the pressed one in frame 3.
TEST_F(SkinScrollPaint, ListViewHeaderDrawnFromTheSkinWithHotAndPressedSections) {
    auto* view = Place<TListView>(20, 20, 400, 200);
    view->SetViewStyle(TViewStyle::vsReport);
    for (const wchar_t* caption : {L"谜面", L""}) {
        TListColumn* column = view->Columns().Add();
        column->SetCaption(caption);
        column->SetWidth(120);
    }
    auto* s = Skin<TSkinListView>(view);
    ASSERT_NE(s->Header, nullptr);
    TSkinHeader& header = *s->Header;
    const RECT hr = WindowRectOf(header.Handle);
    const int w = hr.right - hr.left, h = hr.bottom - hr.top;
    auto paint = [&] {
        TBitmap b(w, h);
        header.PaintSkin(b.Canvas().Handle(), RECT{0, 0, w, h});
        return std::vector<TColor>{b.Pixel(60, h / 2), b.Pixel(180, h / 2), b.Pixel(330, h / 2),
                                   b.Pixel(4, h / 2)};
    };
    const TDataSkinObject& bar = *skin_->Headerbar();
    auto frameColour = [&](int k) {
        TBitmap one(40, h);
        DrawSkinImage(one.Canvas().Handle(), RECT{0, 0, 40, h}, bar.Image, false, false, false, 5, k,
                      bar.Margins);
        return one.Pixel(20, h / 2);
    };
    auto plain = paint();
    EXPECT_EQ(plain[1], frameColour(1)) << "a section without a caption shows only its background";
    EXPECT_EQ(plain[2], frameColour(1)) << "right of the last section";
    SendMessageW(header.Handle, WM_MOUSEMOVE, 0, MAKELPARAM(180, h / 2));
    EXPECT_EQ(header.FrameOf(1), hbHot);
    EXPECT_EQ(paint()[1], frameColour(hbHot));
    EXPECT_EQ(paint()[2], frameColour(1));
    SendMessageW(header.Handle, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(180, h / 2));
    EXPECT_EQ(header.FrameOf(1), hbPressed);
    EXPECT_EQ(paint()[1], frameColour(hbPressed));
    SendMessageW(header.Handle, WM_LBUTTONUP, 0, MAKELPARAM(180, h / 2));
    SendMessageW(header.Handle, WM_MOUSELEAVE, 0, 0);
    EXPECT_EQ(header.FrameOf(1), hbNormal);
}

// A header section's text: 2 pixels in from the left, centred, or 2 pixels
// in from the right, after the image when there is one.
TEST(SkinIconText, TextAndImagePlacedByTheAlignment) {
    constexpr int w = 120, h = 24;
    const std::wstring text = L"谜目";
    HIMAGELIST images = ImageList_Create(16, 16, ILC_COLOR24, 1, 0);
    {
        // A red square; the image list copies it out of a DC of its own.
        HDC screen = GetDC(nullptr);
        HBITMAP red = CreateCompatibleBitmap(screen, 16, 16);
        HDC mem = CreateCompatibleDC(screen);
        HGDIOBJ old = SelectObject(mem, red);
        TBrushHandle brush(CreateSolidBrush(RGB(255, 0, 0)));
        const RECT all{0, 0, 16, 16};
        FillRect(mem, &all, brush.Get());
        SelectObject(mem, old);
        DeleteDC(mem);
        ReleaseDC(nullptr, screen);
        ImageList_Add(images, red, nullptr);
        DeleteObject(red);
    }
    TBitmap b(w, h);
    HDC dc = b.Canvas().Handle();
    SIZE extent{};
    GetTextExtentPoint32W(dc, text.c_str(), int(text.size()), &extent);
    auto leftmost = [&](TColor colour) {
        for (int x = 0; x < w; ++x)
            for (int y = 0; y < h; ++y)
                if (b.Pixel(x, y) == colour) return x;
        return -1;
    };
    struct Case {
        TIconTextAlign align;
        int image;
        int glyphLeft, textAfter; // -1: no glyph
    } cases[] = {
        {TIconTextAlign::itLeft, -1, -1, 2 + 1},
        {TIconTextAlign::itCenter, -1, -1, (w - extent.cx) / 2 + 1},
        {TIconTextAlign::itRight, -1, -1, w - extent.cx - 2 + 1},
        {TIconTextAlign::itLeft, 0, 2, 2 + 16 + 1},
        {TIconTextAlign::itRight, 0, w - 16 - extent.cx - 2, w - extent.cx - 2 + 1},
    };
    for (const Case& c : cases) {
        const RECT all{0, 0, w, h};
        TBrushHandle white(CreateSolidBrush(RGB(255, 255, 255)));
        FillRect(dc, &all, white.Get());
        SetTextColor(dc, RGB(0, 0, 0));
        DrawIconText(dc, all, c.align, text, c.image, images, true);
        if (c.glyphLeft >= 0) {
            EXPECT_EQ(leftmost(test::Rgb(255, 0, 0)), c.glyphLeft) << int(c.align);
        }
        const int ink = leftmost(test::Rgb(0, 0, 0));
        EXPECT_GE(ink, c.textAfter) << int(c.align) << " image " << c.image;
        EXPECT_LT(ink, c.textAfter + 4) << int(c.align) << " image " << c.image;
    }
    ImageList_Destroy(images);
}

// Rule 28: a skinned grid's fixed cells take the face colour and get their
// own back when unskinned.
TEST_F(SkinScroll, DispatchedGridKeepsItsFixedColourForUnskinning) {
    auto* grid = Place<TDBGrid>(20, 20, 300, 200);
    grid->SetFixedColor(0x00123456);
    EXPECT_EQ(registry_.SkinControl(grid, form_.get()), skinner::kScrollbar);
    EXPECT_EQ(grid->FixedColor(), skin_->ButtonFace);
    auto* view = Place<TListView>(20, 240, 200, 100);
    EXPECT_EQ(registry_.SkinControl(view, form_.get()), skinner::kListView);
    auto* bar = Place<TScrollBar>(240, 240, 200, 17);
    EXPECT_EQ(registry_.SkinControl(bar, form_.get()), skinner::kScControl);
    registry_.ReleaseSkinControls();
    EXPECT_EQ(grid->FixedColor(), TColor(0x00123456));
}

// No GDI object or window is left over after many scroll steps with
// repaints, or after skinning and unskinning many times.
TEST_F(SkinScroll, ScrollingAndSkinningLeaveNoGdiOrUserObjects) {
    HWND h = Scrolled(WS_VSCROLL | WS_HSCROLL);
    auto* memo = Place<TMemo>(250, 20, 200, 150);
    memo->SetScrollBars(TScrollStyle::ssVertical);
    auto cycle = [&] {
        SkinWindow(h);
        Skin<TSkinScrollbar>(memo);
        registry_.ReleaseSkinControls();
    };
    cycle();
    auto* s = SkinWindow(h);
    for (int i = 0; i < 20; ++i) {
        SendMessageW(h, WM_VSCROLL, i % 2 ? SB_LINEUP : SB_LINEDOWN, 0);
        UpdateWindow(s->VertBar->Handle());
    }
    const test::GuiCounts before = test::Counts();
    for (int i = 0; i < 1000; ++i) {
        SendMessageW(h, WM_VSCROLL, (i / 50) % 2 ? SB_LINEUP : SB_LINEDOWN, 0);
        UpdateWindow(s->VertBar->Handle());
    }
    EXPECT_EQ(test::Counts(), before) << "after 1000 scroll steps";
    registry_.ReleaseSkinControls();
    const test::GuiCounts unskinned = test::Counts();
    for (int i = 0; i < 100; ++i)
        cycle();
    EXPECT_EQ(test::Counts(), unskinned) << "after 100 skin on/off cycles";
}

} // namespace
} // namespace yq
