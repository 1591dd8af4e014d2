#pragma once
// TSpVoice: the quiz window's voice object.  It connects to a synthesiser on
// first use and keeps it: SAPI first; where SAPI cannot be created or
// answers "not implemented" (as under Wine), the host's espeak-ng.  Volume
// and rate are remembered, so a backend taken over midway speaks with the
// same settings.  A failure with no synthesiser left raises ESpeechError with
// the platform's text; the next call tries to connect again.
#include "Component.h"
#include "VoiceBackend.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace yq {

// Makes a backend, or returns null when that synthesiser is not available;
// may throw ESpeechError with the reason.
using TVoiceConnect = std::function<std::unique_ptr<TVoiceBackend>()>;

class TSpVoice : public TComponent {
public:
    explicit TSpVoice(TComponent* owner = nullptr);
    ~TSpVoice() override;
    const char* ClassName() const override { return "TSpVoice"; }

    // Replaceable before first use (tests).
    TVoiceConnect ConnectPrimary;
    TVoiceConnect ConnectFallback;

    void SetVolume(long volume);
    void SetRate(long rate);
    void Speak(const std::wstring& text, unsigned long flags);

    bool Connected() const { return backend_ != nullptr; }
    bool UsingFallback() const { return onFallback_; }

private:
    using TCall = std::function<HRESULT(TVoiceBackend&)>;
    void Run(const TCall& call);
    void Connect();
    bool SwitchToFallback();

    std::unique_ptr<TVoiceBackend> backend_;
    bool onFallback_ = false;
    std::optional<long> volume_;
    std::optional<long> rate_;
};

// Asynchronous speaking: return at once, queue behind what is being spoken.
constexpr unsigned long kSpeakAsync = 1;
// Markup that selects Chinese (PRC), language 0x804.
extern const wchar_t kChineseTag[];

// The read-aloud command's calls: volume 100, rate -3, then the riddle and
// the target, each tagged Chinese and spoken asynchronously in this order.
void ReadAloud(TSpVoice& voice, const std::wstring& riddle, const std::wstring& target);

} // namespace yq
