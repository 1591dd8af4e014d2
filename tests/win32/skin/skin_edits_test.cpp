// Edits, combo boxes, up-down buttons and tabs skinned: the frames,
// buttons and tabs the skin draws, what the controls still do under the
// skin (typing, choosing from the list, stepping, turning pages), and
// what unskinning gives back.
#include "ComboBox.h"
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

class SkinEdits : public ::testing::Test {
protected:
    void SetUp() override {
        skin_.reset(LoadSkinData(nullptr, sfMainform, false));
        form_ = std::make_unique<TForm>();
        form_->SetBounds(0, 0, 520, 360);
        form_->Show();
        Pump();
        registry_.Handle = form_->Handle();
        registry_.Form = form_.get();
        registry_.SkinData = skin_.get();
    }
    void TearDown() override {
        registry_.ReleaseSkinControls();
        form_.reset();
        skin_.reset();
        Pump();
    }
    template <class T> T* Place(int left, int top, int width, int height, TWinControl* parent = nullptr) {
        auto* c = new T(form_.get());
        c->SetBounds(left, top, width, height);
        c->SetParent(parent ? parent : form_.get());
        c->Handle();
        return c;
    }
    template <class TSkinner> TSkinner* Skin(TWinControl* control) {
        auto* s = new TSkinner(control);
        s->AttachControl(&registry_, skin_.get(), false, &registry_.SharedCanvas);
        return s;
    }
    std::unique_ptr<TSkinData> skin_;
    std::unique_ptr<TForm> form_;
    TWinSkinForm registry_;
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

} // namespace
} // namespace yq
