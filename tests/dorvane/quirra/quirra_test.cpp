// The quirra command line: options, exit statuses, messages and the dump.
#include "dorvane/quirra/quirracli.h"

#include "dorvane/pdb/databasebuilder.h"

#include "tests/dorvane/tempfolder.h"

#include <gtest/gtest.h>

// std
#include <numeric>
#include <sstream>

using testsupport::readFile;
using testsupport::TempFolder;
using testsupport::writeFile;

namespace {

class Quirra : public ::testing::Test
{
protected:
    int run(std::vector<std::string> args)
    {
        std::ostringstream out;
        std::ostringstream err;
        const int status = quirra::run(args, out, err);
        mOut = out.str();
        mErr = err.str();
        return status;
    }
    std::string path(const std::string &name) const { return (mFolder / name).string(); }

    TempFolder mFolder;
    std::string mOut;
    std::string mErr;
};

} // namespace

TEST_F(Quirra, UsageErrors)
{
    EXPECT_EQ(run({}), 2);
    EXPECT_NE(mErr.find("Usage:"), std::string::npos);
    EXPECT_EQ(run({"convert", "a", "b"}), 2);
    EXPECT_EQ(mErr, "quirra: unknown command: convert\nTry 'quirra --help'.\n");
    EXPECT_EQ(run({"tocsv", "a.pdb"}), 2);
    EXPECT_EQ(mErr, "quirra: tocsv needs two files, got 1\nTry 'quirra --help'.\n");
    EXPECT_EQ(run({"dump", "a.pdb", "b"}), 2);
    EXPECT_EQ(run({"tocsv", "a", "b", "--bogus"}), 2);
    EXPECT_EQ(run({"topdb", "a", "b", "--quotes"}), 2) << "an option of the other command";
    EXPECT_EQ(mErr, "quirra: unknown option for topdb: --quotes\nTry 'quirra --help'.\n");
    EXPECT_EQ(run({"tocsv", "a", "b", "--date-format", "7"}), 2);
    EXPECT_EQ(mErr, "quirra: --date-format must be a number from 0 to 6\nTry 'quirra --help'.\n");
    EXPECT_EQ(run({"tocsv", "a", "b", "--time-format=x"}), 2);
    EXPECT_EQ(run({"tocsv", "a", "b", "--separator", ";;"}), 2);
    EXPECT_EQ(run({"tocsv", "a", "b", "--separator", "\""}), 2);
    EXPECT_EQ(run({"tocsv", "a", "b", "--encoding", "latin1"}), 2);
    EXPECT_EQ(run({"tocsv", "a", "b", "--password"}), 2);
    EXPECT_EQ(mErr, "quirra: option --password needs a value\nTry 'quirra --help'.\n");
    EXPECT_EQ(run({"tocsv", "a", "b", "--quotes=yes"}), 2);
    EXPECT_EQ(run({"topdb", "a", "b", "--name", ""}), 2);
}

TEST_F(Quirra, HelpAndVersion)
{
    EXPECT_EQ(run({"--help"}), 0);
    EXPECT_NE(mOut.find("quirra topdb IN.csv OUT.pdb"), std::string::npos);
    EXPECT_EQ(run({"--version"}), 0);
    EXPECT_TRUE(mOut.starts_with("quirra "));
}

TEST_F(Quirra, BothWaysWithOptions)
{
    writeFile(path("in.csv"), "Name;When;Notes\r\nSmith;25.12.1997;\"a;b\"\r\n");
    ASSERT_EQ(run({"topdb", path("in.csv"), path("out.pdb"), "--separator", ";", "--date-format",
                   "2", "--name", "Stock"}),
              0)
        << mErr;
    EXPECT_EQ(mErr, "");
    ASSERT_EQ(run({"tocsv", path("out.pdb"), path("back.csv"), "--separator=;"}), 0) << mErr;
    EXPECT_EQ(readFile(path("back.csv")), "Name;When;Notes\r\nSmith;25.12.1997;\"a;b\"\r\n");

    ASSERT_EQ(run({"tocsv", path("out.pdb"), path("back.csv"), "--quotes", "--no-field-names"}), 0);
    EXPECT_EQ(readFile(path("back.csv")), "\"Smith\",\"25.12.1997\",\"a;b\"\r\n");

    ASSERT_EQ(run({"tocsv", path("out.pdb"), path("tab.csv"), "--separator", "tab"}), 0);
    EXPECT_EQ(readFile(path("tab.csv")), "Name\tWhen\tNotes\r\nSmith\t25.12.1997\ta;b\r\n");

    // the first line as data
    ASSERT_EQ(
        run({"topdb", path("in.csv"), path("nonames.pdb"), "--separator", ";", "--no-field-names"}),
        0);
    ASSERT_EQ(run({"dump", path("nonames.pdb")}), 0);
    EXPECT_NE(mOut.find("Record 2\n  Field 1: Smith\n"), std::string::npos) << mOut;
}

