// companion.cpp - the reader of a dialog's companion text: sections, control lines, item lines.
// Every read is bounded by the text's size and stops at its line end, so a line that lacks its
// trailing blank, a comma or some of its values never reaches into the next line.
#include "dialogs/companion.hpp"

#include <climits>

#include "base/convert_internal.hpp"
#include "base/text.hpp"

const std::string_view companionSectionNames[14] = {
    "",          "[Ranges]",  "[Menus]",  "[Checks]", "[Tabs]",      "[Grids]", "[Colours]",
    "[Trackbars]", "[Lengths]", "[Dialog]", "[Formats]", "[Treeviews]", "[Fonts]", "[Flags]",
};

int strcmpkbn(std::string_view a, std::string_view b) {
    std::size_t n = a.size() < b.size() ? a.size() : b.size();
    for (std::size_t i = 0; i < n; ++i) {
        if (a[i] != b[i]) return static_cast<unsigned char>(a[i]) - static_cast<unsigned char>(b[i]);
    }
    return 0;
}

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// A cursor over the text. Values are read inside the current line only.
class Reader {
public:
    explicit Reader(std::string_view text) : text_(text.substr(0, text.find('\0'))) {}

    bool atEnd() const { return pos_ >= text_.size(); }
    bool atLineEnd() const { return atEnd() || text_[pos_] == '\n'; }
    std::string_view rest() const { return text_.substr(pos_); }
    void advance(std::size_t count) { pos_ += count < text_.size() - pos_ ? count : text_.size() - pos_; }

    void skipBlanks() {
        while (!atLineEnd() && text_[pos_] == ' ') ++pos_;
    }
    // Past the next blank and the blanks after it: the step from one value to the next.
    void nextValue() {
        while (!atLineEnd() && text_[pos_] != ' ') ++pos_;
        skipBlanks();
    }
    // The rest of the current line, leaving the cursor on its line end.
    std::string_view restOfLine() {
        std::size_t start = pos_;
        while (!atLineEnd()) ++pos_;
        return text_.substr(start, pos_ - start);
    }
    // Past the line end: the cursor is then at the start of the next line.
    void nextLine() {
        restOfLine();
        if (!atEnd()) ++pos_;
    }
    bool startsWithNumber() const {
        std::size_t p = pos_;
        if (p < text_.size() && text_[p] == '-') ++p;
        return p < text_.size() && isDigit(text_[p]);
    }

    // An optional "-" and the digits after it (0 when there are none), then on to the next value.
    // Values beyond the integer range saturate.
    int integer() {
        bool negative = false;
        if (!atLineEnd() && text_[pos_] == '-') {
            negative = true;
            ++pos_;
        }
        long long value = 0;
        while (!atLineEnd() && isDigit(text_[pos_])) {
            if (value <= INT_MAX) value = value * 10 + (text_[pos_] - '0');
            ++pos_;
        }
        if (value > INT_MAX) value = INT_MAX;
        nextValue();
        return static_cast<int>(negative ? -value : value);
    }
    // The word up to the next blank, read with the library's conversion (nothing is reported).
    double real() {
        std::size_t start = pos_;
        while (!atLineEnd() && text_[pos_] != ' ') ++pos_;
        std::string_view word = text_.substr(start, pos_ - start);
        skipBlanks();
        double value = 0.0;
        yyst2dbl(value, word);
        return value;
    }

private:
    std::string_view text_;
    std::size_t pos_ = 0;
};

std::string cutItem(std::string_view line) {
    if (line.size() > companionItemLength) line = line.substr(0, companionItemLength);
    return std::string(line);
}

// Item lines of a list: each line whole, leading blanks included, trailing blanks removed.
std::vector<std::string> readItems(Reader& in, int count) {
    std::vector<std::string> items;
    for (int i = 0; i < count && !in.atEnd(); ++i) {
        std::string item = cutItem(in.restOfLine());
        item.resize(trimmedLength(item));
        items.push_back(std::move(item));
        in.nextLine();
    }
    return items;
}

// Page lines of a tab control: the page's DialogId, blanks, the label. The writer ends the label
// with one blank, which is not part of it; a label written without it keeps all its characters.
std::vector<CompanionTabPage> readPages(Reader& in, int count) {
    std::vector<CompanionTabPage> pages;
    for (int i = 0; i < count && !in.atEnd(); ++i) {
        in.skipBlanks();
        CompanionTabPage page;
        page.page = in.integer();
        std::string_view label = in.restOfLine();
        if (!label.empty() && label.back() == ' ') label.remove_suffix(1);
        page.label = cutItem(label);
        pages.push_back(std::move(page));
        in.nextLine();
    }
    return pages;
}

