// hardcopy_frame_test.cpp - the hardcopy frame through a recording driver: the start and stop of
// output, print commands, driver selection and the options' checks and side effects.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <string>
#include <vector>

#include "base/gravim.hpp"
#include "graphics/devices.hpp"
#include "graphics/graphics.hpp"
#include "hardcopy/hardcopy.hpp"
#include "hardcopy/hardcopy_drivers.hpp"
#include "scratch.hpp"

namespace {

// What the recording driver saw of one opcode.
struct Seen {
    int opcode;
    int value;      // OperandValue
    int count;      // OperandCount
    int titled;     // OperandPixelX[1]
    std::string text;
};

std::vector<Seen> seen;
int recorderNumber = 1;
int drawAtOpen = 0;  // 1: the recorder marks the page drawn when it opens

void recorder(int opcode) {
    GraphicsState& g = gravim.graphics;
    seen.push_back({opcode, g.OperandValue, g.OperandCount, g.OperandPixelX[1], std::string(g.OperandText.trimmed())});
    if (opcode == OpInitialise) {
        if (yyhardcopyquery(recorderNumber)) return;
        const bool commands = recorderNumber == 1 || recorderNumber == 2 || recorderNumber == 4 || recorderNumber == 12;
        yyhardcopyinitialised(recorderNumber, commands ? 1 : 0, "recorded.out");
    }
    if (opcode == OpOpen && drawAtOpen != 0) g.pageDrawn = 1;
}

std::vector<int> opcodes() {
    std::vector<int> list;
    for (const Seen& s : seen) list.push_back(s.opcode);
    return list;
}

class HardcopyFrame : public ::testing::Test {
protected:
    void SetUp() override {
        yyresetgravim();
        gravim.core.plotScratchFile.assign("kbn$$00.plt");
        use(1);
    }
    void TearDown() override {
        IGrHardCopy("S");
        restoreDrivers();
        yyresetgravim();
    }
    // The library's own driver routines, as they were before any test replaced one.
    static HardcopyDriver original(int number) {
        static HardcopyDriver originals[13] = {};
        static bool taken = false;
        if (!taken) {
            for (int n = 1; n <= 12; ++n) {
                originals[n] = yysethardcopydriver(n, nullptr);
                yysethardcopydriver(n, originals[n]);
            }
            taken = true;
        }
        return originals[number];
    }
    static void restoreDrivers() {
        for (int n = 1; n <= 12; ++n) yysethardcopydriver(n, original(n));
    }
    // Puts the recorder in the place of driver number (the others are the library's) and selects it.
    void use(int number) {
        restoreDrivers();
        recorderNumber = number;
        yysethardcopydriver(number, recorder);
        drawAtOpen = 0;
        IGrHardCopySelect(1, number);
        seen.clear();
    }
    const Seen* find(int opcode) const {
        for (const Seen& s : seen)
            if (s.opcode == opcode) return &s;
        return nullptr;
    }
    ScratchFolder folder;
};

TEST_F(HardcopyFrame, StartQueriesOpensAndSendsTheDrawingState) {
    IGrHardCopy();
    ASSERT_GE(seen.size(), 9u);
    EXPECT_EQ(seen[0].opcode, OpInitialise);
    EXPECT_EQ(seen[0].count, -999);
    EXPECT_EQ(seen[1].opcode, OpOpen);
    EXPECT_EQ(seen[1].value, 1);
    EXPECT_EQ(seen[1].count, 1);  // the driver's default name
    EXPECT_EQ(seen[1].text, "recorded.out");
    EXPECT_EQ(seen[1].titled, 0);
    const std::vector<int> all = opcodes();
    const std::vector<int> tail(all.end() - 7, all.end());
    EXPECT_EQ(tail, (std::vector<int>{OpLineWidth, OpLineType, OpLineJoin, OpLineCap, OpClip, OpFont, OpColour}));
    // Between the open and that state: the rotation and font of yyresnrot.
    const std::vector<int> middle(all.begin() + 2, all.end() - 7);
    EXPECT_NE(std::find(middle.begin(), middle.end(), OpFontRotate), middle.end());
    EXPECT_NE(std::find(middle.begin(), middle.end(), OpFont), middle.end());
    EXPECT_EQ(gravim.graphics.hardcopyActive, 1);
    EXPECT_EQ(gravim.hardcopy.hardcopyLastX, -9999.0f);
}

TEST_F(HardcopyFrame, AGivenNameAndTitleReachTheOpen) {
    IGrHardCopy("  out.x  ", "A title");
    const Seen* open = find(OpOpen);
    ASSERT_NE(open, nullptr);
    EXPECT_EQ(open->count, 0);
    EXPECT_EQ(open->text, "  out.x");
    EXPECT_EQ(open->titled, 1);
    EXPECT_EQ(gravim.hardcopy.hardcopyTitle.trimmed(), "A title");

    seen.clear();
    IGrHardCopy(" ", " ");  // a blank name is the default; a blank title is still a title
    open = find(OpOpen);
    ASSERT_NE(open, nullptr);
    EXPECT_EQ(open->count, 1);
    EXPECT_EQ(open->text, "recorded.out");
    EXPECT_EQ(open->titled, 1);
}

TEST_F(HardcopyFrame, StopEndsADrawnPageThenCloses) {
    drawAtOpen = 1;
    IGrHardCopy("a.out");
    seen.clear();
    IGrHardCopy("s");
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[0].opcode, OpPage);
    EXPECT_EQ(seen[0].value, 32);
    EXPECT_EQ(seen[0].count, 1);
    EXPECT_EQ(seen[1].opcode, OpClose);
    EXPECT_EQ(gravim.graphics.hardcopyActive, 0);

