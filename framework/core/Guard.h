#pragma once
// The one exception guard of every callback the platform calls: window
// procedures, subclass procedures, timers and hooks.  No C++ exception
// crosses a Win32 frame.  What happens to a caught exception is the
// caller's choice:
// - gpShow: the application object shows it in its error box now (window
//   procedures, timers);
// - gpShowLater: the event loop shows it after the current message, for
//   callers inside which a new window must not appear (window-creation
//   hooks, menu loops);
// - gpDrop: forgotten (skin painting fails silently).
#include <exception>
#include <utility>

namespace yq {

enum class TGuardPolicy { gpShow, gpShowLater, gpDrop };

void ReportGuardedException(std::exception_ptr error, TGuardPolicy policy) noexcept;

// Runs f(); false when it threw (the exception then went the policy's way).
template <class F> bool Guarded(F&& f, TGuardPolicy policy = TGuardPolicy::gpShow) noexcept {
    try {
        std::forward<F>(f)();
        return true;
    } catch (...) {
        ReportGuardedException(std::current_exception(), policy);
        return false;
    }
}

} // namespace yq
