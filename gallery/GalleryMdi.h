#pragma once
// The gallery's MDI frame: a window on the platform's MDI client with a
// menu bar (its Window menu lists the children) and children to tile,
// cascade and maximise, where the skin engine shows its MDI frame and
// merged caption buttons.
#include "Form.h"

namespace yq::gallery {

class TMdiFrame : public TForm {
    YQ_CLASS(TMdiFrame, TForm)
public:
    explicit TMdiFrame(TComponent* owner = nullptr);
    // A new child, numbered.
    TForm* NewChild();

private:
    int made_ = 0;
};

} // namespace yq::gallery
