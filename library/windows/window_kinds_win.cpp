// window_kinds_win.cpp - the tables of the special windows' kinds, filled by the add-ons that own
// the kinds when the library is assembled.
#include "windows/window_kinds_win.hpp"

#include <array>
#include <cassert>

#include "windows/window_tables_win.hpp"

namespace {

constexpr int KindCount = KindSplit + 1;
std::array<SpecialWindowCalls, KindCount> kindCalls;
std::array<bool, KindCount> kindInstalled = {};

}  // namespace

void yysetspecialwindowcalls(int kind, const SpecialWindowCalls& calls) {
    assert(kind > 0 && kind < KindCount && kind != KindDialog && kind != KindSplit);
    if (kind < 0 || kind >= KindCount) return;
    kindCalls[static_cast<std::size_t>(kind)] = calls;
    kindInstalled[static_cast<std::size_t>(kind)] = true;
}

bool yyspecialwindowkindfilled(int kind) {
    return kind >= 0 && kind < KindCount && kindInstalled[static_cast<std::size_t>(kind)];
}

const SpecialWindowCalls* yyspecialwindowcalls(const int* record) {
    if (record == nullptr || record[0] < 0 || record[0] >= KindCount) return nullptr;
    const auto kind = static_cast<std::size_t>(record[0]);
    return kindInstalled[kind] ? &kindCalls[kind] : nullptr;
}

void yyregisterspecialwindows() {
    for (std::size_t kind = 0; kind < kindCalls.size(); ++kind)
        if (kindInstalled[kind] && kindCalls[kind].registerClasses != nullptr) kindCalls[kind].registerClasses();
}
