#pragma once
// TSkinEdit: an edit box's border redrawn after the box's own painting: a
// line in the skin's ButtonShadow colour with a white line inside it (a
// box without a border is left alone).  An up-down control inside the box
// (a spin edit's buttons) is found at the first paint and skinned too.
#include "SkinControl.h"

namespace yq {

class TSkinUpDown;

class TSkinEdit : public TSkinControl {
    YQ_CLASS(TSkinEdit, TSkinControl)
public:
    using TSkinControl::TSkinControl;
    ~TSkinEdit() override;
    bool BeforeMessage(TMessage& message) override;
    void AfterMessage(TMessage& message) override;
    void PaintSkin(HDC dc, const RECT& rect) override;
    // The border on a print-to-DC request (WM_PRINT), window at (0, 0).
    void PrintBorder(HDC dc);

    // The skinner of the up-down control found inside; nullptr until found.
    TSkinUpDown* UpDown = nullptr;

protected:
    void Notification(TComponent* component, TOperation operation) override;

private:
    void FindUpDown();
};

// An up-down control among a window's children: the first whose class
// name, lower-cased, is "msctls_updown32" or contains "spin" or "updown".
HWND FindUpDownChild(HWND parent);

} // namespace yq
