// graphics_port.cpp - images' answers to graphics (graphics/addon_ports.hpp): image files decoded
// and drawn for the devices, bitmaps as drawing targets, and the bitmap viewer's facts.
#include "graphics/addon_ports.hpp"
#include "images/bitmaps.hpp"
#include "images/image_files.hpp"

void yyimagesinstallport() {
    ImagePort port;
    port.loadImageData = [](std::string_view name, std::span<int> pixels) { IGrLoadImageData(name, pixels); };
    port.drawImage = [](int kind, int x1, int y1, int x2, int y2, int stretch, int stretchMode, int rotation,
                        int xOffset, int yOffset, int& error, int& systemError, const char* name) {
        yyloadimage(kind, 0, x1, y1, x2, y2, stretch, stretchMode, rotation, xOffset, yOffset, error, systemError, name);
    };
    port.selectBitmap = yybitmapselect;
    port.bitmapViewerInfo = yybitmapinfo;
    yysetimageport(port);
}
