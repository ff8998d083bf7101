// email_test_win.cpp - sending e-mail through our stand-in mail library: the recorded message,
// the compose-dialog rule, resolving names, and every status the send reports.
#include <windows.h>

#include <mapi.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "base/email_internal.hpp"
#include "base/gravim.hpp"
#include "base/startup.hpp"
#include "windows/window_tables_win.hpp"
#include "windows/windows.hpp"
#include "scratch.hpp"

namespace {

// The stand-in's test controls, or null members when the loaded mapi32.dll is not ours.
struct StandIn {
    void (*reset)() = nullptr;
    void (*setSendResult)(ULONG) = nullptr;
    void (*addDirectoryEntry)(const char*, const char*, const char*, const char*) = nullptr;
    const char* (*log)() = nullptr;
    ULONG_PTR (*lastParent)() = nullptr;
    int (*openBuffers)() = nullptr;
};

template <typename F>
void bind(HMODULE module, const char* name, F& f) {
    f = reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

// Wine loads our mapi32.dll only when WINEDLLOVERRIDES asked for it at process start.
const StandIn* standIn() {
    static StandIn s;
    static bool probed = false;
    if (!probed) {
        probed = true;
        if (HMODULE module = LoadLibraryA("mapi32.dll")) {  // kept loaded for the whole run
            bind(module, "StandInReset", s.reset);
            bind(module, "StandInSetSendResult", s.setSendResult);
            bind(module, "StandInAddDirectoryEntry", s.addDirectoryEntry);
            bind(module, "StandInLog", s.log);
            bind(module, "StandInLastParent", s.lastParent);
            bind(module, "StandInOpenBuffers", s.openBuffers);
        }
    }
    return s.log != nullptr ? &s : nullptr;
}

// CTest runs base_tests with the override and this marker, so that there a missing stand-in fails
// the cases instead of skipping them.
constexpr const char* standInMarker = "GRAV_MAIL_STANDIN";

class EmailSend : public ::testing::Test {
protected:
    void SetUp() override {
        if (standIn() == nullptr) {
            if (std::getenv(standInMarker) != nullptr) FAIL() << "the stand-in mapi32.dll was not loaded";
            GTEST_SKIP() << "needs the stand-in mail library: WINEDLLOVERRIDES=mapi32=n";
        }
        standIn()->reset();
        yyresetgravim();
        WInitialise();
        WindowOpen(WinHidden);  // loads the mail library
        yyemailclearrecip(0);
        yyemailclearattach(0);
    }
    void TearDown() override {
        WindowClose();
        yyresetgravim();
    }

    std::string log() const { return standIn()->log(); }
    void send(int options) {
        status = 99;
        code = 99;
        yyemailsend(options, status, code, "Monthly plots", "Two maps attached.\r\nRegards");
    }
    void stageOneRecipient() {
        yyemailclearrecip(1);
        yyemailaddaddress(0, "ann@example.org");
    }
    int status = 0;
    int code = 0;
};

TEST_F(EmailSend, TheRecordedMessageIsTheStagedOne) {
    yyemailclearrecip(3);
    yyemailaddname(0, "Ann Smith");
    yyemailaddaddress(0, "SMTP:ann@example.org");
    yyemailaddname(1, "Bob");
    yyemailaddaddress(1, "bob@example.org");
    yyemailaddtype(1, 2);
    yyemailaddaddress(2, "carol@example.org");
    yyemailaddtype(2, 3);
    yyemailclearattach(2);
    yyemailaddattachfile(0, "C:\\plots\\map1.jpg");
    yyemailaddattachfile(1, "C:\\plots\\map 2.jpg");
    const std::string expected =
        "send flags=1\n"
        "subject=Monthly plots\n"
        "body=Two maps attached.\r\nRegards\n"
        "type=(null) date= conversation= flags=0 originator=none\n"
        "recipient reserved=0 class=1 name=Ann Smith address=SMTP:ann@example.org id=\n"
        "recipient reserved=0 class=2 name=Bob address=bob@example.org id=\n"
        "recipient reserved=0 class=3 name= address=carol@example.org id=\n"
        "file flags=0 position=-1 path=C:\\plots\\map1.jpg name=(null) type=none\n"
        "file flags=0 position=-1 path=C:\\plots\\map 2.jpg name=(null) type=none\n";

    send(0);
    EXPECT_EQ(status, 0);
    EXPECT_EQ(code, 0);
    EXPECT_EQ(log(), expected);
    // The mail program's dialogs belong to the root frame.
    EXPECT_EQ(standIn()->lastParent(), reinterpret_cast<ULONG_PTR>(wWindow[0]));
    // The lists outlive the send: a second send repeats the message.
    send(0);
    EXPECT_EQ(log(), expected + expected);
}

TEST_F(EmailSend, UnsetTypesKeepClassZeroExceptTheFirst) {
    yyemailclearrecip(2);
    yyemailaddaddress(0, "a@example.org");
    yyemailaddaddress(1, "b@example.org");
    send(0);
    EXPECT_NE(log().find("class=1 name= address=a@example.org"), std::string::npos) << log();
    EXPECT_NE(log().find("class=0 name= address=b@example.org"), std::string::npos) << log();
}

TEST_F(EmailSend, ComposeDialogWhenAskedOrWithoutRecipients) {
    const struct { int options; int recipients; int flags; } cases[] = {
        {0, 1, MAPI_LOGON_UI}, {MailShowDialog, 1, MAPI_LOGON_UI | MAPI_DIALOG},
        {0, 0, MAPI_LOGON_UI | MAPI_DIALOG}, {MailShowDialog, 0, MAPI_LOGON_UI | MAPI_DIALOG},
        {2, 1, MAPI_LOGON_UI},
    };
    for (const auto& c : cases) {
        standIn()->reset();
        yyemailclearrecip(c.recipients);
        for (int i = 0; i < c.recipients; ++i) yyemailaddaddress(i, "ann@example.org");
        send(c.options);
        EXPECT_EQ(log().substr(0, log().find('\n')), "send flags=" + std::to_string(c.flags))
            << "options " << c.options << ", recipients " << c.recipients;
    }
}

TEST_F(EmailSend, RefusalsGiveStatusMinusTwoAndTheMailCode) {
    stageOneRecipient();
    for (ULONG result : {MAPI_USER_ABORT, MAPI_E_FAILURE, MAPI_E_LOGON_FAILURE,
                         MAPI_E_ATTACHMENT_NOT_FOUND, MAPI_E_UNKNOWN_RECIPIENT,
                         MAPI_E_NOT_SUPPORTED}) {
        standIn()->setSendResult(result);
        send(0);
        EXPECT_EQ(status, -2) << result;
        EXPECT_EQ(code, static_cast<int>(result));
    }
}

TEST_F(EmailSend, WithoutTheMailLibraryNothingIsTouched) {
    stageOneRecipient();
    WindowClose();  // frees the mail library
    ScratchFolder folder;
    send(MailResolveNames);
    EXPECT_EQ(status, -1);
    EXPECT_EQ(code, 0);
    EXPECT_EQ(log(), "");
    EXPECT_EQ(emailRecipients.size(), 1u);
}

TEST_F(EmailSend, TheCurrentDirectoryIsPutBack) {
    stageOneRecipient();
    ScratchFolder folder;
    char before[MAX_PATH], after[MAX_PATH];
    GetCurrentDirectoryA(MAX_PATH, before);
    send(0);  // the stand-in moves to C:\ as a mail program may
    GetCurrentDirectoryA(MAX_PATH, after);
    EXPECT_STREQ(after, before);
}

// Resolved recipients keep their class, and the list keeps copies of what the mail system
// resolved: the stand-in scribbles over its buffers when they are freed after the send.
TEST_F(EmailSend, ResolvedRecipientsAreCopiesAndKeepTheirClass) {
    standIn()->addDirectoryEntry("Ann", "Ann Smith", "SMTP:ann@example.org", "id-ann");
    standIn()->addDirectoryEntry("bob@example.org", "Bob Jones", "SMTP:bob@example.org", "B");
    yyemailclearrecip(3);
    yyemailaddname(0, "Ann");
    yyemailaddname(1, "Bob");  // unknown by name, known by address
    yyemailaddaddress(1, "bob@example.org");
    yyemailaddtype(1, 2);
    yyemailaddaddress(2, "nobody@example.org");  // no name, unknown address: left as it is
    yyemailaddtype(2, 3);

    send(MailResolveNames);
    EXPECT_EQ(status, 0);
    const std::string resolvedRecipients =
        "recipient reserved=7 class=1 name=Ann Smith address=SMTP:ann@example.org id=69642D616E6E\n"
        "recipient reserved=7 class=2 name=Bob Jones address=SMTP:bob@example.org id=42\n"
        "recipient reserved=0 class=3 name= address=nobody@example.org id=\n";
    EXPECT_EQ(log().substr(0, log().find("send")),
              "resolve Ann flags=1\n"
              "resolve Bob flags=1\n"
              "resolve bob@example.org flags=1\n"
              "resolve nobody@example.org flags=1\n");
    EXPECT_NE(log().find(resolvedRecipients), std::string::npos) << log();
    EXPECT_EQ(standIn()->openBuffers(), 0);
    EXPECT_EQ(standIn()->lastParent(), reinterpret_cast<ULONG_PTR>(wWindow[0]));

    // Sent again without resolving, after the mail system freed (and spoilt) its buffers.
    standIn()->reset();
    send(0);
    EXPECT_NE(log().find(resolvedRecipients), std::string::npos) << log();
}

}  // namespace
