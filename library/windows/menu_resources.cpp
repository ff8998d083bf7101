// menu_resources.cpp - reading item-identifier lists, prompt strings and toolbar lists.
// All three are runs of little-endian 16-bit words (prompt texts between them), trusted no
// further than the resource's size.
#include "windows/menu_resources.hpp"

#include <cstring>

namespace {

// Little-endian 16-bit words of a resource, from any byte offset, bounded by its size.
class WordReader {
public:
    WordReader(const unsigned char* bytes, std::size_t size) : bytes_(bytes), size_(bytes ? size : 0) {}
    bool next(unsigned& value) {
        if (size_ - pos_ < 2) return false;
        value = bytes_[pos_] | (bytes_[pos_ + 1] << 8);
        pos_ += 2;
        return true;
    }
    // The NUL-terminated text at the position (cut at the end of the resource), skipped over.
    std::string_view text() {
        const char* start = reinterpret_cast<const char*>(bytes_ + pos_);
        const std::size_t left = size_ - pos_;
        const void* nul = std::memchr(start, 0, left);
        const std::size_t length = nul ? static_cast<std::size_t>(static_cast<const char*>(nul) - start) : left;
        pos_ += nul ? length + 1 : length;
        return {start, length};
    }

private:
    const unsigned char* bytes_;
    std::size_t size_;
    std::size_t pos_ = 0;
};

}  // namespace

std::vector<MenuIdentifierRecord> yyreadidentifierlist(const unsigned char* bytes, std::size_t size) {
    std::vector<MenuIdentifierRecord> records;
    WordReader words(bytes, size);
    unsigned identifier = 0;
    while (words.next(identifier) && identifier != 0) {
        MenuIdentifierRecord record;
        record.identifier = identifier;
        unsigned step = 0;
        bool ended = false;
        while (words.next(step)) {
            if (step == 0) {
                ended = true;
                break;
            }
            record.path.push_back(step);
        }
        if (!ended) break;  // cut off by the end of the resource
        if (!record.path.empty()) records.push_back(std::move(record));
    }
    return records;
}

std::optional<std::string_view> yypromptlookup(const unsigned char* bytes, std::size_t size, unsigned identifier) {
    WordReader words(bytes, size);
    unsigned id = 0;
    while (words.next(id) && id != 0) {
        const std::string_view text = words.text();
        if (id == identifier) return text;
    }
    return std::nullopt;
}

bool yyreadtoolbarlist(const unsigned char* bytes, std::size_t size, ToolbarList& list) {
    list = ToolbarList{};
    WordReader words(bytes, size);
    unsigned width = 0, height = 0;
    if (!words.next(width) || !words.next(height)) return false;
    list.imageWidth = static_cast<int>(width);
    list.imageHeight = static_cast<int>(height);
    unsigned entry = 0;
    bool pendingSeparator = false;  // a 0 is a separator only when no second 0 follows it
    while (words.next(entry)) {
        if (entry == 0) {
            if (pendingSeparator) return true;
            pendingSeparator = true;
            continue;
        }
        if (pendingSeparator) list.entries.push_back(0);
        pendingSeparator = false;
        list.entries.push_back(static_cast<int>(entry));
    }
    return true;
}
