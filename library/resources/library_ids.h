/* library_ids.h - identifiers of the library's own resources, shared by its resource script and
   its code: the page-setup dialog and its fields, the editor's keys and toolbar strips. */
#pragma once

#define IDD_PAGESETUP 32010

#define IDC_PAGE_PREVIEW 1024
#define IDC_PAGE_PAPER 1033
#define IDC_PAGE_SOURCE 1034
#define IDC_PAGE_MARGINTITLE 1038
#define IDC_PAGE_LEFT 1039
#define IDC_PAGE_RIGHT 1040
#define IDC_PAGE_TOP 1042
#define IDC_PAGE_BOTTOM 1044
#define IDC_PAGE_PORTRAIT 1208
#define IDC_PAGE_LANDSCAPE 1209
#define IDC_PAGE_PRINTER 1301

/* The editor: accelerator tables (the editor's own, and the one used inside a host window) and
   toolbar strips (more than 256 colours / fewer). The command identifiers are the editor's. */
#define IDR_EDITOR_KEYS 32101
#define IDR_EDITOR_INSIDE_KEYS 32102
#define IDB_EDITOR_FORMAT_16 32101
#define IDB_EDITOR_STANDARD_16 32102
#define IDB_EDITOR_FORMAT_24 32108
#define IDB_EDITOR_STANDARD_24 32109
#define IDB_EDITOR_HELP_16 2001
#define IDB_EDITOR_HELP_24 2002

#define IDM_EDIT_NEW 32101
#define IDM_EDIT_OPEN 32102
#define IDM_EDIT_SAVE 32103
#define IDM_EDIT_SAVEAS 32104
#define IDM_EDIT_PRINT 32105
#define IDM_EDIT_PRINTSELECTION 32106
#define IDM_EDIT_FIND 32141
#define IDM_EDIT_FINDNEXT 32142
#define IDM_EDIT_REPLACE 32143
#define IDM_EDIT_SETBOOKMARK 32147
#define IDM_EDIT_GOTOBOOKMARK 32148
#define IDM_EDIT_ALIGNLEFT 32163
#define IDM_EDIT_ALIGNCENTRE 32164
#define IDM_EDIT_ALIGNRIGHT 32165
