// email_internal.hpp - the staged e-mail message and its send through the mail library.
// The lists hold the library's own copies of every text; entries are addressed from 0.
#pragma once

#include <string>
#include <string_view>
#include <vector>

// Recipient classes of Simple MAPI.
constexpr unsigned long MailOriginator = 0;
constexpr unsigned long MailTo = 1;
constexpr unsigned long MailCc = 2;
constexpr unsigned long MailBcc = 3;

struct MailRecipient {
    unsigned long reserved = 0;
    unsigned long recipClass = MailOriginator;
    std::string name;
    std::string address;
    std::string entryId;  // opaque bytes given by the mail system when a name is resolved
};

// The staged message: written by the yyemail... routines, read by yyemailsend. A list lives
// until the next yyemailclearrecip or yyemailclearattach creates it anew.
extern std::vector<MailRecipient> emailRecipients;
extern std::vector<std::string> emailAttachments;  // path names

// A new recipient list of count entries (none when count < 1): all empty, the first one To.
void yyemailclearrecip(int count);
// Writes into entry 0..count-1 of the recipient list; any other entry is ignored.
void yyemailaddname(int entry, std::string_view text);
void yyemailaddaddress(int entry, std::string_view text);
// Type 2 Cc, 3 Bcc, anything else To.
void yyemailaddtype(int entry, int type);
// A new attachment list of count entries (none when count < 1), all without a path.
void yyemailclearattach(int count);
void yyemailaddattachfile(int entry, std::string_view path);

// Options for yyemailsend.
constexpr int MailShowDialog = 1;      // let the user edit the message in the mail program
constexpr int MailResolveNames = 4;    // resolve every recipient before sending

// Sends the staged message. status 0 sent (code 0); -1 no mail library (code 0, nothing
// touched); -2 the mail system refused (code: its result, texts of WInfoErrorMessage type 6).
void yyemailsend(int options, int& status, int& code, std::string_view subject,
                 std::string_view body);

// The mail library, loaded when the root window opens and freed when it closes. Without it
// yyemailsend answers -1.
void yyemailload();
void yyemailfree();
