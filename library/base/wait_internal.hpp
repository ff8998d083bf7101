// wait_internal.hpp - the timed wait behind IOsWait (library-internal).
#pragma once

// Waits hundredths of a second while every window message is translated and dispatched.
void yywait(int hundredths);
