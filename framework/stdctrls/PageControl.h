#pragma once
// TPageControl and TTabSheet: a tab control whose tabs are its pages.
// A page joins with SetPageControl (or by taking the page control as its
// parent); its Caption is its tab's text.  Only ActivePage shows; a page
// with TabVisible false keeps no tab.  Choosing a tab activates its page,
// and so do Ctrl+Tab / Ctrl+Shift+Tab while the focus is in the control.
#include "TabControl.h"

#include <vector>

namespace yq {

class TPageControl;

class TTabSheet : public TWinControl {
    YQ_CLASS(TTabSheet, TWinControl)
public:
    explicit TTabSheet(TComponent* owner = nullptr);
    ~TTabSheet() override;

    TPageControl* PageControl() const { return pageControl_; }
    void SetPageControl(TPageControl* pageControl);
    // Position among the page control's pages.
    int PageIndex() const;
    void SetPageIndex(int index);
    // Position among the visible tabs, or -1.
    int TabIndex() const;
    bool TabVisible() const { return tabVisible_; }
    void SetTabVisible(bool visible);
    int ImageIndex() const { return imageIndex_; }
    void SetImageIndex(int index);
    void SetParent(TWinControl* parent) override;

protected:
    void CMTextChanged(TMessage& message) override;

private:
    friend class TPageControl;
    TPageControl* pageControl_ = nullptr;
    bool tabVisible_ = true;
    int imageIndex_ = -1;
};

class TPageControl : public TCustomTabControl {
    YQ_CLASS(TPageControl, TCustomTabControl)
public:
    explicit TPageControl(TComponent* owner = nullptr);
    ~TPageControl() override;

    int PageCount() const { return int(pages_.size()); }
    TTabSheet* Pages(int index) const { return pages_.at(size_t(index)); }
    TTabSheet* ActivePage() const { return activePage_; }
    void SetActivePage(TTabSheet* page);
    int ActivePageIndex() const;
    void SetActivePageIndex(int index);
    // The next (or previous) page with a tab after `current`, wrapping.
    TTabSheet* FindNextPage(TTabSheet* current, bool forward) const;
    void SelectNextPage(bool forward);

protected:
    int TabTextCount() const override;
    std::wstring TabText(int index) const override;
    int TabImage(int index) const override;
    void Change() override;
    // Ctrl+Tab and Ctrl+Shift+Tab turn the pages while the focus is inside.
    void CMDialogKey(TMessage& message) override;

private:
    friend class TTabSheet;
    void InsertPage(TTabSheet* page);
    void RemovePage(TTabSheet* page);
    void PagesChanged();
    TTabSheet* TabPage(int tabIndex) const;
    std::vector<TTabSheet*> pages_;
    TTabSheet* activePage_ = nullptr;
};

} // namespace yq
