#include "catalogue.h"

#include "tests/support/scriptedprompter.h"
#include "vendara/store/productcolumns.h"
#include "vendara/store/products.h"
#include "vendara/store/trace.h"

// Qt
#include <QFileInfo>
#include <QLocale>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

using namespace vendara;
using prompt::Answer;
using prompt::Buttons;
using prompt::Icon;
using testsupport::kS;
using testsupport::readBytes;
using testsupport::record;
using testsupport::writeBytes;

class ProductsTest : public ::testing::Test
{
protected:
    QString path(const QString &name = QStringLiteral("vadata.dat")) const
    {
        return QDir(mDir.path()).filePath(name);
    }
    // Loads `bytes` as the program does at start.
    Products::ReadResult load(const QByteArray &bytes)
    {
        writeBytes(path(), bytes);
        return mProducts.load(path());
    }
    QString text(int row, int column) const { return mTable.cell(row, column).toText(); }

    QTemporaryDir mDir;
    testsupport::ScriptedPrompter mPrompter;
    Table mTable;
    Products mProducts{mTable, &mPrompter};
};

TEST_F(ProductsTest, SortedFileSurvivesLoadAndSaveByteForByte)
{
    // Notes with an empty line and a line break just before the end of the field; includes
    // over two lines; a price point; a number price written in its shortest form.
    const QByteArray file = record({"A-100", "Widget", "12.5", "first line\r\n\r\nthird line\r\n",
                                    "Cable\r\nManual", "10", "11.00"})
                            + record({"b-200", "Gadget", "0.1", "", "", "5", "", "50", "8.75"})
                            + record({"C-300", "Caf\xE9 \x96 \x80 5", "1234567"});
    load(file);
    EXPECT_EQ(mProducts.Count(), 3);
    EXPECT_EQ(text(1, product::Notes), QStringLiteral("first line\r\n\r\nthird line\r\n"));
    EXPECT_EQ(text(1, product::Includes), QStringLiteral("Cable\r\nManual"));
    EXPECT_EQ(text(3, product::ProductName), QStringLiteral("Café – € 5"));
    EXPECT_TRUE(mTable.cell(1, product::Price).isNumber());
    ASSERT_TRUE(mProducts.WriteProds(path()).ok());
    EXPECT_EQ(readBytes(path()), file);
    EXPECT_TRUE(mPrompter.prompts().isEmpty());
}

TEST_F(ProductsTest, LoadSortsByPartNumberWithoutRegardToCaseAndSaveKeepsThatOrder)
{
    load(record({"b-2", "second"}) + record({"C-3", "third"}) + record({"a-1", "first"})
         + record({"B-2", "same key, later in the file"}));
    ASSERT_EQ(mProducts.Count(), 4);
    EXPECT_EQ(text(1, 1), QStringLiteral("a-1"));
    EXPECT_EQ(text(2, 1), QStringLiteral("b-2"));
    EXPECT_EQ(text(3, 1), QStringLiteral("B-2"));
    EXPECT_EQ(text(4, 1), QStringLiteral("C-3"));
    ASSERT_TRUE(mProducts.WriteProds(path()).ok());
    EXPECT_EQ(readBytes(path()), record({"a-1", "first"}) + record({"b-2", "second"})
                                     + record({"B-2", "same key, later in the file"})
                                     + record({"C-3", "third"}));
    EXPECT_EQ(mProducts.findPartNumber(QStringLiteral("c-3")), 4);
    EXPECT_EQ(mProducts.findPartNumber(QStringLiteral("b-2"), 3), 3);
    EXPECT_EQ(mProducts.findPartNumber(QStringLiteral("D-4")), 0);
}

