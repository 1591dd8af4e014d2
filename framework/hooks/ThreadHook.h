#pragma once
// TThreadHook: a hook of the GUI thread (WH_CBT, WH_MSGFILTER, the keyboard
// hook ...) for as long as the object lives.
//
// The hooks of one kind made here share one platform hook: the newest sees
// a call first and passes it on with CallNext (usually: always, before or
// after looking at it); the oldest passes it to the platform's next hook.
// They may be removed in any order, also from inside a call.  Calls with a
// negative code go straight on, as the platform asks.  An exception thrown
// by a procedure goes to the guard (default: shown after the current
// message, since a window opened inside a creation hook would re-enter it);
// the call then goes on unless it had been passed on already.  A hook that
// outlives its thread's exit (one held by an object of static lifetime) is
// detached then: its platform hook is gone and destroying it does nothing.
#include "Guard.h"

#include <functional>

#include <windows.h>

namespace yq {

namespace detail {
struct THookKindChain;
}

class TThreadHook {
public:
    struct TCall {
        int code;
        WPARAM wParam;
        LPARAM lParam;
    };
    using TProc = std::function<LRESULT(const TCall& call)>;

    // kind: WH_CBT, WH_MSGFILTER, WH_KEYBOARD, WH_MOUSE, WH_GETMESSAGE,
    // WH_CALLWNDPROC or WH_CALLWNDPROCRET; others throw
    // std::invalid_argument.
    TThreadHook(int kind, TProc proc, TGuardPolicy policy = TGuardPolicy::gpShowLater);
    ~TThreadHook();
    TThreadHook(const TThreadHook&) = delete;
    TThreadHook& operator=(const TThreadHook&) = delete;

    int Kind() const { return kind_; }
    // The next hook of this kind (ours, then the platform's); its answer.
    LRESULT CallNext(const TCall& call);

private:
    struct TFrame;
    friend struct detail::THookKindChain;
    LRESULT Dispatch(const TCall& call);

    int kind_;
    TProc proc_;
    TGuardPolicy policy_;
    detail::THookKindChain* chain_ = nullptr;
    TFrame* frame_ = nullptr;
};

} // namespace yq
