#pragma once
// TWindowSubclass: takes over the window procedure of a window the
// framework does not own (a message box, a dialog and its buttons, a menu
// window) for as long as the object lives.
//
// All subclasses of one window made here form one chain kept with the
// window: the newest sees a message first and passes it on with
// CallPrevious; the oldest passes it to the procedure the window had when
// the first one came.  Each may be given back in any order without the
// others noticing.  When the last one goes, the window gets its old
// procedure back, unless something else subclassed it on top meanwhile:
// then the chain stays in place, passing everything through, until the
// window dies.  (So a subclass made while a foreign one sits on top runs
// below that foreign one.)
//
// WM_NCDESTROY goes down the chain like any message, reaches the window's
// own procedure even if no subclass passed it on, and then ends every
// subclass of the window: Attached() turns false and CallPrevious does
// nothing.
//
// An exception thrown by a procedure goes to the guard (Guard.h, policy
// given at construction); the message then goes on down the chain unless the
// procedure had already passed it on.  A procedure may destroy its own
// subclass object, after which it must not touch it.
#include "Guard.h"
#include "Messages.h"

#include <functional>

namespace yq {

class TWindowSubclass {
public:
    using TProc = std::function<void(TMessage& message)>;
    // Throws std::invalid_argument for a window that does not exist or
    // belongs to another thread.
    TWindowSubclass(HWND window, TProc proc, TGuardPolicy policy = TGuardPolicy::gpShow);
    ~TWindowSubclass();
    TWindowSubclass(const TWindowSubclass&) = delete;
    TWindowSubclass& operator=(const TWindowSubclass&) = delete;

    HWND Handle() const { return window_; }
    bool Attached() const { return chain_ != nullptr; }
    // Hands the message to the next procedure down the chain, unchanged
    // unless the caller changed it, and stores its answer in Result.
    void CallPrevious(TMessage& message);
    LRESULT CallPrevious(UINT msg, WPARAM wp, LPARAM lp);

private:
    struct TChain;
    struct TFrame;
    friend struct TChain;
    void Dispatch(TMessage& message);

    HWND window_;
    TProc proc_;
    TGuardPolicy policy_;
    TChain* chain_ = nullptr;
    TFrame* frame_ = nullptr; // innermost message this subclass is handling
};

} // namespace yq
