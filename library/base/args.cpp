// args.cpp - the command-line scanner: blank-separated words, double-quoted arguments.
// The process command line is loaded once into a 2048-character buffer kept for the run.
#include <string>

#include "base/os.hpp"
#include "base/os_internal.hpp"
#include "base/startup_internal.hpp"

namespace {

std::string commandLine;  // blank-padded to commandLineLength once loaded
bool commandLineLoaded = false;

}  // namespace

int yyargsfrom(std::string_view line, int n, TextRef arg) {
    std::string buffer(line.substr(0, commandLineLength));
    buffer.resize(commandLineLength, ' ');
    const std::size_t end = buffer.size();

    int counter = -1;
    std::size_t pos = 0;  // 0-based here
    while (pos < end) {
        const std::size_t first = buffer.find_first_not_of(' ', pos);
        if (first == std::string::npos) break;
        std::string_view word;
        std::size_t resume;
        if (buffer[first] != '"') {
            std::size_t last = buffer.find(' ', first);
            if (last == std::string::npos) last = end;
            word = std::string_view(buffer).substr(first, last - first);
            resume = last + 1;
        } else {
            // A quote followed by blanks only, or last in the buffer, starts no argument.
            if (first + 1 >= end || buffer.find_first_not_of(' ', first + 1) == std::string::npos) break;
            std::size_t close = buffer.find('"', first + 1);
            if (close == std::string::npos) close = end;
            word = std::string_view(buffer).substr(first + 1, close - first - 1);
            resume = close + 2;  // the character after the closing quote is skipped
            if (word.empty()) {
                pos = resume;
                if (pos + 1 >= commandLineLength) break;
                continue;
            }
        }
        ++counter;
        if (counter == n) {
            if (n != 0) arg.assign(word);
            break;
        }
        pos = resume;
        if (pos + 1 >= commandLineLength) break;  // resume position 2048 (1-based) ends the scan
    }
    return counter;
}

int yyargs(int n, TextRef arg) {
    if (!commandLineLoaded) {
        commandLineLoaded = true;
        std::string buffer(commandLineLength + 1, '\0');
        yygetcl(buffer.data(), static_cast<int>(buffer.size()));
        buffer.resize(buffer.find('\0'));
        commandLine = buffer;
    }
    const int counter = yyargsfrom(commandLine, n, arg);
    if (n == 0) {
        char path[261] = "";
        yygetexe(path, static_cast<int>(sizeof path));
        arg.assign(path);
    }
    return counter;
}

void IOsArgument(int n, TextRef argument) {
    argument.blank();
    if (n >= 0) yyargs(n, argument);
}
