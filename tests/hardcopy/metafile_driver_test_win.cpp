// metafile_driver_test_win.cpp - the Windows metafile driver and its layer under Wine: the three
// file kinds and both clipboard forms (left in the printed folder for read_printed.py, which
// renders them with wmf2svg, emf2svg-conv and rsvg-convert), the placeable header, the enhanced
// frame, pens and dashes, a polyline cut at the record limit, and the failures.
#include <gtest/gtest.h>

#include <windows.h>

#include <cmath>
#include <cstdlib>
#include <cstdint>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <thread>
#include <vector>

#include "base/gravim.hpp"
#include "windows/window_tables_win.hpp"
#include "graphics/devices.hpp"
#include "hardcopy/gdi_drivers.hpp"
#include "hardcopy/hardcopy.hpp"
#include "hardcopy/hardcopy_drivers.hpp"
#include "hardcopy/metafile_layer_win.hpp"
#include "drivers_test_support_win.hpp"
#include "printed_path_win.hpp"
#include "metafile_driver_rig_win.hpp"

namespace {

TEST_F(MetafileDriver, TheInitialisationSetsTheMetafilePage) {
    IGrHardCopySelect(1, 11);
    EXPECT_EQ(g.driverNumber, 11);
    EXPECT_EQ(options[1], 756);
    EXPECT_EQ(options[2], 540);
    EXPECT_EQ(options[27], 1);
    EXPECT_EQ(options[29], 0);
    EXPECT_EQ(gravim.hardcopy.hardcopyResolutionX, 600);
    EXPECT_EQ(g.hardcopyColours, 256);
    EXPECT_EQ(std::string(gravim.hardcopy.outputFile.view().substr(0, 2)), "  ");
    g.OperandCount = -999;
    xxwmf(OpInitialise);
    EXPECT_EQ(g.OperandCount, 11);
}

TEST_F(MetafileDriver, EveryKindIsWrittenForItsReader) {
    const struct {
        int kind;
        const char* name;
    } kinds[] = {{0, "metafile_plain.wmf"}, {1, "metafile_placeable.wmf"}, {2, "metafile_enhanced.emf"}};
    for (const auto& kind : kinds) {
        start(kind.kind, printedPath(kind.name));
        ASSERT_EQ(g.hardcopyActive, 1) << kind.name;
        testDrawing();
        gravim.core.lastError = 0;
        IGrHardCopy("S");
        EXPECT_EQ(gravim.core.lastError, 0) << kind.name;
        EXPECT_GT(fileBytes(printedPath(kind.name)).size(), 100u) << kind.name;
    }
}

TEST_F(MetafileDriver, APlaceableFileStartsWithItsHeaderAndItsPensAreInTenthsOfAPoint) {
    const std::string name = printedPath("metafile_header.wmf");
    start(1, name);
    ASSERT_EQ(g.hardcopyActive, 1);
    IGrHardCopyOptions(9, 5);
    drawing::colour(Red);
    drawing::line(0, 0, 700, 500);
    IGrHardCopy("S");
    const std::vector<std::uint8_t> bytes = fileBytes(name);
    ASSERT_GT(bytes.size(), 22u + 18u);
    const std::uint8_t expected[22] = {0xD7, 0xCD, 0xC6, 0x9A, 0, 0, 0, 0, 0, 0, 0x04, 0x29,
                                       0x4C, 0x1D, 0xE8, 0x03, 0, 0, 0, 0, 0xB1, 0x60};
    EXPECT_EQ(std::vector<std::uint8_t>(bytes.begin(), bytes.begin() + 22),
              std::vector<std::uint8_t>(expected, expected + 22));
    EXPECT_EQ(word(bytes, 20), 24753u);
    bool penOfFive = false, windowExtent = false;
    for (const WmfRecord& record : wmfRecords(bytes, 22)) {
        if (record.function == META_CREATEPENINDIRECT && word(bytes, record.parameters + 2) == 5) penOfFive = true;
        if (record.function == META_SETWINDOWEXT)
            windowExtent = word(bytes, record.parameters) == 5401 && word(bytes, record.parameters + 2) == 7561;
    }
    EXPECT_TRUE(penOfFive);
    EXPECT_TRUE(windowExtent);
}

TEST_F(MetafileDriver, AnEnhancedMetafileHasItsFrameDescriptionAndLineFactorPens) {
    const std::string name = printedPath("metafile_frame.emf");
    start(2, name, "Frame");
    ASSERT_EQ(g.hardcopyActive, 1);
    IGrHardCopyOptions(9, 5);
    drawing::colour(Red);
    drawing::line(0, 0, 700, 500);
    IGrHardCopy("S");
    const std::vector<std::uint8_t> bytes = fileBytes(name);
    ASSERT_GT(bytes.size(), 100u);
    EXPECT_EQ(signedDword(bytes, 24), 0);
    EXPECT_EQ(signedDword(bytes, 28), 0);
    EXPECT_EQ(signedDword(bytes, 32), 26670);
    EXPECT_EQ(signedDword(bytes, 36), 19050);
    // The description: application and title, in UTF-16.
    const std::uint32_t characters = dword(bytes, 60), offset = dword(bytes, 64);
    ASSERT_EQ(characters, 22u + 5u);
    std::string description;
    for (std::uint32_t i = 0; i < characters; ++i) description.push_back(static_cast<char>(bytes[offset + 2 * i]));
    EXPECT_EQ(description, std::string("KBN metafile driver\0Frame\0\0", 27));
    // The pen: option 9 in 1/720 inch times the reference device's pixels per 1/720 inch.
    HDC screen = GetDC(nullptr);
    const int extent = yyreferenceextent(7560, GetDeviceCaps(screen, HORZRES), GetDeviceCaps(screen, HORZSIZE));
    ReleaseDC(nullptr, screen);
    const int expectedWidth = static_cast<int>(static_cast<float>(extent) / 7560.0f * 5.0f);
    bool found = false;
    for (const auto& [type, at] : emfRecords(bytes)) {
        if (type == EMR_CREATEPEN) found = found || signedDword(bytes, at + 12) == expectedWidth;
        if (type == EMR_EXTCREATEPEN) found = found || dword(bytes, at + 28) == static_cast<std::uint32_t>(expectedWidth);
    }
    EXPECT_TRUE(found) << "no pen " << expectedWidth << " wide";
}

TEST_F(MetafileDriver, EnhancedDashesScaleToTheReferenceAndWidenTheirGaps) {
    start(2, printedPath("metafile_dashes.emf"));
    ASSERT_EQ(g.hardcopyActive, 1);
    const int dpi = yywmfreferenceresolution();
    ASSERT_GT(dpi, 0);
    yywmflinewidth(1);
    DWORD thin[6] = {}, wide[6] = {};
    ASSERT_EQ(yywmfdashes(7, thin), 6);
    yywmflinewidth(3);
    ASSERT_EQ(yywmfdashes(7, wide), 6);
    const DWORD screenPattern[6] = {8, 4, 4, 4, 4, 4};
    for (int i = 0; i < 6; ++i) {
        const DWORD scaled = screenPattern[i] * static_cast<DWORD>(dpi) / static_cast<DWORD>(gravim.system.wScreenDPI);
        EXPECT_EQ(thin[i], scaled) << i;
        EXPECT_EQ(wide[i], i % 2 == 1 ? scaled + 2 : scaled) << i;
    }
}

TEST_F(MetafileDriver, ALongPolylineIsCutIntoRecordsSharingAVertex) {
    const std::string name = printedPath("metafile_polyline.wmf");
    start(0, name);
    ASSERT_EQ(g.hardcopyActive, 1);
    drawing::colour(Red);
    std::vector<std::pair<float, float>> points;
    for (int i = 0; i < 70000; ++i) points.emplace_back(20.0f + 716.0f * i / 69999.0f, i % 2 == 0 ? 250.0f : 290.0f);
    drawing::polyline(points);
    IGrHardCopy("S");
    const std::vector<std::uint8_t> bytes = fileBytes(name);
    std::vector<std::size_t> polylines;
    for (const WmfRecord& record : wmfRecords(bytes, 0))
        if (record.function == META_POLYLINE) polylines.push_back(record.parameters);
    // A record counts its points in a signed 16-bit word: 32767 points at most.
    ASSERT_EQ(polylines.size(), 3u);
    EXPECT_EQ(word(bytes, polylines[0]), 32767u);
    EXPECT_EQ(word(bytes, polylines[1]), 32767u);
    EXPECT_EQ(word(bytes, polylines[2]), 70000u - 2 * 32766u);
    // Each piece starts where the one before ends.
    for (std::size_t piece = 1; piece < polylines.size(); ++piece) {
        const std::size_t lastOfBefore = polylines[piece - 1] + 2 + 4 * 32766u;
        EXPECT_EQ(word(bytes, lastOfBefore), word(bytes, polylines[piece] + 2)) << piece;
        // A solid open polyline ends one unit further along its last step.
        const int y1 = static_cast<std::int16_t>(word(bytes, lastOfBefore + 2));
        const int y2 = static_cast<std::int16_t>(word(bytes, polylines[piece] + 4));
        EXPECT_LE(std::abs(y1 - y2), 1) << piece;
    }
}

TEST_F(MetafileDriver, ADegenerateArcHasItsEndMovedOnePixel) {
    const std::string name = printedPath("metafile_arc.emf");
    start(2, name);
    ASSERT_EQ(g.hardcopyActive, 1);
    const float radius = 0.05f, start = 100.0f * 3.14159265f / 180, end = 105.0f * 3.14159265f / 180;
    g.OperandX[1] = 300, g.OperandY[1] = 300, g.OperandX[2] = radius, g.OperandY[2] = radius;
    g.OperandX[3] = start, g.OperandY[3] = end, g.OperandX[4] = 100, g.OperandY[4] = 5;
    drawing::filled(OpArcPattern, 4);
    IGrHardCopy("S");
    const std::vector<std::uint8_t> bytes = fileBytes(name);
    bool found = false;
    for (const auto& [type, at] : emfRecords(bytes)) {
        if (type != EMR_PIE) continue;
        found = true;
        EXPECT_EQ(signedDword(bytes, at + 32) - signedDword(bytes, at + 24), -1);  // x end - x start
        EXPECT_EQ(signedDword(bytes, at + 36) - signedDword(bytes, at + 28), 1);   // y
    }
    EXPECT_TRUE(found);
}

TEST_F(MetafileDriver, TextIsMeasuredOnlyInEnhancedMetafiles) {
    start(0, printedPath("metafile_measure.wmf"));
    ASSERT_EQ(g.hardcopyActive, 1);
    yyhdrv(OpFont);
    g.OperandText.assign("Gravimonder");
    g.OperandValue = 11;
    g.OperandX[1] = -5;
    g.OperandCount = -7;
    yyhdrv(OpTextLength);
    EXPECT_EQ(g.OperandX[1], -5);
    EXPECT_EQ(g.OperandCount, -7);
    IGrHardCopy("S");

    start(2, printedPath("metafile_measure.emf"));
    ASSERT_EQ(g.hardcopyActive, 1);
    yyhdrv(OpFont);
    g.OperandText.assign("Gravimonder");
    g.OperandValue = 11;
    yyhdrv(OpTextLength);
    EXPECT_EQ(g.OperandCount, 1);
    EXPECT_GT(g.OperandX[1], 0);
}

TEST_F(MetafileDriver, WithoutAFileNameTheMetafileGoesOnTheClipboard) {
    for (const int kind : {2, 1}) {
        ASSERT_TRUE(OpenClipboard(nullptr));
        EmptyClipboard();
        CloseClipboard();
        start(kind, std::nullopt);
        ASSERT_EQ(g.hardcopyActive, 1);
        testDrawing();
        gravim.core.lastError = 0;
        IGrHardCopy("S");
        EXPECT_EQ(gravim.core.lastError, 0);
        ASSERT_TRUE(OpenClipboard(nullptr));
        if (kind == 2) {
            auto enhanced = static_cast<HENHMETAFILE>(GetClipboardData(CF_ENHMETAFILE));
            ASSERT_NE(enhanced, nullptr);
            std::vector<BYTE> bits(GetEnhMetaFileBits(enhanced, 0, nullptr));
            GetEnhMetaFileBits(enhanced, static_cast<UINT>(bits.size()), bits.data());
            std::ofstream(printedPath("clipboard_enhanced.emf"), std::ios::binary)
                .write(reinterpret_cast<const char*>(bits.data()), static_cast<std::streamsize>(bits.size()));
        } else {
            HANDLE memory = GetClipboardData(CF_METAFILEPICT);
            ASSERT_NE(memory, nullptr);
            const auto* picture = static_cast<const METAFILEPICT*>(GlobalLock(memory));
            ASSERT_NE(picture, nullptr);
            EXPECT_EQ(picture->mm, MM_ANISOTROPIC);
            EXPECT_EQ(picture->xExt, 26670);
            EXPECT_EQ(picture->yExt, 19050);
            std::vector<BYTE> bits(GetMetaFileBitsEx(picture->hMF, 0, nullptr));
            GetMetaFileBitsEx(picture->hMF, static_cast<UINT>(bits.size()), bits.data());
            GlobalUnlock(memory);
            // Saved as a placeable file, as a user's program would, for the reader.
            const MetafilePage page = yymetafilepage(756, 540);
            std::uint8_t header[22];
            yyplaceableheader(page.right, page.bottom, page.checksum, header);
            std::ofstream out(printedPath("clipboard_picture.wmf"), std::ios::binary);
            out.write(reinterpret_cast<const char*>(header), 22);
            out.write(reinterpret_cast<const char*>(bits.data()), static_cast<std::streamsize>(bits.size()));
        }
        CloseClipboard();
    }
}

TEST_F(MetafileDriver, AClipboardHeldElsewhereGives1094AndNoMetafile) {
    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    CloseClipboard();
    start(2, std::nullopt);
    ASSERT_EQ(g.hardcopyActive, 1);
    testDrawing();
    HANDLE held = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    HANDLE release = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    std::thread holder([&] {
        HWND owner = CreateWindowA("STATIC", "holder", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
        OpenClipboard(owner);
        SetEvent(held);
        WaitForSingleObject(release, 10000);
        CloseClipboard();
        DestroyWindow(owner);
    });
    ASSERT_EQ(WaitForSingleObject(held, 10000), WAIT_OBJECT_0);
    gravim.core.lastError = 0;
    IGrHardCopy("S");
    EXPECT_EQ(gravim.core.lastError, 1094);
    SetEvent(release);
    holder.join();
    CloseHandle(held);
    CloseHandle(release);
    EXPECT_FALSE(IsClipboardFormatAvailable(CF_ENHMETAFILE));
    EXPECT_FALSE(IsClipboardFormatAvailable(CF_METAFILEPICT));
}

TEST_F(MetafileDriver, APlaceableFileInAMissingFolderIsError1) {
    gravim.core.lastError = 0;
    start(1, printedPath("no such folder\\plot.wmf"));
    EXPECT_EQ(gravim.core.lastError, 1);
    EXPECT_EQ(gravim.core.fileStatus, ERROR_PATH_NOT_FOUND);
    EXPECT_EQ(gravim.core.errorCategory, 2);
    EXPECT_EQ(g.hardcopyActive, 0);
}

TEST_F(MetafileDriver, AnUnknownKindIsWrittenAsAPlaceableFile) {
    const std::string name = printedPath("metafile_kind7.wmf");
    start(7, name);
    ASSERT_EQ(g.hardcopyActive, 1);
    testDrawing();
    IGrHardCopy("S");
    const std::vector<std::uint8_t> bytes = fileBytes(name);
    ASSERT_GT(bytes.size(), 22u + 18u);
    EXPECT_EQ(dword(bytes, 0), 0x9AC6CDD7u);
    EXPECT_GT(wmfRecords(bytes, 22).size(), 5u);
}

}  // namespace

namespace {

// A small gradient triangle of surface units with red, green and blue corners.
void gradientTriangle() {
    GraphicsState& g = gravim.graphics;
    drawing::vertices({{100, 100}, {105, 100}, {100, 105}});
    g.GradientVertexCount = 3;
    yygradientsize(3);
    g.GradientColour[1] = Red, g.GradientColour[2] = Green, g.GradientColour[3] = Blue;
    yyhdrv(OpGradientFill);
}

TEST_F(MetafileDriver, GradientsAreSystemGradientsInEnhancedMetafilesAndPixelsInWindowsMetafiles) {
    if (pGradientFill == nullptr) {
        hMsimg32 = LoadLibraryA("msimg32.dll");
        pGradientFill = hMsimg32 != nullptr ? GetProcAddress(hMsimg32, "GradientFill") : nullptr;
    }
    ASSERT_NE(pGradientFill, nullptr);
    const std::string enhanced = printedPath("gradient_driver.emf");
    start(2, enhanced);
    ASSERT_EQ(g.hardcopyActive, 1);
    EXPECT_EQ(g.hardcopyDevice.GradientFillType, 2);
    gradientTriangle();
    EXPECT_EQ(g.pageDrawn, 1);
    IGrHardCopy("S");
    int gradients = 0, pixels = 0;
    const auto emf = fileBytes(enhanced);
    for (const auto& [type, at] : emfRecords(emf)) {
        gradients += type == EMR_GRADIENTFILL;
        pixels += type == EMR_SETPIXELV;
    }
    EXPECT_EQ(gradients, 1);
    EXPECT_EQ(pixels, 0);

    const std::string plain = printedPath("gradient_driver.wmf");
    start(0, plain);
    ASSERT_EQ(g.hardcopyActive, 1);
    gradientTriangle();
    IGrHardCopy("S");
    int setPixels = 0;
    for (const WmfRecord& record : wmfRecords(fileBytes(plain), 0)) setPixels += record.function == META_SETPIXEL;
    // A triangle of 50 x 50 units, about half of them covered.
    EXPECT_GT(setPixels, 1000);
    EXPECT_LT(setPixels, 2600);
}

}  // namespace
