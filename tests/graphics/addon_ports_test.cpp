// addon_ports_test.cpp - the hardcopy and image ports: installed by their layers before main, and
// answering as a library without those layers where a table is left empty.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/gravim.hpp"
#include "graphics/addon_ports.hpp"
#include "graphics/devices.hpp"
#include "hardcopy/hardcopy_drivers.hpp"
#include "images/bitmaps.hpp"

namespace {

TEST(AddOnPorts, HardcopyAndImagesInstallThemselves) {
    EXPECT_EQ(yyhardcopyport().driver, &xxhcif);
    EXPECT_EQ(yyimageport().bitmapViewerInfo, &yybitmapinfo);
    EXPECT_EQ(yyimageport().selectBitmap, &yybitmapselect);
}

// An empty table stands for a library built without the layer: every entry answers "nothing".
class EmptyPorts : public ::testing::Test {
protected:
    void SetUp() override {
        yyresetgravim();
        yysethardcopyport({});
        yysetimageport({});
    }
    void TearDown() override {
        yysethardcopyport(hardcopy);
        yysetimageport(images);
        yyresetgravim();
    }
    const HardcopyPort hardcopy = yyhardcopyport();
    const ImagePort images = yyimageport();
};

TEST_F(EmptyPorts, NoPrinterNoDumpAndNoDriver) {
    const HardcopyPort& port = yyhardcopyport();
    port.driver(OpInitialise);
    port.stop();
    port.option(1, 5);
    int error = 0;
    port.windowDumpStart(100, 100, 0, 0, error, 0, 1, "dump");
    EXPECT_NE(error, 0);
    error = 0;
    port.windowDumpBlit(0, 0, 10, 10, error);
    EXPECT_NE(error, 0);
    port.windowDumpEnd();
    std::string driver, device;
    EXPECT_FALSE(port.printerNames(driver, device));
}

TEST_F(EmptyPorts, NoImageIsDecodedOrDrawnAndNoBitmapSelected) {
    const ImagePort& port = yyimageport();
    gravim.core.debugLevel = 0;
    std::vector<int> pixels(4, 7);
    port.loadImageData("picture.bmp", pixels);
    EXPECT_EQ(gravim.core.lastError, 27);
    int error = 0, systemError = 5;
    port.drawImage(1, 0, 0, 0, 9, 9, 0, 1, 0, 0, 0, error, systemError, "picture.bmp");
    EXPECT_EQ(error, 27);
    EXPECT_EQ(systemError, 0);
    int status = 0, width = 0, height = 0;
    port.selectBitmap(0, status, width, height);
    EXPECT_NE(status, 0);
    EXPECT_EQ(port.bitmapViewerInfo(1, 101), 0);
}

}  // namespace
