// common_dialogs.cpp - the portable rules of the common dialogs: path splitting, filter lists,
// the file dialog's switches, its initial name and its result.
#include "dialogs/common_dialogs_internal.hpp"

#include "base/gravim.hpp"
#include "base/strings.hpp"

namespace {

constexpr std::size_t FilterLimit = 1000;

bool isSplitMark(char c) { return c == gravim.core.pathSeparator || c == ':'; }

}  // namespace

void yysplitp(TextRef path, TextRef name) {
    ijustifystring(path, "L");
    const std::string_view text = path.trimmed();
    name.blank();
    if (text.size() > 1 && text.substr(text.size() - 2) == "..") return;
    std::size_t mark = text.size();
    for (std::size_t k = text.size(); k > 0; --k) {
        if (isSplitMark(text[k - 1])) {
            mark = k - 1;
            break;
        }
    }
    if (mark == text.size()) {  // no separator: all of it is the name
        name.assign(text);
        path.blank();
        return;
    }
    if (mark + 1 == text.size()) {
        // A final separator goes only when a separator stands before it ("C:\dir\" but not "C:\").
        if (text.substr(0, mark).find(gravim.core.pathSeparator) != std::string_view::npos) path[mark] = ' ';
        return;
    }
    const std::string after(text.substr(mark + 1));
    const std::string before(text.substr(0, mark));
    name.assign(after);
    path.assign(before);
}

std::string yyfiltertext(std::string_view filter) {
    std::string text(trimRight(filter.substr(0, std::min(filter.size(), FilterLimit))));
    if (text.empty()) return text;
    const char separator = text.back();
    for (char& c : text)
        if (c == separator) c = '\0';
    text += '\0';
    return text;
}

std::vector<std::pair<std::string, std::string>> yyfilterpairs(std::string_view filter) {
    const std::string text = yyfiltertext(filter);
    std::vector<std::string> pieces;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find('\0', start);
        if (end == start) break;  // the double NUL
        pieces.emplace_back(text.substr(start, end - start));
        start = end + 1;
    }
    std::vector<std::pair<std::string, std::string>> pairs;
    for (std::size_t k = 0; k + 1 < pieces.size(); k += 2) pairs.emplace_back(pieces[k], pieces[k + 1]);
    return pairs;
}

FileDialogSwitches yyfiledialogswitches(int flags) {
    FileDialogSwitches s;
    s.save = (flags & 1) != 0;
    s.confirm = (flags & 2) != 0;
    s.pathNeedNotExist = (flags & 4) != 0;
    s.keepDirectory = (flags & 8) != 0;
    s.multiple = (flags & 16) != 0 && !s.save;
    s.defaultExtension = (flags & 32) != 0;
    s.mustExist = (flags & 128) != 0;
    return s;
}

std::string yyinitialname(std::string_view name, std::size_t size) {
    std::string buffer(size, '\0');
    const std::string_view used = trimRight(name);
    const std::size_t count = size == 0 ? 0 : std::min(used.size(), size - 1);
    buffer.replace(0, count, used.substr(0, count));
    return buffer;
}

void yychosenname(std::string_view buffer, bool multiple, TextRef fileName) {
    const std::size_t end = buffer.find(multiple ? std::string_view("\0\0", 2) : std::string_view("\0", 1));
    fileName.assign(buffer.substr(0, end == std::string_view::npos ? buffer.size() : end));
}
