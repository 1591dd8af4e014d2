#pragma once
// The preset kinds of the glyph button and the program resources the
// button uses: the kinds' glyphs, the popup arrow, the hand cursor and the
// entry sound.  A missing resource gives an empty picture, no cursor or
// silence; nothing is reported.
#include "Bitmap.h"
#include "VelaTypes.h"

namespace yq {

enum class TVelaKindAction { kaNone, kaModalResult, kaHelp, kaClose };

struct TVelaKindInfo {
    const wchar_t* NormalGlyph; // bitmap resource names
    const wchar_t* HotGlyph;
    const wchar_t* Caption;
    TVelaKindAction Action;
    int ModalResult;
};

// skCustom has no glyphs, caption or action.
const TVelaKindInfo& VelaKindInfo(TKind kind);

inline constexpr wchar_t kVelaArrowResource[] = L"Strela";
inline constexpr wchar_t kVelaHandCursorResource[] = L"HANDvelab";
inline constexpr wchar_t kVelaEntrySoundResource[] = L"PREKO";
// The sound's resource type.
inline constexpr wchar_t kVelaSoundType[] = L"WAVE";

// Replaces `bitmap` by the program's bitmap resource `name` (empty when
// there is none or it cannot be read).
void LoadVelaBitmap(TBitmap& bitmap, const wchar_t* name);
// The program's hand cursor; nullptr when missing.
HCURSOR LoadVelaHandCursor();
// Plays the entry sound to its end; returns at once when it is missing.
void PlayVelaEntrySound();

} // namespace yq
