// velquon_win.cpp - the viewer program's entry: the library's WinMain runs this main routine.
#include "base/startup.hpp"
#include "quorvale.hpp"

void applicationMain() { vedu_pacific_quorvale(); }
