#pragma once
// TDCListCaptionEdit: the item lists' in-place caption editor, an edit box
// without a border of its own that wraps its text when the list shows large
// icons.  Enter accepts, Esc refuses, leaving the box accepts; the list is
// told once through OnDone and decides what to do with the text.
#include "Edit.h"

#include <functional>

namespace yq {

class TDCListCaptionEdit : public TCustomMemo {
    YQ_CLASS(TDCListCaptionEdit, TCustomMemo)
public:
    explicit TDCListCaptionEdit(TComponent* owner = nullptr);

    // Starts a new edit of `text`; the next Enter, Esc or focus loss ends it.
    void Start(const std::wstring& text);
    bool Active() const { return active_; }
    // Ends the edit without telling OnDone (the list cancels it itself).
    void Stop() { active_ = false; }

    std::function<void(bool accept)> OnDone;

protected:
    void WndProc(TMessage& message) override;
    void DoExit() override;

private:
    void Finish(bool accept);
    bool active_ = false;
};

} // namespace yq
