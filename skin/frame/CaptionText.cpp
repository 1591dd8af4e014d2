#include "CaptionText.h"

#include <algorithm>

namespace yq {

namespace {
constexpr int kButtonGap = 5;        // text ends this far before the right-aligned buttons
constexpr int kDialogIconShift = 16; // dialogs show no icon button
} // namespace

RECT CaptionTextRect(const TCaptionTextLayout& l) {
    const int width = l.Text.cx + l.BackLeft + l.BackRight;
    const int captionWidth = l.Caption.right - l.Caption.left;
    const int free = captionWidth - width;
    int offset = 0;
    if (l.RightToLeft || l.TextAlignment == 2)
        offset = free - l.TextRightClip;
    else if (l.TextAlignment == 0)
        offset = l.TextShift;
    else if (l.TextAlignment == 1)
        offset = free / 2;
    const int top = l.Caption.top + (l.Caption.bottom - l.Caption.top - l.Text.cy) / 2 + l.TextShiftVert / 2;
    RECT r{l.Caption.left + offset, top, l.Caption.left + offset + width, top + l.Text.cy};
    if (l.PopupStyle) {
        if (l.RightButtonsLeft > kButtonGap)
            r.right = std::min<LONG>(r.right, l.RightButtonsLeft - kButtonGap);
    } else {
        r.right = std::min<LONG>(r.right, l.Caption.right - l.TextRightClip);
    }
    if (l.DialogFrame && l.TextAlignment == 0 && !l.RightToLeft) OffsetRect(&r, -kDialogIconShift, 0);
    return r;
}

} // namespace yq
