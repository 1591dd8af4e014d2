#pragma once
// TVoiceBackend: one speech synthesiser behind the voice object.  The calls
// mirror the synthesiser's own (volume 0..100, rate -10..10, text with
// optional markup and speak flags) and answer with its HRESULT, so that the
// voice object can tell "not implemented" from a real failure.
#include <stdexcept>
#include <string>

#include <windows.h>

namespace yq {

class TVoiceBackend {
public:
    virtual ~TVoiceBackend() = default;
    virtual HRESULT SetVolume(long volume) = 0;
    virtual HRESULT SetRate(long rate) = 0;
    virtual HRESULT Speak(const std::wstring& text, unsigned long flags) = 0;
};

// A speech failure, carrying the platform's text for the HRESULT.
class ESpeechError : public std::runtime_error {
public:
    explicit ESpeechError(HRESULT code);
    HRESULT Code() const { return code_; }

private:
    HRESULT code_;
};

// The system's message text for an HRESULT (UTF-8, no trailing line break).
std::string PlatformErrorText(HRESULT code);

} // namespace yq
