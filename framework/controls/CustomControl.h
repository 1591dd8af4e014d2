#pragma once
// Self-painting controls.  TCustomControl has a window; TGraphicControl has
// none and is painted by its parent, which also hands it its mouse
// messages.  Both draw in Paint() on Canvas(), which during a paint is the
// paint DC (font and brush set from Font and Color) and otherwise a DC of
// the control's window (or of the parent's, clipped to the control).
#include "WinControl.h"

#include <memory>

namespace yq {

class TControlCanvas : public TCanvas {
public:
    explicit TControlCanvas(TControl& control) : control_(control) {}
    ~TControlCanvas() override;
    // Gives back a DC taken outside painting.
    void FreeHandle();
    // Frees the DCs every control canvas holds (the application's idle time).
    static void FreeDeviceContexts();

protected:
    void CreateHandle() override;

private:
    TControl& control_;
    HWND window_ = nullptr;
    HDC own_ = nullptr;
};

class TCustomControl : public TWinControl {
    YQ_CLASS(TCustomControl, TWinControl)
public:
    explicit TCustomControl(TComponent* owner = nullptr);
    TCanvas& Canvas() { return canvas_; }
    TCanvas* CanvasPtr() const { return const_cast<TControlCanvas*>(&canvas_); }

protected:
    virtual void Paint();
    void PaintWindow(HDC dc) override;

private:
    TControlCanvas canvas_;
};

class TGraphicControl : public TControl {
    YQ_CLASS(TGraphicControl, TControl)
public:
    explicit TGraphicControl(TComponent* owner = nullptr);
    ~TGraphicControl() override;
    TCanvas& Canvas() { return canvas_; }
    TCanvas* CanvasPtr() const { return const_cast<TControlCanvas*>(&canvas_); }

protected:
    virtual void Paint();
    void WndProc(TMessage& message) override;

private:
    TControlCanvas canvas_;
};

// Draws what lies behind `control` in its parent onto dc, whose origin is
// the control's top-left corner: the parent erases its background and
// paints itself there.  For controls that show their parent through.
void DrawParentImage(TControl& control, HDC dc);

} // namespace yq
