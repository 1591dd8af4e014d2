#include "MessageHook.h"

namespace yq {

TMessageHookChain::~TMessageHookChain() {
    for (TMessageHook* h = top_; h; h = h->below_)
        h->chain_ = nullptr;
}

void TMessageHookChain::Dispatch(TMessage& m) {
    if (top_)
        top_->proc_(m);
    else
        base_(m);
}

TMessageHook::TMessageHook(TMessageHookChain& chain, TProc proc)
    : chain_(&chain), below_(chain.top_), proc_(std::move(proc)) {
    chain.top_ = this;
}

TMessageHook::~TMessageHook() {
    if (!chain_) return;
    // Unlink: whoever points at this hook points past it from now on.
    TMessageHook** link = &chain_->top_;
    while (*link && *link != this)
        link = &(*link)->below_;
    if (*link) *link = below_;
}

void TMessageHook::CallPrevious(TMessage& m) {
    if (!chain_) {
        m.Result = 0;
        return;
    }
    if (below_)
        below_->proc_(m);
    else
        chain_->base_(m);
}

LRESULT TMessageHook::CallPrevious(UINT msg, WPARAM wp, LPARAM lp) {
    TMessage m{msg, wp, lp, 0};
    CallPrevious(m);
    return m.Result;
}

} // namespace yq
