#pragma once
// TSapiVoice: the platform's SAPI voice (SpVoice through ISpVoice), created
// in the calling thread's COM apartment.
#include "VoiceBackend.h"

#include <memory>

struct ISpVoice;

namespace yq {

class TSapiVoice : public TVoiceBackend {
public:
    // Creates the voice; throws ESpeechError when COM or SAPI refuses.
    static std::unique_ptr<TVoiceBackend> Connect();
    ~TSapiVoice() override;

    HRESULT SetVolume(long volume) override;
    HRESULT SetRate(long rate) override;
    HRESULT Speak(const std::wstring& text, unsigned long flags) override;

private:
    TSapiVoice(ISpVoice* voice, bool uninitialize) : voice_(voice), uninitialize_(uninitialize) {}
    ISpVoice* voice_;
    bool uninitialize_;
};

} // namespace yq
