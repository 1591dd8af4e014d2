#include "VelaLook.h"

namespace yq {

namespace {

constexpr TColor kHighlight = clBtnHighlight;
constexpr TColor kShadow = clBtnShadow;

// Indexed by TStyle.
constexpr TVelaStyleInfo kStyles[] = {
    /* stFlat         */ {0, 1, true, false, false, true, kHighlight, kShadow},
    /* stDefault      */ {1, 1, true, false, true, true, kHighlight, clBlack},
    /* stNone         */ {0, 0, false, false, false, false, kHighlight, kShadow},
    /* stRaised       */ {2, 2, true, false, false, true, kHighlight, kShadow},
    /* stFlatDot      */ {0, 1, true, true, false, true, kHighlight, kShadow},
    /* stRaisedDot    */ {2, 2, true, true, false, true, kHighlight, kShadow},
    /* stFrameLowered */ {1, 1, true, false, true, true, kShadow, kHighlight},
    /* stFrameRaised  */ {1, 1, true, false, true, true, kHighlight, kShadow},
};

} // namespace

const TVelaStyleInfo& VelaStyleInfo(TStyle style) {
    return kStyles[static_cast<int>(style)];
}

TVelaLook VelaLookFor(TVelaLookRow row, const TVelaLookState& s) {
    TColor hotCaption = s.HotTrack ? s.HotTrackColor : s.FontColor;
    TVelaLook look{s.ActiveWidth, s.TopLeft, s.BottomRight, TVelaGlyphChoice::gcHotOrNormal,
                   false,         hotCaption};
    switch (row) {
    case TVelaLookRow::lrRepaint:
        look.FrameWidth = s.IdleWidth;
        look.Glyph = TVelaGlyphChoice::gcNormal;
        look.CaptionColor = s.CaptionHot && s.HotTrack ? s.HotTrackColor : s.FontColor;
        break;
    case TVelaLookRow::lrPressed:
        look.TopLeft = s.BottomRight;
        look.BottomRight = s.TopLeft;
        look.Sunken = true;
        break;
    case TVelaLookRow::lrLeave:
        look.FrameWidth = s.IdleWidth;
        look.Glyph = TVelaGlyphChoice::gcNormal;
        look.CaptionColor = s.FontColor;
        break;
    case TVelaLookRow::lrEnter:
    case TVelaLookRow::lrReleased:
        break;
    }
    return look;
}

TVelaImage VelaChooseImage(TVelaGlyphChoice choice, bool hasGlyph, bool hasHotGlyph, bool enabled) {
    if (choice == TVelaGlyphChoice::gcNormal || !hasHotGlyph)
        return hasGlyph ? TVelaImage::viNormal : TVelaImage::viNone;
    if (!hasGlyph) return TVelaImage::viNone;
    return enabled ? TVelaImage::viHot : TVelaImage::viNormal;
}

} // namespace yq
