#pragma once
// The windows the gallery opens besides its own: a message window built
// from framework controls, and a platform dialog box (class "#32770") from
// a template made in memory, with the platform's own child controls.
#include "Form.h"

#include <vector>

#include <string>

namespace yq::gallery {

// A framework form with an icon, the text and OK (and Cancel); returns the
// modal result.
class TMessageForm : public TForm {
    YQ_CLASS(TMessageForm, TForm)
public:
    TMessageForm(TComponent* owner, const std::wstring& caption, const std::wstring& text, bool withCancel);
};

// The dialog template: caption, text, edit, check boxes, radio buttons,
// group box, combo and list boxes, a scroll bar and OK / Cancel.
std::vector<WORD> MakeDialogTemplate();

// Runs the dialog modally over `owner`; IDOK or IDCANCEL.
INT_PTR RunPlatformDialog(HWND owner);
// The same dialog, modeless (for tests); the caller destroys it.
HWND CreatePlatformDialog(HWND owner);

} // namespace yq::gallery
