#include "EspeakVoice.h"
#include "Music.h"
#include "SpVoice.h"
#include "Text.h"
#include "WineHost.h"

#include <gtest/gtest.h>

#include <thread>

using namespace yq;

namespace {

// Records the calls it receives; answers every call with `result`.
struct TRecordingVoice : TVoiceBackend {
    std::vector<std::wstring>* log;
    HRESULT result;
    TRecordingVoice(std::vector<std::wstring>* l, HRESULT r) : log(l), result(r) {}
    HRESULT SetVolume(long v) override { return Record(L"volume " + std::to_wstring(v)); }
    HRESULT SetRate(long r) override { return Record(L"rate " + std::to_wstring(r)); }
    HRESULT Speak(const std::wstring& t, unsigned long f) override {
        return Record(L"speak " + std::to_wstring(f) + L" " + t);
    }
    HRESULT Record(std::wstring call) {
        log->push_back(std::move(call));
        return result;
    }
};

TVoiceConnect Recording(std::vector<std::wstring>* log, HRESULT result, int* connects = nullptr) {
    return [=] {
        if (connects) ++*connects;
        return std::make_unique<TRecordingVoice>(log, result);
    };
}

const std::wstring kTag = L"<LANG LANGID=\"804\">";

TEST(SpVoice, ReadAloudSetsVolumeAndRateThenQueuesRiddleAndTarget) {
    std::vector<std::wstring> calls;
    int connects = 0;
    TSpVoice voice;
    voice.ConnectPrimary = Recording(&calls, S_OK, &connects);
    ReadAloud(voice, L"一口咬掉牛尾巴", L"打一字");
    ReadAloud(voice, L"一口咬掉牛尾巴", L"打一字");
    std::vector<std::wstring> once = {L"volume 100", L"rate -3", L"speak 1 " + kTag + L"一口咬掉牛尾巴",
                                      L"speak 1 " + kTag + L"打一字"};
    std::vector<std::wstring> twice = once;
    twice.insert(twice.end(), once.begin(), once.end());
    EXPECT_EQ(calls, twice);
    EXPECT_EQ(connects, 1); // connected on first use and kept
}

TEST(SpVoice, NotImplementedHandsOverToTheFallbackWithTheSettingsMadeSoFar) {
    std::vector<std::wstring> primary, fallback;
    TSpVoice voice;
    voice.ConnectPrimary = [&] {
        // Volume and rate work, speaking does not.
        struct Partial : TRecordingVoice {
            using TRecordingVoice::TRecordingVoice;
            HRESULT Speak(const std::wstring&, unsigned long) override { return E_NOTIMPL; }
        };
        return std::make_unique<Partial>(&primary, S_OK);
    };
    voice.ConnectFallback = Recording(&fallback, S_OK);
    ReadAloud(voice, L"谜", L"目");
    EXPECT_EQ(primary, (std::vector<std::wstring>{L"volume 100", L"rate -3"}));
    EXPECT_EQ(fallback, (std::vector<std::wstring>{L"volume 100", L"rate -3", L"speak 1 " + kTag + L"谜",
                                                   L"speak 1 " + kTag + L"目"}));
    EXPECT_TRUE(voice.UsingFallback());
}

TEST(SpVoice, WithoutAnySynthesiserEveryCommandRaisesThePlatformError) {
    struct Case {
        const char* what;
        TVoiceConnect primary;
        HRESULT expected;
    };
    std::vector<std::wstring> ignored;
    Case cases[] = {
        {"SAPI answers not implemented", Recording(&ignored, E_NOTIMPL), E_NOTIMPL},
        {"SAPI cannot be created",
         []() -> std::unique_ptr<TVoiceBackend> { throw ESpeechError(REGDB_E_CLASSNOTREG); },
         REGDB_E_CLASSNOTREG},
    };
    for (Case& c : cases) {
        SCOPED_TRACE(c.what);
        TSpVoice voice;
        voice.ConnectPrimary = c.primary;
        voice.ConnectFallback = [] { return std::unique_ptr<TVoiceBackend>(); };
        for (int press = 0; press < 2; ++press) {
            try {
                ReadAloud(voice, L"谜", L"目");
                ADD_FAILURE() << "no error raised";
            } catch (const ESpeechError& e) {
                EXPECT_EQ(e.Code(), c.expected);
                EXPECT_EQ(std::string(e.what()), PlatformErrorText(c.expected));
                EXPECT_FALSE(std::string(e.what()).empty());
            }
        }
    }
}

TEST(EspeakVoice, LanguageTagChoosesTheVoiceAndIsNotSpoken) {
    struct Case {
        std::wstring text;
        std::string voice;
        std::wstring spoken;
    } cases[] = {
        {kTag + L"一口咬掉牛尾巴", "cmn-latn-pinyin", L"一口咬掉牛尾巴"},
        {L"<lang langid=\"804\">谜", "cmn-latn-pinyin", L"谜"},
        {L"<LANG LANGID=\"409\">riddle", "en", L"riddle"},
        {L"无标记", "cmn-latn-pinyin", L"无标记"},
        {L"<LANG LANGID=\"804\"谜", "cmn-latn-pinyin", L"<LANG LANGID=\"804\"谜"},
        {L"<LANG LANGID=\"zz\">谜", "cmn-latn-pinyin", L"<LANG LANGID=\"zz\">谜"},
        {kTag, "cmn-latn-pinyin", L""},
    };
    for (const Case& c : cases) {
        TTaggedText split = SplitLanguageTag(c.text);
        EXPECT_EQ(split.voice, c.voice) << Narrow(c.text);
        EXPECT_EQ(split.text, c.spoken) << Narrow(c.text);
    }
    EXPECT_EQ(EspeakSpeed(0), 175);
    EXPECT_EQ(EspeakSpeed(-3), 126);
    EXPECT_EQ(EspeakSpeed(10), 525);
    EXPECT_EQ(EspeakSpeed(-99), EspeakSpeed(-10));
}

TEST(WineHost, ArgumentsSurviveCommandLineSplitting) {
    struct Case {
        std::wstring argument, quoted;
    } cases[] = {
        {L"/tmp/plain", L"/tmp/plain"},
        {L"", L"\"\""},
        {L"/tmp/with space/测试", L"\"/tmp/with space/测试\""},
        {L"say \"hi\"", L"\"say \\\"hi\\\"\""},
        {L"C:\\dir with space\\", L"\"C:\\dir with space\\\\\""},
        {L"a\\\\\"b c", L"\"a\\\\\\\\\\\"b c\""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(winehost::QuoteArgument(c.argument), c.quoted) << Narrow(c.argument);
}

std::string ReadWholeFile(const std::wstring& path) {
    std::string content;
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return content;
    char buffer[4096];
    DWORD n = 0;
    while (ReadFile(file, buffer, sizeof buffer, &n, nullptr) && n > 0)
        content.append(buffer, n);
    CloseHandle(file);
    return content;
}

// A temporary Windows folder whose name has a space and Chinese characters.
struct TTempFolder {
    std::wstring path;
    TTempFolder() {
        wchar_t temp[MAX_PATH + 1];
        GetTempPathW(MAX_PATH + 1, temp);
        path = std::wstring(temp) + L"yq speech 测试 " + std::to_wstring(GetCurrentProcessId());
        CreateDirectoryW(path.c_str(), nullptr);
    }
    ~TTempFolder() {
        WIN32_FIND_DATAW found;
        HANDLE find = FindFirstFileW((path + L"\\*").c_str(), &found);
        if (find != INVALID_HANDLE_VALUE) {
            do {
                DeleteFileW((path + L"\\" + found.cFileName).c_str());
            } while (FindNextFileW(find, &found));
            FindClose(find);
        }
        RemoveDirectoryW(path.c_str());
    }
};

// The real path under Wine: SAPI answers "not implemented", espeak-ng
// speaks, and two quick presses come out riddle, target, riddle, target.
TEST(EspeakVoice, TwoQuickReadAloudsSpeakInOrder) {
    if (!winehost::UnderWine()) GTEST_SKIP() << "espeak-ng is used under Wine only";
    TEspeakConfig probe = TEspeakConfig::Default();
    if (probe.espeak.empty()) GTEST_SKIP() << "espeak-ng is not installed on the host";
    ASSERT_FALSE(probe.script.empty()) << "yqspeak.sh must lie beside the test";

    TTempFolder wav;
    ASSERT_TRUE(SetEnvironmentVariableW(L"YQ_SPEECH_WAV_DIR", wav.path.c_str()));
    TSpVoice voice;
    ReadAloud(voice, L"一口咬掉牛尾巴", L"打一字");
    ReadAloud(voice, L"一口咬掉牛尾巴", L"打一字");
    SetEnvironmentVariableW(L"YQ_SPEECH_WAV_DIR", nullptr);

    std::string expected = "一口咬掉牛尾巴\n打一字\n一口咬掉牛尾巴\n打一字\n";
    std::string log;
    for (int i = 0; i < 600 && log.size() < expected.size(); ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        log = ReadWholeFile(wav.path + L"\\speech.log");
    }
    EXPECT_EQ(log, expected);
    std::string wavs[4];
    for (int i = 0; i < 4; ++i) {
        wavs[i] = ReadWholeFile(wav.path + L"\\00000" + std::to_wstring(i + 1) + L".wav");
        EXPECT_EQ(wavs[i].substr(0, 4), "RIFF") << i + 1;
        EXPECT_GT(wavs[i].size(), 8000u) << i + 1;
    }
    // Compared as booleans: a failure must not print the sound data.
    EXPECT_TRUE(wavs[0] == wavs[2]);
    EXPECT_TRUE(wavs[1] == wavs[3]);
    EXPECT_TRUE(wavs[0] != wavs[1]);
    EXPECT_GT(wavs[0].size(), wavs[1].size()); // seven syllables against three
    EXPECT_TRUE(voice.UsingFallback());
}

TEST(EspeakVoice, IsUnavailableWithoutEspeakOrScript) {
    TEspeakConfig good = TEspeakConfig::Default();
    TEspeakConfig noEspeak = good, noScript = good;
    noEspeak.espeak = "/nonexistent/espeak-ng";
    noScript.script = "/nonexistent/yqspeak.sh";
    EXPECT_EQ(TEspeakVoice::Connect(noEspeak), nullptr);
    EXPECT_EQ(TEspeakVoice::Connect(noScript), nullptr);
}

TEST(MusicPlayer, SendsTheTwoMediaStringsAndIgnoresTheirFailure) {
    std::vector<std::string> sent;
    TMusicPlayer recorded;
    recorded.Send = [&](const char* command) { sent.push_back(command); };
    recorded.Play();
    recorded.Close();
    EXPECT_EQ(sent, (std::vector<std::string>{"play music.mid", "Close music.mid"}));

    TMusicPlayer real; // no music.mid here and no MIDI device: silently nothing
    real.Play();
    real.Close();
}

} // namespace
