// notepad_main.cpp - the stand-in text viewer "notepad.exe" of the stand-in installation.
// The viewer's Help button starts it with the help file; it only records the call.
#include "standin_log.hpp"

int main(int argc, char** argv) {
    standinlog("notepad.exe", argc, argv);
    return 0;
}
