// Database to CSV through files, with the texts a person sees.
#include "dorvane/convert/databasetocsv.h"
#include "dorvane/convert/outputstring.h"
#include "dorvane/pdb/bytes.h"
#include "dorvane/pdb/databasebuilder.h"

#include "tests/dorvane/recordingui.h"
#include "tests/dorvane/tempfolder.h"

#include <gtest/gtest.h>

using convert::ConversionSettings;
using convert::databaseToCsv;
using testsupport::readFile;
using testsupport::RecordingUi;
using testsupport::TempFolder;
using testsupport::writeFile;

namespace {

// Name (text), Colour (popup), Count (integer), shown in the order Count, Name, Colour,
// with an unused slot shown first.
pdb::DatabaseBuilder sampleBuilder()
{
    pdb::DatabaseBuilder b("Sample");
    b.setField(1, pdb::FieldType::Text, "Name");
    b.setField(2, pdb::FieldType::Popup, "Colour");
    b.setField(4, pdb::FieldType::Integer, "Count");
    b.setPopupItems(2, {"Red", "Green"});
    std::array<std::uint8_t, 30> order{};
    order[0] = 0; // unused
    order[1] = 4;
    order[2] = 1;
    order[3] = 2;
    for (std::uint8_t p = 4, slot = 3; p < 30; ++p, ++slot) {
        if (slot == 4)
            ++slot;
        order[p] = slot;
    }
    b.setDisplayOrder(order);
    b.addRecordFromTexts({"3", "Smith, John", "green"});
    b.addRecordFromTexts({"-1", "say \"hi\"", "No Value"});
    b.addRecordFromTexts({"", "two\nlines", "red"});
    return b;
}

class DatabaseToCsv : public ::testing::Test
{
protected:
    std::filesystem::path writeDatabase(const pdb::DatabaseBuilder &builder,
                                        const std::string &name = "in.pdb")
    {
        const auto path = mFolder / name;
        EXPECT_TRUE(builder.write(path).ok());
        return path;
    }
    std::string convert(const std::filesystem::path &in, ConversionSettings settings = {})
    {
        const auto out = mFolder / "out.csv";
        mResult = databaseToCsv(in, out, settings, mUi);
        return std::filesystem::exists(out) ? readFile(out) : std::string("<no file>");
    }

    TempFolder mFolder;
    RecordingUi mUi;
    convert::ConversionResult mResult;
};

} // namespace

TEST_F(DatabaseToCsv, FieldsInDisplayOrderSkippingUnusedOnes)
{
    const auto in = writeDatabase(sampleBuilder());
    EXPECT_EQ(convert(in), "Count,Name,Colour\r\n"
                           "3,\"Smith, John\",Green\r\n"
                           "-1,\"say \"\"hi\"\"\",No Value\r\n"
                           "0,\"two\r\nlines\",Red\r\n");
    EXPECT_TRUE(mResult.ok);
    EXPECT_EQ(mResult.records, 3u);
    EXPECT_TRUE(mUi.messages.empty());
}

TEST_F(DatabaseToCsv, SettingsChangeTheDialect)
{
    const auto in = writeDatabase(sampleBuilder());
    ConversionSettings s;
    s.separator = ';';
    s.useQuotes = true;
    s.fieldNames = false;
    EXPECT_EQ(convert(in, s), "\"3\";\"Smith, John\";\"Green\"\r\n"
                              "\"-1\";\"say \"\"hi\"\"\";\"No Value\"\r\n"
                              "\"0\";\"two\r\nlines\";\"Red\"\r\n");
    s.useQuotes = false;
    EXPECT_EQ(convert(in, s).substr(0, 15), "3;Smith, John;G");
}

