#include "formfixture.h"

#include "dorvane/pdb/database.h"
#include "dorvane/pdb/databasebuilder.h"

// Qt
#include <QFile>

#include <gtest/gtest.h>

namespace {

using dorvane::TMainForm;
using Field = TMainForm::Field;
using prompt::Answer;
using testsupport::FormFixture;

std::filesystem::path fsPath(const QString &path)
{
    return std::filesystem::path(QFile::encodeName(path).toStdString());
}

// Three fields shown in the order Name, Qty, Note, the note's column hidden.
pdb::DatabaseBuilder stockBuilder()
{
    pdb::DatabaseBuilder b("Stock");
    b.setField(0, pdb::FieldType::Text, "Name").columnWidth = 40;
    b.setField(1, pdb::FieldType::Note, "Note", false);
    b.setField(2, pdb::FieldType::Integer, "Qty").columnWidth = 25;
    std::array<std::uint8_t, pdb::kFieldCount> order{};
    for (int i = 0; i < pdb::kFieldCount; ++i)
        order[size_t(i)] = std::uint8_t(i);
    order[1] = 2;
    order[2] = 1;
    b.setDisplayOrder(order);
    return b;
}

class Viewer : public ::testing::Test
{
protected:
    void SetUp() override { form().FormCreate({}); }
    TMainForm &form() { return f.form(); }
    QString write(const pdb::DatabaseBuilder &builder, const QString &name)
    {
        const QString path = f.path(name);
        EXPECT_TRUE(builder.write(fsPath(path)).ok());
        return path;
    }
    QString cell(int row, int column) { return form().grid().cell(row, column); }

