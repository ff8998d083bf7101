// quorvale_win.cpp - the viewer's main routine: start-up with a hidden root window, the loading
// of every dialog, the one event loop and shutdown.
#include <windows.h>

#include "buoys.hpp"
#include "windows/events.hpp"
#include "base/os.hpp"
#include "base/startup.hpp"
#include "windows/windows.hpp"
#include "dialogs/dialogs.hpp"
#include "dialogs/messagebox.hpp"
#include "linerequest.hpp"
#include "machine.hpp"
#include "mapfields.hpp"
#include "maprequest.hpp"
#include "processtimes.hpp"
#include "resources/velquonids.h"
#include "prodrequest.hpp"
#include "quorvale.hpp"
#include "runlog.hpp"
#include "setupdialog.hpp"
#include "startup.hpp"
#include "timerequest.hpp"
#include "update.hpp"
#include "vertrequest.hpp"
#include "viewerport.hpp"

namespace {

constexpr int HiddenRoot = 128;
constexpr int MainDialog = IDD_MAIN;
constexpr int OtherEditionMainDialog = IDD_OTHER_EDITION_MAIN;

// A command line too long for the viewer ends the program with the message in a stop box.
void stopprogram(std::string_view message) { IOsExitProgram(message, 1); }

void unitcaptioncolours(int grey) {
    WDialogColour(IDC_PRESSURE_CAPTION, -1);
    WDialogColour(IDC_DEPTH_CAPTION, grey);
}

// One family dialog's answer to a field change or a push button, by its dialog identifier.
const FamilyRoutines* familyof(int dialog) {
    for (const FamilyRoutines& family : familyroutines)
        if (family.dialog == dialog) return &family;
    return nullptr;
}

void setupsequence(ViewerState& state) {
    int igsSave = state.igs;
    Text<MaxViewerPath> oldTmp(state.qvtmp.view());
    int oldTmpLength = state.qvtmpLength;
    getsetup(state);
    len_trimback(state.qvdir.view(), state.qvdirLength, DiagnosticsLevel);
    len_trimback(state.qvtmp.view(), state.qvtmpLength, DiagnosticsLevel);
    if (state.qvtmpLength != oldTmpLength || state.qvtmp.view() != oldTmp.view()) {
        state.exitFlag = 1;
        WMessageBox(0, 3, 1, "Restart quorvale for changes", "Restart information");
    }
    IOsVariablePut("QV_DIR", state.qvdir.view());
    IOsVariablePut("QV_TMP", state.qvtmp.view());
    runlogwrite({"after getsetup,igs=", state.igs, "igs_save=", igsSave});
    if (state.igs != igsSave) {
        loaddialogs(GlobalEdition, state.versionText.view(), state.ncity, state.grey, state.igs, DiagnosticsLevel);
        runlogwrite({" CALL LoadDialogs"});
    }
}

void mainbutton(ViewerState& state, int button) {
    WDialogSelect(MainDialog);
    WDialogShow(480, -1, 0, 2);
    switch (button) {
        case IDC_OK: {
            WDialogGetRadioButton(IDC_MAIN_FAMILY, state.mainChoice);
            static constexpr struct {
                int dialog, x;
            } shown[] = {{IDD_MAP, -1}, {IDD_SECTION, 510}, {IDD_TIMESERIES, -1}, {IDD_LINEDRAWING, -1},
                         {IDD_PRODUCTS, -1}};
            if (state.mainChoice >= 1 && state.mainChoice <= 5) {
                WDialogSelect(shown[state.mainChoice - 1].dialog);
                WDialogShow(shown[state.mainChoice - 1].x, -1, 0, 2);
            }
            break;
        }
        case IDC_CANCEL:
        case IDC_EXIT:
            state.exitFlag = 1;
            break;
        case IDC_MAIN_HELP:
            runlogwrite({"spawn notepad:"});
            viewercommand(state, "\\bin\\notepad", "\\Help\\README.txt", 5);
            IOsCommand(state.messy.view());
            break;
        case IDC_MAIN_STOP:
            runlogwrite({"spawn qvKillCygwinX:"});
            viewercommand(state, "\\bin\\qvKillCygwinX.bat", " ", 0);
            IOsCommand(state.messy.view(), commandHidden);
            state.exitFlag = 1;
            break;
        case IDC_MAIN_UPDATE:
            updatefiles(state.veduEnd, state.avisoEnd, state.reynoldsEnd, state.realTimeDate, state.qvdir.view(),
                        state.qvdirLength, state.qvtmp.view(), state.qvtmpLength, state.qvtmpq.view(),
                        state.qvtmpqLength, DiagnosticsLevel);
            break;
        case IDC_MAIN_SETUP:
            setupsequence(state);
            break;
        default:
            break;
    }
}

void pushbutton(ViewerState& state, const WMessageRecord& event) {
    int dialog = event.Win;
    if (dialog == MainDialog || dialog == OtherEditionMainDialog) {
        mainbutton(state, event.Value1);
    } else if (dialog == IDD_PROGRESS || dialog == IDD_UPDATE || dialog == IDD_OUTPUT) {
        if (event.Value1 == IDC_OK || event.Value1 == IDC_CANCEL || event.Value1 == IDC_EXIT) {
            WDialogSelect(dialog);
            WDialogHide();
        }
    } else if (const FamilyRoutines* family = familyof(dialog)) {
        if (family->showFirst) {
            WDialogSelect(dialog);
            WDialogShow(-1, -1, 0, 2);
        }
        if (family->request != nullptr) family->request(state, event);
    }
}

void fieldchanged(ViewerState& state, const WMessageRecord& event) {
    if (event.Value1 != event.Value2) return;  // the focus moved: no field's contents changed
    if (event.Win == MainDialog || event.Win == OtherEditionMainDialog) {
        WDialogSelect(MainDialog);
        WDialogGetRadioButton(IDC_MAIN_FAMILY, state.mainChoice);
        mainviewfields(GlobalEdition, state.mainChoice);
    } else if (const FamilyRoutines* family = familyof(event.Win); family != nullptr && family->fields != nullptr) {
        family->fields(state);
    }
}

void mainloop(ViewerState& state) {
    while (state.exitFlag == 0) {
        int type = 0;
        WMessageRecord event;
        WMessage(type, event);
        if (type == EvFieldChanged) fieldchanged(state, event);
        if (type == EvPushButton) pushbutton(state, event);
    }
}

}  // namespace