    drawAtOpen = 0;
    gravim.graphics.pageDrawn = 0;
    IGrHardCopy("a.out");
    seen.clear();
    IGrHardCopy("S");
    EXPECT_EQ(opcodes(), std::vector<int>{OpClose});

    seen.clear();
    IGrHardCopy("S");  // nothing open: the driver hears nothing
    EXPECT_TRUE(seen.empty());
    EXPECT_EQ(gravim.graphics.hardcopyActive, 0);
}

TEST_F(HardcopyFrame, AStartWhileOpenEndsTheOpenOutputFirst) {
    drawAtOpen = 1;
    IGrHardCopy("first.out");
    seen.clear();
    IGrHardCopy("s ");  // two characters: a start with the output file "s "
    const std::vector<int> all = opcodes();
    ASSERT_GE(all.size(), 4u);
    EXPECT_EQ(std::vector<int>(all.begin(), all.begin() + 4),
              (std::vector<int>{OpPage, OpClose, OpInitialise, OpOpen}));
    EXPECT_EQ(find(OpOpen)->text, "s");
}

TEST_F(HardcopyFrame, PrintCommandsOnlyForTheDriversThatTakeThem) {
    for (int number : {1, 2, 3, 4, 6, 8, 9, 10, 11, 12}) {
        SCOPED_TRACE(number);
        use(number);
        IGrHardCopy("copy @ result.plt");
        const Seen* open = find(OpOpen);
        ASSERT_NE(open, nullptr);
        const bool commands = number == 1 || number == 2 || number == 4 || number == 12;
        EXPECT_EQ(open->text, commands ? "kbn$$00.plt" : "copy @ result.plt");
        EXPECT_EQ(gravim.hardcopy.printCommand.trimmed(), commands ? "copy @ result.plt" : "");
        IGrHardCopy("S");
        EXPECT_TRUE(gravim.hardcopy.printCommand.isBlank());
    }
}

TEST_F(HardcopyFrame, DriversFiveAndSevenOpenNothingSilently) {
    for (int number : {5, 7, 0, 13}) {
        SCOPED_TRACE(number);
        IGrHardCopySelect(1, number);
        seen.clear();
        IGrHardCopy("nothing.out");
        EXPECT_TRUE(seen.empty());
        EXPECT_EQ(gravim.graphics.hardcopyActive, 0);
        EXPECT_EQ(gravim.core.lastError, 0);
        EXPECT_NE(gravim.graphics.OperandCount, -999);  // no query left behind
    }
    IGrHardCopySelect(2, 1);  // only code 1 selects
    EXPECT_EQ(gravim.hardcopy.hardcopyDriverNumber, 13);
}

// The least file drivers write their output file; a print command copies the scratch file and
// deletes it. Natively the command interpreter is absent, so only the scratch file's end shows.
TEST_F(HardcopyFrame, FileDriversOpenTheirOutputAndThePrintCommandRemovesTheScratchFile) {
    restoreDrivers();
    IGrHardCopySelect(1, 1);
    IGrHardCopy("copy @ result.plt");
    EXPECT_EQ(gravim.graphics.hardcopyActive, 1);
    EXPECT_EQ(readWholeFile("kbn$$00.plt"), "");
    IGrHardCopy("S");
    EXPECT_FALSE(std::ifstream("kbn$$00.plt").good());

    IGrHardCopy("missing-folder/x.plt");
    EXPECT_EQ(gravim.core.lastError, 1);
    EXPECT_EQ(gravim.graphics.hardcopyActive, 0);
}

