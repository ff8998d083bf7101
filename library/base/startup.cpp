// startup.cpp - WInitialise, the once-only library start-up, with the home directory and the
// scratch names. Runs on the only thread before any window exists.
#include <cstdio>
#include <string>

#include "base/errors.hpp"
#include "base/gravim.hpp"
#include "base/info.hpp"
#include "base/os.hpp"
#include "base/os_internal.hpp"
#include "base/startup.hpp"
#include "base/startup_internal.hpp"
#include "base/strings.hpp"
#include "base/addon_hooks.hpp"

namespace {

constexpr int initialised = -9999;

bool fileExists(const std::string& name) {
    if (name.empty()) return false;
    int info[9] = {};
    yyfileinfo(name.c_str(), info);
    return info[0] != -1;
}

std::string variable(std::string_view name) {
    Text<260> value;
    IOsVariable(name, value);
    return std::string(value.trimmed());
}

// The defaults of every part that start-up gives values.
void setDefaults() {
    CoreState& core = gravim.core;
    core.lastError = 0;
    core.fileStatus = 0;
    core.osStatus = 0;
    core.debugLevel = 0;
    core.errorCategory = 0;
    core.lfnPlot = 42;
    gravim.system.displayWord23 = 0;
    gravim.system.displayWord24 = 0;
    yyrunaddonhooks(&AddonHooks::startupDefaults);
}

// GRAVINIT when it names an existing file, else gravim.ini here, else in the home directory.
std::string optionsFilePath() {
    const std::string named = variable("GRAVINIT");
    if (fileExists(named)) return named;
    if (fileExists("gravim.ini")) return "gravim.ini";
    const std::string home(gravim.core.homeDirectory.trimmed());
    if (!home.empty() && fileExists(home + "gravim.ini")) return home + "gravim.ini";
    return {};
}

// The first of NN = 00..99, then 100..999, whose file does not exist; blank when none is free
// or the name does not fit, so that hardcopy never overwrites an existing file.
std::string freeScratchName(const std::string& directory, const char* extension) {
    for (int number = 0; number <= 999; ++number) {
        char digits[8];
        std::snprintf(digits, sizeof digits, "%02d", number);
        const std::string name = directory + "kbn$$" + digits + extension;
        if (name.size() > 260) return {};
        if (!fileExists(name)) return name;
    }
    return {};
}

}  // namespace

void yygetdisplayinfo(int& width, int& height, int& colours, int& graphicsColours, int& further1,
                      int& further2, int& further3) {
    int dpi = 0, planes = 0, bits = 0;
    yydisplaycaps(width, height, dpi, planes, bits);
    if (bits > 24) bits = 24;
    const int power = planes * bits;
    colours = power >= 31 ? 0x7fffffff : 1 << power;
    graphicsColours = colours == 2 ? 2 : colours == 16 ? 8 : colours == 256 ? 16 : 256;
    further1 = 3;
    further2 = 0;
    further3 = 0;

    SystemState& system = gravim.system;
    system.wScreenWidth = width;
    system.wScreenHeight = height;
    system.wScreenDPI = dpi;
    system.wScreenCols = colours;
    system.ngColours = graphicsColours;
    system.WinNT = yywinvariant() == 4 ? 1 : 0;
    yyosver(system.WinVerMajor, system.WinVerMinor);
}

void yysetwindowgraphicscolours(int colours) {
    if (gravim.core.displayColours == 256) gravim.system.ngColours = colours;
}

void yysetgraphicscolours(int colours) {
    if (gravim.core.displayColours == 256) gravim.core.graphicsColours = colours;
}

void yywinitialise() {
    CoreState& core = gravim.core;
    core.pathSeparator = '\\';
    yygetdecimal(core.decimalMark);
    core.homeDirectory.assign("");
    std::string home = variable("GRAVIM");
    if (!home.empty()) {
        if (home.back() != '\\') home += core.pathSeparator;
        core.homeDirectory.assign(home);
    } else {
        // DUDA names a folder inside the home: the home ends where its own name last occurs.
        home = variable("DUDA");
        if (const int at = IndexNoCase(home, "DUDA", true); at > 0) home.resize(static_cast<std::size_t>(at - 1));
        core.homeDirectory.assign(home);
    }
    core.lfnGen = 40;
}

void yytmpprn() {
    std::string directory = variable("TEMP");
    if (directory.empty()) directory = variable("TMP");
    if (directory.empty()) directory = "C:\\";
    if (directory.back() != '\\') directory += '\\';
    gravim.core.plotScratchFile.assign(freeScratchName(directory, ".plt"));
    gravim.core.dumpScratchFile.assign(freeScratchName(directory, ".dmp"));
}

void WInitialise(std::optional<std::string_view> optionsFile) {
    CoreState& core = gravim.core;
    if (core.initialisedMark == initialised) return;
    core.initialisedMark = initialised;

    int further[3];
    yygetdisplayinfo(core.displayWidth, core.displayHeight, core.displayColours, core.graphicsColours,
                     further[0], further[1], further[2]);
    yywinitialise();
    setDefaults();
    const std::string home(core.homeDirectory.trimmed());
    core.charDirectory.assign(home.empty() ? std::string() : home + "charsets");

    const std::string path = optionsFilePath();
    core.charSetFile.assign("standard.chr");
    yytmpprn();

    // A value longer than one character reads as blank and changes nothing.
    Text<1> level;
    IOsVariable("GRAVDEBUG", level);
    IDebugLevel(level[0] - '0');

    core.lastError = 0;
    yyargs(-1, TextRef());

    OptionsFileChoices choices;
    const std::string named(optionsFile ? trimRight(*optionsFile) : std::string_view());
    const bool read = fileExists(named) && yyreadoptions(named, choices);
    if (!read && !path.empty()) yyreadoptions(path, choices);

    const std::size_t used = core.charDirectory.used();
    if (used > 0 && core.charDirectory[used - 1] != core.pathSeparator)
        core.charDirectory.assign(std::string(core.charDirectory.trimmed()) + core.pathSeparator);

    yyrunaddonchoices(choices);

    if (choices.version) {
        Text<10> version;
        WInfoVersion(version);
        IOsExitProgram("Gravimonder version " + std::string(version.trimmed()), 0);
    }
}
