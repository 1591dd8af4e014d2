#pragma once
// Ordered hooks on a message method (a control's WindowProc, a menu's
// owner messages).  Each party takes the method over with a TMessageHook
// and gives it back by destroying it: the newest hook sees a message first
// and passes it on with CallPrevious, the oldest hands it to the method's
// own handling.  Hooks may be given back in any order; the others keep
// their place.  When the chain's owner goes first, its hooks are detached
// (Attached() false) and their destruction does nothing.
//
// A hook procedure may destroy its own hook, after which it must not touch
// it; a message it passed on before that has been handled below.
#include "Messages.h"

#include <functional>

namespace yq {

using TWndMethod = std::function<void(TMessage&)>;

class TMessageHook;

class TMessageHookChain {
public:
    // `base` handles what the hooks pass on.
    explicit TMessageHookChain(TWndMethod base) : base_(std::move(base)) {}
    ~TMessageHookChain();
    TMessageHookChain(const TMessageHookChain&) = delete;
    TMessageHookChain& operator=(const TMessageHookChain&) = delete;

    // Runs the message through the hooks, newest first, then the base.
    void Dispatch(TMessage& message);
    bool Empty() const { return top_ == nullptr; }

private:
    friend class TMessageHook;
    TMessageHook* top_ = nullptr;
    TWndMethod base_;
};

class TMessageHook {
public:
    using TProc = std::function<void(TMessage& message)>;
    TMessageHook(TMessageHookChain& chain, TProc proc);
    ~TMessageHook();
    TMessageHook(const TMessageHook&) = delete;
    TMessageHook& operator=(const TMessageHook&) = delete;

    bool Attached() const { return chain_ != nullptr; }
    // The next hook down the chain, or the method's own handling.
    void CallPrevious(TMessage& message);
    LRESULT CallPrevious(UINT msg, WPARAM wp = 0, LPARAM lp = 0);

private:
    friend class TMessageHookChain;
    TMessageHookChain* chain_;
    TMessageHook* below_;
    TProc proc_;
};

} // namespace yq
