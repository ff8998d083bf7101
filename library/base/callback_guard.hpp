// callback_guard.hpp - the one exception guard of every routine the system calls back (window,
// dialog and subclass procedures, hooks, timer and enumeration callbacks).
#pragma once

#include <string_view>

// Error number a routine called back reports when something it called threw (the system's frames
// cannot pass a C++ exception, so it ends there).
constexpr int CallbackFailedError = 13;

// Reports a callback that ended by an exception: error CallbackFailedError under the callback's
// name through yyerror. Never throws, even when an error output hook does.
void yycallbackfailed(std::string_view routine) noexcept;

// Runs body and returns its result. Whatever body throws is caught and reported under routine,
// and fallback (the system's default answer) runs instead; should fallback throw too, the
// result is a value-initialised one.
template <typename Body, typename Fallback>
auto yyguardcallback(std::string_view routine, Body&& body, Fallback&& fallback) noexcept -> decltype(body()) {
    try {
        return body();
    } catch (...) {
        yycallbackfailed(routine);
    }
    try {
        return fallback();
    } catch (...) {
        return {};
    }
}
