// CSV to database through files: derived fields, fields from an existing database, popup
// lists, unique numbers, texts, and what is left on disk.
#include "dorvane/convert/csvtodatabase.h"
#include "dorvane/convert/databasetocsv.h"
#include "dorvane/convert/messages.h"
#include "dorvane/convert/outputstring.h"
#include "dorvane/pdb/databasebuilder.h"

#include "tests/dorvane/recordingui.h"
#include "tests/dorvane/tempfolder.h"

#include <gtest/gtest.h>

// POSIX
#include <unistd.h>

// std
#include <algorithm>
#include <numeric>

using convert::ConversionSettings;
using convert::csvToDatabase;
using testsupport::readFile;
using testsupport::RecordingUi;
using testsupport::TempFolder;
using testsupport::writeFile;

namespace {

class CsvToDatabase : public ::testing::Test
{
protected:
    // Converts the CSV text and reads the result back (descriptor read).
    pdb::Database convert(const std::string &csv, ConversionSettings settings = {},
                          const std::filesystem::path &existing = {})
    {
        writeFile(mFolder / "in.csv", csv);
        mResult = csvToDatabase(mFolder / "in.csv", mOut, existing, settings, mUi);
        pdb::Database db = pdb::Database::open(mOut);
        db.readDescriptor();
        return db;
    }
    std::filesystem::path writeDatabase(const pdb::DatabaseBuilder &builder,
                                        const std::string &name)
    {
        const auto path = mFolder / name;
        EXPECT_TRUE(builder.write(path).ok());
        return path;
    }
    static std::vector<std::string> texts(const pdb::Database &db, std::size_t dataRecord)
    {
        std::vector<std::string> used;
        const auto all = db.recordTexts(pdb::kFirstDataRecord + dataRecord, {});
        const auto fields = db.displayFields();
        for (std::size_t p = 0; all && p < fields.size(); ++p) {
            if (fields[p].type != 0)
                used.push_back((*all)[p]);
        }
        return used;
    }

    TempFolder mFolder;
    std::filesystem::path mOut = mFolder / "out.pdb";
    RecordingUi mUi;
    convert::ConversionResult mResult;
};

// A field-information database: Part (text), Colour (popup Red, Green), Id (unique), with
// an unused slot shown first and Colour shown before Part.
pdb::DatabaseBuilder layoutBuilder()
{
    pdb::DatabaseBuilder b("Layout");
    b.setField(1, pdb::FieldType::Text, "Part");
    b.setField(2, pdb::FieldType::Popup, "Colour");
    b.setField(3, pdb::FieldType::Unique, "Id");
    b.setPopupItems(2, {"Red", "Green"});
    b.setPopupRecord(5, std::string("kept\0as is\0\0\0\x7F", 15));
    std::array<std::uint8_t, 30> order{};
    std::iota(order.begin(), order.end(), 0);
    order[1] = 2; // shown: 0 (unused), 2 Colour, 1 Part, 3 Id
    order[2] = 1;
    b.setDisplayOrder(order);
    b.descriptor().nextUniqueNumber = 5;
    b.header().modificationNumber = 1234;
    b.header().creationDate = 42;
    b.header().setDefaults("A long layout name");
    b.header().creationDate = 42;
    return b;
}

} // namespace

TEST_F(CsvToDatabase, TextFieldsNamedFromTheFirstLine)
{
    const pdb::Database db = convert("Name,Notes\r\nSmith,\"a\r\nb\"\r\nJones,\r\n");
    ASSERT_TRUE(mResult.ok);
    EXPECT_EQ(mResult.records, 2u);
    EXPECT_EQ(db.header().databaseName(), "Default");
    EXPECT_EQ(db.dataRecordCount(), 2u);
    const pdb::MasterRecord &d = db.descriptor();
    EXPECT_EQ(d.fields[0].nameText(), "Name");
    EXPECT_EQ(d.fields[0].type, 1);
    EXPECT_EQ(d.fields[0].maxLength, 5 + 10);
    EXPECT_EQ(d.fields[1].nameText(), "Notes");
    EXPECT_EQ(d.fields[1].maxLength, 4 + 10); // "a\r\rb" as read
    EXPECT_EQ(d.fields[2].type, 0);
    EXPECT_EQ(d.usedFieldCount(), 2);
    EXPECT_EQ(texts(db, 0), (std::vector<std::string>{"Smith", "a\nb"}));
    EXPECT_EQ(texts(db, 1), (std::vector<std::string>{"Jones", ""}));
}

