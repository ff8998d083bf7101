// gui_driver_win.hpp - test helpers that play the user: answering modal boxes and dialogs, and
// waiting with a deadline while the message queue keeps running.
#pragma once

#include <windows.h>

#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

// While alive, answers every visible dialog of this thread whose title contains titlePart
// (any dialog when empty) by posting a click on the button with identifier buttonId. It polls
// from a thread timer, so it also answers boxes shown inside nested modal loops. The texts of
// the answered dialogs are kept for the test to check.
class AutoAnswer {
public:
    AutoAnswer(int buttonId, std::string titlePart = "");
    ~AutoAnswer();
    AutoAnswer(const AutoAnswer&) = delete;
    AutoAnswer& operator=(const AutoAnswer&) = delete;

    int answered() const;                 // how many dialogs were answered
    const std::string& lastTitle() const; // title of the last answered dialog
    const std::string& lastText() const;  // static texts of the last answered dialog, joined by '\n'
};

// While alive, runs an action once on each visible dialog of this thread whose title contains
// titlePart, as a user would act on it (type into its fields, then press a button). It polls from
// a thread timer, so it also acts inside the modal loops of system dialogs. Several may be alive
// at once, each for its own title.
class AutoAct {
public:
    AutoAct(std::string titlePart, std::function<void(HWND dialog)> action);
    ~AutoAct();
    AutoAct(const AutoAct&) = delete;
    AutoAct& operator=(const AutoAct&) = delete;
    int acted() const;  // how many dialogs the action ran on
    struct State;

private:
    State* state_;
};

// The first visible child of a window (at any depth) of a window class, or null.
HWND findChildOfClass(HWND parent, const char* className);

// Presses and releases each key in turn with real input, Shift and Control held around them
// when asked; typeKeys types the characters of a text the same way.
void pressKeys(std::initializer_list<WORD> keys, bool shift = false, bool control = false);
void typeKeys(const char* text);

// Pumps this thread's messages until done() is true or timeoutMs have passed; true when done.
bool pumpUntil(const std::function<bool()>& done, int timeoutMs);

// The visible top-level dialogs (class "#32770") of this thread, by title.
std::string visibleDialogTitles();

// A left click with real input at a screen point (not pumped).
void clickAt(POINT point);
// The item texts of a menu by position, separators as "-"; the command identifiers of a
// toolbar's buttons in order, separators as 0.
std::vector<std::string> menuTexts(HMENU menu);
std::vector<int> buttonIds(HWND toolbar);
