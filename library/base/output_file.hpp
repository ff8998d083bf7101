// output_file.hpp - the buffered output file: units that the hardcopy file drivers and the image
// writers write through, CR LF lines, direct handle writes, and print commands (library-internal).
#pragma once

#include <string_view>

#include "base/text.hpp"

// Every writer in the library uses this unit.
constexpr int hardcopyUnit = 2;

// Opens the graphics operand text (the output name) for writing as the unit's file: created, or
// truncated when it exists. Reports error 1 under "YYPROU" and sets the output error flag when
// the name is blank or the file cannot be created; a good open clears the flag.
void yyprop(int unit);
// As yyprop with the name given; the name may fill its text with no blank to end it.
void yyprop(int unit, TextRef name);
// Writes count bytes to the unit (error 2 under "YYPROU" when they cannot all be written).
void yyprou(int unit, const char* bytes, int count);
// Writes the first length characters of text and CR LF.
void yyprwl(int unit, const char* text, int length);
inline void yyprwl(int unit, std::string_view text) {
    yyprwl(unit, text.data(), static_cast<int>(text.size()));
}
// The unit's operating-system handle, everything written to the unit so far flushed to it.
void yyprfh(int unit, int& handle);
// Writes count bytes to a handle, then CR LF when newline is non-zero (error 2 under "YYPRBU").
void yyprbu(int handle, const char* bytes, int count, int newline);
// Closes the unit's file; what is still buffered is written first. A failure of that write or of
// the close is reported as a failed write (error 2 under "YYPROU", the output error flag set).
void yyprcl(int unit);
// Closes every unit still open.
void yyprclall();
// Sets the output error flag (gravim.hardcopy.hardcopyOutputError, which the units own) without a
// report: a writer that could not go on (no buffer, a direct write that failed).
void yyoutputfailed();

// Runs a print command through the system command interpreter, hidden, and waits for it; a
// command that cannot be started or waited for gives error 13 under "YYPRNCMD".
void yyprncmd(std::string_view command);
