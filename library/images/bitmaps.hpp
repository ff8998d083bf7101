// bitmaps.hpp - off-screen bitmaps and bitmap viewers: what other subsystems use (internal).
#pragma once

// Facts of the bitmap viewer in window n: 3 the shown bitmap, 4 and 5 the scroll positions,
// 101 and 102 the image size, 103 the bottom edge; 0 for any other window or item.
int yybitmapinfo(int window, int item);
// Deletes every off-screen bitmap and empties the bitmap table.
void yybitmapsdeleteall();
// Turning window n back into a plain child: destroys the viewer and shows the client area again.
// The window manager restores the frame's procedure before and frees the record after.
void yybitmapviewerrevert(int n, int* record);
// Makes the bitmap in `slot` (0..50) the drawing target: status 0 with its width and height, or
// status 1 for an empty slot (nothing changes).
void yybitmapselect(int slot, int& status, int& width, int& height);
