// metafile_layer_win.cpp - the Windows metafile output layer: one recording from open to close
// (a Windows metafile on disk, a placeable file of header and records, an enhanced metafile, or
// either kind for the clipboard), drawing into it in metafile units, and playing metafiles.
#include "base/errors_internal.hpp"
#include "hardcopy/metafile_layer_win.hpp"

#include <algorithm>
#include <cstring>
#include <vector>

#include "base/gravim.hpp"
#include "graphics/screen_win.hpp"
#include "hardcopy/gdi_canvas_win.hpp"
#include "hardcopy/gdi_drivers.hpp"
#include "hardcopy/printer_layer_win.hpp"

HDC gwmfDC = nullptr;
HRGN gwmfRegion = nullptr;

namespace {

constexpr int Enhanced = 2;
constexpr int Placeable = 1;

int metafileType = 0;         // 0 Windows, 1 placeable, 2 enhanced; 0 again after close
int toClipboard = 0;          // 1 when the recording goes to the clipboard
int frameWidth = 0;           // the page in hundredths of a millimetre
int frameHeight = 0;
int logicalExtent[2] = {0, 0};  // the recording's window extent: extent + 1
HANDLE placeableFile = INVALID_HANDLE_VALUE;
DWORD placeableWriteError = 0;  // the system's code of a failed header write, else 0
int systemDashStyles = 0;     // option 29: enhanced dashes by the system's own styles
int referenceResolution = 0;  // LOGPIXELSX of an enhanced recording's reference device
GdiCanvas recording;          // the recording's drawing state; its context is gwmfDC

bool patternedEnhanced() {
    return gravim.system.WinNT != 0 && metafileType == Enhanced && recording.lineClass != PS_SOLID;
}

bool writeAll(HANDLE file, const void* bytes, DWORD size) {
    DWORD written = 0;
    return WriteFile(file, bytes, size, &written, nullptr) != 0 && written == size;
}

// The reference device of an enhanced recording: the chosen printer, else the screen.
struct ReferenceDevice {
    ReferenceDevice() {
        if (GotPrName != 0) dc = CreateICA(lpPrintDriver, lpPrintType, nullptr, nullptr);
        printer = dc != nullptr;
        if (!printer) dc = GetDC(nullptr);
    }
    ~ReferenceDevice() {
        if (printer) {
            DeleteDC(dc);
        } else if (dc != nullptr) {
            ReleaseDC(nullptr, dc);
        }
    }
    ReferenceDevice(const ReferenceDevice&) = delete;
    ReferenceDevice& operator=(const ReferenceDevice&) = delete;
    HDC dc = nullptr;
    bool printer = false;
};

HDC createEnhanced(int& extentX, int& extentY, const char* fileName, const char* description) {
    const ReferenceDevice reference;
    referenceResolution = GetDeviceCaps(reference.dc, LOGPIXELSX);
    extentX = yyreferenceextent(extentX, GetDeviceCaps(reference.dc, HORZRES), GetDeviceCaps(reference.dc, HORZSIZE));
    extentY = yyreferenceextent(extentY, GetDeviceCaps(reference.dc, VERTRES), GetDeviceCaps(reference.dc, VERTSIZE));
    const RECT frame = {0, 0, frameWidth, frameHeight};
    return CreateEnhMetaFileA(reference.dc, toClipboard != 0 ? nullptr : fileName, &frame, description);
}

// A placeable file: created anew with its header; the records follow at close.
HDC createPlaceable(int right, int bottom, int checksum, const char* fileName) {
    placeableFile = CreateFileA(fileName, GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    if (placeableFile == INVALID_HANDLE_VALUE) return nullptr;
    std::uint8_t header[22];
    yyplaceableheader(right, bottom, checksum, header);
    if (!writeAll(placeableFile, header, sizeof header))
        placeableWriteError = GetLastError() != 0 ? GetLastError() : ERROR_WRITE_FAULT;
    return CreateMetaFileA(nullptr);
}

void closePlaceableFile() {
    if (placeableFile == INVALID_HANDLE_VALUE) return;
    CloseHandle(placeableFile);
    placeableFile = INVALID_HANDLE_VALUE;
}

// The records of a closed Windows metafile after the placeable header; 0 or the system's code.
DWORD writePlaceableRecords(HMETAFILE metafile) {
    const UINT size = GetMetaFileBitsEx(metafile, 0, nullptr);
    std::vector<BYTE> bits(size);
    if (size == 0 || GetMetaFileBitsEx(metafile, size, bits.data()) != size) return ERROR_INVALID_DATA;
    if (!writeAll(placeableFile, bits.data(), size)) return GetLastError() != 0 ? GetLastError() : ERROR_WRITE_FAULT;
    return 0;
}

// Puts the finished recording on the clipboard; false when the clipboard cannot be opened. The
// clipboard owns what it was given.
bool putOnClipboard(HENHMETAFILE enhanced, HMETAFILE windows, bool& enhancedHandedOver) {
    if (OpenClipboard(nullptr) == 0) return false;
    EmptyClipboard();
    if (enhanced != nullptr) {
        enhancedHandedOver = SetClipboardData(CF_ENHMETAFILE, enhanced) != nullptr;
    } else if (windows != nullptr) {
        HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, sizeof(METAFILEPICT));
        auto* picture = memory != nullptr ? static_cast<METAFILEPICT*>(GlobalLock(memory)) : nullptr;
        if (picture != nullptr) {
            picture->mm = MM_ANISOTROPIC;
            picture->xExt = frameWidth;
            picture->yExt = frameHeight;
            picture->hMF = CopyMetaFileA(windows, nullptr);
            GlobalUnlock(memory);
            if (SetClipboardData(CF_METAFILEPICT, memory) == nullptr) {
                DeleteMetaFile(picture->hMF);
                GlobalFree(memory);
            }
        } else if (memory != nullptr) {
            GlobalFree(memory);
        }
    }
    CloseClipboard();
    return true;
}

}  // namespace

