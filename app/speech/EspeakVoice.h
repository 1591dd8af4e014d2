#pragma once
// TEspeakVoice: speech through the host's espeak-ng, for a program under
// Wine where SAPI does not speak.  The program cannot wait for a host
// process, so the order of utterances is kept on the host side: each Speak
// writes one file into a queue folder, named so that the names sort in the
// order of the calls, and starts the queue script (yqspeak.sh), which takes
// a lock and speaks the queued files one after another, oldest first.
// Speaking is therefore always asynchronous and queued.
#include "VoiceBackend.h"

#include <cstdint>
#include <memory>

namespace yq {

struct TEspeakConfig {
    std::string espeak; // host path of espeak-ng
    std::string script; // host path of yqspeak.sh
    std::wstring queue; // queue folder (Windows path)
    std::string wavDir; // test mode: numbered WAV files and a text log there instead of sound

    // espeak-ng from the host's usual folders, yqspeak.sh beside the
    // executable, the queue under the temporary folder, the WAV folder from
    // YQ_SPEECH_WAV_DIR.  Empty fields where nothing is found.
    static TEspeakConfig Default();
};

// The espeak-ng voice for a leading <LANG LANGID="..."> tag (Mandarin
// unless the tag names another language espeak-ng has) and the text
// without the tag.
struct TTaggedText {
    std::string voice;
    std::wstring text;
};
TTaggedText SplitLanguageTag(const std::wstring& text);

// espeak-ng's words per minute for a SAPI rate (-10..10; 10 steps triple
// or third the speed).
int EspeakSpeed(long rate);

class TEspeakVoice : public TVoiceBackend {
public:
    // Null unless running under Wine with espeak-ng, /bin/sh and the script
    // present and the queue folder usable.
    static std::unique_ptr<TVoiceBackend> Connect(const TEspeakConfig& config);

    HRESULT SetVolume(long volume) override;
    HRESULT SetRate(long rate) override;
    HRESULT Speak(const std::wstring& text, unsigned long flags) override;

private:
    TEspeakVoice(TEspeakConfig config, std::string shell, std::string queue);
    HRESULT Enqueue(const std::string& content);

    TEspeakConfig config_;
    std::string shell_;
    std::string queueHost_;
    long volume_ = 100;
    long rate_ = 0;
    std::uint64_t lastKey_ = 0;
};

} // namespace yq
