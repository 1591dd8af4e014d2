#include "ThreadHook.h"

#include <algorithm>
#include <array>
#include <memory>
#include <stdexcept>
#include <vector>

namespace yq {

namespace detail {

// The platform hook of one kind on this thread and our hooks on it.
struct THookKindChain {
    using TCall = TThreadHook::TCall;
    int kind;
    HHOOK handle = nullptr;
    std::vector<TThreadHook*> links; // oldest first
    int running = 0;

    // The thread's chains go at its exit, before objects of static
    // lifetime that may still hold hooks: those are detached.
    ~THookKindChain() {
        for (TThreadHook* link : links)
            link->chain_ = nullptr;
        if (handle) UnhookWindowsHookEx(handle);
    }
    THookKindChain(const THookKindChain&) = delete;
    THookKindChain& operator=(const THookKindChain&) = delete;
    explicit THookKindChain(int k) : kind(k) {}

    LRESULT CallBelow(const TThreadHook* link, const TCall& call) {
        auto it = std::find(links.begin(), links.end(), link);
        if (it != links.end() && it != links.begin()) return (*(it - 1))->Dispatch(call);
        return CallNextHookEx(handle, call.code, call.wParam, call.lParam);
    }
    LRESULT Run(const TCall& call) {
        if (call.code < 0 || links.empty())
            return CallNextHookEx(handle, call.code, call.wParam, call.lParam);
        return links.back()->Dispatch(call);
    }
    void ReleaseIfIdle() {
        if (running > 0 || !links.empty() || !handle) return;
        UnhookWindowsHookEx(handle);
        handle = nullptr;
    }
    LRESULT Enter(const TCall& call) {
        ++running;
        LRESULT result = Run(call);
        --running;
        ReleaseIfIdle();
        return result;
    }
};

} // namespace detail

using detail::THookKindChain;

struct TThreadHook::TFrame {
    TFrame* outer;
    bool passed = false;
    bool destroyed = false;
    LRESULT next = 0;
};

namespace {

constexpr std::array<int, 7> kKinds = {WH_MSGFILTER, WH_KEYBOARD,       WH_GETMESSAGE, WH_CALLWNDPROC,
                                       WH_CBT,       WH_CALLWNDPROCRET, WH_MOUSE};

} // namespace

// One chain per kind and thread: the platform calls a hook procedure
// without any data of ours.
static thread_local std::array<std::unique_ptr<THookKindChain>, kKinds.size()> tChains;

namespace {

size_t KindIndex(int kind) {
    auto it = std::find(kKinds.begin(), kKinds.end(), kind);
    if (it == kKinds.end()) throw std::invalid_argument("Unsupported hook kind");
    return size_t(it - kKinds.begin());
}

template <size_t I> LRESULT CALLBACK KindProc(int code, WPARAM wp, LPARAM lp) {
    THookKindChain* chain = tChains[I].get();
    if (!chain) return CallNextHookEx(nullptr, code, wp, lp);
    return chain->Enter({code, wp, lp});
}

HOOKPROC ProcFor(size_t index) {
    static constexpr std::array<HOOKPROC, kKinds.size()> procs = {
        &KindProc<0>, &KindProc<1>, &KindProc<2>, &KindProc<3>, &KindProc<4>, &KindProc<5>, &KindProc<6>};
    return procs[index];
}

} // namespace

TThreadHook::TThreadHook(int kind, TProc proc, TGuardPolicy policy)
    : kind_(kind), proc_(std::move(proc)), policy_(policy) {
    size_t index = KindIndex(kind);
    auto& slot = tChains[index];
    if (!slot) slot = std::make_unique<THookKindChain>(kind);
    if (!slot->handle) {
        slot->handle = SetWindowsHookExW(kind, ProcFor(index), nullptr, GetCurrentThreadId());
        if (!slot->handle) throw std::runtime_error("Cannot install the hook");
    }
    slot->links.push_back(this);
    chain_ = slot.get();
}

TThreadHook::~TThreadHook() {
    for (TFrame* f = frame_; f; f = f->outer)
        f->destroyed = true;
    if (!chain_) return;
    chain_->links.erase(std::find(chain_->links.begin(), chain_->links.end(), this));
    chain_->ReleaseIfIdle();
}

LRESULT TThreadHook::Dispatch(const TCall& call) {
    TFrame frame{frame_};
    frame_ = &frame;
    THookKindChain* chain = chain_;
    LRESULT result = 0;
    bool ok = Guarded([&] { result = proc_(call); }, policy_);
    if (!frame.destroyed) frame_ = frame.outer;
    if (ok) return result;
    if (frame.passed) return frame.next;
    if (frame.destroyed) return CallNextHookEx(chain->handle, call.code, call.wParam, call.lParam);
    return CallNext(call);
}

LRESULT TThreadHook::CallNext(const TCall& call) {
    if (!chain_) return 0;
    LRESULT result = chain_->CallBelow(this, call);
    if (frame_) {
        frame_->passed = true;
        frame_->next = result;
    }
    return result;
}

} // namespace yq
