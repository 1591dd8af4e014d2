#pragma once
// TForm5, the user riddle list window: a free-text editor over dm.txt,
// loaded at creation and saved at every close.  The quiz window reads its
// text and logical lines at any time, saved or not.
#include "Form.h"

#include <string>

namespace yq {

class TForm5 : public TForm {
public:
    explicit TForm5(TComponent* owner);
    const char* ClassName() const override { return "TForm5"; }

    // The list's whole current text.
    std::wstring ListText() const;
    // Logical lines (one riddle per line of dm.txt); an empty last line is
    // not counted.
    int LineCount() const;
    // Line i, 0-based; past the end an empty line.
    std::wstring Line(int index) const;
};

} // namespace yq
