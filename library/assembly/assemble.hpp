// assemble.hpp - assembling the library: every table a layer keeps for the layers above it is
// filled by them, lowest layer first. WinMain and every test program's main call it first.
#pragma once

void yyassemblelibrary();
