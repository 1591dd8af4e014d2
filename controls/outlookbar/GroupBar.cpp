// TCustomDCGroupBar: settings, groups joining and leaving, geometry.
#include "GroupBar.h"

#include "OutBarErrors.h"
#include "OutBarGroup.h"
#include "OutBarGroupEdit.h"
#include "Scope.h"

#include <algorithm>
#include <cstdlib>

namespace yq {

YQ_PUBLISHED(TCustomDCGroupBar, TCustomControl) {}

YQ_PUBLISHED(TDCGroupBar, TCustomDCGroupBar) {
    using B = TDCGroupBar;
    r.Int<int, int>("ActiveGroupIndex", &B::ActiveGroupIndex, &B::SetActiveGroupIndex);
    r.Enum<TBorderStyle, TBorderStyle>("BorderStyle", &B::BorderStyle, &B::SetBorderStyle,
                                       {"bsNone", "bsSingle"});
    r.Bool("FlatGroups", &B::FlatGroups, &B::SetFlatGroups);
    r.Bool("HotTrack", &B::HotTrack, &B::SetHotTrack);
    r.Int<int, int>("ButtonSpace", &B::ButtonSpace, &B::SetButtonSpace);
    r.Int<TColor, TColor>("HotColor", &B::HotColor, &B::SetHotColor);
    r.Int<int, int>("Frequency", &B::Frequency, &B::SetFrequency);
    r.Int<TColor, TColor>("ButtonSpaceColor", &B::ButtonSpaceColor, &B::SetButtonSpaceColor);
    r.Bool("Ctl3D", &B::Ctl3D, &B::SetCtl3D);
    r.WStr<const std::wstring&, const std::wstring&>("Version", &B::Version, &B::SetVersion);
}

TCustomDCGroupBar::TCustomDCGroupBar(TComponent* owner) : TCustomControl(owner) {
    ControlStyle |= csOpaque;
    SetDoubleBuffered(true);
    SetBounds(0, 0, 150, 200);
    hoverTimer_ = new TTimer(this, false);
    hoverTimer_->SetInterval(kHoverInterval);
    hoverTimer_->OnTimer = [this](TComponent*) { HoverTick(); };
    dragOverTimer_ = new TTimer(this, false);
    dragOverTimer_->SetInterval(kDragOverInterval);
    dragOverTimer_->OnTimer = [this](TComponent*) { DragOverTick(); };
    editor_ = new TDCOutBarGroupEdit(this);
    editor_->SetParent(this);
}

// The groups leave without the switching rules and go with the bar.
TCustomDCGroupBar::~TCustomDCGroupBar() {
    MarkDestroying();
    while (!groups_.empty()) {
        TDCOutBarGroup* group = groups_.back();
        groups_.pop_back();
        group->bar_ = nullptr;
        delete group;
    }
    activeIndex_ = -1;
}

TDCOutBarGroup* TCustomDCGroupBar::Groups(int index) const {
    if (index < 0 || index >= GroupCount()) throw EListError(index);
    return groups_[size_t(index)];
}

int TCustomDCGroupBar::IndexOfGroup(const TDCOutBarGroup* group) const {
    auto it = std::find(groups_.begin(), groups_.end(), group);
    return it == groups_.end() ? -1 : int(it - groups_.begin());
}

TDCOutBarGroup* TCustomDCGroupBar::ActiveGroup() const {
    return activeIndex_ >= 0 && activeIndex_ < GroupCount() ? groups_[size_t(activeIndex_)] : nullptr;
}

// ---- settings ---------------------------------------------------------------

void TCustomDCGroupBar::SetBorderStyle(TBorderStyle style) {
    if (style == borderStyle_) return;
    borderStyle_ = style;
    RealignGroups();
    Invalidate();
}

void TCustomDCGroupBar::SetCtl3D(bool ctl3D) {
    if (ctl3D == ctl3D_) return;
    ctl3D_ = ctl3D;
    RealignGroups();
}

void TCustomDCGroupBar::SetFlatGroups(bool flat) {
    if (flat == flatGroups_) return;
    flatGroups_ = flat;
    Invalidate();
}

void TCustomDCGroupBar::SetHotTrack(bool hotTrack) {
    if (hotTrack == hotTrack_) return;
    hotTrack_ = hotTrack;
    Invalidate();
}

void TCustomDCGroupBar::SetButtonSpace(int space) {
    if (space < 0) throw EInvalidProperty();
    if (space == buttonSpace_) return;
    buttonSpace_ = space;
    RealignGroups();
}

void TCustomDCGroupBar::SetButtonSpaceColor(TColor color) {
    if (color == buttonSpaceColor_) return;
    buttonSpaceColor_ = color;
    Invalidate();
}

void TCustomDCGroupBar::SetHotColor(TColor color) {
    if (color == hotColor_) return;
    hotColor_ = color;
    Invalidate();
}

void TCustomDCGroupBar::SetFrequency(int frequency) {
    if (frequency >= 0) frequency_ = frequency;
}

void TCustomDCGroupBar::Resize() {
    RealignGroups();
    TCustomControl::Resize();
}

void TCustomDCGroupBar::CMFontChanged(TMessage& message) {
    TCustomControl::CMFontChanged(message);
    RealignGroups();
}

void TCustomDCGroupBar::CreateParamsFor(CreateParams& params) {
    TCustomControl::CreateParamsFor(params);
    // A fast second click is a second single click on a caption.
    params.classStyle &= ~UINT(CS_DBLCLKS);
}

void TCustomDCGroupBar::Loaded() {
    TCustomControl::Loaded();
    if (pendingIndex_ != activeIndex_ && pendingIndex_ >= 0) {
        TValueScope loading(fromLoading_, true);
        SetActiveGroupIndex(pendingIndex_);
    }
    pendingIndex_ = -1;
}

// ---- events -----------------------------------------------------------------

bool TCustomDCGroupBar::DoGroupDraw(TDCOutBarGroup* group, const RECT& rect) {
    bool ownerDraw = false;
    if (OnGroupDraw) OnGroupDraw(this, group, rect, ownerDraw);
    return ownerDraw;
}

void TCustomDCGroupBar::DoGroupCaptionChanged(TDCOutBarGroup* group) {
    if (OnGroupCaptionChanged) OnGroupCaptionChanged(this, group);
}

bool TCustomDCGroupBar::DoGroupCaptionChanging(TDCOutBarGroup* group, const std::wstring& newCaption) {
    bool canChange = true;
    if (OnGroupCaptionChanging) OnGroupCaptionChanging(this, group, newCaption, canChange);
    return canChange;
}

void TCustomDCGroupBar::DoChange() {
    if (OnChange) OnChange(this);
}

bool TCustomDCGroupBar::DoChanging(TDCOutBarGroup* newGroup) {
    bool allow = true;
    if (OnChanging) OnChanging(this, newGroup, allow);
    return allow;
}

// ---- groups -----------------------------------------------------------------

std::wstring TCustomDCGroupBar::DefaultCaption() const {
    const std::wstring base = L"New Group";
    auto used = [&](const std::wstring& caption) {
        return std::any_of(groups_.begin(), groups_.end(),
                           [&](const TDCOutBarGroup* g) { return g->Caption() == caption; });
    };
    std::wstring caption = base;
    for (int n = 1; used(caption); ++n)
        caption = base + std::to_wstring(n);
    return caption;
}

TDCOutBarGroup* TCustomDCGroupBar::AddGroup() {
    auto* group = new TDCOutBarGroup(Owner());
    group->SetCaption(DefaultCaption());
    group->bar_ = this;
    group->TCustomControl::SetParent(this);
    AttachGroup(group, false);
    if (activeIndex_ < 0) SetActiveGroupIndex(0);
    return group;
}

void TCustomDCGroupBar::AttachGroup(TDCOutBarGroup* group, bool open) {
    groups_.push_back(group);
    if (open) SetActiveGroupIndex(GroupCount() - 1);
    RealignGroups();
}

// The bar opens a neighbour before a group leaves, so that an open group
// remains while groups are left.
void TCustomDCGroupBar::DetachGroup(TDCOutBarGroup* group) {
    const int index = IndexOfGroup(group);
    if (index < 0) return;
    if (editor_ && editor_->GroupIndex() == index) HideCaptionEditor();
    const bool ending = Destroying() || (Owner() && Owner()->Destroying());
    if (ending || GroupCount() < 2) {
        activeIndex_ = -1;
        Invalidate();
    } else {
        const int neighbour = index < GroupCount() - 1 ? index + 1 : index - 1;
        SetActiveGroupIndex(neighbour);
        DoChange();
        if (activeIndex_ == index)
            activeIndex_ = -1; // the switch was refused
        else if (index < activeIndex_)
            --activeIndex_;
    }
    groups_.erase(groups_.begin() + index);
    if (hotIndex_ >= GroupCount()) hotIndex_ = -1;
    pressedIndex_ = -1;
    if (!ending) RealignGroups();
}

void TCustomDCGroupBar::MoveGroup(TDCOutBarGroup* group, int index) {
    const int from = IndexOfGroup(group);
    if (from < 0) return;
    const int to = std::clamp(index, 0, GroupCount() - 1);
    if (to == from) return;
    groups_.erase(groups_.begin() + from);
    groups_.insert(groups_.begin() + to, group);
    // The open group stays the open one.
    if (from == activeIndex_)
        activeIndex_ = to;
    else if (from < activeIndex_ && to >= activeIndex_)
        --activeIndex_;
    else if (from > activeIndex_ && to <= activeIndex_ && activeIndex_ >= 0)
        ++activeIndex_;
    RealignGroups();
    Invalidate();
}

// ---- geometry ---------------------------------------------------------------

int TCustomDCGroupBar::CaptionSlotHeight(int index) const {
    if (index < 0 || index >= GroupCount()) return 0;
    const TDCOutBarGroup* g = groups_[size_t(index)];
    const int caption = g->CaptionAutoSize() ? 2 * std::abs(g->Font().Height()) : g->CaptionHeight();
    return caption + buttonSpace_;
}

RECT TCustomDCGroupBar::InnerArea() const {
    RECT r = ClientRect();
    if (borderStyle_ == TBorderStyle::bsSingle) InflateRect(&r, -1, -1);
    return r;
}

RECT TCustomDCGroupBar::ContentArea() const {
    RECT r = InnerArea();
    const int n = GroupCount(), a = activeIndex_;
    if (n == 0 || a < 0) return r;
    for (int i = 0; i <= a; ++i)
        r.top += CaptionSlotHeight(i);
    r.top -= buttonSpace_;
    for (int i = a + 1; i < n; ++i)
        r.bottom -= CaptionSlotHeight(i);
    if (a < n - 1) r.bottom += buttonSpace_;
    return r;
}

RECT TCustomDCGroupBar::CaptionRect(int index) const {
    if (index < 0 || index >= GroupCount()) throw EListError(index);
    RECT r = InnerArea();
    const int a = activeIndex_;
    if (a < 0 || index <= a) {
        for (int i = 0; i < index; ++i)
            r.top += CaptionSlotHeight(i);
        r.bottom = r.top + CaptionSlotHeight(index) - buttonSpace_;
    } else {
        for (int i = index + 1; i < GroupCount(); ++i)
            r.bottom -= CaptionSlotHeight(i);
        r.top = r.bottom + buttonSpace_ - CaptionSlotHeight(index);
    }
    return r;
}

int TCustomDCGroupBar::GetGroupAt(int x, int y) const {
    const int n = GroupCount(), a = activeIndex_;
    if (n < 2) return -1;
    const RECT inner = InnerArea(), content = ContentArea();
    if (x < inner.left || x > inner.right) return -1;
    if (inner.top < y && y < content.top) {
        int d = y - inner.top;
        for (int i = 0; i <= a; ++i)
            if ((d -= CaptionSlotHeight(i)) <= 0) return i;
    } else if (content.bottom < y && y < inner.bottom - 1) {
        int d = y - content.bottom;
        for (int i = a + 1; i < n; ++i)
            if ((d -= CaptionSlotHeight(i)) <= 0) return i;
    }
    return -1;
}

void TCustomDCGroupBar::RealignGroups() {
    if (Destroying()) return;
    if (TDCOutBarGroup* open = ActiveGroup()) open->PlaceWindow(ContentArea());
    Invalidate();
}

} // namespace yq
