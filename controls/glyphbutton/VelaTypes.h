#pragma once
// The glyph button's enumerations and value ranges.  Enumeration values are
// in the order the published properties count them (index = stored value).

namespace yq {

enum class TKind {
    skCustom,
    skOK,
    skCancel,
    skHelp,
    skYes,
    skNo,
    skClose,
    skAbort,
    skRetry,
    skIgnore,
    skAll,
    skSilly
};

enum class TLayout { blGlyphLeft, blGlyphBottom, blGlyphRight, blGlyphTop };

enum class TStyle {
    stFlat,
    stDefault,
    stNone,
    stRaised,
    stFlatDot,
    stRaisedDot,
    stFrameLowered,
    stFrameRaised
};

enum class TColorMarginDefault { cmDefault, cmCustom };

enum class TPositionPopup { puDown, puLeft, puRight };

// TMarkGap, TSpacing, TMargin, TNumGlyphs / TNumGlyphsHot.
struct TVelaRange {
    int Min, Max;
    constexpr bool Contains(int v) const { return v >= Min && v <= Max; }
};
inline constexpr TVelaRange kMarkGapRange{1, 5};
inline constexpr TVelaRange kSpacingRange{1, 5};
inline constexpr TVelaRange kMarginRange{-5, 5};
inline constexpr TVelaRange kNumGlyphsRange{1, 4};

} // namespace yq
