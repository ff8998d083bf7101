// ferret_standin.hpp - the stand-in for the outside plotting program: runs one command file.
// Writes what the viewer and the batch files wait for: end-date listings, metafiles, listings.
#pragma once

#include <functional>
#include <map>
#include <string>
#include <vector>

// One run of the stand-in. File names in the commands are relative to the current folder,
// which the installation's qvferret.bat sets to the scratch folder.
struct FerretRun {
    std::string scriptFolder;                     // where "go" looks for its scripts
    std::function<void(const std::string&)> spawn;  // runs the command of a "spawn" line
    std::vector<std::string> journal;             // every command line run, in order
    std::vector<std::string> plots;               // "go" lines without a script: the drawings
    std::vector<std::string> written;             // files written, in order
    std::map<std::string, std::string> variables; // "let" definitions, names in lower case
    std::string metafile;                         // named by "set mode metafile"; empty when off
    bool outOfMemory = false;                     // a "set memory" beyond the stand-in's limit
};

// Runs the commands of a file; false when it cannot be read. Scripts run by "go" nest.
bool ferretrunfile(FerretRun& run, const std::string& path);
// Runs one command line.
void ferretcommand(FerretRun& run, const std::string& line, int depth = 0);
// Ends the run: a drawing not yet closed with "ppl clsplt" goes to the metafile.
void ferretfinish(FerretRun& run);
// A path as Windows takes it, with the doubled backslashes of the viewer's command lines single.
std::string ferretpath(const std::string& path);
