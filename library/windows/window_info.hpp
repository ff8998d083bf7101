// window_info.hpp - information queries about the system, the current window and the current
// dialog (public routines). Each integer query repeats its previous answer for an item number it
// does not know (0 before its first answer).
#pragma once

// The system: 2 arguments on the command line, 3 version (major x 100 + minor), 9 current
// directory is a drive's root, 15 milliseconds since start, 16 platform, 20 decimal mark,
// 21 free megabytes, 24 measurement system (1 U.S., 2 metric), 65..90 drive types,
// 165..190 volume serial numbers, and the constant items 1, 6, 7, 18, 19, 22, 23.
int WInfoSystem(int item);
// The current window: 1, 2 client size, 3 opening flags, 4 number, 5, 6 position, 7, 8 client
// origin on the screen, 9 state, 10 WindowKind, 11..14 restored client size and position.
int WInfoWindow(int item);
// Dialogs: 1 button and 2 field that ended the last modal dialog, 3 current DialogId, 4 last
// message-box or file-dialog answer, 5 DialogId of the last modal dialog, 6..9 current dialog's
// position and size, 10 dialog type.
int WInfoDialog(int item);