TEST_F(CsvToDatabase, WithoutFieldNamesTheFirstLineIsData)
{
    ConversionSettings s;
    s.fieldNames = false;
    s.databaseName = "Stock";
    const pdb::Database db = convert("a,b,c\nd\n", s);
    EXPECT_EQ(db.header().databaseName(), "Stock");
    EXPECT_EQ(db.dataRecordCount(), 2u);
    EXPECT_EQ(db.descriptor().fields[0].nameText(), "Field 1");
    EXPECT_EQ(db.descriptor().fields[2].nameText(), "Field 3");
    EXPECT_EQ(db.descriptor().fields[2].maxLength, 11);
    EXPECT_EQ(texts(db, 1), (std::vector<std::string>{"d", "", ""}));
}

TEST_F(CsvToDatabase, NamesOnlyGiveAnEmptyDatabaseOfDefaultTextFields)
{
    const pdb::Database db = convert("A very long field name indeed,B\r\n");
    ASSERT_TRUE(mResult.ok);
    EXPECT_EQ(db.recordCount(), 31u);
    EXPECT_EQ(db.descriptor().fields[0].nameText(), "A very long field n");
    EXPECT_EQ(db.descriptor().fields[0].maxLength, 40);
    EXPECT_EQ(db.descriptor().fields[1].type, 1);
}

TEST_F(CsvToDatabase, EmptyFileGivesAValidEmptyDatabase)
{
    const pdb::Database db = convert("");
    ASSERT_TRUE(mResult.ok);
    EXPECT_EQ(db.recordCount(), 31u);
    EXPECT_EQ(db.descriptor().usedFieldCount(), 0);
    EXPECT_EQ(readFile(mOut).size(), 78u + 8 * 31 + 2 + 40 + 2152 + 30 * 3);
}

TEST_F(CsvToDatabase, LongColumnsBecomeNotes)
{
    const std::string csv =
        "Short,Long\r\n" + std::string(244, 's') + "," + std::string(245, 'l') + "\r\n";
    const pdb::Database db = convert(csv);
    EXPECT_EQ(db.descriptor().fields[0].type, 1);
    EXPECT_EQ(db.descriptor().fields[0].maxLength, 254);
    EXPECT_EQ(db.descriptor().fields[0].longText, 0);
    EXPECT_EQ(db.descriptor().fields[1].type, 12);
    EXPECT_EQ(db.descriptor().fields[1].maxLength, 255);
    EXPECT_EQ(db.descriptor().fields[1].longText, 1);
    EXPECT_EQ(texts(db, 0)[1], std::string(245, 'l'));

    // a column longer than a 16-bit length holds gets the largest length, not a wrapped one
    const pdb::Database huge = convert("H\r\n" + std::string(70000, 'h') + "\r\n");
    EXPECT_EQ(huge.descriptor().fields[0].maxLength, 65535);
    EXPECT_EQ(texts(huge, 0)[0], std::string(1999, 'h'));
}

TEST_F(CsvToDatabase, LfAndCrLfGiveTheSameDatabase)
{
    convert("a,b\r\nc,d\r\ne,f\r\n");
    const std::string crlf = readFile(mOut);
    convert("a,b\nc,d\ne,f");
    EXPECT_EQ(readFile(mOut), crlf);
}

TEST_F(CsvToDatabase, StatusTexts)
{
    convert("N\r\nx\r\ny\r\n");
    EXPECT_EQ(mUi.statuses,
              (std::vector<std::string>{"Getting Fields Information...",
                                        "Writing Records Header...", "Writing Popups for fields...",
                                        "Reading CSV Line #0", "Writing PDB Record #0",
                                        "Reading CSV Line #1", "Writing PDB Record #1"}));
    EXPECT_EQ(mUi.repaints, 2);
    EXPECT_TRUE(mUi.messages.empty());
}

