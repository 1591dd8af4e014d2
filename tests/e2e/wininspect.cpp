// Reads, from inside Wine, what X does not see of the program's windows.
// Run in the program's prefix and display; prints UTF-8 lines.
//
//   wininspect "CAPTION"
//       class<TAB>text of every child window of the visible top-level
//       window with that caption (message box texts, edit boxes)
//   wininspect --controls "CAPTION"
//       asks the form with that caption (visible or not) for its controls,
//       windowless ones included: ClassName<TAB>Name<TAB>Visible<TAB>Text
//       per control, as the framework's Inspect.h describes
//   wininspect --origin "CAPTION"
//       the window's client area in screen coordinates: "x y width height"
//   wininspect --state "CAPTION"
//       "minimized", "maximized" or "normal", then "visible" or "hidden"
//   wininspect --idle "CAPTION"
//       returns once the thread of the window's program has taken in all
//       input and messages and waits for more; exit code 3 when it is still
//       busy after 10 s
//   A CAPTION no top-level window has may name an MDI child window.
//   wininspect --processes
//       the executable's file name of every process of the prefix, one a
//       line
//
// Exit code 1 when no such window exists or it does not answer, 2 on a
// wrong command line.
#include "Inspect.h"

#include <windows.h>

#include <tlhelp32.h>

#include <cstdio>
#include <memory>
#include <string>

namespace {

// The form should answer at once; a hung program must not hang the tests.
constexpr UINT kAnswerTimeoutMs = 10000;

struct HandleCloser {
    void operator()(HANDLE handle) const { CloseHandle(handle); }
};
using THandle = std::unique_ptr<void, HandleCloser>;

std::string Utf8(const wchar_t* text) {
    int n = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
    std::string out(size_t(n > 0 ? n - 1 : 0), '\0');
    if (n > 1) WideCharToMultiByte(CP_UTF8, 0, text, -1, out.data(), n, nullptr, nullptr);
    return out;
}

std::wstring WindowText(HWND hwnd) {
    int length = int(SendMessageW(hwnd, WM_GETTEXTLENGTH, 0, 0));
    std::wstring text(size_t(length) + 1, L'\0');
    SendMessageW(hwnd, WM_GETTEXT, WPARAM(length + 1), LPARAM(text.data()));
    text.resize(wcslen(text.c_str()));
    return text;
}

// The top-level window with that caption: a visible one if there is one;
// else an MDI child with that caption.
// The application's window (class "TApplication", the task-bar button
// captioned with the program's title) is not one the tests look for.
HWND FindTop(const wchar_t* caption, bool visibleOnly) {
    HWND first = nullptr;
    HWND top = nullptr;
    while ((top = FindWindowExW(nullptr, top, nullptr, caption)) != nullptr) {
        wchar_t cls[32];
        if (GetClassNameW(top, cls, 32) && lstrcmpW(cls, L"TApplication") == 0) continue;
        if (IsWindowVisible(top)) return top;
        if (!first) first = top;
    }
    if (first) return visibleOnly ? nullptr : first;
    // An MDI child: a window of some frame's client.
    while ((top = FindWindowExW(nullptr, top, nullptr, nullptr)) != nullptr)
        if (HWND client = FindWindowExW(top, nullptr, L"MDIClient", nullptr))
            if (HWND child = FindWindowExW(client, nullptr, nullptr, caption))
                if (!visibleOnly || IsWindowVisible(child)) return child;
    return nullptr;
}

BOOL CALLBACK PrintChild(HWND hwnd, LPARAM) {
    wchar_t cls[256];
    GetClassNameW(hwnd, cls, 256);
    std::printf("%s\t%s\n", Utf8(cls).c_str(), Utf8(WindowText(hwnd).c_str()).c_str());
    return TRUE;
}

int PrintChildren(const wchar_t* caption) {
    HWND top = FindTop(caption, true);
    if (!top) return 1;
    EnumChildWindows(top, PrintChild, 0);
    return 0;
}

// The reply window keeps what the form sends in the string its creation
// parameter points to.
LRESULT CALLBACK ReplyProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_NCCREATE) {
        auto* cs = reinterpret_cast<CREATESTRUCTW*>(lp);
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, LONG_PTR(cs->lpCreateParams));
    } else if (msg == WM_COPYDATA) {
        auto* data = reinterpret_cast<const COPYDATASTRUCT*>(lp);
        auto* reply = reinterpret_cast<std::string*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
        if (!reply || data->dwData != yq::kInspectReply) return FALSE;
        reply->assign(static_cast<const char*>(data->lpData), data->cbData);
        return TRUE;
    }
    return DefWindowProcW(hwnd, msg, wp, lp);
}

