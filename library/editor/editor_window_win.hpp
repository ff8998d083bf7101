// editor_window_win.hpp - what the window manager uses of editor windows.
#pragma once

#include <windows.h>

// Offers a message to an editor window's find dialog and accelerator tables; true when consumed.
bool yyeditaccelerate(int* record, MSG* message);
// 1 when the editor may close (read-only, no prompting, unchanged, or saved or dropped), 0 on
// Cancel.
int yyEditCheckSave(HWND frame, int* record);
// Multi-buffer editors: asks for each other buffer that needs saving in turn; 1 lets the close
// go on, 0 on the first Cancel.
int yyeditcheckotherbuffers(HWND frame, int* record);
// Turning window n back into a plain child: destroys the editor's menus, accelerator tables,
// controls, toolbar, status bar and find dialog, its font and open buffer files. The window
// manager restores the frame's procedure before and frees the record after.
void yyeditrevert(int n, int* record);