TEST_F(Quirra, ExistingLayoutAndDates)
{
    pdb::DatabaseBuilder layout("Layout");
    layout.setField(0, pdb::FieldType::Text, "Item");
    layout.setField(1, pdb::FieldType::Date, "Due");
    layout.setField(2, pdb::FieldType::Popup, "Size");
    layout.setPopupItems(2, {"Small", "Large"});
    ASSERT_TRUE(layout.write(path("layout.pdb")).ok());
    writeFile(path("in.csv"), "Item,Due,Size\r\nBolt,1997-12-25,large\r\nNut,,Huge\r\n");
    ASSERT_EQ(run({"topdb", path("in.csv"), path("out.pdb"), "--existing", path("layout.pdb"),
                   "--date-format", "6"}),
              0)
        << mErr;
    ASSERT_EQ(run({"tocsv", path("out.pdb"), path("back.csv"), "--date-format", "0"}), 0);
    EXPECT_EQ(readFile(path("back.csv")),
              "Item,Due,Size\r\nBolt,12/25/1997,Large\r\nNut,NO DATE,Huge\r\n");
}

TEST_F(Quirra, ExistingLayoutWithANegativeDisplayOrderEntryIsShownInSlotOrder)
{
    // The order 255, 2, 1, 3, ... holds an entry below 0: the new database shows its fields
    // in the order 0 to 29, not 0, 2, 1.
    pdb::DatabaseBuilder layout("Layout");
    layout.setField(0, pdb::FieldType::Text, "A");
    layout.setField(1, pdb::FieldType::Text, "B");
    layout.setField(2, pdb::FieldType::Text, "C");
    auto &order = layout.descriptor().displayOrder;
    std::iota(order.begin(), order.end(), 0);
    order[0] = 255;
    order[1] = 2;
    order[2] = 1;
    ASSERT_TRUE(layout.write(path("layout.pdb")).ok());
    writeFile(path("in.csv"), "A,B,C\r\nx,y,z\r\n");
    ASSERT_EQ(run({"topdb", path("in.csv"), path("out.pdb"), "--existing", path("layout.pdb")}), 0)
        << mErr;
    ASSERT_EQ(run({"tocsv", path("out.pdb"), path("back.csv")}), 0) << mErr;
    EXPECT_EQ(readFile(path("back.csv")), "A,B,C\r\nx,y,z\r\n");
}

TEST_F(Quirra, TextAfterTheThirtiethFieldIsToldAndTheConversionSucceeds)
{
    std::string line = "1";
    for (int i = 2; i <= 31; ++i)
        line += "," + std::to_string(i);
    writeFile(path("wide.csv"), line + "\r\n" + line + "\r\n");
    EXPECT_EQ(run({"topdb", path("wide.csv"), path("wide.pdb")}), 0);
    EXPECT_EQ(mErr, "quirra: 2 lines had text after their 30th field, which was left out\n");
}

TEST_F(Quirra, FailuresGoToStandardError)
{
    EXPECT_EQ(run({"tocsv", path("missing.pdb"), path("out.csv")}), 1);
    EXPECT_EQ(mErr, "ERROR: Cannot Open File: " + path("missing.pdb") + " for reading\n");
    EXPECT_EQ(run({"topdb", path("missing.csv"), path("out.pdb")}), 1);
    EXPECT_EQ(mErr, "ERROR:Opening File: " + path("missing.csv") + " for Reading\n");
    writeFile(path("junk.pdb"), "not a database");
    EXPECT_EQ(run({"dump", path("junk.pdb")}), 1);
    EXPECT_EQ(mErr, "ERROR: Reading header!\nMake sure you are converting a Quirra data file!\n");
    EXPECT_FALSE(std::filesystem::exists(path("out.csv")));
}

