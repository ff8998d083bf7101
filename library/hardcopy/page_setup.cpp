// page_setup.cpp - the portable rules of page setup: lists, units, margins and the preview shape.
#include "hardcopy/page_setup.hpp"

#include <cstring>
#include <utility>

namespace {

// The name cut at its first NUL and blank-padded (or cut) to the list's name length.
std::string listName(const std::string& raw, int length) {
    std::string name = raw.substr(0, raw.find('\0'));
    name.resize(static_cast<std::size_t>(length), ' ');
    return name;
}

bool before(const std::string& a, const std::string& b) {
    return std::memcmp(a.data(), b.data(), a.size()) < 0;  // unsigned character codes
}

}  // namespace

std::vector<PageSetupEntry> yypagesetuplist(const std::vector<std::string>& names, const std::vector<int>& codes,
                                            int nameLength, bool dropBlank) {
    std::vector<PageSetupEntry> list;
    for (std::size_t k = 0; k < names.size(); ++k) {
        PageSetupEntry entry;
        entry.name = listName(names[k], nameLength);
        entry.code = k < codes.size() ? codes[k] : 0;
        entry.index = static_cast<int>(k);
        if (dropBlank && entry.name.find_first_not_of(' ') == std::string::npos) continue;
        list.push_back(std::move(entry));
    }
    // Selection sort: for each position the smallest remaining name is swapped in.
    for (std::size_t k = 0; k < list.size(); ++k) {
        std::size_t smallest = k;
        for (std::size_t j = k + 1; j < list.size(); ++j)
            if (before(list[j].name, list[smallest].name)) smallest = j;
        if (smallest != k) std::swap(list[k], list[smallest]);
    }
    return list;
}

int yypagesetupselect(const std::vector<PageSetupEntry>& list, int current) {
    int selected = 1;
    for (std::size_t k = 0; k < list.size(); ++k)
        if (list[k].code == current) selected = static_cast<int>(k) + 1;
    return selected;
}

void yypaperinunits(int tenthsWide, int tenthsHigh, int units, int& width, int& height) {
    if (units < 2) {
        const float perTenth = 3.9370077f;  // thousandths of an inch in a tenth of a millimetre
        width = static_cast<int>(static_cast<float>(tenthsWide) * perTenth);
        height = static_cast<int>(static_cast<float>(tenthsHigh) * perTenth);
    } else {
        width = tenthsWide * 10;
        height = tenthsHigh * 10;
    }
}

Margins yyturnmargins(const Margins& old, int orientation) {
    if (orientation == 0) return {old.top, old.bottom, old.right, old.left};
    return {old.bottom, old.top, old.left, old.right};
}

void yyorientedpaper(int first, int second, int orientation, int& width, int& height) {
    const int smaller = first < second ? first : second, larger = first < second ? second : first;
    width = orientation == 0 ? smaller : larger;
    height = orientation == 0 ? larger : smaller;
}

PageResult yypageresult(int paperWidth, int paperHeight, const Margins& m, float scale) {
    PageResult r;
    r.paperWidth = paperWidth;
    r.paperHeight = paperHeight;
    r.left = static_cast<int>(m.left * scale);
    r.top = static_cast<int>(m.top * scale);
    r.printableWidth = paperWidth - static_cast<int>((m.left + m.right) * scale);
    r.printableHeight = paperHeight - static_cast<int>((m.top + m.bottom) * scale);
    return r;
}

void yypreviewarea(float pageWidth, float pageHeight, int orientation, float area[4]) {
    if (orientation == 0) {
        const float w = 0.5f * pageWidth / pageHeight;
        area[0] = 0.5f - w, area[1] = 0.0f, area[2] = 0.5f + w, area[3] = 1.0f;
    } else {
        const float h = 0.5f * pageHeight / pageWidth;
        area[0] = 0.0f, area[1] = 0.5f - h, area[2] = 1.0f, area[3] = 0.5f + h;
    }
}
