#pragma once

// The boundary where Qt calls into the program: every event, menu command
// and control handler runs through Guarded, so an exception never unwinds
// through Qt. It is reported once and the event loop goes on.

#include "Runtime.h"

#include <exception>
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
