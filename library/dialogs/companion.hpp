// companion.hpp - the reader of a dialog's companion text (library-internal, portable).
// The text beside a dialog template lists what the template cannot hold: items, checks, ranges,
// formats, fonts, colours, tabs, trees, grids. The reader hands each line to a sink.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// The sections in the reader's order; the numbers are the reader's own (1..13).
enum class CompanionSection {
    None = 0,
    Ranges,
    Menus,
    Checks,
    Tabs,
    Grids,
    Colours,
    Trackbars,
    Lengths,
    Dialog,
    Formats,
    Treeviews,
    Fonts,
    Flags,
};

// The section names, indexed by CompanionSection (entry 0 is empty).
extern const std::string_view companionSectionNames[14];

// Item and label lines are cut to this many characters.
constexpr std::size_t companionItemLength = 1024;

struct CompanionTabPage {
    int page = 0;       // DialogId of the page dialog
    std::string label;  // the tab's text
};

// What the lines of a companion text ask for. The reader calls one member per control line; a
// line naming a control the dialog does not have is for the sink to ignore. The defaults do
// nothing, so a sink overrides what it applies.
class CompanionSink {
public:
    virtual ~CompanionSink() = default;

    virtual void range(int /*control*/, double /*low*/, double /*high*/) {}
    // items holds the item lines read (fewer than count when the text ended first).
    virtual void menu(int /*control*/, int /*count*/, int /*selection*/,
                      const std::vector<std::string>& /*items*/) {}
    virtual void check(int /*control*/, int /*state*/) {}
    // pages holds the page lines read (fewer than count when the text ended first).
    virtual void tabs(int /*control*/, int /*count*/, int /*selectedPage*/,
                      const std::vector<CompanionTabPage>& /*pages*/) {}
    // rest starts at the first value after the control identifier; returns how many characters
    // of it the grid's definition took. The reader goes on after them, then past the line end.
    virtual std::size_t grid(int /*control*/, std::string_view /*rest*/) { return 0; }
    // Components as written: a red of 256 means the system colour, -1 leaves the colour as it is.
    virtual void colours(int /*control*/, const int (& /*text*/)[3], const int (& /*back*/)[3]) {}
    virtual void trackbar(int /*control*/, int /*ticFrequency*/, int /*lineSize*/, int /*pageSize*/,
                          int /*selectionStart*/, int /*selectionEnd*/) {}
    virtual void length(int /*control*/, int /*maximum*/) {}
    // growingControl and align are present only when the line holds more than the switch.
    virtual void dialog(int /*rootAccelerators*/, bool /*resizing*/, int /*growingControl*/,
                        int /*align*/) {}
    virtual void format(int /*control*/, std::string_view /*format*/) {}
    virtual void treeview(int /*control*/, int /*menuResource*/, int /*selectedItem*/) {}
    virtual void font(int /*control*/, int /*points*/, std::string_view /*face*/, int /*weight*/,
                      int /*italic*/) {}
    virtual void flags(int /*control*/, int /*flags*/) {}

    // A line the reader could not use: one before the first section line, or one that is neither
    // a section line nor starts with a number. Only checkers care.
    virtual void unreadable(std::string_view /*line*/) {}
};

// Reads a companion text. The text ends at its first NUL or at its size, whichever comes first,
// so a resource without a final NUL is read up to its last byte and no further.
void yyreadcompanion(std::string_view text, CompanionSink& sink);

// Compares a and b until the first difference or the end of either: 0 when no difference was
// found (so either may be a prefix of the other), else the difference of the first unequal bytes.
int strcmpkbn(std::string_view a, std::string_view b);
