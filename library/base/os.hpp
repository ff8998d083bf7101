// os.hpp - operating-system services: environment, date and time, registry, files and
// directories, running programs, waiting and ending the program (public routines).
#pragma once

#include <optional>
#include <string_view>

#include "base/text.hpp"

// The environment variable's value, blank-padded; blank when unset. Too long: 1023, blank.
void IOsVariable(std::string_view name, TextRef value);
// Sets the variable in this process's environment (inherited by programs started later) to the
// value without trailing blanks; without a value, to an empty value.
void IOsVariablePut(std::string_view name, std::optional<std::string_view> value = std::nullopt);

void IOsDate(int& year, int& month, int& day);
// Local time; milliseconds (0..999), when given, receives the milliseconds.
void IOsTime(int& hour, int& minute, int& second, int* milliseconds = nullptr);

// Reads one registry value: keyPath is "ROOT\sub\key"; valueName absent reads the default value.
// type: registry type, -1 key not opened, -2 value not read; length: bytes (characters for
// strings). Errors: 1050 bad root or no backslash, 1023 value longer than the text.
void IOsRegistryGet(std::string_view keyPath, TextRef* value = nullptr,
                    std::optional<std::string_view> valueName = std::nullopt, int* type = nullptr,
                    int* length = nullptr);

// Items 1..count (count below 1 counts as 1) of the first file matching name: 1 size (-1 when
// none matches; the others then stay as they were), 2..7 year, month, day, hour, minute, second
// of the last change in local time, 8 attribute bits, 9 size in kilobytes rounded up.
void IOsFileInfo(std::string_view name, int* info, int count);

// Argument n of the program's command line (0: the program's own path), cut or blank-padded to
// the text; blank when there is no such argument or n is below 0. Blanks separate arguments; an
// argument that begins with a double quote runs to the next one and comes without the quotes.
void IOsArgument(int n, TextRef argument);

bool IOsDirExists(std::string_view directory);
void IOsDirMake(std::string_view directory);
// The current directory, blank-padded. Too long: 1023, blank; failure: 13, blank.
void IOsDirName(TextRef directory);
// Deletes every file matching the name or wildcard pattern; each failure reports 13.
void IOsDeleteFile(std::string_view pattern);
// Copies a file, or every file matching a wildcard, onto the target file or into the target
// directory, overwriting. Same source and target: 55; failures: 13.
void IOsCopyFile(std::string_view source, std::string_view target);

// Shows a stop box "Abnormal exit (code N) : message" unless the message is blank, then ends the
// process with the code.
[[noreturn]] void IOsExitProgram(std::string_view message, int code);

// IOsCommand flags.
constexpr int commandHidden = 1;  // start with a hidden window
constexpr int commandWait = 2;    // wait for the program to end

// Starts a command line in a new console. With commandWait it waits: up to timeoutSeconds when
// that is 0 or more (1034 when it runs on), else until the end while only repaints are served.
// A start or wait failure reports 13 with the system's code in error slot 3.
void IOsCommand(std::string_view command, int flags = 0, int timeoutSeconds = -1);
// Closes every window and replaces this program by another one (never returns once started).
void IOsExecute(std::string_view command);
// Waits hundredths of a second while window messages are served.
void IOsWait(int hundredths);
