// ferret_standin.cpp - the stand-in plotting program's command interpreter.
// Knows the few commands the viewer writes; every other command is journalled and ignored.
#include "ferret_standin.hpp"

#include <cctype>
#include <cstdlib>
#include <fstream>
#include <sstream>

namespace {

constexpr int MaxScriptDepth = 8;
constexpr long MemoryLimit = 1000;  // "set memory/size=" beyond this runs out of memory

std::string lowered(std::string text) {
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

std::string trimmed(const std::string& text) {
    std::size_t first = text.find_first_not_of(" \t\r\n");
    if (first == std::string::npos) return {};
    std::size_t last = text.find_last_not_of(" \t\r\n");
    return text.substr(first, last - first + 1);
}

std::string unquoted(const std::string& text) {
    if (text.size() >= 2 && text.front() == '"' && text.back() == '"') return text.substr(1, text.size() - 2);
    return text;
}

// The command word with its qualifiers ("list/file=a.txt/clobber") and the rest of the line.
void splitcommand(const std::string& line, std::string& word, std::string& rest) {
    std::size_t blank = line.find(' ');
    word = line.substr(0, blank);
    rest = blank == std::string::npos ? std::string() : trimmed(line.substr(blank + 1));
}

// The value of qualifier "name=" in a command word, or empty.
std::string qualifier(const std::string& word, const std::string& name) {
    std::size_t at = lowered(word).find("/" + name + "=");
    if (at == std::string::npos) return {};
    std::size_t start = at + name.size() + 2;
    return unquoted(word.substr(start, word.find('/', start) - start));
}

bool writefile(FerretRun& run, const std::string& name, const std::string& bytes) {
    std::ofstream out(name, std::ios::binary | std::ios::trunc);
    out << bytes;
    if (!out) {
        run.journal.push_back("**ERROR: cannot write " + name);
        return false;
    }
    run.written.push_back(name);
    return true;
}

bool isnumber(const std::string& text) {
    if (text.empty()) return false;
    for (char c : text)
        if (!std::isdigit(static_cast<unsigned char>(c))) return false;
    return true;
}

// A listing in the plotting program's layout: header lines "NAME : value" with the name at
// column 14, then the data. The end-date readers look for the SUBSET and TIME headers.
std::string listing(FerretRun& run, const std::string& expression, bool netcdf) {
    std::string name = lowered(expression);
    auto defined = run.variables.find(name);
    std::ostringstream out;
    if (netcdf) out << "CDF\x01";
    out << "             VARIABLE : " << expression << "\n";
    if (defined != run.variables.end() && isnumber(defined->second)) {
        out << "             SUBSET   : " << defined->second << " points (TIME)\n";
    } else if (defined != run.variables.end()) {
        out << "             TIME     : " << unquoted(defined->second) << "\n";
    } else {
        out << "             SUBSET   : 3 by 2 points (LONGITUDE-LATITUDE)\n";
        out << "\t130E\t131E\t132E\n1N\t1.0\t2.0\t3.0\n2N\t4.0\t5.0\t6.0\n";
    }
    return out.str();
}

void closeplot(FerretRun& run) {
    if (run.metafile.empty() || run.plots.empty()) return;
    std::string bytes = "stand-in metafile\n";
    for (const std::string& plot : run.plots) bytes += plot + "\n";
    writefile(run, run.metafile, bytes);
    run.plots.clear();
}

void gocommand(FerretRun& run, const std::string& rest, int depth) {
    std::string script, arguments;
    splitcommand(rest, script, arguments);
    std::string file = script.find('.') == std::string::npos ? script + ".jnl" : script;
    std::string path = run.scriptFolder.empty() ? file : run.scriptFolder + "/" + file;
    std::ifstream in(path, std::ios::binary);
    if (!in || depth >= MaxScriptDepth) {
        run.plots.push_back(rest);
        return;
    }
    std::string line;
    while (std::getline(in, line)) ferretcommand(run, line, depth + 1);
}

}  // namespace

std::string ferretpath(const std::string& path) {
    std::string result;
    for (char c : path)
        if (!(c == '\\' && !result.empty() && result.back() == '\\')) result += c;
    return result;
}

void ferretcommand(FerretRun& run, const std::string& rawLine, int depth) {
    std::string line = trimmed(rawLine);
    if (line.empty() || line[0] == '!') return;
    run.journal.push_back(line);
    std::string word, rest;
    splitcommand(line, word, rest);
    std::string command = lowered(word.substr(0, word.find('/')));
    std::string lowerRest = lowered(rest);

    if (command == "let") {
        std::size_t equals = rest.find('=');
        if (equals != std::string::npos)
            run.variables[lowered(trimmed(rest.substr(0, equals)))] = trimmed(rest.substr(equals + 1));
    } else if (command == "list") {
        std::string file = qualifier(word, "file");
        bool netcdf = lowered(qualifier(word, "format")) == "cdf";
        if (!file.empty()) writefile(run, file, listing(run, rest, netcdf));
    } else if (command == "set" && lowerRest.rfind("mode metafile", 0) == 0) {
        run.metafile = ferretpath(trimmed(rest.substr(13)));
    } else if (command == "set" && lowerRest.rfind("memory", 0) == 0) {
        long size = std::atol(qualifier(rest, "size").c_str());
        if (size > MemoryLimit) {
            run.outOfMemory = true;
            run.journal.push_back("**ERROR: insufficient memory");
        }
    } else if (command == "go") {
        gocommand(run, rest, depth);
    } else if (command == "ppl" && lowerRest == "clsplt") {
        closeplot(run);
    } else if (command == "spawn") {
        closeplot(run);
        if (run.spawn) run.spawn(rest);
    }
}

bool ferretrunfile(FerretRun& run, const std::string& path) {
    std::ifstream in(ferretpath(path), std::ios::binary);
    if (!in) {
        run.journal.push_back("**ERROR: cannot open " + path);
        return false;
    }
    std::string line;
    while (std::getline(in, line)) ferretcommand(run, line);
    return true;
}

void ferretfinish(FerretRun& run) { closeplot(run); }
