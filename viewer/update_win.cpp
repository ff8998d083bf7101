// update_win.cpp - the viewer's Update button: the update procedure on dialog 111 with the
// library's dialog routines, processes and waits.
#include "base/os.hpp"
#include "windows/windows.hpp"
#include "dialogs/dialogs.hpp"
#include "update.hpp"

namespace {

class LibraryHost : public UpdateHost {
public:
    void select() override { WDialogSelect(UpdateDialog); }
    void put(int field, std::string_view text) override { WDialogPutString(field, text); }
    void fieldstate(int field, int state) override { WDialogFieldState(field, state); }
    void show() override { WDialogShow(1, 1, 0, 2); }
    void command(std::string_view line, int flags, int timeoutSeconds) override {
        IOsCommand(line, flags, timeoutSeconds);
    }
    void wait(int hundredths) override { IOsWait(hundredths); }
    void close() override { WindowClose(); }
    void execute(std::string_view line) override { IOsExecute(line); }
};

}  // namespace

void updatefiles(int& veduEnd, int& avisoEnd, int& reynoldsEnd, TextRef realTimeDate, std::string_view qvdir,
                 int qvdirLength, std::string_view qvtmp, int qvtmpLength, std::string_view qvtmpq,
                 int qvtmpqLength, int) {
    LibraryHost host;
    runupdate(host, {veduEnd, avisoEnd, reynoldsEnd, realTimeDate, qvdir, qvdirLength, qvtmp, qvtmpLength, qvtmpq,
                     qvtmpqLength});
}
