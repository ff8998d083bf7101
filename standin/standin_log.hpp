// standin_log.hpp - the call log every stand-in of the outside tools appends to.
// One line per call in %QV_TMP%\standin.log, so that tests can check what ran, in order.
#pragma once

// Appends the program name and its arguments, blank-separated, ended by CR LF.
void standinlog(const char* program, int argc, char** argv);
