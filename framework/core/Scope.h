#pragma once
// Scope guards: what a block sets up is undone when the block is left, by
// return or by exception.
//   TScopeExit   runs a callable at the end of the scope;
//   TValueScope  gives a variable a value for the scope and puts the old
//                one back at its end (so nested scopes unwind in order).
#include <type_traits>
#include <utility>

namespace yq {

template <class F> class [[nodiscard]] TScopeExit {
public:
    explicit TScopeExit(F f) : f_(std::move(f)) {}
    ~TScopeExit() { f_(); }
    TScopeExit(const TScopeExit&) = delete;
    TScopeExit& operator=(const TScopeExit&) = delete;

private:
    F f_;
};

template <class T> class [[nodiscard]] TValueScope {
public:
    TValueScope(T& variable, std::type_identity_t<T> value)
        : variable_(variable), saved_(std::exchange(variable, std::move(value))) {}
    ~TValueScope() { variable_ = std::move(saved_); }
    TValueScope(const TValueScope&) = delete;
    TValueScope& operator=(const TValueScope&) = delete;

private:
    T& variable_;
    T saved_;
};

} // namespace yq
