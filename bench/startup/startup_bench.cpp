// Start-up: from CreateProcess until the main window is visible and the
// process is idle for input (its first paint done), for the riddle program
// in its installation folder, the same program with its skin off
// (--unskinned) and a bare window program, all started the same way.
//
// Startup_Ratios starts the three in turn, round after round, and reports
// the medians and their ratios: on a busy machine the load then falls on
// all three alike, and one slow start does not move a median.
#include "../support/Median.h"

#include <benchmark/benchmark.h>
#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

using yq::bench::Median;

const std::wstring kDist = std::wstring(L"" YQ_BENCH_DIST);
constexpr const wchar_t* kMainCaption = L"云樵 V2016.08.15";
constexpr int kRounds = 20;

struct TStart {
    std::wstring exe, args;
    const wchar_t* windowClass;
    const wchar_t* caption;
};

TStart BareWindow() {
    wchar_t self[MAX_PATH];
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    std::wstring folder(self);
    folder.resize(folder.find_last_of(L"\\/") + 1);
    return {folder + L"bench_bare_window.exe", L"", L"YqBareWindow", L"bare window"};
}

TStart Program() {
    return {kDist + L"/yunqiao.exe", L"", L"TForm4", kMainCaption};
}

TStart ProgramUnskinned() {
    return {kDist + L"/yunqiao.exe", L" --unskinned", L"TForm4", kMainCaption};
}

// Looks the window up by its class (one question to the window server per
// look, whatever else runs on the desktop), so that polling every
// millisecond hardly slows the program being measured.
bool Shown(const TStart& start, DWORD processId) {
    for (HWND hwnd = FindWindowExW(nullptr, nullptr, start.windowClass, nullptr); hwnd;
         hwnd = FindWindowExW(nullptr, hwnd, start.windowClass, nullptr)) {
        DWORD pid = 0;
        GetWindowThreadProcessId(hwnd, &pid);
        if (pid != processId || !IsWindowVisible(hwnd)) continue;
        wchar_t caption[256] = {};
        GetWindowTextW(hwnd, caption, 256);
        if (std::wstring(caption) == start.caption) return true;
    }
    return false;
}

double Milliseconds(const LARGE_INTEGER& from, const LARGE_INTEGER& to) {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return double(to.QuadPart - from.QuadPart) * 1000.0 / double(frequency.QuadPart);
}

// Starts the program in the installation folder and returns the
// milliseconds until its window shows and the process is idle (negative
// when the window never showed); the process is then ended.
double StartUntilShown(const TStart& start) {
    STARTUPINFOW si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    std::wstring command = L"\"" + start.exe + L"\"" + start.args;
    LARGE_INTEGER begin, end;
    QueryPerformanceCounter(&begin);
    if (!CreateProcessW(start.exe.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr, kDist.c_str(),
                        &si, &pi))
        return -1;
    bool shown = false;
    for (int tries = 0; tries < 30000 && !shown; ++tries) {
        shown = Shown(start, pi.dwProcessId);
        if (!shown) {
            if (WaitForSingleObject(pi.hProcess, 1) == WAIT_OBJECT_0) break;
        }
    }
    if (shown) WaitForInputIdle(pi.hProcess, 10000);
    QueryPerformanceCounter(&end);
    TerminateProcess(pi.hProcess, 0);
    WaitForSingleObject(pi.hProcess, 10000);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    return shown ? Milliseconds(begin, end) : -1;
}

void Run(benchmark::State& state, const TStart& start) {
    for (auto _ : state)
        if (StartUntilShown(start) < 0) state.SkipWithError("the window did not show");
}

void Startup_BareWindow(benchmark::State& state) {
    Run(state, BareWindow());
}

void Startup_Program(benchmark::State& state) {
    Run(state, Program());
}

void Startup_ProgramUnskinned(benchmark::State& state) {
    Run(state, ProgramUnskinned());
}

// Counters: the medians in milliseconds, program / bare window and
// skinned / unskinned program, and the same ratios of the quickest starts.
void Startup_Ratios(benchmark::State& state) {
    const TStart starts[] = {BareWindow(), Program(), ProgramUnskinned()};
    std::vector<double> times[3];
    for (auto _ : state) {
        for (int i = 0; i < 3; ++i) {
            const double ms = StartUntilShown(starts[i]);
            if (ms < 0) {
                state.SkipWithError("a window did not show");
                return;
            }
            times[i].push_back(ms);
        }
    }
    const double bare = Median(times[0]), skinned = Median(times[1]), unskinned = Median(times[2]);
    state.counters["bare_ms"] = bare;
    state.counters["program_ms"] = skinned;
    state.counters["unskinned_ms"] = unskinned;
    state.counters["program/bare"] = skinned / bare;
    state.counters["skin/unskinned"] = skinned / unskinned;
    // The quickest starts: what each costs when nothing else gets in the way.
    auto least = [](const std::vector<double>& v) { return *std::min_element(v.begin(), v.end()); };
    state.counters["min program/bare"] = least(times[1]) / least(times[0]);
    state.counters["min skin/unskinned"] = least(times[1]) / least(times[2]);
}

} // namespace

BENCHMARK(Startup_BareWindow)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(10);
BENCHMARK(Startup_Program)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(10);
BENCHMARK(Startup_ProgramUnskinned)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(10);
BENCHMARK(Startup_Ratios)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(kRounds);
BENCHMARK_MAIN();