TEST_F(CsvToDatabase, FieldsPopupsAndHeaderFromAnExistingDatabase)
{
    const auto layout = writeDatabase(layoutBuilder(), "layout.pdb");
    ConversionSettings s;
    s.databaseName = "Spring";
    // columns: Colour, Part, Id (the used fields in display order)
    const pdb::Database db = convert(
        "Colour,Part,Id\r\ngreen,P1,7\r\nBlue,P2,3\r\nblue,P3,\r\nNo Value,P4,12\r\n", s, layout);
    ASSERT_TRUE(mResult.ok);
    EXPECT_EQ(db.popupLists()[2].items(), (std::vector<std::string>{"Red", "Green", "Blue"}));
    EXPECT_EQ(texts(db, 0), (std::vector<std::string>{"Green", "P1", "7"}));
    EXPECT_EQ(texts(db, 1), (std::vector<std::string>{"Blue", "P2", "3"}));
    EXPECT_EQ(texts(db, 2), (std::vector<std::string>{"Blue", "P3", "0"}));
    EXPECT_EQ(texts(db, 3), (std::vector<std::string>{"No Value", "P4", "12"}));
    EXPECT_EQ(db.descriptor().fields[1].nameText(), "Part");
    // other popup records are carried exactly
    EXPECT_EQ(*db.record(6), std::string("kept\0as is\0\0\0\x7F", 15));
    // the next unique number passes the largest one in the CSV
    EXPECT_EQ(db.descriptor().nextUniqueNumber, 13u);
    // header values stay, the name is the new one over the old name's bytes
    EXPECT_EQ(db.header().creationDate, 42u);
    EXPECT_EQ(db.header().databaseName(), "Spring");
    EXPECT_EQ(std::string(db.header().name.data() + 7, 11), "layout name");
}

TEST_F(CsvToDatabase, NextUniqueNumberOnlyGrows)
{
    pdb::DatabaseBuilder b = layoutBuilder();
    b.descriptor().nextUniqueNumber = 100;
    const auto layout = writeDatabase(b, "layout.pdb");
    EXPECT_EQ(convert("C,P,I\r\nred,a,7\r\n", {}, layout).descriptor().nextUniqueNumber, 100u);
    // compared unsigned: a stored number above 2^31 is not lowered
    b.descriptor().nextUniqueNumber = 0x80000005u;
    writeDatabase(b, "layout.pdb");
    EXPECT_EQ(convert("C,P,I\r\nred,a,2147483647\r\n", {}, layout).descriptor().nextUniqueNumber,
              0x80000005u);
    b.descriptor().nextUniqueNumber = 1;
    writeDatabase(b, "layout.pdb");
    EXPECT_EQ(convert("C,P,I\r\nred,a,2147483647\r\n", {}, layout).descriptor().nextUniqueNumber,
              0x80000000u);
}

TEST_F(CsvToDatabase, PopupListLimits)
{
    const auto layout = writeDatabase(layoutBuilder(), "layout.pdb");
    std::string csv = "C,P,I\r\n";
    for (int i = 0; i < 40; ++i)
        csv += "v" + std::to_string(i) + ",p,1\r\n";
    csv += std::string(100, 'L') + ",p,1\r\n";
    pdb::Database db = convert(csv, {}, layout);
    // grows while it has fewer than 29 items
    ASSERT_EQ(db.popupLists()[2].size(), 29u);
    EXPECT_EQ(db.popupLists()[2].items()[28], "v26");
    EXPECT_EQ(texts(db, 26)[0], "v26");
    EXPECT_EQ(texts(db, 27)[0], "No Value");

    // a long value is added as its first 79 characters, and found again by them
    db = convert("C,P,I\r\n" + std::string(100, 'L') + ",a,1\r\n" + std::string(100, 'l')
                     + ",b,1\r\n",
                 {}, layout);
    EXPECT_EQ(db.popupLists()[2].items(),
              (std::vector<std::string>{"Red", "Green", std::string(79, 'L')}));
    EXPECT_EQ(texts(db, 0)[0], std::string(79, 'L'));
    EXPECT_EQ(texts(db, 1)[0], std::string(79, 'L'));

    // a record with fewer fields than the column's number stops the growing; one with
    // just that many has an empty value there, which is skipped
    pdb::DatabaseBuilder third;
    third.setField(0, pdb::FieldType::Text, "A");
    third.setField(1, pdb::FieldType::Text, "B");
    third.setField(2, pdb::FieldType::Popup, "C");
    const auto thirdPath = writeDatabase(third, "third.pdb");
    db = convert("A,B,C\r\na,b,one\r\nx,y\r\nc,d,two\r\nx\r\ne,f,three\r\n", {}, thirdPath);
    EXPECT_EQ(db.popupLists()[2].items(), (std::vector<std::string>{"one", "two"}));
    EXPECT_EQ(texts(db, 4)[2], "No Value");
}

