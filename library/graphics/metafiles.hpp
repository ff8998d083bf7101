// metafiles.hpp - metafile slots: what the drawing surfaces use of them (internal).
#pragma once

// Makes metafile slot `slot` the drawing target: status 0 with its size in device units, or a
// status above 0 when the slot cannot be drawn on. Sets deviceKind 1 for a CGM memory slot.
void yymetafileselect(int slot, int& status, int& width, int& height);
