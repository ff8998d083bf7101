// gravim.cpp - storage of the shared state record.
#include "base/gravim.hpp"

#include <memory>

#include "base/errors_internal.hpp"

GravimState gravim;

void yyresetgravim() {
    // Rebuilt in place rather than assigned from a fresh record: tests and fuzz targets reset
    // before every case or input, and the record is large.
    std::destroy_at(&gravim);
    std::construct_at(&gravim);
    yyreseterrors();
}
