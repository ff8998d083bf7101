// standard_font.cpp - the standard stroke font: glyph text and start tables.
#include "graphics/fonts_internal.hpp"

namespace {

constexpr int Starts1[96] = {};
constexpr int Starts2[96] = {};

}  // namespace

std::string_view yystandardglyphs() { return {}; }
const int* yystandardstarts1() { return Starts1; }
const int* yystandardstarts2() { return Starts2; }
