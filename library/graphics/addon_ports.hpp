// addon_ports.hpp - what graphics asks of the layers above it: the hardcopy port and the image
// port, tables of routines that hardcopy and images install, answering as a library without them.
#pragma once

#include <span>
#include <string>
#include <string_view>

// What graphics asks of hardcopy. An entry left null answers as a library without hardcopy:
// nothing is drawn or printed and no printer is chosen.
struct HardcopyPort {
    // One opcode to the driver frame, which hands it to the selected driver.
    void (*driver)(int opcode) = nullptr;
    // Ends any hardcopy in progress.
    void (*stop)() = nullptr;
    // Sets one hardcopy option with its side effects.
    void (*option)(int option, int value) = nullptr;
    // The window dump on the Windows printer: a page of the given layout (error non-zero when
    // none can be started), the current surface's pixel rectangle blitted onto it, the page ended.
    void (*windowDumpStart)(int width, int height, int xOffset, int yOffset, int& error, int landscape,
                            int copies, const char* documentName) = nullptr;
    void (*windowDumpBlit)(int left, int top, int right, int bottom, int& error) = nullptr;
    void (*windowDumpEnd)() = nullptr;
    // The chosen printer's driver and device names; false when none was chosen.
    bool (*printerNames)(std::string& driver, std::string& device) = nullptr;
    // The selected driver initialised afresh (IGrInit), its options cleared first; keep: with the
    // options and the output name it had before (IGrInit "P").
    void (*restart)(bool keep) = nullptr;
};

// What graphics asks of images. An entry left null answers as a library without images: no
// file is decoded or drawn (error 27, "not a known image"), no bitmap can be a target or be
// made for a dialog, no window shows a bitmap.
struct ImagePort {
    // Decodes an image file into RGBValues, one per pixel (IGrLoadImageData).
    void (*loadImageData)(std::string_view name, std::span<int> pixels) = nullptr;
    // Draws an image file onto a context: target 0 the current surface, 10 the printer document,
    // 11 the metafile being recorded (yyloadimage).
    void (*drawImage)(int kind, int target, int x1, int y1, int x2, int y2, int stretch, int stretchMode, int rotation,
                      int xOffset, int yOffset, int& error, int& systemError, const char* name) = nullptr;
    // Makes bitmap slot the drawing target; status 0 with its size, else non-zero.
    void (*selectBitmap)(int slot, int& status, int& width, int& height) = nullptr;
    // A bitmap of the library's own that a dialog draws into and shows as a field's picture (page
    // setup's preview): while it lives identifier 51, above every program's, is allowed too, so
    // it is made even when the program holds 50. identifier 0 when none was made. Its destroy
    // (identifier 0 for none) bars identifier 51 again.
    void (*createDialogBitmap)(int width, int height, int colour, int& identifier) = nullptr;
    void (*destroyDialogBitmap)(int identifier) = nullptr;
    // Facts of the bitmap viewer in a window (yybitmapinfo's items); 0 where none is shown.
    int (*bitmapViewerInfo)(int window, int item) = nullptr;
};

// Install a layer's routines, replacing the whole table; null entries take the answers above.
void yysethardcopyport(const HardcopyPort& port);
void yysetimageport(const ImagePort& port);
// The routines in force, every entry set.
const HardcopyPort& yyhardcopyport();
const ImagePort& yyimageport();
// True when the last installation gave every entry of the port.
bool yyhardcopyportfilled();
bool yyimageportfilled();
