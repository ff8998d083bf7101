// viewer_end_dates.cpp - fuzz target: random bytes as a data set's end-date file and as the
// real-time date file. The end is the default or a count of one to three digits; the date keeps
// its quotes.
#include <cstdlib>

#include "bytesfile.hpp"
#include "enddates.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (std::FILE* file = bytesfile(data, size)) {
        const int end = readtxtdate(file);  // closes the file
        if (end != DefaultEndIndex && (end < -99 || end > 999)) std::abort();
    }
    if (std::FILE* file = bytesfile(data, size)) {
        Text<RealTimeDateLength> date{"\"           \""};
        readrealtimedate(file, date);
        std::fclose(file);
        if (date[0] != '"' || date[RealTimeDateLength - 1] != '"') std::abort();
    }
    return 0;
}
