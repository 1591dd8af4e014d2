// Skinned menus: items measured and painted from the skin, the popup-menu
// window skinner on real menus, the menu-kind bookkeeping, the owner-draw
// switches of a form's menus, and what 1,000 menus leave behind.
#include "Form.h"
#include "MainMenu.h"
#include "Menus.h"
#include "SkinMenuItem.h"
#include "SkinMenuOwnerDraw.h"
#include "SkinMessages.h"
#include "WinSkinPopMenu.h"
#include "gui_counts.h"
#include "pictures.h"
#include "skin_fixture.h"

#include <algorithm>
#include <functional>
#include <vector>

namespace yq {
namespace {

using test::Counts;
using test::Near;
using testing::LoadSkinData;
using testing::Pump;
using testing::TBareWindow;

constexpr int kItemW = 180, kItemH = 22;

// Pixels of `bmp` inside r within tolerance of colour.
int CountNear(const TBitmap& bmp, const RECT& r, TColor colour, int tolerance = 24) {
    int n = 0;
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x)
            n += Near(bmp.Pixel(x, y), ColorToRGB(colour), tolerance);
    return n;
}

// The centre pixel of frame k of the skin's MenuItem strip.
TColor ItemFrameCentre(const TSkinData& skin, int k) {
    const TBitmap& strip = skin.MenuItem()->Image;
    const int fw = strip.Width() / 5;
    return strip.Pixel(fw * (k - 1) + fw / 2, strip.Height() / 2);
}

class SkinMenus : public ::testing::Test {
protected:
    void SetUp() override {
        skin.reset(LoadSkinData());
        menu = new TPopupMenu(nullptr);
        menu->SetImages(skin->MenuGlyphs());
        plain = new TPopupMenu(nullptr);
    }
    void TearDown() override {
        delete menu;
        delete plain;
        skin.reset();
        Pump();
    }
    TMenuItem* Add(TPopupMenu* into, const wchar_t* caption) {
        auto* item = new TMenuItem(into);
        item->SetCaption(caption);
        into->Items()->Add(item);
        return item;
    }
    // The item drawn as its menu would draw it, in the menu font.
    std::unique_ptr<TBitmap> Paint(TMenuItem* item, bool selected, int h = kItemH) {
        auto picture = std::make_unique<TBitmap>(kItemW, h);
        UseMenuFont(picture->Canvas());
        DrawMenuItem(skin.get(), *item, picture->Canvas(), {0, 0, kItemW, h}, selected);
        return picture;
    }
    std::unique_ptr<TSkinData> skin;
    TPopupMenu* menu = nullptr;
    TPopupMenu* plain = nullptr;
};

TEST_F(SkinMenus, ItemsAreMeasuredWiderByTheSkinsIndentAndGlyphRoom) {
    SetMenuOwnerDraw(menu, skin.get(), true);
    SetMenuOwnerDraw(plain, skin.get(), true);
    const int indent = skin->MenuItem()->Margins.Left;
    struct Case {
        const char* name;
        std::function<TMenuItem*()> make;
        int extra; // over the framework's own measure
    } cases[] = {
        {"text, menu without images", [&] { return Add(plain, L"搜索谜面"); }, indent + 12 + 23},
        {"short cut",
         [&] {
             auto* i = Add(plain, L"关闭");
             i->SetShortCut(ShortCut(VK_F4, scShift));
             return i;
         },
         indent + 12 + 23},
        {"text, menu with images", [&] { return Add(menu, L"还原"); }, indent + 12},
        {"separator", [&] { return Add(plain, L"-"); }, indent + 12 + 23},
    };
    TBitmap screen(1, 1);
    UseMenuFont(screen.Canvas());
    for (const Case& c : cases) {
        TMenuItem* item = c.make();
        SetMenuOwnerDraw(item->GetParentMenu() == menu ? menu : plain, skin.get(), true);
        int baseW = 0, baseH = 0, w = 0, h = 0;
        item->DefaultMeasure(screen.Canvas(), baseW, baseH);
        item->MeasureItem(screen.Canvas(), w, h);
        EXPECT_EQ(w, baseW + c.extra) << c.name;
        EXPECT_EQ(h, baseH) << c.name;
    }
    // "&" alone still takes a text line, as a plain caption does.
    TMenuItem* amp = Add(plain, L"&");
    TMenuItem* text = Add(plain, L"字");
    int w = 0, ampH = 0, textH = 0;
    amp->MeasureItem(screen.Canvas(), w, ampH);
    text->MeasureItem(screen.Canvas(), w, textH);
    EXPECT_EQ(ampH, textH);
}

TEST_F(SkinMenus, ItemKindsArePaintedFromTheSkin) {
    const TColor atRest = skin->Menu; // frame 1 is keyed: the background shows
    const TColor selectedPlate = ItemFrameCentre(*skin, 4);
    const RECT glyph{5, 2, 21, 20}, caption{24, 2, 80, 20}, rightEnd{kItemW - 16, 2, kItemW - 2, 20},
        shortCut{kItemW - 80, 2, kItemW - 11, 20}, plate{kItemW / 2, 8, kItemW / 2 + 20, 14};
    struct Case {
        const char* name;
        std::function<TMenuItem*()> make;
        bool selected;
        RECT where;
        TColor colour;
        int atLeast; // pixels of `colour` in `where`
    } cases[] = {
        {"text at rest", [&] { return Add(plain, L"搜索谜面"); }, false, caption, skin->MenuText, 5},
        {"text at rest: frame 1", [&] { return Add(plain, L"搜索谜面"); }, false, plate, atRest, 120},
        {"selected: frame 4", [&] { return Add(plain, L"搜索谜面"); }, true, plate, selectedPlate, 120},
        {"selected caption", [&] { return Add(plain, L"搜索谜面"); }, true, caption, skin->HilightText, 5},
        {"disabled caption",
         [&] {
             auto* i = Add(plain, L"不可用");
             i->SetEnabled(false);
             return i;
         },
         false, caption, skin->ButtonShadow, 5},
        {"short cut",
         [&] {
             auto* i = Add(plain, L"关闭");
             i->SetShortCut(ShortCut(VK_F4, scShift));
             return i;
         },
         false, shortCut, skin->MenuText, 5},
        {"check mark",
         [&] {
             auto* i = Add(plain, L"启用");
             i->SetChecked(true);
             return i;
         },
         false, glyph, clBtnText, 4},
        {"radio bullet",
         [&] {
             auto* i = Add(plain, L"单选");
             i->SetRadioItem(true);
             i->SetChecked(true);
             return i;
         },
         false, glyph, clBtnText, 4},
        {"image",
         [&] {
             auto* i = Add(menu, L"关闭");
             i->SetImageIndex(3);
             return i;
         },
         false, glyph, TColor(0), 8},
        {"checked image: dithered square",
         [&] {
             auto* i = Add(menu, L"最大化");
             i->SetImageIndex(1);
             i->SetChecked(true);
             return i;
         },
         false, glyph, clBtnHighlight, 20},
        {"sub-menu arrow",
         [&] {
             auto* i = Add(plain, L"对话框");
             i->Add(new TMenuItem(plain));
             return i;
         },
         false, rightEnd, skin->MenuText, 4},
    };
    for (const Case& c : cases) {
        TMenuItem* item = c.make();
        auto picture = Paint(item, c.selected);
        EXPECT_GE(CountNear(*picture, c.where, c.colour), c.atLeast) << c.name;
    }
}

TEST_F(SkinMenus, MarksCaptionsAndGlyphsDifferWhereTheirKindsDo) {
    auto ink = [&](TMenuItem* item, const RECT& r, TColor colour) {
        return CountNear(*Paint(item, false), r, colour, 40);
    };
    const RECT glyph{5, 2, 21, 20};
    TMenuItem* check = Add(plain, L"甲");
    check->SetChecked(true);
    TMenuItem* radio = Add(plain, L"甲");
    radio->SetChecked(true);
    radio->SetRadioItem(true);
    TMenuItem* none = Add(plain, L"甲");
    EXPECT_EQ(ink(none, glyph, clBtnText), 0) << "an unchecked item has an empty glyph box";
    EXPECT_NE(ink(check, glyph, clBtnText), ink(radio, glyph, clBtnText)) << "check and bullet differ";

    // The default item's caption is bold: it reaches further right.
    auto textRight = [&](TMenuItem* item) {
        auto picture = Paint(item, false);
        const TColor paper = picture->Pixel(kItemW - 3, 3);
        int right = 0;
        for (int y = 0; y < kItemH; ++y)
            for (int x = 0; x < kItemW - 3; ++x)
                if (picture->Pixel(x, y) != paper) right = std::max(right, x);
        return right;
    };
    TMenuItem* normal = Add(plain, L"Default command");
    TMenuItem* bold = Add(plain, L"Default command");
    bold->SetDefault(true);
    EXPECT_GT(textRight(bold), textRight(normal));

    TMenuItem* enabled = Add(menu, L"关闭");
    enabled->SetImageIndex(3);
    TMenuItem* disabled = Add(menu, L"关闭");
    disabled->SetImageIndex(3);
    disabled->SetEnabled(false);
    EXPECT_GT(ink(enabled, glyph, 0), ink(disabled, glyph, 0)) << "a disabled image is greyed";
}

TEST_F(SkinMenus, SeparatorIsFrameTwoCutFromTheBottomOfTheFrame) {
    const TBitmap& strip = skin->MenuItem()->Image;
    const int fw = strip.Width() / 5, ph = strip.Height();
    for (int h : {8, ph, ph + 10}) {
        auto picture = Paint(Add(plain, L"-"), false, h);
        for (int y = 0; y < h; ++y) {
            // Low items show the frame's bottom rows; tall ones all of it stretched.
            const int row = h < ph ? ph - h + y : y * ph / h;
            const TColor want = strip.Pixel(fw + fw / 2, row);
            if (want == kSkinKeyColour) continue;
            EXPECT_EQ(picture->Pixel(kItemW / 2, y), want) << "height " << h << " row " << y;
        }
    }
}

TEST_F(SkinMenus, WithoutItemPictureItemsAreDrawnPlainInTheMenuColours) {
    std::unique_ptr<TSkinData> empty(new TSkinData(nullptr));
    TMenuItem* item = Add(plain, L"搜索谜底");
    TBitmap picture(kItemW, kItemH);
    UseMenuFont(picture.Canvas());
    DrawMenuItem(empty.get(), *item, picture.Canvas(), {0, 0, kItemW, kItemH}, true);
    EXPECT_EQ(picture.Pixel(kItemW - 3, 3), ColorToRGB(empty->Hilight));
}

TEST_F(SkinMenus, ItemFromHandleReadsTextAndStates) {
    HMENU native = CreatePopupMenu();
    AppendMenuW(native, MF_STRING | MF_GRAYED | MF_CHECKED, 0xF020, L"最小化");
    AppendMenuW(native, MF_SEPARATOR, 0xF000, nullptr);
    auto item = ItemFromHandle(native, 0xF020);
    EXPECT_EQ(item->Caption(), L"最小化");
    EXPECT_FALSE(item->Enabled());
    EXPECT_TRUE(item->Checked());
    EXPECT_EQ(ItemFromHandle(native, 0xF000)->Caption(), L"-");
    MarkOwnerDrawn(native);
    MENUITEMINFOW info{sizeof(info)};
    info.fMask = MIIM_FTYPE;
    GetMenuItemInfoW(native, 0, TRUE, &info);
    EXPECT_TRUE(info.fType & MFT_OWNERDRAW);
    DestroyMenu(native);
}

// ---- owner-draw switches ---------------------------------------------------

class SkinMenuSwitches : public ::testing::Test {
protected:
    void SetUp() override { skin.reset(LoadSkinData()); }
    void TearDown() override {
        delete form;
        skin.reset();
        Pump();
    }
    std::unique_ptr<TSkinData> skin;
    TForm* form = new TForm(nullptr);
};

bool HasHandlers(const TMenuItem* item) {
    return item->OnAdvancedDrawItem && item->OnMeasureItem;
}

TEST_F(SkinMenuSwitches, PopupMenusOfAFormFollowTheirTagAndXcPopupMenu) {
    struct Case {
        int tag;
        bool xcPopupMenu;
        bool ownerDrawn;
    } cases[] = {{0, true, true}, {5, true, true}, {99, true, false}, {199, true, false}, {0, false, false}};
    for (const Case& c : cases) {
        auto* menu = new TPopupMenu(form);
        menu->Tag = c.tag;
        auto* sub = new TMenuItem(menu);
        sub->SetCaption(L"子菜单");
        auto* deep = new TMenuItem(menu);
        deep->SetCaption(L"子项");
        sub->Add(deep);
        menu->Items()->Add(sub);
        TSkinControlTypes controls = TSkinData::kDefaultSkinControls;
        if (!c.xcPopupMenu) controls &= ~SetOf(xcPopupMenu);
        skin->SetSkinControls(controls);
        SetPopupMenusOwnerDraw(form, skin.get(), true);
        EXPECT_EQ(menu->OwnerDraw(), c.ownerDrawn) << "tag " << c.tag;
        EXPECT_EQ(HasHandlers(deep), c.ownerDrawn) << "every level, tag " << c.tag;
        SetPopupMenusOwnerDraw(form, skin.get(), false);
        EXPECT_FALSE(menu->OwnerDraw());
        EXPECT_FALSE(deep->OnAdvancedDrawItem || deep->OnMeasureItem) << "the platform draws it again";
        delete menu;
    }
}

TEST_F(SkinMenuSwitches, MainMenuItemsBelowTheBarGetHandlers) {
    auto* bar = new TMainMenu(form);
    auto* title = new TMenuItem(bar);
    title->SetCaption(L"文件(&F)");
    auto* own = new TMenuItem(bar);
    own->SetCaption(L"自绘");
    auto* drop = new TMenuItem(bar);
    drop->SetCaption(L"打开");
    bool ownCalled = false;
    own->OnAdvancedDrawItem = [&](TComponent*, TCanvas&, const RECT&, TOwnerDrawState) { ownCalled = true; };
    title->Add(drop);
    title->Add(own);
    bar->Items()->Add(title);
    SetMainMenuOwnerDraw(form, skin.get(), true);
    EXPECT_TRUE(bar->OwnerDraw());
    EXPECT_FALSE(HasHandlers(title)) << "the bar's own buttons are the menu bar's";
    EXPECT_TRUE(HasHandlers(drop));
    TBitmap canvas(10, 10);
    own->AdvancedDrawItem(canvas.Canvas(), {0, 0, 10, 10}, 0);
    EXPECT_TRUE(ownCalled) << "an item's own draw handler is kept";
    SetMainMenuOwnerDraw(form, skin.get(), false);
    EXPECT_FALSE(bar->OwnerDraw());
    EXPECT_FALSE(drop->OnAdvancedDrawItem);

    SetItemOwnerDraw(title, skin.get(), true);
    EXPECT_TRUE(HasHandlers(title) && HasHandlers(drop));
    SetItemOwnerDraw(title, skin.get(), false);
    EXPECT_FALSE(title->OnMeasureItem || drop->OnMeasureItem);
}

// ---- popup-menu windows ----------------------------------------------------

// A "#32768" window made as the platform makes menu windows, for the
// manager's bookkeeping.
HWND CreateMenuWindow() {
    return CreateWindowExW(WS_EX_TOOLWINDOW, L"#32768", L"", WS_POPUP, 0, 0, 120, 60, nullptr, nullptr,
                           GetModuleHandleW(nullptr), nullptr);
}

TEST(SkinMenuKinds, EachKindOfMenuNeedsItsSwitch) {
    std::unique_ptr<TSkinData> skin(LoadSkinData());
    struct Case {
        TMenuKind kind;
        TSkinControlTypes controls;
        bool skinned;
    } cases[] = {
        {mkPopup, SetOf(xcPopupMenu), true},       {mkPopup, SetOf(xcMainMenu) | SetOf(xcSystemMenu), false},
        {mkMainMenu, SetOf(xcMainMenu), true},     {mkMainMenu, SetOf(xcMenuItem), true},
        {mkMainMenu, SetOf(xcPopupMenu), false},   {mkSystemMenu, SetOf(xcSystemMenu), true},
        {mkSystemMenu, SetOf(xcPopupMenu), false},
    };
    for (const Case& c : cases) {
        skin->SetSkinControls(c.controls);
        SkinManage->SetMenuKind(c.kind);
        HWND window = CreateMenuWindow();
        ASSERT_NE(window, nullptr);
        EXPECT_EQ(SkinManage->IsPopupMenuSkinned(window), c.skinned) << "kind " << c.kind;
        EXPECT_EQ(SendMessageW(window, WM_SKINQUERY, 0, 0) == 1, c.skinned) << "kind " << c.kind;
        DestroyWindow(window);
        EXPECT_EQ(SkinManage->PopupMenuCount(), 0);
        EXPECT_EQ(SkinManage->MenuKind, mkPopup) << "the kind lasts until the last menu window goes";
    }
}

TEST(SkinMenuKinds, BorderIsLeftAloneOnAnUnknownPlatformFamily) {
    std::unique_ptr<TSkinData> skin(LoadSkinData());
    HWND window = CreateMenuWindow();
    TWinSkinPopMenu skinner;
    skinner.Attach(window, skin.get());
    const bool wide = UseWideApi;
    const DWORD version = WinVersion;
    UseWideApi = false;
    WinVersion = 0x00000003;
    SendMessageW(window, WM_NCPAINT, 1, 0);
    EXPECT_EQ(skinner.BackgroundPicture(), nullptr);
    UseWideApi = wide;
    WinVersion = version;
    SendMessageW(window, WM_NCPAINT, 1, 0);
    ASSERT_NE(skinner.BackgroundPicture(), nullptr);
    EXPECT_EQ(skinner.BackgroundPicture()->Width(), 120);
    DestroyWindow(window);
    EXPECT_FALSE(skinner.Attached()) << "its own WM_DESTROY detaches it";
}

TEST(SkinMenuKinds, AWindowThatCannotNameItsMenuShowsTheMenuOfItsFirstDrawnItem) {
    std::unique_ptr<TSkinData> skin(LoadSkinData());
    HWND window = CreateMenuWindow();
    ASSERT_TRUE(SkinManage->IsPopupMenuSkinned(window));
    if (SendMessageW(window, MN_GETHMENU, 0, 0)) GTEST_SKIP() << "the platform names this window's menu";
    SendMessageW(window, WM_NCPAINT, 1, 0);
    ASSERT_NE(PendingPopMenu, nullptr) << "painted before it knows its menu";
    EXPECT_EQ(PendingPopMenu->Handle(), window);
    HMENU menu = CreatePopupMenu();
    EXPECT_EQ(SkinManage->GetPopupMenuBackground(menu), nullptr);
    AssociatePendingPopMenu(menu);
    EXPECT_EQ(PendingPopMenu, nullptr);
    EXPECT_NE(SkinManage->GetPopupMenuBackground(menu), nullptr) << "its items copy its background";
    DestroyWindow(window);
    DestroyMenu(menu);
}

// A skinned form with a popup menu, opened for real; `steps` run one per
// timer tick inside the menu loop, the menu is closed after the last.
class LiveMenu : public ::testing::Test {
protected:
    void SetUp() override {
        skin.reset(LoadSkinData());
        form = new TForm(nullptr);
        form->SetBounds(100, 100, 320, 240);
        form->Show();
        SetForegroundWindow(form->Handle());
        Pump(50);
        menu = new TPopupMenu(form);
        for (const wchar_t* caption : {L"搜索谜面", L"-", L"搜索谜底"}) {
            auto* item = new TMenuItem(menu);
            item->SetCaption(caption);
            item->OnClick = [this, caption](TComponent*) { chosen = caption; };
            menu->Items()->Add(item);
        }
        auto* sub = new TMenuItem(menu);
        sub->SetCaption(L"对话框");
        auto* inner = new TMenuItem(menu);
        inner->SetCaption(L"输入框");
        sub->Add(inner);
        menu->Items()->Add(sub);
        SetPopupMenusOwnerDraw(form, skin.get(), true);
    }
    void TearDown() override {
        delete form;
        skin.reset();
        Pump();
    }
    void Run(std::vector<std::function<void()>> steps) {
        script = std::move(steps);
        next = 0;
        current = this;
        const UINT_PTR timer = SetTimer(nullptr, 0, 30, &LiveMenu::Tick);
        menu->Popup(150, 150);
        KillTimer(nullptr, timer);
        current = nullptr;
    }
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
        LiveMenu* self = current;
        if (!self) return;
        if (self->next < self->script.size())
            self->script[self->next++]();
        else
            EndMenu();
    }
    static HWND MenuWindow() { return FindWindowW(L"#32768", nullptr); }
    static void Key(UINT vk) {
        PostMessageW(MenuWindow(), WM_KEYDOWN, vk, 0);
        PostMessageW(MenuWindow(), WM_KEYUP, vk, 0);
    }
    static std::unique_ptr<TBitmap> Shot() {
        RECT r{};
        GetWindowRect(MenuWindow(), &r);
        auto picture = std::make_unique<TBitmap>(r.right - r.left, r.bottom - r.top);
        HDC dc = GetWindowDC(MenuWindow());
        BitBlt(picture->Canvas().Handle(), 0, 0, picture->Width(), picture->Height(), dc, 0, 0, SRCCOPY);
        ReleaseDC(MenuWindow(), dc);
        return picture;
    }

