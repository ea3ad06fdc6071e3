#pragma once

// The boundary where Qt calls into the program: every event, menu command
// and control handler runs through Guarded, so an exception never unwinds
// through Qt. It is reported once and the event loop goes on.

#include "Runtime.h"

#include <exception>
#include <functional>
#include <type_traits>

template <class F> auto Guarded(F&& call) -> std::invoke_result_t<F> {
    using Result = std::invoke_result_t<F>;
    try {
        return call();
    } catch (const std::exception& error) {
        UnhandledException(error);
    } catch (...) {
        UnhandledException(std::string("an exception of unknown type"));
    }
    if constexpr (!std::is_void_v<Result>) {
        return Result{};
    }
}

// Runs an attached handler, if there is one, through Guarded. It runs a
// copy, so a handler that replaces itself while it runs stays whole.
inline void GuardedHandler(const std::function<void()>& handler) {
    if (handler) {
        Guarded(std::function<void()>(handler));
    }
}
