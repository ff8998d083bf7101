// event_wait_win.hpp - test helpers that wait for library events with a deadline.
// Both run the library's own WMessage loop; a library timer ends the wait.
#pragma once

#include <initializer_list>
#include <ostream>
#include <vector>

#include "windows/events.hpp"

// The next event of a wanted type, or 0 when none came within timeoutMs. Other events are
// passed over.
int nextEvent(WMessageRecord& record, std::initializer_list<int> wanted, int timeoutMs = 3000);

// One event as WMessage returned it: type, Win, Value1, Value2.
struct Seen {
    int type, win, value1, value2;
    bool operator==(const Seen& o) const {
        return type == o.type && win == o.win && value1 == o.value1 && value2 == o.value2;
    }
};
inline std::ostream& operator<<(std::ostream& out, const Seen& e) {
    return out << "{" << e.type << ", " << e.win << ", " << e.value1 << ", " << e.value2 << "}";
}

// Every event WMessage returns until a short library timer expires.
std::vector<Seen> collectEvents(int milliseconds = 150);
