// standin_log.cpp - the call log every stand-in of the outside tools appends to.
#include "standin_log.hpp"

#include <cstdio>
#include <cstdlib>
#include <string>

void standinlog(const char* program, int argc, char** argv) {
    const char* scratch = std::getenv("QV_TMP");
    if (scratch == nullptr) return;
    std::string line = program;
    for (int i = 1; i < argc; ++i) line += std::string(" ") + argv[i];
    if (std::FILE* log = std::fopen((std::string(scratch) + "/standin.log").c_str(), "ab")) {
        std::fprintf(log, "%s\r\n", line.c_str());
        std::fclose(log);
    }
}
