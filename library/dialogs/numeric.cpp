// numeric.cpp - the rules of the numeric edit fields: accepted keys and the range check.
// Kept free of the window system so that the rules are tested natively as well.
#include "base/convert_internal.hpp"
#include "base/text.hpp"
#include "dialogs/numeric_internal.hpp"

namespace {

constexpr std::size_t checkedLength = 255;

constexpr int CtrlA = 1, CtrlC = 3, Backspace = 8, Tab = 9, Enter = 13, CtrlV = 22, CtrlX = 24,
              CtrlZ = 26, Escape = 27;

bool isEditingControl(int c) {
    switch (c) {
    case CtrlC: case Backspace: case Tab: case Enter: case CtrlV: case CtrlX: case CtrlZ:
    case Escape: return true;
    default: return false;
    }
}

}  // namespace

NumericKey yynumericchar(NumericKind kind, int& c, char decimal) {
    if (c == CtrlA) return NumericKey::SelectAll;
    if (isEditingControl(c)) return NumericKey::Pass;
    if ((c >= '0' && c <= '9') || c == '+' || c == '-') return NumericKey::Insert;
    if (kind == NumericKind::Integer) return NumericKey::Refuse;
    if (c == static_cast<unsigned char>(decimal)) return NumericKey::Insert;
    if (c == 'E' || c == 'e') {
        c = 'E';
        return NumericKey::Insert;
    }
    if (kind == NumericKind::Double && (c == 'D' || c == 'd')) {
        c = 'D';
        return NumericKey::Insert;
    }
    return NumericKey::Refuse;
}

bool yynumericrefuses(const NumericCheck& check) {
    std::string_view text = check.text.substr(0, checkedLength);
    text = text.substr(0, text.find('\0'));
    // An empty field is no bad number: it is refused only where a value is required.
    if (trimRight(text).empty()) return check.defined && check.hasRange;
    double value = 0;
    int valid = 0;
    yyst2dblcheck(value, valid, text);
    if (valid == 0) return check.strict;
    return check.hasRange && (value < check.lower || value > check.upper);
}