void yywmfopen(int& extentX, int& extentY, int type, int systemDashes, int placeableRight,
               int placeableBottom, int checksum, int clipboard, int& failed, int& systemError,
               const char* fileName, const char* description) {
    toClipboard = clipboard;
    // Kinds other than the three are placeable files, which are finished at close.
    metafileType = type >= 0 && type <= 2 ? type : Placeable;
    frameWidth = yymetafileframe(extentX);
    frameHeight = yymetafileframe(extentY);
    placeableWriteError = 0;
    SetLastError(0);
    if (metafileType == Enhanced) {
        gwmfDC = createEnhanced(extentX, extentY, fileName, description);
        systemDashStyles = systemDashes;
    } else {
        if (toClipboard != 0) {
            gwmfDC = CreateMetaFileA(nullptr);
        } else if (metafileType == 0) {
            gwmfDC = CreateMetaFileA(fileName);
        } else {
            gwmfDC = createPlaceable(placeableRight, placeableBottom, checksum, fileName);
        }
        if (gwmfDC != nullptr) SetMapMode(gwmfDC, MM_ANISOTROPIC);
    }
    if (gwmfDC == nullptr) {
        failed = 1;
        systemError = GetLastError() != 0 ? static_cast<int>(GetLastError()) : ERROR_CANNOT_MAKE;
        closePlaceableFile();
        metafileType = 0;
        return;
    }
    failed = 0;
    logicalExtent[0] = extentX + 1;
    logicalExtent[1] = extentY + 1;
    SetWindowExtEx(gwmfDC, logicalExtent[0], logicalExtent[1], nullptr);
    gwmfRegion = nullptr;
    SetBkMode(gwmfDC, TRANSPARENT);
    recording.dc = gwmfDC;
    yygdiforgetpen(recording);
    yywmflinestyles();
}

void yywmfclose(int& error) {
    error = 0;
    if (gwmfDC == nullptr) return;
    if (gwmfRegion != nullptr) {
        DeleteObject(gwmfRegion);
        gwmfRegion = nullptr;
    }
    yygdirelease(recording);
    HENHMETAFILE enhanced = nullptr;
    HMETAFILE windows = nullptr;
    if (metafileType == Enhanced) {
        enhanced = CloseEnhMetaFile(gwmfDC);
    } else {
        windows = CloseMetaFile(gwmfDC);
    }
    gwmfDC = recording.dc = nullptr;

    bool enhancedHandedOver = false;
    if (toClipboard != 0) {
        if (!putOnClipboard(enhanced, windows, enhancedHandedOver)) error = 1094;
    } else if (metafileType == Placeable) {
        const DWORD failure = placeableWriteError != 0 ? placeableWriteError
                              : windows != nullptr   ? writePlaceableRecords(windows)
                                                     : ERROR_INVALID_DATA;
        if (failure != 0) {
            error = 2;
            yysetfilestatus(static_cast<int>(failure), 2);
        }
    }
    closePlaceableFile();
    if (windows != nullptr) DeleteMetaFile(windows);
    if (enhanced != nullptr && !enhancedHandedOver) DeleteEnhMetaFile(enhanced);
    metafileType = 0;
}

