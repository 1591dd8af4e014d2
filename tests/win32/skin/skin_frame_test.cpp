// The skinned window frame: sizes, caption text and buttons, the shape
// cut by magenta border pixels, unskinning, and bad skins.
#include "CaptionButtons.h"
#include "CaptionText.h"
#include "Form.h"
#include "Menus.h"
#include "SkinMessages.h"
#include "skin_fixture.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>

namespace yq {
namespace {

using testing::ClientSize;
using testing::LoadSkinData;
using testing::Pump;
using testing::TBareWindow;
using testing::WindowSize;

constexpr DWORD kFrameStyle = WS_OVERLAPPEDWINDOW | WS_VISIBLE;

// Our skin: borders 27 / 7 / 7 / 7 (top, left, right, bottom).
constexpr int kTop = 27, kSide = 7, kBottom = 7;

class SkinFrame : public ::testing::Test {
protected:
    void SetUp() override { skin_.reset(LoadSkinData()); }
    void TearDown() override {
        skin_.reset();
        Pump();
    }
    TWinSkinForm* Skin(HWND window) {
        SkinManage->SkinWindow(window);
        Pump();
        return SkinManage->FindSkinForm(window);
    }
    std::unique_ptr<TSkinData> skin_;
};

TEST_F(SkinFrame, KeepsTheClientAreaAndGivesItTheSkinBorders) {
    TBareWindow window(L"YqFrameSize", kFrameStyle, 400, 300);
    const SIZE client = ClientSize(window.Get());
    TWinSkinForm* form = Skin(window.Get());
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(form->State, TSkinFormState::Skinned);
    EXPECT_EQ(form->FrameKind, TFrameKind::Sizeable);
    EXPECT_EQ(form->BorderTop, kTop);
    EXPECT_EQ(form->BorderLeft, kSide);
    EXPECT_EQ(form->BorderRight, kSide);
    EXPECT_EQ(form->BorderBottom, kBottom);
    EXPECT_TRUE(form->UnicodeWindow);
    EXPECT_EQ(ClientSize(window.Get()).cx, client.cx);
    EXPECT_EQ(ClientSize(window.Get()).cy, client.cy);
    EXPECT_EQ(WindowSize(window.Get()).cx, client.cx + 14);
    EXPECT_EQ(WindowSize(window.Get()).cy, client.cy + 34);
    POINT origin{0, 0};
    ClientToScreen(window.Get(), &origin);
    RECT r{};
    GetWindowRect(window.Get(), &r);
    EXPECT_EQ(origin.x - r.left, kSide);
    EXPECT_EQ(origin.y - r.top, kTop);

    // Any later size: the client is the window less the borders.
    SetWindowPos(window.Get(), nullptr, 0, 0, 400, 300, SWP_NOMOVE | SWP_NOZORDER);
    EXPECT_EQ(ClientSize(window.Get()).cx, 386);
    EXPECT_EQ(ClientSize(window.Get()).cy, 266);
}

TEST_F(SkinFrame, UnskinningGivesBackTheWindowRectangleAndFrame) {
    // Hidden, so that no activation skins it before its frame is read.
    TBareWindow window(L"YqFrameUnskin", WS_OVERLAPPEDWINDOW, 400, 300);
    RECT before{};
    GetWindowRect(window.Get(), &before);
    const LONG style = GetWindowLongW(window.Get(), GWL_STYLE);
    const SIZE client = ClientSize(window.Get());
    TWinSkinForm* form = Skin(window.Get());
    ASSERT_NE(form, nullptr);
    EXPECT_NE(form->Region(), nullptr);

    SkinManage->LoopState = 1;
    skin_->SetActive(false);
    Pump(400);
    RECT after{};
    GetWindowRect(window.Get(), &after);
    EXPECT_TRUE(EqualRect(&before, &after));
    EXPECT_EQ(GetWindowLongW(window.Get(), GWL_STYLE), style);
    EXPECT_EQ(ClientSize(window.Get()).cx, client.cx);
    EXPECT_EQ(ClientSize(window.Get()).cy, client.cy);
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    EXPECT_EQ(GetWindowRgn(window.Get(), region), ERROR) << "no shape";
    DeleteObject(region);
}

TEST_F(SkinFrame, RegionCutsMagentaBorderPixelsOnlyWhenBordersAreTransparent) {
    TBareWindow window(L"YqFrameRegion", kFrameStyle, 400, 300);
    TWinSkinForm* form = Skin(window.Get());
    ASSERT_NE(form, nullptr);
    const SIZE size = WindowSize(window.Get());
    HRGN shape = form->Region();
    ASSERT_NE(shape, nullptr);
    EXPECT_FALSE(PtInRegion(shape, 0, 0)) << "rounded corner";
    EXPECT_FALSE(PtInRegion(shape, size.cx - 1, 0));
    EXPECT_TRUE(PtInRegion(shape, size.cx / 2, 1)) << "caption";
    EXPECT_TRUE(PtInRegion(shape, size.cx / 2, size.cy / 2)) << "client";
    EXPECT_TRUE(PtInRegion(shape, 3, size.cy / 2)) << "left border";

    for (TDataSkinBorder* b : {skin_->Left(), skin_->Right(), skin_->Top(), skin_->Bottom()})
        b->Trans = 0;
    skin_->ApplySkinChange();
    Pump(400);
    shape = form->Region();
    ASSERT_NE(shape, nullptr);
    RECT box{};
    EXPECT_EQ(GetRgnBox(shape, &box), SIMPLEREGION);
    EXPECT_EQ(box.right - box.left, WindowSize(window.Get()).cx);
    EXPECT_EQ(box.bottom - box.top, WindowSize(window.Get()).cy);
}

TEST_F(SkinFrame, CaptionButtonsFollowTheWindowStyles) {
    struct Case {
        const wchar_t* name;
        DWORD style;
        bool close, maximize, restore, minimize;
    } cases[] = {
        {L"YqButtonsAll", kFrameStyle, true, true, false, true},
        {L"YqButtonsMin", WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_VISIBLE, true, false,
         false, true},
        {L"YqButtonsClose", WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_VISIBLE, true, false, false, false},
        {L"YqButtonsNone", WS_OVERLAPPED | WS_CAPTION | WS_VISIBLE, false, false, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.name, c.name + wcslen(c.name)));
        TBareWindow window(c.name, c.style, 400, 300);
        SetForegroundWindow(window.Get());
        TWinSkinForm* form = Skin(window.Get());
        ASSERT_NE(form, nullptr);
        form->PaintFrame();
        std::map<std::string, bool> shown;
        for (const auto& b : form->SysButtons)
            shown[b->SkinButton.Name] = b->Visible;
        EXPECT_EQ(shown["BUTTONCLOSE"], c.close);
        EXPECT_EQ(shown["BUTTONMAXIMIZE"], c.maximize);
        EXPECT_EQ(shown["BUTTONRESTORE"], c.restore);
        EXPECT_EQ(shown["BUTTONMINIMIZE"], c.minimize);
        EXPECT_FALSE(shown["BUTTONKNOT"]) << "Visibility1 -1";
    }
}

TEST(CaptionButtonRules, VisibilityCodes) {
    TCaptionFacts plain;
    plain.SystemMenu = true;
    TCaptionFacts boxes = plain;
    boxes.MaximizeBox = boxes.MinimizeBox = true;
    TCaptionFacts zoomed = boxes;
    zoomed.Maximized = true;
    TCaptionFacts inactive = boxes;
    inactive.Active = false;
    TCaptionFacts noMenu;
    noMenu.MaximizeBox = true;
    TCaptionFacts dialog = plain;
    dialog.DialogFrame = true;
    TCaptionFacts asking = plain;
    asking.Ask = [](int index) { return LRESULT(index == 2 ? 1 : 0); };
    namespace A = CaptionAction;
    struct Case {
        int action, v, v1, index;
        const TCaptionFacts& facts;
        bool shown;
    } cases[] = {
        {A::Close, 0, 0, 0, plain, true},
        {A::Close, 0, 0, 0, noMenu, false}, // close needs a system menu
        {A::Maximize, 2, 6, 0, boxes, true},
        {A::Maximize, 2, 6, 0, zoomed, false},
        {A::Maximize, 1, 6, 0, zoomed, true},  // the restore button
        {A::Maximize, 0, 0, 0, plain, false},  // no maximise box
        {A::Maximize, 6, 0, 0, noMenu, false}, // code 6 wants the system menu too
        {A::Maximize, 0, 6, 0, noMenu, true},  // Visibility1 6 does not
        {A::Minimize, 0, 8, 0, plain, false},
        {A::Minimize, 3, 0, 0, inactive, false},
        {A::Minimize, 4, 0, 0, inactive, true},
        {-1, 0, -1, 0, plain, false}, // an ornament never shown
        {-1, 0, 5, 0, plain, false},
        {A::SystemMenu, 0, 0, 0, dialog, false}, // no icon on a dialog frame
        {20, 200, 0, 0, dialog, true},
        {20, 200, 0, 0, plain, false},
        {20, 500, 0, 0, plain, true},
        {20, 1500, 0, 2, asking, true},
        {20, 1500, 0, 1, asking, false},
        {20, 0, 1500, 2, asking, true}, // Visibility1 reads 200..2000 the same way
        {20, 0, 200, 0, plain, false},
        {20, 0, 100, 0, plain, true}, // 100 repeats Visibility
        {20, 3000, 0, 0, plain, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CaptionButtonVisible(c.action, c.v, c.v1, c.index, c.facts), c.shown)
            << "action " << c.action << " visibility " << c.v << "/" << c.v1;
}

TEST(CaptionButtonRules, ActionsAndPlaces) {
    EXPECT_EQ(CommandOfAction(0), TCaptionCommand::Close);
    EXPECT_EQ(CommandOfAction(22), TCaptionCommand::MaximizeToggle);
    EXPECT_EQ(CommandOfAction(23), TCaptionCommand::MinimizeToggle);
    EXPECT_EQ(CommandOfAction(12), TCaptionCommand::SystemMenu);
    EXPECT_EQ(CommandOfAction(61), TCaptionCommand::MdiRestore);
    EXPECT_EQ(CommandOfAction(40), TCaptionCommand::Custom);

    TCaptionPlace place;
    place.Width = 400;
    place.BorderLeft = 7;
    place.BorderTop = 27;
    place.BorderRight = 7;
    place.MenuHeight = 20;
    place.TextRect = {40, 5, 120, 22};
    const SIZE size{20, 18};
    auto at = [&](int align) { return CaptionButtonBounds(align, 36, 4, size, place); };
    EXPECT_EQ(at(0).left, 36);
    EXPECT_EQ(at(1).left, 364);
    EXPECT_EQ(at(2).left, 40 - 20 - 36);
    EXPECT_EQ(at(9).left, 120 + 36);
    EXPECT_EQ(at(100).left, 400 - 36 - 7);
    EXPECT_EQ(at(100).top, 27 + 1);
    EXPECT_EQ(at(4).left, 0);
}

TEST(CaptionTextLayout, Alignments) {
    TCaptionTextLayout base;
    base.Caption = {7, 0, 393, 27};
    base.Text = {100, 13};
    base.TextShift = 30;
    base.TextRightClip = 100;
    base.BackLeft = base.BackRight = 10;
    struct Case {
        const char* what;
        TCaptionTextLayout layout;
        RECT expected;
    } cases[] = {
        {"left at TextShift", base, {37, 7, 157, 20}},
        {"centred",
         [&] {
             auto l = base;
             l.TextAlignment = 1;
             return l;
         }(),
         {7 + 133, 7, 7 + 133 + 120, 20}},
        {"right, clipped",
         [&] {
             auto l = base;
             l.TextAlignment = 2;
             return l;
         }(),
         {173, 7, 293, 20}},
        {"right to left",
         [&] {
             auto l = base;
             l.RightToLeft = true;
             return l;
         }(),
         {173, 7, 293, 20}},
        {"clip before the buttons",
         [&] {
             auto l = base;
             l.Text.cx = 400;
             return l;
         }(),
         {37, 7, 293, 20}},
        {"popup: clip at the buttons",
         [&] {
             auto l = base;
             l.Text.cx = 400;
             l.PopupStyle = true;
             l.RightButtonsLeft = 300;
             return l;
         }(),
         {37, 7, 295, 20}},
        {"dialog frame: no icon",
         [&] {
             auto l = base;
             l.DialogFrame = true;
             return l;
         }(),
         {21, 7, 141, 20}},
        {"shifted down",
         [&] {
             auto l = base;
             l.TextShiftVert = 4;
             return l;
         }(),
         {37, 9, 157, 22}},
    };
    for (const Case& c : cases) {
        const RECT r = CaptionTextRect(c.layout);
        EXPECT_TRUE(EqualRect(&r, &c.expected))
            << c.what << ": " << r.left << "," << r.top << "," << r.right << "," << r.bottom;
    }
}

TEST_F(SkinFrame, CaptionShowsTheTitleColourAndTheHotButtonFrame) {
    TBareWindow window(L"YqFramePaint", kFrameStyle, 400, 300);
    SetForegroundWindow(window.Get());
    TWinSkinForm* form = Skin(window.Get());
    ASSERT_NE(form, nullptr);
    form->IsActive = true;
    const SIZE size = WindowSize(window.Get());
    TBitmap frame(size.cx, size.cy);
    form->PaintFrameTo(frame.Canvas().Handle(), size.cx, size.cy);
    auto close = std::find_if(form->SysButtons.begin(), form->SysButtons.end(),
                              [](const auto& b) { return b->SkinButton.Action == CaptionAction::Close; });
    ASSERT_NE(close, form->SysButtons.end());
    const RECT bounds = (*close)->Bounds;
    ASSERT_GT(bounds.right, bounds.left);
    auto pixels = [&](const TBitmap& bitmap) {
        std::vector<TColor> out;
        for (int y = bounds.top; y < bounds.bottom; ++y)
            for (int x = bounds.left; x < bounds.right; ++x)
                out.push_back(bitmap.Pixel(x, y));
        return out;
    };
    const auto normal = pixels(frame);
    (*close)->ButtonState = TNCButtonState::bsHot;
    form->PaintFrameTo(frame.Canvas().Handle(), size.cx, size.cy);
    EXPECT_NE(pixels(frame), normal) << "the hot frame differs";

    // Caption text drawn in the active title colour somewhere in its rectangle.
    const RECT text = form->CaptionTextRect;
    bool found = false;
    for (int y = text.top; y < text.bottom && !found; ++y)
        for (int x = text.left; x < text.right && !found; ++x)
            found = frame.Pixel(x, y) == ColorToRGB(skin_->TitleTextActive);
    EXPECT_TRUE(found);
}

TEST_F(SkinFrame, MessageBoxClassGetsTheDialogFrameAndItsOwnBackground) {
    HWND box = CreateWindowExW(WS_EX_DLGMODALFRAME, L"#32770", L"云樵",
                               WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE, 100, 100, 240, 120, nullptr,
                               nullptr, GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(box, nullptr);
    TWinSkinForm* form = Skin(box);
    ASSERT_NE(form, nullptr);
    EXPECT_TRUE(form->IsDialogClass);
    EXPECT_EQ(form->FrameKind, TFrameKind::DialogFrame);
    form->IsActive = true;
    form->PaintFrame();
    for (const auto& b : form->SysButtons)
        EXPECT_EQ(b->Visible, b->SkinButton.Action == CaptionAction::Close)
            << b->SkinButton.Name << ": no icon on a dialog";
    HDC dc = GetDC(box);
    const LRESULT brush = SendMessageW(box, WM_CTLCOLORSTATIC, WPARAM(dc), 0);
    ReleaseDC(box, dc);
    EXPECT_EQ(reinterpret_cast<HBRUSH>(brush), skin_->ButtonFaceBrush());
    DestroyWindow(box);
    Pump();
    SkinManage->PurgeDeadForms();
    EXPECT_EQ(SkinManage->FindSkinForm(box), nullptr);
}

TEST_F(SkinFrame, FrameworkFormIsSkinnedThroughItsMessageMethod) {
    TForm form;
    form.SetClientSize(300, 200);
    form.Show();
    Pump();
    TWinSkinForm* skinner = Skin(form.Handle());
    ASSERT_NE(skinner, nullptr);
    EXPECT_EQ(skinner->Owner(), &form) << "owned by the form";
    EXPECT_EQ(form.ClientWidth(), 300);
    EXPECT_EQ(form.ClientHeight(), 200);
    EXPECT_EQ(WindowSize(form.Handle()).cx, 314);
    EXPECT_EQ(WindowSize(form.Handle()).cy, 234);
    EXPECT_EQ(form.Color(), skin_->ButtonFace);
    ASSERT_NE(skinner->SystemMenu(), nullptr);
    EXPECT_EQ(skinner->SystemMenu()->Tag, 33333);
    std::vector<long long> tags;
    for (int i = 0; i < skinner->SystemMenu()->Items()->Count(); ++i)
        tags.push_back(skinner->SystemMenu()->Items()->Items(i)->Tag);
    EXPECT_EQ(tags, (std::vector<long long>{0, 1, 2, 100, 3}));
}

TEST_F(SkinFrame, ACorruptOrTruncatedSkinFileLeavesThePlatformLook) {
    TBareWindow window(L"YqFrameBadSkin", kFrameStyle, 400, 300);
    const SIZE before = WindowSize(window.Get());
    ASSERT_NE(Skin(window.Get()), nullptr);
    SkinManage->LoopState = 1;

    TByteStream good;
    skin_->WriteSkinStream(good);
    const auto& bytes = good.Bytes();
    const std::filesystem::path dir = std::filesystem::temp_directory_path();
    const std::vector<std::vector<std::uint8_t>> bad = {
        std::vector<std::uint8_t>(bytes.begin() + 4, bytes.begin() + 14), // truncated
        [&] {
            std::vector<std::uint8_t> b(bytes.begin() + 4, bytes.end());
            for (std::size_t i = 16; i < b.size(); i += 7)
                b[i] ^= 0x5A;
            return b;
        }(),
    };
    for (std::size_t i = 0; i < bad.size(); ++i) {
        SCOPED_TRACE(i);
        const std::filesystem::path file = dir / ("yq-bad-skin-" + std::to_string(i) + ".skn");
        std::ofstream(file, std::ios::binary)
            .write(reinterpret_cast<const char*>(bad[i].data()), std::streamsize(bad[i].size()));
        try {
            skin_->SetSkinFile(file.wstring());
        } catch (const std::exception& e) {
            EXPECT_STRNE(e.what(), "") << "a clear error";
        }
        EXPECT_TRUE(skin_->SkinEmpty());
        EXPECT_EQ(SkinManage->FindSkinForm(window.Get()), nullptr);
        EXPECT_EQ(WindowSize(window.Get()).cx, before.cx);
        EXPECT_EQ(WindowSize(window.Get()).cy, before.cy);
        EXPECT_FALSE(SkinManage->SkinWindow(window.Get())) << "an empty skin skins nothing";
        std::filesystem::remove(file);
    }
}

// A 16×16 icon of one colour whose edge pixels are half transparent.
HICON SoftEdgedIcon(TColor colour) {
    BITMAPV5HEADER h{};
    h.bV5Size = sizeof(h);
    h.bV5Width = 16;
    h.bV5Height = -16;
    h.bV5Planes = 1;
    h.bV5BitCount = 32;
    h.bV5Compression = BI_BITFIELDS;
    h.bV5RedMask = 0x00FF0000;
    h.bV5GreenMask = 0x0000FF00;
    h.bV5BlueMask = 0x000000FF;
    h.bV5AlphaMask = 0xFF000000;
    void* bits = nullptr;
    HDC screen = GetDC(nullptr);
    HBITMAP colourBits =
        CreateDIBSection(screen, reinterpret_cast<BITMAPINFO*>(&h), DIB_RGB_COLORS, &bits, nullptr, 0);
    ReleaseDC(nullptr, screen);
    auto* px = static_cast<std::uint32_t*>(bits);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) {
            const bool edge = x == 0 || y == 0 || x == 15 || y == 15;
            const std::uint32_t a = edge ? 0x80 : 0xFF;
            auto channel = [&](int shift) { return ((colour >> shift) & 0xFF) * a / 255; };
            px[y * 16 + x] = (a << 24) | (channel(0) << 16) | (channel(8) << 8) | channel(16);
        }
    HBITMAP mask = CreateBitmap(16, 16, 1, 1, nullptr);
    ICONINFO info{TRUE, 0, 0, mask, colourBits};
    HICON icon = CreateIconIndirect(&info);
    DeleteObject(mask);
    DeleteObject(colourBits);
    return icon;
}

TEST_F(SkinFrame, TheWindowIconKeepsItsColoursOnTheKeyColour) {
    TBareWindow window(L"YqFrameIcon", WS_OVERLAPPEDWINDOW, 400, 300);
    HICON icon = SoftEdgedIcon(0x0000C000);
    SendMessageW(window.Get(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
    TWinSkinForm* form = Skin(window.Get());
    ASSERT_NE(form, nullptr);
    const TBitmap& picture = form->IconPicture;
    int green = 0;
    for (int y = 0; y < picture.Height(); ++y)
        for (int x = 0; x < picture.Width(); ++x) {
            const TColor c = picture.Pixel(x, y);
            if (c == 0xFF00FF) continue;
            EXPECT_LT(int(c & 0xFF), 0x40) << "no magenta blended in at " << x << "," << y;
            green += ((c >> 8) & 0xFF) > 0xA0;
        }
    EXPECT_GT(green, 14 * 14 - 1);
    DestroyIcon(icon);
}

} // namespace
} // namespace yq
