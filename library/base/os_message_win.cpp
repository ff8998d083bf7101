// os_message_win.cpp - the operating system's text for an error code (Windows).
#include <windows.h>

#include "base/errors_internal.hpp"

void yyossystemmessage(int code, char* buffer, int size) {
    buffer[0] = '\0';
    DWORD n = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                             static_cast<DWORD>(code), LANG_USER_DEFAULT, buffer,
                             static_cast<DWORD>(size), nullptr);
    if (n == 0) buffer[0] = '\0';
}
