// A skin change at run time: SkinFile switched to our second skin
// (ink-gold.skn, caption 30, borders 5, rounder corners) and back, on a
// framework form and on a bare window.
#include "Form.h"
#include "Grid.h"
#include "skin_fixture.h"

#include <filesystem>
#include <fstream>

namespace yq {
namespace {

using testing::ClientSize;
using testing::LoadSkinData;
using testing::Pump;
using testing::TBareWindow;
using testing::WindowSize;

struct TBorders {
    int top, left, right, bottom;
};
constexpr TBorders kStored{27, 7, 7, 7}, kInkGold{30, 5, 5, 5};

std::filesystem::path BesideTest(const wchar_t* name) {
    wchar_t exe[MAX_PATH]{};
    GetModuleFileNameW(nullptr, exe, MAX_PATH);
    return std::filesystem::path(exe).parent_path() / name;
}

// What the window shows of its frame: the painted frame and its shape.
struct TFrameLook {
    SIZE window{}, client{};
    RECT calc{}; // WM_NCCALCSIZE's client for a 400 x 300 window at (0, 0)
    std::vector<TColor> pixels;
    int cornerCut = 0; // pixels of the top-left and bottom-left 14 x 14 corners outside the shape
    HRGN region = nullptr;
};

class SkinChange : public ::testing::Test {
protected:
    void SetUp() override {
        skin_.reset(LoadSkinData());
        SkinManage->LoopState = 1;
        // The stored skin as a skin file, to go back to.
        TByteStream stream;
        skin_->WriteSkinStream(stream);
        stored_ = std::filesystem::temp_directory_path() / "yq-stored-skin.skn";
        std::ofstream(stored_, std::ios::binary)
            .write(reinterpret_cast<const char*>(stream.Bytes().data()) + 4,
                   std::streamsize(stream.Bytes().size() - 4));
        inkGold_ = BesideTest(L"ink-gold.skn");
        ASSERT_TRUE(std::filesystem::is_regular_file(inkGold_)) << "built with the test";
    }
    void TearDown() override {
        skin_.reset();
        Pump();
        std::filesystem::remove(stored_);
    }

    TWinSkinForm* Skin(HWND window) {
        SkinManage->SkinWindow(window);
        Pump();
        return SkinManage->FindSkinForm(window);
    }
    void Change(const std::filesystem::path& file) {
        skin_->SetSkinFile(file.wstring());
        Pump(400);
    }
    static void ExpectBorders(TWinSkinForm* form, TBorders b) {
        ASSERT_NE(form, nullptr);
        EXPECT_EQ(form->State, TSkinFormState::Skinned);
        EXPECT_EQ(form->BorderTop, b.top);
        EXPECT_EQ(form->BorderLeft, b.left);
        EXPECT_EQ(form->BorderRight, b.right);
        EXPECT_EQ(form->BorderBottom, b.bottom);
    }
    static TFrameLook Look(HWND window) {
        TFrameLook look;
        TWinSkinForm* form = SkinManage->FindSkinForm(window);
        look.window = WindowSize(window);
        look.client = ClientSize(window);
        NCCALCSIZE_PARAMS params{};
        params.rgrc[0] = {0, 0, 400, 300};
        SendMessageW(window, WM_NCCALCSIZE, TRUE, LPARAM(&params));
        look.calc = params.rgrc[0];
        if (!form) return look;
        form->IsActive = true;
        TBitmap frame(look.window.cx, look.window.cy);
        form->PaintFrameTo(frame.Canvas().Handle(), look.window.cx, look.window.cy);
        for (int y = 0; y < look.window.cy; ++y)
            for (int x = 0; x < look.window.cx; ++x)
                look.pixels.push_back(frame.Pixel(x, y));
        look.region = form->Region();
        for (int y = 0; y < 14; ++y)
            for (int x = 0; x < 14; ++x)
                look.cornerCut +=
                    !PtInRegion(look.region, x, y) + !PtInRegion(look.region, x, look.window.cy - 1 - y);
        return look;
    }
    // The title bar's colour at its top middle, above the caption text.
    static TColor TitleColour(const TFrameLook& look) {
        return look.pixels[std::size_t(look.window.cx / 2 + 2 * look.window.cx)];
    }

