#pragma once
// TProgressBar: the platform's progress bar.  Position runs from Min to
// Max; StepIt adds Step (wrapping to Min past Max, as the platform does).
#include "WinControl.h"

namespace yq {

enum class TProgressBarOrientation { pbHorizontal, pbVertical };

class TProgressBar : public TWinControl {
    YQ_CLASS(TProgressBar, TWinControl)
public:
    explicit TProgressBar(TComponent* owner = nullptr);

    int Min() const { return min_; }
    void SetMin(int value);
    int Max() const { return max_; }
    void SetMax(int value);
    int Position() const;
    void SetPosition(int value);
    int Step() const { return step_; }
    void SetStep(int value);
    void StepIt();
    void StepBy(int delta);
    TProgressBarOrientation Orientation() const { return orientation_; }
    void SetOrientation(TProgressBarOrientation orientation);
    bool Smooth() const { return smooth_; }
    void SetSmooth(bool smooth);

protected:
    void CreateParamsFor(CreateParams& params) override;
    void HandleCreated() override;

private:
    void Recreate();
    int min_ = 0, max_ = 100, position_ = 0, step_ = 10;
    TProgressBarOrientation orientation_ = TProgressBarOrientation::pbHorizontal;
    bool smooth_ = false;
};

} // namespace yq
