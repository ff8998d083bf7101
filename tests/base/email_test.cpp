// email_test.cpp - staging an e-mail message: list creation, entry checks, recipient classes.
#include <gtest/gtest.h>

#include <climits>

#include "base/email_internal.hpp"

namespace {

TEST(EmailStaging, NewRecipientListIsEmptyButForTheFirstClass) {
    yyemailclearrecip(3);
    ASSERT_EQ(emailRecipients.size(), 3u);
    EXPECT_EQ(emailRecipients[0].recipClass, MailTo);
    EXPECT_EQ(emailRecipients[1].recipClass, MailOriginator);
    EXPECT_EQ(emailRecipients[2].recipClass, MailOriginator);
    for (const MailRecipient& r : emailRecipients) {
        EXPECT_EQ(r.name, "");
        EXPECT_EQ(r.address, "");
        EXPECT_EQ(r.entryId, "");
        EXPECT_EQ(r.reserved, 0u);
    }
}

TEST(EmailStaging, TypesGiveClasses) {
    const struct { int type; unsigned long recipClass; } cases[] = {
        {1, MailTo}, {2, MailCc}, {3, MailBcc}, {0, MailTo}, {4, MailTo}, {-1, MailTo},
    };
    yyemailclearrecip(2);
    for (const auto& c : cases) {
        yyemailaddtype(1, c.type);
        EXPECT_EQ(emailRecipients[1].recipClass, c.recipClass) << "type " << c.type;
    }
}

TEST(EmailStaging, TextsAreCopiesOfTheCallersTexts) {
    yyemailclearrecip(1);
    yyemailclearattach(1);
    std::string name = "Ann Smith", address = "ann@example.org", path = "C:\\plots\\map1.jpg";
    yyemailaddname(0, name);
    yyemailaddaddress(0, address);
    yyemailaddattachfile(0, path);
    name.assign(name.size(), '#');
    address.assign(address.size(), '#');
    path.assign(path.size(), '#');
    EXPECT_EQ(emailRecipients[0].name, "Ann Smith");
    EXPECT_EQ(emailRecipients[0].address, "ann@example.org");
    EXPECT_EQ(emailAttachments[0], "C:\\plots\\map1.jpg");
}

// A wrong entry index must never write outside a list (under the sanitizers it would show).
TEST(EmailStaging, EntriesOutsideTheListsAreIgnored) {
    yyemailclearrecip(2);
    yyemailclearattach(2);
    for (int entry : {-1, 2, 3, 1000, INT_MAX, INT_MIN}) {
        yyemailaddname(entry, "x");
        yyemailaddaddress(entry, "x");
        yyemailaddtype(entry, 3);
        yyemailaddattachfile(entry, "x");
    }
    ASSERT_EQ(emailRecipients.size(), 2u);
    ASSERT_EQ(emailAttachments.size(), 2u);
    EXPECT_EQ(emailRecipients[1].name, "");
    EXPECT_EQ(emailRecipients[1].recipClass, MailOriginator);
    EXPECT_EQ(emailAttachments[1], "");
}

TEST(EmailStaging, CountsBelowOneGiveEmptyLists) {
    for (int count : {0, -5}) {
        yyemailclearrecip(count);
        yyemailclearattach(count);
        EXPECT_TRUE(emailRecipients.empty()) << count;
        EXPECT_TRUE(emailAttachments.empty()) << count;
        yyemailaddname(0, "nobody");
        yyemailaddattachfile(0, "nothing");
        EXPECT_TRUE(emailRecipients.empty());
        EXPECT_TRUE(emailAttachments.empty());
    }
}

TEST(EmailStaging, ANewListForgetsTheOldOne) {
    yyemailclearrecip(2);
    yyemailaddname(1, "old");
    yyemailaddtype(1, 2);
    yyemailclearrecip(2);
    EXPECT_EQ(emailRecipients[1].name, "");
    EXPECT_EQ(emailRecipients[1].recipClass, MailOriginator);
}

}  // namespace
