// The access word and the database password.
#include "dorvane/convert/accesscheck.h"

#include "tests/dorvane/recordingui.h"

#include <gtest/gtest.h>

using convert::AccessOutcome;
using convert::checkReadAccess;
using testsupport::RecordingUi;

namespace {

pdb::MasterRecord withAccess(int slot0, const char *password = "Secret")
{
    pdb::MasterRecord m;
    m.setAccessSlot(0, slot0);
    m.setPassword(password);
    return m;
}

} // namespace

TEST(AccessCheck, AllowedAsksNothing)
{
    RecordingUi ui;
    EXPECT_EQ(checkReadAccess(withAccess(0), ui), AccessOutcome::Allowed);
    EXPECT_EQ(ui.passwordPrompts, 0);
    EXPECT_TRUE(ui.messages.empty());
}

TEST(AccessCheck, NotAllowed)
{
    for (const int slot : {2, 3}) {
        RecordingUi ui;
        EXPECT_EQ(checkReadAccess(withAccess(slot), ui), AccessOutcome::Refused);
        EXPECT_EQ(ui.messages, (std::vector<RecordingUi::Message>{
                                   {"ACCESS DENIED", "Action Not Allowed for this Database!"}}));
        EXPECT_EQ(ui.passwordPrompts, 0);
    }
}

TEST(AccessCheck, PasswordIsAskedUntilRightOrCancelled)
{
    RecordingUi ui;
    ui.typePassword("secret").typePassword("Secret ").typePassword("Secret");
    EXPECT_EQ(checkReadAccess(withAccess(1), ui), AccessOutcome::Allowed);
    EXPECT_EQ(ui.passwordPrompts, 3);
    EXPECT_EQ(ui.messages,
              (std::vector<RecordingUi::Message>{{"ACCESS DENIED", "Password Incorrect!"},
                                                 {"ACCESS DENIED", "Password Incorrect!"}}));

    RecordingUi cancelled;
    cancelled.typePassword("a").typePassword("b").typePassword("c").cancelPassword();
    EXPECT_EQ(checkReadAccess(withAccess(1), cancelled), AccessOutcome::PasswordNotEntered);
    EXPECT_EQ(cancelled.passwordPrompts, 4);
    EXPECT_EQ(cancelled.messages.size(), 3u);

    RecordingUi closed;
    closed.closePassword();
    EXPECT_EQ(checkReadAccess(withAccess(1), closed), AccessOutcome::Refused);
}

TEST(AccessCheck, FullLengthPasswordWithoutTerminator)
{
    // A password field of 20 bytes with no NUL compares as its 20 bytes.
    pdb::MasterRecord m = withAccess(1);
    m.password.fill('p');
    RecordingUi ui;
    ui.typePassword(std::string(19, 'p')).typePassword(std::string(20, 'p'));
    EXPECT_EQ(checkReadAccess(m, ui), AccessOutcome::Allowed);
    EXPECT_EQ(ui.passwordPrompts, 2);
}
