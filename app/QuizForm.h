#pragma once
// TForm1, the quiz window: one riddle in large type, random and sequential
// riddles with a counter, the answer on request, reading aloud, music and
// the user's own riddles.  Owns the riddle store (adoquery1, ds1) and the
// skin component.
#include "Form.h"

namespace yq {

class TForm1 : public TForm {
public:
    explicit TForm1(TComponent* owner);
    const char* ClassName() const override { return "TForm1"; }

    // Commands, also run by the browser window.
    void ReadAloud();
    void EditRiddle();
};

} // namespace yq
