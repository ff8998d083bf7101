// info.cpp - information queries about the library.
#include "core/info.hpp"

void WInfoVersion(TextRef version) { version.assign("9.0c"); }
