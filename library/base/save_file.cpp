// save_file.cpp - the write-beside-then-replace save over the operating-system file layer: the
// scratch file's name, the device case, and giving up a save that failed.
#include "base/save_file.hpp"

#include <algorithm>
#include <cstdint>
#include <string>

#include "base/files_internal.hpp"
#include "base/os_internal.hpp"
#include "base/text.hpp"

namespace {

// Scratch names tried beside a target before giving up (an earlier save that was cut off by the
// system stopping may have left some).
constexpr int ScratchNames = 100;

}  // namespace

SaveFile::~SaveFile() { yysavediscard(*this); }

void yysavebegin(std::string_view target, SaveFile& save, int& status) {
    yysavediscard(save);
    target = trimRight(target.substr(std::min(target.find_first_not_of(' '), target.size())));
    save.target = std::string(target);
    if (target.empty()) {
        status = yyosinvalidargument;
        return;
    }
    // An existing target must be writable, as when it was written over in place.
    int probe = -1;
    bool device = false;
    yyopenexisting(save.target.c_str(), probe, device, status);
    if (status == 0 && device) {
        save.handle = probe;
        return;
    }
    if (status == 0) yyclos(probe);
    else if (status != yyosfilenotfound) return;
    for (int n = 1; n <= ScratchNames; ++n) {
        save.scratch = save.target + ".~" + std::to_string(n);
        yycreatenew(save.scratch.c_str(), save.handle, status);
        if (status != yyosfileexists) break;
    }
    if (status == 0) return;
    save.handle = -1;
    save.scratch.clear();
}

void yysaveend(SaveFile& save, int& status) {
    status = 0;
    if (save.handle == -1) return;
    if (!save.scratch.empty()) yycommit(save.handle, status);
    int closed = 0;
    yyclos(save.handle, closed);
    save.handle = -1;
    if (status == 0) status = closed;
    if (save.scratch.empty()) return;
    if (status == 0) status = yyreplace(save.scratch.c_str(), save.target.c_str());
    if (status != 0) yydelf(save.scratch.c_str());
    save.scratch.clear();
}

void yysavediscard(SaveFile& save) {
    if (save.handle != -1) yyclos(save.handle);
    save.handle = -1;
    if (!save.scratch.empty()) yydelf(save.scratch.c_str());
    save.scratch.clear();
}

void yysavewhole(std::string_view target, std::string_view bytes, int& status) {
    SaveFile save;
    yysavebegin(target, save, status);
    if (status != 0) return;
    std::int64_t done = 0;
    yywriteall(save.handle, bytes.data(), static_cast<std::int64_t>(bytes.size()), done, status);
    if (status == 0) yysaveend(save, status);
}
