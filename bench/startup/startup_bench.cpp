// Start-up: from CreateProcess until the main window is visible and the
// process is idle for input (its first paint done), for the riddle program
// in its installation folder and for a bare window program, started the
// same way, so that the ratio can be read off one run.
#include <benchmark/benchmark.h>
#include <windows.h>

#include <string>

namespace {

const std::wstring kDist = std::wstring(L"" YQ_BENCH_DIST);

BOOL CALLBACK FindShown(HWND hwnd, LPARAM param) {
    auto* want = reinterpret_cast<std::pair<DWORD, const wchar_t*>*>(param);
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    wchar_t caption[256] = {};
    GetWindowTextW(hwnd, caption, 256);
    if (pid == want->first && IsWindowVisible(hwnd) && std::wstring(caption) == want->second) {
        want->first = 0;
        return FALSE;
    }
    return TRUE;
}

// Starts `exe` in `folder` and returns once the window captioned `caption`
// shows and the process is idle; the process is then ended.
bool StartUntilShown(const std::wstring& exe, const std::wstring& folder, const wchar_t* caption) {
    STARTUPINFOW si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    std::wstring command = L"\"" + exe + L"\"";
    if (!CreateProcessW(exe.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(), &si,
                        &pi))
        return false;
    bool shown = false;
    for (int tries = 0; tries < 30000 && !shown; ++tries) {
        std::pair<DWORD, const wchar_t*> want{pi.dwProcessId, caption};
        EnumWindows(FindShown, reinterpret_cast<LPARAM>(&want));
        shown = want.first == 0;
        if (!shown) {
            if (WaitForSingleObject(pi.hProcess, 1) == WAIT_OBJECT_0) break;
        }
    }
    if (shown) WaitForInputIdle(pi.hProcess, 10000);
    TerminateProcess(pi.hProcess, 0);
    WaitForSingleObject(pi.hProcess, 10000);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    return shown;
}

void Run(benchmark::State& state, const std::wstring& exe, const wchar_t* caption) {
    for (auto _ : state)
        if (!StartUntilShown(exe, kDist, caption)) state.SkipWithError("the window did not show");
}

void Startup_BareWindow(benchmark::State& state) {
    wchar_t self[MAX_PATH];
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    std::wstring folder(self);
    folder.resize(folder.find_last_of(L"\\/") + 1);
    Run(state, folder + L"bench_bare_window.exe", L"bare window");
}

void Startup_Program(benchmark::State& state) {
    Run(state, kDist + L"/yunqiao.exe", L"云樵 V2016.08.15");
}

} // namespace

BENCHMARK(Startup_BareWindow)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(10);
BENCHMARK(Startup_Program)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(10);
BENCHMARK_MAIN();