TEST_F(ProductsTest, FieldsOfOlderAndUnusualRecords)
{
    load(record({"A-1", "Five fields", "3", "note", "inc"}, 5)
         + record({"B-2", "Currency price", "$1,234.50", "n"})
         + record({"C-3", "Word price", "call us", "still read", "inc", "7", "6.50"})
         + record({"D-4", "", "2", "notes of a nameless product", "its includes", "1", "2"})
         + record({"", "No part number", "4"}));
    ASSERT_EQ(mProducts.Count(), 5);
    // The row without a part number sorts first.
    EXPECT_EQ(text(1, product::ProductName), QStringLiteral("No part number"));
    EXPECT_EQ(text(2, product::Includes), QStringLiteral("inc"));
    for (int column = 6; column <= 15; ++column)
        EXPECT_TRUE(mTable.cell(2, column).isEmpty()) << column;
    EXPECT_TRUE(mTable.cell(3, product::Price).isNumber());
    EXPECT_FLOAT_EQ(mTable.cell(3, product::Price).number(), 1234.5f);
    EXPECT_TRUE(mTable.cell(4, product::Price).isEmpty());
    EXPECT_EQ(text(4, product::Notes), QStringLiteral("still read"));
    EXPECT_EQ(text(4, product::pricePointPrice(1)), QStringLiteral("6.50"));
    EXPECT_EQ(text(5, product::ProductName), QString());
    EXPECT_EQ(text(5, product::Notes), QStringLiteral("notes of a nameless product"));
    EXPECT_EQ(text(5, product::pricePointQuantity(1)), QStringLiteral("1"));

    ASSERT_TRUE(mProducts.WriteProds(path()).ok());
    EXPECT_EQ(
        readBytes(path()),
        record({"A-1", "Five fields", "3", "note", "inc"})
            + record({"B-2", "Currency price", "1234.5", "n"})
            + record({"C-3", "Word price", "", "still read", "inc", "7", "6.50"})
            + record({"D-4", "", "2", "notes of a nameless product", "its includes", "1", "2"}));
}

TEST_F(ProductsTest, EmptyCatalogues)
{
    const auto zero = load(QByteArray());
    EXPECT_EQ(zero.count, 0);
    EXPECT_EQ(zero.errorNumber, 0);
    EXPECT_EQ(mTable.rows(), 0);
    EXPECT_TRUE(mPrompter.prompts().isEmpty());
    ASSERT_TRUE(mProducts.WriteProds(path()).ok());
    EXPECT_EQ(readBytes(path()), QByteArray());

    // Blank lines at the end of a file are not a product.
    load(record({"A-1", "x"}) + "\r\n\r\n");
    EXPECT_EQ(mProducts.Count(), 1);
}

TEST_F(ProductsTest, ReadFailuresAreReportedAndTheProgramGoesOnEmpty)
{
    const auto missing = mProducts.load(path(QStringLiteral("nothing.dat")));
    EXPECT_EQ(missing.errorNumber, 53);
    EXPECT_EQ(mProducts.Count(), 0);
    ASSERT_EQ(mPrompter.prompts().size(), 1);
    const auto &box = mPrompter.prompts().constFirst();
    EXPECT_EQ(box.text, QStringLiteral("Error reading file #53"));
    EXPECT_EQ(box.caption, QStringLiteral("Error"));
    EXPECT_EQ(box.buttons, Buttons::Ok);
    // Saving then creates the file.
    ASSERT_TRUE(mProducts.WriteProds(path(QStringLiteral("nothing.dat"))).ok());
    EXPECT_EQ(readBytes(path(QStringLiteral("nothing.dat"))), QByteArray());

    mPrompter.clear();
    EXPECT_EQ(mProducts.load(path(QStringLiteral("no-folder/vadata.dat"))).errorNumber, 76);
    EXPECT_EQ(mProducts.load(mDir.path()).errorNumber, 75);
    EXPECT_EQ(mPrompter.messageTexts(), QStringList({QStringLiteral("Error reading file #76"),
                                                     QStringLiteral("Error reading file #75")}));
}

TEST_F(ProductsTest, AFileThatCouldNotBeReadIsReplacedAtCloseOnlyWhenTheUserSaysSo)
{
    ASSERT_TRUE(testsupport::makeUnopenableFile(path()));
    EXPECT_EQ(mProducts.load(path()).errorNumber, 75);
    mTable.setBounds(1, product::ColumnCount);
    mProducts.setCount(1);
    mTable.setCell(1, product::PartNumber, Cell(QStringLiteral("A-1")));
    mPrompter.clear();

    mPrompter.answer(Answer::No);
    EXPECT_TRUE(mProducts.save(path())); // closing goes on
    ASSERT_EQ(mPrompter.prompts().size(), 1);
    const auto &question = mPrompter.prompts().constFirst();
    EXPECT_EQ(question.text,
              QStringLiteral("The catalogue file %1 could not be read completely when the program "
                             "started.\n\nReplace it with the 1 product now shown? The products "
                             "in the file that could not be read will be lost.")
                  .arg(path()));
    EXPECT_EQ(question.caption, QStringLiteral("Error"));
    EXPECT_EQ(question.buttons, Buttons::YesNo);
    EXPECT_EQ(question.icon, Icon::Exclamation);
    EXPECT_FALSE(QFileInfo(path()).isFile()); // left as it was

    mPrompter.answer(Answer::Yes);
    EXPECT_TRUE(mProducts.save(path()));
    EXPECT_EQ(readBytes(path()), record({"A-1"}));

    // After a good read, and after a missing file, saving asks nothing.
    load(record({"A-1"}) + record({"B-2"}));
    mPrompter.clear();
    EXPECT_TRUE(mProducts.save(path()));
    mProducts.load(path(QStringLiteral("new.dat")));
    EXPECT_TRUE(mProducts.save(path(QStringLiteral("new.dat"))));
    EXPECT_EQ(mPrompter.messageTexts(), QStringList(QStringLiteral("Error reading file #53")));
    EXPECT_EQ(readBytes(path(QStringLiteral("new.dat"))), QByteArray());
}

