#pragma once
// An image from an image list followed by one line of text, both centred
// vertically in a rectangle and placed by an alignment: what a header item
// or a tab shows.
#include <string>

#include <windows.h>

#include <commctrl.h>

namespace yq {

enum class TIconTextAlign { itLeft = 0, itCenter = 1, itRight = 2 };

// The image is used when index is not -1, the list exists and the image is
// narrower than r; empty text draws no text.  The text is ended with an
// ellipsis where it does not fit, in the DC's font and text colour, or in
// `disabledColour` (the platform's button shadow unless given) when not
// enabled.
void DrawIconText(HDC dc, const RECT& r, TIconTextAlign alignment, const std::wstring& text, int imageIndex,
                  HIMAGELIST images, bool enabled, COLORREF disabledColour = GetSysColor(COLOR_BTNSHADOW));

} // namespace yq
