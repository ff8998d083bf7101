// event_wait_win.cpp - test helpers that wait for library events with a deadline.
#include "event_wait_win.hpp"

#include <algorithm>

namespace {
// Library timer identifiers of the helpers, clear of the ones tests use themselves.
constexpr int NextEventTimer = 4242;
constexpr int CollectTimer = 77;
}  // namespace

int nextEvent(WMessageRecord& record, std::initializer_list<int> wanted, int timeoutMs) {
    WMessageTimer(timeoutMs, NextEventTimer);
    for (;;) {
        int type = 0;
        WMessage(type, record);
        if (type == EvTimer && record.Value1 == NextEventTimer) return 0;
        if (std::find(wanted.begin(), wanted.end(), type) != wanted.end()) {
            WMessageTimer(0, NextEventTimer);
            return type;
        }
    }
}

std::vector<Seen> collectEvents(int milliseconds) {
    WMessageTimer(milliseconds, CollectTimer);
    std::vector<Seen> seen;
    for (;;) {
        int type = 0;
        WMessageRecord record;
        WMessage(type, record);
        if (type == EvTimer && record.Value1 == CollectTimer) return seen;
        seen.push_back({type, record.Win, record.Value1, record.Value2});
    }
}