    std::unique_ptr<TSkinData> skin;
    TForm* form = nullptr;
    TPopupMenu* menu = nullptr;
    std::wstring chosen;
    std::vector<std::function<void()>> script;
    size_t next = 0;
    static inline LiveMenu* current = nullptr;
};

TEST_F(LiveMenu, MenuWindowWearsTheSkinAndKnowsItsMenu) {
    std::unique_ptr<TBitmap> rest, hot;
    HMENU shown = nullptr, known = nullptr;
    int skinners = 0;
    Run({[&] {
             rest = Shot();
             skinners = SkinManage->PopupMenuCount();
             shown = menu->Items()->Items(0)->MenuHandle();
             if (auto* s = SkinManage->FindPopupMenu(shown)) known = s->Menu();
             Key(VK_DOWN);
         },
         [&] { hot = Shot(); }});
    EXPECT_EQ(skinners, 1);
    ASSERT_NE(shown, nullptr);
    EXPECT_EQ(known, shown) << "the window is associated with the menu it shows";
    ASSERT_TRUE(rest && hot);
    const TBitmap& background = skin->MenuBackground()->Image;
    EXPECT_EQ(rest->Pixel(0, 0), background.Pixel(0, 0)) << "the ring comes from MenuBackground";
    EXPECT_EQ(rest->Pixel(1, rest->Height() / 2), background.Pixel(1, background.Height() / 2));
    const TColor plate = ItemFrameCentre(*skin, 4);
    EXPECT_EQ(CountNear(*rest, {0, 0, rest->Width(), rest->Height()}, plate, 0), 0);
    EXPECT_GT(CountNear(*hot, {0, 0, hot->Width(), hot->Height()}, plate, 0), 100)
        << "the hot item is frame 4";
    EXPECT_EQ(SkinManage->PopupMenuCount(), 0) << "freed with its window";
    // The last row opens a sub-menu: its arrow is the skin's, in MenuText,
    // and the platform draws none of its own (black) over it.
    const RECT arrow{rest->Width() - 20, rest->Height() - 20, rest->Width() - 3, rest->Height() - 4};
    EXPECT_GE(CountNear(*rest, arrow, skin->MenuText, 8), 4);
    EXPECT_EQ(CountNear(*rest, arrow, 0, 8), 0);
}

