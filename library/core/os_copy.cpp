// os_copy.cpp - deleting and copying files, one or every match of a wildcard pattern.
// Names longer than the system's 260-character path buffers are refused, never cut: a cut name
// could name a different file.
#include <string>

#include "core/errors_internal.hpp"
#include "core/os.hpp"
#include "core/os_internal.hpp"

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

// An open directory search, closed when the routine ends whichever way it leaves.
class Search {
public:
    ~Search() { yyfindclose(handle_); }
    int next(const std::string& pattern, FindMatch& match) {
        return yyfind(handle_, pattern.c_str(), match);
    }

private:
    std::intptr_t handle_ = 0;
};

}  // namespace

void IOsDeleteFile(std::string_view pattern) {
    constexpr std::string_view routine = "IOsDeleteFile";
    const std::string name(trimRight(pattern));
    if (name.empty() || tooLong(name, routine)) return;
    const std::string directory = directoryPart(name);

    Search search;
    FindMatch match;
    int code = search.next(name, match);
    if (code != 0) {
        yyoserror(code, routine);
        return;
    }
    while (code == 0) {
        if ((match.attributes & attributeDirectory) == 0) {
            const std::string file = directory + match.name;
            if (!tooLong(file, routine)) {
                if (const int failed = yydelf(file.c_str())) yyoserror(failed, routine);
            }
        }
        code = search.next(name, match);
    }
    if (code != yyosnomorefiles) yyoserror(code, routine);
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
    Search search;
    FindMatch match;
    int code = search.next(from, match);
    if (code != 0) {
        yyoserror(code, routine);
        return;
    }
    while (code == 0) {
        if ((match.attributes & attributeDirectory) == 0) {
            const std::string file = directory + match.name;
            const std::string copy = to + match.name;
            if (tooLong(file, routine) || tooLong(copy, routine)) return;
            if (const int failed = yycopyf(file.c_str(), copy.c_str())) {
                yyoserror(failed, routine);
                return;
            }
        }
        code = search.next(from, match);
    }
    if (code != yyosnomorefiles) yyoserror(code, routine);
}