TEST_F(CsvToDatabase, PopupAndUniqueColumnsFollowTheDisplayOrder)
{
    // Colour (slot 2) is shown before Part (slot 1) and after an unused slot: its values
    // come from CSV column 0 for the list as for the records, and Id from column 2.
    const auto layout = writeDatabase(layoutBuilder(), "layout.pdb");
    const pdb::Database db = convert("C,P,I\r\nYellow,Red,9\r\n", {}, layout);
    EXPECT_EQ(db.popupLists()[2].items(), (std::vector<std::string>{"Red", "Green", "Yellow"}));
    EXPECT_EQ(texts(db, 0), (std::vector<std::string>{"Yellow", "Red", "9"}));
    EXPECT_EQ(db.descriptor().nextUniqueNumber, 10u);
}

TEST_F(CsvToDatabase, ExistingDatabaseThatCannotBeUsed)
{
    convert("a\r\nb\r\n", {}, mFolder / "missing.pdb");
    EXPECT_FALSE(mResult.ok);
    EXPECT_EQ(mUi.messages,
              (std::vector<RecordingUi::Message>{{"ERROR!", "ERROR:Setting up MasterRecord!\n"}}));
    EXPECT_FALSE(std::filesystem::exists(mOut));

    // another creator is accepted for the field information
    std::string other = layoutBuilder().bytes();
    other.replace(64, 4, "xxxx");
    writeFile(mFolder / "other.pdb", other);
    convert("C,P,I\r\nred,a,1\r\n", {}, mFolder / "other.pdb");
    EXPECT_TRUE(mResult.ok);
}

TEST_F(CsvToDatabase, CsvThatCannotBeRead)
{
    RecordingUi ui;
    const auto missing = mFolder / "missing.csv";
    EXPECT_FALSE(csvToDatabase(missing, mOut, {}, {}, ui).ok);
    EXPECT_EQ(ui.messages,
              (std::vector<RecordingUi::Message>{
                  {"ERROR!", "ERROR:Opening File: " + missing.string() + " for Reading\n\n"}}));
    EXPECT_FALSE(csvToDatabase(mFolder.path(), mOut, {}, {}, ui).ok) << "a folder";
}

TEST_F(CsvToDatabase, OutputThatCannotBeCreated)
{
    writeFile(mFolder / "in.csv", "a\r\n");
    const auto out = mFolder / "nowhere" / "out.pdb";
    EXPECT_FALSE(csvToDatabase(mFolder / "in.csv", out, {}, {}, mUi).ok);
    EXPECT_EQ(mUi.messageTexts(), std::vector<std::string>{"ERROR:Couldn't open " + out.string()
                                                           + " file for writing\n"});
}

TEST_F(CsvToDatabase, TooManyRecordsKeepTheOldFile)
{
    writeFile(mOut, "old database");
    std::string csv = "N\r\n";
    for (int i = 0; i < 65505; ++i)
        csv += "x\r\n";
    convert(csv);
    EXPECT_FALSE(mResult.ok);
    EXPECT_EQ(
        mUi.messageTexts(),
        std::vector<std::string>{"ERROR:Too many records for one database (at most 65504)!\n"});
    EXPECT_EQ(readFile(mOut), "old database");

    // 65504 fit
    csv.resize(csv.size() - 3);
    const pdb::Database db = convert(csv);
    EXPECT_TRUE(mResult.ok);
    EXPECT_EQ(db.recordCount(), 65535u);
    EXPECT_EQ(texts(db, 65503), std::vector<std::string>{"x"});
}

TEST_F(CsvToDatabase, NoWorkingFilesInTheCurrentFolder)
{
    const auto cwd = std::filesystem::current_path();
    std::filesystem::current_path(mFolder.path());
    writeFile(mFolder / "temp.099", "not ours");
    writeFile(mFolder / "temp.tmp", "not ours either");
    convert("a\r\nb\r\n");
    std::filesystem::current_path(cwd);
    EXPECT_TRUE(mResult.ok);
    std::vector<std::string> names;
    for (const auto &e : std::filesystem::directory_iterator(mFolder.path()))
        names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"in.csv", "out.pdb", "temp.099", "temp.tmp"}));
}

