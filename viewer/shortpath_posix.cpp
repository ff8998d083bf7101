// shortpath_posix.cpp - native build: there are no short forms, so the rule of the caller applies.
#include "requestfile.hpp"

std::optional<std::string> viewershortpath(std::string_view) { return std::nullopt; }
