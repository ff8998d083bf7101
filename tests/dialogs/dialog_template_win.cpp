// dialog_template_win.cpp - in-memory dialog templates for tests.
#include "dialog_template_win.hpp"

DialogTemplate::DialogTemplate(const std::string& title, int width, int height, DWORD style) {
    word(LOWORD(style));
    word(HIWORD(style));
    word(0);  // extended style
    word(0);
    countAt_ = data_.size();
    word(0);  // control count
    word(10);
    word(10);
    word(static_cast<WORD>(width));
    word(static_cast<WORD>(height));
    word(0);  // no menu
    word(0);  // the dialog class
    text(title);
    word(8);
    text("MS Sans Serif");
}

void DialogTemplate::text(const std::string& s) {
    for (char c : s) data_.push_back(static_cast<unsigned char>(c));
    data_.push_back(0);
}

void DialogTemplate::add(const std::string& className, int id, const std::string& caption, int x,
                         int y, int width, int height, DWORD style) {
    align();  // each control starts on a DWORD boundary
    word(LOWORD(style));
    word(HIWORD(style));
    word(0);
    word(0);
    word(static_cast<WORD>(x));
    word(static_cast<WORD>(y));
    word(static_cast<WORD>(width));
    word(static_cast<WORD>(height));
    word(static_cast<WORD>(id));
    text(className);
    text(caption);
    word(0);  // no creation data
    ++data_[countAt_];
}

const DLGTEMPLATE* DialogTemplate::get() { return reinterpret_cast<const DLGTEMPLATE*>(data_.data()); }