int PrintControls(const wchar_t* caption) {
    HWND top = FindTop(caption, false);
    if (!top) return 1;
    HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSW wc{};
    wc.lpfnWndProc = ReplyProc;
    wc.hInstance = instance;
    wc.lpszClassName = L"WinInspectReply";
    RegisterClassW(&wc);
    std::string reply;
    HWND self =
        CreateWindowExW(0, wc.lpszClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, instance, &reply);
    if (!self) return 1;
    DWORD_PTR answered = 0;
    LRESULT sent = SendMessageTimeoutW(top, yq::InspectMessage(), WPARAM(self), 0, SMTO_ABORTIFHUNG,
                                       kAnswerTimeoutMs, &answered);
    DestroyWindow(self);
    if (!sent || !answered) return 1;
    std::fwrite(reply.data(), 1, reply.size(), stdout);
    return 0;
}

int PrintOrigin(const wchar_t* caption) {
    HWND top = FindTop(caption, false);
    if (!top) return 1;
    RECT client;
    GetClientRect(top, &client);
    POINT origin{0, 0};
    ClientToScreen(top, &origin);
    std::printf("%ld %ld %ld %ld\n", origin.x, origin.y, client.right, client.bottom);
    return 0;
}

int PrintState(const wchar_t* caption) {
    HWND top = FindTop(caption, false);
    if (!top) return 1;
    const char* state = IsIconic(top) ? "minimized" : IsZoomed(top) ? "maximized" : "normal";
    std::printf("%s %s\n", state, IsWindowVisible(top) ? "visible" : "hidden");
    return 0;
}

// A message sent from another thread is taken in only where the thread
// asks for messages, and there it first reads the input the window system
// holds for it: once the answer comes, that input stands in its queue.
// Then the process's idle signal, which the window system gives while its
// first thread waits for messages with none pending, tells that all of it
// has been handled.
int WaitIdle(const wchar_t* caption) {
    HWND top = FindTop(caption, false);
    if (!top) return 1;
    DWORD pid = 0;
    GetWindowThreadProcessId(top, &pid);
    THandle process(OpenProcess(SYNCHRONIZE | PROCESS_QUERY_INFORMATION, FALSE, pid));
    if (!process) return 1;
    DWORD_PTR answered = 0;
    if (!SendMessageTimeoutW(top, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, kAnswerTimeoutMs, &answered)) return 3;
    return WaitForInputIdle(process.get(), kAnswerTimeoutMs) == 0 ? 0 : 3;
}

int PrintProcesses() {
    HANDLE taken = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (taken == INVALID_HANDLE_VALUE) return 1;
    THandle snapshot(taken);
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = Process32FirstW(snapshot.get(), &entry); more;
         more = Process32NextW(snapshot.get(), &entry))
        std::printf("%s\n", Utf8(entry.szExeFile).c_str());
    return 0;
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    int status = 2;
    if (argc == 2 && wcscmp(argv[1], L"--processes") == 0)
        status = PrintProcesses();
    else if (argc == 2)
        status = PrintChildren(argv[1]);
    else if (argc == 3 && wcscmp(argv[1], L"--controls") == 0)
        status = PrintControls(argv[2]);
    else if (argc == 3 && wcscmp(argv[1], L"--origin") == 0)
        status = PrintOrigin(argv[2]);
    else if (argc == 3 && wcscmp(argv[1], L"--state") == 0)
        status = PrintState(argv[2]);
    else if (argc == 3 && wcscmp(argv[1], L"--idle") == 0)
        status = WaitIdle(argv[2]);
    std::fflush(stdout);
    return status;
}
