// startup_probe.cpp - a program built on the library that reports what start-up set up.
// The start-up tests run it in a fresh process per case: WInitialise runs once per process.
// It writes key=value lines to the file named by GRAVPROBE_OUT; a stop box shown during
// start-up (the version exit) is answered and reported, since the process ends behind it.
#include <windows.h>

#include <cstdio>
#include <stdexcept>
#include <string>

#include "base/gravim.hpp"
#include "base/os.hpp"
#include "base/startup.hpp"
#include "base/startup_internal.hpp"
#include "editor/buffer_store.hpp"

namespace {

std::string variable(const char* name) {
    char value[1024] = "";
    const DWORD n = GetEnvironmentVariableA(name, value, sizeof value);
    return n > 0 && n < sizeof value ? value : "";
}

void line(std::string& report, const std::string& key, const std::string& value) {
    report += key + "=" + value + "\n";
}

std::string report() {
    const CoreState& core = gravim.core;
    std::string out;
    line(out, "home", std::string(core.homeDirectory.trimmed()));
    line(out, "chardir", std::string(core.charDirectory.trimmed()));
    line(out, "charset", std::string(core.charSetFile.trimmed()));
    line(out, "lfngen", std::to_string(core.lfnGen));
    line(out, "lfnplot", std::to_string(core.lfnPlot));
    line(out, "debug", std::to_string(core.debugLevel));
    line(out, "plot", std::string(core.plotScratchFile.trimmed()));
    line(out, "dump", std::string(core.dumpScratchFile.trimmed()));
    line(out, "printer", std::to_string(gravim.hardcopy.printerType));
    line(out, "plotter", std::to_string(gravim.hardcopy.plotterModel));
    line(out, "variant", std::to_string(gravim.hardcopy.printerVariant));
    line(out, "dumptarget", std::to_string(gravim.hardcopy.printImageTarget));
    line(out, "display", core.displayWidth > 0 && core.displayHeight > 0 &&
                             core.displayWidth == gravim.system.wScreenWidth ? "ok" : "missing");
    line(out, "colours", std::to_string(core.displayColours) + "/" + std::to_string(core.graphicsColours));
    line(out, "separator", std::string(1, core.pathSeparator));
    line(out, "editorstore", yyeditbufferentry(50, 35) != nullptr ? "ok" : "missing");
    line(out, "error", std::to_string(core.lastError));
    Text<260> arg;
    const int count = yyargs(-1, TextRef());
    line(out, "argc", std::to_string(count));
    for (int n = 0; n <= count; ++n) {
        arg.assign("");
        yyargs(n, arg);
        line(out, "arg" + std::to_string(n), std::string(arg.trimmed()));
    }
    return out;
}

void writeReport(const std::string& extra) {
    std::FILE* out = std::fopen(variable("GRAVPROBE_OUT").c_str(), "wb");
    if (out == nullptr) return;
    const std::string text = report() + extra;
    std::fwrite(text.data(), 1, text.size(), out);
    std::fclose(out);
}

BOOL CALLBACK findBox(HWND window, LPARAM found) {
    char name[16] = "";
    GetClassNameA(window, name, sizeof name);
    if (std::string(name) == "#32770" && IsWindowVisible(window)) {
        *reinterpret_cast<HWND*>(found) = window;
        return FALSE;
    }
    return TRUE;
}

// Reports the box that start-up shows, with the state behind it, then presses its button.
void CALLBACK answerBox(HWND, UINT, UINT_PTR timer, DWORD) {
    HWND box = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), findBox, reinterpret_cast<LPARAM>(&box));
    if (box == nullptr) return;
    KillTimer(nullptr, timer);
    char title[128] = "";
    GetWindowTextA(box, title, sizeof title);
    std::string text;
    for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        char name[16] = "", content[512] = "";
        GetClassNameA(child, name, sizeof name);
        GetWindowTextA(child, content, sizeof content);
        if (std::string(name) == "Static" && content[0] != '\0') text = content;
    }
    writeReport("boxtitle=" + std::string(title) + "\nboxtext=" + text + "\n");
    PostMessageA(box, WM_COMMAND, IDOK, 0);
}

}  // namespace

void applicationMain() {
    SetTimer(nullptr, 0, 50, answerBox);
    const std::string options = variable("GRAVPROBE_OPTIONS");
    if (options.empty())
        WInitialise();
    else
        WInitialise(options);
    if (!variable("GRAVPROBE_TWICE").empty()) {
        // A second call changes nothing, whatever changed in between.
        SetEnvironmentVariableA("GRAVIM", "Q:\\other");
        SetEnvironmentVariableA("GRAVDEBUG", "4");
        WInitialise();
    }
    if (!variable("GRAVPROBE_THROW").empty()) throw std::runtime_error("probe failure");
    const std::string command = variable("GRAVPROBE_EXECUTE");
    if (!command.empty()) IOsExecute(command);
    writeReport("");
}
