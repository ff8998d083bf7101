// os_message_posix.cpp - the operating system's text for an error code (native builds).
#include <cstdio>
#include <cstring>

#include "base/errors_internal.hpp"

void yyossystemmessage(int code, char* buffer, int size) {
    std::snprintf(buffer, static_cast<std::size_t>(size), "%s\r\n", std::strerror(code));
}