TEST_F(LiveMenu, ChosenItemRunsAndEscapeChoosesNothing) {
    Run({[&] { Key(VK_ESCAPE); }});
    EXPECT_TRUE(chosen.empty());
    Run({[&] { Key(VK_UP); }, [&] { Key(VK_UP); }, [&] { Key(VK_RETURN); }});
    EXPECT_EQ(chosen, L"搜索谜底");
}

TEST_F(LiveMenu, AThousandMenusLeaveNoSkinnerAndNoObjects) {
    auto openAndClose = [&](int times) {
        for (int i = 0; i < times; ++i) {
            PostMessageW(menu->WindowHandle(), WM_KEYDOWN, VK_ESCAPE, 0);
            menu->Popup(150, 150);
        }
        Pump();
    };
    openAndClose(5);
    const auto before = Counts();
    openAndClose(1000);
    EXPECT_EQ(SkinManage->PopupMenuCount(), 0);
    EXPECT_EQ(PendingPopMenu, nullptr);
    EXPECT_EQ(Counts(), before);
}

// ---- menu messages of a skinned window ----------------------------------------

TEST(SkinMenuMessages, AWindowWithAMenuBarMeasuresAndDrawsItsOwnerDrawnItems) {
    std::unique_ptr<TSkinData> skin(LoadSkinData());
    HMENU bar = CreateMenu(), drop = CreatePopupMenu();
    AppendMenuW(drop, MF_STRING, 0xF020, L"最小化");
    AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(drop), L"窗口");
    TBareWindow window(L"YqMenuBarWindow", WS_OVERLAPPEDWINDOW, 300, 200);
    SetMenu(window.Get(), bar);
    ShowWindow(window.Get(), SW_SHOW);
    SetForegroundWindow(window.Get());
    Pump();
    TWinSkinForm* skinner = SkinManage->FindSkinForm(window.Get());
    ASSERT_NE(skinner, nullptr);
    ASSERT_TRUE(skinner->HadMenuBar);
    MarkOwnerDrawn(bar);

    MEASUREITEMSTRUCT mis{ODT_MENU, 0, 0xF020, 0, 0, 0};
    ASSERT_EQ(SendMessageW(window.Get(), WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&mis)), TRUE);
    TBitmap font(1, 1);
    UseMenuFont(font.Canvas());
    const SIZE text = font.Canvas().TextExtent(L"最小化");
    EXPECT_EQ(int(mis.itemWidth), text.cx + 26 + skin->MenuItem()->Margins.Left) << "measured by its text";
    EXPECT_EQ(int(mis.itemHeight), text.cy + 4);

    TBitmap picture(kItemW, kItemH);
    DRAWITEMSTRUCT dis{ODT_MENU,
                       0,
                       0xF020,
                       ODA_DRAWENTIRE,
                       ODS_SELECTED,
                       reinterpret_cast<HWND>(drop),
                       picture.Canvas().Handle(),
                       {0, 0, kItemW, kItemH},
                       0};
    ASSERT_EQ(SendMessageW(window.Get(), WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&dis)), TRUE);
    EXPECT_EQ(picture.Pixel(kItemW / 2, kItemH / 2), ItemFrameCentre(*skin, 4)) << "drawn from MenuItem";

    MEASUREITEMSTRUCT button{ODT_BUTTON, 1, 1, 0, 0, 0};
    SendMessageW(window.Get(), WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&button));
    EXPECT_EQ(button.itemWidth, 0u) << "other owner-drawn controls are the window's own";
}

