// dialog_records_win.cpp - dialog records, the current dialog and combined dialogs.
// The loaded-dialog table arrives with the dialog manager; until then no dialog is ever loaded,
// so loading reports failure and unloading has nothing to free.
#include "core/gravim.hpp"
#include "dialogs/dialogs_internal_win.hpp"

int* yydialogrecord(HWND dialog) {
    if (dialog == nullptr) return nullptr;
    return reinterpret_cast<int*>(GetWindowLongPtrA(dialog, GWLP_USERDATA));
}

bool yyIsResizableDialog(HWND dialog) {
    const int* record = yydialogrecord(dialog);
    return record != nullptr && record[DlgGrowingControl] != 0;
}

HWND yycurrentdialogwindow() { return nullptr; }

void yytitlecolourdialogs(HWND) {}

void WDialogSelect(int dialog) { gravim.dialogs.currentDialog = dialog; }

void yydialogkbn(HWND, int) {}

HWND yydialogload2(int, HWND) { return nullptr; }

void yydialogshow(int, int, int) {}

void yydialoghide(int) {}

void yydialogunload(int) {}

void yyunloadalldialogs() { gravim.dialogs.currentDialog = 0; }

void yyresetdialogwords() {}
