// wait_internal.hpp - the timed wait behind IOsWait (library-internal).
#pragma once

// Waits hundredths of a second while every window message is translated and dispatched.
void yywait(int hundredths);
// Ends the timed wait: its loop stops at the next message (its timer arrived, or the root window
// opened or closed). The wait owns gravim.events.TimerEnabled; others read it or call this.
void yyendwait();
