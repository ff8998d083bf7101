// viewerport.hpp - what the request writers, the field logic and the JPG chain use of the
// library's dialogs, message boxes and program runs, behind one seam.
// The program's port calls the library (viewerport_win.cpp); tests use a port of their own.
#pragma once

#include <string>
#include <string_view>
#include <vector>

// Field operations act on the current dialog, as the library's dialog routines do.
class ViewerPort {
public:
    virtual ~ViewerPort() = default;

    virtual void select(int dialog) = 0;
    // x, y in window units, -1 centres; mode 2 modeless.
    virtual void show(int x, int y, int focus, int mode) = 0;
    virtual void hide() = 0;
    // Makes empty numeric fields and unselected menus read as 0.
    virtual void undefinedAsZero() = 0;

    // The selected item (from 1; 0 with nothing selected) and, when asked for, its text.
    virtual int getMenu(int field, std::string* text = nullptr) = 0;
    virtual void putMenu(int field, const std::vector<std::string>& items, int selected) = 0;
    // The checked button of the group that begins with field (from 1; 0 with none).
    virtual int getRadio(int first) = 0;
    virtual void putRadio(int field) = 0;
    virtual float getReal(int field) = 0;
    virtual void putReal(int field, float value) = 0;
    // The field's text blank-padded or cut to length characters.
    virtual std::string getString(int field, int length) = 0;
    virtual void putString(int field, std::string_view text) = 0;
    virtual int getCheckBox(int field) = 0;
    // 0 disabled, 1 enabled, 2 read-only, 3 hidden.
    virtual void fieldState(int field, int state) = 0;
    // Text colour as an RGB value, -1 the system colour.
    virtual void textColour(int field, int colour) = 0;

    // A box with the OK button, the exclamation icon and default button 1.
    virtual void messageBox(std::string_view message, std::string_view title) = 0;
    // Runs a command line (IOsCommand's flags and time-out).
    virtual void command(std::string_view line, int flags, int timeoutSeconds) = 0;

    // The next event (WMessage): its type, window or dialog and first value.
    virtual int nextEvent(int& win, int& value1) = 0;
    // (Re)starts the one-shot library timer 1.
    virtual void startTimer(int milliseconds) = 0;
};

// A message of the viewer's boxes: its text (lines joined by carriage returns) and title.
struct ViewerMessage {
    std::string text;
    std::string title;
};

// The viewer's boxes all come up the same way.
inline void showmessage(ViewerPort& port, const ViewerMessage& message) {
    port.messageBox(message.text, message.title);
}

// The port of the program: the library's dialog routines, message box, IOsCommand, WMessage and
// WMessageTimer (Windows build only).
ViewerPort& libraryport();
