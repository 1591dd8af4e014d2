#pragma once
// Word-wrapped item captions, measured and drawn by the same line breaking:
// lines break at spaces and between CJK characters, a word too long for a
// line is broken between characters, and line breaks in the text start new
// lines.  No prefix characters are interpreted.
#include <string>

#include <windows.h>

namespace yq {

struct TWrappedSize {
    int lines = 1; // at least one, also for an empty text
    int width = 0; // of the widest line
};

// Measures `text` wrapped to `width` pixels with the font selected in dc.
TWrappedSize MeasureWrappedText(HDC dc, const std::wstring& text, int width);

// Draws `text` wrapped to r's width, one line every lineHeight pixels from
// r's top, as many lines as r's height holds (at least one).  When text is
// left over, the last line shows the rest cut with an end ellipsis.  Lines
// are left-aligned or centred; the background is left as it is.
void DrawWrappedText(HDC dc, const std::wstring& text, const RECT& r, int lineHeight, bool centred);

} // namespace yq
