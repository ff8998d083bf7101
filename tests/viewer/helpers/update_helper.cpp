// update_helper.cpp - a program on the library's entry that runs one update on the installation
// of QV_DIR and QV_TMP, as the viewer's Update button does; it ends inside the update when the
// update installs a new program, and otherwise leaves "returned" in QV_TMP\helper.txt.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "core/startup.hpp"
#include "core/windows.hpp"
#include "dialogs/dialogs.hpp"
#include "enddates.hpp"
#include "runlog.hpp"
#include "update.hpp"

void applicationMain() {
    WInitialise();
    WindowOpen(WinHidden);
    WDialogLoad(UpdateDialog);
    const std::string qvdir = std::getenv("QV_DIR");
    const std::string qvtmp = std::getenv("QV_TMP");
    const std::string qvtmpq = "\"" + qvtmp + "\"";
    runlogopen(qvtmp + "\\quorvale.log");
    int vedu = DefaultEndIndex, aviso = DefaultEndIndex, reynolds = DefaultEndIndex;
    Text<RealTimeDateLength> realTimeDate("\"           \"");
    updatefiles(vedu, aviso, reynolds, realTimeDate, qvdir, static_cast<int>(qvdir.size()), qvtmp,
                static_cast<int>(qvtmp.size()), qvtmpq, static_cast<int>(qvtmpq.size()), 0);
    if (std::FILE* out = std::fopen((qvtmp + "\\helper.txt").c_str(), "wb")) {
        std::fputs("returned", out);
        std::fclose(out);
    }
    WindowClose();
}
