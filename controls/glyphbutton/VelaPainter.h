#pragma once
// Draws one look of a glyph button: face, 3-D frame, edge, glyph, popup
// arrow, focus rectangle and caption, in that order.  Keeps no state: the
// caller passes everything, including two scratch bitmaps for cutting an
// image out of its strip and for the disabled look, and keeps the
// rectangles it gets back.
#include "Bitmap.h"
#include "VelaLayout.h"
#include "VelaLook.h"

#include <string>

namespace yq {

// One image of a strip of equal images side by side.
struct TVelaImageRef {
    const TBitmap* Strip = nullptr; // nullptr: no image
    int Index = 0;                  // from 0
    int Count = 1;                  // images in the strip
    bool Disabled = false;          // embossed in the button highlight and shadow colours
};

struct TVelaPaintJob {
    RECT Client{};
    TVelaLook Look{};
    TColor Face = clBtnFace;
    bool Is3D = false;
    bool FrameRaised = false; // one more pixel between frame and face
    bool Dotted = false;
    TVelaImageRef Glyph;
    TVelaImageRef Arrow;
    int ArrowGap = 5;
    std::wstring Caption;
    const TFont* Font = nullptr;
    bool Enabled = true;
    bool FocusRect = false;
    TLayout Layout = TLayout::blGlyphLeft;
    int Spacing = 4;
    int SpacingLayout = 3;
    bool PopupMenuMark = false;
    int Offset = 0;
    TBitmap* Work = nullptr;
    TBitmap* Mono = nullptr;
};

struct TVelaPainted {
    RECT Glyph{};
    RECT Caption{};
};

TVelaPainted PaintVelaButton(TCanvas& canvas, const TVelaPaintJob& job);

// Size of one image of a strip; zero when there is none.
SIZE VelaImageSize(const TVelaImageRef& image);

} // namespace yq
