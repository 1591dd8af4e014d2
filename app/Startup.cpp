#include "Startup.h"

#include "Application.h"
#include "Forms.h"
#include "OutBarCursors.h"

#include <windows.h>

namespace yq {

std::wstring ExeDir() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        DWORD n = GetModuleFileNameW(nullptr, path.data(), DWORD(path.size()));
        if (n < path.size()) {
            path.resize(n);
            break;
        }
        path.resize(path.size() * 2);
    }
    return path.substr(0, path.find_last_of(L"\\/") + 1);
}

bool FileExists(const std::wstring& path) {
    DWORD attrs = GetFileAttributesW(path.c_str());
    return attrs != INVALID_FILE_ATTRIBUTES && !(attrs & FILE_ATTRIBUTE_DIRECTORY);
}

int RunProgram() {
    TApplication& app = Application();
    app.Title = kAppTitle;
    if (!FileExists(ExeDir() + L"sk5.skn")) {
        app.ShowMessageBox(kInstallError, app.Title, MB_OK);
        return 0;
    }
    try {
        RegisterOutBarCursors();
    } catch (...) {
        app.HandleException(std::current_exception());
        return 0;
    }
    app.CreateForm<TForm4>();
    app.CreateForm<TForm1>();
    app.CreateForm<TForm3>();
    app.CreateForm<TForm5>();
    app.Run();
    return 0;
}

} // namespace yq