TEST_F(ProductsTest, FileEndingInsideARecordIsReadAsFarAsItGoes)
{
    const auto read = load(record({"B-2", "whole"}) + "A-1" + kS + "Cut off" + kS + "9.5" + kS
                           + "line one\r\nline tw");
    EXPECT_EQ(read.count, 2);
    EXPECT_EQ(text(1, product::ProductName), QStringLiteral("Cut off"));
    EXPECT_FLOAT_EQ(mTable.cell(1, product::Price).number(), 9.5f);
    EXPECT_EQ(text(1, product::Notes), QStringLiteral("line one\r\nline tw"));
    ASSERT_TRUE(mProducts.WriteProds(path()).ok());
    EXPECT_EQ(readBytes(path()),
              record({"A-1", "Cut off", "9.5", "line one\r\nline tw"}) + record({"B-2", "whole"}));
}

TEST_F(ProductsTest, FilesWithOtherLineEndsLoad)
{
    QByteArray lf = record({"A-1", "Widget", "1", "two\r\nlines"});
    lf.replace("\r\n", "\n");
    load(lf);
    ASSERT_EQ(mProducts.Count(), 1);
    EXPECT_EQ(text(1, product::Notes), QStringLiteral("two\r\nlines"));
}

TEST_F(ProductsTest, RecordsBeyondTheCapacityAreKeptAtTheNextSave)
{
    QByteArray file;
    for (int i = 1; i <= product::Capacity; ++i)
        file += record({QByteArray("P-") + QByteArray::number(100000 + i), "product"});
    const QByteArray further =
        record({"Z-1", "one too many", "1", "a\r\nb"}) + record({"Y-2", "two too many"});
    const auto read = load(file + further);
    EXPECT_EQ(read.count, product::Capacity);
    EXPECT_EQ(read.further, 2);
    EXPECT_EQ(mProducts.Count(), product::Capacity);
    EXPECT_EQ(mPrompter.messageTexts(),
              QStringList(QStringLiteral(
                  "The catalogue file holds more than 1000 products. The first 1000 are shown; "
                  "the other 2 stay in the file unchanged when the catalogue is saved.")));
    ASSERT_TRUE(mProducts.WriteProds(path()).ok());
    EXPECT_EQ(readBytes(path()), file + further);

    // Deleting products does not lose the kept records either.
    mTable.deleteRow(1);
    mProducts.setCount(mProducts.Count() - 1);
    ASSERT_TRUE(mProducts.WriteProds(path()).ok());
    EXPECT_TRUE(readBytes(path()).endsWith(further));
    EXPECT_EQ(mProducts.load(path()).count, product::Capacity);
}

TEST_F(ProductsTest, TextEnteringTheTableLosesTheSeparatorCharacter)
{
    mTable.setBounds(1, product::ColumnCount);
    mProducts.setCount(1);
    mTable.setCell(1, 1, Cell(QStringLiteral("A\x7F-1")));
    mTable.setCell(1, 4,
                   Cell(QString(QStringLiteral("x")) + QChar(0x7F) + QChar(0x7F) + QChar(0x7F)
                        + QStringLiteral("y")));
    ASSERT_TRUE(mProducts.WriteProds(path()).ok());
    EXPECT_EQ(readBytes(path()), record({"A-1", "", "", "xy"}));
}

TEST_F(ProductsTest, NumbersAreWrittenInTheirShortestFormWithTheUsersDecimalSeparator)
{
    mTable.setBounds(5, product::ColumnCount);
    mProducts.setCount(5);
    const float prices[] = {12.5f, 0.1f, 19.99f, 1234567.0f, 100.0f};
    for (int row = 1; row <= 5; ++row) {
        mTable.setCell(row, 1, Cell(QStringLiteral("P%1").arg(row)));
        mTable.setCell(row, 3, Cell(prices[row - 1]));
    }
    ASSERT_TRUE(mProducts.WriteProds(path()).ok());
    EXPECT_EQ(readBytes(path()), record({"P1", "", "12.5"}) + record({"P2", "", "0.1"})
                                     + record({"P3", "", "19.99"}) + record({"P4", "", "1234567"})
                                     + record({"P5", "", "100"}));

    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    ASSERT_TRUE(mProducts.WriteProds(path()).ok());
    const QByteArray german = readBytes(path());
    load(german);
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    EXPECT_TRUE(german.startsWith(record({"P1", "", "12,5"})));
    EXPECT_FLOAT_EQ(mTable.cell(1, 3).number(), 12.5f);
}

