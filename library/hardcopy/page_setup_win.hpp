// page_setup_win.hpp - page setup and printer setup (library-internal, Win32): the system's
// dialogs, the library's own page-setup dialog with its preview, and the printer queries of the
// page-setup record that is being worked on.
#pragma once

#include <windows.h>

#include <commdlg.h>

#include <string>
#include <vector>

// What page setup asks of the printer named in the record's device names. The system's
// device-capability queries answer by default; tests give lists Wine's driver cannot.
class PrinterQueries {
public:
    virtual ~PrinterQueries() = default;
    // which 1: paper names, 2: source names (raw, as the driver fills its fixed-size entries).
    virtual std::vector<std::string> names(int which) = 0;
    // which 3: paper size codes, 4: source codes.
    virtual std::vector<int> codes(int which) = 0;
    // Every paper's width and height in tenths of a millimetre, in the driver's order.
    virtual std::vector<POINT> paperSizes() = 0;
};
// Replaces the system's queries (null puts them back).
void yysetprinterqueries(PrinterQueries* queries);

// The page-setup record the printer routines and printer setup work on: psHardcopy, or the
// record of the page setup that is running.
extern PAGESETUPDLGA* yypagesetuprecord;

// Library-level page setup: keeps the state between calls, converts between paper with margins
// and printable area, and on success stores the printer and its settings for the hardcopy
// drivers. units below 2: thousandths of an inch, else hundredths of a millimetre. Nothing the
// caller passed and no printer global changes unless ok comes back 1.
void yypagesetup(int& paperWidth, int& paperHeight, int& printableWidth, int& printableHeight, int& left, int& top,
                 int& orientation, int& copies, int units, int& colours, int& ok);
// The library's own page-setup dialog (dialog 32010 of the program) on systems of version 6 and
// later, else the system's. 1 accepted (the record updated), 0 not.
int yyPageSetupDlg(PAGESETUPDLGA* record);
// The own dialog. ok := 1 OK, 0 Cancel, -1 the dialog did not load.
void yypagesetupsub(int& paperWidth, int& paperHeight, int& printableWidth, int& printableHeight, int& left,
                    int& top, int& orientation, int& copies, int units, int& ok);

// The printer routines on the record being worked on. which 1 paper names, 2 source names.
void yypsdprintercapint(int which, int& count);
// which 1 and 2: names of 64 and 24 characters each; 3 and 4: 16-bit codes. The buffer holds
// as many entries as yypsdprintercapint counts.
void yypsdprintercapchar(int which, void* buffer);
void yypsdgetsizesource(int& size, int& source);
void yypsdsetsizesource(int size, int source);
// Width and height (tenths of a millimetre) of the paper at the driver's 0-based position index;
// unchanged for a position the printer does not report.
void yypsdpaperwh(int index, int count, int& width, int& height);

// The system's print-setup dialog on the record's printer settings: orientation (0 portrait,
// 1 landscape) and copies in and out; ok := 1 accepted (the record takes the chosen settings).
void yyprintdlg(int& orientation, int& copies, int& ok);

// A movable copy of a global memory block (printer settings), null for null.
HGLOBAL yycopyglobal(HGLOBAL block);
