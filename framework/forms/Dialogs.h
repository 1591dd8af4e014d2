#pragma once
// Message boxes and the one-line input box.  Message boxes are captioned
// with the application title and go through Application().MessageBoxFunc,
// so tests can answer them.
#include <string>

namespace yq {

enum class TMsgDlgType { mtWarning, mtError, mtInformation, mtConfirmation, mtCustom };
enum TMsgDlgButtonBits : unsigned { mbYes = 1, mbNo = 2, mbOK = 4, mbCancel = 8 };
using TMsgDlgButtons = unsigned;

// A plain box with OK.
void ShowMessage(const std::wstring& text);
// A box of the type's icon with the buttons given (OK, OK/Cancel, Yes/No or
// Yes/No/Cancel); returns mrOk, mrCancel, mrYes or mrNo.  Closing a Yes/No
// box counts as No.
int MessageDlg(const std::wstring& text, TMsgDlgType type, TMsgDlgButtons buttons);

// A box with a prompt, a one-line edit holding `value` and OK/Cancel.  On OK
// `value` becomes the typed text and the answer is true; on Cancel (or
// closing) `value` is kept and the answer is false.  maxBytes limits the
// text in GBK bytes (0: no limit).
bool InputQuery(const std::wstring& caption, const std::wstring& prompt, std::wstring& value,
                int maxBytes = 0);

} // namespace yq
