#pragma once
// TKnowledgeWindow: the one window of yqzs.exe, "灯谜知识".  It shows the
// page of KnowledgeView, scrolled with the scroll bar, the mouse wheel and
// the keyboard (arrows, Page Up/Down, Home, End, space), and lays the page
// out again when its width changes.  The object lives as long as its
// window and is bound to it on WM_NCCREATE.
#include "KnowledgeView.h"

#include <windows.h>

namespace yq {

class TKnowledgeWindow {
public:
    explicit TKnowledgeWindow(HINSTANCE instance);
    TKnowledgeWindow(const TKnowledgeWindow&) = delete;
    TKnowledgeWindow& operator=(const TKnowledgeWindow&) = delete;
    ~TKnowledgeWindow();

    // Creates and shows the window, centred on the screen's work area;
    // false when the platform refuses.
    bool Create(int show);
    // Restores and activates the window of a copy already running; false
    // when there is none.
    static bool BringRunningToFront();

private:
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
    LRESULT Handle(UINT msg, WPARAM wp, LPARAM lp);
    void OnSize(int width, int height);
    void OnPaint();
    void OnVScroll(int code);
    void OnMouseWheel(int delta);
    bool OnKeyDown(WPARAM key);
    void OnGetMinMaxInfo(MINMAXINFO& info);
    void ScrollTo(int position);
    void UpdateScrollBar();

    HINSTANCE instance_;
    HWND hwnd_ = nullptr;
    TKnowledgeFonts fonts_;
    TKnowledgeLayout layout_;
    UniqueBitmap banner_;
    SIZE client_{};
    int scroll_ = 0;
    int wheelRemainder_ = 0;
};

} // namespace yq
