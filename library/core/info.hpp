// info.hpp - information queries about the library (public routines).
#pragma once

#include "core/text.hpp"

// The library's version text "9.0c", blank-padded or cut to the text's length.
void WInfoVersion(TextRef version);
