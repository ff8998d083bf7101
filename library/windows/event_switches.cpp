// event_switches.cpp - the event enable switches and the table of parked events.
// Both live in gravim.events; the Win32 pump and window procedures read and write them here.
#include <algorithm>
#include <iterator>

#include "windows/events.hpp"
#include "base/gravim.hpp"
#include "windows/windows_internal.hpp"

namespace {

// wMessageDefault: key, menu, push button, mouse down, expose, resize, close request, timer and
// command line are delivered; the rest only when the application asks for them.
constexpr int wMessageDefault[16] = {1, 1, 1, 1, 0, 0, 1, 1, 1, 0, 0, 0, 1, 1, 0, 0};

}  // namespace

void WMessageEnable(int type, int on) {
    if (type < 1 || type > 16) return;
    gravim.events.wMessageEnabled[type - 1] = on;
}

int yyinfomessage(int type) {
    if (type < 1 || type > 16) return 0;
    return gravim.events.wMessageEnabled[type - 1];
}

void yyresetswitches() {
    std::copy(std::begin(wMessageDefault), std::end(wMessageDefault), gravim.events.wMessageEnabled);
}

void yyclearparked() {
    for (auto& entry : gravim.events.KBNMessages) std::fill(std::begin(entry), std::end(entry), 0);
}

void yyforgetparked(int n) {
    if (n < 0 || n > 50) return;
    int* entry = gravim.events.KBNMessages[n];
    std::fill(entry, entry + 9, 0);
}

void yyparkslot(int n, int type) {
    if (n < 0 || n > 50) return;
    const EventState& e = gravim.events;
    int* entry = gravim.events.KBNMessages[n];
    const int words[9] = {type, e.wMessageValue1, e.wMessageValue2, e.wMessageValue3, e.wMessageValue4,
                          e.wMessageX, e.wMessageY, e.wMessageWin, e.wMessageTime};
    std::copy(words, words + 9, entry);
}
