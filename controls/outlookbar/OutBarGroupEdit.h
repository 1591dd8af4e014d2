#pragma once
// TDCOutBarGroupEdit: the in-place editor of a group caption, a one-line
// edit with a thin border over the caption.  Enter commits and hides, Esc
// hides without committing, losing the focus commits and hides.  Committing
// hands the text to the group's Caption setter, which may refuse it.
#include "Edit.h"

namespace yq {

class TCustomDCGroupBar;

class TDCOutBarGroupEdit : public TCustomEdit {
    YQ_CLASS(TDCOutBarGroupEdit, TCustomEdit)
public:
    explicit TDCOutBarGroupEdit(TCustomDCGroupBar* bar);

    // Shows the editor over `r` with `text`, for group `index`.
    void StartEdit(int index, const std::wstring& text, const RECT& r);
    int GroupIndex() const { return groupIndex_; }
    bool Done() const { return done_; }
    // The text goes to the group's caption unless the edit is done.
    void Commit();

protected:
    void CreateParamsFor(CreateParams& params) override;
    void WndProc(TMessage& message) override;
    void DoExit() override;

private:
    TCustomDCGroupBar& bar_;
    int groupIndex_ = -1;
    bool done_ = true;
};

} // namespace yq
