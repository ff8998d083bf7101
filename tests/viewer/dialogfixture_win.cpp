// dialogfixture_win.cpp - the shared fixture of the plot-dialog tests.
#include "dialogfixture_win.hpp"

#include <windows.h>

#include <filesystem>

#include "base/gravim.hpp"
#include "windows/windows.hpp"
#include "dialogs/dialogs.hpp"
#include "dialogs/dialogs_internal_win.hpp"
#include "gui_driver_win.hpp"
#include "installation.hpp"
#include "requestfile.hpp"
#include "requestlines.hpp"

namespace {

// Line breaks as the box shows them.
std::string oneline(const std::string& text) {
    std::string result;
    for (char c : text)
        if (c != '\r' && c != '\n') result += c;
    return result;
}

}  // namespace

void ViewerDialogTest::SetUp() {
    WindowClose();  // a root window another test left open
    yyunloadalldialogs();
    yyresetgravim();
    WindowOpen(WinHidden);
    for (int dialog : dialogs_) WDialogLoad(dialog);
    resetplotfamilies();
    usefolders("C:\\qv", nativepath(scratch.path()));
}

void ViewerDialogTest::TearDown() {
    WindowClose();
    yyunloadalldialogs();
    yyresetgravim();
    SetEnvironmentVariableA("QV_DIR", nullptr);
    SetEnvironmentVariableA("QV_TMP", nullptr);
}

void ViewerDialogTest::usefolders(const std::string& home, const std::string& tmp) {
    state.qvdir.assign(home);
    state.qvdirLength = static_cast<int>(home.size());
    state.qvtmp.assign(tmp);
    state.qvtmpLength = static_cast<int>(tmp.size());
    state.qvtmpq.assign("\"" + tmp + "\"");
    state.qvtmpqLength = state.qvtmpLength + 2;
    state.realTimeDate.assign("\"20-MAR-2012\"");
    SetEnvironmentVariableA("QV_DIR", home.c_str());
    SetEnvironmentVariableA("QV_TMP", tmp.c_str());
}

std::string ViewerDialogTest::tmpfile(const std::string& name) const {
    return readWholeFile(state.qvtmp.os() + "\\" + name);
}

std::string ViewerDialogTest::field(int dialog, int id) {
    WDialogSelect(dialog);
    Text<200> text;
    WDialogGetString(id, text);
    return std::string(text.trimmed());
}

void ViewerDialogTest::expectrequest(const std::function<void()>& request, const std::string& commandName,
                                     const std::optional<ViewerMessage>& box, const std::string& unexpectedTitle,
                                     const std::vector<std::string>& expected) {
    std::filesystem::remove(state.qvtmp.os() + "\\" + commandName);
    const ViewerState saved = state;
    {
        AutoAnswer answer(IDOK, box ? box->title : unexpectedTitle);
        request();
        if (box) {
            EXPECT_EQ(answer.answered(), 1);
            EXPECT_EQ(answer.lastTitle(), box->title);
            EXPECT_NE(oneline(answer.lastText()).find(oneline(box->text)), std::string::npos) << answer.lastText();
            EXPECT_EQ(tmpfile(commandName), "");
        } else {
            EXPECT_EQ(answer.answered(), 0) << answer.lastText();
            expectlines(splitlines(tmpfile(commandName)), expected);
        }
    }
    state = saved;
}
