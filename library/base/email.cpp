// email.cpp - staging an e-mail message: the recipient and attachment lists.
// Every entry index is checked, so a wrong index from a caller can never write outside a list.
#include <new>

#include "base/email_internal.hpp"

std::vector<MailRecipient> emailRecipients;
std::vector<std::string> emailAttachments;

namespace {

// Creates a list of count empty entries; a count the memory cannot hold leaves it empty.
template <typename List>
void recreate(List& list, int count) {
    List fresh;
    try {
        if (count > 0) fresh.resize(static_cast<std::size_t>(count));
    } catch (const std::exception&) {
        fresh.clear();
    }
    list.swap(fresh);
}

template <typename List>
bool isEntry(const List& list, int entry) {
    return entry >= 0 && static_cast<std::size_t>(entry) < list.size();
}

}  // namespace

void yyemailclearrecip(int count) {
    recreate(emailRecipients, count);
    if (!emailRecipients.empty()) emailRecipients[0].recipClass = MailTo;
}

void yyemailaddname(int entry, std::string_view text) {
    if (isEntry(emailRecipients, entry)) emailRecipients[entry].name.assign(text);
}

void yyemailaddaddress(int entry, std::string_view text) {
    if (isEntry(emailRecipients, entry)) emailRecipients[entry].address.assign(text);
}

void yyemailaddtype(int entry, int type) {
    if (!isEntry(emailRecipients, entry)) return;
    emailRecipients[entry].recipClass = type == 2 ? MailCc : type == 3 ? MailBcc : MailTo;
}

void yyemailclearattach(int count) { recreate(emailAttachments, count); }

void yyemailaddattachfile(int entry, std::string_view path) {
    if (isEntry(emailAttachments, entry)) emailAttachments[entry].assign(path);
}
