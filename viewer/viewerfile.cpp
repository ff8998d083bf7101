// viewerfile.cpp - reading the lines of the viewer's own text files.
#include "viewerfile.hpp"

bool readtextline(std::FILE* file, std::string& line, std::size_t limit) {
    line.clear();
    int c = std::fgetc(file);
    if (c == EOF) return false;
    for (; c != EOF && c != '\n' && line.size() < limit; c = std::fgetc(file)) line += static_cast<char>(c);
    std::size_t skipped = 0;
    for (; c != EOF && c != '\n'; c = std::fgetc(file)) {
        if (++skipped > MaxSkippedLine) {
            std::fseek(file, 0, SEEK_END);
            break;
        }
    }
    // A CR kept last ends the line only when nothing of the line was passed over.
    if (skipped == 0 && !line.empty() && line.back() == '\r') line.pop_back();
    return true;
}
