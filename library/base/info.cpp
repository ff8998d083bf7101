// info.cpp - information about the library.
#include "base/info.hpp"

void WInfoVersion(TextRef version) { version.assign("9.0c"); }
