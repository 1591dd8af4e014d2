#pragma once
// Shared by the glyph button tests: a borderless form to put buttons on,
// mouse messages in client coordinates, and a picture of a control.
#include "Application.h"
#include "Bitmap.h"
#include "Form.h"
#include "VelaButton.h"

#include <gtest/gtest.h>

#include <memory>

namespace yq::test {

class GlyphButtonTest : public ::testing::Test {
protected:
    void SetUp() override {
        form = new TForm(nullptr);
        form->BorderStyle = TFormBorderStyle::bsNone;
        form->SetBounds(0, 0, 320, 200);
        form->SetColor(clWhite);
    }
    void TearDown() override { delete form; }

    TVelaButton* AddButton(int left, int top, int width, int height) {
        auto* b = new TVelaButton(form);
        b->SetParent(form);
        b->SetBounds(left, top, width, height);
        return b;
    }

    static LRESULT Send(TWinControl* c, UINT msg, int x, int y, WPARAM keys = 0) {
        return SendMessageW(c->Handle(), msg, keys, MAKELPARAM(x, y));
    }

    // The control as it paints itself now.
    static std::unique_ptr<TBitmap> Picture(TControl* c) {
        auto bmp = std::make_unique<TBitmap>(c->Width(), c->Height());
        c->PaintTo(bmp->Canvas().Handle(), 0, 0);
        return bmp;
    }

    TForm* form = nullptr;
};

inline TColor Rgb(TColor c) {
    return ColorToRGB(c);
}

} // namespace yq::test
