#pragma once
// TCustomTabControl: the platform's tab control, the shared part of
// TTabControl (tabs named by Tabs, one client area) and TPageControl
// (PageControl.h).  Children are aligned in the display area inside the
// tabs.  Choosing a tab asks OnChanging (which may refuse) and then
// raises OnChange.
#include "ImgList.h"
#include "Strings.h"
#include "WinControl.h"

namespace yq {

enum class TTabPosition { tpTop, tpBottom, tpLeft, tpRight };
using TTabChangingEvent = std::function<void(TComponent* sender, bool& allowChange)>;

class TCustomTabControl : public TWinControl {
    YQ_CLASS(TCustomTabControl, TWinControl)
public:
    explicit TCustomTabControl(TComponent* owner = nullptr);

    int TabIndex() const;
    void SetTabIndex(int index);
    TTabPosition TabPosition() const { return tabPosition_; }
    void SetTabPosition(TTabPosition position);
    bool MultiLine() const { return multiLine_; }
    void SetMultiLine(bool multiLine);
    TCustomImageList* Images() const { return images_; }
    void SetImages(TCustomImageList* images);
    // The number of tabs the control shows and the rectangle of one.
    int TabCount() const;
    RECT TabRect(int index);
    // The tab at a client point, or -1.
    int IndexOfTabAt(int x, int y);
    // The display area, in client coordinates.
    RECT DisplayRect();
    // For diagnostic tools: each tab as "caption@left,top,right,bottom"
    // (client coordinates), separated by tabs.
    std::wstring InspectText() const override;

    TNotifyEvent OnChange;
    TTabChangingEvent OnChanging;

protected:
    void CreateParamsFor(CreateParams& params) override;
    void HandleCreated() override;
    void WndProc(TMessage& message) override;
    void AdjustClientRect(RECT& rect) const override;
    void Notification(TComponent* component, TOperation operation) override;

    // The tabs the window shows: the texts and image indexes.
    virtual int TabTextCount() const = 0;
    virtual std::wstring TabText(int index) const = 0;
    virtual int TabImage(int) const { return -1; }
    // Rebuilds the window's tabs from TabText.
    void UpdateTabs();
    void UpdateTab(int index);
    virtual bool CanChange();
    virtual void Change();
    void Recreate();
    int storedIndex_ = -1; // kept while there is no window

private:
    TTabPosition tabPosition_ = TTabPosition::tpTop;
    bool multiLine_ = false;
    TCustomImageList* images_ = nullptr;
};

class TTabControl : public TCustomTabControl {
    YQ_CLASS(TTabControl, TCustomTabControl)
public:
    explicit TTabControl(TComponent* owner = nullptr);
    TStrings& Tabs() { return tabs_; }

protected:
    int TabTextCount() const override { return tabs_.Count(); }
    std::wstring TabText(int index) const override { return tabs_[index]; }

private:
    TStrings tabs_;
};

} // namespace yq
