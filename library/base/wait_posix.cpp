// wait_posix.cpp - the timed wait for native builds, which have no window messages to serve.
#include <chrono>
#include <thread>

#include "base/wait_internal.hpp"

void yywait(int hundredths) { std::this_thread::sleep_for(std::chrono::milliseconds(hundredths * 10L)); }
