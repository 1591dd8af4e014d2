#include "WineHost.h"

#include "Text.h"

#include <memory>

namespace yq::winehost {
namespace {

using UnixNameFunc = char*(CDECL*)(const wchar_t*);
using DosNameFunc = wchar_t*(CDECL*)(const char*);

// Wine's exports for path mapping; absent on Windows.
template <class F> F WineExport(const char* name) {
    HMODULE kernel = GetModuleHandleW(L"kernel32.dll");
    return kernel ? reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(kernel, name))) : nullptr;
}

// Wine allocates the mapped names on the process heap.
struct HeapFreer {
    void operator()(void* p) const { HeapFree(GetProcessHeap(), 0, p); }
};

struct HandleCloser {
    void operator()(HANDLE h) const { CloseHandle(h); }
};
using UniqueHandle = std::unique_ptr<void, HandleCloser>;

} // namespace

bool UnderWine() {
    return WineExport<DosNameFunc>("wine_get_dos_file_name") != nullptr;
}

std::optional<std::string> UnixPath(const std::wstring& windowsPath) {
    auto map = WineExport<UnixNameFunc>("wine_get_unix_file_name");
    if (!map) return std::nullopt;
    std::unique_ptr<char, HeapFreer> name(map(windowsPath.c_str()));
    if (!name) return std::nullopt;
    return std::string(name.get());
}

std::optional<std::wstring> DosPath(const std::string& unixPath) {
    auto map = WineExport<DosNameFunc>("wine_get_dos_file_name");
    if (!map) return std::nullopt;
    std::unique_ptr<wchar_t, HeapFreer> name(map(unixPath.c_str()));
    if (!name) return std::nullopt;
    return std::wstring(name.get());
}

bool HostFileExists(const std::string& unixPath) {
    std::optional<std::wstring> dos = DosPath(unixPath);
    if (!dos) return false;
    DWORD attributes = GetFileAttributesW(dos->c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::wstring QuoteArgument(const std::wstring& argument) {
    if (!argument.empty() && argument.find_first_of(L" \t\n\v\"") == std::wstring::npos) return argument;
    std::wstring quoted = L"\"";
    size_t backslashes = 0;
    for (wchar_t c : argument) {
        if (c == L'\\') {
            ++backslashes;
            continue;
        }
        // Backslashes are literal unless they precede a quote.
        quoted.append(c == L'"' ? backslashes * 2 + 1 : backslashes, L'\\');
        backslashes = 0;
        quoted += c;
    }
    quoted.append(backslashes * 2, L'\\');
    quoted += L'"';
    return quoted;
}

HRESULT Start(const std::string& program, const std::vector<std::string>& arguments) {
    std::optional<std::wstring> dos = DosPath(program);
    if (!dos) return HRESULT_FROM_WIN32(ERROR_FILE_NOT_FOUND);
    std::wstring commandLine = QuoteArgument(*dos);
    for (const std::string& argument : arguments)
        commandLine += L" " + QuoteArgument(Widen(argument));
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(dos->c_str(), commandLine.data(), nullptr, nullptr, FALSE, CREATE_NO_WINDOW, nullptr,
                        nullptr, &startup, &process))
        return HRESULT_FROM_WIN32(GetLastError());
    UniqueHandle processHandle(process.hProcess), threadHandle(process.hThread);
    return S_OK;
}

} // namespace yq::winehost
