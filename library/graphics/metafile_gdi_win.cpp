// metafile_gdi_win.cpp - the GDI layer of the enhanced-metafile slots: recording, closing,
// loading, playing, saving and drawing into them, and the copy a dialog field shows.
#include "graphics/metafile_gdi_win.hpp"

#include <cstdlib>
#include <string>

#include "dialogs/dialogs_internal_win.hpp"
#include "graphics/addon_ports.hpp"
#include "graphics/metafiles.hpp"
#include "graphics/screen_win.hpp"

HDC MetafileDC[MetafileSlots];
HENHMETAFILE hMetafile[MetafileSlots];
int wMetafileDPI;

namespace {

bool validIndex(int index) { return index >= 0 && index < MetafileSlots; }

// The reference device of a new recording: the chosen printer's information context, else the
// screen's context. `printer` says which, for giving it back.
HDC referenceDevice(bool& printer) {
    printer = false;
    std::string driver, device;
    if (yyhardcopyport().printerNames(driver, device)) {
        HDC ic = CreateICA(driver.c_str(), device.c_str(), nullptr, nullptr);
        if (ic != nullptr) {
            printer = true;
            return ic;
        }
    }
    return GetDC(nullptr);
}

}  // namespace

HENHMETAFILE yymetafileclose(int index) {
    if (!validIndex(index)) return nullptr;
    if (MetafileDC[index] != nullptr && hMetafile[index] == nullptr) {
        // Drawing into it ends: a target that is this recording keeps no pen or font of ours.
        if (hGraphicsMetafile == MetafileDC[index]) {
            if (gDC == hGraphicsMetafile) {
                yygrselectnone();
                gDC = nullptr;
            }
            hGraphicsMetafile = nullptr;
        }
        hMetafile[index] = CloseEnhMetaFile(MetafileDC[index]);
    }
    return hMetafile[index];
}

bool yymetafilerecording(int index) {
    return validIndex(index) && MetafileDC[index] != nullptr && hMetafile[index] == nullptr;
}

void yymetafilecreate(int index, int widthPoints, int heightPoints, int& hres, int& vres, int& hsize, int& vsize) {
    if (!validIndex(index)) return;
    bool printer = false;
    HDC reference = referenceDevice(printer);
    hres = GetDeviceCaps(reference, HORZRES);
    vres = GetDeviceCaps(reference, VERTRES);
    hsize = GetDeviceCaps(reference, HORZSIZE);
    vsize = GetDeviceCaps(reference, VERTSIZE);
    const RECT frame = {0, 0, static_cast<LONG>(static_cast<long long>(widthPoints) * 2540 / 72),
                        static_cast<LONG>(static_cast<long long>(heightPoints) * 2540 / 72)};
    MetafileDC[index] = CreateEnhMetaFileA(reference, nullptr, &frame, nullptr);
    hMetafile[index] = nullptr;
    wMetafileDPI = GetDeviceCaps(reference, LOGPIXELSX);
    if (printer) DeleteDC(reference);
    else ReleaseDC(nullptr, reference);
}

void yymetafiledestroy(int index) {
    if (!validIndex(index)) return;
    HENHMETAFILE metafile = yymetafileclose(index);
    if (metafile != nullptr) DeleteEnhMetaFile(metafile);
    // A loaded entry's mark is a screen context of its own.
    if (MetafileDC[index] != nullptr && metafile != nullptr && GetObjectType(MetafileDC[index]) == OBJ_DC)
        ReleaseDC(nullptr, MetafileDC[index]);
    MetafileDC[index] = nullptr;
    hMetafile[index] = nullptr;
}

void yymetafileload(int index, int size, int& error, int& systemError, std::string_view name) {
    if (!validIndex(index)) return;
    if (MetafileDC[index] != nullptr || hMetafile[index] != nullptr) yymetafiledestroy(index);
    const std::string path(name);
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        error = 1;
        systemError = static_cast<int>(GetLastError());
        return;
    }
    const DWORD wanted = static_cast<DWORD>(size > 0 ? size : 0);
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, wanted > 0 ? wanted : 1);
    BYTE* bytes = block != nullptr ? static_cast<BYTE*>(GlobalLock(block)) : nullptr;
    DWORD read = 0;
    if (bytes == nullptr || ReadFile(file, bytes, wanted, &read, nullptr) == FALSE || read < wanted) {
        error = 2;
        systemError = static_cast<int>(GetLastError());
    } else if ((hMetafile[index] = SetEnhMetaFileBits(wanted, bytes)) == nullptr) {
        // Bytes that are no enhanced metafile give none: a failed read, not a success.
        error = 2;
        systemError = static_cast<int>(GetLastError());
    } else {
        error = 0;
        MetafileDC[index] = GetDC(nullptr);
    }
    if (bytes != nullptr) GlobalUnlock(block);
    if (block != nullptr) GlobalFree(block);
    CloseHandle(file);
}

void yymetafileplay(int index, int left, int top, int right, int bottom) {
    HENHMETAFILE metafile = yymetafileclose(index);
    if (metafile == nullptr || gDC == nullptr) return;
    if (gRegion != nullptr) SelectClipRgn(gDC, gRegion);
    const RECT frame = {left, top, right, bottom};
    PlayEnhMetaFile(gDC, metafile, &frame);
    if (gRegion != nullptr) SelectClipRgn(gDC, nullptr);
}

void yymetafilesave(int index, int& error, int& systemError, std::string_view name) {
    HENHMETAFILE metafile = yymetafileclose(index);
    const std::string path(name);
    HENHMETAFILE copy = metafile != nullptr ? CopyEnhMetaFileA(metafile, path.c_str()) : nullptr;
    if (copy == nullptr) {
        error = 1;
        systemError = static_cast<int>(GetLastError());
        return;
    }
    error = 0;
    DeleteEnhMetaFile(copy);
}

void yymetafileselect2(int index, int width, int height, int& status) {
    status = 1;
    if (!yymetafilerecording(index)) return;
    hGraphicsMetafile = MetafileDC[index];
    SetWindowExtEx(hGraphicsMetafile, width, height, nullptr);
    yyscreentargetselected(hGraphicsMetafile);
    status = 0;
}

int yymetafileslotimage(int slot) {
    if (slot < 1 || slot > MetafileSlots) return 1015;
    if (gravim.graphics.metafileSlots[slot].slotType != 3) return 1061;
    return 0;
}

HENHMETAFILE yymetafilecopy(int slot) {
    if (yymetafileslotimage(slot) != 0) return nullptr;
    HENHMETAFILE metafile = yymetafileclose(slot - 1);
    return metafile != nullptr ? CopyEnhMetaFileA(metafile, nullptr) : nullptr;
}

void yygraphicsinstallfieldpictures() { yysetfieldmetafilesource(yymetafileslotimage, yymetafilecopy); }
