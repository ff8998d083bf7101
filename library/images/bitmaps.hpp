// bitmaps.hpp - off-screen bitmaps and bitmap viewers: the internal routines of the bitmap store,
// its operations and the viewer, which other subsystems and the public layer call.
#pragma once

constexpr int BitmapSlots = 51;  // slots 0..50; BitmapIdentifier = slot + 1

// Installs the bitmap viewer's table with the window manager (when the library is assembled).
void yybitmapviewerinstallkind();
// Installs images' close hook with the base (base/addon_hooks.hpp): every off-screen bitmap
// deleted while the root window closes. Called by the library's assembly (Windows).
void yyimagesinstallhooks();
// Facts of the bitmap viewer in window n: 3 the shown bitmap, 4 and 5 the scroll positions,
// 101 and 102 the image size, 103 the bottom edge; 0 for any other window or item.
int yybitmapinfo(int window, int item);
// Turning window n back into a plain child: destroys the viewer and shows the client area again.
// The window manager restores the frame's procedure before and frees the record after.
void yybitmapviewerrevert(int n, int* record);

// Bitmap store. The yy routines take the slot number (identifier - 1) and report through status.
// Makes a bitmap in the first free slot below gravim.images.bitmapLimit; identifier 0 when none.
void yybitmapcreate(int& identifier, int width, int height, int colour);
// status 1021 empty slot, 1036 shown by a viewer, else 0 (the bitmap is deleted).
void yybitmapdestroy(int slot, int& status);
// The lowest child window 1..50 whose viewer shows the slot's bitmap, 0 none.
int yybitmapisviewer(int slot);
// Size of the slot's bitmap; 0 and 0 for a slot outside 0..50 or an empty one.
void yybitmapsize(int slot, int& width, int& height);
// Makes the slot's bitmap the drawing target: status 1 for an empty slot, else 0 with its size.
void yybitmapselect(int slot, int& status, int& width, int& height);
// A dialog's own bitmap (graphics' image port): the create allows identifier 51 and makes a
// bitmap as WBitmapCreate does (identifier 0 when none); the destroy destroys it (0 none) and
// allows identifiers up to 50 again. Natively there is none.
void yybitmapdialogcreate(int width, int height, int colour, int& identifier);
void yybitmapdialogdestroy(int identifier);
// 1 when the slot's bitmap is the current drawing target.
int yybitmapistarget(int slot);
// Plot mode 0..3 of the copies and the stretch mode (other numbers leave them unchanged).
void yybitmapplotmode(int mode);
void yybitmapstretchmode(int mode);
void yybitmapgetstretch(int& mode);

// Operations on a slot's bitmap and the current drawing target (status 0 done, 1021 empty slot,
// 1066 a refused copy or selection, 1020 no new bitmap). Rectangles are bitmap pixels, origin
// top left, bounds inclusive; arrays hold one RGB value per pixel, row-major.
void yybitmapclear(int slot, int x1, int y1, int x2, int y2, int colour, int& status);
void yybitmapget(int slot, int x, int y, int width, int height, int& status);
void yybitmapput(int slot, int stretch, int x, int y, int width, int height, int& status);
void yybitmappart(int slot, int sourceX, int sourceY, int destinationX, int destinationY, int width,
                  int height, int direction, int& status);
// The bitmap gets the array's pixels (getdata) or gives its pixels to the array (putdata).
void yybitmapgetdata(int slot, const int* array, int x1, int y1, int x2, int y2, int& status);
void yybitmapputdata(int slot, int* array, int x1, int y1, int x2, int y2, int& status);
// Blends the array onto the current target of width x height pixels (mode 0, 1, 2).
void yybitmapblenddata(const int* array, int x1, int y1, int x2, int y2, int width, int height,
                       int mode, int alpha);
void yybitmapgetresource(int slot, int resource, int& status);
void yybitmapresourceinfo(int resource, int& width, int& height);
// viewer: the child window whose viewer showed the bitmap before the change, 0 none.
void yybitmapmirror(int slot, int direction, int& viewer, int& status);
void yybitmapresize(int slot, int width, int height, int& viewer, int& status);
void yybitmaprotate(int slot, int angle, int& viewer, int& status);

// Bitmap viewer. Shows the slot's bitmap in the current child window with the view's top left
// corner at (x, y), in mode 1 modal, 2 modeless, 3 semi-modeless; status is written only when
// there is something to report (1..9).
void yybitmapview(int slot, int x, int y, int& mode, int options, int& status);
// Shows the slot's bitmap again in viewer window n (its picture or handle changed), keeping the
// scroll positions where they still fit.
void yybitmapviewerretarget(int n, int slot);
