// graphics_port.cpp - images' answers to the layers below: to graphics (graphics/addon_ports.hpp)
// image files decoded and drawn, bitmaps as targets, the viewer's facts; to hardcopy driver 6.
#include "graphics/addon_ports.hpp"
#include "hardcopy/hardcopy_drivers.hpp"
#include "images/bitmaps.hpp"
#include "images/image_driver.hpp"
#include "images/image_files.hpp"

void yyimagesinstallport() {
    ImagePort port;
    port.loadImageData = [](std::string_view name, std::span<int> pixels) { IGrLoadImageData(name, pixels); };
    port.drawImage = yyloadimage;
    port.selectBitmap = yybitmapselect;
    port.createDialogBitmap = yybitmapdialogcreate;
    port.destroyDialogBitmap = yybitmapdialogdestroy;
    port.bitmapViewerInfo = yybitmapinfo;
    yysetimageport(port);
    yysethardcopydriver(6, xximag);
}
