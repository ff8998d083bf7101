// viewer_buoy_file.cpp - fuzz target: random bytes as the installation's virtual-buoy file, through the
// fixed-column reader; every record read must keep its name and count within the table.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "buoys.hpp"
#include "bytesfile.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::FILE* file = bytesfile(data, size);
    if (file == nullptr) return 0;
    int n = -1;
    readbuoy(file, n);
    std::fclose(file);
    if (n < 0 || n > MaxBuoys) std::abort();
    for (int i = 1; i <= n; ++i) {
        Text<BuoyNameLength> label;
        scancity(n, i, label);
        int match = -1;
        buoycompare(buoytable[i - 1].pointLatitude, buoytable[i - 1].pointLongitude, n, match);
        if (match < 0 || match > n) std::abort();
    }
    return 0;
}
