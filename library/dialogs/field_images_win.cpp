// field_images_win.cpp - pictures on buttons and statics: bitmap and icon resources, metafile
// resources, off-screen bitmaps and metafile slots. The picture a field held before is freed.
#include "base/errors_internal.hpp"
#include "dialogs/dialogs.hpp"
#include "dialogs/dialogs_internal_win.hpp"

namespace {

constexpr int imageBitmap = 1, imageIcon = 2, imageOffscreen = 3, imageSlot = 4, imageMetafile = 5;

// The sources installed by images and graphics; null gives no picture.
HBITMAP (*bitmapCopy)(int identifier) = nullptr;
int (*slotCheck)(int slot) = nullptr;
HENHMETAFILE (*slotCopy)(int slot) = nullptr;

HINSTANCE instance() { return GetModuleHandleA(nullptr); }

HENHMETAFILE metafileResource(int identifier) {
    HRSRC found = FindResourceA(instance(), MAKEINTRESOURCEA(identifier & 0xFFFF), "KBNMETAFILE");
    HGLOBAL loaded = found != nullptr ? LoadResource(instance(), found) : nullptr;
    const void* bits = loaded != nullptr ? LockResource(loaded) : nullptr;
    if (bits == nullptr) return nullptr;
    return SetEnhMetaFileBits(SizeofResource(instance(), found), static_cast<const BYTE*>(bits));
}

// A button's bitmap shows the button face where its top-left pixel's colour was.
void makeBitmapTransparent(HBITMAP bitmap) {
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, bitmap);
    BITMAP info{};
    GetObjectA(bitmap, sizeof info, &info);
    COLORREF background = GetPixel(dc, 0, 0);
    COLORREF face = GetSysColor(COLOR_BTNFACE);
    for (int y = 0; y < info.bmHeight; ++y)
        for (int x = 0; x < info.bmWidth; ++x)
            if (GetPixel(dc, x, y) == background) SetPixel(dc, x, y, face);
    SelectObject(dc, old);
    DeleteDC(dc);
}

void destroyImage(UINT type, HANDLE image) {
    if (image == nullptr) return;
    if (type == IMAGE_BITMAP) DeleteObject(image);
    else if (type == IMAGE_ICON) DestroyIcon(static_cast<HICON>(image));
    else DeleteEnhMetaFile(static_cast<HENHMETAFILE>(image));
}

}  // namespace

void yysetfieldbitmapsource(HBITMAP (*copy)(int identifier)) { bitmapCopy = copy; }

void yysetfieldmetafilesource(int (*check)(int slot), HENHMETAFILE (*copy)(int slot)) {
    slotCheck = check;
    slotCopy = copy;
}

void yyfieldimage(int& field, int identifier, int kind) {
    HWND c = yyfieldwindow(field);
    if (c == nullptr) {
        field = -1;
        return;
    }
    bool button = yyclassis(c, "Button");
    bool isStatic = yyclassis(c, "Static");
    if (!button && !isStatic) {
        field = -1;
        return;
    }
    if (button && (kind == imageSlot || kind == imageMetafile)) {
        field = -1;
        return;
    }
    UINT type = kind == imageIcon ? IMAGE_ICON : (kind == imageBitmap || kind == imageOffscreen) ? IMAGE_BITMAP : IMAGE_ENHMETAFILE;
    HANDLE image = nullptr;
    switch (kind) {
    case imageBitmap:
        image = LoadImageA(instance(), MAKEINTRESOURCEA(identifier & 0xFFFF), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION);
        break;
    case imageIcon:
        image = LoadImageA(instance(), identifier == 0 ? "ICON1" : MAKEINTRESOURCEA(identifier & 0xFFFF), IMAGE_ICON, 0, 0, 0);
        break;
    case imageMetafile: image = metafileResource(identifier); break;
    case imageOffscreen:  // a copy, which outlives the bitmap
        image = bitmapCopy != nullptr ? bitmapCopy(identifier) : nullptr;
        break;
    default:  // a copy: the slot keeps its own
        image = slotCopy != nullptr ? slotCopy(identifier) : nullptr;
        break;
    }
    if (image == nullptr) {
        field = -2;
        return;
    }
    HANDLE previous = nullptr;
    if (button) {
        if (type == IMAGE_BITMAP) makeBitmapTransparent(static_cast<HBITMAP>(image));
        LONG s = GetWindowLongA(c, GWL_STYLE) & ~(BS_BITMAP | BS_ICON);
        SetWindowLongA(c, GWL_STYLE, s | (type == IMAGE_BITMAP ? BS_BITMAP : BS_ICON));
        previous = reinterpret_cast<HANDLE>(SendMessageA(c, BM_SETIMAGE, type, reinterpret_cast<LPARAM>(image)));
    } else {
        LONG s = GetWindowLongA(c, GWL_STYLE) & ~SS_TYPEMASK;
        SetWindowLongA(c, GWL_STYLE, s | (type == IMAGE_BITMAP ? SS_BITMAP : type == IMAGE_ICON ? SS_ICON : SS_ENHMETAFILE));
        previous = reinterpret_cast<HANDLE>(SendMessageA(c, STM_SETIMAGE, type, reinterpret_cast<LPARAM>(image)));
    }
    if (previous != image) destroyImage(type, previous);
    InvalidateRect(c, nullptr, TRUE);
}

void WDialogPutImage(int field, int identifier, int kind) {
    if (yycurrentdialogwindow() == nullptr) {
        yyerror(1005, "WDialogPutImage");
        return;
    }
    if (kind == imageSlot && slotCheck != nullptr) {
        const int error = slotCheck(identifier);
        if (error != 0) {
            yyerror(error, "WDialogPutImage");
            return;
        }
    }
    int f = field;
    yyfieldimage(f, identifier, kind);
    if (f == -1) yyerror(1006, "WDialogPutImage");
    else if (f == -2) yyerror(1015, "WDialogPutImage");
}
