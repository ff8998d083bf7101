// viewerport_win.cpp - the program's viewer port: the library's dialogs, boxes, commands and events.
#include <algorithm>

#include "windows/events.hpp"
#include "base/os.hpp"
#include "dialogs/dialogs.hpp"
#include "dialogs/messagebox.hpp"
#include "viewerport.hpp"

namespace {

constexpr std::size_t MenuTextLength = 128;

class LibraryPort : public ViewerPort {
public:
    void select(int dialog) override { WDialogSelect(dialog); }
    void show(int x, int y, int focus, int mode) override { WDialogShow(x, y, focus, mode); }
    void hide() override { WDialogHide(); }
    void undefinedAsZero() override { wdialogundefined(0, 0.0f, 0.0); }

    int getMenu(int field, std::string* text) override {
        int option = 0;
        std::string item(MenuTextLength, ' ');
        TextRef itemRef(item);
        WDialogGetMenu(field, option, text ? &itemRef : nullptr);
        if (text) *text = item;
        return option;
    }
    void putMenu(int field, const std::vector<std::string>& items, int selected) override {
        std::size_t width = 1;
        for (const std::string& item : items) width = std::max(width, item.size());
        std::vector<std::string> padded;
        padded.reserve(items.size());
        for (const std::string& item : items) padded.push_back(item + std::string(width - item.size(), ' '));
        std::vector<TextRef> refs;
        for (std::string& item : padded) refs.emplace_back(item);
        WDialogPutMenu(field, refs.data(), static_cast<int>(refs.size()), selected);
    }
    int getRadio(int first) override {
        int position = 0;
        WDialogGetRadioButton(first, position);
        return position;
    }
    void putRadio(int field) override { WDialogPutRadioButton(field); }
    float getReal(int field) override {
        float value = 0.0f;
        WDialogGetReal(field, value);
        return value;
    }
    void putReal(int field, float value) override { WDialogPutReal(field, value); }
    std::string getString(int field, int length) override {
        std::string text(static_cast<std::size_t>(std::max(length, 0)), ' ');
        WDialogGetString(field, TextRef(text));
        return text;
    }
    void putString(int field, std::string_view text) override { WDialogPutString(field, text); }
    int getCheckBox(int field) override {
        int state = 0;
        WDialogGetCheckBox(field, state);
        return state;
    }
    void fieldState(int field, int state) override { WDialogFieldState(field, state); }
    void textColour(int field, int colour) override { WDialogColour(field, colour); }

    void messageBox(std::string_view message, std::string_view title) override {
        WMessageBox(0, 3, 1, message, title);
    }
    void command(std::string_view line, int flags, int timeoutSeconds) override {
        IOsCommand(line, flags, timeoutSeconds);
    }
    int nextEvent(int& win, int& value1) override {
        int type = 0;
        WMessageRecord record;
        WMessage(type, record);
        win = record.Win;
        value1 = record.Value1;
        return type;
    }
    void startTimer(int milliseconds) override { WMessageTimer(milliseconds, 1); }
};

}  // namespace

ViewerPort& libraryport() {
    static LibraryPort port;
    return port;
}
