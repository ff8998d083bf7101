// errors_internal.hpp - the common error reporter and the debug log writers (library-internal).
#pragma once

#include <string_view>

// Records the error number in slot 1 and reports it by the debug level. routine is the failing
// routine's public name (internal routines pass names starting with yy/YY/xx/XX).
void yyerror(int number, std::string_view routine);
// Records the error number in slot 1 without reporting it (0 clears the slot).
void yyseterror(int number);
// Slot 2 and what it holds (slot 5: 1 a formatted-I/O status, 2 an OS code), for a failure the
// caller reports next.
void yysetfilestatus(int status, int category);
// Slot 5 alone: what slot 2 holds.
void yyseterrorcategory(int category);
// Slot 3: the OS code of a failing command or service, or a compression status.
void yysetosstatus(int code);

// Debug log writers: one line each, ended by CR LF.
void yydebug(const char* text);
void yydebugc(const char* text);
void yydebugi(const char* name, int value);
void yydebugopen();
// Closes the debug log and forgets that it was opened, so the next line creates it again. For tests.
void yydebugreset();
// The error reporter's own state back to its start: the debug log closed and forgotten, and
// WInfoError's previous answer. Part of yyresetgravim.
void yyreseterrors();

// Delivery of debug levels 3 and 4, installed by the window manager when the root window opens.
// While a hook is missing, level 3 reports nowhere and level 4 acts as a box that could not be
// shown: the report is only recorded and the program goes on.
struct ErrorReportOutputs {
    void (*statusBar)(std::string_view line) = nullptr;  // part 1 of the root window's status bar
    // Shows the "Library Error" box (OK and Cancel) and returns its answer: 1 OK, 0 Cancel, -1
    // when it could not be shown.
    int (*messageBox)(std::string_view text) = nullptr;
    void (*exitProgram)(int code) = nullptr;  // ends the program after Cancel (default std::exit)
};
extern ErrorReportOutputs yyerroroutputs;
// Installs the status bar and message box outputs (the window manager's); the program end stays.
void yyseterroroutputs(void (*statusBar)(std::string_view line), int (*messageBox)(std::string_view text));

// Keeps error slot 1 and the debug level as they were, with reporting off in between: for
// routines that must not report (readers of edit-control texts, re-formatters).
class ErrorSilence {
public:
    ErrorSilence();
    ~ErrorSilence();
    ErrorSilence(const ErrorSilence&) = delete;
    ErrorSilence& operator=(const ErrorSilence&) = delete;

private:
    int savedError_;
    int savedLevel_;
};

// The operating system's message for an error code, NUL-terminated in buffer (at most size
// characters with the NUL, its own line end included); an empty text when it has none.
void yyossystemmessage(int code, char* buffer, int size);

// State and message of the database interface's last failed call (NUL-terminated, empty at
// start); WInfoErrorMessage type 5 reads them.
extern char cSqlState[6];
extern char cSqlMsg[506];
