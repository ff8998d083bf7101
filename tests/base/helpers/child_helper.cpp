// child_helper.cpp - a small program that the process tests start through batch files.
// "sleep MS FILE" sleeps, then writes FILE; "echo FILE NAME ARGS..." writes the environment
// variable NAME and each argument to FILE, one a line.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

int main(int argc, char** argv) {
    if (argc >= 4 && std::strcmp(argv[1], "sleep") == 0) {
        Sleep(static_cast<DWORD>(std::atoi(argv[2])));
        std::FILE* done = std::fopen(argv[3], "wb");
        if (done == nullptr) return 2;
        std::fputs("done", done);
        std::fclose(done);
        return 0;
    }
    if (argc >= 4 && std::strcmp(argv[1], "echo") == 0) {
        std::FILE* out = std::fopen(argv[2], "wb");
        if (out == nullptr) return 2;
        const char* value = std::getenv(argv[3]);
        std::fprintf(out, "%s=%s\n", argv[3], value != nullptr ? value : "(unset)");
        for (int i = 4; i < argc; ++i) std::fprintf(out, "[%s]\n", argv[i]);
        std::fclose(out);
        return 0;
    }
    return 1;
}