TEST_F(CsvToDatabase, Utf8TextIsConvertedAndReplacementsCounted)
{
    ConversionSettings s;
    s.csvEncoding = convert::CsvEncoding::Utf8;
    s.databaseName = "Caf\xC3\xA9 \xE2\x98\x95"; // café and a cup: the cup has no byte
    const pdb::Database db = convert("\xEF\xBB\xBFName\r\nRen\xC3\xA9"
                                     "e \xE2\x82\xAC \xF0\x9F\x98\x80\r\n",
                                     s);
    ASSERT_TRUE(mResult.ok);
    EXPECT_EQ(mResult.replacedCharacters, 1u);
    EXPECT_EQ(db.descriptor().fields[0].nameText(), "Name") << "the byte-order mark is dropped";
    EXPECT_EQ(texts(db, 0), std::vector<std::string>{"Ren\xE9"
                                                     "e \x80 ?"});
    EXPECT_EQ(db.header().databaseName(), "Caf\xE9 ?");

    // the same bytes read as Windows-1252 pass unchanged
    s.csvEncoding = convert::CsvEncoding::Windows1252;
    const pdb::Database raw = convert("Name\r\nRen\xC3\xA9"
                                      "e\r\n",
                                      s);
    EXPECT_EQ(mResult.replacedCharacters, 0u);
    EXPECT_EQ(texts(raw, 0), std::vector<std::string>{"Ren\xC3\xA9"
                                                      "e"});
}

TEST_F(CsvToDatabase, LinesWithTextAfterTheThirtiethFieldAreCountedAndConverted)
{
    std::string names = "F1";
    std::string line = "v1";
    for (int i = 2; i <= 32; ++i) {
        names += ",F" + std::to_string(i);
        line += ",v" + std::to_string(i);
    }
    const pdb::Database db = convert(names + "\r\n" + line + "\r\nshort\r\n" + line + "\r\n");
    ASSERT_TRUE(mResult.ok);
    EXPECT_EQ(mResult.records, 3u);
    EXPECT_EQ(mResult.linesCut, 3u) << "the name line counts too";
    EXPECT_EQ(texts(db, 0).size(), 30u);
    EXPECT_EQ(texts(db, 0).back(), "v30");
    EXPECT_EQ(convert::messages::linesCut(1),
              "1 line had text after its 30th field, which was left out");
    EXPECT_EQ(convert::messages::linesCut(3),
              "3 lines had text after their 30th field, which was left out");

    convert("a,b\r\nc,d\r\n");
    EXPECT_EQ(mResult.linesCut, 0u);
}

TEST_F(CsvToDatabase, RoundTripThroughCsv)
{
    // A database made from CSV gives the same CSV back.
    const std::string csv = "Name,Notes,Price\r\n"
                            "\"Smith, John\",\"two\r\nlines\",12.50\r\n"
                            "\"say \"\"hi\"\"\",,\r\n"
                            "plain,\xE9t\xE9,0\r\n";
    convert(csv);
    ASSERT_TRUE(mResult.ok);
    RecordingUi ui;
    ASSERT_TRUE(convert::databaseToCsv(mOut, mFolder / "back.csv", {}, ui).ok);
    EXPECT_EQ(readFile(mFolder / "back.csv"), csv);

    // and with the field layout of that database
    writeFile(mFolder / "in.csv", csv);
    ASSERT_TRUE(csvToDatabase(mFolder / "in.csv", mFolder / "again.pdb", mOut, {}, ui).ok);
    ASSERT_TRUE(convert::databaseToCsv(mFolder / "again.pdb", mFolder / "again.csv", {}, ui).ok);
    EXPECT_EQ(readFile(mFolder / "again.csv"), csv);
}

TEST_F(CsvToDatabase, InMemoryOutputMatchesTheFile)
{
    convert("a,b\r\n1,2\r\n");
    convert::OutputString out;
    RecordingUi ui;
    EXPECT_TRUE(csvToDatabase("a,b\r\n1,2\r\n", nullptr, out, "memory", {}, ui).ok);
    EXPECT_EQ(out.bytes(), readFile(mOut));
}
