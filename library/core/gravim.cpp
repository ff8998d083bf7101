// gravim.cpp - storage of the shared state record.
#include "core/gravim.hpp"

#include "core/errors_internal.hpp"

GravimState gravim;

void yyresetgravim() {
    gravim = GravimState{};
    yyreseterrors();
}
