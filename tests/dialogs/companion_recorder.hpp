// companion_recorder.hpp - a companion-text sink that writes what it is handed as lines of text,
// for the reader's tests and the checker of the project's companion files.
#pragma once

#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "dialogs/companion.hpp"
#include "grid/grid_companion.hpp"

class CompanionRecorder : public CompanionSink {
public:
    std::ostringstream out;
    std::vector<std::string> unreadableLines;
    // Menus and tab controls whose item lines did not match their count, or swallowed a section
    // line because the count was too high.
    std::vector<std::string> countFaults;
    // Window styles of the grid controls by identifier: a grid with row labels (style 0x400)
    // takes its width line and label lines after its "[Grids]" line.
    std::map<int, unsigned> gridStyles;

    void range(int c, double low, double high) override {
        out << "range " << c << ' ' << low << ' ' << high << '\n';
    }
    void menu(int c, int count, int selection, const std::vector<std::string>& items) override {
        out << "menu " << c << ' ' << count << ' ' << selection;
        for (const auto& item : items) out << " [" << item << ']';
        out << '\n';
        checkCount("menu", c, count, items.size());
        for (const auto& item : items) checkNotSection(c, item);
    }
    void check(int c, int state) override { out << "check " << c << ' ' << state << '\n'; }
    void tabs(int c, int count, int selected, const std::vector<CompanionTabPage>& pages) override {
        out << "tabs " << c << ' ' << count << ' ' << selected;
        for (const auto& page : pages) out << ' ' << page.page << " [" << page.label << ']';
        out << '\n';
        checkCount("tabs", c, count, pages.size());
    }
    std::size_t grid(int c, std::string_view rest) override {
        std::string_view line = rest.substr(0, rest.find('\n'));
        out << "grid " << c << " [" << line << "]\n";
        auto style = gridStyles.find(c);
        GridCompanionDefinition d = yygridreaddefinition(rest, style != gridStyles.end() ? style->second : 0u);
        if (d.hasLabels && style != gridStyles.end()) {
            out << "labels " << d.labels.width;
            for (const auto& label : d.labels.labels) out << " [" << label << ']';
            out << '\n';
            if (d.labels.labels.size() != static_cast<std::size_t>(d.line.rows > 0 ? d.line.rows : 0) && (style->second & 0x80) == 0)
                countFaults.push_back("grid " + std::to_string(c) + ": rows " + std::to_string(d.line.rows) + ", label lines " +
                                      std::to_string(d.labels.labels.size()));
        }
        return d.used;
    }
    void colours(int c, const int (&text)[3], const int (&back)[3]) override {
        out << "colours " << c;
        for (int v : text) out << ' ' << v;
        for (int v : back) out << ' ' << v;
        out << '\n';
    }
    void trackbar(int c, int tic, int line, int page, int start, int end) override {
        out << "trackbar " << c << ' ' << tic << ' ' << line << ' ' << page << ' ' << start << ' '
            << end << '\n';
    }
    void length(int c, int maximum) override { out << "length " << c << ' ' << maximum << '\n'; }
    void dialog(int root, bool resizing, int growing, int align) override {
        out << "dialog " << root;
        if (resizing) out << ' ' << growing << ' ' << align;
        out << '\n';
    }
    void format(int c, std::string_view format) override { out << "format " << c << " [" << format << "]\n"; }
    void treeview(int c, int menu, int selected) override {
        out << "treeview " << c << ' ' << menu << ' ' << selected << '\n';
    }
    void font(int c, int points, std::string_view face, int weight, int italic) override {
        out << "font " << c << ' ' << points << " [" << face << "] " << weight << ' ' << italic << '\n';
    }
    void flags(int c, int flags) override { out << "flags " << c << ' ' << flags << '\n'; }
    void unreadable(std::string_view line) override {
        out << "unreadable [" << line << "]\n";
        unreadableLines.emplace_back(line);
    }

private:
    void checkCount(const char* what, int c, int count, std::size_t read) {
        if (count < 0 || static_cast<std::size_t>(count) != read)
            countFaults.push_back(std::string(what) + " " + std::to_string(c) + ": count " +
                                  std::to_string(count) + ", lines " + std::to_string(read));
    }
    void checkNotSection(int c, const std::string& item) {
        std::string_view text = item;
        while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
        if (text.empty()) return;
        for (int s = 1; s <= 13; ++s) {
            if (strcmpkbn(text, companionSectionNames[s]) == 0)
                countFaults.push_back("menu " + std::to_string(c) + " swallowed " + item);
        }
    }
};
