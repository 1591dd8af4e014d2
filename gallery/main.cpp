// skingallery.exe [SKINFILE] [--page N] [--unskinned]: every kind of
// control the skin engine paints, on the pages of one window.
#include "Application.h"
#include "GalleryForm.h"
#include "GalleryOptions.h"

#include <shellapi.h>
#include <windows.h>

namespace {

std::vector<std::wstring> Arguments() {
    int count = 0;
    LPWSTR* argv = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::wstring> args;
    for (int i = 1; i < count; ++i)
        args.emplace_back(argv[i]);
    LocalFree(argv);
    return args;
}

int RunGallery() {
    using namespace yq;
    using namespace yq::gallery;
    TApplication& app = Application();
    app.Title = L"云樵皮肤画廊";
    TGalleryOptions options = ParseGalleryOptions(Arguments());
    if (!options.error.empty()) {
        app.ShowMessageBox(options.error + L"\n\n" + kGalleryUsage, app.Title, MB_OK | MB_ICONERROR);
        return 2;
    }
    auto* form = app.CreateForm<TGalleryForm>();
    // A skin file that cannot be read is reported; the built-in skin stays.
    std::wstring error = form->Apply(options);
    if (!error.empty()) app.ShowMessageBox(error, app.Title, MB_OK | MB_ICONWARNING);
    app.Run();
    return 0;
}

} // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    return RunGallery();
}
