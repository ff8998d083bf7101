// fakeport.hpp - a viewer port over plain tables of field values, for the request writers and
// field logic in tests: it records boxes, shows, command lines and field states.
#pragma once

#include <deque>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "viewerport.hpp"

class FakePort : public ViewerPort {
public:
    struct Menu {
        std::vector<std::string> items;
        int selected = 0;
    };
    struct Event {
        int type, win, value1;
    };

    int current = 0;  // the current dialog
    std::map<int, Menu> menus;
    std::map<int, int> radios;  // by first field of the group
    std::map<int, float> reals;
    std::map<int, std::string> strings;
    std::map<int, int> checks;
    std::map<int, int> states;
    std::map<int, int> colours;
    std::vector<ViewerMessage> boxes;
    std::vector<std::string> commands;
    std::vector<std::pair<int, std::string>> shows;  // dialog and "show"/"hide"
    std::deque<Event> events;                        // nextEvent gives -1 when empty
    int timersStarted = 0;

    // Field keys of the current dialog; tests name a field as key(dialog, field).
    static int key(int dialog, int field) { return dialog * 100000 + field; }
    // Checks button of the two-button group that begins with first, in the current dialog.
    static void radio(ViewerPort& port, int first, int button) {
        FakePort& fake = static_cast<FakePort&>(port);
        fake.radios[fake.at(first)] = button == first ? 1 : 2;
    }
    int at(int field) const { return key(current, field); }

    void select(int dialog) override { current = dialog; }
    void show(int, int, int, int) override { shows.emplace_back(current, "show"); }
    void hide() override { shows.emplace_back(current, "hide"); }
    void undefinedAsZero() override {}
    int getMenu(int field, std::string* text) override {
        auto found = menus.find(at(field));
        if (found == menus.end()) return 0;
        const Menu& menu = found->second;
        if (text) {
            const int i = menu.selected;
            *text = i >= 1 && i <= static_cast<int>(menu.items.size()) ? menu.items[static_cast<std::size_t>(i - 1)] : "";
        }
        return menu.selected;
    }
    void putMenu(int field, const std::vector<std::string>& items, int selected) override {
        menus[at(field)] = {items, selected};
    }
    int getRadio(int first) override { return radios.count(at(first)) ? radios[at(first)] : 0; }
    void putRadio(int field) override { radios[at(field)] = 1; }
    float getReal(int field) override { return reals.count(at(field)) ? reals[at(field)] : 0.0f; }
    void putReal(int field, float value) override { reals[at(field)] = value; }
    std::string getString(int field, int length) override {
        std::string text = strings[at(field)];
        text.resize(static_cast<std::size_t>(length), ' ');
        return text;
    }
    void putString(int field, std::string_view text) override { strings[at(field)] = std::string(text); }
    int getCheckBox(int field) override { return checks.count(at(field)) ? checks[at(field)] : 0; }
    void fieldState(int field, int state) override { states[at(field)] = state; }
    void textColour(int field, int colour) override { colours[at(field)] = colour; }
    void messageBox(std::string_view message, std::string_view title) override {
        boxes.push_back({std::string(message), std::string(title)});
    }
    void command(std::string_view line, int flags, int timeoutSeconds) override {
        commands.push_back(std::string(line.substr(0, line.find_last_not_of(' ') + 1)) + " |" + std::to_string(flags) +
                           "," + std::to_string(timeoutSeconds));
    }
    int nextEvent(int& win, int& value1) override {
        if (events.empty()) return -1;
        Event e = events.front();
        events.pop_front();
        win = e.win;
        value1 = e.value1;
        return e.type;
    }
    void startTimer(int) override { ++timersStarted; }
};