TEST_F(DatabaseToCsv, StatusTextsAndRepaints)
{
    const auto in = writeDatabase(sampleBuilder());
    convert(in);
    const std::vector<std::string> firstRecord = {
        "Reading Record: 1:",   "Reading Record: 1:OK!", "Writing Record: 31:",
        "Writing Record: 31:.", "Writing Record: 31:..", "Writing Record: 31:..."};
    ASSERT_GE(mUi.statuses.size(), firstRecord.size());
    EXPECT_EQ(std::vector<std::string>(mUi.statuses.begin(), mUi.statuses.begin() + 6),
              firstRecord);
    EXPECT_EQ(mUi.lastStatus(), "Writing Record: 33:...");
    EXPECT_EQ(mUi.repaints, 3 * 4); // after each record is read and after each value
}

TEST_F(DatabaseToCsv, NoDataRecords)
{
    pdb::DatabaseBuilder b;
    b.setField(0, pdb::FieldType::Text, "Only");
    const auto in = writeDatabase(b);
    EXPECT_EQ(convert(in), "Only\r\n");
    ConversionSettings s;
    s.fieldNames = false;
    EXPECT_EQ(convert(in, s), "");
    EXPECT_TRUE(mResult.ok);
}

TEST_F(DatabaseToCsv, FilesThatAreNotDatabases)
{
    EXPECT_EQ(convert(mFolder / "missing.pdb"), "<no file>");
    EXPECT_EQ(mUi.messages,
              (std::vector<RecordingUi::Message>{
                  {"ERROR!", "ERROR: Cannot Open File: " + (mFolder / "missing.pdb").string()
                                 + " for reading\n"}}));
    EXPECT_FALSE(mResult.ok);

    std::string other = sampleBuilder().bytes();
    other.replace(64, 4, "ABCD");
    writeFile(mFolder / "other.pdb", other);
    mUi.messages.clear();
    EXPECT_EQ(convert(mFolder / "other.pdb"), "<no file>");
    EXPECT_EQ(mUi.messageTexts(),
              std::vector<std::string>{"ERROR: Reading header!\nMake sure you are converting a "
                                       "Quirra data file!\n\n"});

    std::string noDescriptor = sampleBuilder().bytes().substr(0, 78 + 8);
    noDescriptor[78] = '\x70';
    writeFile(mFolder / "nodesc.pdb", noDescriptor);
    mUi.messages.clear();
    EXPECT_EQ(convert(mFolder / "nodesc.pdb"), "<no file>");
    EXPECT_EQ(mUi.messageTexts(), std::vector<std::string>{"ERROR: Reading MasterRecord\n\n"});
}

TEST_F(DatabaseToCsv, PasswordBeforeTheFileIsCreated)
{
    pdb::DatabaseBuilder b = sampleBuilder();
    b.descriptor().setPassword("Open Sesame");
    b.descriptor().setAccessSlot(0, 1);
    const auto in = writeDatabase(b);

    mUi.typePassword("x").typePassword("y").typePassword("open sesame").cancelPassword();
    EXPECT_EQ(convert(in), "<no file>");
    EXPECT_FALSE(mResult.ok);
    EXPECT_EQ(mUi.passwordPrompts, 4);
    EXPECT_EQ(mUi.messageTexts(), std::vector<std::string>(3, "Password Incorrect!"));
    EXPECT_EQ(mUi.lastStatus(), "Conversion Cancelled: Password not Entered");

    mUi.closePassword();
    EXPECT_EQ(convert(in), "<no file>");
    EXPECT_EQ(mUi.lastStatus(), "Conversion Cancelled.");

    mUi.typePassword("Open Sesame");
    EXPECT_EQ(convert(in).substr(0, 17), "Count,Name,Colour");
    EXPECT_TRUE(mResult.ok);
}

TEST_F(DatabaseToCsv, NotAllowed)
{
    pdb::DatabaseBuilder b = sampleBuilder();
    b.descriptor().setAccessSlot(0, 3);
    EXPECT_EQ(convert(writeDatabase(b)), "<no file>");
    EXPECT_EQ(mUi.messages, (std::vector<RecordingUi::Message>{
                                {"ACCESS DENIED", "Action Not Allowed for this Database!"}}));
    EXPECT_EQ(mUi.lastStatus(), "Conversion Cancelled.");
}