void yywmfcolour(int red, int green, int blue) { yygdicolour(recording, red, green, blue); }

void yywmflinetype(int type) { yygdilinetype(recording, type); }

void yywmflinewidth(int width) {
    recording.penWidth = width;
    yywmflinestyles();
}

void yywmflinestyles() {
    if (gravim.system.WinNT != 0 && metafileType == Enhanced) yygdidashes(recording, referenceResolution);
}

int yywmfdashes(int type, DWORD entries[6]) {
    if (type < 1 || type > 7) return 0;
    std::copy_n(recording.dashes[type], 6, entries);
    return recording.dashCount[type];
}

int yywmfreferenceresolution() { return referenceResolution; }

void yywmfcreatepen() {
    if (yygdipenmatches(recording)) return;
    const COLORREF colour = recording.current;
    const int width = recording.penWidth;
    HPEN pen = nullptr;
    if (patternedEnhanced()) {
        LOGBRUSH brush = {BS_SOLID, colour, 0};
        const DWORD shape = PS_GEOMETRIC | PS_ENDCAP_SQUARE | PS_JOIN_MITER;
        if (systemDashStyles != 0) {
            pen = ExtCreatePen(shape | static_cast<DWORD>(recording.lineClass), static_cast<DWORD>(std::max(width, 1)),
                               &brush, 0, nullptr);
        } else {
            const int type = std::clamp(recording.lineType, 1, 7);
            pen = ExtCreatePen(shape | PS_USERSTYLE, static_cast<DWORD>(std::max(width, 1)), &brush,
                               static_cast<DWORD>(recording.dashCount[type]), recording.dashes[type]);
        }
    } else {
        pen = CreatePen(recording.lineClass, width, colour);
    }
    yygdiselectpen(recording, pen);
}

void yywmfline(int x1, int y1, int x2, int y2) {
    yywmfcreatepen();
    yygdiline(recording, x1, y1, x2, y2, false);
}

void yywmfpolyline(int count) {
    yywmfcreatepen();
    yygdipolyline(recording, count, false);
}

void yywmfpoint(int x, int y) { SetPixel(gwmfDC, x, y, recording.current); }

void yywmfellipse(int cx, int cy, int rx, int ry, int fillStyle) {
    if (fillStyle < 3) yywmfcreatepen();
    yygdiellipse(recording, cx, cy, rx, ry, fillStyle);
}

void yywmfrectangle(int x1, int y1, int x2, int y2) { yygdirectangle(recording, x1, y1, x2, y2); }

void yywmfarc(int cx, int cy, int rx, int ry, int x1, int y1, int x2, int y2) {
    yygdipie(recording, cx, cy, rx, ry, x1, y1, x2, y2);
}

void yywmfoutlinearc(int cx, int cy, int rx, int ry, int x1, int y1, int x2, int y2, int outlineMode) {
    yywmfcreatepen();
    yygdioutlinearc(recording, cx, cy, rx, ry, x1, y1, x2, y2, outlineMode);
}

void yywmfpolygon(int count) { yygdipolygon(recording, count, 0); }

void yywmfselectfont(int width, int height, int angle, int family, int style, const char* faceName) {
    yygdiselectfont(recording, yygdimakefont(height, width, angle * 10, family, style, faceName));
}

void yywmfdrawstring(int x1, int y1, int x2, int y2, int justification, int boxed, const char* text,
                     int length) {
    yygdidrawstring(recording, x1, y1, x2, y2, justification, boxed, text, length);
}

void yywmftextlength(int& width, const char* text, int length) { width = yygditextlength(recording, text, length); }

void yywmfclip(int left, int top, int right, int bottom) {
    if (gwmfRegion != nullptr) DeleteObject(gwmfRegion);
    gwmfRegion = CreateRectRgn(left, top, right, bottom);
    SelectClipRgn(gwmfDC, gwmfRegion);
}

void yywmfpointrgb(int x, int y, int colour) { SetPixel(gwmfDC, x, y, static_cast<COLORREF>(colour)); }

void yywmfgradfill(const int* x, const int* y, const int* colours, const int* triangles,
                   int vertexCount, int triangleCount, int& failed) {
    yysystemgradient(gwmfDC, x, y, colours, triangles, vertexCount, triangleCount, failed);
}

