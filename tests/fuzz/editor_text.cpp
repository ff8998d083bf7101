// editor_text.cpp - fuzz target: random bytes as a text file prepared for the editor, as a
// control text walked from caller to control positions, and as a filter list and file name.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "editor/editor_text.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const PreparedText prepared = yyeditpreparetext(bytes, 2);
    if (prepared.text.size() > size || prepared.text.find('\0') != std::string::npos) std::abort();
    if (prepared.guarded && prepared.text.size() < 5) std::abort();

    // Positions from the first bytes; the walk's results and cache stay consistent.
    const int a = size > 0 ? data[0] : 0, b = size > 1 ? data[1] : 0;
    const PositionWalk walk = yyeditwalkpositions(bytes, 0, 0, a, b);
    if (walk.controlA < 0 || walk.controlB < 0 || walk.controlA > a || walk.controlB > b) std::abort();
    if (walk.internal > static_cast<int>(size) ||
        walk.external - walk.internal != yyeditcountlineends(bytes, walk.internal))
        std::abort();

    const std::string list = yyeditfilterlist(bytes, true);
    if (list.size() > EditorFilterLength + 1 && !bytes.empty()) std::abort();
    if (list.empty() || list.back() != '\0') std::abort();
    if (yyedittitletext(bytes, bytes, false, true).size() > EditorTitleLength) std::abort();
    if (yyeditsavequestion(bytes, false).size() > 31 + EditorPathLength + 1) std::abort();
    char out[8];
    yyeditcopyout(out, static_cast<int>(size % 9), bytes);
    (void)yyeditisrtfname(bytes, true);
    return 0;
}
