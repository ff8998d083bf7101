// whaterror.cpp - the diagnostics probe's trace line and boxes.
#include "whaterror.hpp"

namespace {
constexpr int CommandFailed = 13;  // an external command could not be started
}

std::string whaterrorline(int slot1, int slot2, int slot3, int slot5, std::string_view label) {
    return "Whaterror " + std::to_string(slot1) + " " + std::to_string(slot2) + " " + std::to_string(slot3) +
           " " + std::to_string(slot5) + " " + std::string(label);
}

std::vector<ProbeBox> whaterrorboxes(int slot1, int slot2, int slot3) {
    std::vector<ProbeBox> boxes;
    if (slot1 == CommandFailed)
        boxes.push_back({2, slot3, "error1=13 so error3"});
    else if (slot1 != 0)
        boxes.push_back({1, slot1, "error1"});
    if (slot2 != 0) boxes.push_back({2, slot2, "error2"});
    if (slot3 != 0) boxes.push_back({2, slot3, "error3"});
    return boxes;
}