// The plot families' field logic and request writers, through the library's viewer port.
FamilyRoutines familyroutines[5] = {
    {IDD_MAP, false, [](ViewerState& state) { mapviewfields(libraryport(), state.grey, DiagnosticsLevel); },
     [](ViewerState& state, const WMessageRecord& event) { plotmapview(libraryport(), state, event.Value1); }},
    {IDD_SECTION, false, [](ViewerState& state) { vertviewfields(libraryport(), state.mainChoice, state.grey); },
     [](ViewerState& state, const WMessageRecord& event) { plotvertview(libraryport(), state, event.Value1); }},
    {IDD_TIMESERIES, true, [](ViewerState& state) { timeviewfields(libraryport(), state.grey, 0); },
     [](ViewerState& state, const WMessageRecord& event) { plottimeseries(libraryport(), state, event.Value1); }},
    {IDD_LINEDRAWING, true, [](ViewerState& state) { lineviewfields(libraryport(), state.grey); },
     [](ViewerState& state, const WMessageRecord& event) { plotlinedrawing(libraryport(), state, event.Value1); }},
    {IDD_PRODUCTS, false, [](ViewerState&) { prodviewfields(libraryport()); },
     [](ViewerState& state, const WMessageRecord& event) { plotprodview(libraryport(), state, event.Value1); }},
};

void mainviewfields(int edition, int) { WDialogSelect(edition == 1 ? OtherEditionMainDialog : MainDialog); }

void loaddialogs(int edition, std::string_view versionText, int ncity, int grey, int, int) {
    wdialogundefined(0, 0.0f, 0.0);
    WDialogLoad(edition == 1 ? OtherEditionMainDialog : MainDialog);
    WDialogPutString(IDC_MAIN_VERSION, versionText);
    WDialogLoad(IDD_MAP);
    for (int field = IDC_MAP_VECTOR_FIRST; field <= IDC_MAP_VECTOR_LAST; ++field) WDialogFieldState(field, FieldDisabled);
    unitcaptioncolours(grey);
    if (edition == 2) {
        WDialogPutReal(IDC_WEST, 20.0f);
        WDialogPutReal(IDC_EAST, 360.0f);
        WDialogPutReal(IDC_NORTH, 65.0f);
    }
    WDialogLoad(IDD_SECTION);
    unitcaptioncolours(grey);
    for (int dialog : {IDD_TIMESERIES, IDD_LINEDRAWING}) {
        WDialogLoad(dialog);
        unitcaptioncolours(grey);
        loadbuoymenu(libraryport(), ncity);
    }
    for (int dialog : {IDD_PROGRESS, IDD_PRODUCTS, IDD_UPDATE, IDD_OUTPUT}) WDialogLoad(dialog);
}

void vedu_pacific_quorvale() {
    static ViewerState state;
    viewerstop = stopprogram;
    state.qvdir.ref().blank();
    state.qvtmp.ref().blank();
    WInitialise();
    wdialogundefined(0, 0.0f, 0.0);
    state.grey = static_cast<int>(RGB(110, 110, 110));

    WindowOpen(HiddenRoot);
    WMessageEnable(EvFieldChanged, 1);
    WDialogLoad(IDD_SETUP);
    adaptsetupdialog();
    state.igs = 1;

    settingspathandfolder(state);
    if (!establishfolders(state, getsetup)) {
        WindowClose();
        return;
    }
    makescratchfolder(state);
    openviewerlog(state);
    refreshenddatefiles(state);
    if (probexserver(state)) WMessageBox(0, 3, 1, XWarningText, XWarningTitle);
    readversiontext(state);
    readvirtualbuoys(state);
    machinefacts(state);

    double total0 = 0, user0 = 0, kernel0 = 0;
    processtimes(total0, user0, kernel0);
    loaddialogs(GlobalEdition, state.versionText.view(), state.ncity, state.grey, state.igs, DiagnosticsLevel);
    WDialogSelect(MainDialog);
    WDialogShow(-1, -1, 0, 2);
    bench();
    double total1 = 0, user1 = 0, kernel1 = 0;
    processtimes(total1, user1, kernel1);
    runlogwrite({"cpu bench test:"});
    runlogwrite({"real time=", total1 - total0, " user time=", user1 - user0, "system time=", kernel1 - kernel0});
    readenddates(state);

    mainloop(state);
    WindowClose();
    startcleanup(state);
}
