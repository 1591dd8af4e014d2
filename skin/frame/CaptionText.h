#pragma once
// Where the caption text goes: the caption strip's text rectangle from the
// measured text and the skin's Title settings.
#include <windows.h>

namespace yq {

struct TCaptionTextLayout {
    RECT Caption{}; // (BorderLeft, 0, W - BorderRight, BorderTop)
    SIZE Text{};    // the measured single-line text
    int TextShift = 0, TextShiftVert = 0, TextRightClip = 0, TextAlignment = 0;
    int BackLeft = 0, BackRight = 0; // TXTBackleft, TXTBackRight
    bool RightToLeft = false;
    bool PopupStyle = false;  // the window's original style has WS_POPUP
    int RightButtonsLeft = 0; // the largest left edge of the right-aligned buttons
    bool DialogFrame = false; // FrameKind 3
};

// The text rectangle including its TXTBack margins (CaptionTextRect).
RECT CaptionTextRect(const TCaptionTextLayout& layout);

} // namespace yq