struct OptionCase {
    int option, value;
    int stored;  // what the option holds afterwards (it held 7 before)
};

TEST_F(HardcopyFrame, OptionsKeepTheirValueWhenTheNewOneIsRefused) {
    gravim.hardcopy.printerResolutionCount = 3;
    gravim.hardcopy.printerModeLimit = 2;
    gravim.graphics.driverNumber = 6;
    const OptionCase cases[] = {
        {1, 0, 7}, {1, -4, 7}, {1, 500, 500}, {2, 0, 7}, {3, -30, -30}, {4, 0, 0},
        {5, 4, 7}, {5, -1, 7}, {5, 1, 1}, {6, 3, 7}, {6, 2, 2}, {7, -9, -9}, {8, 0, 1}, {8, 3, 3},
        {9, -3, 1}, {9, 12, 12}, {10, 3, 7}, {10, 2, 2}, {11, -1, 7}, {11, 1, 1}, {12, 50, 100},
        {12, 101, 101}, {13, 0, 7}, {13, 4, 7}, {13, 3, 3}, {14, 1, 7}, {15, 9, 9}, {16, 9, 7},
        {16, 256, 7}, {16, 10, 10}, {21, 0, 7}, {21, 128, 7}, {21, 3, 3}, {23, 16, 7}, {23, 8, 8},
        {23, 3, 7}, {24, 3, 7}, {24, -1, 7}, {24, 2, 2}, {27, 5, 5}, {101, 0, 7}, {101, 1, 1},
        {105, 5, 7}, {105, 4, 4}, {106, -1, -1}, {108, 0, 7},
    };
    for (const OptionCase& c : cases) {
        SCOPED_TRACE(std::to_string(c.option) + " = " + std::to_string(c.value));
        gravim.hardcopy.HardcopyOptions[c.option] = 7;
        IGrHardCopyOptions(c.option, c.value);
        EXPECT_EQ(gravim.hardcopy.HardcopyOptions[c.option], c.stored);
    }
    gravim.graphics.driverNumber = 8;
    IGrHardCopyOptions(23, 3);
    EXPECT_EQ(gravim.hardcopy.HardcopyOptions[23], 3);
    gravim.graphics.driverNumber = 10;
    IGrHardCopyOptions(23, 8);
    EXPECT_EQ(gravim.hardcopy.HardcopyOptions[23], 3);
    IGrHardCopyOptions(30, 1);  // no such option: nothing is written past the array
    IGrHardCopyOptions(13, 2);
    EXPECT_EQ(gravim.hardcopy.printerResolutionIndex, 2);
}

TEST_F(HardcopyFrame, PageSizeOptionsRecomputeTheAspectAndOrientationArrangesThem) {
    int* const o = gravim.hardcopy.HardcopyOptions;
    IGrHardCopyOptions(1, 540);
    IGrHardCopyOptions(2, 756);
    EXPECT_FLOAT_EQ(gravim.graphics.HardcopyAspect, 540.0f / 756.0f);
    IGrHardCopyOptions(5, 3);
    EXPECT_EQ(o[5], 1);
    EXPECT_EQ(o[1], 756);
    EXPECT_EQ(o[2], 540);
    EXPECT_FLOAT_EQ(gravim.graphics.HardcopyAspect, 540.0f / 756.0f);  // not until 1 or 2 is set
    IGrHardCopyOptions(5, 2);
    EXPECT_EQ(o[5], 0);
    EXPECT_EQ(o[1], 540);
    IGrHardCopyOptions(1, 0);
    EXPECT_FLOAT_EQ(gravim.graphics.HardcopyAspect, 540.0f / 756.0f);
    gravim.graphics.rotation = 90;
    IGrHardCopyOptions(2, 756);
    EXPECT_FLOAT_EQ(gravim.graphics.HardcopyAspect, 756.0f / 540.0f);
}

