// callback_guard.cpp - the report of a callback that ended by an exception.
#include "base/callback_guard.hpp"

#include "base/errors_internal.hpp"

void yycallbackfailed(std::string_view routine) noexcept {
    try {
        yyerror(CallbackFailedError, routine);
    } catch (...) {
        // An output hook threw while reporting: the number stays in slot 1, nothing else to do.
        yyseterror(CallbackFailedError);
    }
}