    FormFixture f;
};

TEST_F(Viewer, FieldsInDisplayOrderWithHiddenColumnsStillFilled)
{
    pdb::DatabaseBuilder b = stockBuilder();
    b.addRecordFromTexts({"Desk", "4", "Oak,\nwith drawers"});
    b.addRecordFromTexts({"Chair", "-2", ""});
    form().setText(Field::PDBNameField, write(b, QStringLiteral("Stock.pdb")));
    EXPECT_TRUE(form().ViewPDBButtonClick());
    const dorvane::StringGridModel &grid = form().grid();
    EXPECT_EQ(grid.columnCount(), 30);
    EXPECT_EQ(grid.rowCount(), 2);
    EXPECT_EQ(grid.header(0), QStringLiteral("Name"));
    EXPECT_EQ(grid.header(1), QStringLiteral("Qty"));
    EXPECT_EQ(grid.header(2), QStringLiteral("Note"));
    EXPECT_EQ(grid.header(3), QStringLiteral("Field 4"));
    EXPECT_EQ(grid.columnWidth(0), 80);
    EXPECT_EQ(grid.columnWidth(1), 50);
    EXPECT_EQ(grid.columnWidth(2), 0); // not shown
    EXPECT_EQ(grid.columnWidth(3), 0); // not defined
    EXPECT_EQ(cell(0, 0), QStringLiteral("Desk"));
    EXPECT_EQ(cell(0, 1), QStringLiteral("4"));
    EXPECT_EQ(cell(0, 2), QStringLiteral("Oak,\nwith drawers"));
    EXPECT_EQ(cell(1, 1), QStringLiteral("-2"));
    // In the grid a note stays on one line.
    EXPECT_EQ(grid.data(grid.index(0, 2), Qt::DisplayRole).toString(),
              QStringLiteral("Oak, \u00b6 with drawers"));
    EXPECT_EQ(f.statuses, QStringList({QStringLiteral("Please Wait- Clearing Grid..."),
                                       QStringLiteral("Please Wait- Reading File..."),
                                       QStringLiteral("File Read OK!")}));
    EXPECT_TRUE(f.prompter.prompts().isEmpty());
}

TEST_F(Viewer, AtMost19999RowsAndNoneForAFileWithoutData)
{
    pdb::DatabaseBuilder big("Big");
    big.setField(0, pdb::FieldType::Integer, "N");
    for (int i = 1; i <= 25000; ++i)
        big.addRecordFromTexts({std::to_string(i)});
    form().setText(Field::PDBNameField, write(big, QStringLiteral("Big.pdb")));
    EXPECT_TRUE(form().ViewPDBButtonClick());
    EXPECT_EQ(form().grid().rowCount(), 19999);
    EXPECT_EQ(cell(19998, 0), QStringLiteral("19999"));

    pdb::DatabaseBuilder empty("Empty");
    empty.setField(0, pdb::FieldType::Text, "Only");
    form().setText(Field::PDBNameField, write(empty, QStringLiteral("Empty.pdb")));
    EXPECT_TRUE(form().ViewPDBButtonClick());
    EXPECT_EQ(form().grid().rowCount(), 0);
    EXPECT_EQ(form().grid().header(0), QStringLiteral("Only"));
}

TEST_F(Viewer, DatesAndTimesInTheCurrentFormats)
{
    pdb::DatabaseBuilder b("Dates");
    b.setField(0, pdb::FieldType::Date, "Day");
    b.setField(1, pdb::FieldType::Time, "At");
    b.addRecordFromTexts({"12/25/1997", "2:51 pm"});
    form().setText(Field::PDBNameField, write(b, QStringLiteral("Dates.pdb")));
    form().setSelection(Field::DateFormat, 6);
    form().setSelection(Field::TimeFormat, 1);
    EXPECT_TRUE(form().ViewPDBButtonClick());
    EXPECT_EQ(cell(0, 0), QStringLiteral("1997-12-25"));
    EXPECT_EQ(cell(0, 1), QStringLiteral("14:51"));
}

TEST_F(Viewer, FileChecks)
{
    // No file: the box offers the open dialog until a file exists or Cancel.
    f.prompter.answer(Answer::Ok).cancelFile();
    EXPECT_FALSE(form().ViewPDBButtonClick());
    EXPECT_EQ(f.prompter.prompts().size(), 2);
    EXPECT_TRUE(f.statuses.isEmpty());
    f.prompter.clear();
    f.prompter.answer(Answer::Cancel);
    EXPECT_FALSE(form().ViewPDBButtonClick());
    EXPECT_EQ(f.prompter.prompts()[0].text,
              QStringLiteral("You need to specify a valid Quirra Database (.PDB) file to view!"));
    EXPECT_EQ(f.statuses.last(), QStringLiteral("Cancelled Opening file"));

    // Another application's database, and a file too short for a descriptor.
    f.prompter.clear();
    form().setText(Field::PDBNameField,
                   f.writeFile(QStringLiteral("memo.pdb"),
                               QByteArray(60, 'M') + "DATAmemo" + QByteArray(10, '\0')));
    EXPECT_FALSE(form().ViewPDBButtonClick());
    ASSERT_EQ(f.prompter.prompts().size(), 1);
    EXPECT_EQ(f.prompter.prompts()[0].text,
              QStringLiteral("Error reading Header information of Database(.PDB) file.\nMake sure "
                             "you are reading a Quirra database file!"));
    EXPECT_EQ(f.prompter.prompts()[0].caption, QStringLiteral("ERROR"));
    f.prompter.clear();
    QByteArray header(78, '\0');
    header.replace(60, 8, "QzrvQzrv");
    form().setText(Field::PDBNameField, f.writeFile(QStringLiteral("bare.pdb"), header));
    EXPECT_FALSE(form().ViewPDBButtonClick());
    EXPECT_EQ(f.prompter.messageTexts(),
              QStringList(QStringLiteral("Error reading Record information of Database(.PDB) "
                                         "file.\nMake sure you are reading a Quirra database "
                                         "file!")));
}

TEST_F(Viewer, PasswordAndAccess)
{
    pdb::DatabaseBuilder b = stockBuilder();
    b.addRecordFromTexts({"Desk", "4", ""});
    b.descriptor().setPassword("Secret");
    b.descriptor().setAccessSlot(0, 1);
    form().setText(Field::PDBNameField, write(b, QStringLiteral("Locked.pdb")));

    // Letter case counts; the dialog comes back after each wrong password.
    f.dialogs.password(QStringLiteral("secret")).password(QStringLiteral("Secret"));
    EXPECT_TRUE(form().ViewPDBButtonClick());
    EXPECT_EQ(f.prompter.messageTexts(), QStringList(QStringLiteral("Password Incorrect!")));
    EXPECT_EQ(f.prompter.prompts()[0].caption, QStringLiteral("ACCESS DENIED"));
    EXPECT_EQ(f.dialogs.passwordDialogs, 2);
    EXPECT_EQ(form().grid().rowCount(), 1);

    // Wrong, wrong, Cancel. A character the database cannot hold never matches.
    f.prompter.clear();
    f.dialogs.password(QStringLiteral("x"))
        .password(QStringLiteral("Secre\u0442"))
        .cancelPassword();
    EXPECT_FALSE(form().ViewPDBButtonClick());
    EXPECT_EQ(f.prompter.messageTexts().size(), 2);
    EXPECT_EQ(form().statusText(), QStringLiteral("Password Not Entered!"));

    // Escape or the window's close button refuses.
    f.dialogs.closePassword();
    EXPECT_FALSE(form().ViewPDBButtonClick());
    EXPECT_EQ(form().statusText(), QStringLiteral("View not Allowed for this Database!"));

    b.descriptor().setAccessSlot(0, 3);
    write(b, QStringLiteral("Locked.pdb"));
    f.prompter.clear();
    EXPECT_FALSE(form().ViewPDBButtonClick());
    EXPECT_EQ(f.prompter.messageTexts(),
              QStringList(QStringLiteral("Action Not Allowed for this Database!")));
    EXPECT_EQ(form().statusText(), QStringLiteral("View not Allowed for this Database!"));
}

TEST_F(Viewer, UnreadableRecordsTakeNoRowAndAreToldOnce)
{
    pdb::DatabaseBuilder b("Damaged");
    b.setField(0, pdb::FieldType::Text, "Name");
    for (const char *name : {"one", "two", "three", "four", "five"})
        b.addRecordFromTexts({name});
    std::string bytes = b.bytes();
    // Records 32 and 33 point beyond the end of the file.
    for (int record : {32, 33}) {
        const size_t entry = 78 + 8 * size_t(record);
        bytes[entry] = '\x7F';
    }
    form().setText(Field::PDBNameField,
                   f.writeFile(QStringLiteral("Damaged.pdb"),
                               QByteArray(bytes.data(), qsizetype(bytes.size()))));
    EXPECT_TRUE(form().ViewPDBButtonClick());
    EXPECT_EQ(f.prompter.messageTexts(), QStringList(QStringLiteral("ERROR:Reading Record: 31")));
    EXPECT_EQ(f.prompter.prompts()[0].caption, QStringLiteral("ERROR!"));
    EXPECT_EQ(form().grid().rowCount(), 5);
    EXPECT_FALSE(cell(0, 0).isEmpty());
    EXPECT_TRUE(cell(4, 0).isEmpty());
}

} // namespace
