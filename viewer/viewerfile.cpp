// viewerfile.cpp - reading the lines of the viewer's own text files.
#include "viewerfile.hpp"

bool readtextline(std::FILE* file, std::string& line, std::size_t limit) {
    line.clear();
    int c = std::fgetc(file);
    if (c == EOF) return false;
    while (c != EOF && c != '\n') {
        if (line.size() < limit) line += static_cast<char>(c);
        c = std::fgetc(file);
    }
    if (!line.empty() && line.back() == '\r') line.pop_back();
    return true;
}
