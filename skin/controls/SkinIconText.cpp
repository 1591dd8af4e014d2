#include "SkinIconText.h"

#include "SkinText.h"

#include <algorithm>

namespace yq {

void DrawIconText(HDC dc, const RECT& r, TIconTextAlign alignment, const std::wstring& text, int imageIndex,
                  HIMAGELIST images, bool enabled, COLORREF disabledColour) {
    const int rw = r.right - r.left, rh = r.bottom - r.top;
    int iw = 0, ih = 0;
    if (imageIndex != -1 && images) ImageList_GetIconSize(images, &iw, &ih);
    const bool image = imageIndex != -1 && images && iw < rw;
    if (!image) iw = 0;

    const UINT format = DT_SINGLELINE | DT_EXPANDTABS | DT_END_ELLIPSIS;
    RECT t = r;
    if (image) t.right += iw + 2;
    int tw = 0, th = 0;
    if (!text.empty()) {
        DrawTextWide(dc, text, t, format | DT_CALCRECT | DT_NOCLIP);
        tw = t.right - t.left;
        th = t.bottom - t.top;
    }
    int dx = 2;
    if (alignment == TIconTextAlign::itCenter) dx = (rw - iw - tw) / 2;
    if (alignment == TIconTextAlign::itRight) dx = rw - iw - tw - 2;
    dx = std::max(dx, 2);

    // The image's width centres it vertically too.
    if (image) ImageList_Draw(images, imageIndex, dc, r.left + dx, r.top + (rh - iw) / 2, ILD_TRANSPARENT);
    if (text.empty()) return;
    RECT shown{r.left + dx + iw + 1, r.top + (rh - th) / 2, 0, 0};
    shown.right = std::min<LONG>(shown.left + tw, r.right);
    shown.bottom = shown.top + th;
    shown.left = std::max(shown.left, r.left);
    const int oldMode = SetBkMode(dc, TRANSPARENT);
    const COLORREF oldColour = enabled ? 0 : SetTextColor(dc, disabledColour);
    DrawTextWide(dc, text, shown, format);
    if (!enabled) SetTextColor(dc, oldColour);
    SetBkMode(dc, oldMode);
}

} // namespace yq
