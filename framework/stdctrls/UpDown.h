#pragma once
// TUpDown: the platform's up-down (spin) buttons.  Position runs from Min
// to Max in steps of Increment (wrapping when Wrap); with an Associate
// edit the buttons sit at its right edge and the edit shows the position.
// OnChanging may refuse a step; OnClick tells which button made it.
#include "WinControl.h"

namespace yq {

enum class TUDOrientation { udVertical, udHorizontal };
enum class TUDAlignButton { udLeft, udRight };
enum class TUDBtnType { btNext, btPrev };

using TUDClickEvent = std::function<void(TComponent* sender, TUDBtnType button)>;
using TUDChangingEvent = std::function<void(TComponent* sender, bool& allowChange)>;

class TCustomUpDown : public TWinControl {
    YQ_CLASS(TCustomUpDown, TWinControl)
public:
    explicit TCustomUpDown(TComponent* owner = nullptr);

    int Min() const { return min_; }
    void SetMin(int value);
    int Max() const { return max_; }
    void SetMax(int value);
    int Position() const;
    void SetPosition(int value);
    int Increment() const { return increment_; }
    void SetIncrement(int value);
    bool Wrap() const { return wrap_; }
    void SetWrap(bool wrap);
    bool ArrowKeys() const { return arrowKeys_; }
    void SetArrowKeys(bool keys);
    bool Thousands() const { return thousands_; }
    void SetThousands(bool thousands);
    TUDOrientation Orientation() const { return orientation_; }
    void SetOrientation(TUDOrientation orientation);
    TUDAlignButton AlignButton() const { return alignButton_; }
    void SetAlignButton(TUDAlignButton align);
    TWinControl* Associate() const { return associate_; }
    void SetAssociate(TWinControl* control);

    TUDClickEvent OnUDClick;
    TUDChangingEvent OnChanging;

protected:
    void CreateParamsFor(CreateParams& params) override;
    void HandleCreated() override;
    void WndProc(TMessage& message) override;
    void Notification(TComponent* component, TOperation operation) override;

private:
    void Recreate();
    void DeltaPos(TMessage& message);
    void Scrolled(TMessage& message);
    int min_ = 0, max_ = 100, position_ = 0, increment_ = 1;
    bool wrap_ = false, arrowKeys_ = true, thousands_ = true;
    TUDOrientation orientation_ = TUDOrientation::udVertical;
    TUDAlignButton alignButton_ = TUDAlignButton::udRight;
    TWinControl* associate_ = nullptr;
    TUDBtnType lastButton_ = TUDBtnType::btNext;
};

class TUpDown : public TCustomUpDown {
    YQ_CLASS(TUpDown, TCustomUpDown)
public:
    using TCustomUpDown::TCustomUpDown;
};

} // namespace yq
