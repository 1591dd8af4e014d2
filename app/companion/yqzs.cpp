// yqzs.exe, 灯谜知识: a one-window introduction to lantern riddles for
// newcomers, started by the browser's "灯谜知识" button.
#include "KnowledgeWindow.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show) {
    yq::TKnowledgeWindow window(instance);
    if (!window.Create(show)) return 1;
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return int(msg.wParam);
}