TEST_F(HardcopyFrame, LineOptionsAreResentToOpenOutput) {
    IGrHardCopy("lines.out");
    seen.clear();
    IGrHardCopyOptions(9, -3);
    IGrHardCopyOptions(10, 1);
    IGrHardCopyOptions(11, 2);
    IGrHardCopyOptions(10, 5);  // refused: nothing sent
    EXPECT_EQ(opcodes(), (std::vector<int>{OpLineWidth, OpLineJoin, OpLineCap}));
    EXPECT_EQ(gravim.hardcopy.HardcopyOptions[9], 1);
}

struct ExtensionCase {
    int driver, option, value;
    const char* before;
    const char* after;
};

TEST_F(HardcopyFrame, EpsAndImageOptionsChangeTheDefaultNamesExtension) {
    const ExtensionCase cases[] = {
        {2, 22, 1, "gravplot.ps", "gravplot.eps"},
        {2, 22, 0, "gravplot.eps", "gravplot.ps"},
        {2, 22, 1, "C:\\out.d\\plot", "C:\\out.d\\plot.eps"},
        {2, 22, 1, "noextension", "noextension.eps"},
        {2, 22, 1, "", ""},
        {6, 26, 1, "gravplot.png", "gravplot.bmp"},
        {6, 26, 2, "gravplot.png", "gravplot.bmp"},
        {6, 26, 3, "a.b\\c.pcx", "a.b\\c.png"},
        {6, 26, 9, "gravplot.png", "gravplot.pcx"},
        {6, 22, 1, "gravplot.png", "gravplot.png"},  // the EPS switch belongs to driver 2
        {2, 26, 3, "gravplot.ps", "gravplot.ps"},
    };
    for (const ExtensionCase& c : cases) {
        SCOPED_TRACE(std::string(c.before) + " " + std::to_string(c.option));
        gravim.graphics.driverNumber = c.driver;
        gravim.hardcopy.outputFile.assign(c.before);
        IGrHardCopyOptions(c.option, c.value);
        EXPECT_EQ(gravim.hardcopy.outputFile.trimmed(), c.after);
        EXPECT_EQ(gravim.hardcopy.HardcopyOptions[c.option], c.value);
    }
}

TEST_F(HardcopyFrame, InitialisationResetsTheCommonOptions) {
    int* const o = gravim.hardcopy.HardcopyOptions;
    o[9] = 40, o[101] = 3, o[17] = 1, o[1] = 99;
    IGrHardCopySelect(1, recorderNumber);
    EXPECT_EQ(o[9], 5);
    EXPECT_EQ(o[101], 80);
    EXPECT_EQ(o[104], 999999);
    EXPECT_EQ(o[17], 0);
    EXPECT_EQ(o[1], 99);  // the driver's own
    EXPECT_EQ(gravim.graphics.driverNumber, recorderNumber);
}

}  // namespace

namespace {

// IGrInit with "P" puts every option back through IGrHardCopyOptions: the PostScript driver's
// EPS name comes back from its option, the line width is re-sent to the driver.
TEST_F(HardcopyFrame, GraphicsInitialisationWithPReappliesTheOptionsAndTheName) {
    restoreDrivers();
    gravim.windows.rootOpen = 1;
    gravim.windows.clientWidth = 400;
    gravim.windows.clientHeight = 300;
    IGrHardCopySelect(1, 2);
    EXPECT_EQ(gravim.hardcopy.outputFile.trimmed(), "gravplot.ps");
    IGrHardCopyOptions(22, 1);
    IGrHardCopyOptions(9, 12);
    IGrHardCopyOptions(3, 30);
    IGrHardCopyOptions(104, 5);
    EXPECT_EQ(gravim.hardcopy.outputFile.trimmed(), "gravplot.eps");

    gravim.hardcopy.outputFile.assign("mine.ps");  // an application's name is kept, extension re-applied
    IGrInit("P");
    const int* const o = gravim.hardcopy.HardcopyOptions;
    EXPECT_EQ(o[22], 1);
    EXPECT_EQ(o[9], 12);
    EXPECT_EQ(o[3], 30);
    EXPECT_EQ(o[104], 5);
    EXPECT_EQ(gravim.hardcopy.outputFile.trimmed(), "mine.eps");

    IGrInit(" ");
    EXPECT_EQ(o[22], 0);
    EXPECT_EQ(o[9], 5);
    EXPECT_EQ(o[3], 42);  // the PostScript driver's own x offset
    EXPECT_EQ(o[104], 999999);
    EXPECT_EQ(gravim.hardcopy.outputFile.trimmed(), "gravplot.ps");
}

}  // namespace
