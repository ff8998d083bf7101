// common_dialogs_win.hpp - the system's file, colour, folder and print dialogs inside the
// library's modal bracket, and where dialogs are placed (library-internal, Win32).
#pragma once

#include <windows.h>

#include "base/text.hpp"

// The work behind WSelectFile2: filterResource -1 takes filterText (NUL-separated pieces as
// yyfiltertext makes them), another non-zero number a string resource; title of 260 characters;
// freeze 1 freezes the other windows while the dialog is up.
void yywsfile(int filterResource, const char* filterText, int flags, TextRef fileName, TextRef title,
              int& filterIndex, int freeze);
// The open or save dialog itself. ok := 1 chosen, 0 not; error := 0, 1023 (the name did not fit
// the buffer of bufferSize characters) or 1004.
void yygetfiledialog(int filterResource, int& filterIndex, int save, int confirm, int pathNeedNotExist,
                     int multiple, int defaultExtension, int mustExist, int& ok, int& error, const char* title,
                     char* fileBuffer, const char* initialDirectory, const char* filterText, int bufferSize);
// The colour dialog, fully opened, starting from colour (packed RGB); custom holds 16 colours.
// ok := 1 chosen; error := 0 or 1004. The caption is cut to 255 characters.
void yygetrgbdialog(int& colour, int custom[16], int& ok, int& error, const char* caption);
UINT_PTR CALLBACK yychoosecolorhook(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
// The folder browser with an edit box: result := 1 chosen, 2 cancelled; folder (at least 260
// characters, NUL-terminated) holds the folder last selected or typed. flags: 4 accept a missing
// folder, 64 offer to create it. useCaption 1 takes caption, else "Select Directory".
void yyselectdir(int useCaption, int& result, int flags, char* folder, const char* caption);
int CALLBACK yyBrowseCallbackProc1(HWND browser, UINT message, LPARAM lParam, LPARAM data);
LRESULT CALLBACK yyBrowseCallbackProc2(HWND browser, UINT message, WPARAM wParam, LPARAM lParam);
// The failure code of the common dialog that just returned, 0 for a cancel. Wine leaves the code
// of an earlier failure in place when a dialog is cancelled, so a code unchanged since `before`
// (read just before the dialog ran) counts as none.
DWORD yycommondialogerror(DWORD before);
// Screen position of the client-area origin of window n (0..50), or for -1 of the window the
// active dialog (else the current window) sits in; (0, 0) when there is none.
void yygetwindlgpos(int n, int unused1, int unused2, int& x, int& y);
