// fuzz_assembly.cpp - compiled into every fuzz target: libFuzzer's own main calls this once before
// the first input, and the library is assembled there, as WinMain and the test programs' main do.
#include "assembly/assemble.hpp"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    yyassemblelibrary();
    return 0;
}
