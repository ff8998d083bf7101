// grid_companion.cpp - fuzz target: random bytes as the text after a "[Grids]" line's control
// identifier, read with and without row labels; what is consumed stays inside the text.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>

#include "grid/grid_companion.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::unique_ptr<char[]> exact(new char[size == 0 ? 1 : size]);
    if (size > 0) std::memcpy(exact.get(), data, size);
    std::string_view text(exact.get(), size);
    for (unsigned style : {0u, unsigned(GridRowLabels), unsigned(GridRowLabels | GridNoLabelText)}) {
        GridCompanionDefinition d = yygridreaddefinition(text, style);
        if (d.used > size) std::abort();
        if (d.line.rows >= 0 && d.labels.labels.size() > static_cast<std::size_t>(d.line.rows)) std::abort();
        for (const auto& label : d.labels.labels)
            if (label.size() > GridLabelSize - 1 || label.find('\n') != std::string::npos) std::abort();
    }
    return 0;
}
