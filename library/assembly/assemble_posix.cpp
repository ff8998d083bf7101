// assemble_posix.cpp - the library assembled natively: the portable layers keep no table filled
// from above yet, so there is nothing to install.
#include "assembly/assemble.hpp"

void yyassemblelibrary() {}
