#include "WindowLook.h"

#include "VelaButton.h"

namespace yq::look {

void SetGlyphButtonLook(TVelaButton& button, TColor face, const wchar_t* glyph) {
    button.SetColor(face);
    button.SetColorMarginStyle(TColorMarginDefault::cmCustom);
    button.SetColorMarginLeftTop(face);
    button.SetColorMarginRightBottom(face);
    TBitmap picture;
    picture.LoadFromResourceName(GetModuleHandleW(nullptr), glyph);
    button.SetGlyph(picture);
    button.SetNumGlyphs(1);
}

} // namespace yq::look
