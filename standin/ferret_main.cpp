// ferret_main.cpp - the stand-in plotting program "ferret.exe" of the stand-in installation.
// Runs the command file named by its argument in the current folder (the scratch folder).
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <string>

#include "ferret_standin.hpp"
#include "standin_log.hpp"

namespace {

// What the installation's qvErrFer.bat reads: the journal and one status word.
void writeoutcome(const FerretRun& run) {
    if (std::FILE* journal = std::fopen("ferret.log", "wb")) {
        for (const std::string& line : run.journal) std::fprintf(journal, "%s\n", line.c_str());
        std::fclose(journal);
    }
    if (std::FILE* status = std::fopen("ferretstatus.txt", "wb")) {
        std::fprintf(status, "%s\r\n", run.outOfMemory ? "ERRORMEMORY" : "OK");
        std::fclose(status);
    }
}

int runferret(int argc, char** argv) {
    standinlog("ferret.exe", argc, argv);
    if (argc < 2) return 1;
    FerretRun run;
    if (const char* home = std::getenv("QV_DIR")) run.scriptFolder = std::string(home) + "\\ferret\\TMAP\\go";
    run.spawn = [&run](const std::string& command) {
        writeoutcome(run);
        std::fflush(nullptr);
        std::system(command.c_str());
    };
    bool ran = ferretrunfile(run, argv[1]);
    ferretfinish(run);
    writeoutcome(run);
    return ran ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    try {
        return runferret(argc, argv);
    } catch (const std::exception&) {
        return 2;
    }
}
