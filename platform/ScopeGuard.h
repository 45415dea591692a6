#pragma once

#include <type_traits>
#include <utility>

namespace zt {

// Runs f when the scope ends, however it ends:  auto g = ScopeExit([&] { ... });
// f must not throw: it may run while an error passes through.
template <class F> class ScopeExit {
public:
    explicit ScopeExit(F f) noexcept(std::is_nothrow_move_constructible_v<F>) : f_(std::move(f)) {}
    ~ScopeExit() { f_(); }
    ScopeExit(const ScopeExit&) = delete;
    ScopeExit& operator=(const ScopeExit&) = delete;

private:
    F f_;
};

// Sets a variable for the scope and restores its old value when the scope ends:
//   TemporaryChange running(inTick, true);
template <class T> class TemporaryChange {
public:
    TemporaryChange(T& variable, T value) : variable_(variable), old_(std::move(variable)) {
        variable_ = std::move(value);
    }
    ~TemporaryChange() { variable_ = std::move(old_); }
    TemporaryChange(const TemporaryChange&) = delete;
    TemporaryChange& operator=(const TemporaryChange&) = delete;

private:
    T& variable_;
    T old_;
};

} // namespace zt
