// menu_resources.cpp - fuzz target: random bytes, in a block of exactly their size (as a
// resource is), as an item-identifier list, a prompt-string resource and a toolbar list.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>

#include "windows/menu_resources.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::unique_ptr<unsigned char[]> exact(new unsigned char[size == 0 ? 1 : size]);
    if (size > 0) std::memcpy(exact.get(), data, size);
    const unsigned char* bytes = exact.get();
    for (const auto& record : yyreadidentifierlist(bytes, size))
        if (record.path.empty() || record.path.size() * 2 > size) std::abort();
    const unsigned identifier = size >= 2 ? (bytes[0] | (bytes[1] << 8)) : 1;
    if (auto text = yypromptlookup(bytes, size, identifier)) {
        const auto* start = reinterpret_cast<const unsigned char*>(text->data());
        if (start < bytes || start + text->size() > bytes + size) std::abort();
    }
    ToolbarList list;
    if (yyreadtoolbarlist(bytes, size, list) && list.entries.size() * 2 + 4 > size + 2) std::abort();
    return 0;
}
