// gravim.cpp - storage of the shared state record.
#include "core/gravim.hpp"

GravimState gravim;

void yyresetgravim() { gravim = GravimState{}; }