    // Switches to the second skin and back, checking the frame each time.
    void SwitchAndBack(HWND window) {
        ExpectBorders(Skin(window), kStored);
        const TFrameLook before = Look(window);
        HRGN firstShape = CreateRectRgn(0, 0, 0, 0);
        CombineRgn(firstShape, before.region, nullptr, RGN_COPY);

        Change(inkGold_);
        ExpectBorders(SkinManage->FindSkinForm(window), kInkGold);
        const TFrameLook ink = Look(window);
        EXPECT_EQ(ink.client.cx, before.client.cx) << "the client area keeps its size";
        EXPECT_EQ(ink.client.cy, before.client.cy);
        EXPECT_EQ(ink.window.cx, before.client.cx + 10);
        EXPECT_EQ(ink.window.cy, before.client.cy + 35);
        EXPECT_EQ(ink.calc.left, 5);
        EXPECT_EQ(ink.calc.top, 30);
        EXPECT_EQ(ink.calc.right, 395);
        EXPECT_EQ(ink.calc.bottom, 295);
        EXPECT_GT(ink.cornerCut, before.cornerCut) << "rounder corners cut more";
        EXPECT_FALSE(PtInRegion(ink.region, 2, 2));
        EXPECT_TRUE(PtInRegion(ink.region, ink.window.cx / 2, 0)) << "the caption's top edge";
        EXPECT_TRUE(PtInRegion(ink.region, 0, ink.window.cy / 2)) << "the left border";
        const TColor stored = TitleColour(before), inkTitle = TitleColour(ink);
        EXPECT_GT(GetRValue(stored), 0xA0) << "lantern red";
        EXPECT_LT(GetRValue(inkTitle), 0x50) << "ink";
        EXPECT_LT(GetBValue(inkTitle) - GetRValue(inkTitle), 0x10);

        Change(stored_);
        ExpectBorders(SkinManage->FindSkinForm(window), kStored);
        const TFrameLook after = Look(window);
        EXPECT_EQ(after.window.cx, before.window.cx);
        EXPECT_EQ(after.window.cy, before.window.cy);
        EXPECT_EQ(after.client.cx, before.client.cx);
        EXPECT_EQ(after.client.cy, before.client.cy);
        EXPECT_TRUE(EqualRect(&after.calc, &before.calc));
        EXPECT_TRUE(EqualRgn(after.region, firstShape)) << "the first skin's shape";
        EXPECT_TRUE(after.pixels == before.pixels) << "the first skin's frame, pixel for pixel";
        DeleteObject(firstShape);
    }

    std::unique_ptr<TSkinData> skin_;
    std::filesystem::path stored_, inkGold_;
};

TEST_F(SkinChange, BareWindowTakesTheNewBordersShapeAndColoursAndGoesBack) {
    TBareWindow window(L"YqSkinChange", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 400, 300);
    SwitchAndBack(window.Get());
}

TEST_F(SkinChange, FrameworkFormTakesTheNewBordersShapeAndColoursAndGoesBack) {
    TForm form;
    form.SetClientSize(320, 200);
    auto* grid = new TCustomGrid(&form);
    grid->SetParent(&form);
    auto* owned = new TForm(&form);
    form.Show();
    Pump();
    grid->SetFixedColor(0x00123456);
    owned->SetColor(0x00123456);
    SwitchAndBack(form.Handle());
    EXPECT_EQ(form.ClientWidth(), 320);
    EXPECT_EQ(form.ClientHeight(), 200);
    EXPECT_EQ(form.Color(), skin_->ButtonFace);
    EXPECT_EQ(owned->Color(), skin_->ButtonFace) << "the form's own forms follow the skin";
    EXPECT_EQ(grid->FixedColor(), skin_->ButtonFace) << "so do its grids' fixed cells";
}

TEST_F(SkinChange, OnSkinChangedTellsEachSwitch) {
    int changes = 0;
    skin_->OnSkinChanged = [&](TComponent*) { ++changes; };
    TBareWindow window(L"YqSkinChangeEvent", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 300, 200);
    ASSERT_NE(Skin(window.Get()), nullptr);
    Change(inkGold_);
    EXPECT_EQ(changes, 1);
    Change(stored_);
    EXPECT_EQ(changes, 2);
}

} // namespace
} // namespace yq