TEST_F(Quirra, PasswordAndAccess)
{
    pdb::DatabaseBuilder b("Locked");
    b.setField(0, pdb::FieldType::Text, "Secret");
    b.addRecordFromTexts({"treasure"});
    b.descriptor().setPassword("K\xE9y"); // Windows-1252
    b.descriptor().setAccessSlot(0, 1);
    ASSERT_TRUE(b.write(path("locked.pdb")).ok());

    EXPECT_EQ(run({"tocsv", path("locked.pdb"), path("out.csv")}), 1);
    EXPECT_EQ(mErr, "Conversion Cancelled: Password not Entered\nquirra: " + path("locked.pdb")
                        + " asks for a password; give it with --password\n");
    EXPECT_EQ(run({"tocsv", path("locked.pdb"), path("out.csv"), "--password", "key"}), 1);
    EXPECT_EQ(mErr, "Password Incorrect!\nConversion Cancelled: Password not Entered\n");
    EXPECT_FALSE(std::filesystem::exists(path("out.csv")));
    EXPECT_EQ(run({"tocsv", path("locked.pdb"), path("out.csv"), "--password", "K\xC3\xA9y"}), 0)
        << mErr;
    EXPECT_EQ(readFile(path("out.csv")), "Secret\r\ntreasure\r\n");

    EXPECT_EQ(run({"dump", path("locked.pdb")}), 1);
    EXPECT_NE(mOut.find("reading allowed with the password; password set"), std::string::npos);
    EXPECT_EQ(mOut.find("treasure"), std::string::npos);
    EXPECT_EQ(run({"dump", path("locked.pdb"), "--password=K\xC3\xA9y"}), 0);
    EXPECT_NE(mOut.find("treasure"), std::string::npos);

    // a character Windows-1252 cannot hold does not match a stored "?"
    b.descriptor().setPassword("K?y");
    ASSERT_TRUE(b.write(path("question.pdb")).ok());
    EXPECT_EQ(run({"tocsv", path("question.pdb"), path("q.csv"), "--password", "K\xE2\x98\x95y"}),
              1);
    EXPECT_EQ(run({"tocsv", path("question.pdb"), path("q.csv"), "--password", "K?y"}), 0);

    b.descriptor().setAccessSlot(0, 2);
    ASSERT_TRUE(b.write(path("closed.pdb")).ok());
    EXPECT_EQ(run({"tocsv", path("closed.pdb"), path("out2.csv"), "--password", "K\xC3\xA9y"}), 1);
    EXPECT_EQ(mErr, "Action Not Allowed for this Database!\nConversion Cancelled.\n");
}

TEST_F(Quirra, DumpForAPerson)
{
    pdb::DatabaseBuilder b("Parts");
    b.setField(0, pdb::FieldType::Text, "Part");
    b.setField(1, pdb::FieldType::Popup, "Colour", false);
    b.setField(2, pdb::FieldType::Time, "At");
    b.setPopupItems(1, {"Red", "Gr\xFCn"});
    b.addRecordFromTexts({"P1\nline", "gr\xDCn", "14:05"}, {0, 1});
    ASSERT_TRUE(b.write(path("parts.pdb")).ok());
    ASSERT_EQ(run({"dump", path("parts.pdb"), "--time-format", "1"}), 0) << mErr;
    EXPECT_EQ(mOut, "Database \"Parts\"\n"
                    "  attributes 8, version 0\n"
                    "  created 893970430, modified 893970435, backed up 0, modification number 86\n"
                    "  application info at 336, sort info at 0\n"
                    "  type \"Qzrv\", creator \"Qzrv\", unique ID seed 0, next record list 0\n"
                    "  records 32 (1 data record)\n"
                    "Descriptor version 2, next unique number 1, record tag off\n"
                    "Access word 0x0000: reading allowed; password none\n"
                    "Fields in display order:\n"
                    "  pos slot type                         max shown width name\n"
                    "    0    0 text (1)                       40   yes    58 Part\n"
                    "    1    1 popup (4)                      40    no    58 Colour\n"
                    "    2    2 time (9)                       40   yes    58 At\n"
                    "Popup lists:\n"
                    "  slot 1 Colour: Red | Gr\xC3\xBCn\n"
                    "Data records:\n"
                    "Record 1\n"
                    "  Part: P1\\nline\n"
                    "  Colour: Gr\xC3\xBCn\n"
                    "  At: 14:05\n");
}
