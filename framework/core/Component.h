#pragma once
// TComponent: the root of every control and non-visual component.  An owner
// frees the components it owns (in reverse order of insertion) when it is
// destroyed; a component asked for free-notification is told when another
// one it refers to goes away.
#include "TypeInfo.h"

#include <string>
#include <vector>

namespace yq {

enum class TOperation { opInsert, opRemove };

// Component state bits.
enum TComponentStateBits : unsigned {
    csLoading = 1,    // being set up from stored settings; Loaded() ends it
    csDestroying = 2, // its destruction has begun: no repaint, no realign
    csDesigning = 4   // never set in this program; kept for controls that ask
};

class TComponent : public TPersistent {
    YQ_CLASS(TComponent, TPersistent)
public:
    explicit TComponent(TComponent* owner = nullptr);
    ~TComponent() override;
    TComponent(const TComponent&) = delete;
    TComponent& operator=(const TComponent&) = delete;

    TComponent* Owner() const { return owner_; }
    const std::string& Name() const { return name_; }
    void SetName(std::string name) { name_ = std::move(name); }
    std::wstring WideName() const;
    long long Tag = 0;
    long long GetTag() const { return Tag; }
    void SetTag(long long tag) { Tag = tag; }

    int ComponentCount() const { return int(components_.size()); }
    TComponent* Components(int index) const { return components_.at(size_t(index)); }
    TComponent* FindComponent(const std::string& name) const;

    unsigned ComponentState() const { return state_; }
    bool Destroying() const { return (state_ & csDestroying) != 0; }
    bool Loading() const { return (state_ & csLoading) != 0; }
    // Brackets a batch of settings: Loaded() runs once at the end, for this
    // component and every one it owns.
    void BeginLoading();
    void EndLoading();

    // `other` will call Notification(this, opRemove) on us before it dies.
    void FreeNotification(TComponent* other);
    void RemoveFreeNotification(TComponent* other);

protected:
    virtual void Notification(TComponent* component, TOperation operation);
    virtual void Loaded() {}
    // Frees the owned components now.  Derived destructors call it first so
    // that what they own goes while the owner is still whole.
    void DestroyComponents();
    void MarkDestroying() { state_ |= csDestroying; }

private:
    void InsertComponent(TComponent* c);
    void RemoveComponent(TComponent* c);

    TComponent* owner_ = nullptr;
    std::string name_;
    unsigned state_ = 0;
    std::vector<TComponent*> components_;
    std::vector<TComponent*> freeNotifies_;
};

} // namespace yq
