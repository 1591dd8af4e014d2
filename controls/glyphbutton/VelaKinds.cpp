#include "VelaKinds.h"

#include "Form.h"

#include <mmsystem.h>

namespace yq {

namespace {

using enum TVelaKindAction;

// Indexed by TKind.
const TVelaKindInfo kKinds[] = {
    /* skCustom */ {nullptr, nullptr, nullptr, kaNone, mrNone},
    /* skOK     */ {L"dagvelab", L"davelab", L"OK", kaModalResult, mrOk},
    /* skCancel */ {L"iksicgvelab", L"iksicvelab", L"Cancel", kaModalResult, mrCancel},
    /* skHelp   */ {L"pomocgvelab", L"pomocvelab", L"&Help", kaHelp, mrNone},
    /* skYes    */ {L"dagvelab", L"davelab", L"&Yes", kaModalResult, mrYes},
    /* skNo     */ {L"negvelab", L"nevelab", L"&No", kaModalResult, mrNo},
    /* skClose  */ {L"exitgvelab", L"exitvelab", L"&Close", kaClose, mrNone},
    /* skAbort  */ {L"iksicgvelab", L"iksicvelab", L"Abort", kaModalResult, mrAbort},
    /* skRetry  */ {L"Retrigvelab", L"Retrivelab", L"&Retry", kaModalResult, mrRetry},
    /* skIgnore */ {L"ignogvelab", L"ignovelab", L"&Ignore", kaModalResult, mrIgnore},
    /* skAll    */ {L"svegvelab", L"svevelab", L"&All", kaModalResult, mrAll},
    /* skSilly  */ {L"glupigvelab", L"glupivelab", L"&Silly", kaNone, mrNone},
};

} // namespace

const TVelaKindInfo& VelaKindInfo(TKind kind) {
    return kKinds[static_cast<int>(kind)];
}

void LoadVelaBitmap(TBitmap& bitmap, const wchar_t* name) {
    TBitmap loaded; // stays empty when the resource is missing or unreadable
    try {
        loaded.LoadFromResourceName(GetModuleHandleW(nullptr), name);
    } catch (const EInvalidGraphic&) {
    }
    bitmap.Assign(loaded);
}

HCURSOR LoadVelaHandCursor() {
    return LoadCursorW(GetModuleHandleW(nullptr), kVelaHandCursorResource);
}

void PlayVelaEntrySound() {
    HMODULE module = GetModuleHandleW(nullptr);
    HRSRC res = FindResourceW(module, kVelaEntrySoundResource, kVelaSoundType);
    if (!res) return;
    HGLOBAL data = LoadResource(module, res);
    const void* wave = data ? LockResource(data) : nullptr;
    if (!wave) return;
    sndPlaySoundW(static_cast<LPCWSTR>(wave), SND_MEMORY | SND_SYNC | SND_NODEFAULT);
}

} // namespace yq
