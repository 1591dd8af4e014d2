#pragma once
// TCustomGroupBox / TGroupBox: the platform's group box (a BUTTON with
// BS_GROUPBOX), a framed container with a caption in its top line.
// Children are aligned inside the frame, below the caption.
#include "WinControl.h"

namespace yq {

class TCustomGroupBox : public TWinControl {
    YQ_CLASS(TCustomGroupBox, TWinControl)
public:
    explicit TCustomGroupBox(TComponent* owner = nullptr);

protected:
    void CreateParamsFor(CreateParams& params) override;
    void AdjustClientRect(RECT& rect) const override;
    void WndProc(TMessage& message) override;
};

class TGroupBox : public TCustomGroupBox {
    YQ_CLASS(TGroupBox, TCustomGroupBox)
public:
    using TCustomGroupBox::TCustomGroupBox;
};

} // namespace yq
