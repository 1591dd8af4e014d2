#pragma once
// TDCOutBarGroup: one group of a group bar, a hidden-by-default container
// whose place and size only its bar sets (its own bounds setter does
// nothing).  It paints its client area in its Color; in an outlook bar it
// holds one item list, its first child list.
#include "CustomControl.h"
#include "OutBarTypes.h"

#include <string>

namespace yq {

class TCustomDCGroupBar;
class TDCVertListView;

class TDCOutBarGroup : public TCustomControl {
    YQ_CLASS(TDCOutBarGroup, TCustomControl)
public:
    static constexpr int kDefaultCaptionHeight = 20;

    explicit TDCOutBarGroup(TComponent* owner = nullptr);
    // Leaves its bar (which opens a neighbour first) and frees its controls.
    ~TDCOutBarGroup() override;

    TCustomDCGroupBar* Bar() const { return bar_; }
    // Joins `bar` at the end of its groups (leaving any other bar) and,
    // unless the bar is loading, opens; nullptr only leaves.
    void SetBar(TCustomDCGroupBar* bar);
    void SetParent(TWinControl* parent) override;

    // The caption changes only when CanChangeCaption agrees.
    const std::wstring& Caption() const { return TControl::Caption(); }
    void SetCaption(const std::wstring& caption);
    TAlignment CaptionAlignment() const { return captionAlignment_; }
    void SetCaptionAlignment(TAlignment alignment);
    bool CaptionAutoSize() const { return captionAutoSize_; }
    void SetCaptionAutoSize(bool autoSize);
    int CaptionHeight() const { return captionHeight_; }
    void SetCaptionHeight(int height);
    // The group's place among its bar's groups; moving it keeps the open
    // group open.
    int GroupIndex() const;
    void SetGroupIndex(int index);
    const std::wstring& Version() const { return version_; }
    void SetVersion(const std::wstring& version) { version_ = version; }

    // The group's item list: its first child list.
    TDCVertListView* List() const;

    void SetBounds(int left, int top, int width, int height) override;

protected:
    virtual void CaptionChanged();
    virtual bool CanChangeCaption(const std::wstring& newCaption);

    void Paint() override;
    void WndProc(TMessage& message) override;
    void CMColorChanged(TMessage& message) override;
    void CMEnabledChanged(TMessage& message) override;
    void CMFontChanged(TMessage& message) override;
    void CMVisibleChanged(TMessage& message) override;

private:
    friend class TCustomDCGroupBar;
    // The bar moves the window straight to `r`.
    void PlaceWindow(const RECT& r);
    void RepaintBar();

    TCustomDCGroupBar* bar_ = nullptr;
    TAlignment captionAlignment_ = TAlignment::taCenter;
    bool captionAutoSize_ = true;
    int captionHeight_ = kDefaultCaptionHeight;
    std::wstring version_;
};

} // namespace yq