namespace {

HDC playTarget(int target) {
    switch (target) {
    case 0: return gDC;
    case 10: return gPrDC;
    case 11: return gwmfDC;
    default: return nullptr;
    }
}

// The rotation about (offsetX, offsetY) as a world transform (NT family only).
void turn(HDC dc, int rotation, int offsetX, int offsetY) {
    XFORM form = {1, 0, 0, 1, static_cast<FLOAT>(offsetX), static_cast<FLOAT>(offsetY)};
    switch (rotation) {
    case 90: form.eM11 = 0, form.eM12 = -1, form.eM21 = 1, form.eM22 = 0; break;
    case 180: form.eM11 = -1, form.eM12 = 0, form.eM21 = 0, form.eM22 = -1; break;
    case 270: form.eM11 = 0, form.eM12 = 1, form.eM21 = -1, form.eM22 = 0; break;
    default: break;
    }
    SetGraphicsMode(dc, GM_ADVANCED);
    SetWorldTransform(dc, &form);
}

bool readWhole(const char* fileName, std::vector<BYTE>& bytes) {
    HANDLE file = CreateFileA(fileName, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    const DWORD size = GetFileSize(file, nullptr);
    bool good = size != INVALID_FILE_SIZE;
    if (good) {
        bytes.resize(size);
        DWORD read = 0;
        good = size == 0 || (ReadFile(file, bytes.data(), size, &read, nullptr) != 0 && read == size);
    }
    CloseHandle(file);
    return good;
}

int playClipboard(HDC dc, const RECT& box) {
    if (OpenClipboard(nullptr) == 0) return 1094;
    const auto enhanced = static_cast<HENHMETAFILE>(GetClipboardData(CF_ENHMETAFILE));
    if (enhanced != nullptr) PlayEnhMetaFile(dc, enhanced, &box);
    CloseClipboard();
    return enhanced != nullptr ? 0 : 1095;
}

int playWindowsMetafile(HDC dc, const std::vector<BYTE>& bytes, std::size_t skip, const RECT& box, int target) {
    if (bytes.size() <= skip) return 2;
    HMETAFILE metafile = SetMetaFileBitsEx(static_cast<UINT>(bytes.size() - skip), bytes.data() + skip);
    if (metafile == nullptr) return 2;
    const int oldMode = SetMapMode(dc, MM_ANISOTROPIC);
    const int saved = SaveDC(dc);
    const int width = box.right - box.left, height = box.bottom - box.top;
    if (target != 11 || metafileType == Enhanced) {
        const int shiftX = target == 10 ? origin[0] : 0, shiftY = target == 10 ? origin[1] : 0;
        SetViewportOrgEx(dc, box.left - shiftX, box.top - shiftY, nullptr);
        SetViewportExtEx(dc, width + 1, height + 1, nullptr);
    } else if (width != 0 && height != 0) {
        // Into a recorded Windows metafile: the box in the recording's own window units.
        SetWindowOrgEx(dc, -box.left * logicalExtent[0] / width, -box.top * logicalExtent[1] / height, nullptr);
        ScaleViewportExtEx(dc, width + 1, logicalExtent[0], height + 1, logicalExtent[1], nullptr);
    }
    PlayMetaFile(dc, metafile);
    RestoreDC(dc, saved);
    SetMapMode(dc, oldMode);
    DeleteMetaFile(metafile);
    return 0;
}

}  // namespace

void yywmfplaymetafile(int type, int left, int top, int right, int bottom, int target, int rotation,
                       int offsetX, int offsetY, int& error, const char* fileName) {
    error = 0;
    const HDC dc = playTarget(target);
    if (dc == nullptr) {
        error = 1;
        return;
    }
    if (target == 0 && gRegion != nullptr) SelectClipRgn(dc, gRegion);
    const bool nt = gravim.system.WinNT != 0;
    if (nt) turn(dc, rotation, offsetX, offsetY);
    const RECT box = {left, top, right, bottom};
    std::vector<BYTE> bytes;
    if (fileName != nullptr && std::strlen(fileName) == 1) {
        error = playClipboard(dc, box);
    } else if (fileName == nullptr || !readWhole(fileName, bytes)) {
        error = 1;
    } else if (type == Enhanced) {
        HENHMETAFILE enhanced = SetEnhMetaFileBits(static_cast<UINT>(bytes.size()), bytes.data());
        if (enhanced == nullptr) {
            error = 2;
        } else {
            PlayEnhMetaFile(dc, enhanced, &box);
            DeleteEnhMetaFile(enhanced);
        }
    } else {
        error = playWindowsMetafile(dc, bytes, type == Placeable ? 22 : 0, box, target);
    }
    if (target == 0) SelectClipRgn(dc, nullptr);
    if (nt) {
        ModifyWorldTransform(dc, nullptr, MWT_IDENTITY);
        SetGraphicsMode(dc, GM_COMPATIBLE);
    }
}
