// mapfields.hpp - the field logic of the map dialog 103: the plot types, properties, level items
// and date fields offered for the chosen property, plot type, vertical unit and time mode.
#pragma once

#include "viewerport.hpp"

// Called for every change of a field's own contents in dialog 103.
void mapviewfields(ViewerPort& port, int grey, int diagnostics);
// The previous property back to 1, as at program start (tests).
void resetmapviewfields();
