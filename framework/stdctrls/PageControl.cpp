#include "PageControl.h"

#include <algorithm>

namespace yq {

YQ_PUBLISHED(TTabSheet, TWinControl) {
    r.Int("PageIndex", &TTabSheet::PageIndex, &TTabSheet::SetPageIndex);
    r.Int("TabIndex", &TTabSheet::TabIndex);
    r.Bool("TabVisible", &TTabSheet::TabVisible, &TTabSheet::SetTabVisible);
    r.Int("ImageIndex", &TTabSheet::ImageIndex, &TTabSheet::SetImageIndex);
}

YQ_PUBLISHED(TPageControl, TCustomTabControl) {
    r.Int("ActivePageIndex", &TPageControl::ActivePageIndex, &TPageControl::SetActivePageIndex);
}

// ---- TTabSheet --------------------------------------------------------------

TTabSheet::TTabSheet(TComponent* owner) : TWinControl(owner) {
    visible_ = false;
    parentColor_ = true;
    SetAlign(TAlign::alClient);
}

TTabSheet::~TTabSheet() {
    if (pageControl_) pageControl_->RemovePage(this);
}

void TTabSheet::SetPageControl(TPageControl* pageControl) {
    SetParent(pageControl);
}

void TTabSheet::SetParent(TWinControl* parent) {
    auto* pc = parent && parent->InheritsFrom("TPageControl") ? static_cast<TPageControl*>(parent) : nullptr;
    if (pageControl_ && pageControl_ != pc) pageControl_->RemovePage(this);
    TWinControl::SetParent(parent);
    if (pc && pc != pageControl_) pc->InsertPage(this);
}

int TTabSheet::PageIndex() const {
    if (!pageControl_) return -1;
    auto& p = pageControl_->pages_;
    return int(std::find(p.begin(), p.end(), this) - p.begin());
}

void TTabSheet::SetPageIndex(int index) {
    if (!pageControl_) return;
    auto& p = pageControl_->pages_;
    index = std::clamp(index, 0, int(p.size()) - 1);
    p.erase(std::find(p.begin(), p.end(), this));
    p.insert(p.begin() + index, this);
    pageControl_->PagesChanged();
}

int TTabSheet::TabIndex() const {
    if (!pageControl_ || !tabVisible_) return -1;
    int n = 0;
    for (TTabSheet* s : pageControl_->pages_) {
        if (s == this) return n;
        n += s->tabVisible_;
    }
    return -1;
}

void TTabSheet::SetTabVisible(bool visible) {
    if (visible == tabVisible_) return;
    tabVisible_ = visible;
    if (pageControl_) pageControl_->PagesChanged();
}

void TTabSheet::SetImageIndex(int index) {
    imageIndex_ = index;
    if (pageControl_) pageControl_->UpdateTab(TabIndex());
}

void TTabSheet::CMTextChanged(TMessage& message) {
    TWinControl::CMTextChanged(message);
    if (pageControl_) pageControl_->UpdateTab(TabIndex());
}

// ---- TPageControl -----------------------------------------------------------

TPageControl::TPageControl(TComponent* owner) : TCustomTabControl(owner) {}

TPageControl::~TPageControl() {
    MarkDestroying();
    for (TTabSheet* s : pages_)
        s->pageControl_ = nullptr;
    pages_.clear();
}

void TPageControl::InsertPage(TTabSheet* page) {
    pages_.push_back(page);
    page->pageControl_ = this;
    PagesChanged();
    if (!activePage_ && page->tabVisible_) SetActivePage(page);
}

void TPageControl::RemovePage(TTabSheet* page) {
    pages_.erase(std::remove(pages_.begin(), pages_.end(), page), pages_.end());
    page->pageControl_ = nullptr;
    if (Destroying()) return;
    if (activePage_ == page) {
        activePage_ = nullptr;
        PagesChanged();
        SetActivePage(FindNextPage(nullptr, true));
        return;
    }
    PagesChanged();
}

void TPageControl::PagesChanged() {
    storedIndex_ = activePage_ ? activePage_->TabIndex() : -1;
    UpdateTabs();
}

int TPageControl::TabTextCount() const {
    return int(std::count_if(pages_.begin(), pages_.end(), [](TTabSheet* s) { return s->tabVisible_; }));
}

TTabSheet* TPageControl::TabPage(int tabIndex) const {
    for (TTabSheet* s : pages_)
        if (s->tabVisible_ && tabIndex-- == 0) return s;
    return nullptr;
}

std::wstring TPageControl::TabText(int index) const {
    TTabSheet* s = TabPage(index);
    return s ? s->Caption() : std::wstring();
}

int TPageControl::TabImage(int index) const {
    TTabSheet* s = TabPage(index);
    return s ? s->imageIndex_ : -1;
}

void TPageControl::SetActivePage(TTabSheet* page) {
    if (page && page->pageControl_ != this) return;
    if (page == activePage_) return;
    TTabSheet* old = activePage_;
    activePage_ = page;
    if (page) page->SetVisible(true);
    if (old) old->SetVisible(false);
    SetTabIndex(page ? page->TabIndex() : -1);
}

int TPageControl::ActivePageIndex() const {
    return activePage_ ? activePage_->PageIndex() : -1;
}

void TPageControl::SetActivePageIndex(int index) {
    SetActivePage(index >= 0 && index < PageCount() ? pages_[size_t(index)] : nullptr);
}

TTabSheet* TPageControl::FindNextPage(TTabSheet* current, bool forward) const {
    int n = PageCount();
    if (n == 0) return nullptr;
    auto it = std::find(pages_.begin(), pages_.end(), current);
    int start = it == pages_.end() ? (forward ? n - 1 : 0) : int(it - pages_.begin());
    for (int step = 1; step <= n; ++step) {
        int i = ((start + (forward ? step : -step)) % n + n) % n;
        if (pages_[size_t(i)]->tabVisible_) return pages_[size_t(i)];
    }
    return nullptr;
}

void TPageControl::SelectNextPage(bool forward) {
    TTabSheet* next = FindNextPage(activePage_, forward);
    if (next && next != activePage_ && CanChange()) {
        SetActivePage(next);
        Change();
    }
}

void TPageControl::CMDialogKey(TMessage& message) {
    bool focusInside = HandleAllocated() && (GetFocus() == Handle() || IsChild(Handle(), GetFocus()));
    if (message.WParam == VK_TAB && GetKeyState(VK_CONTROL) < 0 && focusInside && Enabled()) {
        SelectNextPage(GetKeyState(VK_SHIFT) >= 0);
        message.Result = 1;
        return;
    }
    TCustomTabControl::CMDialogKey(message);
}

void TPageControl::Change() {
    if (TTabSheet* page = TabPage(TabIndex())) SetActivePage(page);
    TCustomTabControl::Change();
}

} // namespace yq
