// os_copy.cpp - deleting and copying files, one or every match of a wildcard pattern.
// Names longer than the system's 260-character path buffers are refused, never cut: a cut name
// could name a different file.
#include <string>

#include "base/errors_internal.hpp"
#include "base/os.hpp"
#include "base/os_internal.hpp"

namespace {

constexpr std::size_t pathLength = 260;

// The directory part of a name: everything up to its last "\" or ":".
std::string directoryPart(const std::string& name) {
    const std::size_t end = name.find_last_of("\\:");
    return end == std::string::npos ? std::string() : name.substr(0, end + 1);
}

bool tooLong(const std::string& name, std::string_view routine) {
    if (name.size() <= pathLength) return false;
    yyoserror(yyosnametoolong, routine);
    return true;
}

bool endsWithSeparator(const std::string& name) {
    return !name.empty() && (name.back() == '\\' || name.back() == ':');
}

// Calls act(match) for every file (not folder) matching pattern, until act returns false. No
// match at all, and a search that ends other than at its last match, report error 13.
template <typename Act>
void forEachFile(const std::string& pattern, std::string_view routine, Act act) {
    std::intptr_t search = 0;
    FindMatch match;
    int code = yyfind(search, pattern.c_str(), match);
    if (code != 0) {
        yyfindclose(search);
        yyoserror(code, routine);
        return;
    }
    while (code == 0) {
        if ((match.attributes & attributeDirectory) == 0 && !act(match)) break;
        code = yyfind(search, pattern.c_str(), match);
    }
    yyfindclose(search);
    if (code != 0 && code != yyosnomorefiles) yyoserror(code, routine);
}

}  // namespace

void IOsDeleteFile(std::string_view pattern) {
    constexpr std::string_view routine = "IOsDeleteFile";
    const std::string name(trimRight(pattern));
    if (name.empty() || tooLong(name, routine)) return;
    const std::string directory = directoryPart(name);

    // Deleting goes on after a file that fails.
    forEachFile(name, routine, [&](const FindMatch& match) {
        const std::string file = directory + match.name;
        if (!tooLong(file, routine)) {
            if (const int failed = yydelf(file.c_str())) yyoserror(failed, routine);
        }
        return true;
    });
}

void IOsCopyFile(std::string_view source, std::string_view target) {
    constexpr std::string_view routine = "IOsCopyFile";
    const std::string from(trimRight(source));
    if (from.empty() || tooLong(from, routine)) return;
    const std::string directory = directoryPart(from);
    std::string to(trimRight(target));
    if (tooLong(to, routine)) return;

    if (from.find_first_of("*?") == std::string::npos) {
        if (to.empty() || endsWithSeparator(to)) to += from.substr(directory.size());
        if (tooLong(to, routine)) return;
        if (from == to) {
            yyerror(55, routine);
            return;
        }
        if (const int code = yycopyf(from.c_str(), to.c_str())) yyoserror(code, routine);
        return;
    }

    if (!endsWithSeparator(to)) to += '\\';
    // Copying stops at the first file that fails.
    forEachFile(from, routine, [&](const FindMatch& match) {
        const std::string file = directory + match.name;
        const std::string copy = to + match.name;
        if (tooLong(file, routine) || tooLong(copy, routine)) return false;
        if (const int failed = yycopyf(file.c_str(), copy.c_str())) {
            yyoserror(failed, routine);
            return false;
        }
        return true;
    });
}
