#include "VoiceBackend.h"

#include "Text.h"

#include <cstdio>

namespace yq {

std::string PlatformErrorText(HRESULT code) {
    wchar_t* buffer = nullptr;
    DWORD n = FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                                 FORMAT_MESSAGE_IGNORE_INSERTS,
                             nullptr, DWORD(code), 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
    std::wstring text(buffer ? buffer : L"", n);
    LocalFree(buffer);
    while (!text.empty() && (text.back() == L'\n' || text.back() == L'\r' || text.back() == L' '))
        text.pop_back();
    if (!text.empty()) return Narrow(text);
    char fallback[32];
    std::snprintf(fallback, sizeof fallback, "Error 0x%08lX", static_cast<unsigned long>(code));
    return fallback;
}

ESpeechError::ESpeechError(HRESULT code) : std::runtime_error(PlatformErrorText(code)), code_(code) {}

} // namespace yq
