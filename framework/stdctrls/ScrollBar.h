#pragma once
// TScrollBar: the platform's scroll bar control.  Position runs from Min
// to Max - PageSize + 1 (Max when PageSize is 0); arrows move it by
// SmallChange, the track by LargeChange.  OnScroll sees each scroll
// request first and may change the position it will take; OnChange runs
// when the position changes.
#include "WinControl.h"

namespace yq {

enum class TScrollBarKind { sbHorizontal, sbVertical };
enum class TScrollCode {
    scLineUp,
    scLineDown,
    scPageUp,
    scPageDown,
    scPosition,
    scTrack,
    scTop,
    scBottom,
    scEndScroll
};

using TScrollEvent = std::function<void(TComponent* sender, TScrollCode code, int& scrollPos)>;

class TScrollBar : public TWinControl {
    YQ_CLASS(TScrollBar, TWinControl)
public:
    explicit TScrollBar(TComponent* owner = nullptr);

    TScrollBarKind Kind() const { return kind_; }
    void SetKind(TScrollBarKind kind);
    int Min() const { return min_; }
    void SetMin(int value) { SetParams(position_, value, max_); }
    int Max() const { return max_; }
    void SetMax(int value) { SetParams(position_, min_, value); }
    int Position() const { return position_; }
    void SetPosition(int value) { SetParams(value, min_, max_); }
    int PageSize() const { return pageSize_; }
    void SetPageSize(int value);
    int SmallChange() const { return smallChange_; }
    void SetSmallChange(int value) { smallChange_ = value; }
    int LargeChange() const { return largeChange_; }
    void SetLargeChange(int value) { largeChange_ = value; }
    void SetParams(int position, int min, int max);

    TNotifyEvent OnChange;
    TScrollEvent OnScroll;

protected:
    void CreateParamsFor(CreateParams& params) override;
    void HandleCreated() override;
    void WndProc(TMessage& message) override;

private:
    void Recreate();
    void UpdateWindow();
    int Highest() const;
    void Scroll(TMessage& message);
    TScrollBarKind kind_ = TScrollBarKind::sbHorizontal;
    int min_ = 0, max_ = 100, position_ = 0, pageSize_ = 0, smallChange_ = 1, largeChange_ = 1;
};

} // namespace yq
