// grid_cells.cpp - the cell storage of a grid column: allocation, typed access, emptying,
// storing numbers and texts, flags, colours and the stored cell as text.
#include <cmath>
#include <cstring>
#include <new>

#include "base/convert_internal.hpp"
#include "grid/grid_records.hpp"

namespace {

constexpr const char* defaultFormat = "(G15.5E2)";

std::size_t copyBounded(std::string_view text, char* buffer, std::size_t size) {
    if (size == 0) return 0;
    std::size_t n = text.size() < size - 1 ? text.size() : size - 1;
    if (n > 0) std::memcpy(buffer, text.data(), n);
    buffer[n] = '\0';
    return n;
}

// The characters a conversion wrote: up to its NUL, without trailing blanks.
std::string_view written(const char* text, std::size_t size) {
    std::size_t n = 0;
    while (n < size && text[n] != '\0') ++n;
    return trimRight(std::string_view(text, n));
}

const char* formatOrDefault(const char* format) {
    return format != nullptr && format[0] != '\0' ? format : defaultFormat;
}

}  // namespace

std::size_t yygridentrysize(int type, int maxLength) {
    switch (type) {
    case GridText: return static_cast<std::size_t>(maxLength > 0 ? maxLength : 0) + 1;
    case GridDouble: return sizeof(double);
    case GridReal: return sizeof(float);
    default: return sizeof(int);
    }
}

bool yygridallocatecells(GridColumnRecord& column, int rows) {
    std::size_t count = rows > 0 ? static_cast<std::size_t>(rows) : 0;
    std::size_t bytes = yygridentrysize(column.iType, column.nMaxLength) * count;
    column.pValues = new (std::nothrow) char[bytes > 0 ? bytes : 1]();
    column.pCellFlags = new (std::nothrow) unsigned char[count > 0 ? count : 1]();
    if (column.pValues != nullptr && column.pCellFlags != nullptr) return true;
    yygridfreecells(column);
    return false;
}

void yygridfreecells(GridColumnRecord& column) {
    delete[] static_cast<char*>(column.pValues);
    delete[] column.pCellFlags;
    delete[] column.pCellColours;
    column.pValues = nullptr;
    column.pCellFlags = nullptr;
    column.pCellColours = nullptr;
}

bool yygridduplicatecells(GridColumnRecord& copy, const GridColumnRecord& column, int rows) {
    copy.cxWidth = column.cxWidth;
    copy.iType = column.iType;
    copy.nMaxLength = column.nMaxLength;
    if (!yygridallocatecells(copy, rows)) return false;
    const std::size_t count = rows > 0 ? static_cast<std::size_t>(rows) : 0;
    if (count == 0) return true;
    if (column.pValues != nullptr)
        std::memcpy(copy.pValues, column.pValues, yygridentrysize(column.iType, column.nMaxLength) * count);
    if (column.pCellFlags != nullptr) std::memcpy(copy.pCellFlags, column.pCellFlags, count);
    if (column.pCellColours != nullptr) {
        copy.pCellColours = new (std::nothrow) GridCellColour[count];
        if (copy.pCellColours == nullptr) {
            yygridfreecells(copy);
            return false;
        }
        std::memcpy(copy.pCellColours, column.pCellColours, sizeof(GridCellColour) * count);
    }
    return true;
}

char* yygridcelltext(const GridColumnRecord& column, int row) {
    return static_cast<char*>(column.pValues) + yygridentrysize(GridText, column.nMaxLength) * static_cast<std::size_t>(row);
}
int& yygridcellint(const GridColumnRecord& column, int row) { return static_cast<int*>(column.pValues)[row]; }
float& yygridcellreal(const GridColumnRecord& column, int row) { return static_cast<float*>(column.pValues)[row]; }
double& yygridcelldouble(const GridColumnRecord& column, int row) { return static_cast<double*>(column.pValues)[row]; }

void yygridemptycell(GridColumnRecord& column, int row) {
    switch (column.iType) {
    case GridText: yygridcelltext(column, row)[0] = '\0'; break;
    case GridReal: yygridcellreal(column, row) = 0.0f; break;
    case GridDouble: yygridcelldouble(column, row) = 0.0; break;
    default: yygridcellint(column, row) = 0; break;
    }
    column.pCellFlags[row] &= CellEmptyMask;
}

void yygridstorenumber(GridColumnRecord& column, int row, double value) {
    switch (column.iType) {
    case GridInteger: yygridcellint(column, row) = yydbl2int(value); break;
    case GridReal: yygridcellreal(column, row) = static_cast<float>(value); break;
    case GridDouble: yygridcelldouble(column, row) = value; break;
    default: break;
    }
}