TEST(SkinMenuMessages, AFormsMenuBarDropDownsAreMeasuredAsDropDownItems) {
    std::unique_ptr<TSkinData> skin(LoadSkinData());
    auto* form = new TForm(nullptr);
    auto* bar = new TMainMenu(form);
    auto* title = new TMenuItem(bar);
    title->SetCaption(L"文件(&F)");
    auto* open = new TMenuItem(bar);
    open->SetCaption(L"打开皮肤");
    title->Add(open);
    bar->Items()->Add(title);
    form->SetMenu(bar);
    form->SetBounds(60, 60, 300, 200);
    form->Show();
    SetForegroundWindow(form->Handle());
    Pump();
    ASSERT_NE(SkinManage->FindSkinForm(form->Handle()), nullptr);

    MEASUREITEMSTRUCT mis{ODT_MENU, 0, open->Command(), 0, 0, 0};
    ASSERT_EQ(SendMessageW(form->Handle(), WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&mis)), TRUE);
    TBitmap font(1, 1);
    UseMenuFont(font.Canvas());
    int width = 0, height = 0;
    open->DefaultMeasure(font.Canvas(), width, height);
    EXPECT_EQ(int(mis.itemWidth), width + skin->MenuItem()->Margins.Left + 10 + 25);
    EXPECT_EQ(int(mis.itemHeight), height);

    // A command of the framework's range that is no item of the bar is the
    // form's own business.
    MEASUREITEMSTRUCT other{ODT_MENU, 0, 4000, 0, 0, 0};
    SendMessageW(form->Handle(), WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&other));
    EXPECT_EQ(other.itemWidth, 0u);
    delete form;
    Pump();
}

