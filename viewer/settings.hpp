// settings.hpp - the settings file %USERPROFILE%\quorvalerc1 and the checks of typed folders.
// Four CR LF lines: a comment, "QV_DIR=" folder, "QV_TMP=" folder, "GS=" yes or "no ".
#pragma once

#include <cstdio>
#include <string>
#include <string_view>

#include "base/text.hpp"

constexpr std::string_view SettingsName = "\\quorvalerc1";

// value := the text after the first "=" of line, up to the line's used length (len_trimback,
// so nothing for a line that begins with a blank); length := the number of those characters.
// Without "=" within the used length the value is blank and the length is left as it was.
void readline(std::string_view line, TextRef value, int& length);

// Reads lines 2 and 3 (by position, whatever key stands before "=") into the folders. False
// when the file cannot be opened or a line is missing; the folders then hold what was read.
bool readsettings(const std::string& path, TextRef qvdir, int& qvdirLength, TextRef qvtmp, int& qvtmpLength);
// The same from an open file, left open.
bool readsettingsfile(std::FILE* file, TextRef qvdir, int& qvdirLength, TextRef qvtmp, int& qvtmpLength);

// Creates or replaces the file with its four lines; false when it cannot be written.
bool writesettings(const std::string& path, std::string_view qvdir, std::string_view qvtmp, int igs);

// Why the setup dialog refuses typed folders (full typed texts, trimmed), or empty when none
// applies: a double quote in a folder, or a folder so long that a path joined from it would pass
// 128 characters or a batch-file command line 300.
std::string_view setupfolderproblem(std::string_view qvdir, std::string_view qvtmp);