TEST_F(DatabaseToCsv, UnreadableRecordsFailWithoutTouchingTheOldFile)
{
    std::string bytes = sampleBuilder().bytes();
    // record 32 (the second data record) claims to start beyond the end of the file
    std::string far;
    pdb::appendBigEndian32(far, 0x00FFFFFF);
    bytes.replace(78 + 8 * 32, 4, far);
    writeFile(mFolder / "broken.pdb", bytes);
    writeFile(mFolder / "out.csv", "old contents");
    EXPECT_EQ(convert(mFolder / "broken.pdb"), "old contents");
    EXPECT_FALSE(mResult.ok);
    // record 31 now runs into what follows it: unreadable as well; record 33 reads
    EXPECT_EQ(mUi.messageTexts(), (std::vector<std::string>{"ERROR:Reading Record: 31\n",
                                                            "ERROR:Reading Record: 32\n"}));
    EXPECT_EQ(mUi.statuses.back(), "Writing Record: 33:...");
    // no temporary file is left beside it
    int files = 0;
    for ([[maybe_unused]] const auto &e : std::filesystem::directory_iterator(mFolder.path()))
        ++files;
    EXPECT_EQ(files, 2);
}

TEST_F(DatabaseToCsv, OutputThatCannotBeCreated)
{
    const auto in = writeDatabase(sampleBuilder());
    const auto out = mFolder / "no such folder" / "out.csv";
    EXPECT_FALSE(databaseToCsv(in, out, {}, mUi).ok);
    EXPECT_EQ(mUi.messageTexts(),
              std::vector<std::string>{"ERROR: Opening " + out.string() + " for writing!\n\n"});
}

TEST_F(DatabaseToCsv, Utf8Output)
{
    pdb::DatabaseBuilder b;
    b.setField(0, pdb::FieldType::Text, "Pr\xE9nom");
    b.addRecordFromTexts({"Ren\xE9"
                          "e \x80"});
    const auto in = writeDatabase(b);
    ConversionSettings s;
    s.csvEncoding = convert::CsvEncoding::Utf8;
    EXPECT_EQ(convert(in, s), "Pr\xC3\xA9nom\r\nRen\xC3\xA9"
                              "e \xE2\x82\xAC\r\n");
    s.csvEncoding = convert::CsvEncoding::Windows1252;
    EXPECT_EQ(convert(in, s), "Pr\xE9nom\r\nRen\xE9"
                              "e \x80\r\n");
}

TEST_F(DatabaseToCsv, DatesTimesAndFormats)
{
    pdb::DatabaseBuilder b;
    b.setField(0, pdb::FieldType::Date, "Day");
    b.setField(1, pdb::FieldType::Time, "At");
    b.setField(2, pdb::FieldType::CheckBox, "Done");
    b.addRecordFromTexts({"12/25/1997", "2:51 pm", "0"});
    b.addRecordFromTexts({"", "No Time", ""});
    const auto in = writeDatabase(b);
    ConversionSettings s;
    s.fieldNames = false;
    EXPECT_EQ(convert(in, s), "12/25/1997,02:51 pm,0\r\nNO DATE,No Time,1\r\n");
    s.dateFormat = 5;
    s.timeFormat = 3;
    EXPECT_EQ(convert(in, s), "1997.12.25,14.51,0\r\nNO DATE,No Time,1\r\n");
}

TEST_F(DatabaseToCsv, InMemory)
{
    pdb::Database db = pdb::Database::fromBytes(sampleBuilder().bytes());
    convert::OutputString out;
    const auto result = databaseToCsv(db, out, "memory", {}, mUi);
    EXPECT_TRUE(result.ok);
    EXPECT_TRUE(out.committed());
    EXPECT_EQ(out.bytes().substr(0, 19), "Count,Name,Colour\r\n");
}