void yygridstoretext(GridColumnRecord& column, int row, const char* text, std::size_t limit) {
    if (column.iType != GridText) return;
    std::size_t n = std::strlen(text);
    std::size_t longest = static_cast<std::size_t>(column.nMaxLength > 0 ? column.nMaxLength : 0);
    if (n > longest) n = longest;
    if (n > limit) n = limit;
    char* cell = yygridcelltext(column, row);
    std::memmove(cell, text, n);
    cell[n] = '\0';
}

void yygridsetvalueflags(GridColumnRecord& column, int row, bool nonEmpty, bool nonBlank) {
    unsigned char& f = column.pCellFlags[row];
    f = static_cast<unsigned char>(nonEmpty ? f | CellHasValue : f & ~CellHasValue);
    f = static_cast<unsigned char>(nonBlank ? f | CellDefined : f & ~CellDefined);
}

std::size_t yygridstoredtext(const GridColumnRecord& column, int row, const char* format, bool symbols,
                             char* buffer, std::size_t size) {
    const bool hasValue = (column.pCellFlags[row] & CellHasValue) != 0;
    char number[GridRealTextLength + 1] = "";
    switch (column.iType) {
    case GridText: {
        // The stored text is at most nMaxLength characters; the caller's buffer bounds the copy.
        const char* text = yygridcelltext(column, row);
        std::size_t longest = static_cast<std::size_t>(column.nMaxLength > 0 ? column.nMaxLength : 0);
        const void* nul = std::memchr(text, '\0', longest);
        std::size_t n = nul != nullptr ? static_cast<std::size_t>(static_cast<const char*>(nul) - text) : longest;
        return copyBounded(std::string_view(text, n), buffer, size);
    }
    case GridInteger:
        if (!hasValue) return copyBounded("", buffer, size);
        yyint2st(yygridcellint(column, row), TextRef(number, GridIntegerTextLength + 1));
        return copyBounded(written(number, sizeof number), buffer, size);
    case GridReal:
        if (!hasValue) return copyBounded("", buffer, size);
        yyrea2st(yygridcellreal(column, row), TextRef(number, GridRealTextLength), formatOrDefault(format));
        return copyBounded(written(number, GridRealTextLength), buffer, size);
    case GridDouble:
        if (!hasValue) return copyBounded("", buffer, size);
        yydbl2st(yygridcelldouble(column, row), TextRef(number, GridRealTextLength), formatOrDefault(format));
        return copyBounded(written(number, GridRealTextLength), buffer, size);
    case GridCheckBox: {
        const bool checked = yygridcellint(column, row) != 0;
        if (symbols) return copyBounded(checked ? "\xFC" : "\xFB", buffer, size);
        return copyBounded(checked ? "Yes" : "No", buffer, size);
    }
    default: return 0;
    }
}

bool yygridcreatecolours(GridColumnRecord& column, int rows, int textColour, int backColour) {
    std::size_t count = rows > 0 ? static_cast<std::size_t>(rows) : 1;
    column.pCellColours = new (std::nothrow) GridCellColour[count]();
    if (column.pCellColours == nullptr) return false;
    for (std::size_t i = 0; i < count; ++i) {
        GridCellColour& c = column.pCellColours[i];
        if (textColour != -1)
            yygridsetcellcolour(c, 1, textColour & 0xFF, (textColour >> 8) & 0xFF, (textColour >> 16) & 0xFF);
        if (backColour != -1)
            yygridsetcellcolour(c, 2, backColour & 0xFF, (backColour >> 8) & 0xFF, (backColour >> 16) & 0xFF);
    }
    return true;
}

void yygridsetcellcolour(GridCellColour& entry, int which, int red, int green, int blue) {
    const unsigned char bit = which == 1 ? 1 : 2;
    unsigned char* rgb = which == 1 ? entry.text : entry.back;
    if (red == -1) return;
    if (red == 256) {
        entry.flags = static_cast<unsigned char>(entry.flags & ~bit);
        return;
    }
    entry.flags = static_cast<unsigned char>(entry.flags | bit);
    rgb[0] = static_cast<unsigned char>(red);
    rgb[1] = static_cast<unsigned char>(green);
    rgb[2] = static_cast<unsigned char>(blue);
}

int yygridcellcolour(const GridCellColour& entry, int which) {
    const unsigned char bit = which == 1 ? 1 : 2;
    if (!(entry.flags & bit)) return -1;
    const unsigned char* rgb = which == 1 ? entry.text : entry.back;
    return rgb[0] | (rgb[1] << 8) | (rgb[2] << 16);
}

bool yygridinrange(double low, double high, double value) {
    if (low > high) return true;
    return value >= low && value <= high;
}

bool yygridnonblank(const char* text) {
    for (; *text != '\0'; ++text)
        if (*text != ' ') return true;
    return false;
}
