// grid_window_commands_win.cpp - the grid window's commands; for now they do nothing and report
// no success, until their dialogs arrive.
#include "grid/grid_window_commands_win.hpp"

void yygridwinsort(int, int, int& result) { result = 0; }

void yygridwinsavehtml(int, int, int, int, int, int& result, int, std::span<const char>) { result = 0; }

void yygridwinsave(int, int, int& result, int&, int, int, int, int, int, int, std::span<char>, std::span<const char>) {
    result = 0;
}

void yygridwinprint(int, int, int, int, int, int& result) { result = 0; }

void yygridwinload(int, int, int, int& result, int&, int, std::span<char>, std::span<const char>) { result = 0; }

void yygridwininsertrow(int, int, int, int) {}

void yygridwingoto(int, int) {}

void yygridwinfind(int, int, int&, int&, std::span<char>) {}

void yygridwindeleterow(int, int, int) {}
