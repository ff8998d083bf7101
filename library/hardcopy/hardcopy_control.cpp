// hardcopy_control.cpp - selecting the hardcopy driver, starting and stopping output, print
// commands and the page aspect.
#include <string>

#include "base/gravim.hpp"
#include "base/os.hpp"
#include "base/output_file.hpp"
#include "graphics/colours.hpp"
#include "graphics/devices.hpp"
#include "graphics/graphics_internal.hpp"
#include "hardcopy/hardcopy.hpp"
#include "hardcopy/hardcopy_drivers.hpp"

namespace {

constexpr int driverQuery = -999;

bool isStop(const std::optional<std::string_view>& file) {
    return file && file->size() == 1 && ((*file)[0] == 'S' || (*file)[0] == 's');
}

// The stored print command with its first "@" replaced by the scratch file's name.
std::string printCommandLine() {
    const std::string_view stored = gravim.hardcopy.printCommand.view();
    const std::size_t at = stored.find('@');
    std::string line(stored.substr(0, at));
    line += gravim.core.plotScratchFile.trimmed();
    if (at != std::string_view::npos) line += stored.substr(at + 1);
    return line;
}

void runPrintCommand() {
    HardcopyState& h = gravim.hardcopy;
    if (h.printCommand.isBlank()) return;
    yyprncmd(printCommandLine());
    IOsDeleteFile(gravim.core.plotScratchFile.trimmed());
    h.printCommand.assign("");
}

// Palette indexes of the previous and current colours for drivers that take indexes.
void mapUnmappedColours() {
    GraphicsState& g = gravim.graphics;
    for (int column : {0, 1})
        if (g.colourState[1][column] == -1) yyrgbto8(g.colourState[2][column], g.colourState[1][column]);
}

}  // namespace

void IGrHardCopySelect(int code, int driver) {
    if (code != 1) return;
    gravim.hardcopy.hardcopyDriverNumber = driver;
    xxhcif(OpInitialise);
}

void yyasprath() {
    const GraphicsState& g = gravim.graphics;
    const int* const options = gravim.hardcopy.HardcopyOptions;
    if (options[1] <= 0 || options[2] <= 0) return;
    const float width = static_cast<float>(options[1]), height = static_cast<float>(options[2]);
    gravim.graphics.HardcopyAspect = g.rotation % 180 == 0 ? width / height : height / width;
}

void IGrHardCopy(std::optional<std::string_view> file, std::optional<std::string_view> title) {
    GraphicsState& g = gravim.graphics;
    HardcopyState& h = gravim.hardcopy;
    // Whatever the call, open output ends first.
    if (g.pageDrawn != 0) {
        g.OperandValue = 32;
        g.OperandCount = 1;
        yyhdrv(OpPage);
    }
    yyhdrv(OpClose);
    g.hardcopyActive = 0;
    if (isStop(file)) {
        runPrintCommand();
        return;
    }

    g.OperandCount = driverQuery;
    xxhcif(OpInitialise);  // directly: output is not active, so yyhdrv would drop it
    if (g.OperandCount == driverQuery) {
        g.OperandCount = 0;  // so that the next initialisation is not taken for a query
        return;
    }
    g.OperandText.assign(h.outputFile.view());
    g.OperandCount = 1;
    if (file && trimmedLength(*file) > 0) {
        g.OperandText.assign(*file);
        g.OperandCount = 0;
    }
    if (h.printCommandAllowed != 0 && g.OperandText.view().find(" @ ") != std::string_view::npos) {
        h.printCommand.assign(g.OperandText.view());
        g.OperandText.assign(gravim.core.plotScratchFile.view());
    }
    if (title) {
        h.hardcopyTitle.assign(*title);
        g.OperandPixelX[1] = 1;
    } else {
        g.OperandPixelX[1] = 0;
    }

    g.hardcopyActive = 1;
    g.OperandValue = 1;
    yyhdrv(OpOpen);
    yyasprath();
    yyresnrot();
    if (g.screenActive == 0) g.ActiveColourCount = g.hardcopyColours;
    mapUnmappedColours();
    h.hardcopyLastX = h.hardcopyLastY = -9999.0f;
    for (const int opcode : {OpLineWidth, OpLineType, OpLineJoin, OpLineCap, OpClip, OpFont, OpColour})
        yyhdrv(opcode);
}

void yyhardcopystop() { IGrHardCopy("S", " "); }
