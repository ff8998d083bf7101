// machine.hpp - machine facts for the run log: processor name, screen key, a fixed workload.
// The registry reads themselves belong to the program's start-up; these are the portable parts.
#pragma once

#include <string_view>

#include "base/text.hpp"

constexpr std::size_t ProcessorNameLength = 100;

// The position (1-based) in the processor name of "Duo", else "ual", else "Quad" (letter case
// counts), 0 when none occurs. Logs "CPU type=" with the name and each search it makes.
int cpumarkerposition(std::string_view processorName);

// The key of the display's settings: the display-settings root of HKEY_CURRENT_CONFIG followed
// by characters 58 to 100 of the value "\Device\Video0" (after its fixed prefix of 57
// characters: the adapter's identifier and sub-key).
void screenresolutionkey(std::string_view videoValue, TextRef key);

// sum := sum + term.
void myadd(float& sum, float term);
// A fixed processor workload, timed for the run log: BenchPoints pseudo-random points of the unit
// square, summing their squared distances. Returns how many fell inside the quarter circle (about
// pi/4 of them), so that the work cannot be optimised away and can be checked.
constexpr int BenchPoints = 1200000;
int bench();
