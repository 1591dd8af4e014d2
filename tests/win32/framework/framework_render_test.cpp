// A test form holding the framework's own controls, rendered into a memory
// bitmap through PaintTo and checked at the pixels that matter.
#include "Application.h"
#include "ExtCtrls.h"
#include "Paint.h"

#include <gtest/gtest.h>

using namespace yq;

namespace {

// A self-painting control in the style of the program's own controls:
// off-screen composition, a one-pixel frame, a centred caption.
class TFramedLabel : public TCustomControl {
public:
    explicit TFramedLabel(TComponent* owner) : TCustomControl(owner) { ControlStyle |= csOpaque; }
    TColor frame = clNavy;

protected:
    void Paint() override {
        RECT r = ClientRect();
        TOffscreen buffer(r.right, r.bottom);
        TCanvas& c = buffer.Canvas();
        c.Brush().SetColor(color_);
        c.FillRect(r);
        c.Brush().SetColor(frame);
        c.FrameRect(r);
        c.Font().Assign(font_);
        c.Brush().SetStyle(TBrushStyle::bsClear);
        c.DrawText(caption_, r, DT_SINGLELINE | DT_CENTER | DT_VCENTER);
        buffer.CopyTo(Canvas().Handle());
    }
};

// A windowless marker that paints only its middle, so what lies under the
// rest of it shows through.
class TMarker : public TGraphicControl {
public:
    using TGraphicControl::TGraphicControl;

protected:
    void Paint() override {
        Canvas().Brush().SetColor(color_);
        Canvas().FillRect({width_ / 4, height_ / 4, width_ * 3 / 4, height_ * 3 / 4});
    }
};

TEST(RenderedForm, ControlsDrawnIntoAMemoryBitmap) {
    TForm form;
    form.BorderStyle = TFormBorderStyle::bsNone;
    form.SetBounds(0, 0, 320, 240);
    form.SetColor(clWhite);

    auto* panel = new TPanel(&form); // raised bevel, button face
    panel->SetParent(&form);
    panel->SetBounds(10, 10, 300, 220);
    panel->SetBorderWidth(0);

    auto* header = new TImage(&form); // picture aligned to the top, stretched
    header->SetParent(panel);
    header->SetBounds(0, 0, 10, 40);
    header->SetAlign(TAlign::alTop);
    header->SetStretch(true);
    TBitmap* art = header->Picture().Bitmap();
    art->SetSize(4, 2);
    art->Canvas().Brush().SetColor(clTeal);
    art->Canvas().FillRect({0, 0, 4, 2});
    art->SetPixel(3, 1, clMaroon); // bottom-right corner

    auto* glyph = new TImage(&form); // transparent bitmap over the header
    glyph->SetParent(panel);
    glyph->SetBounds(200, 5, 8, 8);
    glyph->Picture().Bitmap()->SetSize(8, 8);
    glyph->Picture().Bitmap()->Canvas().Brush().SetColor(clFuchsia);
    glyph->Picture().Bitmap()->Canvas().FillRect({0, 0, 8, 8});
    glyph->Picture().Bitmap()->SetPixel(4, 4, clYellow);
    glyph->SetTransparent(true);

    auto* label = new TFramedLabel(&form);
    label->SetParent(panel);
    label->SetBounds(20, 60, 120, 30);
    label->SetColor(clCream);
    label->SetCaption(L"灯谜");
    label->Font().SetColor(clRed);
    label->Font().SetHeight(-20);

    auto* marker = new TMarker(&form);
    marker->SetParent(panel);
    marker->SetBounds(150, 60, 40, 40);
    marker->SetColor(clGreen);

    auto* hidden = new TMarker(&form);
    hidden->SetParent(panel);
    hidden->SetBounds(200, 150, 20, 20);
    hidden->SetColor(clRed);
    hidden->Hide();

    form.Show();
    TBitmap shot(320, 240);
    form.PaintTo(shot.Canvas().Handle(), 0, 0);

    const TColor face = ColorToRGB(clBtnFace);
    struct Case {
        const char* what;
        int x, y;
        TColor color;
    } cases[] = {
        {"form", 5, 5, clWhite},
        {"bevel top-left", 10, 10, ColorToRGB(clBtnHighlight)},
        {"bevel bottom-right", 309, 229, ColorToRGB(clBtnShadow)},
        {"header inside the bevel", 11, 11, clTeal},
        {"header stretched to the width", 300, 30, clTeal},
        {"header's corner pixel stretched", 305, 49, clMaroon},
        {"panel face under the header", 100, 60, face},
        {"transparent glyph shows the header", 211, 16, clTeal},
        {"glyph's own pixel", 214, 19, clYellow},
        {"label frame", 30, 70, clNavy},
        {"label face", 33, 73, clCream},
        {"marker middle", 180, 90, clGreen},
        {"marker edge shows the panel", 162, 72, face},
        {"hidden control not drawn", 221, 171, face},
    };
    for (const Case& c : cases)
        EXPECT_EQ(shot.Pixel(c.x, c.y), c.color) << c.what;
    // The caption is drawn in red somewhere inside the label.
    int red = 0;
    for (int y = 71; y < 100; ++y)
        for (int x = 31; x < 150; ++x)
            red += shot.Pixel(x, y) == clRed;
    EXPECT_GT(red, 20);
    wchar_t path[MAX_PATH];
    GetTempPathW(MAX_PATH, path);
    shot.SaveToFile(std::wstring(path) + L"yq_framework_render.bmp");
}

} // namespace
