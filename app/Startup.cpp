#include "Startup.h"

#include "Application.h"
#include "ExeFolder.h"
#include "Forms.h"
#include "OutBarCursors.h"
#include "StartOptions.h"
#include "WinSkinData.h"

#include <windows.h>

namespace yq {

bool FileExists(const std::wstring& path) {
    DWORD attrs = GetFileAttributesW(path.c_str());
    return attrs != INVALID_FILE_ATTRIBUTES && !(attrs & FILE_ATTRIBUTE_DIRECTORY);
}

int RunProgram() {
    const TStartOptions options = ParseStartOptions(CommandLineArguments());
    TApplication& app = Application();
    app.Title = kAppTitle;
    if (!FileExists(ExeFolder() + L"sk5.skn")) {
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
    // Before any window is activated the skin goes off at once.
    if (options.unskinned) Form1->SkinData1->SetActive(false);
    app.CreateForm<TForm3>();
    app.CreateForm<TForm5>();
    app.Run();
    return 0;
}

} // namespace yq
