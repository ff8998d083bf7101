// dialog_template_win.hpp - in-memory dialog templates for tests that build their own dialogs.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

// A dialog template assembled control by control (dialog units), aligned as the system expects.
class DialogTemplate {
public:
    DialogTemplate(const std::string& title, int width, int height, DWORD style = WS_POPUP | WS_CAPTION |
                   WS_SYSMENU | DS_SETFONT | DS_MODALFRAME);
    void add(const std::string& className, int id, const std::string& text, int x, int y, int width,
             int height, DWORD style = WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_BORDER);
    const DLGTEMPLATE* get();

private:
    void word(WORD w) { data_.push_back(w); }
    void text(const std::string& s);
    void align() {
        if (data_.size() % 2 != 0) data_.push_back(0);
    }
    std::vector<WORD> data_;
    std::size_t countAt_ = 0;
};
