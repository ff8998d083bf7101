// commandline.cpp - batch-file command lines, joined file names and used lengths of texts.
#include "commandline.hpp"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

[[noreturn]] void stopwithmessage(std::string_view message) {
    std::fprintf(stderr, "%.*s\n", static_cast<int>(message.size()), message.data());
    std::fflush(stderr);
    std::exit(0);
}

// The first length characters of text, the length clamped to the text.
std::string_view head(std::string_view text, int length) {
    return text.substr(0, static_cast<std::size_t>(std::clamp(length, 0, static_cast<int>(text.size()))));
}

int usedof(std::string_view text) {
    int length = 0;
    len_trimback(text, length, 0);
    return length;
}

}  // namespace

void (*viewerstop)(std::string_view message) = stopwithmessage;

void len_trimback(std::string_view text, int& length, int) {
    length = text.empty() || text[0] == ' ' ? 0 : static_cast<int>(trimmedLength(text));
}

void createfilename(std::string_view name, TextRef path, std::string_view folder, int folderLength, int) {
    std::string_view cut = trimRight(name.substr(0, MaxJoinedName));
    std::string joined(head(folder, folderLength));
    joined += cut;
    path.assign(joined);
}

bool formioscommand(std::string_view qvdir, int qvdirLength, std::string_view qvtmpq, int qvtmpqLength,
                    std::string_view batfile, std::string_view argument, int itodo, TextRef messy,
                    int& lenMessy) {
    messy.blank();
    lenMessy = 0;
    std::string_view dir = head(qvdir, qvdirLength);
    std::string_view arg = head(argument, usedof(argument));
    std::string line(dir);
    line += head(batfile, usedof(batfile));
    line.resize(trimmedLength(line));
    line += ' ';
    line += dir;
    if (itodo == 5) {
        line += arg;
    } else {
        line += ' ';
        line += head(qvtmpq, qvtmpqLength);
        if (itodo == 1) {
            line += ' ';
            for (char c : dir) line += c == '\\' ? std::string("\\\\") : std::string(1, c);
            line += arg;
            line += ' ';  // the length counts one blank after the argument
        } else if (itodo == 2 || itodo == 4) {
            line += ' ';
            line += arg;
        }
    }
    if (line.size() > static_cast<std::size_t>(MaxCommandLine) || line.size() > messy.size()) return false;
    messy.assign(line);
    lenMessy = static_cast<int>(line.size());
    return true;
}

void createioscommand(std::string_view qvdir, int qvdirLength, std::string_view qvtmpq, int qvtmpqLength,
                      std::string_view batfile, std::string_view argument, int itodo, TextRef messy,
                      int& lenMessy, int) {
    if (!formioscommand(qvdir, qvdirLength, qvtmpq, qvtmpqLength, batfile, argument, itodo, messy, lenMessy))
        viewerstop("paths too long!");
}
