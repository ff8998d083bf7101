// presentation_internal.hpp - the plot definition's defaults (graphics-internal).
#pragma once

// The presentation-graphics defaults IGrInit sets, in their order.
void yypgdefaults();
