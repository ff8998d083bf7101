// commandline.hpp - batch-file command lines, joined file names and used lengths of texts.
// Every batch file of the installation is started with a line that createioscommand builds.
#pragma once

#include <string_view>

#include "base/text.hpp"

constexpr int MaxCommandLine = 300;  // the one command-line text `messy`
constexpr int MaxViewerPath = 128;   // folders and the paths joined from them
constexpr int MaxJoinedName = 50;    // a file name joined to a folder is cut to this

// The used length of a blank-padded text: 0 whenever its first character is a blank (so a
// folder typed with a leading blank counts as empty), else up to its last non-blank.
void len_trimback(std::string_view text, int& length, int diagnostics);

// Joins the first folderLength characters of folder and the name (which begins with a
// backslash, cut to 50 characters) into path; the path never takes more than its own length.
void createfilename(std::string_view name, TextRef path, std::string_view folder, int folderLength,
                    int diagnostics);

// The command line of a batch file, by mode itodo (D the folder, Q the quoted scratch folder,
// D2 the folder with doubled backslashes): 0 "D<bat> D Q", 1 "D<bat> D Q D2<arg>", 2 and 4
// "D<bat> D Q <arg>", 5 "D<bat> D<arg>"; other modes give the mode-0 line. Returns false, and
// leaves messy blank, when the line would pass 300 characters.
bool formioscommand(std::string_view qvdir, int qvdirLength, std::string_view qvtmpq, int qvtmpqLength,
                    std::string_view batfile, std::string_view argument, int itodo, TextRef messy,
                    int& lenMessy);
// formioscommand that stops the program with "paths too long!" instead of returning false.
void createioscommand(std::string_view qvdir, int qvdirLength, std::string_view qvtmpq, int qvtmpqLength,
                      std::string_view batfile, std::string_view argument, int itodo, TextRef messy,
                      int& lenMessy, int diagnostics);

// How the program stops on a command line that is too long. The viewer shows the message
// before it ends; the default writes it to standard error and ends with exit code 0.
extern void (*viewerstop)(std::string_view message);
