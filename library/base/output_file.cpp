// output_file.cpp - the buffered output file units and the print command runner.
// A unit collects small writes (the drivers write many short lines) and hands them to the
// system in blocks; every block that cannot be written whole, and a failing close, is reported
// as the write failing.
#include "base/output_file.hpp"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "base/errors_internal.hpp"
#include "base/files_internal.hpp"
#include "base/gravim.hpp"
#include "base/os_internal.hpp"

namespace {

constexpr int errorOpening = 1;  // "Error opening file or device"
constexpr int errorWriting = 2;  // "Error reading/writing file or device"
constexpr std::size_t blockSize = 64 * 1024;

struct OutputUnit {
    int handle = -1;
    std::vector<char> pending;  // written by the caller, not yet by the system
};
std::array<OutputUnit, 10> units;

OutputUnit* unitOf(int unit) {
    return unit >= 0 && unit < static_cast<int>(units.size()) ? &units[static_cast<std::size_t>(unit)]
                                                              : nullptr;
}

// Every failure of the units: an open, a write that stored less than asked, a flush, a close.
void reportFailure(int number, int systemCode, std::string_view routine) {
    gravim.core.fileStatus = systemCode;
    gravim.core.errorCategory = 2;
    gravim.hardcopy.hardcopyOutputError = 1;
    yyerror(number, routine);
}

// Writes bytes to a handle; false with the system's code when not all of them were written.
bool writeAll(int handle, const char* bytes, std::size_t count, int& status) {
    std::int64_t done = 0;
    yywriteall(handle, bytes, static_cast<std::int64_t>(count), done, status);
    return status == 0;
}

void flush(OutputUnit& unit) {
    if (unit.pending.empty()) return;
    int status = 0;
    const bool written = writeAll(unit.handle, unit.pending.data(), unit.pending.size(), status);
    unit.pending.clear();
    if (!written) reportFailure(errorWriting, status, "YYPROU");
}

void append(OutputUnit& unit, const char* bytes, std::size_t count) {
    if (unit.pending.size() + count > blockSize) flush(unit);
    if (count >= blockSize) {
        int status = 0;
        if (!writeAll(unit.handle, bytes, count, status)) reportFailure(errorWriting, status, "YYPROU");
        return;
    }
    unit.pending.insert(unit.pending.end(), bytes, bytes + count);
}

// The open unit to write to; a unit that is not open fails the write.
OutputUnit* writableUnit(int unit) {
    OutputUnit* const output = unitOf(unit);
    if (output != nullptr && output->handle != -1) return output;
    reportFailure(errorWriting, 0, "YYPROU");
    return nullptr;
}

}  // namespace

void yyprop(int unit) { yyprop(unit, gravim.graphics.OperandText); }

void yyprop(int unit, TextRef name) {
    OutputUnit* const output = unitOf(unit);
    const std::string_view used = name.trimmed();
    const std::size_t first = used.find_first_not_of(' ');
    if (first == std::string_view::npos || output == nullptr) {
        // Nothing to open: slot 2 keeps what it held.
        gravim.core.errorCategory = 2;
        gravim.hardcopy.hardcopyOutputError = 1;
        yyerror(errorOpening, "YYPROU");
        return;
    }
    if (output->handle != -1) yyprcl(unit);
    gravim.hardcopy.hardcopyOutputError = 0;
    const std::string path(used.substr(first));
    int status = 0;
    yyopen(path.c_str(), 1, output->handle, status);
    if (output->handle == -1) reportFailure(errorOpening, status, "YYPROU");
}

void yyprou(int unit, const char* bytes, int count) {
    if (OutputUnit* const output = writableUnit(unit); output != nullptr && count > 0)
        append(*output, bytes, static_cast<std::size_t>(count));
}

void yyprwl(int unit, const char* text, int length) {
    OutputUnit* const output = writableUnit(unit);
    if (output == nullptr) return;
    if (length > 0) append(*output, text, static_cast<std::size_t>(length));
    append(*output, "\r\n", 2);
}

void yyprfh(int unit, int& handle) {
    OutputUnit* const output = unitOf(unit);
    if (output == nullptr) {
        handle = -1;
        return;
    }
    flush(*output);
    handle = output->handle;
}

void yyprbu(int handle, const char* bytes, int count, int newline) {
    // A unit's own bytes go first, so that direct writes keep their place in the file.
    for (OutputUnit& unit : units)
        if (unit.handle == handle && handle != -1) flush(unit);
    int status = 0;
    if (count > 0 && !writeAll(handle, bytes, static_cast<std::size_t>(count), status)) {
        reportFailure(errorWriting, status, "YYPRBU");
        return;
    }
    if (newline != 0 && !writeAll(handle, "\r\n", 2, status)) reportFailure(errorWriting, status, "YYPRBU");
}

void yyprcl(int unit) {
    OutputUnit* const output = unitOf(unit);
    if (output == nullptr || output->handle == -1) return;
    flush(*output);
    int status = 0;
    yyclos(output->handle, status);
    output->handle = -1;
    // The system may store the last bytes only at the close.
    if (status != 0) reportFailure(errorWriting, status, "YYPROU");
}

void yyprclall() {
    for (int unit = 0; unit < static_cast<int>(units.size()); ++unit) yyprcl(unit);
}

void yyprncmd(std::string_view command) {
    const std::string interpreter = yywinvariant() == 4 ? "cmd.exe /c " : "command.com /c ";
    const std::string line = interpreter + std::string(command);
    int status = 0;
    yycmnd(line.c_str(), true, true, -1, status);
    if (status > 0) yyoserror(status, "YYPRNCMD");
}

void yyoutputfailed() { gravim.hardcopy.hardcopyOutputError = 1; }
