#include "Component.h"

#include "Text.h"

#include <algorithm>

namespace yq {

YQ_PUBLISHED(TComponent, TPersistent) {
    r.WStr("Name", &TComponent::WideName);
    r.Int("Tag", &TComponent::GetTag, &TComponent::SetTag);
}

TComponent::TComponent(TComponent* owner) {
    if (owner) owner->InsertComponent(this);
}

TComponent::~TComponent() {
    MarkDestroying();
    // Tell everyone who asked; they may unregister while we iterate.
    while (!freeNotifies_.empty()) {
        TComponent* other = freeNotifies_.back();
        freeNotifies_.pop_back();
        auto& back = other->freeNotifies_;
        back.erase(std::remove(back.begin(), back.end(), this), back.end());
        other->Notification(this, TOperation::opRemove);
    }
    DestroyComponents();
    if (owner_) owner_->RemoveComponent(this);
}

std::wstring TComponent::WideName() const {
    return Widen(name_);
}

void TComponent::DestroyComponents() {
    MarkDestroying();
    while (!components_.empty()) {
        TComponent* c = components_.back();
        c->MarkDestroying();
        delete c;
    }
}

TComponent* TComponent::FindComponent(const std::string& name) const {
    for (TComponent* c : components_)
        if (c->name_ == name) return c;
    return nullptr;
}

void TComponent::BeginLoading() {
    state_ |= csLoading;
    for (TComponent* c : components_)
        c->BeginLoading();
}

void TComponent::EndLoading() {
    for (TComponent* c : std::vector<TComponent*>(components_))
        c->EndLoading();
    if (!Loading()) return;
    state_ &= ~unsigned(csLoading);
    Loaded();
}

void TComponent::FreeNotification(TComponent* other) {
    if (!other || other == this) return;
    if (std::find(other->freeNotifies_.begin(), other->freeNotifies_.end(), this) ==
        other->freeNotifies_.end())
        other->freeNotifies_.push_back(this);
    if (std::find(freeNotifies_.begin(), freeNotifies_.end(), other) == freeNotifies_.end())
        freeNotifies_.push_back(other);
}

void TComponent::RemoveFreeNotification(TComponent* other) {
    if (!other) return;
    auto drop = [](std::vector<TComponent*>& v, TComponent* c) {
        v.erase(std::remove(v.begin(), v.end(), c), v.end());
    };
    drop(other->freeNotifies_, this);
    drop(freeNotifies_, other);
}

void TComponent::Notification(TComponent* component, TOperation operation) {
    if (operation == TOperation::opRemove)
        for (TComponent* c : std::vector<TComponent*>(components_))
            if (c != component) c->Notification(component, operation);
}

void TComponent::InsertComponent(TComponent* c) {
    c->owner_ = this;
    components_.push_back(c);
    Notification(c, TOperation::opInsert);
}

void TComponent::RemoveComponent(TComponent* c) {
    components_.erase(std::remove(components_.begin(), components_.end(), c), components_.end());
    c->owner_ = nullptr;
    Notification(c, TOperation::opRemove);
}

} // namespace yq
