#include "SapiVoice.h"

#include <sapi.h>

namespace yq {

std::unique_ptr<TVoiceBackend> TSapiVoice::Connect() {
    HRESULT init = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    // RPC_E_CHANGED_MODE: the thread already has an apartment; use it as is.
    if (FAILED(init) && init != RPC_E_CHANGED_MODE) throw ESpeechError(init);
    bool uninitialize = SUCCEEDED(init);
    ISpVoice* voice = nullptr;
    HRESULT hr =
        CoCreateInstance(CLSID_SpVoice, nullptr, CLSCTX_ALL, IID_ISpVoice, reinterpret_cast<void**>(&voice));
    if (FAILED(hr)) {
        if (uninitialize) CoUninitialize();
        throw ESpeechError(hr);
    }
    return std::unique_ptr<TVoiceBackend>(new TSapiVoice(voice, uninitialize));
}

TSapiVoice::~TSapiVoice() {
    voice_->Release();
    if (uninitialize_) CoUninitialize();
}

HRESULT TSapiVoice::SetVolume(long volume) {
    return voice_->SetVolume(USHORT(volume));
}

HRESULT TSapiVoice::SetRate(long rate) {
    return voice_->SetRate(rate);
}

HRESULT TSapiVoice::Speak(const std::wstring& text, unsigned long flags) {
    return voice_->Speak(text.c_str(), DWORD(flags), nullptr);
}

} // namespace yq
