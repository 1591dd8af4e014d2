#pragma once
// TForm3, the riddle edit window: the current riddle's three fields in
// data-bound edit boxes, written back after a confirmation.  The boxes are
// bound to the quiz window's store when the window is made (the quiz
// window exists by then).  Only a confirmed edit is ever written: typed
// texts stay in the boxes (buffered) and are dropped on No, on closing the
// window and when another riddle becomes current, so every other view
// shows only stored texts.
#include "Form.h"

namespace yq {

class TDBEdit;
class TFlatPanel;
class TLabel;
class TVelaButton;

class TForm3 : public TForm {
public:
    explicit TForm3(TComponent* owner);
    const char* ClassName() const override { return "TForm3"; }

    // "确认修改": with riddle and target filled in, asks whether to rewrite
    // the current riddle and on Yes writes the three boxes to it.  A store
    // error propagates once; the boxes keep their texts, the store none.
    void ConfirmEdit();
    // The stored riddle in the boxes again.
    void ResetBoxes();

    TFlatPanel* Panel = nullptr;
    TDBEdit* RiddleBox = nullptr; // 谜面
    TDBEdit* TargetBox = nullptr; // 谜目
    TDBEdit* AnswerBox = nullptr; // 谜底
    TVelaButton* ConfirmButton = nullptr;

private:
    TLabel* AddLabel(const wchar_t* caption, int top);
    TDBEdit* AddBox(const wchar_t* field, int top);
    void AddConfirmButton();
};

} // namespace yq