// ---- the system menu and system commands -----------------------------------

TEST(SkinSystemMenu, ItemsAreOwnerDrawnWithTheSkinsGlyphs) {
    std::unique_ptr<TSkinData> skin(LoadSkinData());
    TBareWindow window(L"YqMenuSystem", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 300, 200);
    SetForegroundWindow(window.Get());
    Pump();
    TWinSkinForm* skinner = SkinManage->FindSkinForm(window.Get());
    ASSERT_NE(skinner, nullptr);
    TPopupMenu* system = skinner->SystemMenu();
    ASSERT_NE(system, nullptr);
    EXPECT_TRUE(system->OwnerDraw());
    EXPECT_EQ(system->Images(), skin->MenuGlyphs());
    for (int i = 0; i < system->Items()->Count(); ++i)
        EXPECT_TRUE(HasHandlers(system->Items()->Items(i))) << i;
}

TEST(SkinSystemMenu, SystemCommandChosenAsMenuCommandReachesTheWindow) {
    std::unique_ptr<TSkinData> skin(LoadSkinData());
    TBareWindow window(L"YqMenuCommand", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 300, 200);
    SetForegroundWindow(window.Get());
    Pump();
    ASSERT_NE(SkinManage->FindSkinForm(window.Get()), nullptr);
    SendMessageW(window.Get(), WM_COMMAND, SC_MINIMIZE, 0);
    Pump();
    EXPECT_TRUE(IsIconic(window.Get()));
    SendMessageW(window.Get(), WM_COMMAND, SC_RESTORE, 0);
    Pump();
    EXPECT_FALSE(IsIconic(window.Get()));
}

} // namespace
} // namespace yq
