#pragma once
// TForm3, the riddle edit window: the current riddle's three fields in
// data-bound edit boxes, written back after a confirmation.
#include "Form.h"

namespace yq {

class TForm3 : public TForm {
public:
    explicit TForm3(TComponent* owner);
    const char* ClassName() const override { return "TForm3"; }
};

} // namespace yq
