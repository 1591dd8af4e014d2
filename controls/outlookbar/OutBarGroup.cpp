#include "OutBarGroup.h"

#include "GroupBar.h"
#include "VertListView.h"

namespace yq {

YQ_PUBLISHED(TDCOutBarGroup, TCustomControl) {
    using G = TDCOutBarGroup;
    r.WStr("Caption", &G::Caption, &G::SetCaption);
    r.Enum("CaptionAlignment", &G::CaptionAlignment, &G::SetCaptionAlignment,
           {"taLeftJustify", "taRightJustify", "taCenter"});
    r.Bool("CaptionAutoSize", &G::CaptionAutoSize, &G::SetCaptionAutoSize);
    r.Int("CaptionHeight", &G::CaptionHeight, &G::SetCaptionHeight);
    r.Int("GroupIndex", &G::GroupIndex, &G::SetGroupIndex);
    r.WStr("Version", &G::Version, &G::SetVersion);
}

TDCOutBarGroup::TDCOutBarGroup(TComponent* owner) : TCustomControl(owner) {
    ControlStyle |= csOpaque;
    visible_ = false;
    parentColor_ = true; // a page in the bar's colour unless given its own
}

TDCOutBarGroup::~TDCOutBarGroup() {
    MarkDestroying();
    if (bar_) {
        bar_->HideCaptionEditor();
        bar_->DetachGroup(this);
        bar_ = nullptr;
    }
    // The group's page goes with it, whoever owns the controls on it.
    while (ControlCount() > 0)
        delete Controls(ControlCount() - 1);
}

void TDCOutBarGroup::SetBar(TCustomDCGroupBar* bar) {
    if (bar == bar_) return;
    if (bar_) {
        bar_->DetachGroup(this);
        bar_ = nullptr;
    }
    if (!bar) {
        TCustomControl::SetParent(nullptr);
        return;
    }
    bar_ = bar;
    TCustomControl::SetParent(bar);
    bar->AttachGroup(this, !bar->Loading());
}

void TDCOutBarGroup::SetParent(TWinControl* parent) {
    if (auto* bar = dynamic_cast<TCustomDCGroupBar*>(parent)) {
        SetBar(bar);
        return;
    }
    if (bar_) SetBar(nullptr);
    TCustomControl::SetParent(parent);
}

void TDCOutBarGroup::SetBounds(int, int, int, int) {}

void TDCOutBarGroup::PlaceWindow(const RECT& r) {
    const int w = r.right - r.left, h = r.bottom - r.top;
    if (HandleAllocated()) {
        SetWindowPos(Handle(), nullptr, r.left, r.top, w, h, SWP_NOZORDER | SWP_NOACTIVATE);
        return;
    }
    const bool resized = w != width_ || h != height_;
    left_ = r.left;
    top_ = r.top;
    width_ = w;
    height_ = h;
    if (resized) {
        Realign();
        Resize();
    }
}

void TDCOutBarGroup::RepaintBar() {
    if (bar_) bar_->Invalidate();
}

void TDCOutBarGroup::SetCaption(const std::wstring& caption) {
    if (caption == Caption() || !CanChangeCaption(caption)) return;
    TControl::SetCaption(caption);
    CaptionChanged();
    RepaintBar();
}

void TDCOutBarGroup::CaptionChanged() {
    if (bar_) bar_->DoGroupCaptionChanged(this);
}

bool TDCOutBarGroup::CanChangeCaption(const std::wstring& newCaption) {
    return bar_ ? bar_->DoGroupCaptionChanging(this, newCaption) : true;
}

void TDCOutBarGroup::SetCaptionAlignment(TAlignment alignment) {
    captionAlignment_ = alignment;
    RepaintBar();
}

void TDCOutBarGroup::SetCaptionAutoSize(bool autoSize) {
    captionAutoSize_ = autoSize;
    if (bar_) bar_->RealignGroups();
}

void TDCOutBarGroup::SetCaptionHeight(int height) {
    captionHeight_ = height;
    if (bar_ && !captionAutoSize_) bar_->RealignGroups();
}

int TDCOutBarGroup::GroupIndex() const {
    return bar_ ? bar_->IndexOfGroup(this) : -1;
}

void TDCOutBarGroup::SetGroupIndex(int index) {
    if (bar_) bar_->MoveGroup(this, index);
}

TDCVertListView* TDCOutBarGroup::List() const {
    for (int i = 0; i < ControlCount(); ++i)
        if (auto* list = dynamic_cast<TDCVertListView*>(Controls(i))) return list;
    return nullptr;
}

void TDCOutBarGroup::Paint() {
    Canvas().Brush().SetColor(Color());
    Canvas().FillRect(ClientRect());
}

void TDCOutBarGroup::WndProc(TMessage& message) {
    if (message.Msg == WM_ERASEBKGND) {
        message.Result = 1;
        return;
    }
    if (message.Msg == WM_RBUTTONDOWN && bar_) bar_->HideCaptionEditor();
    TCustomControl::WndProc(message);
}

void TDCOutBarGroup::CMColorChanged(TMessage& message) {
    TCustomControl::CMColorChanged(message);
    RepaintBar();
}

void TDCOutBarGroup::CMEnabledChanged(TMessage& message) {
    TCustomControl::CMEnabledChanged(message);
    if (bar_) bar_->RedrawCaption(GroupIndex());
}

void TDCOutBarGroup::CMFontChanged(TMessage& message) {
    TCustomControl::CMFontChanged(message);
    if (bar_) bar_->RealignGroups();
}

// A group shown from outside becomes the open one.
void TDCOutBarGroup::CMVisibleChanged(TMessage& message) {
    TCustomControl::CMVisibleChanged(message);
    if (Visible() && bar_ && !Destroying() && bar_->ActiveGroupIndex() != GroupIndex())
        bar_->SetActiveGroupIndex(GroupIndex());
}

} // namespace yq
