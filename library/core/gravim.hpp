// gravim.hpp - the library's one shared state record.
// Numbers and texts only, so that it stays portable; Win32 handle tables live in the Win32 files
// that own them. Each subsystem owns its part; a field's comment names its meaning and writers.
#pragma once

#include "core/text.hpp"

// Library core (subsystem 1).
struct CoreState {
    // The five error slots read by WInfoError, in slot order.
    int lastError = 0;      // slot 1: last ErrorNumber; written by yyseterror, cleared when read
    int fileStatus = 0;     // slot 2: status of the last failing file operation; cleared when read
    int osStatus = 0;       // slot 3: OS code of the last failing command or file-system service,
                            //         or a compression status; cleared when read
    int debugLevel = 0;     // slot 4: DebugLevel 0..4, set only through IDebugLevel
    int errorCategory = 0;  // slot 5: what slot 2 holds: 0 nothing, 1 formatted-I/O status, 2 OS code
};

// Dialog manager (subsystem 3).
struct DialogState {
    int lastAnswer = 0;     // WInfoDialog item 4: answer of the last message box or file dialog
    int currentDialog = 0;  // DialogId of the current dialog, 0 none; WindowOpen, WindowClose
    // What a get from an undefined field returns with error 1010; wdialogundefined.
    int undefinedInteger = -999;
    float undefinedReal = -999.0f;
    double undefinedDouble = -999.0;
};

struct GravimState {
    CoreState core;
    DialogState dialogs;
};

extern GravimState gravim;

// Puts every part back to its initial values. For tests only: a run starts from the initial values.
void yyresetgravim();
