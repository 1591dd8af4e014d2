#include "SkinDraw.h"

#include <algorithm>

namespace yq {

namespace {

struct TFrameArea {
    int x0 = 0, y0 = 0, fw = 0, fh = 0;
};

// Frame k (1-based) of n; a count below 1 counts as 1 and k is kept within
// the picture.
TFrameArea SelectFrame(const TBitmap& picture, bool vertical, int n, int k) {
    n = std::max(n, 1);
    k = std::clamp(k, 1, n);
    TFrameArea f;
    if (vertical) {
        f.fw = picture.Width();
        f.fh = picture.Height() / n;
        f.y0 = (k - 1) * f.fh;
    } else {
        f.fw = picture.Width() / n;
        f.fh = picture.Height();
        f.x0 = (k - 1) * f.fw;
    }
    return f;
}

bool Inverted(const RECT& r) {
    return r.right < r.left || r.bottom < r.top;
}

HDC DcOf(const TBitmap& picture) {
    return picture.Canvas().Handle();
}

// Copies (sx, sy, sw, sh) of src to (dx, dy, dw, dh) of dst, nearest-pixel.
void Copy(HDC dst, int dx, int dy, int dw, int dh, HDC src, int sx, int sy, int sw, int sh) {
    if (dw <= 0 || dh <= 0 || sw <= 0 || sh <= 0) return;
    if (dw == sw && dh == sh) {
        BitBlt(dst, dx, dy, dw, dh, src, sx, sy, SRCCOPY);
    } else {
        StretchBlt(dst, dx, dy, dw, dh, src, sx, sy, sw, sh, SRCCOPY);
    }
}

// Keeps a device context's stretch mode at nearest-pixel for a while.
class TNearestPixel {
public:
    explicit TNearestPixel(HDC dc) : dc_(dc), old_(SetStretchBltMode(dc, COLORONCOLOR)) {}
    ~TNearestPixel() {
        if (old_) SetStretchBltMode(dc_, old_);
    }
    TNearestPixel(const TNearestPixel&) = delete;
    TNearestPixel& operator=(const TNearestPixel&) = delete;

private:
    HDC dc_;
    int old_;
};

// Draws the source rectangle repeatedly from (left, top) while x < right
// and y < bottom; the last tiles run past and are not clipped here.
void Tile(HDC dst, int left, int top, int right, int bottom, HDC src, int sx, int sy, int tw, int th) {
    if (tw <= 0 || th <= 0) return;
    TBitmap tile(tw, th);
    HDC tileDc = DcOf(tile);
    BitBlt(tileDc, 0, 0, tw, th, src, sx, sy, SRCCOPY);
    for (int x = left; x < right; x += tw) {
        for (int y = top; y < bottom; y += th)
            BitBlt(dst, x, y, tw, th, tileDc, 0, 0, SRCCOPY);
    }
}

// The nine pieces, in the order that lets the edges cover a tiled centre's
// overrun.  Without `centre` the centre is left out.
void DrawPieces(HDC dst, int ox, int oy, int w, int h, const TBitmap& picture, const TSkinMargins& margins,
                bool vertical, bool tile, bool centre, int n, int k) {
    const TFrameArea f = SelectFrame(picture, vertical, n, k);
    int l = margins.Left, t = margins.Top, r = margins.Right, b = margins.Bottom;
    if (w < l + r) l = r = 0;
    if (h < t + b) t = b = 0;
    HDC src = DcOf(picture);
    const int x0 = f.x0, y0 = f.y0, fw = f.fw, fh = f.fh;
    TNearestPixel nearest(dst);

    if (l * t > 0) Copy(dst, ox, oy, l, t, src, x0, y0, l, t);
    if (l * b > 0) Copy(dst, ox, oy + h - b, l, b, src, x0, y0 + fh - b, l, b);
    if (r * t > 0) Copy(dst, ox + w - r, oy, r, t, src, x0 + fw - r, y0, r, t);
    if (l > 0) Copy(dst, ox, oy + t, l, h - t - b, src, x0, y0 + t, l, fh - t - b);
    if (t > 0) Copy(dst, ox + l, oy, w - l - r, t, src, x0 + l, y0, fw - l - r, t);
    if (centre) {
        if (tile) {
            Tile(dst, ox + l, oy + t, ox + w - r, oy + h - b, src, x0 + l, y0 + t, fw - l - r, fh - t - b);
        } else {
            Copy(dst, ox + l, oy + t, w - l - r, h - t - b, src, x0 + l, y0 + t, fw - l - r, fh - t - b);
        }
    }
    if (r * b > 0) Copy(dst, ox + w - r, oy + h - b, r, b, src, x0 + fw - r, y0 + fh - b, r, b);
    if (r > 0) Copy(dst, ox + w - r, oy + t, r, h - t - b, src, x0 + fw - r, y0 + t, r, fh - t - b);
    if (b > 0) Copy(dst, ox + l, oy + h - b, w - l - r, b, src, x0 + l, y0 + fh - b, fw - l - r, b);
}

void DrawPicture(HDC dc, const RECT& r, const TBitmap& built, bool transparent) {
    if (transparent) {
        DrawTransparent(dc, r, built, kSkinKeyColour);
    } else {
        BitBlt(dc, r.left, r.top, built.Width(), built.Height(), DcOf(built), 0, 0, SRCCOPY);
    }
}

} // namespace

std::unique_ptr<TBitmap> BuildSkinImage(const RECT& target, const TBitmap& picture,
                                        const TSkinMargins& margins, bool vertical, bool tile, int n, int k) {
    const int w = std::max(0, int(target.right - target.left)),
              h = std::max(0, int(target.bottom - target.top));
    auto built = std::make_unique<TBitmap>(w, h);
    if (w > 0 && h > 0 && !picture.Empty()) {
        DrawPieces(DcOf(*built), 0, 0, w, h, picture, margins, vertical, tile, true, n, k);
    }
    return built;
}

void DrawSkinImage(HDC dc, const RECT& r, const TBitmap& picture, bool vertical, bool tile, bool transparent,
                   int n, int k, const TSkinMargins& margins) {
    if (Inverted(r)) return;
    const auto built = BuildSkinImage(r, picture, margins, vertical, tile, n, k);
    if (!built->Empty()) DrawPicture(dc, r, *built, transparent);
}

void DrawSkinImageDirect(HDC dc, const RECT& r, const TBitmap& picture, bool vertical, int n, int k,
                         const TSkinMargins& margins) {
    if (Inverted(r) || picture.Empty()) return;
    DrawPieces(dc, r.left, r.top, r.right - r.left, r.bottom - r.top, picture, margins, vertical, false,
               false, n, k);
}

void DrawSkinBar(HDC dc, const RECT& r, const TBitmap& picture, bool vertical, bool transparent, int n, int k,
                 const TSkinMargins& margins) {
    if (Inverted(r) || picture.Empty()) return;
    const int w = r.right - r.left, h = r.bottom - r.top;
    if (w <= 0 || h <= 0) return;
    const TFrameArea f = SelectFrame(picture, vertical, n, k);
    const int left = margins.Left, right = margins.Right;
    TBitmap bar(w, h);
    HDC dst = DcOf(bar), src = DcOf(picture);
    TNearestPixel nearest(dst);
    Copy(dst, 0, 0, left, h, src, f.x0, f.y0, left, f.fh);
    const int m = f.fw - left - right;
    if (m > 0) {
        for (int x = left; x < w - right; x += m)
            Copy(dst, x, 0, m, h, src, f.x0 + left, f.y0, m, f.fh);
    }
    Copy(dst, w - right, 0, right, h, src, f.x0 + f.fw - right, f.y0, right, f.fh);
    DrawPicture(dc, r, bar, transparent);
}

void DrawSkinFrame(HDC dc, const RECT& r, const TBitmap& picture, bool transparent, int n, int k) {
    if (Inverted(r) || picture.Empty()) return;
    const int w = r.right - r.left, h = r.bottom - r.top;
    if (w <= 0 || h <= 0) return;
    const TFrameArea f = SelectFrame(picture, false, n, k);
    TBitmap frame(w, h);
    HDC dst = DcOf(frame);
    TNearestPixel nearest(dst);
    Copy(dst, 0, 0, w, h, DcOf(picture), f.x0, f.y0, f.fw, f.fh);
    DrawPicture(dc, r, frame, transparent);
}

void DrawSkinGlyph(HDC dc, const RECT& r, const TBitmap& picture, bool transparent, int n, int k) {
    if (Inverted(r) || picture.Empty()) return;
    const TFrameArea f = SelectFrame(picture, false, n, k);
    if (f.fw <= 0 || f.fh <= 0) return;
    const int x = r.left + (r.right - r.left - f.fw) / 2;
    const int y = r.top + (r.bottom - r.top - f.fh) / 2;
    if (transparent) {
        TransparentBlt(dc, x, y, f.fw, f.fh, DcOf(picture), f.x0, f.y0, f.fw, f.fh,
                       ColorToRGB(kSkinKeyColour));
    } else {
        BitBlt(dc, x, y, f.fw, f.fh, DcOf(picture), f.x0, f.y0, SRCCOPY);
    }
}

void DrawTransparent(HDC dc, const RECT& r, const TBitmap& picture, TColor key) {
    if (Inverted(r) || picture.Empty()) return;
    const int w = std::min<int>(r.right - r.left, picture.Width());
    const int h = std::min<int>(r.bottom - r.top, picture.Height());
    if (w <= 0 || h <= 0) return;
    TransparentBlt(dc, r.left, r.top, w, h, DcOf(picture), 0, 0, w, h, ColorToRGB(key));
}

} // namespace yq
