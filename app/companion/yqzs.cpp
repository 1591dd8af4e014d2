// yqzs.exe, 灯谜知识: a one-window introduction to lantern riddles for
// newcomers, started by the browser's "灯谜知识" button.
#include "KnowledgeWindow.h"

#include <memory>
#include <type_traits>

namespace {
struct HandleCloser {
    void operator()(HANDLE handle) const { CloseHandle(handle); }
};
using THandle = std::unique_ptr<std::remove_pointer_t<HANDLE>, HandleCloser>;
} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show) {
    // One copy at a time: a second start brings the first to the front.
    THandle mutex(CreateMutexW(nullptr, FALSE, L"Local\\YunqiaoKnowledgeWindow"));
    if (mutex && GetLastError() == ERROR_ALREADY_EXISTS) {
        // The first copy may still be making its window.
        for (int tries = 0; tries < 50 && !yq::TKnowledgeWindow::BringRunningToFront(); ++tries)
            Sleep(100);
        return 0;
    }
    yq::TKnowledgeWindow window(instance);
    if (!window.Create(show)) return 1;
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return int(msg.wParam);
}