TEST_F(ProductsTest, CharactersTheFileCannotHoldAreNamedBeforeSaving)
{
    load(record({"A-1", "Widget"}));
    mTable.setCell(1, product::Notes, Cell(QStringLiteral("Ω and ✓, € is fine, Ω again")));
    EXPECT_TRUE(mProducts.save(path()));
    ASSERT_EQ(mPrompter.prompts().size(), 1);
    EXPECT_EQ(mPrompter.prompts()[0].text,
              QStringLiteral("Some products contain characters that the catalogue file cannot "
                             "hold: Ω ✓\n\nThey will be saved as question marks."));
    EXPECT_EQ(mPrompter.prompts()[0].caption, QStringLiteral("Catalogue"));
    EXPECT_EQ(readBytes(path()), record({"A-1", "Widget", "", "? and ?, \x80 is fine, ? again"}));
}

TEST_F(ProductsTest, AFailedSaveIsReportedAndLeavesTheOldFile)
{
    load(record({"A-1", "Widget"}));
    // A folder standing where the file should be cannot be replaced.
    const QString blocked = path(QStringLiteral("blocked"));
    QDir().mkpath(blocked + QStringLiteral("/inside"));
    const common::Status status = mProducts.WriteProds(blocked);
    EXPECT_FALSE(status.ok());
    EXPECT_FALSE(status.message().empty());
    EXPECT_TRUE(QFileInfo(blocked + QStringLiteral("/inside")).isDir());

    mPrompter.answer(Answer::No);
    EXPECT_FALSE(mProducts.save(blocked)); // the user stays in the program
    mPrompter.answer(Answer::Yes);
    EXPECT_TRUE(mProducts.save(blocked)); // the user closes anyway
    ASSERT_EQ(mPrompter.prompts().size(), 2);
    const auto &question = mPrompter.prompts()[0];
    EXPECT_TRUE(question.text.startsWith(QStringLiteral("The catalogue could not be saved to ")
                                         + blocked + QStringLiteral(".\n\n")));
    EXPECT_TRUE(question.text.endsWith(QStringLiteral(
        "\n\nClose the program anyway? The changes made since it started will be lost.")));
    EXPECT_EQ(question.caption, QStringLiteral("Error"));
    EXPECT_EQ(question.buttons, Buttons::YesNo);
    EXPECT_EQ(question.icon, Icon::Exclamation);
    // The file that was there is untouched by a failed save.
    EXPECT_EQ(readBytes(path()), record({"A-1", "Widget"}));
}

TEST_F(ProductsTest, DiagnosticTraceWhileReading)
{
    Trace trace(true, &mPrompter);
    Products traced(mTable, &mPrompter, &trace);
    writeBytes(path(), record({"A-1", "One", "1", "two\r\nlines"}) + record({"B-2", "Two"}));
    mTable.setBounds(product::Capacity, product::ColumnCount);
    traced.ReadProds(path());
    QStringList seen;
    for (const auto &p : mPrompter.prompts())
        seen << p.caption + QStringLiteral(": ") + p.text;
    EXPECT_EQ(seen, QStringList({
                        QStringLiteral("test: Opened Filename"),
                        QStringLiteral("Test: read line A-1\x7F\x7F\x7F"
                                       "One\x7F\x7F\x7F"
                                       "1\x7F\x7F\x7Ftwo"),
                        QStringLiteral("test: array 1 is A-1"),
                        QStringLiteral("Test: read line ")
                            + QString::fromLatin1(record({"B-2", "Two"}).chopped(2)),
                        QStringLiteral("test: array 1 is B-2"),
                    }));
    EXPECT_EQ(mPrompter.prompts()[2].buttons, Buttons::OkCancel);

    EXPECT_TRUE(Trace::requestedBy({QStringLiteral("test")}));
    EXPECT_FALSE(Trace::requestedBy({QStringLiteral("Test")}));
    EXPECT_FALSE(Trace::requestedBy({QStringLiteral("test"), QStringLiteral("more")}));
    EXPECT_FALSE(Trace::requestedBy({}));
    mPrompter.clear();
    Trace off(false, &mPrompter);
    Products quiet(mTable, &mPrompter, &off);
    quiet.ReadProds(path());
    EXPECT_TRUE(mPrompter.prompts().isEmpty());
}

} // namespace
