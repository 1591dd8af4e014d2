#include "SpVoice.h"

#include "EspeakVoice.h"
#include "SapiVoice.h"

namespace yq {

const wchar_t kChineseTag[] = L"<LANG LANGID=\"804\">";

TSpVoice::TSpVoice(TComponent* owner)
    : TComponent(owner), ConnectPrimary(TSapiVoice::Connect),
      ConnectFallback([] { return TEspeakVoice::Connect(TEspeakConfig::Default()); }) {}

TSpVoice::~TSpVoice() = default;

void TSpVoice::SetVolume(long volume) {
    Run([volume](TVoiceBackend& b) { return b.SetVolume(volume); });
    volume_ = volume;
}

void TSpVoice::SetRate(long rate) {
    Run([rate](TVoiceBackend& b) { return b.SetRate(rate); });
    rate_ = rate;
}

void TSpVoice::Speak(const std::wstring& text, unsigned long flags) {
    Run([&](TVoiceBackend& b) { return b.Speak(text, flags); });
}

void TSpVoice::Run(const TCall& call) {
    if (!backend_) Connect();
    HRESULT hr = call(*backend_);
    if (hr == E_NOTIMPL && SwitchToFallback()) hr = call(*backend_);
    if (FAILED(hr)) throw ESpeechError(hr);
}

void TSpVoice::Connect() {
    std::exception_ptr primaryError;
    try {
        if (ConnectPrimary) backend_ = ConnectPrimary();
    } catch (const ESpeechError&) {
        primaryError = std::current_exception();
    }
    if (backend_) return;
    if (SwitchToFallback()) return;
    if (primaryError) std::rethrow_exception(primaryError);
    throw ESpeechError(REGDB_E_CLASSNOTREG);
}

// Replaces the current backend by the fallback and gives it the settings
// made so far; false when there is no fallback (or it is already in use).
bool TSpVoice::SwitchToFallback() {
    if (onFallback_ || !ConnectFallback) return false;
    std::unique_ptr<TVoiceBackend> fallback = ConnectFallback();
    if (!fallback) return false;
    if (volume_) fallback->SetVolume(*volume_);
    if (rate_) fallback->SetRate(*rate_);
    backend_ = std::move(fallback);
    onFallback_ = true;
    return true;
}

void ReadAloud(TSpVoice& voice, const std::wstring& riddle, const std::wstring& target) {
    voice.SetVolume(100);
    voice.SetRate(-3);
    voice.Speak(kChineseTag + riddle, kSpeakAsync);
    voice.Speak(kChineseTag + target, kSpeakAsync);
}

} // namespace yq
