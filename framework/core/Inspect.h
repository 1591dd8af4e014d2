#pragma once
// A read-only view of a form's controls for diagnostic tools outside the
// process (the end-to-end tests read labels and grid rows through it, which
// have no window of their own or draw their text themselves).
//
// A tool sends a form the registered message InspectMessage() with its own
// window handle as WParam; the form answers by sending that window
// WM_COPYDATA (dwData kInspectReply) holding UTF-8 lines
//   ClassName<TAB>Name<TAB>Visible (0/1)<TAB>Text
// for the form itself and then every control in it, windowless ones
// included, each parent before its children.  Text is the control's
// InspectText(); it comes last, so it may hold tabs, and backslash, CR and
// LF in it are written \\, \r and \n to keep each control on one line.
#include <windows.h>

#include <string>

namespace yq {

class TControl;
class TForm;

inline UINT InspectMessage() {
    static const UINT message = RegisterWindowMessageW(L"YunqiaoInspect");
    return message;
}
constexpr ULONG_PTR kInspectReply = 0x59514953;

// The lines for `root` and its descendants.
std::string InspectLines(const TControl& root);
// Sends the form's lines to `asker`; false when it did not take them.
bool AnswerInspect(TForm& form, HWND asker);

} // namespace yq
