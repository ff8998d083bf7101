// window_requests_win.cpp - the dialog manager's answers to the window manager
// (windows/dialog_calls_win.hpp): the loaded-dialog table and the dialog records stay the dialog
// manager's, and the window manager reads or changes them only through the table installed here.
#include "base/addon_hooks.hpp"
#include "base/gravim.hpp"
#include "windows/dialog_calls_win.hpp"
#include "windows/window_tables_win.hpp"
#include "windows/windows_internal_win.hpp"
#include "dialogs/control_classes_win.hpp"
#include "dialogs/dialogs_internal_win.hpp"

HWND yydialogwindow(int identifier) {
    const int index = yydialogfind(identifier);
    return index > 0 ? hDialogList[index] : nullptr;
}

int yydialogidof(HWND window) {
    const int* record = yydialogrecord(window);
    return record != nullptr ? record[DlgId] : 0;
}

bool yydialogtablefull() { return nDialogs >= MaxDialogs; }

bool yysemimodelessshown() { return nSemi > 0; }

HWND yyactivemodelessdialog() { return hDlgCur; }

void yysetactivemodelessdialog(HWND dialog) { hDlgCur = dialog; }

HWND yydialogcombinedwindow(HWND dialog) {
    const int* record = yydialogrecord(dialog);
    return record != nullptr ? handleOf(record[DlgCombinedWindow]) : nullptr;
}

void yysetdialogcombinedwindow(HWND dialog, HWND frame) {
    if (int* record = yydialogrecord(dialog)) record[DlgCombinedWindow] = wordOf(frame);
}

bool yydialogusesrootaccelerators(HWND dialog) {
    const int* record = yydialogrecord(dialog);
    return record != nullptr && record[DlgRootAccelerators] != 0;
}

bool yyprobedialogresizable(HWND probe, int dialog) {
    // The probe carries a scratch record while its companion text is applied to it.
    int scratch[DialogRecordWords] = {};
    SetWindowLongPtrA(probe, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(scratch));
    yydialogkbn(probe, dialog);
    const bool grows = yyIsResizableDialog(probe);
    SetWindowLongPtrA(probe, GWLP_USERDATA, 0);
    return grows;
}

void yydialogswindowclosing(HWND frame, HWND heir, int& currentDialog) {
    for (int d = nDialogs; d >= 1; --d) {
        if (d > nDialogs || hDialogList[d] == nullptr || !yywindowbelongsto(hDialogList[d], frame)) continue;
        const int id = yydialogidof(hDialogList[d]);
        if (id == 0) continue;
        yydialoghidecombined(id);
        if (yydialogfind(id) > 0) yydialogunload(id);
        if (currentDialog == id) currentDialog = 0;
    }
    for (int d = 1; d <= nDialogs; ++d)
        if (int* record = yydialogrecord(hDialogList[d]); record != nullptr && handleOf(record[DlgOwner]) == frame)
            record[DlgOwner] = wordOf(heir);
    if (hLastSemi == frame) hLastSemi = nullptr;
}

bool yydialogeventwords(HWND window, DialogEventWords& words) {
    const int* record = yydialogrecord(window);
    if (record == nullptr) return false;
    words.dialog = record[DlgId];
    words.currentField = record[DlgCurrentField];
    words.previousField = record[DlgPreviousField];
    words.lastCell = record[DlgLastCell];
    words.graphicsField = record[DlgGraphicsField];
    words.newTab = record[DlgNewTab];
    words.oldTab = record[DlgOldTab];
    words.mouseButton = record[DlgMouseButton];
    return true;
}

void yysetdialoglastcell(HWND window, int cell) {
    if (int* record = yydialogrecord(window)) record[DlgLastCell] = cell;
}

int yyfieldcursornumber(int field) {
    const FieldRecord* record = yyfieldrecord(yyfieldwindow(field));
    return record != nullptr && record->cursor != nullptr ? record->cursorNumber : -1;
}

bool yysetfieldcursor(HWND field, HCURSOR cursor, int shape) {
    FieldRecord* record = yyfieldrecord(field);
    if (record == nullptr) return false;
    record->cursor = cursor;
    record->cursorNumber = shape;
    return true;
}

void yydialoginstallhooks() {
    AddonHooks hooks;
    hooks.startupDefaults = [] {
        DialogState& dialogs = gravim.dialogs;
        dialogs.currentDialog = 0;
        dialogs.undefinedInteger = -999;
        dialogs.undefinedReal = -999.0f;
        dialogs.undefinedDouble = -999.0;
    };
    yysetaddonhooks(HooksDialogs, hooks);
}

void yydialoginstallcalls() {
    DialogCalls calls;
    calls.registerClasses = yyregistersuperclass;
    calls.rootOpened = [] {
        yyregistersubclass();
        yygetatoms();
        yyresetdialogwords();
    };
    calls.unloadAll = yyunloadalldialogs;
    calls.rootClosed = [] {
        gravim.dialogs.currentDialog = 0;
        gravim.dialogs.lastAnswer = 0;
    };
    calls.select = WDialogSelect;
    calls.find = yydialogfind;
    calls.window = yydialogwindow;
    calls.currentWindow = yycurrentdialogwindow;
    calls.idOf = yydialogidof;
    calls.resizable = yyIsResizableDialog;
    calls.tableFull = yydialogtablefull;
    calls.semiModelessShown = yysemimodelessshown;
    calls.activeModeless = yyactivemodelessdialog;
    calls.setActiveModeless = yysetactivemodelessdialog;
    calls.load = yydialogload2;
    calls.show = yydialogshow;
    calls.hideCombined = yydialoghidecombined;
    calls.unload = yydialogunload;
    calls.combinedWindow = yydialogcombinedwindow;
    calls.setCombinedWindow = yysetdialogcombinedwindow;
    calls.usesRootAccelerators = yydialogusesrootaccelerators;
    calls.probeResizable = yyprobedialogresizable;
    calls.windowClosing = yydialogswindowclosing;
    calls.eventWords = yydialogeventwords;
    calls.setLastCell = yysetdialoglastcell;
    calls.fieldCursorNumber = yyfieldcursornumber;
    calls.setFieldCursor = yysetfieldcursor;
    calls.clearFieldCursors = yyclearfieldcursors;
    calls.titleColour = yytitlecolourdialogs;
    calls.errorBox = yyerrorbox;
    yysetdialogcalls(calls);
}
