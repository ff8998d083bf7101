/* library_ids.h - identifiers of the library's own resources, shared by its resource script and
   its code: the page-setup dialog and its fields. */
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
