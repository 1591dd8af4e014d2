#include "EspeakVoice.h"

#include "ExeFolder.h"

#include "Text.h"
#include "WineHost.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cwctype>

namespace yq {
namespace {

constexpr const char* kMandarin = "cmn-latn-pinyin"; // "cmn" reads Chinese as pinyin with tone digits
constexpr const char* kSearchFolders[] = {"/usr/bin/", "/usr/local/bin/", "/bin/"};
constexpr int kNormalSpeed = 175; // espeak-ng's default words per minute

std::wstring Environment(const wchar_t* name) {
    DWORD n = GetEnvironmentVariableW(name, nullptr, 0);
    if (n == 0) return {};
    std::wstring value(n, L'\0');
    value.resize(GetEnvironmentVariableW(name, value.data(), n));
    return value;
}

// A host path as given, or the host path of a Windows path.
std::string HostPath(const std::wstring& path) {
    bool windowsPath = path.find(L'\\') != std::wstring::npos || (path.size() > 1 && path[1] == L':');
    if (!windowsPath) return Narrow(path);
    return winehost::UnixPath(path).value_or(std::string());
}

std::string VoiceForLanguage(unsigned langId) {
    switch (PRIMARYLANGID(langId)) {
    case LANG_ENGLISH:
        return "en";
    default:
        return kMandarin;
    }
}

bool WriteWholeFile(const std::wstring& path, const std::string& content) {
    HANDLE file =
        CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    bool ok = WriteFile(file, content.data(), DWORD(content.size()), &written, nullptr) &&
              written == content.size();
    return CloseHandle(file) && ok;
}

std::uint64_t Now() {
    FILETIME t;
    GetSystemTimeAsFileTime(&t);
    return (std::uint64_t(t.dwHighDateTime) << 32) | t.dwLowDateTime;
}

} // namespace

TEspeakConfig TEspeakConfig::Default() {
    TEspeakConfig config;
    for (const char* folder : kSearchFolders) {
        std::string candidate = std::string(folder) + "espeak-ng";
        if (winehost::HostFileExists(candidate)) {
            config.espeak = candidate;
            break;
        }
    }
    config.script = winehost::UnixPath(ExeFolder() + L"yqspeak.sh").value_or(std::string());
    wchar_t temp[MAX_PATH + 1];
    DWORD n = GetTempPathW(MAX_PATH + 1, temp);
    if (n > 0 && n <= MAX_PATH) config.queue = std::wstring(temp, n) + L"yunqiao-speech";
    std::wstring wavDir = Environment(L"YQ_SPEECH_WAV_DIR");
    if (!wavDir.empty()) config.wavDir = HostPath(wavDir);
    return config;
}

TTaggedText SplitLanguageTag(const std::wstring& text) {
    static const std::wstring open = L"<LANG LANGID=\"";
    TTaggedText result{kMandarin, text};
    if (text.size() < open.size()) return result;
    bool tagged = std::equal(open.begin(), open.end(), text.begin(),
                             [](wchar_t a, wchar_t b) { return std::towupper(a) == std::towupper(b); });
    size_t close = text.find(L"\">", open.size());
    if (!tagged || close == std::wstring::npos) return result;
    std::wstring id = text.substr(open.size(), close - open.size());
    if (id.empty() || id.size() > 4 || id.find_first_not_of(L"0123456789abcdefABCDEF") != std::wstring::npos)
        return result;
    result.voice = VoiceForLanguage(unsigned(std::wcstoul(id.c_str(), nullptr, 16)));
    result.text = text.substr(close + 2);
    return result;
}

int EspeakSpeed(long rate) {
    long clamped = std::clamp(rate, -10L, 10L);
    return int(std::lround(kNormalSpeed * std::pow(3.0, double(clamped) / 10.0)));
}

std::unique_ptr<TVoiceBackend> TEspeakVoice::Connect(const TEspeakConfig& config) {
    std::optional<std::wstring> shell = winehost::DosPath("/bin/sh");
    if (!shell || !winehost::HostFileExists("/bin/sh")) return nullptr;
    if (config.espeak.empty() || !winehost::HostFileExists(config.espeak)) return nullptr;
    if (config.script.empty() || !winehost::HostFileExists(config.script)) return nullptr;
    if (config.queue.empty()) return nullptr;
    if (!CreateDirectoryW(config.queue.c_str(), nullptr) && GetLastError() != ERROR_ALREADY_EXISTS)
        return nullptr;
    std::optional<std::string> queue = winehost::UnixPath(config.queue);
    if (!queue) return nullptr;
    return std::unique_ptr<TVoiceBackend>(new TEspeakVoice(config, "/bin/sh", *queue));
}

TEspeakVoice::TEspeakVoice(TEspeakConfig config, std::string shell, std::string queue)
    : config_(std::move(config)), shell_(std::move(shell)), queueHost_(std::move(queue)) {}

HRESULT TEspeakVoice::SetVolume(long volume) {
    if (volume < 0 || volume > 100) return E_INVALIDARG;
    volume_ = volume;
    return S_OK;
}

HRESULT TEspeakVoice::SetRate(long rate) {
    if (rate < -10 || rate > 10) return E_INVALIDARG;
    rate_ = rate;
    return S_OK;
}

HRESULT TEspeakVoice::Speak(const std::wstring& text, unsigned long) {
    TTaggedText tagged = SplitLanguageTag(text);
    // Header lines for the script: speed, amplitude (espeak-ng's 100 is
    // its normal loudness, our maximum), voice; then the text.
    char header[64];
    std::snprintf(header, sizeof header, "%d\n%ld\n", EspeakSpeed(rate_), volume_);
    return Enqueue(header + tagged.voice + "\n" + Narrow(tagged.text) + "\n");
}

// Writes the utterance under a temporary name and renames it into the
// queue, so the script never sees a half-written file; the key is a
// timestamp kept strictly rising, which orders the calls.
HRESULT TEspeakVoice::Enqueue(const std::string& content) {
    std::uint64_t key = std::max(Now(), lastKey_ + 1);
    std::wstring temporary = config_.queue + L"\\" + std::to_wstring(GetCurrentProcessId()) + L".part";
    if (!WriteWholeFile(temporary, content)) return HRESULT_FROM_WIN32(GetLastError());
    std::wstring queued;
    for (;;) {
        wchar_t name[40];
        std::swprintf(name, 40, L"\\%020llu.utt", static_cast<unsigned long long>(key));
        queued = config_.queue + name;
        if (MoveFileExW(temporary.c_str(), queued.c_str(), 0)) break;
        DWORD error = GetLastError();
        if (error != ERROR_ALREADY_EXISTS && error != ERROR_FILE_EXISTS) {
            DeleteFileW(temporary.c_str());
            return HRESULT_FROM_WIN32(error);
        }
        ++key; // another voice queued in the same instant
    }
    lastKey_ = key;
    std::vector<std::string> arguments{config_.script, queueHost_, config_.espeak};
    if (!config_.wavDir.empty()) arguments.push_back(config_.wavDir);
    HRESULT started = winehost::Start(shell_, arguments);
    if (FAILED(started)) DeleteFileW(queued.c_str());
    return started;
}

} // namespace yq
