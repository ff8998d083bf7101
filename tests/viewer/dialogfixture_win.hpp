// dialogfixture_win.hpp - what the tests of the plot dialogs share: a hidden root window with the
// dialogs loaded, a scratch folder as QV_TMP, and the check of one request through its dialog
// (the expected box answered and no command file, or no box and the file's lines).
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "scratch.hpp"
#include "viewerport.hpp"
#include "viewerstate.hpp"

class ViewerDialogTest : public ::testing::Test {
protected:
    explicit ViewerDialogTest(std::vector<int> dialogs) : dialogs_(std::move(dialogs)) {}
    void SetUp() override;
    void TearDown() override;

    // The folders as the viewer takes them (lengths, the quoted scratch folder), also in the
    // environment; the real-time date "20-MAR-2012".
    void usefolders(const std::string& home, const std::string& tmp);
    std::string tmpfile(const std::string& name) const;
    // The trimmed text of a field of a loaded dialog.
    std::string field(int dialog, int id);
    // Runs one request whose command file is QV_TMP\<commandName>. With a box expected, that
    // box is answered and no file is written; otherwise no box shows (one titled unexpectedTitle
    // would be answered and counted) and the file holds the expected lines. The state is as it
    // was afterwards.
    void expectrequest(const std::function<void()>& request, const std::string& commandName,
                       const std::optional<ViewerMessage>& box, const std::string& unexpectedTitle,
                       const std::vector<std::string>& expected);

    ScratchFolder scratch;
    ViewerState state;

private:
    std::vector<int> dialogs_;
};
