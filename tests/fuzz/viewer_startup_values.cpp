// viewer_startup_values.cpp - fuzz target: random bytes as the registry values and the environment
// the viewer reads at start-up (the processor name, the video key and the screen size under it,
// USERPROFILE) and as its current folder; the results stay inside their texts.
#include <cstdlib>
#include <string>
#include <vector>

#include "base/gravim.hpp"
#include "base/os_internal.hpp"
#include "startup.hpp"
#include "viewerstate.hpp"

namespace {

// The input's NUL-separated parts; missing ones are empty.
std::vector<std::string> parts(const std::uint8_t* data, std::size_t size, std::size_t count) {
    std::vector<std::string> out(count);
    std::size_t k = 0;
    for (std::size_t i = 0; i < size && k < count; ++i) {
        if (data[i] == 0) ++k;
        else out[k] += static_cast<char>(data[i]);
    }
    return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1) return 0;
    yyresetgravim();
    const int types = data[0];
    const std::vector<std::string> p = parts(data + 1, size - 1, 6);
    const std::intptr_t machine = yyregkey("HKEY_LOCAL_MACHINE"), config = yyregkey("HKEY_CURRENT_CONFIG");
    yyregkeyput(machine, "HARDWARE\\DESCRIPTION\\System\\CentralProcessor\\0", "ProcessorNameString", 1 + types % 4, p[0]);
    yyregkeyput(machine, "HARDWARE\\DEVICEMAP\\VIDEO", "\\Device\\Video0", 1 + (types >> 2) % 2, p[1]);
    // The screen size under the key the video value names: numbers of any length and type.
    const std::string video = p[1].size() > 57 ? p[1].substr(57, 43) : std::string();
    const std::string key = "System\\CurrentControlSet\\Control\\VIDEO\\" + video;
    yyregkeyput(config, key.c_str(), "DefaultSettings.XResolution", (types & 8) != 0 ? 4 : 3, p[2]);
    yyregkeyput(config, key.c_str(), "DefaultSettings.YResolution", (types & 16) != 0 ? 4 : 1, p[3]);
    setenv("USERPROFILE", p[4].c_str(), 1);

    ViewerState state;
    machinefacts(state);
    if (state.multiCore != 0 && state.multiCore != 1) std::abort();
    settingspathandfolder(state);
    defaultinstallation(p[5], state.qvdir);
    if (state.qvdir.trimmed().size() > p[5].size()) std::abort();
    unsetenv("USERPROFILE");
    // The native registry lives as long as the process: the keys go, so that the next input
    // starts from an empty one.
    yyregkeydel(machine, "HARDWARE\\DESCRIPTION\\System\\CentralProcessor\\0");
    yyregkeydel(machine, "HARDWARE\\DEVICEMAP\\VIDEO");
    yyregkeydel(config, key.c_str());
    return 0;
}
