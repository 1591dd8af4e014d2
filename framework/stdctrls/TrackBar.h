#pragma once
// TTrackBar: the platform's track bar (slider), horizontal or vertical.
// Position runs from Min to Max; OnChange runs whenever it changes, by the
// user (mouse, keys) or by a setter.
#include "WinControl.h"

namespace yq {

enum class TTrackBarOrientation { trHorizontal, trVertical };
enum class TTickMark { tmBottomRight, tmTopLeft, tmBoth };
enum class TTickStyle { tsNone, tsAuto, tsManual };

class TTrackBar : public TWinControl {
    YQ_CLASS(TTrackBar, TWinControl)
public:
    explicit TTrackBar(TComponent* owner = nullptr);

    int Min() const { return min_; }
    void SetMin(int value);
    int Max() const { return max_; }
    void SetMax(int value);
    int Position() const { return position_; }
    void SetPosition(int value);
    int Frequency() const { return frequency_; }
    void SetFrequency(int value);
    int PageSize() const { return pageSize_; }
    void SetPageSize(int value);
    int LineSize() const { return lineSize_; }
    void SetLineSize(int value);
    TTrackBarOrientation Orientation() const { return orientation_; }
    void SetOrientation(TTrackBarOrientation orientation);
    TTickMark TickMarks() const { return tickMarks_; }
    void SetTickMarks(TTickMark marks);
    TTickStyle TickStyle() const { return tickStyle_; }
    void SetTickStyle(TTickStyle style);

    // The position, in decimal.
    std::wstring InspectText() const override;

    TNotifyEvent OnChange;

protected:
    void CreateParamsFor(CreateParams& params) override;
    void HandleCreated() override;
    void WndProc(TMessage& message) override;

private:
    void Recreate();
    void PositionFromWindow();
    int min_ = 0, max_ = 10, position_ = 0, frequency_ = 1, pageSize_ = 2, lineSize_ = 1;
    TTrackBarOrientation orientation_ = TTrackBarOrientation::trHorizontal;
    TTickMark tickMarks_ = TTickMark::tmBottomRight;
    TTickStyle tickStyle_ = TTickStyle::tsAuto;
};

} // namespace yq
