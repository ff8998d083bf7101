// machine.cpp - machine facts for the run log: processor name, screen key, a fixed workload.
#include "machine.hpp"

#include "runlog.hpp"

namespace {

int position(std::string_view text, std::string_view word) {
    std::size_t at = text.find(word);
    return at == std::string_view::npos ? 0 : static_cast<int>(at) + 1;
}

}  // namespace

int cpumarkerposition(std::string_view processorName) {
    runlogwrite({"CPU type=", processorName});
    int found = 0;
    for (std::string_view marker : {"Duo", "ual", "Quad"}) {
        found = position(processorName, marker);
        std::string label(marker);
        label += " ierror=";
        runlogwrite({label, found});
        if (found != 0) break;
    }
    return found;
}

void screenresolutionkey(std::string_view videoValue, TextRef key) {
    constexpr std::string_view Prefix = "HKEY_CURRENT_CONFIG\\System\\CurrentControlSet\\Control\\VIDEO\\";
    Text<108> built;
    built.ref().slice(1, Prefix.size()).assign(Prefix);
    if (videoValue.size() > 57) built.ref().slice(Prefix.size() + 1, 108).assign(videoValue.substr(57, 43));
    key.assign(built.view());
}

void myadd(float& sum, float term) { sum = sum + term; }

int bench() {
    const float integerScale = 1.0f / 74383.0f;
    const float realScale = 1.0f / 5471.0f;
    long s = 1907;
    float r = 5813.0f;
    volatile float sum = 0.0f;
    volatile int inside = 1;
    for (int i = 0; i < BenchPoints; ++i) {
        s = 27611 * s % 74383;
        float x = static_cast<float>(s) * integerScale;
        r = 1307.0f * r;
        float k = static_cast<float>(static_cast<long>(r * realScale));
        r = r - 5471.0f * k;
        float y = r * realScale;
        float term = x * x + y * y;
        float total = sum;
        myadd(total, term);
        sum = total;
        if (term <= 1.0f) inside = inside + 1;
    }
    return inside - 1;
}