void readFont(Reader& in, int control, CompanionSink& sink) {
    int points = in.integer();
    // The face name ends at its comma; a line without one ends it at the line end.
    std::string_view rest = in.rest();
    std::size_t lineEnd = rest.find('\n');
    std::string_view line = rest.substr(0, lineEnd);
    std::size_t comma = line.find(',');
    std::string_view face = line.substr(0, comma);
    int weight = 0;
    int italic = 0;
    if (comma == std::string_view::npos) {
        face = trimRight(face);
        in.advance(line.size());
    } else {
        in.advance(comma + 1);
        in.skipBlanks();
        weight = in.integer();
        italic = in.integer();
    }
    sink.font(control, points, face, weight, italic);
}

// One control line of the current section; returns with the cursor on that line or on the
// first line after the item lines it consumed (then atLineStart is set).
void readControlLine(Reader& in, CompanionSection section, CompanionSink& sink, bool& atLineStart) {
    atLineStart = false;
    int control = in.integer();
    switch (section) {
    case CompanionSection::None: break;
    case CompanionSection::Ranges: {
        double low = in.real();
        double high = in.real();
        sink.range(control, low, high);
        break;
    }
    case CompanionSection::Menus: {
        int count = in.integer();
        int selection = in.integer();
        in.nextLine();
        sink.menu(control, count, selection, readItems(in, count));
        atLineStart = true;
        break;
    }
    case CompanionSection::Checks: sink.check(control, in.integer()); break;
    case CompanionSection::Tabs: {
        int count = in.integer();
        int selected = in.integer();
        in.nextLine();
        sink.tabs(control, count, selected, readPages(in, count));
        atLineStart = true;
        break;
    }
    case CompanionSection::Grids: in.advance(sink.grid(control, in.rest())); break;
    case CompanionSection::Colours: {
        int text[3];
        int back[3];
        for (int& c : text) c = in.integer();
        for (int& c : back) c = in.integer();
        sink.colours(control, text, back);
        break;
    }
    case CompanionSection::Trackbars: {
        int tic = in.integer();
        int line = in.integer();
        int page = in.integer();
        int start = in.integer();
        int end = in.integer();
        sink.trackbar(control, tic, line, page, start, end);
        break;
    }
    case CompanionSection::Lengths: sink.length(control, in.integer()); break;
    case CompanionSection::Dialog: {
        // The first number is the root-accelerator switch, not a control.
        bool resizing = !in.atLineEnd();
        int growing = resizing ? in.integer() : 0;
        int align = resizing ? in.integer() : 0;
        sink.dialog(control, resizing, growing, align);
        break;
    }
    case CompanionSection::Formats: sink.format(control, trimRight(in.restOfLine())); break;
    case CompanionSection::Treeviews: {
        int menu = in.integer();
        int selected = in.integer();
        sink.treeview(control, menu, selected);
        break;
    }
    case CompanionSection::Fonts: readFont(in, control, sink); break;
    case CompanionSection::Flags: sink.flags(control, in.integer()); break;
    }
}

CompanionSection sectionAt(std::string_view rest) {
    for (int s = 1; s <= 13; ++s) {
        if (strcmpkbn(rest, companionSectionNames[s]) == 0) return static_cast<CompanionSection>(s);
    }
    return CompanionSection::None;
}

}  // namespace

void yyreadcompanion(std::string_view text, CompanionSink& sink) {
    Reader in(text);
    CompanionSection section = CompanionSection::None;
    while (!in.atEnd()) {
        in.skipBlanks();
        if (in.atLineEnd()) {  // a blank line says nothing
            in.nextLine();
            continue;
        }
        CompanionSection named = sectionAt(in.rest());
        if (named != CompanionSection::None) {
            section = named;
            in.nextLine();
            continue;
        }
        if (section == CompanionSection::None || !in.startsWithNumber()) {
            std::string_view rest = in.rest();
            sink.unreadable(rest.substr(0, rest.find('\n')));
            in.nextLine();
            continue;
        }
        bool atLineStart = false;
        readControlLine(in, section, sink, atLineStart);
        if (!atLineStart) in.nextLine();
    }
}
