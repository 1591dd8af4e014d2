#include "StartOptions.h"

#include <windows.h>

#include <shellapi.h>

namespace yq {

TStartOptions ParseStartOptions(const std::vector<std::wstring>& args) {
    TStartOptions options;
    for (const std::wstring& arg : args)
        if (arg == L"--unskinned") options.unskinned = true;
    return options;
}

std::vector<std::wstring> CommandLineArguments() {
    int count = 0;
    LPWSTR* argv = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::wstring> args;
    if (!argv) return args;
    for (int i = 1; i < count; ++i)
        args.emplace_back(argv[i]);
    LocalFree(argv);
    return args;
}

} // namespace yq
