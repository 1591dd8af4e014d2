#pragma once
// TForm5, the user riddle list window: a free-text editor over dm.txt,
// loaded at creation and saved at every close.  The quiz window reads its
// text and logical lines at any time, saved or not.
#include "Form.h"

#include <filesystem>
#include <string>

namespace yq {

class TFlatPanel;
class TMemo;
class TVelaButton;

class TForm5 : public TForm {
public:
    explicit TForm5(TComponent* owner);
    const char* ClassName() const override { return "TForm5"; }

    // The creation step: loads DataFile into the list.  A file that cannot
    // be read throws, and the list keeps its first text.
    void DoCreate() override;

    // The list's whole current text.
    std::wstring ListText() const;
    // Logical lines (one riddle per line of dm.txt): a line wrapped on
    // screen counts once; an empty last line is not counted.
    int LineCount() const;
    // Line i, 0-based; past the end an empty line.
    std::wstring Line(int index) const;

    // dm.txt beside the executable.
    std::filesystem::path DataFile;

    TFlatPanel* Panel = nullptr;
    TMemo* Memo1 = nullptr;
    TVelaButton* HintStrip = nullptr;

private:
    // Saves the list; when that fails the error is shown and the window
    // stays open, so the text is not lost.
    void SaveOnClose(TCloseAction& action);
};

} // namespace yq
