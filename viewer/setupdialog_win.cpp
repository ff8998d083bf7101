// setupdialog_win.cpp - the setup dialog 106: its adaptation at start-up and its own loop, which
// writes the settings file on a successful Save.
#include "setupdialog.hpp"

#include <string>

#include "base/errors.hpp"
#include "windows/events.hpp"
#include "base/os.hpp"
#include "dialogs/dialogs.hpp"
#include "dialogs/messagebox.hpp"
#include "resources/velquonids.h"
#include "settings.hpp"

namespace {

constexpr int SetupDialog = IDD_SETUP;
constexpr int TypedFolderLength = 300;  // longer than a folder may be, so that a cut is seen

void errorbox(std::string_view message) { WMessageBox(0, 3, 1, message, "Error"); }

// Checks the typed folders and writes them to the settings file; when both succeed they become
// the viewer's folders. A refused Save, or a settings file that cannot be written, leaves the
// viewer's folders as they were.
bool save(ViewerState& state) {
    Text<TypedFolderLength> qvdir, qvtmp;
    WDialogGetString(IDC_SETUP_INSTALLATION, qvdir);
    WDialogGetString(IDC_SETUP_SCRATCH, qvtmp);
    int dirLength = 0, tmpLength = 0;
    len_trimback(qvdir.view(), dirLength, DiagnosticsLevel);
    len_trimback(qvtmp.view(), tmpLength, DiagnosticsLevel);
    if (dirLength == 0 || tmpLength == 0) {
        errorbox("I cannot continue without paths");
        return false;
    }
    if (std::string_view problem = setupfolderproblem(qvdir.view(), qvtmp.view()); !problem.empty()) {
        errorbox(problem);
        return false;
    }
    if (!IOsDirExists(qvdir.trimmed())) {
        errorbox("quorvale directory does not exist, try again");
        return false;
    }
    if (!IOsDirExists(qvtmp.trimmed())) {
        WInfoError(1);
        IOsDirMake(qvtmp.trimmed());
        if (!IOsDirExists(qvtmp.trimmed())) {
            errorbox("I cannot create the quorvale temporary directory, try again");
            return false;
        }
    }
    int item = 0;
    WDialogGetMenu(IDC_SETUP_GS, item);
    const int igs = item == 1 ? 0 : 1;
    if (!writesettings(state.settingsPath.os(), qvdir.trimmed(), qvtmp.trimmed(), igs)) {
        std::string message = "I cannot write the settings file ";
        message += state.settingsPath.trimmed();
        message += ", try again";
        errorbox(message);
        return false;
    }
    state.igs = igs;
    state.qvdir.assign(qvdir.trimmed());
    state.qvtmp.assign(qvtmp.trimmed());
    return true;
}

}  // namespace

void adaptsetupdialog() {
    WDialogSelect(SetupDialog);
    WDialogPutString(IDC_SETUP_INSTALLATION_PROMPT, "Enter complete path to quorvale installation (QV_DIR), no spaces please.");
    WDialogFieldState(IDC_SETUP_INSTALLATION_PROMPT, FieldDisabled);
    WDialogPutString(IDC_SETUP_INSTALLATION_EXAMPLE, "    (eg. c:\\quorvale)");
    WDialogFieldState(IDC_SETUP_INSTALLATION_EXAMPLE, FieldDisabled);
    WDialogFieldState(IDC_SETUP_INSTALLATION, FieldDisabled);
    WDialogPutString(IDC_SETUP_SCRATCH_EXAMPLE, "    (eg. c:\\quorvale\\tmp or c:\\Documents and Settings\\yourname\\quorvale)");
    WDialogFieldState(IDC_SETUP_GS_QUESTION, FieldHidden);
    WDialogFieldState(IDC_SETUP_GS, FieldHidden);
    WDialogPutString(IDC_SETUP_SAVE, "    Save setting to %PROFILE%\\quorvalerc1");
}

bool getsetup(ViewerState& state) {
    WDialogSelect(SetupDialog);
    int length = 0;
    len_trimback(state.qvdir.view(), length, DiagnosticsLevel);
    if (length > 0) WDialogPutString(IDC_SETUP_INSTALLATION, state.qvdir.trimmed());
    len_trimback(state.qvtmp.view(), length, DiagnosticsLevel);
    if (length > 0) WDialogPutString(IDC_SETUP_SCRATCH, state.qvtmp.trimmed());
    Text<3> items[2] = {Text<3>("no"), Text<3>("yes")};
    TextRef refs[2] = {items[0].ref(), items[1].ref()};
    WDialogPutMenu(IDC_SETUP_GS, refs, 2, state.igs + 1);
    WDialogShow(1, 1, 0, 2);
    for (;;) {
        int type = 0;
        WMessageRecord event;
        WMessage(type, event);
        if (type == -1) return false;  // the program's windows are gone
        // Only the setup dialog's own buttons act: a button of another dialog is not its Cancel.
        if (type != EvPushButton || event.Win != SetupDialog) continue;
        WDialogSelect(SetupDialog);
        if (event.Value1 == IDC_CANCEL) {
            WDialogHide();
            return false;
        }
        if (event.Value1 == IDC_SETUP_SAVE && save(state)) {
            WDialogSelect(SetupDialog);
            WDialogHide();
            return true;
        }
    }
}
