#include "GalleryArt.h"

#include "GdiObjects.h"

#include <vector>

namespace yq::gallery {

namespace {

// Draws with a pen of `line` and a brush of `fill` on a size-1000 grid.
class TPainter {
public:
    TPainter(HDC dc, int size) : dc_(dc), size_(size) {}
    int S(int v) const { return v * size_ / 1000; }
    void Use(COLORREF line, COLORREF fill) {
        // The new tools go in before the old ones are deleted.
        TPenHandle pen(CreatePen(PS_SOLID, size_ >= 24 ? 2 : 1, line));
        TBrushHandle brush(CreateSolidBrush(fill));
        HGDIOBJ oldPen = SelectObject(dc_, pen.Get()), oldBrush = SelectObject(dc_, brush.Get());
        if (!oldPen_) {
            oldPen_ = oldPen;
            oldBrush_ = oldBrush;
        }
        pen_ = std::move(pen);
        brush_ = std::move(brush);
    }
    void Rect(int l, int t, int r, int b) { Rectangle(dc_, S(l), S(t), S(r), S(b)); }
    void Round(int l, int t, int r, int b) { Ellipse(dc_, S(l), S(t), S(r), S(b)); }
    void Poly(std::initializer_list<POINT> points) {
        std::vector<POINT> p;
        for (POINT q : points)
            p.push_back({S(q.x), S(q.y)});
        Polygon(dc_, p.data(), int(p.size()));
    }
    ~TPainter() {
        if (!oldPen_) return;
        SelectObject(dc_, oldPen_);
        SelectObject(dc_, oldBrush_);
    }
    TPainter(const TPainter&) = delete;
    TPainter& operator=(const TPainter&) = delete;

private:
    HDC dc_;
    int size_;
    HGDIOBJ oldPen_ = nullptr, oldBrush_ = nullptr;
    TPenHandle pen_;
    TBrushHandle brush_;
};

void Draw(TPainter& p, TGlyph glyph) {
    switch (glyph) {
    case TGlyph::gOpen:
        p.Use(RGB(150, 100, 0), RGB(250, 200, 60));
        p.Poly({{80, 220}, {400, 220}, {480, 320}, {920, 320}, {920, 820}, {80, 820}});
        break;
    case TGlyph::gSkin:
        p.Use(RGB(90, 60, 30), RGB(240, 220, 180));
        p.Round(80, 120, 920, 880);
        p.Use(RGB(200, 0, 0), RGB(230, 40, 40));
        p.Round(240, 260, 420, 440);
        p.Use(RGB(0, 120, 0), RGB(40, 180, 40));
        p.Round(560, 240, 740, 420);
        p.Use(RGB(0, 0, 160), RGB(60, 90, 230));
        p.Round(600, 520, 780, 700);
        break;
    case TGlyph::gPrev:
        p.Use(RGB(0, 80, 160), RGB(70, 150, 230));
        p.Poly({{720, 120}, {720, 880}, {200, 500}});
        break;
    case TGlyph::gNext:
        p.Use(RGB(0, 80, 160), RGB(70, 150, 230));
        p.Poly({{280, 120}, {280, 880}, {800, 500}});
        break;
    case TGlyph::gDialog:
        p.Use(RGB(60, 60, 60), RGB(255, 255, 255));
        p.Rect(80, 160, 920, 840);
        p.Use(RGB(0, 60, 140), RGB(30, 90, 190));
        p.Rect(80, 160, 920, 330);
        break;
    case TGlyph::gLantern:
        p.Use(RGB(120, 60, 0), RGB(200, 150, 40));
        p.Rect(400, 40, 600, 180);
        p.Use(RGB(140, 0, 0), RGB(220, 30, 30));
        p.Round(140, 160, 860, 820);
        p.Use(RGB(120, 60, 0), RGB(240, 200, 60));
        p.Rect(440, 800, 560, 960);
        break;
    case TGlyph::gStar:
        p.Use(RGB(170, 110, 0), RGB(255, 210, 40));
        p.Poly({{500, 60},
                {620, 380},
                {950, 390},
                {690, 590},
                {790, 930},
                {500, 730},
                {210, 930},
                {310, 590},
                {50, 390},
                {380, 380}});
        break;
    case TGlyph::gNote:
        p.Use(RGB(90, 90, 40), RGB(255, 250, 170));
        p.Rect(160, 80, 840, 920);
        p.Use(RGB(120, 120, 120), RGB(120, 120, 120));
        for (int y : {300, 460, 620})
            p.Rect(280, y, 720, y + 40);
        break;
    case TGlyph::gReload:
        p.Use(RGB(0, 110, 60), RGB(60, 190, 110));
        p.Poly({{500, 120}, {860, 440}, {640, 440}, {640, 880}, {360, 880}, {360, 440}, {140, 440}});
        break;
    case TGlyph::gCount:
        break;
    }
}

} // namespace

void MakeGlyph(TGlyph glyph, int size, TBitmap& out) {
    out.SetSize(size, size);
    RECT all{0, 0, size, size};
    out.Canvas().Brush().SetColor(kGlyphKey);
    out.Canvas().FillRect(all);
    {
        TPainter p(out.Canvas().Handle(), size);
        Draw(p, glyph);
    }
    out.SetPixel(0, size - 1, kGlyphKey);
}

void FillImageList(TCustomImageList& list, int size) {
    list.SetSize(size, size);
    int count = int(TGlyph::gCount);
    TBitmap strip(size * count, size), one;
    for (int i = 0; i < count; ++i) {
        MakeGlyph(TGlyph(i), size, one);
        RECT dest{i * size, 0, i * size + size, size}, src{0, 0, size, size};
        strip.Canvas().CopyRect(dest, one.Canvas(), src);
    }
    list.AddMasked(strip, kGlyphKey);
}

} // namespace yq::gallery
