#pragma once
// TScreen: the program's forms in creation order and its cursor table.
// Cursor numbers below 0 are the system's; a control registers its own
// under a positive number (SetCursors) and sets its Cursor to it.  Setting
// Cursor overrides every control's cursor until it is crDefault again.
#include "WinControl.h"

#include <map>
#include <vector>

namespace yq {

class TScreen {
public:
    int FormCount() const { return int(forms_.size()); }
    TForm* Forms(int index) const { return forms_.at(size_t(index)); }
    // The form of the foreground window, if it is one of ours.
    TForm* ActiveForm() const;
    TWinControl* ActiveControl() const;

    // The cursor for a number; crDefault gives the arrow, an unknown
    // number the arrow too.
    HCURSOR Cursors(TCursor index) const;
    // Registers (or with nullptr removes) a program cursor.
    void SetCursors(TCursor index, HCURSOR cursor);

    TCursor Cursor() const { return cursor_; }
    void SetCursor(TCursor cursor);

    int Width() const { return GetSystemMetrics(SM_CXSCREEN); }
    int Height() const { return GetSystemMetrics(SM_CYSCREEN); }

    void AddForm(TForm* form) { forms_.push_back(form); }
    void RemoveForm(TForm* form);

private:
    std::vector<TForm*> forms_;
    std::map<TCursor, HCURSOR> cursors_;
    TCursor cursor_ = crDefault;
};

TScreen& Screen();

} // namespace yq
